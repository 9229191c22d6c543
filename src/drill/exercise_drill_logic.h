#pragma once
// Exercise-file drills without widgets: the names the file list shows and how it is
// stepped, and reading a file into the drill arrays with the drill's own rules (the fewest
// tasks a file must hold, a division kept as quotient and divisor, at most 1000 tasks).

#include "shared/operation.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class ModSorvinel;

namespace drill {

// "*.add" .. "*.bla" by operation.
QString exercise_list_pattern(Operation operation);
// One blank, the entry in lower case without its extension, one blank: " plus 7 ".
QString exercise_display_name(const QString &entry);
// The file itself, in the list's folder.
QString exercise_entry_path(const QString &folder, const QString &entry);
// "Additionsövningar saknas." and the offer to make such exercises.
QString missing_exercises_question(Operation operation);

// The entry after `index` (the first after the last), and the one before it.
int next_file_index(int index, int count);
int previous_file_index(int index, int count);
// The character a key jumps to in the list: digits, keypad digits, letters in lower case,
// "å", "ä" and "ö"; nothing for every other key.
std::optional<QChar> file_jump_character(int key_code);
// Steps to the next entry (searching after `index`, then from the first) whose lower-case
// name begins with `c`: positive down, negative up, 0 when none matches.
int file_jump_steps(const QStringList &entries, int index, QChar c);

// One task of a loaded file as the drill holds it (a division as quotient and divisor).
struct LoadedTask {
    int first = 0;
    int second = 0;
    QString sign;
};
struct LoadedExercise {
    bool failed = false;                       // the file could not be read
    Operation operation = Operation::Addition; // by the file's extension
    std::vector<LoadedTask> tasks;
    long long left_out = 0; // valid lines beyond the 1000 kept
};
LoadedExercise read_exercise_for_drill(const QString &path);

// Fills the stored rows of the drill arrays with the tasks in file order, empties the
// wrong-task rows and sets task_count. Returns the number of tasks.
int store_loaded_tasks(ModSorvinel &m, const std::vector<LoadedTask> &tasks);

// Too few tasks, on the dialog road: no task at all, or only `count`, and the minimum.
QString too_few_tasks_text(const QString &path, int count, int min_task_count);

} // namespace drill
