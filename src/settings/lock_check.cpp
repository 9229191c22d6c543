#include "settings/lock_check.h"
#include "shared/modSorvinel.h"
#include "shared/settings_keys.h"

#include <QLocale>

namespace settings_lock {
namespace {
const QString kLockWord = QStringLiteral("Vyk");
const QString kUnlockPhrase = QStringLiteral("Vyk opp");
const QString kCaptionTail = QStringLiteral(" inställning");
// A record of who set the lock and when; nothing reads them back.
const QString kNameKey = QStringLiteral("Namn");
const QString kTimeKey = QStringLiteral("Tid");
constexpr int kShortestFullName = 5;
constexpr int kShortestFirstName = 2;
} // namespace

std::optional<QString> password_for(int state) {
    switch (state) {
    case Open:
        return kLockWord;
    case Locked:
        return kUnlockPhrase;
    default:
        return std::nullopt;
    }
}

std::optional<QString> lock_caption(int state) {
    const std::optional<QString> word = password_for(state);
    if (!word)
        return std::nullopt;
    return *word + kCaptionTail;
}

bool is_full_name(const QString &name) {
    const qsizetype blank = name.indexOf(QLatin1Char(' '));
    return name.size() >= kShortestFullName && blank >= kShortestFirstName &&
           blank < name.size() - 1;
}

int toggled(int state) {
    return state == Open ? Locked : Open;
}

Verdict LoginCheck::check(int state, const QString &password, const QString &name) {
    const std::optional<QString> due = password_for(state);
    if (!due || password != *due) {
        ++wrong_password_count_;
        return wrong_password_count_ > kWrongPasswordsAllowed ? Verdict::TooManyWrong
                                                              : Verdict::TryAgain;
    }
    return is_full_name(name) ? Verdict::Toggle : Verdict::NameNotFull;
}

QString lock_time_text(const QDateTime &when) {
    const QLocale locale = QLocale::system();
    // The long time form names the time zone in some locales: the clock alone is wanted.
    QString time_format = locale.timeFormat(QLocale::LongFormat);
    time_format.remove(QLatin1Char('t'));
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(when.time(), time_format.trimmed());
}

bool store_lock(int new_state, const QString &name, const QString &time_text) {
    const SettingKey &inst = setting_key(SettingId::LockState);
    const QString section = section_of(inst);
    return modSorvinel.write_settings([&] {
        modSorvinel.save_setting(section, key_of(inst), written_number(new_state));
        modSorvinel.save_setting(section, kNameKey, name);
        modSorvinel.save_setting(section, kTimeKey, time_text);
    });
}

} // namespace settings_lock
