#include "drill/frmMeddelande.h"
#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <QKeyEvent>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

namespace {
const QString kBackCaption = QStringLiteral("Åter");
const QString kMainMenuCaption = QStringLiteral("Huvudmeny");
const QString kMenuPrefix = QStringLiteral("Meny - ");
// The frame keeps this much room round the back label, twips.
constexpr double kFramePad = 250;
// Window width against the text width.
constexpr double kWidthFactor = 5.0 / 4.0;
// Rows (in text heights) at which the back label stands.
constexpr double kNoticeLabelRow = 3;
constexpr double kPauseLabelRow = 4;
constexpr unsigned kFallbackFrame = 0x808080;
constexpr int kFallbackFrameWidth = 3;

// A label takes the font name and size of another, and nothing else of its font.
void take_name_and_size(VbLabel *label, const VbLabel *from) {
    label->setFontName(from->font().family());
    label->setFontSize(from->fontSize());
}

// A quarter wider than the text, or as wide as the back label's frame needs with as much
// room again outside it, whichever is wider.
double message_window_width(double text_width, double back_label_width) {
    const double frame_room = back_label_width + 4 * kFramePad;
    return std::max(text_width * kWidthFactor, frame_room);
}
} // namespace

frmMeddelande::frmMeddelande(frmSorvinel *main)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint), main_(main) {
    setModal(true);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);

    shaRam = new VbShape(this);
    shaRam->hide();
    labMeddelande = new VbLabel(this);
    labMeddelande->setAutoSize(true);
    labMeddelande->hide();
    labMeddelandeMeny = new VbLabel(this);
    labMeddelandeMeny->setAutoSize(true);
    labMeddelandeMeny->hide();
    pbaMeddelande = new QProgressBar(this);
    pbaMeddelande->setTextVisible(false);
    pbaMeddelande->setFocusPolicy(Qt::NoFocus);
    pbaMeddelande->hide();
    timAater = new QTimer(this);

    connect(labMeddelandeMeny, &VbLabel::clicked, this, [this] { labMeddelandeMeny_Click(); });
    connect(timAater, &QTimer::timeout, this, [this] { timAater_Timer(); });

    Form_Load();
}

frmMeddelande::~frmMeddelande() = default;

bool frmMeddelande::is_pause() const {
    return modSorvinel.message_kind == MessageKind::Pause;
}

void frmMeddelande::Form_Load() {
    if (modSorvinel.custom_mouse_pointer && main_)
        labMeddelandeMeny->setCursor(main_->labMenyVal[0]->cursor());

    keys_armed = false;
    modSorvinel.message_go_on = false;
    tick_count = 0;
    tick_limit = kTickLimit;

    // Text, in the look of the main window's heading.
    if (main_) {
        QPalette p = palette();
        p.setColor(QPalette::Window, main_->form->palette().color(QPalette::Window));
        setPalette(p);
        take_name_and_size(labMeddelande, main_->labMeny);
        labMeddelande->setForeColor(main_->labMeny->ForeColor());
    }
    labMeddelande->setCaption(modSorvinel.message_text);
    const double W = labMeddelande->Width();
    const double H = labMeddelande->Height();

    // The back label, in the look of the current on-screen menu item; its caption comes
    // first, as the window must be wide enough for its frame.
    if (main_) {
        // The first item may still be bold as the current one: its weight is not taken.
        take_name_and_size(labMeddelandeMeny, main_->labMenyVal[0]);
        labMeddelandeMeny->setForeColor(main_->labTal[tal::First]->ForeColor());
    }
    if (is_pause()) {
        const bool fileList = modSorvinel.screen_state == ScreenState::FileList;
        labMeddelandeMeny->setCaption(fileList && main_ ? kMenuPrefix + main_->labMeny->Caption()
                                                        : kMainMenuCaption);
    } else {
        labMeddelandeMeny->setCaption(kBackCaption);
    }

    // Width and place; the window is centred on the screen.
    const platform::ScreenMetrics screen = platform::screen_metrics();
    const double screenWidth = screen.width_px * screen.twips_per_pixel_x;
    const double screenHeight = screen.height_px * screen.twips_per_pixel_y;
    const double windowWidth = message_window_width(W, labMeddelandeMeny->Width());
    const double windowLeft = (screenWidth - windowWidth) / 2;
    const double textLeft = (windowWidth - W) / 2;
    labMeddelande->move_to(textLeft, H);

    if (is_pause()) {
        labMeddelandeMeny->setTop(kPauseLabelRow * H);
        pbaMeddelande->setGeometry(vb::twips_to_px_x(textLeft), vb::twips_to_px_y(H + H),
                                   vb::twips_to_px_x(W), vb::twips_to_px_y(H));
        pbaMeddelande->setRange(0, tick_limit);
        pbaMeddelande->setValue(0);
        pbaMeddelande->show();
        timAater->start(kTickMs);
    } else {
        labMeddelandeMeny->setTop(kNoticeLabelRow * H);
    }
    labMeddelandeMeny->setLeft((W - labMeddelandeMeny->Width()) / 2 + textLeft);

    shaRam->setBorderColor(main_ ? main_->shaRam[ram::Menu]->BorderColor() : kFallbackFrame);
    shaRam->setBorderWidth(main_ ? main_->shaRam[ram::Menu]->BorderWidth() : kFallbackFrameWidth);
    shaRam->setLeft(labMeddelandeMeny->Left() - kFramePad);
    shaRam->setTop(labMeddelandeMeny->Top() - kFramePad);
    shaRam->setWidth(labMeddelandeMeny->Width() + 2 * kFramePad);
    shaRam->setHeight(labMeddelandeMeny->Height() + 2 * kFramePad);
    labMeddelandeMeny->show();
    shaRam->show();

    const double windowHeight = labMeddelandeMeny->Top() + 2 * labMeddelandeMeny->Height();
    const double windowTop = (screenHeight - windowHeight) / 2;
    setGeometry(vb::twips_to_px_x(windowLeft), vb::twips_to_px_y(windowTop),
                vb::twips_to_px_x(windowWidth), vb::twips_to_px_y(windowHeight));
    labMeddelande->show();

    const QString text = spoken_text();
    if (modSorvinel.message_speak)
        modSorvinel.speak_text(text);
    if (modSorvinel.screen_reader_text_on) {
        if (main_)
            saved_reader_text = main_->txtJaws->text();
        modSorvinel.show_screen_reader_text(text, true);
    }
}

QString frmMeddelande::spoken_text() const {
    return labMeddelande->Caption() + QLatin1Char(' ') + labMeddelandeMeny->Caption();
}

void frmMeddelande::keyPressEvent(QKeyEvent *event) {
    // A held key never acts here: the key that opened the message may still be down.
    if (vb::is_auto_repeat(event) || !keys_.pressed(event))
        return;
    if (keys_armed)
        Form_KeyDown(vb::key_code(event));
}

void frmMeddelande::keyReleaseEvent(QKeyEvent *event) {
    if (vb::is_auto_repeat(event))
        return;
    keys_.released(event);
    Form_KeyUp();
}

void frmMeddelande::Form_KeyUp() {
    keys_armed = true;
}

void frmMeddelande::Form_KeyDown(int keyCode) {
    if (!keys_armed)
        return;
    keys_.closing_by_key();
    if (keyCode == vb::key::Return && is_pause())
        labMeddelandeMeny_Click();
    else
        close_message();
}

void frmMeddelande::labMeddelandeMeny_Click() {
    // message_go_on stays False; the caller's next screen writes its own reader text.
    done(QDialog::Rejected);
}

void frmMeddelande::close_message() {
    modSorvinel.message_go_on = true;
    if (modSorvinel.screen_reader_text_on)
        modSorvinel.show_screen_reader_text(saved_reader_text, false);
    done(QDialog::Accepted);
}

void frmMeddelande::timAater_Timer() {
    ++tick_count;
    pbaMeddelande->setValue(tick_count);
    if (modSorvinel.beep_on)
        platform::beep();
    if (tick_count >= tick_limit)
        close_message();
}

void frmMeddelande::reject() {
    if (!unloaded_)
        close_message();
}

void frmMeddelande::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmMeddelande::Form_Unload() {
    unloaded_ = true;
    timAater->stop();
    if (modSorvinel.speech_available)
        speech_control = nullptr;
}
