#include "support/param_names.h"

#include "drill/drill_keys_logic.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"
#include "shared/operation.h"

#include <cmath>
#include <vector>

namespace test_names {

std::string word(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    std::vector<std::string> parts(1);
    auto sign = [&parts](const char *spelled) {
        if (!parts.back().empty())
            parts.emplace_back();
        parts.back() = spelled;
        parts.emplace_back();
    };
    for (QChar c : text) {
        const QString plain = QString(c).normalized(QString::NormalizationForm_D);
        const QChar base = plain.isEmpty() ? c : plain[0];
        if (base.unicode() < 0x80 && base.isLetterOrNumber()) {
            parts.back() += char(base.unicode());
            continue;
        }
        switch (c.unicode()) {
        case '+':
            sign("plus");
            break;
        case '-':
        case 0x2212: // minus sign
            sign("minus");
            break;
        case '*':
        case 0x2022: // bullet, the multiplication sign on screen
            sign("times");
            break;
        case '/':
            sign("div");
            break;
        case '=':
            sign("eq");
            break;
        case 0x00A4: // the sign of a mixed exercise
            sign("mixed");
            break;
        case '.':
            sign("point");
            break;
        default:
            if (!parts.back().empty())
                parts.emplace_back();
        }
    }
    std::string out;
    for (const std::string &p : parts)
        if (!p.empty())
            out += (out.empty() ? "" : "_") + p;
    return out;
}

std::string word(const QString &text) {
    return word(std::string_view(text.toUtf8().toStdString()));
}
std::string word(const char *utf8) {
    return word(std::string_view(utf8 ? utf8 : ""));
}

std::string word(long long n) {
    return n < 0 ? "minus" + std::to_string(-n) : std::to_string(n);
}
std::string word(int n) {
    return word(static_cast<long long>(n));
}
std::string word(long n) {
    return word(static_cast<long long>(n));
}
std::string word(double x) {
    const double whole = std::trunc(x);
    if (whole == x)
        return word(static_cast<long long>(whole));
    return word(QString::number(x).toStdString());
}

std::string word(Operation op) {
    static const char *const names[] = {"Addition", "Subtraktion", "Multiplikation", "Division",
                                        "Blandat"};
    const int i = index_of(op);
    return i >= 0 && i < int(std::size(names)) ? names[i] : "Operation" + word(i);
}

std::string word(ScreenState state) {
    switch (state) {
    case ScreenState::MainMenu:
        return "MainMenu";
    case ScreenState::DrillTypeMenu:
        return "DrillTypeMenu";
    case ScreenState::DrillSetUp:
        return "DrillSetUp";
    case ScreenState::TaskShown:
        return "TaskShown";
    case ScreenState::EndMenu:
        return "EndMenu";
    case ScreenState::FileList:
        return "FileList";
    case ScreenState::PanelBase:
        return "PanelBase";
    case ScreenState::PanelLowFirst:
        return "PanelLowFirst";
    case ScreenState::PanelLowSecond:
        return "PanelLowSecond";
    case ScreenState::PanelHighFirst:
        return "PanelHighFirst";
    case ScreenState::PanelHighSecond:
        return "PanelHighSecond";
    case ScreenState::PanelCount:
        return "PanelCount";
    }
    return "State" + word(int(state));
}

std::string word(drill::KeyAction action) {
    using drill::KeyAction;
    switch (action) {
    case KeyAction::None:
        return "None";
    case KeyAction::SpeakStatus:
        return "SpeakStatus";
    case KeyAction::Erase:
        return "Erase";
    case KeyAction::ChooseCurrent:
        return "ChooseCurrent";
    case KeyAction::OpenFile:
        return "OpenFile";
    case KeyAction::Commit:
        return "Commit";
    case KeyAction::PressBoardKey:
        return "PressBoardKey";
    case KeyAction::Leave:
        return "Leave";
    case KeyAction::BoardLeft:
        return "BoardLeft";
    case KeyAction::BoardRight:
        return "BoardRight";
    case KeyAction::BoardUp:
        return "BoardUp";
    case KeyAction::BoardDown:
        return "BoardDown";
    case KeyAction::BoardNext:
        return "BoardNext";
    case KeyAction::MenuUp:
        return "MenuUp";
    case KeyAction::MenuDown:
        return "MenuDown";
    case KeyAction::MenuNext:
        return "MenuNext";
    case KeyAction::FilePrevious:
        return "FilePrevious";
    case KeyAction::FileNext:
        return "FileNext";
    case KeyAction::Digit:
        return "Digit";
    case KeyAction::ToggleLock:
        return "ToggleLock";
    }
    return "Action" + word(int(action));
}

std::string key_word(int code) {
    namespace key = vb::key;
    if (code >= key::D0 && code <= key::D9)
        return "D" + std::to_string(code - key::D0);
    if (code >= key::Numpad0 && code <= key::Numpad9)
        return "Numpad" + std::to_string(code - key::Numpad0);
    if (code >= key::A && code <= key::Z)
        return std::string(1, char('A' + code - key::A));
    if (code >= key::F1 && code <= key::F12)
        return "F" + std::to_string(code - key::F1 + 1);
    switch (code) {
    case key::Back:
        return "Back";
    case key::Tab:
        return "Tab";
    case key::Return:
        return "Return";
    case key::Escape:
        return "Escape";
    case key::Space:
        return "Space";
    case key::PageUp:
        return "PageUp";
    case key::PageDown:
        return "PageDown";
    case key::End:
        return "End";
    case key::Home:
        return "Home";
    case key::Left:
        return "Left";
    case key::Up:
        return "Up";
    case key::Right:
        return "Right";
    case key::Down:
        return "Down";
    case key::Delete:
        return "Delete";
    case key::Multiply:
        return "NumpadMultiply";
    case key::Add:
        return "NumpadAdd";
    case key::Subtract:
        return "NumpadSubtract";
    case key::Decimal:
        return "NumpadDecimal";
    case key::Divide:
        return "NumpadDivide";
    case key::Oe:
        return "Oe";
    case key::Ae:
        return "Ae";
    case key::Aa:
        return "Aa";
    }
    return "Key" + std::to_string(code);
}

} // namespace test_names
