#pragma once
// The main window: start-up, the drill screen and every input path. It covers the
// screen; its controls are placed in twips by fixed proportions of the screen, once.
// Member functions live in several files by concern (frmSorvinel_*.cpp).

#include "platform/controls.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QProgressBar>
#include <QTimer>
#include <array>
#include <memory>

class SpeechEngine;
class QMenu;
class QAction;

class frmSorvinel : public QMainWindow {
    Q_OBJECT
public:
    // `speech` becomes the window's speech control tspSorvinel.
    explicit frmSorvinel(SpeechEngine *speech, QWidget *parent = nullptr);
    ~frmSorvinel() override;

    // The start-up sequence; returns when the main menu is shown.
    void Form_Load();
    void Form_Resize();
    void Form_Unload();

    // The form's `Tag` string: the operation handed to dialogs, or their answer.
    QString Tag;

    // --- controls --------------------------------------------------------------------
    QWidget *form = nullptr;  // the client area; every control below lives on it
    VbLabel *labMeny = nullptr;
    ControlArray<VbLabel> labMenyVal;
    ControlArray<VbLabel> imaMeny;
    ControlArray<VbShape> shaRam;
    ControlArray<VbLine> linRam;
    ControlArray<VbLabel> imaRam;
    ControlArray<VbLabel> labTal;
    ControlArray<VbLabel> labResultat;
    ControlArray<VbLabel> labFakta;
    QProgressBar *pbaMusse = nullptr;
    ControlArray<VbLabel> labSiffertavla;
    VbShape *shaSiffertavla = nullptr;
    VbLine *linTallinje = nullptr;
    ControlArray<VbLine> linTalindex;
    ControlArray<VbLabel> labTalindex;
    ControlArray<VbLabel> labUrval;
    VbLabel *labFilnamn = nullptr;
    FileListBox filSorvinel;
    VbLabel *picUpp = nullptr;
    VbLabel *picNer = nullptr;
    QListWidget *lstFel = nullptr;
    QLineEdit *txtJaws = nullptr;
    SpeechEngine *tspSorvinel = nullptr;
    QTimer *timKlocka = nullptr;
    ControlArray<VbLabel> picDig;
    QTimer *timEnTangent = nullptr;
    QTimer *timPrata = nullptr;

    // --- menu bar ----------------------------------------------------------------------
    QMenu *menArkiv = nullptr;
    QAction *menAvsluta = nullptr;
    QMenu *menTabelltraening = nullptr;
    QMenu *menVal = nullptr;
    // Per operation: the submenu under menVal and its three drill items.
    std::array<QMenu *, 5> menOperationVal{};        // menAdditionVal .. menBlandatVal
    std::array<QAction *, 5> menTill10an{};          // menAdditonTill10an ..
    std::array<QAction *, 5> menEgeturval{};         // menAdditionEgeturval ..
    std::array<QAction *, 5> menOevningarDrill{};    // menAdditionOevningar ..
    QAction *menRekord = nullptr;
    QAction *menAvbryt = nullptr;
    QMenu *menVerktyg = nullptr;
    QMenu *menOevningar = nullptr;
    std::array<QAction *, 5> menEditor{};            // menAddition .. menBlandat
    QAction *menSenasteFel = nullptr;
    QMenu *menInstaellning = nullptr;
    QAction *menAendra = nullptr;
    QAction *menVisa = nullptr;
    QAction *menLaas = nullptr;
    QMenu *menHjaelp = nullptr;
    QAction *menInnehaall = nullptr;
    QAction *menOm = nullptr;

    // --- form fields -------------------------------------------------------------------
    int menu_font_size = 0;
    int number_gap = 0;
    bool key_held = false;
    int task_index = 0;
    int pass_length = 0;
    int wrong_count = 0;
    int error_count = 0;
    QString typed_text;
    bool first_try = true;
    int current_menu_item = 0;
    QString spoken_prefix;
    int field_min = 0;
    int field_max = 0;
    int panel_low_first = 0;
    int panel_low_second = 0;
    int panel_high_first = 0;
    int panel_high_second = 0;
    int file_index = 0;
    int board_key = 0;

    // --- start-up and layout (frmSorvinel_layout.cpp) ------------------------------------
    void set_captions();
    void layout_controls();

    // --- on-screen menus (frmSorvinel_menu.cpp) -----------------------------------------
    void show_main_menu();

    // --- keys (frmSorvinel_keys.cpp) ----------------------------------------------------
    // Every key of the window ends here; `keyCode` may be set to 0 to swallow it.
    void Form_KeyDown(int &keyCode, int shift);
    void Form_KeyUp(int &keyCode, int shift);

    // --- menu bar (frmSorvinel_menus.cpp) ------------------------------------------------
    void create_menu_bar();
    void menOm_Click();
    // Each area wires and enables the menu-bar commands of its own windows
    // (frmSorvinel_commands_<area>.cpp); until then those items stay disabled.
    void connect_drill_commands();
    void connect_editor_commands();
    void connect_own_selection_commands();
    void connect_settings_commands();

    // --- exercise editor (frmSorvinel_commands_editor.cpp) ----------------------------
    // menAddition_Click .. menBlandat_Click: a new exercise of that operation.
    void menEditor_Click(int operation);
    // The latest wrong tasks as an exercise.
    void menSenasteFel_Click();
    // Shows a fresh editor modally for `Tag`.
    void show_exercise_editor();

    // --- settings dialog (frmSorvinel_commands_settings.cpp) --------------------------
    // "Ändra": the settings dialog, editable unless locked.
    void menAendra_Click();
    // "Visa": the settings dialog view-only while it is open.
    void menVisa_Click();

    // --- screen-reader field (frmSorvinel_reader.cpp) ---------------------------------
    void txtJaws_Change();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void create_controls();
    int resize_stage_ = 0;
    bool loaded_ = false;
};
