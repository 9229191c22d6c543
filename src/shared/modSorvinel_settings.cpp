// Loading every setting at start-up, with the one-time import of sorvinel.ini.
#include "platform/profile_file.h"
#include "platform/settings_store.h"
#include "platform/vb.h"
#include "shared/main_window_view.h"
#include "shared/modSorvinel.h"
#include "shared/settings_keys.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString kIniFileName = QStringLiteral("sorvinel.ini");
// Remembers which sorvinel.ini was imported, so an undeletable file is not imported again.
const QString kImportSection = QStringLiteral("Import");
const QString kImportKey = QStringLiteral("sorvinel.ini");
constexpr int kIniBuffer = 255;

QString env_folder(const char *variable, const QString &fallback) {
    const QString v = qEnvironmentVariable(variable);
    return v.isEmpty() ? QDir::homePath() + fallback : v;
}

QString fingerprint(const QFileInfo &info) {
    return QString::number(info.size()) + ':' +
           QString::number(info.lastModified().toMSecsSinceEpoch());
}

} // namespace

QString ModSorvinel::get_setting(const QString &section, const QString &key,
                                 const QString &def) const {
    return store ? store->GetSetting(section, key, def) : def;
}

bool ModSorvinel::save_setting(const QString &section, const QString &key, const QString &value) {
    return store && store->SaveSetting(section, key, value);
}

bool ModSorvinel::write_settings(const std::function<void()> &change) {
    if (!store) {
        change();
        return true;
    }
    store->hold_saves();
    change();
    return store->release_saves();
}

QString ModSorvinel::program_folder() {
    const QString folder = env_folder("XDG_DATA_HOME", "/.local/share") + "/PLOXA Sorvinel";
    QDir().mkpath(folder);
    return folder;
}

QString ModSorvinel::windows_directory() {
    return env_folder("XDG_CONFIG_HOME", "/.config");
}

void ModSorvinel::reset_exercise_folder() {
    exercise_folder = program_folder();
    exercise_folder_stand_in = false;
    save_setting("Filkatalog", "Path", exercise_folder);
}

void ModSorvinel::load_settings() {
    MainWindowView *w = main_window;
    const QString iniPath = windows_directory() + '/' + kIniFileName;
    const QFileInfo iniInfo(iniPath);
    bool importing =
        iniInfo.isFile() && get_setting(kImportSection, kImportKey, {}) != fingerprint(iniInfo);
    const ProfileFile ini(importing ? iniPath : QString());
    // An unreadable file would import every default over the store.
    importing = importing && ini.exists();
    const QString iniFingerprint = importing ? fingerprint(iniInfo) : QString();
    // The import writes the store once, at the end, and deletes sorvinel.ini only when the
    // store holds what came from it.
    if (importing && store)
        store->hold_saves();

    for (const SettingKey &k : setting_keys()) {
        const QString section = section_of(k), key = key_of(k);
        const bool fromIni = importing && k.ini_default.has_value();
        bool b = false;
        int n = 0;
        QString text;
        long record = 0;

        switch (k.kind) {
        case KeyKind::BoolDefaultTrue:
        case KeyKind::BoolDefaultFalse:
            b = fromIni ? read_ini_bool(k, ini.GetPrivateProfileInt(section, key, *k.ini_default))
                        : read_bool(k, get_setting(section, key, written_bool(k.store_default)));
            if (fromIni)
                save_setting(section, key, written_bool(b));
            break;
        case KeyKind::Number:
            n = fromIni
                    ? read_ini_number(k, ini.GetPrivateProfileInt(section, key, *k.ini_default))
                    : read_number(k, get_setting(section, key, written_number(k.store_default)));
            if (fromIni)
                save_setting(section, key, written_number(n));
            break;
        case KeyKind::Record:
            record =
                read_record(fromIni ? ini.GetPrivateProfileString(section, key, "0", kIniBuffer)
                                    : get_setting(section, key, "0"));
            if (fromIni)
                save_setting(section, key, written_number(record));
            break;
        case KeyKind::Text: {
            QString def;
            if (k.id == SettingId::Font && w)
                def = w->design_number_font();
            if (k.id == SettingId::ExerciseFolder && fromIni)
                def = program_folder();
            text = fromIni ? ini.GetPrivateProfileString(section, key, def, kIniBuffer)
                           : get_setting(section, key, def);
            break;
        }
        }

        if (const SettingField *field = setting_field(k.id)) {
            if (field->flag)
                this->*field->flag = field->inverted ? !b : b;
            else if (field->number)
                this->*field->number = n;
        }

        // What loading a setting sets off besides its field.
        switch (k.id) {
        case SettingId::ColourStyle:
            apply_colour_style(colour_style);
            break;
        case SettingId::Font:
            if (w) {
                const NumberFont fitted = w->fit_number_font(text, font_fit_width, font_fit_height);
                if (fitted.resized)
                    label_font_size = int(vb::round_even(fitted.points));
                text = fitted.family;
            }
            font_name = text;
            if (fromIni)
                save_setting(section, key, text);
            break;
        case SettingId::ReaderText:
            if (w)
                w->set_reader_field_visible(screen_reader_text_on);
            break;
        case SettingId::Record0:
        case SettingId::Record1:
        case SettingId::Record2:
        case SettingId::Record3:
        case SettingId::Record4:
            record_times[std::size_t(int(k.id) - int(SettingId::Record0))] = record;
            if (k.id == SettingId::Record4)
                number_line_built = false;
            break;
        case SettingId::LineMarking:
            if (number_line_on)
                layout_number_line(number_line_length, number_line_marking);
            break;
        case SettingId::ControlMode: {
            constexpr int kClickable = 1, kOneKey = 3;
            number_board_shown = n != 0;
            board_clickable = n == kClickable;
            set_one_key_scanning(n == kOneKey);
            number_board_built = false;
            build_number_board(number_board_shown, number_board_built, board_rows);
            break;
        }
        case SettingId::Interval:
            set_one_key_scanning(one_key_scanning);
            break;
        case SettingId::MousePointer:
            apply_mouse_pointer();
            break;
        case SettingId::ExerciseFolder:
            exercise_folder = text;
            if (fromIni)
                save_setting(section, key, exercise_folder);
            if (exercise_folder.isEmpty())
                reset_exercise_folder();
            // A stick not plugged in or a share not yet mounted may be back next time: the
            // run uses the program's folder and the teacher's choice stays stored.
            if (w ? !w->set_exercise_folder(exercise_folder)
                  : !QFileInfo(exercise_folder).isDir()) {
                exercise_folder = program_folder();
                exercise_folder_stand_in = true;
            }
            if (importing)
                save_setting(kImportSection, kImportKey, iniFingerprint);
            break;
        default:
            break;
        }
    }
    if (importing && store && store->release_saves())
        QFile::remove(iniPath);
}
