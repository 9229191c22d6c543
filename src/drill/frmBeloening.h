#pragma once
// The reward window after an error-free drill. Its load step keeps the record list (a
// "Till 10:an" drill that beats the best time stores it at once); then rings in two
// alternating colours fill the screen, a disc in the middle is cleared for one of two
// pictures (new record or not), and the rings round it flicker until a click or a key.
// The rings are drawn on a backing image in units of kRingUnitPx pixels.

#include "drill/drill_windows.h"
#include "drill/reward_logic.h"
#include "platform/controls.h"

#include <QDialog>
#include <QImage>

class QTimer;

class frmBeloening : public QDialog {
    Q_OBJECT
public:
    // One ring unit in pixels; rings are one unit wide, so they read as stripes.
    static constexpr int kRingUnitPx = 3;
    static constexpr int kPicturePx = 480;
    static constexpr int kPictureRecord = 0;
    static constexpr int kPictureNormal = 1;
    static constexpr int kStartMs = 1;
    static constexpr int kClearMs = 300;
    // About one frame of the display: faster ticks would show nothing more and would only
    // pile up beeps.
    static constexpr int kFlickerMs = 16;

    explicit frmBeloening(QWidget *parent = nullptr);
    ~frmBeloening() override;

    ControlArray<VbLabel> picEtt;
    QTimer *timBel = nullptr;
    QTimer *timRub = nullptr;
    QTimer *timSkak = nullptr;

    bool reward_ready = false;
    bool new_record = false;
    int background_colour = reward::Palette::Blue; // palette index
    double centre_x = 0;                           // ring units
    double centre_y = 0;
    int outer_radius = 0;
    int inner_radius = 0;
    // Ring colours a and b, the colour the last pass started from, and the flicker ticks.
    reward::FlickerState rings;

    void Form_Load();
    void boerja();
    void timBel_Timer();
    void timRub_Timer();
    void timSkak_Timer();
    void Form_Click();
    void Form_KeyPress();
    void picEtt_Click(int index);

    bool flicker_running() const;
    const QImage &canvas() const { return canvas_; }
    const ModalKeys &keys() const { return keys_; }
    ModalKeys &keys() { return keys_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void reject() override;

private:
    void draw_ring(int radius, int colour);
    void close_if_flickering();

    QImage canvas_;
    ModalKeys keys_;
    bool closing_ = false;
};
