// Speech, the screen-reader field and its clipboard copy, and parking the mouse pointer.
#include "platform/speech.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/main_window_view.h"
#include "shared/modSorvinel.h"

namespace {
const QString kMainMenuWord = QStringLiteral("Huvudmeny");
const QString kOperators[] = {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"),
                              QStringLiteral("/")};
const QString kOperatorWords[] = {QStringLiteral(" plus "), QStringLiteral(" minus "),
                                  QStringLiteral(" gånger "), QStringLiteral(" delat med ")};
} // namespace

bool ModSorvinel::speech_on_for_screen() const {
    using S = ScreenState;
    switch (screen_state) {
    case S::MainMenu:
    case S::DrillTypeMenu:
    case S::FileList:
    case S::PanelBase:
    case S::PanelLowFirst:
    case S::PanelLowSecond:
    case S::PanelHighFirst:
    case S::PanelHighSecond:
    case S::PanelCount:
        return speak_menus && speech_available;
    case S::DrillSetUp:
    case S::TaskShown:
    case S::EndMenu:
        return speak_in_exercises && speech_available;
    }
    return false;
}

QString ModSorvinel::respell_for_speech(const QString &text) {
    QString t = text;
    if (t == QLatin1String("Till 10:an"))
        t = QStringLiteral("till tian");
    else if (t == kMainMenuWord)
        t = QStringLiteral("huvudme-ny");
    if (t.endsWith(kMainMenuWord))
        t = t.left(t.size() - 2) + QStringLiteral("-ny");
    return t;
}

void ModSorvinel::speak_text(const QString &text) {
    SpeechEngine *speech = main_window ? main_window->speech() : nullptr;
    if (!speech)
        return;
    speech->stop();
    speech->speak(respell_for_speech(text));
}

QString ModSorvinel::spaced_reader_text(const QString &text) {
    QString t = text;
    if (t.isEmpty() || (t[0] >= '0' && t[0] <= '9'))
        t.prepend(' ');
    for (const QString &op : kOperators) {
        if (!t.contains(op))
            continue;
        if (!t.contains(' ' + op + ' '))
            t.replace(t.indexOf(op), 1, ' ' + op + ' ');
        break;
    }
    if (t.contains('=') && !t.contains(QLatin1String(" = ")))
        t.replace(t.indexOf('='), 1, QStringLiteral(" = "));
    return t;
}

QString ModSorvinel::screen_reader_field_text(const QString &text) const {
    return reader_text_blanks ? spaced_reader_text(text) : text;
}

void ModSorvinel::show_screen_reader_text(const QString &text, bool) {
    if (!main_window)
        return;
    const QString t = screen_reader_field_text(text);
    // The whole text in one change: a screen reader drops most of a text that grows a
    // character at a time. The field tells the reader and copies even a repeated text.
    main_window->set_reader_text(t);
}

QString ModSorvinel::clipboard_text_for(const QString &fieldText) {
    QString t = fieldText;
    if (t.contains(QLatin1String("Till 10:an"))) {
        t = QStringLiteral("till tian");
    } else if (t.contains(kMainMenuWord)) {
        // Respell the word where it stands, so "Tid: ... .Huvudmeny" keeps the time.
        t.replace(kMainMenuWord, QStringLiteral("huvud meny"));
    } else if (t.contains('=') || t.contains(':')) {
        while (t.endsWith(' '))
            t.chop(1);
    }
    const bool typedDigit = !t.isEmpty() && t.back().isDigit();
    if (!t.contains('=')) {
        const int colon = int(t.indexOf(':'));
        if (colon >= 0 && colon != t.size() - 1 && typedDigit)
            t = t.right(1);
        return t;
    }
    if (t.indexOf('=') != t.size() - 1) {
        // A digit just typed after the task: that digit alone.
        if (typedDigit)
            t = t.right(1);
        return t;
    }
    t.chop(1);
    for (int i = 0; i < 4; ++i) {
        const int at = int(t.indexOf(kOperators[i]));
        if (at >= 0) {
            t.replace(at, 1, kOperatorWords[i]);
            break;
        }
    }
    return t;
}

void ModSorvinel::park_mouse_pointer() {
    const platform::ScreenMetrics m = platform::screen_metrics();
    if (!screen_reader_text_on || !main_window) {
        platform::set_cursor_pos(m.width_px, m.height_px);
        return;
    }
    // The centre of the screen-reader field.
    const QPoint centre = main_window->reader_field_centre();
    platform::set_cursor_pos(centre.x(), centre.y());
}
