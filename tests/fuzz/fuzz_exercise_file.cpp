// Any file as an exercise, on the roads that read one: as the drill loads a file (the first
// 1000 tasks), as the editor opens a file or inserts one into an exercise, and as it
// takes the latest wrong tasks. Whatever the bytes, every task read is a sound task, the
// limit holds, and writing the tasks and reading them back gives the same tasks. The file
// is mostly handed to the readers from memory, through their own file-reading seam; now
// and then it lies on the disk, or has vanished when it is opened.
#include "exercises/exercise_document.h"
#include "exercises/exercise_file.h"
#include "fuzz_support.h"
#include "shared/modSorvinel.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>

namespace {

using namespace exercises;
using fuzz::check;

const std::array<QString, 5> kTypes{kTypeAddition, kTypeSubtraction, kTypeMultiplication,
                                    kTypeDivision, kTypeMixed};
const QStringList kSigns{kTypeAddition, kTypeSubtraction, kTypeMultiplication, kTypeDivision};
// Tasks already in the exercise before an insertion: empty, nearly full, full.
constexpr std::array<int, 6> kTasksBefore{0, 1, 500, 990, 999, kMaxExerciseTasks};
constexpr int kLargestResult = kOperandLimit - 1;

enum class Road { DrillLoad, EditorOpen, EditorInsert, WrongTasks, Count };

// An operand as the writer writes it: digits, no sign, no leading zero.
bool written_operand(QStringView text, int &value) {
    if (text.isEmpty() || (text.size() > 1 && text.front() == u'0'))
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value < kOperandLimit;
}

// A task of `type` whose operands are operands and that obeys its result rule, checked
// apart from the parser.
bool sound_task(int a, QStringView sign, int b, const QString &type) {
    if (a < 0 || b < 0 || a > kLargestResult || b > kLargestResult)
        return false;
    if (!kSigns.contains(sign) || (type != kTypeMixed && sign != type))
        return false;
    if (sign == kTypeAddition)
        return a + b <= kLargestResult;
    if (sign == kTypeSubtraction)
        return a >= b;
    if (sign == kTypeMultiplication)
        return a * b <= kLargestResult;
    return b != 0 && a % b == 0;
}

// A task line «a s b =» of a sound task.
bool sound_task_line(const QString &line, const QString &type) {
    std::array<QStringView, 4> parts;
    size_t n = 0;
    for (QStringView part : QStringView(line).tokenize(u' ')) {
        if (n == parts.size())
            return false;
        parts[n++] = part;
    }
    int a = 0;
    int b = 0;
    return n == parts.size() && parts[3] == u"=" && written_operand(parts[0], a) &&
           written_operand(parts[2], b) && sound_task(a, parts[1], b, type);
}

void check_tasks_sound(const QStringList &tasks, const QString &type) {
    check(tasks.size() <= kMaxExerciseTasks, "more tasks than the limit");
    for (const QString &task : tasks)
        check(sound_task_line(task, type), "a task read is no sound task line");
}

// What the writer writes for `tasks` reads back as exactly these tasks.
void check_written_reads_back(const QStringList &tasks, const QString &type) {
    bool ok = false;
    const QByteArray bytes = exercise_file_bytes(tasks, &ok);
    check(ok, "the writer refused tasks that were read");
    const ReadResult again = read_exercise_bytes(bytes, type, kMaxExerciseTasks);
    check(!again.failed && again.left_out == 0 && again.tasks == tasks,
          "written tasks read back otherwise");
}

bool printable_ascii(const QString &line) {
    for (QChar c : line)
        if (c < u' ' || c > u'~')
            return false;
    return true;
}

// The writer takes a file's raw lines only when every one would read back as it was.
void check_writer_refuses_what_cannot_read_back(const QStringList &lines) {
    bool ok = false;
    const QByteArray written = exercise_file_bytes(lines, &ok);
    check(ok == std::all_of(lines.begin(), lines.end(), printable_ascii),
          "the writer took a line it cannot write, or refused a plain one");
    check(!ok || split_file_lines(written) == lines, "written lines read back otherwise");
}

// Where an editor road or the drill gets its file: from memory, through the readers' own
// file-reading seam; from the disk, whose road must read what the bytes road reads; or
// from nowhere, as when a file is removed between listing and opening.
enum class Source { Memory, Disk, Gone };

struct FileInPlay {
    Source source = Source::Memory;
    QString path;
    QByteArray bytes;
};
FileInPlay g_file;

std::optional<QByteArray> file_in_memory(const QString &path) {
    if (g_file.source == Source::Gone || path != g_file.path)
        return std::nullopt;
    return g_file.bytes;
}

const QString &file_for(const QString &type, const QByteArray &bytes, Source source) {
    g_file.source = source;
    g_file.bytes = bytes;
    if (source == Source::Disk) {
        g_file.path = fuzz::home_folder() + QStringLiteral("/prov.") + extension_for_type(type);
        fuzz::write_file(g_file.path, bytes);
        set_file_reader({});
    } else {
        g_file.path = QStringLiteral("/elev/prov.") + extension_for_type(type);
        set_file_reader(file_in_memory);
    }
    return g_file.path;
}

bool same_tasks(const TaskReadResult &a, const TaskReadResult &b) {
    return a.failed == b.failed && a.left_out == b.left_out &&
           std::equal(a.tasks.begin(), a.tasks.end(), b.tasks.begin(), b.tasks.end(),
                      [](const ExerciseTask &x, const ExerciseTask &y) {
                          return x.first == y.first && x.sign == y.sign && x.second == y.second;
                      });
}

// The drill reads the numbers of the file's first tasks; written as task lines they read
// back as the same tasks. The drill has room for 1000; a smaller room brings the same limit
// rule within reach of a short file.
void drill_load(const QByteArray &bytes, const QString &type, int room, Source source) {
    const TaskReadResult read = read_exercise_tasks_bytes(bytes, type, room);
    if (source != Source::Memory) {
        const TaskReadResult from_file =
            read_exercise_tasks(file_for(type, bytes, source), type, room);
        if (source == Source::Gone) {
            check(from_file.failed && from_file.tasks.empty(), "a vanished file was read");
            return;
        }
        check(same_tasks(from_file, read), "the drill reads a file otherwise than its bytes");
    }
    check(!read.failed && read.left_out >= 0, "a read of bytes failed");
    check(std::ssize(read.tasks) <= room, "more tasks than the room");
    check(read.left_out == 0 || std::ssize(read.tasks) == room,
          "tasks were left out below the limit");
    QStringList lines;
    lines.reserve(std::ssize(read.tasks));
    for (const ExerciseTask &t : read.tasks) {
        check(sound_task(t.first, t.sign, t.second, type), "a task read is no sound task");
        lines << task_line(t.first, t.sign, t.second);
    }
    check_written_reads_back(lines, type);
}

// Saving the document writes bytes that read back as its tasks.
void check_document_saves(ExerciseDocument &doc) {
    QByteArray written;
    doc.set_writer([&written](const QString &, const QByteArray &bytes) {
        written = bytes;
        return true;
    });
    check(doc.save().done && doc.is_saved(), "a named exercise could not be saved");
    const ReadResult again = read_exercise_bytes(written, doc.exercise_type(), kMaxExerciseTasks);
    check(again.tasks == doc.tasks(), "a saved exercise reads back otherwise");
}

void editor_open(const QByteArray &bytes, const QString &file_type, const QString &doc_type,
                 Source source) {
    const QString &path = file_for(file_type, bytes, source);
    ExerciseDocument doc(doc_type);
    const CommandOutcome outcome = doc.open(path);
    if (source == Source::Gone) {
        check(!outcome.done && outcome.notice.has_value(), "a vanished file opened silently");
        check(doc.is_empty_unnamed() && doc.exercise_type() == doc_type,
              "a vanished file changed the exercise");
        return;
    }
    const ReadResult read = read_exercise_bytes(bytes, file_type, kMaxExerciseTasks);
    if (!outcome.done) {
        check(read.tasks.isEmpty() && outcome.notice.has_value(), "an open failed silently");
        check(doc.is_empty_unnamed() && doc.exercise_type() == doc_type,
              "a failed open changed the exercise");
        return;
    }
    check(doc.exercise_type() == file_type && doc.current_path() == path && doc.is_saved(),
          "an opened file is not the exercise");
    check(doc.tasks() == read.tasks, "the editor reads a file otherwise than its bytes");
    check(outcome.notice.has_value() == (read.left_out > 0), "the limit notice is wrong");
    check_tasks_sound(doc.tasks(), file_type);
    check_document_saves(doc);
}

void editor_insert(const QByteArray &bytes, const QString &file_type, const QString &doc_type,
                   int before, Source source) {
    const QString &path = file_for(file_type, bytes, source);
    ExerciseDocument doc(doc_type);
    const QString own_sign = doc_type == kTypeMixed ? kTypeAddition : doc_type;
    const QString earlier = task_line(1, own_sign, 1);
    // Nothing else holds the list, so the insert adds to it without copying it.
    doc.replace_tasks(QStringList(before, earlier));
    const CommandOutcome outcome = doc.insert(path);
    const QStringList &tasks = doc.tasks();
    check(doc.exercise_type() == doc_type, "an insert changed the exercise type");
    check(tasks.size() <= kMaxExerciseTasks, "an insert went beyond the limit");
    check(tasks.size() >= before && std::all_of(tasks.begin(), tasks.begin() + before,
                                                [&](const QString &t) { return t == earlier; }),
          "an insert changed earlier tasks");
    const QStringList added = tasks.mid(before);
    check_tasks_sound(added, doc_type);
    if (!outcome.done || source == Source::Gone) {
        check(!outcome.done && added.isEmpty() && outcome.notice.has_value(),
              "an insert that took nothing changed the list or said nothing");
        return;
    }
    check(!doc.is_saved(), "an insert left the exercise marked saved");
    const QString read_type = doc_type == kTypeMixed ? file_type : doc_type;
    const ReadResult read = read_exercise_bytes(bytes, read_type, kMaxExerciseTasks);
    const qsizetype room = kMaxExerciseTasks - before;
    check(added == read.tasks.mid(0, room), "an insert took other tasks than the file's first");
    check_written_reads_back(added, doc_type);
}

// The latest wrong tasks come as lines of text; the editor checks them like a file's.
void wrong_tasks(const QByteArray &bytes, const QString &type) {
    const QStringList lines = split_file_lines(bytes);
    check_writer_refuses_what_cannot_read_back(lines);
    ExerciseDocument doc;
    const int not_taken = doc.start_from_wrong_tasks(type, lines);
    check(doc.is_unnamed() && !doc.is_saved(), "wrong tasks came as a saved exercise");
    check(not_taken == lines.size() - doc.task_count(), "the count of tasks not taken is wrong");
    check(doc.tasks() == read_exercise_lines(lines, type, kMaxExerciseTasks).tasks,
          "wrong tasks are read otherwise than a file's lines");
    check_tasks_sound(doc.tasks(), type);
    check_written_reads_back(doc.tasks(), type);
}

// What is left of the second header byte, 0 to 8: the file comes from memory, but from
// the disk for 8 (one input in sixteen) and from nowhere for 7.
Source source_of(int rest) {
    constexpr int kDisk = 8;
    constexpr int kGone = 7;
    return rest == kDisk ? Source::Disk : rest == kGone ? Source::Gone : Source::Memory;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    constexpr size_t kHeader = 2;
    if (size < kHeader)
        return 0;
    const size_t types = kTypes.size();
    const QString &file_type = kTypes[data[0] % types];
    const auto road = static_cast<Road>(data[0] / types % static_cast<size_t>(Road::Count));
    const QString &doc_type = kTypes[data[1] % types];
    const int before = kTasksBefore[data[1] / types % kTasksBefore.size()];
    const Source source = source_of(data[1] / (types * kTasksBefore.size()));
    const QByteArray bytes = fuzz::bytes_of(data + kHeader, size - kHeader);
    switch (road) {
    case Road::DrillLoad:
        drill_load(bytes, file_type, kMaxExerciseTasks - before, source);
        break;
    case Road::EditorOpen:
        editor_open(bytes, file_type, doc_type, source);
        break;
    case Road::EditorInsert:
        editor_insert(bytes, file_type, doc_type, before, source);
        break;
    case Road::WrongTasks:
    case Road::Count:
        wrong_tasks(bytes, file_type);
        break;
    }
    return 0;
}
