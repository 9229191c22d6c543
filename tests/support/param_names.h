#pragma once
// Readable names for the cases of parameterised tests, so that `make test` lists
// "Table/NumberReading.RangeDefaultAndRounding/03_Special_Beloning_23" in ASCII instead of
// a byte dump of the case. A name is the case's number (so that equal words stay apart and
// the table's order shows) and its telling fields as words.
#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

enum class Operation : int;
enum class ScreenState : int;
namespace drill {
enum class KeyAction;
}

namespace test_names {

// Letters and digits as they are (å, ä, ö as a, a, o), signs spelled out ("+" plus, "=" eq),
// anything else a break between words.
std::string word(std::string_view utf8);
std::string word(const QString &text);
std::string word(const char *utf8);
// Numbers: "minus3" for -3, "2point5" for 2.5.
std::string word(long long n);
std::string word(int n);
std::string word(long n);
std::string word(double x);
std::string word(Operation op);
std::string word(ScreenState state);
std::string word(drill::KeyAction action);
// A key code of the main window's key table: "Return", "D7", "Numpad0", "F9".
std::string key_word(int key_code);

inline std::string word(const std::string &text) {
    return word(std::string_view(text));
}

inline std::string name_of(std::size_t index) {
    std::string n = std::to_string(index);
    return n.size() < 2 ? "0" + n : n;
}
template <typename... Words> std::string name(std::size_t index, const Words &...words) {
    std::string n = name_of(index);
    ((n += [](const std::string &w) { return w.empty() ? w : "_" + w; }(word(words))), ...);
    return n;
}

} // namespace test_names
