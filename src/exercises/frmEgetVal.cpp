#include "exercises/frmEgetVal.h"

#include "platform/message_box.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

using namespace own_selection;

namespace {

constexpr double kFontPt = 10;
const QString kFontFamily = QStringLiteral("Arial");
const QString kEditCaption = QStringLiteral("OK");

// Twips, as the window is designed.
constexpr double kClientWidth = 7125;
constexpr double kFieldHeight = 375;      // typing labels and field buttons
constexpr double kFieldButtonWidth = 600; // a field button beside its typing label
constexpr double kEditShrink = 50;        // the "OK" button is this much narrower ...
constexpr double kEditGap = 25;           // ... and stands this far right of the label
constexpr double kSignWidth = 300;
constexpr double kColumnGap = 120;
constexpr double kButtonWidth = 1095;
constexpr double kButtonHeight = 375;

// Layout proportions in units of a heading, a field or a button.
constexpr double kHeadingTopLines = 1;
constexpr double kRowBelowHeadingLines = 2;
constexpr double kHeadingBelowRowLines = 1;
constexpr double kCountRowBelowRowFields = 2;
constexpr double kButtonsBelowCountFields = 3;
constexpr double kKlartFromRightWidths = 3;
constexpr double kAvbrytFromRightWidths = 1.5;
constexpr double kBottomBelowButtons = 2.5;

// Sizing samples: the widest text each label must hold.
const QString kTypingSample = QStringLiteral("1000_");
const QString kResultSample = QStringLiteral("9999");
const QString kPossibleSample = QStringLiteral("1000000");

// Marker look: a filled square when on, a faint outline when off.
constexpr unsigned kMarkerOnFill = vb::rgb(255, 160, 0);
constexpr unsigned kMarkerOnBorder = vb::rgb(160, 80, 0);
constexpr unsigned kMarkerOffBorder = vb::rgb(180, 200, 220);

constexpr int kLabelLeft = 0;
constexpr int kLabelRight = 1;
constexpr int kLabelCentre = 2;

// labOperator: 0, 1 the signs of the two rows; 2, 3 their equals signs.
constexpr int kSignCount = 4;
constexpr int kEqualsFirst = 2;
// labTal: 0, 1 the results of the two rows; 2 the number of possible tasks.
constexpr int kLowResultLabel = 0;
constexpr int kHighResultLabel = 1;
constexpr int kPossibleLabel = 2;
// labRubrik: 0, 1 the row headings; 2, 3 the texts of the count row.
constexpr int kHeadingLow = 0;
constexpr int kHeadingHigh = 1;
constexpr int kCountText = 2;
constexpr int kOfText = 3;

struct Headings {
    const char *low;
    const char *high;
    const char *sign;
};
// By operation index, Addition .. Division.
const Headings kHeadings[] = {
    {" (lägsta termer)          ", " (högsta termer)          ", "+"},
    {" (lägsta termer)          ", " (högsta termer)          ", "-"},
    {" (lägsta faktorer)        ", " (högsta faktorer)        ", "•"},
    {" (lägsta nämnare och kvot)", " (högsta nämnare och kvot)", "/"},
};
const QString kDefaultSign = QStringLiteral("+");
const QString kFrom = QStringLiteral("Från");
const QString kTo = QStringLiteral("till");

void place(QWidget *w, double left, double top, double width, double height) {
    w->setGeometry(vb::twips_to_px_x(left), vb::twips_to_px_y(top),
                   std::max(0, vb::twips_to_px_x(width)), std::max(0, vb::twips_to_px_y(height)));
}

// A label sized once to its sample text, then fixed.
void size_to_sample(VbLabel *l, const QString &sample) {
    l->setAutoSize(true);
    l->setCaption(sample);
    l->setAutoSize(false);
}

bool is_typing_key(int code) {
    return code == vb::key::Back || (code >= vb::key::D0 && code <= vb::key::D9);
}

} // namespace

frmEgetVal::frmEgetVal(Operation operation, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      operation(operation), labText(this), labOperator(this), labTal(this), labRubrik(this),
      shaOK(this) {
    setModal(true);
    QFont f(kFontFamily);
    f.setPointSizeF(kFontPt);
    setFont(f);
    create_controls();
    Form_Load();
    // Key preview: the form sees the typing keys whichever of its buttons has the focus.
    qApp->installEventFilter(this);
}

frmEgetVal::~frmEgetVal() {
    qApp->removeEventFilter(this);
}

void frmEgetVal::create_controls() {
    imaRekord = new QLabel(this);
    imaRekord->setScaledContents(true);

    for (int i = 1; i < field::Total; ++i)
        labText.load(i);
    for (int i = 0; i < kSignCount; ++i)
        labOperator.load(i);
    for (int i = 0; i <= kPossibleLabel; ++i)
        labTal.load(i);
    for (int i = 0; i <= kOfText; ++i)
        labRubrik.load(i);

    for (int i = 0; i < field::Total; ++i) {
        VbLabel *t = labText[i];
        t->setBackStyle(1);
        t->setTextAlignment(kLabelLeft);
        size_to_sample(t, kTypingSample);
        t->setHeight(kFieldHeight);
        t->show();

        comOK[i] = new QPushButton(kEditCaption, this);
        comOK[i]->setToolTip(QStringLiteral("Klicka för att ändra!"));
        connect(comOK[i], &QPushButton::clicked, this, [this, i] { comOK_Click(i); });
    }
    for (int i = 0; i < kSignCount; ++i) {
        labOperator[i]->setTextAlignment(kLabelCentre);
        labOperator[i]->setCaption(i < kEqualsFirst ? kDefaultSign : QStringLiteral("="));
        labOperator[i]->show();
    }
    for (int i = 0; i <= kPossibleLabel; ++i) {
        size_to_sample(labTal[i], i == kPossibleLabel ? kPossibleSample : kResultSample);
        labTal[i]->show();
    }
    const QString rubrik[] = {kFrom, kTo, QStringLiteral("Antal uppgifter: "),
                              QStringLiteral(" av ")};
    for (int i = 0; i <= kOfText; ++i) {
        labRubrik[i]->setAutoSize(true);
        labRubrik[i]->setCaption(rubrik[i]);
        labRubrik[i]->show();
    }

    comKlart = new QPushButton(QStringLiteral("&Klart"), this);
    connect(comKlart, &QPushButton::clicked, this, [this] { comKlart_Click(); });
    comAvbryt = new QPushButton(QStringLiteral("&Avbryt"), this);
    connect(comAvbryt, &QPushButton::clicked, this, [this] { comAvbryt_Click(); });

    shaOK[0]->setBorderWidth(1);
    set_marker(0, false);
}

void frmEgetVal::Form_Load() {
    edit_field = -1;
    set_headings();

    field_values = initial_field_values(operation, modSorvinel.possible_task_count);
    shown_possible = field_values[field::Count];
    show_rows();
    labTal[kPossibleLabel]->setCaption(QString::number(shown_possible));
    for (int i = 0; i < field::Total; ++i) {
        labText[i]->setCaption(QString::number(field_values[i]) + kTypingCursor);
        comOK[i]->setText(QString::number(field_values[i]));
    }
    setWindowTitle(kDialogTitle + QStringLiteral(" - ") + ModSorvinel::operation_name(operation));

    layout_controls();
    create_markers();
    update_klart();

    show_background(imaRekord, size());
}

void frmEgetVal::set_headings() {
    // A mixed operation has no headings of its own.
    const Headings *h = operation != Operation::Blandat ? &kHeadings[index_of(operation)] : nullptr;
    const QString sign = h ? QString::fromUtf8(h->sign) : kDefaultSign;
    labRubrik[kHeadingLow]->setCaption(kFrom + (h ? QString::fromUtf8(h->low) : QString()));
    labRubrik[kHeadingHigh]->setCaption(kTo + (h ? QString::fromUtf8(h->high) : QString()));
    labOperator[0]->setCaption(sign);
    labOperator[1]->setCaption(sign);
}

// Rows of five columns: first operand, sign, second operand, "=", result. A division row
// reads dividend / denominator = quotient, so the result and the quotient change places.
void frmEgetVal::layout_controls() {
    const bool division = operation == Operation::Division;
    const double field_width = labText[0]->Width() + kFieldButtonWidth;
    const double column = std::max(field_width, labTal[kLowResultLabel]->Width());
    const double row_width = 2 * column + 2 * kSignWidth + field_width + 4 * kColumnGap;
    // On a whole pixel, so that neighbours placed edge to edge never overlap by rounding.
    const double first_col = vb::px_to_twips_x(vb::twips_to_px_x((kClientWidth - row_width) / 2));
    const double sign_col = first_col + column + kColumnGap;
    const double second_col = sign_col + kSignWidth + kColumnGap;
    const double equals_col = second_col + field_width + kColumnGap;
    const double last_col = equals_col + kSignWidth + kColumnGap;

    const double line = labRubrik[kHeadingLow]->Height();
    auto centre_heading = [](VbLabel *h, double top) {
        h->move_to((kClientWidth - h->Width()) / 2, top);
    };
    auto layout_row = [&](int row, double top) {
        const int first = row == 0 ? field::LowFirst : field::HighFirst;
        const int second = row == 0 ? field::LowSecond : field::HighSecond;
        VbLabel *result = labTal[row == 0 ? kLowResultLabel : kHighResultLabel];
        result->setHeight(kFieldHeight);
        result->setWidth(column);
        result->setTextAlignment(division ? kLabelRight : kLabelLeft);
        if (division) {
            result->move_to(first_col, top);
            labText[first]->move_to(last_col, top);
        } else {
            labText[first]->move_to(first_col + column - field_width, top);
            result->move_to(last_col, top);
        }
        labText[second]->move_to(second_col, top);
        for (VbLabel *sign : {labOperator[row], labOperator[kEqualsFirst + row]}) {
            sign->setWidth(kSignWidth);
            sign->setHeight(kFieldHeight);
        }
        labOperator[row]->move_to(sign_col, top);
        labOperator[kEqualsFirst + row]->move_to(equals_col, top);
    };

    centre_heading(labRubrik[kHeadingLow], kHeadingTopLines * line);
    const double row1 = labRubrik[kHeadingLow]->Top() + kRowBelowHeadingLines * line;
    layout_row(0, row1);
    centre_heading(labRubrik[kHeadingHigh], row1 + kFieldHeight + kHeadingBelowRowLines * line);
    const double row2 = labRubrik[kHeadingHigh]->Top() + kRowBelowHeadingLines * line;
    layout_row(1, row2);

    const double count_row = row2 + kCountRowBelowRowFields * kFieldHeight;
    labText[field::Count]->move_to(second_col, count_row);
    for (int i : {kCountText, kOfText}) {
        labRubrik[i]->setAutoSize(false);
        labRubrik[i]->setHeight(kFieldHeight);
    }
    labRubrik[kCountText]->move_to(second_col - labRubrik[kCountText]->Width(), count_row);
    labRubrik[kOfText]->move_to(second_col + field_width, count_row);
    labTal[kPossibleLabel]->setHeight(kFieldHeight);
    labTal[kPossibleLabel]->move_to(labRubrik[kOfText]->Left() + labRubrik[kOfText]->Width(),
                                    count_row);

    for (int i = 0; i < field::Total; ++i)
        place_field_button(i, false);

    const double buttons_top =
        count_row + kButtonsBelowCountFields * labText[field::Count]->Height();
    place(comKlart, kClientWidth - kKlartFromRightWidths * kButtonWidth, buttons_top, kButtonWidth,
          kButtonHeight);
    place(comAvbryt, kClientWidth - kAvbrytFromRightWidths * kButtonWidth, buttons_top,
          kButtonWidth, kButtonHeight);

    const QSize size(vb::twips_to_px_x(kClientWidth),
                     vb::twips_to_px_y(buttons_top + kBottomBelowButtons * kButtonHeight));
    setFixedSize(size);
    const platform::ScreenMetrics screen = platform::screen_metrics();
    move((screen.width_px - size.width()) / 2, (screen.height_px - size.height()) / 2);
}

// A field button covers its typing label; in edit mode it shrinks to a short "OK" button
// beside the label.
void frmEgetVal::place_field_button(int index, bool editing) {
    const VbLabel *t = labText[index];
    const double idle_width = kFieldButtonWidth + t->Width();
    if (editing)
        place(comOK[index], t->Left() + t->Width() + kEditGap, t->Top(),
              idle_width - (t->Width() + kEditShrink), t->Height());
    else
        place(comOK[index], t->Left(), t->Top(), idle_width, t->Height());
    comOK[index]->raise();
}

void frmEgetVal::create_markers() {
    const double side = labText[0]->Height() / 2;
    for (int i = 0; i < field::Total; ++i) {
        VbShape *m = shaOK.load(i);
        const VbLabel *t = labText[i];
        const double button_width = kFieldButtonWidth + t->Width();
        m->setWidth(side);
        m->setHeight(side);
        m->setLeft(t->Left() + (button_width - side) / 2);
        m->setTop(t->Top() - side);
        set_marker(i, false);
        m->show();
    }
}

void frmEgetVal::set_marker(int index, bool on) {
    marker_state_[std::size_t(index)] = on;
    VbShape *m = shaOK[index];
    m->setBorderColor(on ? kMarkerOnBorder : kMarkerOffBorder);
    m->setFillColor(kMarkerOnFill, on);
}

void frmEgetVal::show_rows() {
    labTal[kLowResultLabel]->setCaption(
        result_text(field_values[field::LowFirst], field_values[field::LowSecond], operation));
    labTal[kHighResultLabel]->setCaption(
        result_text(field_values[field::HighFirst], field_values[field::HighSecond], operation));
}

// "&Klart" needs idle fields and at least one possible task: the drill and the editor
// divide the chosen count by the number of possible tasks.
void frmEgetVal::update_klart() {
    comKlart->setEnabled(edit_field < 0 && can_finish(shown_possible));
}

void frmEgetVal::comOK_Click(int index) {
    if (index < 0 || index >= field::Total)
        return;
    if (edit_field == index)
        confirm_edit(index);
    else if (edit_field < 0)
        enter_edit_mode(index);
}

void frmEgetVal::enter_edit_mode(int index) {
    for (int j = 0; j < field::Total; ++j) {
        if (j != index)
            comOK[j]->setEnabled(false);
        set_marker(j, false);
    }
    comKlart->setEnabled(false);
    comOK[index]->setText(kEditCaption);
    place_field_button(index, true);
    value_before_edit = field_values[index];
    labText[index]->setCaption(kTypingCursor);
    edit_field = index;
    comOK[index]->setFocus();
}

void frmEgetVal::confirm_edit(int index) {
    edit_field = -1;
    const ConfirmOutcome out =
        confirm_field(field_values, index, labText[index]->text(), value_before_edit, operation,
                      modSorvinel.min_task_count, modSorvinel.possible_task_count);
    show_rows();
    if (out.rules.recounted) {
        shown_possible = out.rules.possible_count;
        labTal[kPossibleLabel]->setCaption(QString::number(shown_possible));
    }
    if (out.rules.min_count_raised)
        platform::msg_box(min_task_count_message(modSorvinel.min_task_count),
                          vb::vbOKOnly | vb::vbInformation, kDialogTitle, this);
    for (int j = 0; j < field::Total; ++j) {
        comOK[j]->setText(QString::number(field_values[j]));
        comOK[j]->setEnabled(true);
        set_marker(j, out.changed[j]);
    }
    place_field_button(index, false);
    update_klart();
}

void frmEgetVal::Form_KeyDown(int &keyCode, int /*shift*/) {
    if (edit_field < 0)
        return;
    QString text = labText[edit_field]->text();
    KeyEffect effect = KeyEffect::Ignored;
    if (keyCode == vb::key::Back)
        effect = erase_digit(text);
    else if (keyCode >= vb::key::D0 && keyCode <= vb::key::D9)
        effect = type_digit(text, keyCode - vb::key::D0, edit_field, operation);
    if (effect == KeyEffect::Changed)
        labText[edit_field]->setCaption(text);
    else if (effect == KeyEffect::Beep && modSorvinel.beep_on)
        platform::beep();
}

void frmEgetVal::comKlart_Click() {
    if (edit_field >= 0 || !can_finish(shown_possible))
        return;
    const Handover h = klart_handover(field_values, shown_possible);
    modSorvinel.selection_bounds = h.selection_bounds;
    modSorvinel.task_count = h.task_count;
    if (h.possible_task_count)
        modSorvinel.possible_task_count = *h.possible_task_count;
    accept();
}

void frmEgetVal::comAvbryt_Click() {
    QDialog::reject();
}

void frmEgetVal::reject() {
    comAvbryt_Click();
}

// Only digits and Backspace mean anything here, and no button of this window reacts to
// them, so they are taken at the first widget that gets them: each key is typed once.
bool frmEgetVal::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == this) {
        auto *key = static_cast<QKeyEvent *>(event);
        int code = vb::key_code(key);
        if (is_typing_key(code)) {
            Form_KeyDown(code, vb::shift_state(key));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
