#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "platform/key_state.h"
#include "platform/speech.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace {
// Design captions of the task row: the widest text each label must hold.
const char *const kTaskRowDesign[] = {"9999", "+", "9999", "=", "9999", "9999", "9999"};
constexpr unsigned kFrameGrey = 0x808080;
constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kNumberLineColour = 0x00FFFF;
constexpr int kOuterFramePx = 2;
constexpr int kMenuFramePx = 3;
constexpr int kUpperBandPx = 20;
constexpr int kLowerBandPx = 25;
constexpr int kNumberLinePx = 3;
constexpr int kClockIntervalMs = 500;
constexpr double kStatusFontPt = 10;
constexpr int kStatusNumberIndentPx = 6;
} // namespace

frmSorvinel::frmSorvinel(SpeechEngine *speech, QWidget *parent)
    : QMainWindow(parent), form(new QWidget(this)), labMenyVal(form), imaMeny(form), shaRam(form),
      linRam(form), imaRam(form), labTal(form), labResultat(form), labFakta(form),
      labSiffertavla(form), linTalindex(form), labTalindex(form), labUrval(form), picDig(form) {
    tspSorvinel = speech;
    setCentralWidget(form);
    create_controls();
    create_menu_bar();
}

frmSorvinel::~frmSorvinel() {
    // A window kept to the end of a benchmark outlives the application object.
    if (qApp)
        qApp->removeEventFilter(this);
    // The children go after this class is gone: their signals must not reach it then.
    lstFel->model()->disconnect(this);
    txtJaws->disconnect(this);
    if (modSorvinel.main_window == this)
        modSorvinel.main_window = nullptr;
}

void frmSorvinel::create_controls() {
    form->setAutoFillBackground(true);

    shaRam.load(1);
    shaRam[ram::Outer]->setBorderWidth(kOuterFramePx);
    shaRam[ram::Outer]->setBorderColor(kFrameGrey);
    shaRam[ram::Outer]->show();
    shaRam[ram::Menu]->setBorderWidth(kMenuFramePx);
    shaRam[ram::Menu]->setBorderColor(kFrameGrey);
    // Unfilled: the items stand on the window's own colour in every style.
    shaRam[ram::Menu]->setFillColor(kWhite, false);
    shaRam[ram::Menu]->hide();

    linRam.load(1);
    linRam[band::Upper]->setBorderWidth(kUpperBandPx);
    linRam[band::Lower]->setBorderWidth(kLowerBandPx);
    for (VbLine *band : linRam) {
        band->setBorderColor(kFrameGrey);
        band->show();
    }

    imaRam.load(1);
    for (int i = 0; i < 2; ++i) {
        imaRam[i]->setPixmap(QPixmap(i == 0 ? ":/band-left.svg" : ":/band-right.svg"));
        imaRam[i]->setScaledContents(true);
        imaRam[i]->setAutoSize(true);
        imaRam[i]->setAutoSize(false);
        imaRam[i]->show();
    }

    labMeny = new VbLabel(form);
    labMeny->setTextAlignment(2);
    labMeny->setCaption("Tabellövning");

    for (VbLabel *item : labMenyVal) {
        item->setTextAlignment(2);
        item->setAutoSize(true);
        item->setMouseTracking(true);
        item->hide();
    }

    for (int i = 1; i <= 6; ++i)
        labTal.load(i);
    for (int i = 0; i <= 6; ++i) {
        VbLabel *l = labTal[i];
        l->setFontName("Arial");
        l->setTextAlignment(2);
        l->setCaption(kTaskRowDesign[i]);
        l->hide();
    }

    labResultat.load(1);
    for (VbLabel *l : labResultat) {
        l->setTextAlignment(2);
        l->setAutoSize(true);
        l->hide();
    }

    for (int i = 1; i <= 5; ++i)
        labFakta.load(i);
    for (int i = 0; i <= 5; ++i) {
        VbLabel *l = labFakta[i];
        QFont f = l->font();
        f.setPointSizeF(kStatusFontPt);
        f.setBold(true);
        l->setFont(f);
        l->setBackStyle(0);
        // A number stands a little apart from its caption.
        if (i % 2)
            l->setIndent(kStatusNumberIndentPx);
        // The number labels keep room for four digits.
        l->setCaption(i % 2 ? QStringLiteral(" 0000") : QString(" "));
        l->setAutoSize(true);
        l->hide();
    }

    pbaMusse = new QProgressBar(form);
    pbaMusse->setTextVisible(false);
    pbaMusse->hide();

    shaSiffertavla = new VbShape(form);
    shaSiffertavla->hide();
    create_number_board_key();

    linTallinje = new VbLine(form);
    linTallinje->setBorderWidth(kNumberLinePx);
    linTallinje->setBorderColor(kNumberLineColour);
    linTallinje->hide();
    linTalindex[0]->hide();
    labTalindex[0]->hide();

    labUrval.load(1);
    labUrval.load(2);
    for (VbLabel *l : labUrval) {
        l->setAutoSize(true);
        l->hide();
    }

    labFilnamn = new VbLabel(form);
    labFilnamn->setAutoSize(true);
    labFilnamn->hide();
    picUpp = new VbLabel(form);
    picUpp->hide();
    picNer = new VbLabel(form);
    picNer->hide();

    lstFel = new QListWidget(form);
    lstFel->hide();

    txtJaws = new QLineEdit(form);
    // First, so that a reader only ever meets the field's own accessible object.
    txtJaws_reader = std::make_unique<platform::ScreenReaderField>(txtJaws);
    txtJaws->setAccessibleDescription(QStringLiteral("Skärmläsarfält"));
    // Keys typed into the field have no effect; readers still read it.
    txtJaws->setReadOnly(true);
    txtJaws->setMouseTracking(true);
    txtJaws->hide();
    connect(txtJaws, &QLineEdit::textChanged, this, [this] { txtJaws_Change(); });

    timKlocka = new QTimer(this);
    timKlocka->setInterval(kClockIntervalMs);
    connect(timKlocka, &QTimer::timeout, this, [this] { timKlocka_Timer(); });
    picDig[0]->hide();
    timEnTangent = new QTimer(this);
    // A coarse timer may be 5 % late: a second's step would drift by 50 ms.
    timEnTangent->setTimerType(Qt::PreciseTimer);
    connect(timEnTangent, &QTimer::timeout, this, [this] { timEnTangent_Timer(); });
    timPrata = new QTimer(this);
}

void frmSorvinel::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    // Later size changes lay nothing out again; the stages ran during start-up.
}

void frmSorvinel::closeEvent(QCloseEvent *event) {
    Form_Unload();
    event->accept();
}

void frmSorvinel::Form_Unload() {
    timKlocka->stop();
    timEnTangent->stop();
    if (tspSorvinel)
        tspSorvinel->stop();
}

bool frmSorvinel::eventFilter(QObject *watched, QEvent *event) {
    if (watched == txtJaws && txtJaws_Mouse(event->type()))
        return true;
    if (watched == this && event->type() == QEvent::WindowBlocked && key_in_hand)
        key_in_hand->window_blocked = true;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QMainWindow::eventFilter(watched, event);
    auto *ke = static_cast<QKeyEvent *>(event);
    const bool release = event->type() == QEvent::KeyRelease;
    if (!loaded_ || QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        note_key_elsewhere(ke);
        return QMainWindow::eventFilter(watched, event);
    }
    // A held key on X11 may send a release before each repeated press: only a real release
    // frees it, and a release held back may prove real at the next key.
    const platform::KeyReleaseJudge::Key facts = platform::key_facts(ke);
    const std::optional<platform::KeyReleaseJudge::Key> earlier =
        release_judge.real_release_held_back(facts);
    const bool real_release = release && release_judge.release_is_real(facts);
    const int shift = vb::shift_state(ke);
    if (earlier) {
        key_scan_code = earlier->code;
        int released = 0;
        Form_KeyUp(released, shift);
    }
    key_scan_code = ke->nativeScanCode();
    int code = vb::key_code(ke);
    bool handled = true;
    if (release) {
        // A release without a key code (a remapping tool sends these) frees its key all the
        // same.
        if (real_release)
            Form_KeyUp(code, shift);
        handled = code != 0 || !real_release;
    } else if (code == 0) {
        handled = false;
    } else if (!(ke->isAutoRepeat() && modSorvinel.key_repeat_blocked)) {
        Form_KeyDown(code, shift);
    }
    key_scan_code = 0;
    return handled || QMainWindow::eventFilter(watched, event);
}

void frmSorvinel::note_key_elsewhere(const QKeyEvent *ke) {
    // A key of a message or reward window over this one. Its release frees the key here
    // too, or the first key after the window closes would count as held; a key pressed
    // there stays held here, so its repeats do not act once the window is gone.
    const platform::KeyId key = platform::key_id(ke);
    KeyInHand *opener =
        key_in_hand && platform::same_key(key_in_hand->key, key) ? &*key_in_hand : nullptr;
    if (ke->type() == QEvent::KeyRelease) {
        if (vb::is_auto_repeat(ke))
            return;
        key_held.release(key);
        if (opener)
            opener->let_go = true;
    } else if (loaded_ && modSorvinel.key_repeat_blocked && vb::key_code(ke) != 0 &&
               !(opener && !opener->let_go)) {
        // The opener's own repeats are not new; pressed again after its release, it is.
        key_held.press(key);
    }
}
