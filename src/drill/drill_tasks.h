#pragma once
// Task generation and asking order of a drill. Everything works on the drill arrays of the
// shared module passed in:
//   task_operands   rows 2, 3: operands as generated or loaded; rows 0, 1: in asking order
//   task_operators  row 1: sign as generated or loaded; row 0: in asking order
//   task_order      row 0: random key, row 1: task number (left from the last ordering)
//   wrong_operands  rows 0, 1 and wrong_operators row 0: tasks kept for the next pass
// A division task is held as (quotient, divisor); the screen shows quotient * divisor.
// Random numbers come from platform::rnd(), seeded with platform::randomize().

#include "shared/operation.h"

#include <QString>

class ModSorvinel;

namespace drill {

// Rows of the drill arrays.
namespace Row {
constexpr int AskedFirst = 0;
constexpr int AskedSecond = 1;
constexpr int StoredFirst = 2;
constexpr int StoredSecond = 3;
constexpr int AskedSign = 0;
constexpr int StoredSign = 1;
constexpr int OrderKey = 0;
constexpr int OrderTask = 1;
constexpr int WrongFirst = 0;
constexpr int WrongSecond = 1;
constexpr int WrongSign = 0;
} // namespace Row

// The most tasks one drill holds; keeps memory and the ordering time bounded.
constexpr int kMaxDrillTasks = 32767;
// Random ordering keys are 0 .. kOrderKeyRange - 1.
constexpr int kOrderKeyRange = 1000;
// "Till 10:an": both operands 1..10.
constexpr int kTill10Low = 1;
constexpr int kTill10High = 10;

struct OperandRanges {
    int first_low = 0;
    int first_high = 0;
    int second_low = 0;
    int second_high = 0;
};

inline OperandRanges till10_ranges() {
    return {kTill10Low, kTill10High, kTill10Low, kTill10High};
}

// The window's progress bar (minimum 0), seen through four calls.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void start(long maximum) = 0; // value 0, shown
    virtual void set_value(long value) = 0;
    virtual long maximum() const = 0;
    virtual void finish() = 0; // hidden
};

// Sign of a task of a single operation ("+", "-", "*", "/"); empty for Blandat or unknown.
QString task_sign(Operation operation);
// Operation of a task sign, none for anything else.
std::optional<Operation> operation_of_sign(const QString &sign);
// Whether (first, second) is a valid task of a single operation 0..3. A division never has
// the divisor 0, and its dividend first * second stays below 10000.
bool is_valid_task(Operation operation, int first, int second);
// Number of different tasks a drill of `operation` (0..4) over the ranges holds: the shared
// count without divisions by 0, so that one whole round holds exactly this many tasks.
long count_drill_tasks(Operation operation, const OperandRanges &ranges);
// Number of tasks of "Till 10:an": 100, 55 for Subtraktion, 355 for Blandat.
long till10_task_count(Operation operation);

// Empties and sizes the four drill arrays (not task_order) for n tasks.
void dimension_drill_arrays(ModSorvinel &m, int n);

// Appends every valid task of the ranges at task number k onwards (rows 2, 3 and sign row 1),
// Blandat once per valid operation in the order + - * /; k is advanced past the last task.
void fill_with_all(ModSorvinel &m, int &k, Operation operation, const OperandRanges &ranges);

// Generates the tasks of a drill of m.current_operation and orders them. `count` 0 means
// every possible task once; otherwise count mod p distinct random tasks followed by
// count / p whole rounds (p = possible tasks). Sets m.possible_task_count. Returns the
// number of tasks (the first pass length), or 0 when there is no drill: no possible task,
// or more than kMaxDrillTasks tasks asked. On 0 the drill arrays are left untouched.
int generate_selection_tasks(ModSorvinel &m, const OperandRanges &ranges, long count,
                             Progress *progress = nullptr);
// "Till 10:an" of m.current_operation: sets m.task_count to till10_task_count and generates.
int generate_till10_tasks(ModSorvinel &m, Progress *progress = nullptr);

// Puts tasks 0..n-1 into a new random asking order (rows 0, 1 and sign row 0). The source is
// the stored rows when `from_tasks`, else the wrong-task rows (next pass). n is limited to the
// tasks the source holds. Beeps once when m.beep_on. Returns n, the new pass length.
int make_random_order(ModSorvinel &m, int n, bool from_tasks, Progress *progress = nullptr);
// Asking order = stored order (an exercise file asked as written). Returns n.
int copy_in_stored_order(ModSorvinel &m, int n);

} // namespace drill
