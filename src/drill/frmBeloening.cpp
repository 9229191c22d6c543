#include "drill/frmBeloening.h"
#include "platform/message_box.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {
const char *const kPictures[] = {":/reward-record.svg", ":/reward.svg"};

bool is_modifier(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}
} // namespace

frmBeloening::frmBeloening(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), picEtt(this) {
    setModal(true);
    setFocusPolicy(Qt::StrongFocus);
    picEtt.load(1);
    for (int i = 0; i < 2; ++i) {
        VbLabel *pic = picEtt[i];
        pic->setPixmap(QPixmap(kPictures[i]).scaled(kPicturePx, kPicturePx));
        pic->setScaledContents(true);
        pic->setAutoSize(true);
        pic->hide();
        connect(pic, &VbLabel::clicked, this, [this, i] { picEtt_Click(i); });
    }

    timBel = new QTimer(this);
    timRub = new QTimer(this);
    timSkak = new QTimer(this);
    timSkak->setTimerType(Qt::PreciseTimer);
    connect(timBel, &QTimer::timeout, this, [this] { timBel_Timer(); });
    connect(timRub, &QTimer::timeout, this, [this] { timRub_Timer(); });
    connect(timSkak, &QTimer::timeout, this, [this] { timSkak_Timer(); });

    // The rings are centred on the window and the pictures on the screen: the window covers
    // the screen so that both centres meet.
    const platform::ScreenMetrics m = platform::screen_metrics();
    setGeometry(0, 0, m.width_px, m.height_px);
    canvas_ = QImage(m.width_px, m.height_px, QImage::Format_RGB32);

    Form_Load();
    timBel->start(kStartMs);
}

frmBeloening::~frmBeloening() = default;

void frmBeloening::Form_Load() {
    platform::randomize();
    reward_ready = false;
    const reward::RecordOutcome record = reward::store_record_if_better(modSorvinel);
    new_record = record.new_record;
    // The window has no caption: the message takes the program's title.
    if (!record.saved)
        platform::msg_box(kSettingsWriteError, vb::vbOKOnly | vb::vbInformation, windowTitle(),
                          this);
    const reward::RingColours colours = reward::ring_colours(new_record);
    background_colour = colours.background;
    rings.colour_a = colours.a;
    rings.colour_b = colours.b;
    canvas_.fill(vb::ole_color(reward::palette_colour(background_colour)));
    reward_ready = true;
}

void frmBeloening::timBel_Timer() {
    if (!reward_ready)
        return;
    const platform::ScreenMetrics m = platform::screen_metrics();
    for (VbLabel *pic : picEtt)
        pic->move((m.width_px - pic->width()) / 2, (m.height_px - pic->height()) / 2);
    timBel->stop();
    boerja();
}

void frmBeloening::draw_ring(int radius, int colour) {
    QPainter p(&canvas_);
    QPen pen(vb::ole_color(reward::palette_colour(colour)));
    pen.setWidth(kRingUnitPx);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double r = double(radius) * kRingUnitPx;
    p.drawEllipse(QPointF(centre_x * kRingUnitPx, centre_y * kRingUnitPx), r, r);
}

void frmBeloening::boerja() {
    centre_x = double(canvas_.width()) / kRingUnitPx / 2;
    centre_y = double(canvas_.height()) / kRingUnitPx / 2;
    outer_radius = reward::outer_radius(centre_x, centre_y);
    rings.colour_last = rings.colour_a;
    int c = rings.colour_a;
    for (int radius = 0; radius <= outer_radius; ++radius) {
        c = reward::next_ring_colour(c, rings.colour_a, rings.colour_b);
        draw_ring(radius, c);
    }
    update();
    timRub->start(kClearMs);
}

void frmBeloening::timRub_Timer() {
    timRub->stop();
    const VbLabel *pic = picEtt[kPictureRecord];
    inner_radius = reward::inner_radius(double(pic->width()) / kRingUnitPx,
                                        double(pic->height()) / kRingUnitPx);
    {
        // The cleared disc: every ring up to inner_radius in the background colour.
        QPainter p(&canvas_);
        const QColor bg = vb::ole_color(reward::palette_colour(background_colour));
        p.setPen(Qt::NoPen);
        p.setBrush(bg);
        const double r = (inner_radius + 0.5) * kRingUnitPx;
        p.drawEllipse(QPointF(centre_x * kRingUnitPx, centre_y * kRingUnitPx), r, r);
    }
    picEtt[new_record ? kPictureRecord : kPictureNormal]->show();
    update();
    timSkak->start(kFlickerMs);
}

void frmBeloening::timSkak_Timer() {
    if (modSorvinel.beep_on)
        platform::beep();
    platform::randomize();
    const int step = reward::flicker_step(rings, platform::rnd);
    int c = rings.colour_last;
    for (int radius = inner_radius; radius <= outer_radius; radius += step) {
        c = reward::next_ring_colour(c, rings.colour_a, rings.colour_b);
        draw_ring(radius, c);
    }
    update();
}

bool frmBeloening::flicker_running() const {
    return timSkak->isActive();
}

void frmBeloening::close_if_flickering() {
    if (!flicker_running() || closing_)
        return;
    closing_ = true;
    timSkak->stop();
    accept();
}

void frmBeloening::Form_Click() {
    close_if_flickering();
}
void frmBeloening::picEtt_Click(int) {
    close_if_flickering();
}

void frmBeloening::Form_KeyPress() {
    if (flicker_running())
        keys_.closing_by_key();
    close_if_flickering();
}

void frmBeloening::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.drawImage(0, 0, canvas_);
}

void frmBeloening::keyPressEvent(QKeyEvent *event) {
    // A held Enter (the answer that ended the drill) repeats; only a fresh press counts.
    if (vb::is_auto_repeat(event) || is_modifier(event->key()) || !keys_.pressed(event))
        return;
    Form_KeyPress();
}

void frmBeloening::keyReleaseEvent(QKeyEvent *event) {
    if (!vb::is_auto_repeat(event))
        keys_.released(event);
}

void frmBeloening::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        Form_Click();
}

// Closing from outside follows the same rule as a click.
void frmBeloening::reject() {
    close_if_flickering();
}
