#pragma once
// Whole-list tools of the exercise editor, without any widget: the compare key that orders
// and identifies tasks, sorting and shuffling, duplicates, random reduction and the tasks
// that cross a ten. Every function takes the list and gives back the new one.

#include "exercises/exercise_document.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace exercises {

// Uniform numbers in [0, 1); the editor passes platform::rnd.
using RandomSource = std::function<double()>;

// «12 + 3 =» gives "A00120003": operator letter A..D for + - * /, both operands in 4 digits.
QString make_compare_key(const QString &task);
// The task line of a compare key.
QString task_from_compare_key(const QString &key);

enum class SortMode { Ascending = 0, Descending = 1, Random = 2 };
QStringList sort_tasks(const QStringList &tasks, SortMode mode, const RandomSource &rnd);

struct DuplicateSearch {
    QStringList distinct; // each task once, where it first occurs
    int count = 0;        // surplus copies
};
DuplicateSearch find_duplicate_tasks(const QStringList &tasks);
// "Skall 2 dubbletter tas bort?"
MessageText duplicates_question(int count);

// Reduce dialog: "k till n - k" for k = 1 .. n - 1, and the index of the default (k = n / 2).
struct ReduceChoices {
    QStringList items;
    int default_index = -1;
};
ReduceChoices reduce_choices(int task_count);
// `remove` tasks taken out at random positions; the rest keep their order.
QStringList reduce_at_random(const QStringList &tasks, int remove, const RandomSource &rnd);

// Addition: the ones or the tens add up to more than 9; subtraction: a ones or tens digit of
// the first operand is smaller than that of the second.
bool crosses_ten(const QString &task, const QString &type);
struct TensCrossings {
    QStringList kept;
    int count = 0;
};
TensCrossings find_tens_crossings(const QStringList &tasks, const QString &type);
// The notice (count 0) or the OK/Cancel question before removing them.
MessageText tens_crossings_message(int count);

} // namespace exercises
