// Start-up sequence, the two resize stages and the one-time layout of the drill screen.
#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "platform/key_state.h"
#include "platform/speech.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "settings/frmSplash.h"
#include "shared/modSorvinel.h"

#include <QApplication>
#include <QMenuBar>

namespace {
constexpr double kBaseScreenPx = 800;
constexpr double kTaskFontAt800 = 60;
constexpr double kMenuFontAt800 = 32;
constexpr double kHeadingFontAt800 = 28;
constexpr int kExtraFullScreenPx = 4;
constexpr double kRightPieceInset = 50;
constexpr double kBoardKeyInset = 144;
constexpr int kResizeFirst = 0, kResizeSecond = -1, kResizeDone = -2;
} // namespace

void frmSorvinel::Form_Resize() {
    const platform::ScreenMetrics m = platform::screen_metrics();
    const double px = m.width_px;
    if (resize_stage_ == kResizeFirst) {
        modSorvinel.label_font_size = int(vb::round_even(px / kBaseScreenPx * kTaskFontAt800));
        resize_stage_ = kResizeSecond;
    } else if (resize_stage_ == kResizeSecond) {
        menu_font_size = int(vb::round_even(px / kBaseScreenPx * kMenuFontAt800));
        labMeny->setAutoSize(true);
        labMeny->setFontSize(px / kBaseScreenPx * kHeadingFontAt800);
        labMeny->setAutoSize(false);
        const double heading = labMeny->fontSize();
        for (int i = 0; i <= 6; ++i) {
            if (i < 2)
                labResultat[i]->setFontSize(heading);
            if (i < 3)
                labUrval[i]->setFontSize(heading);
            labTal[i]->setAutoSize(true);
            labTal[i]->setFontSize(modSorvinel.label_font_size);
            labTal[i]->setAutoSize(false);
        }
        move(0, 0);
        resize_stage_ = kResizeDone;
    }
}

void frmSorvinel::Form_Load() {
    modSorvinel.main_window = this;
    set_captions();
    modSorvinel.print_size = 0;
    modSorvinel.print_order = 0;
    setWindowTitle(kApplicationTitle);

    // The window covers the screen; each of the two size changes runs one resize stage.
    const platform::ScreenMetrics m = platform::screen_metrics();
    resize(m.width_px, height());
    Form_Resize();
    setGeometry(0, 0, m.width_px, m.height_px);
    Form_Resize();

    // The client area of a full-screen window, under the menu bar.
    const int menuPx = menuBar()->sizeHint().height();
    const int cxFull = m.available_width_px - kExtraFullScreenPx;
    const int cyFull = m.available_height_px - menuPx - kExtraFullScreenPx;
    modSorvinel.screen_height = m.twips_per_pixel_y * (cyFull + kExtraFullScreenPx);
    modSorvinel.screen_width = vb::round_even(m.twips_per_pixel_x * (cxFull + kExtraFullScreenPx));

    layout_controls();
    key_held.clear();
    modSorvinel.font_fit_width = int(vb::round_even(labTal[tal::TooLow]->Width()));
    modSorvinel.font_fit_height = int(vb::round_even(labTal[tal::TooLow]->Height()));

    modSorvinel.load_settings();

    show();
    qApp->installEventFilter(this);
    // A held key then sends presses only, and the key times tell the rest.
    platform::use_detectable_auto_repeat();
    platform::keep_key_times();

    if (tspSorvinel) {
        (void)tspSorvinel->ready();
        modSorvinel.speech_available = tspSorvinel->voice_count() > 0;
    } else {
        modSorvinel.speech_available = false;
    }

    {
        frmSplash splash;
        splash.exec();
    }

    if (modSorvinel.speech_available)
        tspSorvinel->restore_voice(kApplicationName);

    for (int i = 0; i <= 3; ++i) {
        VbLabel *strip = i > 0 ? imaMeny.load(i) : imaMeny[0];
        strip->setPixmap(QPixmap(QString(":/menu-frame-%1.svg").arg(i)));
        strip->setScaledContents(true);
    }

    loaded_ = true;
    show_main_menu();
    if (modSorvinel.speech_on_for_screen())
        modSorvinel.speak_text(QStringLiteral("Addition"));
}

void frmSorvinel::layout_controls() {
    const double tppx = vb::twips_per_pixel_x(), tppy = vb::twips_per_pixel_y();
    const double sw = double(modSorvinel.screen_width);
    const double sh = modSorvinel.screen_height;
    const double t0 = linRam[band::Upper]->BorderWidth() * tppy;
    const double t1 = linRam[band::Lower]->BorderWidth() * tppy;
    const double b0 = shaRam[ram::Outer]->BorderWidth();
    const double formWidth = width() * tppx;
    const double screenWidthTwips = platform::screen_metrics().width_px * tppx;

    // L1, L2: the frames.
    shaRam[ram::Outer]->setWidth(sw - b0 * tppx);
    shaRam[ram::Outer]->setHeight(sh - b0 * tppy);
    shaRam[ram::Outer]->setLeft(b0 * tppx / 2);
    shaRam[ram::Outer]->setTop(b0 * tppy / 2);
    shaRam[ram::Menu]->setWidth(shaRam[ram::Outer]->Width() / 2);
    shaRam[ram::Menu]->setLeft(sw / 4);
    shaRam[ram::Menu]->setTop(sh / 5);

    // L3-L6: the bands and their end pieces.
    linRam[band::Upper]->set_ends(0, sh / 7, sw, sh / 7);
    imaRam[0]->setLeft(0);
    imaRam[0]->setHeight(t0);
    imaRam[0]->setTop(linRam[band::Upper]->Y1 - t0 / 2);
    imaRam[1]->setLeft(formWidth - imaRam[1]->Width() - kRightPieceInset);
    imaRam[1]->setHeight(t0);
    imaRam[1]->setTop(linRam[band::Upper]->Y1 - t0 / 2);
    linRam[band::Lower]->set_ends(0, sh - t1 / 2, sw, sh - t1 / 2);
    imaRam.load(2);
    imaRam.load(3);
    imaRam[2]->setLeft(0);
    imaRam[2]->setHeight(t1);
    imaRam[2]->setTop(linRam[band::Lower]->Y1 - t1 / 2);
    imaRam[2]->show();
    imaRam[2]->raise();
    imaRam[3]->setPixmap(imaRam[1]->pixmap());
    imaRam[3]->setLeft(formWidth - imaRam[3]->Width() - kRightPieceInset);
    imaRam[3]->setHeight(t1);
    imaRam[3]->setTop(linRam[band::Lower]->Y1 - t1 / 2);
    imaRam[3]->show();
    imaRam[3]->raise();

    // L7: the screen-reader field lies on the lower band.
    txtJaws->setGeometry(0, vb::twips_to_px_y(sh - t1), vb::twips_to_px_x(screenWidthTwips),
                         vb::twips_to_px_y(t1));
    txtJaws->raise();

    // L8, L9: heading and the centre line of the menu.
    labMeny->setWidth(sw);
    labMeny->setLeft(0);
    labMeny->setTop(((linRam[band::Upper]->Y1 - t0 / 2) - labMeny->Height()) / 2);
    labMenyVal[0]->setLeft(shaRam[ram::Menu]->Left() + shaRam[ram::Menu]->Width() / 2);

    // L10: the task row, centred between the bands with six equal gaps.
    double rowWidth = 0;
    for (int i = 0; i <= 4; ++i)
        rowWidth += labTal[i]->Width();
    number_gap = int(vb::round_even(((sw * 9 / 10 - b0 * tppx) - rowWidth) / 6));
    double x = double(vb::round_even(b0 * tppx / 2 + sw / 20 + number_gap));
    const double bandTop = linRam[band::Upper]->Y1 + t0 / 2;
    const double bandBottom = sh - t1;
    for (int i = 0; i <= 5; ++i) {
        if (i > 0)
            labMenyVal.load(i);
        labMenyVal[i]->setFontSize(menu_font_size);
        labTal[i]->setTop(bandTop + (bandBottom - bandTop - labTal[tal::First]->Height()) / 2);
        labTal[i]->setLeft(x);
        x = double(vb::round_even(x + labTal[i]->Width() + number_gap));
    }

    // L11: above and below the answer.
    labTal[tal::TooHigh]->setLeft(labTal[tal::Answer]->Left());
    labTal[tal::TooLow]->setLeft(labTal[tal::Answer]->Left());
    labTal[tal::TooHigh]->setTop(bandTop);
    labTal[tal::TooLow]->setTop(bandBottom - labTal[tal::TooLow]->Height());

    // L12: the number board starts under the task row.
    labSiffertavla[0]->setTop(labTal[tal::First]->Top() + labTal[tal::First]->Height());
    const double rowBottom = labTal[tal::First]->Top() + labTal[tal::First]->Height();
    const double boardTop = labSiffertavla[0]->Top();
    long key = vb::round_even((bandBottom - rowBottom) - 2 * (boardTop - rowBottom));
    modSorvinel.board_key_size = int(vb::round_even(double(key) / 2 - kBoardKeyInset));

    // L13: result labels share the heights of the labels below and above the answer.
    labResultat[result::Line]->setTop(labTal[tal::TooLow]->Top());
    labResultat[result::Time]->setTop(labTal[tal::TooHigh]->Top());

    // L14-L16: the status line, centred in the upper band, pairs spread with equal gaps.
    double sum = 0;
    for (int i = 0; i <= 5; ++i) {
        labFakta[i]->setTop((linRam[band::Upper]->Y1 - t0 / 2) +
                            (t0 - labFakta[fakta::CountCaption]->Height()) / 2);
        sum = double(vb::round_even(sum + labFakta[i]->Width()));
    }
    pbaMusse->setGeometry(0, vb::twips_to_px_y(labFakta[fakta::CountCaption]->Top()),
                          vb::twips_to_px_x(screenWidthTwips),
                          vb::twips_to_px_y(labFakta[fakta::CountCaption]->Height()));
    const auto place_pairs = [this](double first_left, double gap) {
        labFakta[fakta::CountCaption]->setLeft(first_left);
        for (int i = 1; i <= 5; ++i) {
            const VbLabel *prev = labFakta[i - 1];
            labFakta[i]->setLeft(prev->Left() + prev->Width() + (i % 2 ? 0 : gap));
        }
    };
    number_gap = int(vb::round_even((sw - sum - 2 * b0 * tppx) / 4));
    place_pairs(number_gap - b0 * tppx, number_gap);
    // On a narrow screen that spread runs over the band's end pieces: the pairs are then
    // spread with equal gaps over the band between the pieces.
    const double piecesLeft = imaRam[0]->Left() + imaRam[0]->Width();
    const double piecesRight = imaRam[1]->Left();
    const VbLabel *last = labFakta[fakta::Errors];
    const double innerGap = (piecesRight - piecesLeft - sum) / 4;
    if ((labFakta[fakta::CountCaption]->Left() < piecesLeft ||
         last->Left() + last->Width() > piecesRight) &&
        innerGap > 0)
        place_pairs(piecesLeft + innerGap, innerGap);
    for (VbLabel *l : labFakta)
        l->raise();

    // L17: the number line, a third of the way up from the task row.
    const double lineY = labTal[tal::First]->Top() -
                         (labTal[tal::First]->Top() -
                          (labTal[tal::TooHigh]->Top() + labTal[tal::TooHigh]->Height())) /
                             3;
    linTallinje->set_ends(labTal[tal::First]->Left(), lineY,
                          formWidth - labTal[tal::First]->Width(), lineY);
}
