#include "exercises/exercise_file.h"

#include "platform/regular_file.h"
#include "shared/modSorvinel.h"

#include <QSaveFile>
#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace exercises {

namespace {

struct TypeInfo {
    QString code;
    QString extension;
    QString filter_name;
    Operation operation;
};

const std::array<TypeInfo, 5> &type_table() {
    static const std::array<TypeInfo, 5> table{{
        {kTypeAddition, QStringLiteral("add"), QStringLiteral("Addition"), Operation::Addition},
        {kTypeSubtraction, QStringLiteral("sub"), QStringLiteral("Subtraktion"),
         Operation::Subtraktion},
        {kTypeMultiplication, QStringLiteral("mul"), QStringLiteral("Multiplikation"),
         Operation::Multiplikation},
        {kTypeDivision, QStringLiteral("div"), QStringLiteral("Division"), Operation::Division},
        {kTypeMixed, QStringLiteral("bla"), QStringLiteral("Blandade"), Operation::Blandat},
    }};
    return table;
}

const TypeInfo *find_type(const QString &code) {
    for (const TypeInfo &info : type_table())
        if (info.code == code)
            return &info;
    return nullptr;
}

constexpr qsizetype kExtensionLength = 3;
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char16_t kFirstPrintable = u' ';
constexpr char16_t kLastPrintable = u'~';
const QStringList kOperatorSigns{kTypeAddition, kTypeSubtraction, kTypeMultiplication,
                                 kTypeDivision};
const QString kFilterSeparator = QStringLiteral("|");
const QString kInsertAllEntry =
    QStringLiteral("Alla (*.add *.sub *.mul *.div *.bla)|*.add;*.sub;*.mul;*.div;*.bla");

bool is_printable_ascii(const QString &line) {
    for (QChar c : line)
        if (c.unicode() < kFirstPrintable || c.unicode() > kLastPrintable)
            return false;
    return true;
}

} // namespace

bool is_exercise_type(const QString &type) {
    return find_type(type) != nullptr;
}

QString extension_for_type(const QString &type) {
    const TypeInfo *info = find_type(type);
    return info ? info->extension : QString();
}

QString type_from_path(const QString &path) {
    const QString ending = path.right(kExtensionLength).toLower();
    for (const TypeInfo &info : type_table())
        if (info.extension == ending)
            return info.code;
    return QString();
}

QString with_type_extension(const QString &path, const QString &type) {
    const QString extension = extension_for_type(type);
    if (extension.isEmpty())
        return path;
    const QString suffix = u'.' + extension;
    if (path.endsWith(suffix, Qt::CaseInsensitive))
        return path;
    return path + suffix;
}

QString operation_name_for_type(const QString &type) {
    const std::optional<Operation> operation = operation_for_type(type);
    return operation ? ModSorvinel::operation_name(*operation) : QString();
}

std::optional<Operation> operation_for_type(const QString &type) {
    const TypeInfo *info = find_type(type);
    return info ? std::optional(info->operation) : std::nullopt;
}

QString dialog_filter_entry(const QString &type) {
    const TypeInfo *info = find_type(type);
    if (!info)
        return QString();
    const QString pattern = QStringLiteral("*.") + info->extension;
    return info->filter_name + QStringLiteral(" (") + pattern + u')' + kFilterSeparator + pattern;
}

QString open_dialog_filter() {
    QStringList entries;
    for (const TypeInfo &info : type_table())
        entries << dialog_filter_entry(info.code);
    return entries.join(kFilterSeparator);
}

int open_dialog_filter_index(const QString &type) {
    const auto &table = type_table();
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].code == type)
            return static_cast<int>(i) + 1;
    return 1;
}

QString insert_dialog_filter(const QString &type) {
    if (type == kTypeMixed)
        return kInsertAllEntry + kFilterSeparator + open_dialog_filter();
    return dialog_filter_entry(type);
}

namespace {
// Room for an int's digits and sign.
constexpr size_t kNumberChars = 12;
constexpr qsizetype kTaskLineChars = 2 * kNumberChars + 4;

void append_number(QString &text, int n) {
    std::array<char, kNumberChars> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    text += QLatin1String(digits.data(), end);
}
} // namespace

QString task_line(int first, const QString &sign, int second) {
    // Built in place: files of a thousand tasks are read and written whole.
    QString line;
    line.reserve(kTaskLineChars + sign.size());
    append_number(line, first);
    line += u' ';
    line += sign;
    line += u' ';
    append_number(line, second);
    line += QLatin1String(" =");
    return line;
}

QStringList split_file_lines(const QByteArray &bytes) {
    QStringList lines;
    // Room for every line at once; a CR LF pair counts twice, which costs little.
    lines.reserve(bytes.count(kCarriageReturn) + bytes.count(kLineFeed) + 1);
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != kCarriageReturn && c != kLineFeed)
            continue;
        lines << QString::fromLatin1(bytes.constData() + start, i - start);
        if (c == kCarriageReturn && i + 1 < bytes.size() && bytes[i + 1] == kLineFeed)
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines << QString::fromLatin1(bytes.constData() + start, bytes.size() - start);
    return lines;
}

namespace {
// Hands every accepted line of `lines` to `take`, with the sign the parser found.
template <class Take> void for_each_task(const QStringList &lines, const QString &type, Take take) {
    for (const QString &line : lines) {
        QString sign = type; // the parser turns "¤" into the line's own sign
        int first = 0;
        int second = 0;
        bool first_found = false;
        bool ok = false;
        QString message;
        ModSorvinel::parse_task(line, sign, first, second, first_found, ok, message);
        // In a mixed file a Latin-1 "¤" passes as the operator; it is no task.
        if (!ok || !kOperatorSigns.contains(sign))
            continue;
        take(first, sign, second);
    }
}

FileReader g_file_reader;

std::optional<QByteArray> whole_file(const QString &path) {
    if (g_file_reader)
        return g_file_reader(path);
    // Only a plain file: a FIFO would hold the program in open() until something wrote to it.
    // The limit holds also for a file that grew after it was looked at.
    platform::FileRead file = platform::read_regular_file(path, kMaxExerciseFileBytes);
    if (file.state != platform::FileState::Read || file.cut_short)
        return std::nullopt;
    return std::move(file.bytes);
}
} // namespace

bool is_refused_exercise_file(const QString &path) {
    return platform::is_special_file(path) ||
           platform::is_file_larger_than(path, kMaxExerciseFileBytes);
}

void set_file_reader(FileReader reader) {
    g_file_reader = std::move(reader);
}

ReadResult read_exercise_lines(const QStringList &lines, const QString &type, int room) {
    ReadResult result;
    result.tasks.reserve(std::clamp<qsizetype>(room, 0, lines.size()));
    for_each_task(lines, type, [&](int first, const QString &sign, int second) {
        if (result.tasks.size() < room)
            result.tasks << task_line(first, sign, second);
        else
            ++result.left_out;
    });
    return result;
}

ReadResult read_exercise_bytes(const QByteArray &bytes, const QString &type, int room) {
    return read_exercise_lines(split_file_lines(bytes), type, room);
}

ReadResult read_exercise_file(const QString &path, const QString &type, int room) {
    const std::optional<QByteArray> bytes = whole_file(path);
    if (!bytes) {
        ReadResult failed;
        failed.failed = true;
        return failed;
    }
    return read_exercise_bytes(*bytes, type, room);
}

TaskReadResult read_exercise_tasks(const QString &path, const QString &type, int room) {
    const std::optional<QByteArray> bytes = whole_file(path);
    if (!bytes) {
        TaskReadResult failed;
        failed.failed = true;
        return failed;
    }
    return read_exercise_tasks_bytes(*bytes, type, room);
}

TaskReadResult read_exercise_tasks_bytes(const QByteArray &bytes, const QString &type, int room) {
    TaskReadResult result;
    const QStringList lines = split_file_lines(bytes);
    result.tasks.reserve(static_cast<size_t>(std::clamp<qsizetype>(room, 0, lines.size())));
    for_each_task(lines, type, [&](int first, const QString &sign, int second) {
        if (std::ssize(result.tasks) < room)
            result.tasks.push_back({first, sign, second});
        else
            ++result.left_out;
    });
    return result;
}

QString tasks_left_out_text(long long left_out) {
    return QStringLiteral("Det fanns ") + QString::number(kMaxExerciseTasks + left_out) +
           QStringLiteral(" uppgifter. Endast de ") + QString::number(kMaxExerciseTasks) +
           QStringLiteral(" första lästes in.");
}

QByteArray exercise_file_bytes(const QStringList &tasks, bool *ok) {
    qsizetype size = 0;
    for (const QString &line : tasks) {
        if (!is_printable_ascii(line)) {
            if (ok)
                *ok = false;
            return QByteArray();
        }
        size += line.size() + 2;
    }
    // Printable ASCII: each character is its own byte.
    QByteArray bytes;
    bytes.reserve(size);
    for (const QString &line : tasks) {
        for (QChar c : line)
            bytes += static_cast<char>(c.unicode());
        bytes += kCarriageReturn;
        bytes += kLineFeed;
    }
    if (ok)
        *ok = true;
    return bytes;
}

bool write_exercise_file(const QString &path, const QStringList &tasks, const FileWriter &writer) {
    bool ok = false;
    const QByteArray bytes = exercise_file_bytes(tasks, &ok);
    return ok && writer(path, bytes);
}

} // namespace exercises
