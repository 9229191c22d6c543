#pragma once
// Helpers of the settings dialog tests: a started main window, a store to compare before
// and after, and a dialog opened the way the menu opens it.
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "platform/system.h"
#include "settings/frmOptions2.h"
#include "shared/modSorvinel.h"
#include "shared/settings_keys.h"
#include "support/main_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTabBar>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace options_test {

const QString kMissing = QStringLiteral("<missing>");

// Every key of the store as "Section/Key" -> text (kMissing when absent).
inline QMap<QString, QString> snapshot(const SettingsStore &store) {
    QMap<QString, QString> all;
    for (const SettingKey &k : setting_keys())
        all[section_of(k) + '/' + key_of(k)] = store.GetSetting(section_of(k), key_of(k), kMissing);
    return all;
}

// The keys whose text differs, with their new text.
inline QMap<QString, QString> written(const QMap<QString, QString> &before,
                                      const QMap<QString, QString> &after) {
    QMap<QString, QString> diff;
    for (auto it = after.begin(); it != after.end(); ++it)
        if (before.value(it.key()) != it.value())
            diff[it.key()] = it.value();
    return diff;
}

// Overwrites every key, so that afterwards any write shows, even one of the old text.
// Only for tests that no longer read the store.
inline void mark_unwritten(SettingsStore &store) {
    for (const SettingKey &k : setting_keys())
        store.SaveSetting(section_of(k), key_of(k), QStringLiteral("<unwritten>"));
}

// A store where every key the dialog shows holds something other than its default.
inline void seed_non_default(SettingsStore &s, const QString &folder) {
    const QList<std::pair<QString, QString>> keys = {
        {"Utseende/Stil", "1"},
        {"Teckensnitt/Font", "DejaVu Serif"},
        {"Ljud/Pip", "False"},
        {"Ljud/Övning", "True"},
        {"Ljud/Meny", "True"},
        {"Special/Kontrollera", "False"},
        {"Special/Rekord0", "75"},
        {"Special/Tallinje", "True"},
        {"Special/Klocka", "True"},
        {"Special/Esc", "False"},
        {"Special/Varna", "True"},
        {"Special/Steg", "15"},
        {"Special/Markering", "2"},
        {"Special/Belöning", "30"},
        {"Special/Uppgifter", "20"},
        {"Special/Felvisning", "1"},
        {"Special/Beltyp", "1"},
        {"Styrning/Tangentrepetition", "True"},
        {"Styrning/Enteravbrott", "True"},
        {"Styrning/Tavlerader", "1"},
        {"Styrning/Alternativ", "3"},
        {"Styrning/Intervall", "3"},
        {"Styrning/Muspekare", "False"},
        {"Filkatalog/Slump", "False"},
        {"Filkatalog/Path", folder},
    };
    for (const auto &[address, value] : keys)
        s.SaveSetting(address.section('/', 0, 0), address.section('/', 1), value);
}

// A main window started from a prepared store, message boxes scripted.
class OptionsTest : public ::testing::Test {
protected:
    explicit OptionsTest(QStringList voices = {QStringLiteral("Svenska")}) : f(std::move(voices)) {}

    void SetUp() override { platform::script_msg_box({}); }
    void TearDown() override {
        dialog.reset();
        platform::stop_msg_box_script();
    }

    SettingsStore &store() { return f.home.store(); }
    // An exercise folder of this test; with a trailing "/" unless `bare`.
    QString folder(bool bare = false) {
        const QString path = f.home.path("Övningar");
        QDir().mkpath(path);
        return bare ? path : path + '/';
    }
    // A folder that already shows as stored, unless the test stored another.
    void load() {
        if (store().GetSetting("Filkatalog", "Path", kMissing) == kMissing)
            store().SaveSetting("Filkatalog", "Path", folder());
        f.load();
    }
    void load_non_default() {
        seed_non_default(store(), folder());
        f.load();
    }
    // Opens the dialog as the menu does, without waiting on it.
    frmOptions2 &open() {
        dialog = std::make_unique<frmOptions2>(f.window.get());
        if (modSorvinel.speech_available)
            dialog->speech_control = &f.speech;
        dialog->show();
        return *dialog;
    }
    void select_tab(int page) { dialog->tbsOptions->setCurrentIndex(page - 1); }
    // Runs `inspect` on the settings dialog once a menu command has shown it, then closes it.
    void when_options_shown(std::function<void(frmOptions2 &)> inspect) {
        f.modal.start([inspect](QWidget *modal) {
            auto *d = qobject_cast<frmOptions2 *>(modal);
            if (!d)
                return false;
            inspect(*d);
            d->reject();
            return true;
        });
    }
    QStringList prompts() const {
        QStringList texts;
        for (const platform::MsgBoxCall &c : platform::msg_box_calls())
            texts << c.prompt;
        return texts;
    }

public:
    MainWindowFixture f;
    std::unique_ptr<frmOptions2> dialog;
};

} // namespace options_test
