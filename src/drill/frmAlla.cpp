#include "drill/frmAlla.h"
#include "platform/system.h"
#include "platform/vb.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace {
constexpr unsigned kCanvasColour = 0xFFFFFF;

// The canvas hands its painting to the window, which knows the sprites.
class SpriteCanvas : public QWidget {
public:
    SpriteCanvas(frmAlla *owner) : QWidget(owner), owner_(owner) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        owner_->paint_canvas(p);
    }

private:
    frmAlla *owner_;
};
} // namespace

frmAlla::frmAlla(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setModal(true);
    setFocusPolicy(Qt::StrongFocus);
    Picture2 = new SpriteCanvas(this);
    Picture1 = QPixmap(":/celebration-1.svg");
    Picture3 = QPixmap(":/celebration-2.svg");
    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    const platform::ScreenMetrics m = platform::screen_metrics();
    setGeometry(0, 0, m.width_px, m.height_px);
    Form_Load();
    Timer1->start(kTickMs);
}

frmAlla::~frmAlla() = default;

void frmAlla::Form_Load() {
    const platform::ScreenMetrics m = platform::screen_metrics();
    stage.width = m.width_px * m.twips_per_pixel_x;
    stage.height = m.height_px * m.twips_per_pixel_y;
    stage.arc_length = reward::arc_length_for(stage.width, m.twips_per_pixel_x);
    Picture2->setGeometry(0, 0, m.width_px, m.height_px);
    Picture2->raise();

    sprite1.width = Picture1.width() * m.twips_per_pixel_x;
    sprite1.height = Picture1.height() * m.twips_per_pixel_y;
    sprite2.width = Picture3.width() * m.twips_per_pixel_x;
    sprite2.height = Picture3.height() * m.twips_per_pixel_y;
    reward::place_sprites(sprite1, sprite2, stage);
    platform::randomize();
}

void frmAlla::Timer1_Timer() {
    reward::move_sprites(sprite1, sprite2, stage, platform::rnd);
    Picture2->update();
    reward::turn_sprites(sprite1, sprite2, stage, platform::rnd);
}

void frmAlla::paint_canvas(QPainter &painter) const {
    painter.fillRect(Picture2->rect(), vb::ole_color(kCanvasColour));
    painter.drawPixmap(vb::twips_to_px_x(sprite1.x), vb::twips_to_px_y(sprite1.y), Picture1);
    painter.drawPixmap(vb::twips_to_px_x(sprite2.x), vb::twips_to_px_y(sprite2.y), Picture3);
}

void frmAlla::Form_KeyPress(int keyCode) {
    // Enter as well as Esc: a child who drives the program with one key has only Enter.
    if (keyCode != vb::key::Escape && keyCode != vb::key::Return)
        return;
    keys_.closing_by_key();
    Timer1->stop();
    accept();
}

void frmAlla::keyPressEvent(QKeyEvent *event) {
    // A held Enter (the answer that ended the drill) must not end the celebration at once.
    if (vb::is_auto_repeat(event) || !keys_.pressed(event))
        return;
    Form_KeyPress(vb::key_code(event));
}

void frmAlla::keyReleaseEvent(QKeyEvent *event) {
    if (!vb::is_auto_repeat(event))
        keys_.released(event);
}
