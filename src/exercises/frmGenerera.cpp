#include "exercises/frmGenerera.h"

#include "exercises/busy_cursor.h"
#include "exercises/frmSkrivIn.h"
#include "exercises/list_dialog_support.h"
#include "platform/message_box.h"
#include "platform/system.h"
#include "platform/vb.h"

#include "shared/modSorvinel.h"
#include <QListWidget>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {
constexpr int kFirstHalf = 0; // left of the count box
constexpr int kSecondHalf = 1;
constexpr int kInterval = 2;
constexpr int kMixedNote = 3;
// Rows in units of the count box's height H.
constexpr int kFirstRowUnits = 1;
constexpr int kRowStepUnits = 2;
constexpr double kBoxesAboveNote = 1.5; // heights of labFyll(3)
constexpr double kBoxStep = 1.25;       // box widths from one box to the next
} // namespace

frmGenerera::frmGenerera(frmSkrivIn &editor)
    : QDialog(&editor, exercises::kListDialogFlags), editor_(editor) {
    exercises::set_up_list_dialog(this, QStringLiteral("Fyll ut med uppgifter"));
    labFyll[kFirstHalf] = new QLabel(QStringLiteral("Fyll ut så att det blir  "), this);
    labFyll[kSecondHalf] = new QLabel(QStringLiteral("uppgifter inom intervallet"), this);
    labFyll[kInterval] = new QLabel(this);
    labFyll[kMixedNote] = new QLabel(QStringLiteral("¤  =  de markerade ovan"), this);
    labFyll[kMixedNote]->hide();
    cbxFyll = new QComboBox(this);
    for (int i = 0; i < exercises::kOperatorCount; ++i) {
        chkOp[std::size_t(i)] = new QCheckBox(exercises::operator_sign(i), this);
        chkOp[std::size_t(i)]->hide();
    }
    chkSkrivIn = new QCheckBox(QStringLiteral("Tillåt dubbletter"), this);
    // Only tells the user: the new tasks are never compared, so they may repeat.
    chkSkrivIn->setChecked(true);
    chkSkrivIn->setEnabled(false);
    const exercises::DialogButtons buttons = exercises::make_dialog_buttons(
        this, [this] { comOK_Click(); }, [this] { comAvbryt_Click(); });
    comOK = buttons.ok;
    comAvbryt = buttons.cancel;
    new exercises::ChoiceBoxKeys(cbxFyll, [this](int &key) { cbxFyll_KeyPress(key); });
    Form_Load();
}

bool frmGenerera::is_mixed() const {
    return editor_.Tag.exercise_type == exercises::kTypeMixed;
}

void frmGenerera::Form_Load() {
    ta_fram();
    labFyll[kInterval]->setText(exercises::interval_text(interval, editor_.Tag.exercise_type));
    const exercises::FillOutChoices choices =
        exercises::fill_out_choices(editor_.document().task_count());
    cbxFyll->addItems(choices.items);
    cbxFyll->setCurrentIndex(choices.default_index);
    if (is_mixed()) {
        kolla();
        labFyll[kMixedNote]->show();
    }
    layout_controls();
    cbxFyll->setFocus();
}

void frmGenerera::ta_fram() {
    interval = exercises::task_interval(editor_.document().tasks());
}

void frmGenerera::kolla() {
    operator_used = exercises::operators_used(editor_.document().tasks());
    for (int i = 0; i < exercises::kOperatorCount; ++i) {
        chkOp[std::size_t(i)]->setChecked(operator_used[std::size_t(i)]);
        chkOp[std::size_t(i)]->show();
    }
}

void frmGenerera::layout_controls() {
    const int h = cbxFyll->sizeHint().height();
    // The sentence's labels take the count box's height; the note under it keeps its own,
    // which places the operator boxes above it.
    for (QLabel *l : labFyll)
        l->resize(l->sizeHint().width(), l == labFyll[kMixedNote] ? l->sizeHint().height() : h);
    cbxFyll->resize(cbxFyll->sizeHint());
    chkSkrivIn->resize(chkSkrivIn->sizeHint());
    // The rows below start where the centred first row does, so they need room to its right.
    const int pair = labFyll[kFirstHalf]->width() + cbxFyll->width();
    int widest = pair;
    for (const QWidget *c : std::initializer_list<const QWidget *>{
             labFyll[kSecondHalf], labFyll[kInterval], labFyll[kMixedNote], chkSkrivIn})
        widest = std::max(widest, c->width());
    const exercises::DialogButtons buttons{comOK, comAvbryt};
    const int content = std::max(2 * widest - pair, exercises::buttons_width(buttons));
    exercises::place_over_list(this, editor_.lstSkrivIn, content);
    const int w = width();
    const int left = (w - labFyll[kFirstHalf]->width() - cbxFyll->width()) / 2;
    labFyll[kFirstHalf]->move(left, kFirstRowUnits * h);
    cbxFyll->move(left + labFyll[kFirstHalf]->width(), kFirstRowUnits * h);
    for (int i = kSecondHalf; i <= kMixedNote; ++i)
        labFyll[std::size_t(i)]->move(left, labFyll[std::size_t(i - 1)]->y() + kRowStepUnits * h);
    const QLabel *note = labFyll[kMixedNote];
    const int box_w = chkOp[0]->sizeHint().width();
    for (int i = 0; i < exercises::kOperatorCount; ++i)
        chkOp[std::size_t(i)]->setGeometry(int(note->x() + i * kBoxStep * box_w),
                                           int(note->y() - kBoxesAboveNote * note->height()), box_w,
                                           chkOp[0]->sizeHint().height());
    chkSkrivIn->move(left, note->y() + kRowStepUnits * h);
    imaRekord = exercises::finish_list_dialog(this, buttons, chkSkrivIn->y() + kRowStepUnits * h);
}

void frmGenerera::comOK_Click() {
    exercises::FillOut filled;
    {
        const exercises::BusyCursor busy(this);
        platform::randomize();
        for (int i = 0; i < exercises::kOperatorCount; ++i)
            operator_used[std::size_t(i)] = chkOp[std::size_t(i)]->isChecked();
        // The items run n + 1 .. 1000 in order.
        const int target = editor_.document().task_count() + 1 + cbxFyll->currentIndex();
        filled = exercises::fill_out(editor_.document().tasks(), editor_.Tag.exercise_type,
                                     operator_used, target, platform::rnd);
    }
    if (filled.refusal) {
        platform::msg_box(filled.refusal->text, filled.refusal->style, filled.refusal->title, this);
        // A mixed exercise may tick other operators; otherwise nothing can be filled.
        if (!is_mixed())
            reject();
        return;
    }
    editor_.document().replace_tasks(filled.tasks);
    if (!editor_.chkSkrivIn->isChecked())
        editor_.chkSkrivIn->setChecked(true);
    modSorvinel.duplicates_allowed = true;
    editor_.Tag.outcome = exercises::ListDialogOutcome::Done;
    accept();
}

void frmGenerera::comAvbryt_Click() {
    reject();
}

void frmGenerera::cbxFyll_KeyPress(int &key_ascii) {
    if (key_ascii == vb::key::Return)
        comOK_Click();
    key_ascii = 0;
}
