#include "settings/reader_adaptation.h"
#include "shared/modSorvinel.h"
#include "shared/settings_keys.h"

namespace {
// The field's key is written in lower case; keys compare without regard to case, so the
// loader's "Visa" reads it.
const std::array<ReaderOptionKey, kReaderOptionCount> kOptions = {{
    {ReaderOption::ShowField, &ModSorvinel::screen_reader_text_on, "visa"},
    {ReaderOption::Blanks, &ModSorvinel::reader_text_blanks, "blank"},
    {ReaderOption::Clipboard, &ModSorvinel::reader_text_to_clipboard, "klipp"},
}};
} // namespace

const std::array<ReaderOptionKey, kReaderOptionCount> &reader_option_keys() {
    return kOptions;
}

ReaderBoxes reader_boxes_from_settings() {
    ReaderBoxes boxes{};
    for (const ReaderOptionKey &o : kOptions)
        boxes[std::size_t(o.option)] = modSorvinel.*o.flag;
    return boxes;
}

void apply_reader_boxes(const ReaderBoxes &boxes, const std::function<void(bool)> &show_field) {
    const QString section = section_of(setting_key(SettingId::ReaderText));
    for (const ReaderOptionKey &o : kOptions) {
        bool &flag = modSorvinel.*o.flag;
        const bool box = boxes[std::size_t(o.option)];
        if (box == flag)
            continue;
        flag = box;
        if (o.option == ReaderOption::ShowField && show_field)
            show_field(flag);
        modSorvinel.save_setting(section, QString::fromUtf8(o.key), written_bool(flag));
    }
}
