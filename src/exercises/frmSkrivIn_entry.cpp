// Typing tasks on the keypad or the keyboard, placing, moving and removing them.
#include "exercises/frmAngeR.h"
#include "exercises/frmSkrivIn.h"
#include "platform/message_box.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

namespace entry = exercises::entry;

namespace {
constexpr int kLastDigitKey = 9;
const QString kSigns = QStringLiteral("+-*/");
const QString kEquals = QStringLiteral("=");
constexpr int kMoveDown = 1; // comFlytta(1)
} // namespace

void frmSkrivIn::connect_entry_commands() {
    for (int i = 0; i < int(comTill.size()); ++i)
        install_command(comTill[std::size_t(i)], [this, i] { comTill_Click(i); });
    for (int i = 0; i < int(comFlytta.size()); ++i)
        install_command(comFlytta[std::size_t(i)], [this, i] { comFlytta_Click(i); });
    install_command(comTaBort, [this] { comTaBort_Click(); });
    qApp->installEventFilter(this);
}

void frmSkrivIn::connect_keypad_commands() {
    for (int i = 0; i < kKeyCount; ++i)
        install_command(comSiffra[std::size_t(i)], [this, i] { comSiffra_Click(i); });
}

void frmSkrivIn::focus_place_last() {
    if (comTill[0]->isEnabled() && comTill[0]->isVisible())
        comTill[0]->setFocus();
}

void frmSkrivIn::set_entry(const QString &entry) {
    if (labText->Caption() == entry)
        return;
    labText->setCaption(entry);
    labText_Change();
}

int frmSkrivIn::typed_operand_length() const {
    return entry::typed_operand_length(labText->Caption());
}

void frmSkrivIn::comSiffra_Click(int index) {
    const QString text = labText->Caption();
    if (index >= 0 && index <= kLastDigitKey)
        set_entry(entry::press_digit(text, index));
    else if (index == kCorrectionKey)
        set_entry(entry::press_correction(text));
    else if (index == kOperatorKey)
        press_operator_key(doc_.exercise_type());
    focus_place_last();
}

void frmSkrivIn::press_operator_key(const QString &sign) {
    if (!comSiffra[kOperatorKey]->isEnabled())
        return;
    QString chosen = sign;
    if (sign == exercises::kTypeMixed) {
        frmAngeR chooser(comSiffra[kOperatorKey]);
        chooser.exec();
        // Closed without a choice: the entry stays as it was.
        if (chooser.chosen_operator.outcome != exercises::OperatorChoiceOutcome::Chosen)
            return;
        chosen = chooser.chosen_operator.sign;
    }
    set_entry(entry::press_operator(labText->Caption(), chosen));
}

void frmSkrivIn::labText_Change() {
    if (!labSkrivIn->Caption().isEmpty())
        labSkrivIn->setCaption(QString());
    if (!keypad_ready)
        return;
    const entry::KeypadState state = entry::keypad_state(labText->Caption(), doc_.exercise_type());
    for (int d = 0; d <= kLastDigitKey; ++d)
        set_command_enabled(comSiffra[std::size_t(d)], state.digits);
    set_command_enabled(comSiffra[kCorrectionKey], state.correction);
    set_command_enabled(comSiffra[kOperatorKey], state.operator_key);
}

void frmSkrivIn::Form_KeyPress(int &key_ascii) {
    const QString type = doc_.exercise_type();
    const QString typed = QString(QChar(key_ascii));
    if (key_ascii == vb::key::Back) {
        comSiffra_Click(kCorrectionKey);
    } else if (key_ascii == vb::key::Return) {
        comTill_Click(int(entry::Placement::Last));
    } else if (key_ascii >= vb::key::D0 && key_ascii <= vb::key::D9) {
        comSiffra_Click(key_ascii - vb::key::D0);
    } else if (kSigns.contains(typed)) {
        // In a mixed exercise the typed sign is the operator: no chooser.
        if (typed == type || type == exercises::kTypeMixed)
            press_operator_key(typed);
    } else if (typed == kEquals) {
        comTill_Click(int(entry::Placement::First));
    } else {
        return; // not the entry's: the focused control has it
    }
    key_ascii = 0;
    focus_place_last();
}

bool frmSkrivIn::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || (widget != this && !isAncestorOf(widget)))
        return false;
    // The menu bar, once reached by Alt, keeps Enter and its letters.
    if (widget == menu_bar || menu_bar->isAncestorOf(widget))
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    // Menu mnemonics and shortcuts stay the menus'.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    int code = 0;
    if (key->key() == Qt::Key_Backspace)
        code = vb::key::Back;
    else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        code = vb::key::Return;
    else if (key->text().size() == 1 && key->text()[0].isPrint())
        code = key->text()[0].unicode();
    if (code == 0)
        return false;
    Form_KeyPress(code);
    return code == 0;
}

void frmSkrivIn::comTill_Click(int index) {
    const QString text = labText->Caption();
    const QString sign = entry::placing_sign(text, doc_.exercise_type());
    if (entry::is_ready_to_place(text, sign)) {
        set_entry(entry::completed(text));
        add_typed_task(entry::Placement(index), sign);
        // Also a refused task counts as a change, as the entry was used.
        doc_.mark_changed();
    }
    focus_place_last();
}

void frmSkrivIn::add_typed_task(entry::Placement placement, const QString &sign) {
    const entry::TaskCheck check = entry::check_typed_task(labText->Caption(), sign, doc_.tasks(),
                                                           modSorvinel.duplicates_allowed);
    switch (check.outcome) {
    case entry::CheckOutcome::ListFull:
        show_message({QStringLiteral("Det går inte att skriva in fler än ") +
                          QString::number(kMaxExerciseTasks) + QStringLiteral(" uppgifter."),
                      vb::vbOKOnly + vb::vbInformation, QStringLiteral("Skriv in")});
        return;
    case entry::CheckOutcome::Invalid:
    case entry::CheckOutcome::Duplicate:
        labSkrivIn->setCaption(check.message);
        return;
    case entry::CheckOutcome::Accepted:
        break;
    }
    const int at = entry::placement_index(placement, selected_task_index(), doc_.task_count());
    if (!doc_.insert_task(at, check.task))
        return;
    show_tasks();
    update_task_view(at);
    set_entry(entry::kCursorMark);
}

void frmSkrivIn::comFlytta_Click(int index) {
    const int moved = doc_.move_task(selected_task_index(), index == kMoveDown);
    show_tasks();
    update_task_view(moved);
    focus_place_last();
}

void frmSkrivIn::comTaBort_Click() {
    const int at = selected_task_index();
    doc_.remove_task(at);
    show_tasks();
    update_task_view(at);
    focus_place_last();
}
