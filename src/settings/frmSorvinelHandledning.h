#pragma once
// The guide window: the program's built-in guide (a text resource), over the whole
// screen, in two text sizes, read aloud in parts when a voice exists, and printed.
// A fresh window is made for each opening, so it always starts at the smaller size.

#include <QColor>
#include <QDialog>
#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class SpeechEngine;

class frmSorvinelHandledning : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSizeButtons = 2;

    // `back_colour` is the main window's background, which the guide takes over.
    explicit frmSorvinelHandledning(QWidget *owner = nullptr, const QColor &back_colour = {});

    // The guide as shipped with the program.
    static QString guide_text();

    // The main window's speech control, lent while the window is open (only when a voice
    // exists); never owned.
    SpeechEngine *speech_control = nullptr;

    QMenuBar *menu_bar = nullptr;
    QWidget *form = nullptr; // the client area under the menu bar
    QPlainTextEdit *txtHandledning = nullptr;
    std::array<QPushButton *, kSizeButtons> comStorlek{};
    QPushButton *cmdLaes = nullptr;
    QMenu *menArkiv = nullptr;
    QAction *menSkrivUt = nullptr;
    QAction *l1 = nullptr;
    QAction *menStaeng = nullptr;

    void Form_Load(const QColor &back_colour);
    // Index 0: 12 points, index 1: 20 points; the other button then shows.
    void comStorlek_Click(int index);
    void cmdLaes_Click();
    void menSkrivUt_Click();
    void menStaeng_Click();
    void Form_Unload();

    void done(int result) override;

private:
    void create_controls();
    bool unloaded_ = false;
};
