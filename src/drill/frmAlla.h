#pragma once
// The celebration after an error-free drill: two pictures glide to and fro over the whole
// screen along sine-shaped arcs, turn at the edges and bounce off each other, until Esc or
// Enter. It keeps no score and writes nothing. Positions are in twips (see reward_logic.h).

#include "drill/drill_windows.h"
#include "drill/reward_logic.h"

#include <QDialog>
#include <QPixmap>

class QTimer;

class frmAlla : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTickMs = 10;

    explicit frmAlla(QWidget *parent = nullptr);
    ~frmAlla() override;

    QWidget *Picture2 = nullptr; // the canvas
    QPixmap Picture1;            // the first sprite
    QPixmap Picture3;            // the second sprite
    QTimer *Timer1 = nullptr;

    reward::Sprite sprite1;
    reward::Sprite sprite2;
    reward::Stage stage;

    void Form_Load();
    void Timer1_Timer();
    // A key by its key code; Esc and Enter close the window.
    void Form_KeyPress(int keyCode);

    // Paints the canvas as the last tick left it.
    void paint_canvas(QPainter &painter) const;
    const ModalKeys &keys() const { return keys_; }
    ModalKeys &keys() { return keys_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    ModalKeys keys_;
};
