#pragma once
// The five operations a drill or an exercise has. Their numbers are stored (record keys,
// the latest wrong tasks' tag) and index the menus' control arrays, so they never change.

#include <array>
#include <optional>

enum class Operation : int {
    Addition = 0,
    Subtraktion = 1,
    Multiplikation = 2,
    Division = 3,
    Blandat = 4
};
inline constexpr std::array<Operation, 5> kOperations{Operation::Addition, Operation::Subtraktion,
                                                      Operation::Multiplikation,
                                                      Operation::Division, Operation::Blandat};
// The four single operations, without "Blandat".
inline constexpr std::array<Operation, 4> kSingleOperations{
    Operation::Addition, Operation::Subtraktion, Operation::Multiplikation, Operation::Division};
// The number an operation has in stored keys ("Rekord3", "Fel3") and in control arrays.
constexpr int index_of(Operation op) {
    return static_cast<int>(op);
}
// The operation stored as `index`; none when it is out of range.
constexpr std::optional<Operation> operation_at(int index) {
    if (index < index_of(Operation::Addition) || index > index_of(Operation::Blandat))
        return std::nullopt;
    return static_cast<Operation>(index);
}
