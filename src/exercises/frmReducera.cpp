#include "exercises/frmReducera.h"

#include "exercises/frmSkrivIn.h"
#include "exercises/list_dialog_support.h"
#include "exercises/list_tools.h"
#include "platform/system.h"
#include "platform/vb.h"

#include <QListWidget>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {
constexpr int kCount = 0;  // labFyll(0): the number of tasks
constexpr int kReduce = 1; // labFyll(1): before the choice box
// Rows and buttons in units of the choice box's height H.
constexpr int kFirstRowUnits = 1;
constexpr int kChoiceRowUnits = 3;
constexpr int kButtonsBelowChoiceUnits = 2;
} // namespace

frmReducera::frmReducera(frmSkrivIn &editor)
    : QDialog(&editor, exercises::kListDialogFlags), editor_(editor) {
    exercises::set_up_list_dialog(this, QStringLiteral("Reducera antalet uppgifter"));
    labFyll[kCount] = new QLabel(QStringLiteral("Antal uppgifter: "), this);
    labFyll[kReduce] = new QLabel(QStringLiteral("Minska med "), this);
    cbxFyll = new QComboBox(this);
    const exercises::DialogButtons buttons = exercises::make_dialog_buttons(
        this, [this] { comOK_Click(); }, [this] { comAvbryt_Click(); });
    comOK = buttons.ok;
    comAvbryt = buttons.cancel;
    new exercises::ChoiceBoxKeys(cbxFyll, [this](int &key) { cbxFyll_KeyPress(key); });
    Form_Load();
}

void frmReducera::Form_Load() {
    const int n = editor_.document().task_count();
    labFyll[kCount]->setText(labFyll[kCount]->text() + QString::number(n));
    const exercises::ReduceChoices choices = exercises::reduce_choices(n);
    cbxFyll->addItems(choices.items);
    cbxFyll->setCurrentIndex(choices.default_index);
    layout_controls();
    cbxFyll->setFocus();
}

void frmReducera::layout_controls() {
    const int h = cbxFyll->sizeHint().height();
    for (QLabel *l : labFyll)
        l->resize(l->sizeHint().width(), h);
    cbxFyll->resize(cbxFyll->sizeHint());
    const exercises::DialogButtons buttons{comOK, comAvbryt};
    exercises::place_over_list(
        this, editor_.lstSkrivIn,
        std::max({labFyll[kReduce]->width() + cbxFyll->width(), labFyll[kCount]->width(),
                  exercises::buttons_width(buttons)}));
    const int w = width();
    const int pair_left = (w - labFyll[kReduce]->width() - cbxFyll->width()) / 2;
    labFyll[kCount]->move(pair_left, kFirstRowUnits * h);
    labFyll[kReduce]->move(pair_left, kChoiceRowUnits * h);
    cbxFyll->move(pair_left + labFyll[kReduce]->width(), kChoiceRowUnits * h);
    imaRekord =
        exercises::finish_list_dialog(this, buttons, cbxFyll->y() + kButtonsBelowChoiceUnits * h);
}

void frmReducera::comOK_Click() {
    // The items run 1 till n - 1 .. n - 1 till 1: the index says how many go.
    const int remove = cbxFyll->currentIndex() + 1;
    platform::randomize();
    exercises::ExerciseDocument &doc = editor_.document();
    doc.replace_tasks(exercises::reduce_at_random(doc.tasks(), remove, platform::rnd));
    editor_.Tag.outcome = exercises::ListDialogOutcome::Done;
    accept();
}

void frmReducera::comAvbryt_Click() {
    reject();
}

void frmReducera::cbxFyll_KeyPress(int &key_ascii) {
    if (key_ascii == vb::key::Return)
        comOK_Click();
    key_ascii = 0;
}
