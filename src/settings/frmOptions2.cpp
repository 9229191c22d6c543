// The settings dialog's window: tab strip and buttons, loading, lock states, tab switching,
// the key preview and closing.
#include "settings/frmOptions2.h"
#include "platform/message_box.h"
#include "platform/vb.h"
#include "shared/main_window_view.h"
#include "shared/modSorvinel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>

namespace {
// Design geometry in twips.
constexpr double kClientWidth = 6150, kClientHeight = 4920;
constexpr double kTabLeft = 105, kTabTop = 120, kTabWidth = 5895, kTabHeight = 4245;
constexpr double kPageLeft = 210, kPageTop = 480;
constexpr double kPageWidth = 5685, kPageHeight = 3780;
constexpr double kButtonTop = 4470, kButtonWidth = 1095, kButtonHeight = 360;
constexpr double kOKLeft = 2490, kCancelLeft = 3690, kApplyLeft = 4890;
constexpr double kDialogPt = 8;

enum LockState : int { Open = 0, Locked = 1, ViewOnly = 2 };

struct TabDesign {
    const char *caption;
    const char *key;
    const char *tooltip;
};
constexpr std::array<TabDesign, kSettingsPageCount> kTabs = {{
    {"Färger", "Grupp1", "Välj färger"},
    {"Teckensnitt", "Grupp2", "Välj teckensnitt"},
    {"Ljud", "Grupp3", "Ljudstöd"},
    {"Special", "Grupp4", "Välj några speciella inställningar"},
    {"Styrning", "Grupp5", "Ställ in styrning"},
    {"Filkatalog", "Grupp6", "Välj aktuell filkatalog"},
}};

Tick tick(const QCheckBox *box) {
    return tick_of(box->isChecked());
}
} // namespace

std::function<void(QWidget *)> frmOptions2::show_reader_adaptation;

frmOptions2::frmOptions2(QWidget *parent) : QDialog(parent) {
    setModal(true);
    setWindowTitle(QStringLiteral("Inställning"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), int(kDialogPt)));
    build_window();
    qApp->installEventFilter(this);
}

frmOptions2::~frmOptions2() {
    qApp->removeEventFilter(this);
}

void frmOptions2::build_window() {
    setFixedSize(vb::twips_to_px_x(kClientWidth), vb::twips_to_px_y(kClientHeight));

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    tbsOptions = new QTabBar(this);
    tbsOptions->setFont(QFont(QStringLiteral("MS Sans Serif"), int(kDialogPt)));
    tbsOptions->setDrawBase(false);
    tbsOptions->setExpanding(false);
    for (int i = 0; i < kSettingsPageCount; ++i) {
        tbsOptions->addTab(QString::fromUtf8(kTabs[i].caption));
        tbsOptions->setTabToolTip(i, QString::fromUtf8(kTabs[i].tooltip));
        tbsOptions->setTabData(i, QString::fromUtf8(kTabs[i].key));
    }
    const QRect strip = vb::twips_rect(kTabLeft, kTabTop, kTabWidth, kTabHeight);
    const int barHeight = tbsOptions->sizeHint().height();
    tbsOptions->setGeometry(strip.left(), strip.top(), strip.width(), barHeight);
    frame->setGeometry(strip.left(), strip.top() + barHeight - 1, strip.width(),
                       strip.height() - barHeight + 1);

    pages = new QStackedWidget(this);
    pages->setGeometry(vb::twips_rect(kPageLeft, kPageTop, kPageWidth, kPageHeight));
    for (int i = 0; i < kSettingsPageCount; ++i) {
        picOptions[i] = new QWidget;
        picOptions[i]->setFixedSize(pages->size());
        pages->addWidget(picOptions[i]);
        // As designed: the first page enabled, the others disabled until shown.
        picOptions[i]->setEnabled(i == 0);
    }
    build_colours_page(picOptions[0]);
    build_font_page(picOptions[1]);
    build_sound_page(picOptions[2]);
    build_special_page(picOptions[3]);
    build_control_page(picOptions[4]);
    build_folder_page(picOptions[5]);
    tbsOptions->raise();

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("Avbryt"), this);
    cmdApply = new QPushButton(QStringLiteral("Utför"), this);
    cmdOK->setGeometry(vb::twips_rect(kOKLeft, kButtonTop, kButtonWidth, kButtonHeight));
    cmdCancel->setGeometry(vb::twips_rect(kCancelLeft, kButtonTop, kButtonWidth, kButtonHeight));
    cmdApply->setGeometry(vb::twips_rect(kApplyLeft, kButtonTop, kButtonWidth, kButtonHeight));
    cmdOK->setDefault(true);
    cmdApply->setEnabled(false);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
    connect(tbsOptions, &QTabBar::currentChanged, this, [this] { tbsOptions_Click(); });
}

bool frmOptions2::editable() const {
    return modSorvinel.settings_lock_state == LockState::Open;
}

void frmOptions2::setVisible(bool visible) {
    // Filled just before it first shows, once the opener has handed in the speech control.
    if (visible && !loaded_)
        Form_Load();
    QDialog::setVisible(visible);
}

void frmOptions2::Form_Load() {
    loaded_ = true;
    setup_samples();

    load_font_page();
    load_sound_page();
    load_special_page();
    load_control_page();
    load_folder_page();

    const QSize frame = frameGeometry().size().isEmpty() ? size() : frameGeometry().size();
    move(int((vb::twips_to_px_x(double(modSorvinel.screen_width)) - frame.width()) / 2),
         int((vb::twips_to_px_y(modSorvinel.screen_height) - frame.height()) / 2));

    switch (modSorvinel.settings_lock_state) {
    case LockState::Open:
        cmdApply->setEnabled(true);
        break;
    case LockState::Locked:
        picOptions[0]->setEnabled(false);
        platform::msg_box(QStringLiteral("Inställning är låst och kan ej ändras."),
                          vb::vbOKOnly | vb::vbInformation, QStringLiteral("Inställning"),
                          parentWidget());
        break;
    case LockState::ViewOnly:
        picOptions[0]->setEnabled(false);
        platform::msg_box(QStringLiteral("Inställning visas endast."),
                          vb::vbOKOnly | vb::vbInformation, QStringLiteral("Inställning"),
                          parentWidget());
        break;
    default:
        break;
    }
}

void frmOptions2::tbsOptions_Click() {
    const int selected = tbsOptions->currentIndex();
    for (int i = 0; i < kSettingsPageCount; ++i) {
        if (i != selected) {
            picOptions[i]->setEnabled(false);
            continue;
        }
        pages->setCurrentIndex(i);
        // Locked or view-only pages stay disabled.
        if (editable())
            picOptions[i]->setEnabled(true);
        // The sample shows the main window's colours as they are now.
        if (const MainWindowView *w = modSorvinel.main_window) {
            labFont->setBackColor(w->background_colour());
            labFont->setForeColor(w->number_colour());
        }
    }
}

void frmOptions2::Form_KeyDown(int &keyCode, int shift) {
    if (keyCode != vb::key::Tab || shift != vb::kCtrlMask)
        return;
    const int current = tbsOptions->currentIndex();
    tbsOptions->setCurrentIndex(current == tbsOptions->count() - 1 ? 0 : current + 1);
}

bool frmOptions2::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *target = qobject_cast<QWidget *>(watched);
    if (!target || target->window() != this)
        return QDialog::eventFilter(watched, event);
    // An unhandled key travels up the parents as the same event: preview it once. A new
    // event may reuse the old one's address, but it starts at the focus, not above it.
    auto *ke = static_cast<QKeyEvent *>(event);
    const bool travelling = event == last_key_ && last_key_receiver_ &&
                            target != last_key_receiver_ &&
                            target->isAncestorOf(last_key_receiver_) &&
                            ke->key() == last_key_code_ && ke->modifiers() == last_key_modifiers_;
    if (!travelling) {
        last_key_ = event;
        last_key_receiver_ = target;
        last_key_code_ = ke->key();
        last_key_modifiers_ = ke->modifiers();
        int code = vb::key_code(ke);
        if (code != 0)
            Form_KeyDown(code, vb::shift_state(ke));
    }
    // Enter in the font box chooses the typed font; it must not also press OK.
    const bool fromFontBox =
        last_key_receiver_ == cbxFont || last_key_receiver_ == cbxFont->lineEdit();
    if (travelling && target == this && fromFontBox && vb::key_code(ke) == vb::key::Return)
        return true;
    // The key goes on to the control that has the focus.
    return QDialog::eventFilter(watched, event);
}

PageControls frmOptions2::page_controls() const {
    PageControls c;
    c.style_choice = style_choice;
    c.font_name = labFont->font().family();
    c.font_size = labFont->fontSize();
    c.font_chosen = font_chosen;
    c.beep = tick(chkPipLjud);
    c.speak_exercises = tick(chkLaesOevning);
    c.speak_menus = tick(chkLaesMeny);
    c.voice_at_load = voice_at_load;
    c.voice_choice = voice_choice;
    c.check_records = tick(chkRekord);
    c.records_deleted = records_deleted;
    c.number_line = tick(chkTallinje);
    c.clock = tick(chkKlocka);
    c.esc = tick(chkEsc);
    c.warning = tick(chkVarning);
    for (const PageItem &item : page_items())
        if (item.kind == ItemKind::List)
            c.*item.index = list_control(item.index)->currentIndex();
    c.random_order = tick(chkSlump);
    c.key_repeat = tick(chkTangentrepetition);
    c.enter_interrupts = tick(chkEnter);
    c.rows_index = optRader[0]->isChecked() ? 0 : optRader[1]->isChecked() ? 1 : -1;
    for (int i = 0; i < int(optSiffertavla.size()); ++i) {
        if (optSiffertavla[i]->isChecked()) {
            c.method = ControlMethod(i);
            break;
        }
    }
    c.interval_text = cbxEnTangent->currentText();
    c.mouse_pointer = tick(chkMuspekare);
    c.folder_caption = labInitial->text();
    c.folder_chosen = folder_chosen;
    return c;
}

QComboBox *frmOptions2::list_control(int PageControls::*index) const {
    if (index == &PageControls::line_length_index)
        return cbxSteg;
    if (index == &PageControls::line_marking_index)
        return cbxMark;
    if (index == &PageControls::reward_min_index)
        return cbxBel;
    if (index == &PageControls::min_tasks_index)
        return cbxMinAntal;
    if (index == &PageControls::wrong_display_index)
        return cbxFelVisning;
    return cbxBeloeningstyp;
}

void frmOptions2::apply_settings_page(int page) {
    PageControls c = page_controls();
    ::apply_settings_page(page, c, ApplyServices{speech_control, this});
    records_deleted = c.records_deleted;
}

void frmOptions2::apply_settings_tab(int tab) {
    PageControls c = page_controls();
    ::apply_settings_tab(tab, c, ApplyServices{speech_control, this});
    records_deleted = c.records_deleted;
}

void frmOptions2::cmdOK_Click() {
    // Locked or view-only: nothing may change, whatever the controls show.
    if (editable() && !modSorvinel.write_settings([this] {
            for (int page = 1; page <= kSettingsPageCount; ++page)
                apply_settings_page(page);
        }))
        platform::msg_box(kSettingsWriteError, vb::vbOKOnly | vb::vbInformation, windowTitle(),
                          this);
    closing_ = true;
    accept();
}

void frmOptions2::cmdApply_Click() {
    if (!editable())
        return;
    if (!modSorvinel.write_settings([this] { apply_settings_tab(tbsOptions->currentIndex() + 1); }))
        platform::msg_box(kSettingsWriteError, vb::vbOKOnly | vb::vbInformation, windowTitle(),
                          this);
    if (modSorvinel.main_window)
        modSorvinel.main_window->repaint_view();
}

void frmOptions2::cmdCancel_Click() {
    if (closing_)
        return;
    closing_ = true;
    if (records_deleted)
        restore_records();
    QDialog::reject();
}

// Esc and the close box are "Avbryt".
void frmOptions2::reject() {
    cmdCancel_Click();
}

void frmOptions2::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmOptions2::Form_Unload() {
    qApp->removeEventFilter(this);
    if (modSorvinel.speech_available) {
        speech_control = nullptr;
        current_voice.clear();
    }
}
