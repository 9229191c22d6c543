#include "drill/exercise_drill_logic.h"

#include "drill/drill_tasks.h"
#include "exercises/exercise_file.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <algorithm>
#include <array>

namespace drill {
namespace {

// The dot and the three letters of the extension.
constexpr qsizetype kExtensionWithDot = 4;
const QString kPathSeparator = QStringLiteral("/");
const std::array<QString, 5> kMissingPrefixes{
    QStringLiteral("Additions"), QStringLiteral("Subtraktions"), QStringLiteral("Multiplikations"),
    QStringLiteral("Divisionsons"), QStringLiteral("Blandade ")};
constexpr int kKeypadToMain = vb::key::Numpad0 - vb::key::D0;

// The operation of an exercise type ("+" .. "¤"), none for anything else.
std::optional<Operation> operation_of_type(const QString &type) {
    for (Operation op : kOperations)
        if (!type.isEmpty() && ModSorvinel::operation_sign(op) == type)
            return op;
    return std::nullopt;
}

} // namespace

QString exercise_list_pattern(Operation operation) {
    return QStringLiteral("*.") +
           exercises::extension_for_type(ModSorvinel::operation_sign(operation));
}

QString exercise_display_name(const QString &entry) {
    return u' ' + entry.toLower().chopped(std::min(entry.size(), kExtensionWithDot)) + u' ';
}

QString exercise_entry_path(const QString &folder, const QString &entry) {
    if (folder.isEmpty() || folder.endsWith(kPathSeparator))
        return folder + entry;
    return folder + kPathSeparator + entry;
}

QString missing_exercises_question(Operation operation) {
    return kMissingPrefixes[static_cast<size_t>(index_of(operation))] +
           QStringLiteral("övningar saknas.\r\nVill du skapa sådana övningar?");
}

int next_file_index(int index, int count) {
    return index + 1 >= count ? 0 : index + 1;
}

int previous_file_index(int index, int count) {
    return index <= 0 ? std::max(count - 1, 0) : index - 1;
}

std::optional<QChar> file_jump_character(int key_code) {
    using namespace vb::key;
    if (key_code >= D0 && key_code <= D9)
        return QChar(key_code);
    if (key_code >= Numpad0 && key_code <= Numpad9)
        return QChar(key_code - kKeypadToMain);
    if (key_code >= A && key_code <= Z)
        return QChar(key_code).toLower();
    switch (key_code) {
    case Aa:
        return QChar(u'å');
    case Ae:
        return QChar(u'ä');
    case Oe:
        return QChar(u'ö');
    default:
        return std::nullopt;
    }
}

int file_jump_steps(const QStringList &entries, int index, QChar c) {
    const int n = int(entries.size());
    const auto begins = [&](int i) { return entries[i].toLower().startsWith(c); };
    for (int i = index + 1; i < n; ++i)
        if (begins(i))
            return i - index;
    for (int i = 0; i < index && i < n; ++i)
        if (begins(i))
            return i - index;
    return 0;
}

LoadedExercise read_exercise_for_drill(const QString &path) {
    LoadedExercise loaded;
    // Anything but a plain file, or a huge one, is refused without opening it.
    if (exercises::is_refused_exercise_file(path)) {
        loaded.failed = true;
        return loaded;
    }
    const QString type = exercises::type_from_path(path);
    const std::optional<Operation> operation = operation_of_type(type);
    if (!operation) {
        // A name whose ending names no operation has no task to offer; the file is still
        // read, so one that cannot be read is reported as such.
        loaded.failed = exercises::read_exercise_tasks(path, type, 0).failed;
        return loaded;
    }
    loaded.operation = *operation;
    const exercises::TaskReadResult read =
        exercises::read_exercise_tasks(path, type, kMaxExerciseTasks);
    loaded.failed = read.failed;
    loaded.left_out = read.left_out;
    loaded.tasks.reserve(read.tasks.size());
    for (const exercises::ExerciseTask &t : read.tasks) {
        // A division is asked as its quotient times the divisor.
        const bool division = t.sign == exercises::kTypeDivision;
        if (division && t.second == 0)
            continue;
        loaded.tasks.push_back({division ? t.first / t.second : t.first, t.second, t.sign});
    }
    return loaded;
}

int store_loaded_tasks(ModSorvinel &m, const std::vector<LoadedTask> &tasks) {
    const int n = int(tasks.size());
    dimension_drill_arrays(m, n);
    for (int i = 0; i < n; ++i) {
        m.task_operands[Row::StoredFirst][i] = tasks[size_t(i)].first;
        m.task_operands[Row::StoredSecond][i] = tasks[size_t(i)].second;
        m.task_operators[Row::StoredSign][i] = tasks[size_t(i)].sign;
    }
    m.task_count = n;
    return n;
}

QString too_few_tasks_text(const QString &path, int count, int min_task_count) {
    const QString file = QStringLiteral("Filen ") + path.toLower();
    if (count == 0)
        return file + QStringLiteral(" innehöll inga uppgifter.");
    return file + QStringLiteral(" innehöll endast ") + QString::number(count) +
           QStringLiteral(" uppgifter.\n\rMinsta antal är inställt till ") +
           QString::number(min_task_count);
}

} // namespace drill
