#pragma once
// The three options of the screen-reader adaptation without their window: which shared
// setting and which "Txt" key each one is, and storing only the options that changed.

#include <QString>
#include <array>
#include <functional>

class ModSorvinel;

enum class ReaderOption : int { ShowField = 0, Blanks = 1, Clipboard = 2 };
constexpr int kReaderOptionCount = 3;

struct ReaderOptionKey {
    ReaderOption option;
    bool ModSorvinel::*flag;
    const char *key; // as this dialog writes it in "Txt"
};
const std::array<ReaderOptionKey, kReaderOptionCount> &reader_option_keys();

// What the three boxes show, in the order of ReaderOption.
using ReaderBoxes = std::array<bool, kReaderOptionCount>;
ReaderBoxes reader_boxes_from_settings();

// For each option in order whose box differs from its setting: the setting takes the box,
// a changed field option is shown or hidden at once through `show_field`, and its key is
// written "True" or "False". An unchanged option is neither set nor written.
void apply_reader_boxes(const ReaderBoxes &boxes, const std::function<void(bool)> &show_field);
