// Loading the editor: window size from the screen, the keypad and the placement of the
// controls, the New submenu, and the exercise the main window asked for.
#include "exercises/frmSkrivIn.h"

#include "platform/message_box.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"

#include <QAction>
#include <QCheckBox>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

namespace {

// Designed sizes, in twips.
constexpr double kDesignWidth = 8400;
constexpr double kMargin = 240;
constexpr double kLineHeight = 285;   // labSkrivIn: the line unit of the layout
constexpr double kEntryHeight = 480;  // labText
constexpr double kColumnWidth = 2400; // labText and comTill(0)
constexpr double kButtonHeight = 450; // comTill(0): the key height
constexpr double kListLeft = 2880;
constexpr double kListWidth = 2640;
constexpr double kRightColumnLeft = 5760;

constexpr double kEntryFontPt = 14;
constexpr double kOperatorKeyFontPt = 12;
constexpr double kListFontPt = 12;
constexpr int kScreenDivisor = 10;
constexpr int kKeypadRows = 4;
constexpr int kKeypadColumns = 3;
constexpr int kLastDigitKey = 9;
constexpr int kOpaque = 1;
constexpr unsigned kEntryBackColour = vb::rgb(255, 255, 255);

const char *const kTypeCaptions[] = {"&Addition", "&Subtraktion", "&Multiplikation", "&Division",
                                     "&Blandat"};

// Telephone order: 1 2 3 / 4 5 6 / 7 8 9 / 0, correction key, operator key.
constexpr int kKeyAt[kKeypadRows][kKeypadColumns] = {
    {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {0, frmSkrivIn::kCorrectionKey, frmSkrivIn::kOperatorKey}};

void place(QWidget *w, double left, double top, double width, double height) {
    w->setGeometry(vb::twips_to_px_x(left), vb::twips_to_px_y(top), vb::twips_to_px_x(width),
                   vb::twips_to_px_y(height));
}

void set_point_size(QWidget *w, double points) {
    QFont f = w->font();
    f.setPointSizeF(points);
    w->setFont(f);
}

} // namespace

void frmSkrivIn::make_type_items() {
    for (int i = 1; i < kTypeCount; ++i)
        menAktRS[std::size_t(i)] = menNy->addAction(QString());
    for (int i = 0; i < kTypeCount; ++i) {
        QAction *item = menAktRS[std::size_t(i)];
        item->setText(QString::fromUtf8(kTypeCaptions[i]));
        connect(item, &QAction::triggered, this, [this, i] { menAktRS_Click(i); });
    }
}

void frmSkrivIn::Form_Load(exercises::EditorStart start, const QStringList &wrong_tasks) {
    doc_.set_last_directory(modSorvinel.exercise_folder);
    load_complete = false;

    // The window: a tenth of the screen height shorter than the screen, centred.
    const platform::ScreenMetrics screen = platform::screen_metrics();
    const double screen_h = screen.height_px * screen.twips_per_pixel_y;
    const double screen_w = screen.width_px * screen.twips_per_pixel_x;
    const double t = double(vb::round_even(screen_h / kScreenDivisor));
    keypad_ready = false;
    print_in_progress = false;
    const int width_px = vb::twips_to_px_x(kDesignWidth);
    const int height_px = vb::twips_to_px_y(screen_h - t);
    setFixedSize(width_px, height_px);
    move(vb::twips_to_px_x((screen_w - kDesignWidth) / 2), vb::twips_to_px_y(t / 2));
    // The client area under the menu bar gets its size now, not first when shown.
    layout()->activate();

    show_background(imaRekord, QSize(width_px, height_px));

    const double g = kLineHeight;
    labText->move_to(kMargin, 0);
    labText->setWidth(kColumnWidth);
    labText->setHeight(kEntryHeight);
    labText->setFontSize(kEntryFontPt);
    labText->setBackStyle(kOpaque);
    labText->setBackColor(kEntryBackColour);
    labSkrivIn->setWidth(kDesignWidth - 2 * kMargin);
    labSkrivIn->setHeight(g);
    labSkrivIn->setTop(g / 2);
    labSkrivIn->setLeft(labText->Left());
    labText->setTop(labSkrivIn->Top() + 1.5 * g);
    labText->setCaption(QStringLiteral("_"));

    // The keypad, under the entry, as wide as the place buttons.
    const double k = kButtonHeight;
    const double key_w = kColumnWidth / kKeypadColumns - g / 6;
    const double keys_top = labText->Top() + labText->Height() + g / 2;
    const double row_step = k + g / 4;
    const double column_left[kKeypadColumns] = {kMargin, kMargin + key_w + g / 4,
                                                kMargin + kColumnWidth - key_w};
    for (int i = 1; i < kKeyCount; ++i) {
        comSiffra[std::size_t(i)] = new QPushButton(form);
        comSiffra[std::size_t(i)]->setFont(comSiffra[0]->font());
        comSiffra[std::size_t(i)]->setAutoDefault(false);
    }
    connect_keypad_commands();
    std::array<double, kKeyCount> key_top{};
    for (int r = 0; r < kKeypadRows; ++r)
        for (int c = 0; c < kKeypadColumns; ++c) {
            const int key = kKeyAt[r][c];
            key_top[std::size_t(key)] = keys_top + r * row_step;
            place(comSiffra[std::size_t(key)], column_left[c], key_top[std::size_t(key)], key_w, k);
            comSiffra[std::size_t(key)]->show();
        }
    for (int d = 0; d <= kLastDigitKey; ++d) {
        comSiffra[std::size_t(d)]->setText(QString::number(d));
        set_command_enabled(comSiffra[std::size_t(d)], true);
    }
    comSiffra[kCorrectionKey]->setText(QStringLiteral("<--"));
    comSiffra[kCorrectionKey]->setEnabled(false);
    set_point_size(comSiffra[kOperatorKey], kOperatorKeyFontPt);
    comSiffra[kOperatorKey]->setEnabled(false);
    keypad_ready = true;

    // Place buttons and the duplicates box under the keypad, each k + g/2 below the last.
    double top = keys_top + kKeypadRows * row_step;
    for (QPushButton *b : comTill) {
        place(b, labText->Left(), top, labText->Width(), k);
        top += k + g / 2;
    }
    set_command_enabled(comTill[0], true);
    set_command_enabled(comTill[1], true);
    place(chkSkrivIn, labText->Left(), top, labText->Width(), k);
    set_command_enabled(chkSkrivIn, true);

    place(comFlytta[0], kRightColumnLeft, key_top[1], kColumnWidth, k);
    place(comFlytta[1], kRightColumnLeft, key_top[4] + g / 4, kColumnWidth, k);
    place(comTaBort, kRightColumnLeft, key_top[7] + g / 2, kColumnWidth, k);

    // The list reaches down to the count line; never less than one key high on a screen
    // too small for the rule.
    const double sh = modSorvinel.screen_height;
    labUppgifter->setAutoSize(true);
    labUppgifter->setHeight(g);
    labUppgifter->setTop(std::max(sh - t - 1.5 * g, labText->Top() + k));
    set_point_size(lstSkrivIn, kListFontPt);
    place(lstSkrivIn, kListLeft, labText->Top(), kListWidth, std::max(sh - t - 4 * g, k));

    make_type_items();

    doc_.start_new(ModSorvinel::operation_sign(start.operation));
    show_exercise_title();
    load_complete = true;

    if (start.latest_wrong_tasks) {
        doc_.start_from_wrong_tasks(doc_.exercise_type(), wrong_tasks);
        show_tasks();
        modSorvinel.duplicates_allowed = true;
        const int left_out =
            exercises::read_exercise_lines(wrong_tasks, doc_.exercise_type(), kMaxExerciseTasks)
                .left_out;
        if (left_out > 0)
            show_message(
                {QStringLiteral("Det fanns ") + QString::number(kMaxExerciseTasks + left_out) +
                     QStringLiteral(" uppgifter. Endast de ") + QString::number(kMaxExerciseTasks) +
                     QStringLiteral(" första lästes in."),
                 vb::vbOKOnly + vb::vbInformation, QStringLiteral("Öppna")});
    } else {
        modSorvinel.duplicates_allowed = false;
    }
    chkSkrivIn->setChecked(modSorvinel.duplicates_allowed);
}
