#pragma once
// The main window: start-up, the drill screen and every input path. It covers the
// screen; its controls are placed in twips by fixed proportions of the screen, once.
// Member functions live in several files by concern (frmSorvinel_*.cpp).

#include "platform/controls.h"
#include "platform/key_state.h"
#include "platform/screen_reader.h"
#include "shared/main_window_view.h"
// --- drill road ---
#include "drill/drill_pass.h"
#include "exercises/editor_tag.h"
#include "shared/clock_face.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPixmap>
#include <QProgressBar>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

class SpeechEngine;
class QMenu;
class QKeyEvent;
class QAction;
class frmLogin;
enum class ScreenState : int;

class frmSorvinel : public QMainWindow, public MainWindowView {
    Q_OBJECT
public:
    // `speech` becomes the window's speech control tspSorvinel.
    explicit frmSorvinel(SpeechEngine *speech, QWidget *parent = nullptr);
    ~frmSorvinel() override;

    // The start-up sequence; returns when the main menu is shown.
    void Form_Load();
    void Form_Resize();
    void Form_Unload();

    // The form's Tag: what it hands the exercise editor.
    exercises::EditorStart Tag;

    // --- controls --------------------------------------------------------------------
    QWidget *form = nullptr; // the client area; every control below lives on it
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
    // Tells a screen reader each text of txtJaws in one change it speaks.
    std::unique_ptr<platform::ScreenReaderField> txtJaws_reader;
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
    std::array<QMenu *, 5> menOperationVal{};     // menAdditionVal .. menBlandatVal
    std::array<QAction *, 5> menTill10an{};       // menAdditonTill10an ..
    std::array<QAction *, 5> menEgeturval{};      // menAdditionEgeturval ..
    std::array<QAction *, 5> menOevningarDrill{}; // menAdditionOevningar ..
    QAction *menRekord = nullptr;
    QAction *menAvbryt = nullptr;
    QMenu *menVerktyg = nullptr;
    QMenu *menOevningar = nullptr;
    std::array<QAction *, 5> menEditor{}; // menAddition .. menBlandat
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
    // The keys that are down with key repetition off: a press of one of them is its
    // auto-repeat and is ignored. Any other key acts at once.
    platform::KeysDown key_held;
    // The scan code of the key event being handled; 0 for a key code fed in by a click.
    quint32 key_scan_code = 0;
    // The key whose press is being handled, and what happened meanwhile in a window its
    // press opened: let go there, it is not held when the handler ends.
    struct KeyInHand {
        platform::KeyId key;
        bool let_go = false;
        bool window_blocked = false; // a modal window blocked this one
    };
    std::optional<KeyInHand> key_in_hand;
    // The key code being handled comes from a click on the number board.
    bool key_clicked = false;
    // Tells a held key's repeats from real releases where Qt could not.
    platform::KeyReleaseJudge release_judge;
    QString typed_text;
    int current_menu_item = 0;
    QString spoken_prefix;
    int field_min = 0;
    int field_max = 0;
    int panel_low_first = 0;
    int panel_low_second = 0;
    int panel_high_first = 0;
    int panel_high_second = 0;
    int file_index = 0;
    // The number board's current key is the shared module's, which repaints it.
    int &board_key = modSorvinel.board_key;
    // Intervals the scanning timer has stayed on a first item or "OK"; kept for the run.
    int scan_dwell_count = 0;

    // --- start-up and layout (frmSorvinel_layout.cpp) ------------------------------------
    void set_captions();
    void layout_controls();

    // --- on-screen menus (frmSorvinel_onscreen_menus.cpp)
    // -----------------------------------------
    void show_main_menu();

    // --- keys (frmSorvinel_keys.cpp) ----------------------------------------------------
    // Every key of the window ends here; `keyCode` may be set to 0 to swallow it.
    void Form_KeyDown(int &keyCode, int shift);
    void Form_KeyUp(int &keyCode, int shift);

    // --- drill road ---------------------------------------------------------------------
    // On-screen menus (frmSorvinel_onscreen_menus.cpp).
    void show_drill_type_menu(const QString &caption);
    void show_drill_type_items();
    void select_till10_from_menu(Operation operation, int &item);
    void labMenyVal_Click(int index);
    void labMenyVal_MouseMove(int index);
    void highlight_menu_item(int item);
    // The key code when a live menu item has it as hot key (`item` then gets its index),
    // else -1 with `item` unchanged.
    int menu_item_for_key(int keyCode, int &item) const;
    void hide_menu_images();
    void show_menu_images();
    void hide_result_labels();
    void wire_menu_item(int index);
    // Generation, passes and result (frmSorvinel_drill.cpp).
    void generate_selection_tasks(int first_low, int first_high, int second_low, int second_high,
                                  long count);
    void fyll_med_alla(int &k, Operation operation, int first_low, int first_high, int second_low,
                       int second_high);
    void make_random_order(int n, bool from_tasks);
    // Every road into a drill ends here: the drill arrays hold the prepared tasks in asking
    // order (generated, loaded or ordered again); the counters start at 0, the drill screen
    // is set up and the first task shown. With no task, no drill starts.
    void start_drill();
    void start_drill_screen();
    void show_next_task();
    void build_task_speech(bool for_reader);
    void check_answer(bool &answer_ok);
    void show_result();
    void show_end_menu();
    void hide_task_display();
    void visa_tid();
    // The message window with `text` of `kind` (MessageKind); sets modSorvinel.message_go_on.
    void show_message(const QString &text, MessageKind kind);
    // Answer entry (frmSorvinel_keys.cpp).
    void type_character(int keyCode);
    void erase_last_character();
    void commit_input();
    void collect_status_text(QString &text) const;
    // Esc and an interrupted answer: the drill is dropped and the main menu shown.
    void leave_to_main_menu();
    // The running drill and the one home of its counters.
    drill::DrillSession &drill_session();
    std::unique_ptr<drill::DrillSession> drill_session_;
    bool drill_running = false;

    // --- drill windows and commands ---
    // Menu-bar commands of the drill (frmSorvinel_commands_drill.cpp).
    void menTill10an_Click(Operation operation);
    void menRekord_Click();
    void menAvbryt_Click();
    // Opening "Tabellövning": drills can be chosen only from the main menu.
    void menTabelltraening_Click();
    // Opening "Verktyg": the lock item's caption follows the lock state.
    void menVerktyg_Click();
    // Abandons the current screen: the exercise-file list goes back to the drill-type menu,
    // every other screen to the main menu, the drill dropped without result or record.
    void back_to_main_menu();

    // --- menu bar (frmSorvinel_menu_bar.cpp) ------------------------------------------------
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
    void menEditor_Click(Operation operation);
    // The latest wrong tasks as an exercise.
    void menSenasteFel_Click();
    // Shows a fresh editor modally for `Tag`.
    void show_exercise_editor();

    // --- own selection (frmSorvinel_commands_own_selection.cpp) ------------------------
    // "Eget urval" of the menu bar: the own-selection dialog, then the drill it chose.
    void menAdditionEgeturval_Click();
    void menSubtraktionEgeturval_Click();
    void menMultiplikationEgeturval_Click();
    void menDivisionEgeturval_Click();
    void own_selection_from_menu(Operation operation);

    // --- exercise-file drills (frmSorvinel_file_drills.cpp) ----------------------------
    void connect_file_drill_commands();
    // "Övningar" of the drill-type menu: the files of the operation, one name at a time.
    void show_exercise_list();
    void picNer_MouseDown();
    void picNer_MouseUp();
    void picUpp_MouseDown();
    void picUpp_MouseUp();
    void jump_to_file_by_letter(int keyCode);
    QString file_display_name() const;
    void labFilnamn_Change();
    // Opens the shown file; with the name emptied (abort) goes back to the drill-type menu.
    void labFilnamn_Click();
    void open_chosen_exercise();
    // "Övningar..." of the menu bar: the open dialog filtered by the operation.
    void menOevningar_Click(Operation operation);
    void open_exercise_dialog(bool show_dialog);
    // Reads the file and starts its drill; true when the drill started.
    bool load_exercise_file(const QString &path, bool from_dialog);
    bool shuffle_loaded_file = false;
    Operation exercise_dialog_operation = Operation::Addition;
    // The arrow pictures: 0 down pressed, 1 down, 2 up pressed, 3 up.
    std::array<QPixmap, 4> imaKnapp;

    // --- own-selection panel (frmSorvinel_panel.cpp) -----------------------------------
    void show_selection_panel();
    void draw_selection_panel(int &low_first, int &high_first, int &low_second, int &high_second);
    void selection_field_limits(ScreenState field);
    void hide_selection_lines();
    // Enter and Backspace on an empty field, as the panel takes them.
    void commit_selection_field();
    void step_back_selection_field();

    // --- settings dialog (frmSorvinel_commands_settings.cpp) --------------------------
    // "Ändra": the settings dialog, editable unless locked.
    void menAendra_Click();
    // "Visa": the settings dialog view-only while it is open.
    void menVisa_Click();
    // "Handledning" (F1): the guide; one-key scanning waits while it is open, so the menu
    // speech cannot cut off the guide's reading aloud.
    void menInnehaall_Click();
    // "Vyk": the settings lock, made on first use and kept for the run.
    void menLaas_Click();
    frmLogin *lock_dialog = nullptr;

    // --- number board (frmSorvinel_board.cpp) and one-key scanning (frmSorvinel_scanning.cpp)
    void labSiffertavla_Click(int index);
    void labSiffertavla_MouseDown(int index);
    void labSiffertavla_MouseMove(int index);
    void labSiffertavla_MouseUp(int index);
    void wire_board_key(int index);
    // Key 0 as designed: "0", hidden, opaque, centred, framed, Arial 48 pt.
    void create_number_board_key();
    void timEnTangent_Timer();

    // --- screen-reader field (frmSorvinel_reader.cpp) ---------------------------------
    void txtJaws_Change();
    // Mouse events of the field park the pointer; true when the event is handled.
    bool txtJaws_Mouse(QEvent::Type type);

    // --- what the shared module may do to the window (frmSorvinel_view.cpp) ------------
    QString design_number_font() const override;
    NumberFont fit_number_font(const QString &family, int width, int height) override;
    void set_number_font(const QString &family, double points) override;
    NumberFont number_font() const override;
    void apply_colours(const ColourScheme &scheme) override;
    unsigned background_colour() const override;
    unsigned number_colour() const override;
    void set_number_board_visible(bool visible) override;
    void show_board_from_ok();
    QSizeF board_digit_extent(int points) override;
    double board_digit_points() const override;
    double board_top() const override;
    void place_number_board(const number_board::Layout &layout, int digit_points,
                            int ok_points) override;
    void remove_number_board() override;
    number_board::KeyLook board_key_look(int key) const override;
    void set_board_key_look(int key, const number_board::KeyLook &look) override;
    void set_number_line_visible(int last_index, bool visible) override;
    void build_number_line(int length, int marking) override;
    void remove_number_line(int length) override;
    void set_mouse_pointer(const QCursor &pointer) override;
    QPixmap mouse_pointer_picture() const override;
    void set_clock_running(bool running) override;
    void set_one_key_scanning(bool on, int interval_ms) override;
    SpeechEngine *speech() const override;
    void set_reader_field_visible(bool visible) override;
    void set_reader_text(const QString &text) override;
    QString reader_text() const override;
    QPoint reader_field_centre() const override;
    bool set_exercise_folder(const QString &folder) override;
    void repaint_view() override;

    // --- looks: colours, pointer, number line, clock (frmSorvinel_looks.cpp, _clock.cpp) --
    // Gives `control` the pointer of clickable items (our hand when the setting is on).
    void point_at_clickable(QWidget *control) const;
    // The clock toggle: stops it when running, otherwise lays it out and starts it.
    void update_clock();
    void timKlocka_Timer();
    VbLine *clock_band = nullptr; // linRam(2), loaded while the clock runs
    QCursor clickable_pointer{Qt::ArrowCursor};
    std::unique_ptr<clock_face::ClockFace> clock_face_;
    QPixmap digit_strip_;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void note_key_elsewhere(const QKeyEvent *ke);

private:
    void create_controls();
    int resize_stage_ = 0;
    bool loaded_ = false;
};
