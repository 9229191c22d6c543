#pragma once
// The settings lock without its window: the word that is due in each lock state, the rule
// for a full user name, the verdict of one try, and storing a toggled state. The check
// counts wrong pass words for as long as it lives, which is the whole run: the lock dialog
// is made once and only hidden.

#include <QDateTime>
#include <QString>
#include <optional>

namespace settings_lock {

// Values of `settings_lock_state`; view-only exists only while the settings dialog is open.
enum State : int { Open = 0, Locked = 1, ViewOnly = 2 };

// Wrong pass words tolerated in a run; the next one shuts the lock away.
constexpr int kWrongPasswordsAllowed = 3;

// The pass word due in `state` ("Vyk" to lock, "Vyk opp" to unlock); none in other states.
std::optional<QString> password_for(int state);
// The lock dialog's caption in `state`; none in other states.
std::optional<QString> lock_caption(int state);
// At least five characters, at least two before the first blank, and that blank not last.
bool is_full_name(const QString &name);
int toggled(int state);

enum class Verdict {
    TryAgain,     // wrong pass word, more tries left
    TooManyWrong, // wrong pass word beyond the allowed ones
    NameNotFull,  // right pass word, the name lacks a surname
    Toggle,       // right pass word and a full name
};

class LoginCheck {
public:
    // The pass word is judged first, exactly as typed; only a right one looks at the name.
    Verdict check(int state, const QString &password, const QString &name);
    int wrong_password_count() const { return wrong_password_count_; }

private:
    int wrong_password_count_ = 0;
};

// "Tid": the date in the system's short form, a blank, the time in its standard form.
QString lock_time_text(const QDateTime &when);

// Stores the new state as "Visa"/"Inst", then the name and the time, in one save. False
// when they could not reach the settings file (which is then as it was).
bool store_lock(int new_state, const QString &name, const QString &time_text);

} // namespace settings_lock
