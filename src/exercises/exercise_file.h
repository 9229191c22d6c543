#pragma once
// Exercise files: one task per line, ASCII, every line ended by CR LF, no header. The file's
// last three characters name the operation. Readers keep only lines the task parser accepts,
// with the file's sign ("¤" for a mixed file, where each line brings its own sign).

#include "platform/atomic_file.h"
#include "shared/operation.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace exercises {

// Exercise type codes; "¤" lives only in memory and is never written to a file.
inline const QString kTypeAddition = QStringLiteral("+");
inline const QString kTypeSubtraction = QStringLiteral("-");
inline const QString kTypeMultiplication = QStringLiteral("*");
inline const QString kTypeDivision = QStringLiteral("/");
inline const QString kTypeMixed = QStringLiteral("¤");

// True for the five type codes above.
bool is_exercise_type(const QString &type);
// "add", "sub", "mul", "div" or "bla"; empty for anything else.
QString extension_for_type(const QString &type);
// The type named by the last three characters of `path`, in any case; empty when none.
QString type_from_path(const QString &path);
// `path` when it already ends in "." plus the type's extension (any case), else with it added.
QString with_type_extension(const QString &path, const QString &type);
// "Addition", "Subtraktion", "Multiplikation", "Division" or "Blandat".
QString operation_name_for_type(const QString &type);
// The operation of a type code; none for anything else.
std::optional<Operation> operation_for_type(const QString &type);

// File dialog filters, entries separated by "|" as pairs of description and pattern.
QString dialog_filter_entry(const QString &type);  // "Addition (*.add)|*.add"
QString open_dialog_filter();                      // the five entries
int open_dialog_filter_index(const QString &type); // 1..5, 1 for an unknown code
QString insert_dialog_filter(const QString &type); // "Alla ..." first for a mixed exercise

// The stored and written form of one task: «12 + 34 =».
QString task_line(int first, const QString &sign, int second);

// Far beyond any exercise (1000 tasks take about 15 kB): a larger file is refused unread, so
// a huge one neither fills the memory nor holds up the window.
inline constexpr qint64 kMaxExerciseFileBytes = qint64(1) << 20;
// True when `path` holds nothing to read as an exercise: something other than a plain file,
// or one larger than the limit above. Looks without opening it.
bool is_refused_exercise_file(const QString &path);

struct ReadResult {
    QStringList tasks;   // accepted lines in task-line form, at most the room given
    int left_out = 0;    // accepted lines that found no room
    bool failed = false; // the file could not be opened or read, or was too large; `tasks`
                         // is then empty
};

// One accepted line as numbers: the operands as written and the sign found.
struct ExerciseTask {
    int first = 0;
    QString sign;
    int second = 0;
};
struct TaskReadResult {
    std::vector<ExerciseTask> tasks; // at most the room given
    long long left_out = 0;          // accepted lines that found no room
    bool failed = false;             // the file could not be opened or read, or was too large
};

// Splits on CR LF, LF or a lone CR; bytes are taken as Latin-1.
QStringList split_file_lines(const QByteArray &bytes);
// Parses every line with `type` (put back to "¤" before each line of a mixed file).
ReadResult read_exercise_bytes(const QByteArray &bytes, const QString &type, int room);
ReadResult read_exercise_file(const QString &path, const QString &type, int room);
// As read_exercise_file, the accepted lines kept as numbers.
TaskReadResult read_exercise_tasks(const QString &path, const QString &type, int room);
TaskReadResult read_exercise_tasks_bytes(const QByteArray &bytes, const QString &type, int room);
// The notice when a file held more tasks than fitted: the true count and the limit.
QString tasks_left_out_text(long long left_out);
// Validates text lines (the latest wrong tasks) in the same way as a file's lines.
ReadResult read_exercise_lines(const QStringList &lines, const QString &type, int room);

// The file's bytes; empty when a line holds a character outside printable ASCII or a line
// break (such a line would not read back as it was), with `ok` false.
QByteArray exercise_file_bytes(const QStringList &tasks, bool *ok = nullptr);

// Reads a whole file for the readers above; nothing when it cannot be opened or read. Tests
// and fuzzing put in one of their own (a folder that disappears between listing and
// opening, or files kept in memory); empty restores the plain read.
using FileReader = std::function<std::optional<QByteArray>(const QString &path)>;
void set_file_reader(FileReader reader);

// Writes whole files; false when nothing usable reached the disk.
using FileWriter = std::function<bool(const QString &path, const QByteArray &bytes)>;
// Writes beside the target and renames over it, so a failure leaves the old file intact.
using platform::write_file_atomically;
// Writes the tasks through `writer`; false on a bad line or a failed write.
bool write_exercise_file(const QString &path, const QStringList &tasks,
                         const FileWriter &writer = write_file_atomically);

} // namespace exercises
