#pragma once
// The exercise editor: one exercise at a time, typed, generated, ordered and stored as an
// exercise file. The exercise itself (tasks, type, file, saved state) is the document; the
// window shows it and runs its commands. The main window makes a fresh editor each time it
// shows one. Member functions are split over frmSkrivIn_*.cpp by concern.

#include "exercises/editor_tag.h"
#include "exercises/exercise_document.h"
#include "exercises/list_tools.h"
#include "exercises/task_entry.h"
#include "platform/controls.h"

#include <QDialog>
#include <QSet>
#include <array>
#include <functional>

class QAbstractButton;
class QAction;
class QCheckBox;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;

class frmSkrivIn : public QDialog {
    Q_OBJECT
public:
    static constexpr int kKeyCount = 12;
    static constexpr int kCorrectionKey = 10;
    static constexpr int kOperatorKey = 11;
    static constexpr int kTypeCount = 5;

    // `start` is the main window's Tag; `wrong_tasks` are its latest wrong tasks, the
    // exercise when the start asks for them.
    frmSkrivIn(QWidget *owner, exercises::EditorStart start, const QStringList &wrong_tasks = {});

    // Channel to the fill-out and reduce dialogs: the type out, their outcome back.
    exercises::EditorTag Tag;

    // --- controls ------------------------------------------------------------------------
    QMenuBar *menu_bar = nullptr;
    QWidget *form = nullptr; // the client area under the menu bar
    QLabel *imaRekord = nullptr;
    VbLabel *labSkrivIn = nullptr;
    VbLabel *labText = nullptr;
    VbLabel *labUppgifter = nullptr;
    std::array<QPushButton *, kKeyCount> comSiffra{};
    std::array<QPushButton *, 3> comTill{};
    QCheckBox *chkSkrivIn = nullptr;
    QListWidget *lstSkrivIn = nullptr;
    QListWidget *lstSortera = nullptr;
    QListWidget *lstDubletter = nullptr;
    std::array<QPushButton *, 2> comFlytta{};
    QPushButton *comTaBort = nullptr;

    // --- menus ---------------------------------------------------------------------------
    QMenu *menArkiv = nullptr;
    QMenu *menNy = nullptr;
    std::array<QAction *, kTypeCount> menAktRS{};
    QAction *menOeppna = nullptr;
    QAction *menInfoga = nullptr;
    QAction *menSpara = nullptr;
    QAction *menSparaSom = nullptr;
    QAction *menTaBort = nullptr;
    QAction *menSkrivUt = nullptr;
    QAction *menInstaellning = nullptr;
    QAction *menAvsluta = nullptr;
    QMenu *menVerktyg = nullptr;
    QMenu *menGenerera = nullptr;
    QAction *menFyllUt = nullptr;
    QAction *menEgetUrval = nullptr;
    QMenu *menSortera = nullptr;
    QAction *menStigande = nullptr;
    QAction *menFallande = nullptr;
    QAction *menIoordning = nullptr;
    QMenu *menReducera = nullptr;
    QAction *menTaBortSlump = nullptr;
    QAction *menExtra = nullptr;
    QAction *menTaBortDubletter = nullptr;
    QMenu *menInst = nullptr;

    // --- form fields ---------------------------------------------------------------------
    bool print_in_progress = false;
    bool load_complete = false;
    bool keypad_ready = false;
    int duplicate_count = 0;

    exercises::ExerciseDocument &document() { return doc_; }
    const exercises::ExerciseDocument &document() const { return doc_; }

    // --- set-up (frmSkrivIn_load.cpp) ------------------------------------------------------
    void Form_Load(exercises::EditorStart start, const QStringList &wrong_tasks);

    // --- task view and menu states (frmSkrivIn_view.cpp) -------------------------------------
    // Window caption from the document; the operator key shows its type.
    void show_exercise_title();
    void update_task_view(int index);
    int selected_task_index() const;
    // Brings lstSkrivIn in line with the document's tasks.
    void show_tasks();
    void lstSkrivIn_Click();
    void chkSkrivIn_Click();
    void menArkiv_Click();
    void menVerktyg_Click();

    // --- file commands (frmSkrivIn_file.cpp) ---------------------------------------------------
    // Writes the list to the current file.
    void write_exercise_file();
    void save_exercise_as();
    void open_exercise_file();
    void insert_exercise_file();
    bool ask_save_changes();
    bool confirm_minimum_count();
    void menAktRS_Click(int index);
    void menOeppna_Click();
    void menInfoga_Click();
    void menSpara_Click();
    void menSparaSom_Click();
    void menTaBort_Click();
    void menAvsluta_Click();
    // True when the window must stay open.
    bool Form_QueryUnload();

    // --- worksheet printing (frmSkrivIn_print.cpp) --------------------------------------------
    void menSkrivUt_Click();
    void menInstaellning_Click();
    // The print line of a task line of this exercise.
    QString format_task_for_print(const QString &task) const;

    // --- task entry and list editing (frmSkrivIn_entry.cpp) ------------------------------------
    void comSiffra_Click(int index);
    void labText_Change();
    int typed_operand_length() const;
    // `key_ascii` is set to 0 when the entry took the key.
    void Form_KeyPress(int &key_ascii);
    void comTill_Click(int index);
    void add_typed_task(exercises::entry::Placement placement, const QString &sign);
    void comFlytta_Click(int index);
    void comTaBort_Click();

    // --- list tools (frmSkrivIn_list_tools.cpp) -------------------------------------------------
    void sort_tasks(exercises::SortMode mode);
    void menStigande_Click();
    void menFallande_Click();
    void menIoordning_Click();
    void menTaBortDubletter_Click();
    void menTaBortSlump_Click();

    // --- generating (frmSkrivIn_generate.cpp) ----------------------------------------------------
    void menFyllUt_Click();
    void menEgetUrval_Click();
    void menExtra_Click();

    // --- commands of the other editor areas -----------------------------------------------
    // A control whose command is not installed stays disabled, whatever its rule says.
    void install_command(QAction *action, std::function<void()> handler);
    void install_command(QAbstractButton *button, std::function<void()> handler);
    bool has_command(const QObject *control) const { return commands_.contains(control); }
    void set_command_enabled(QAction *action, bool rule);
    void set_command_enabled(QWidget *control, bool rule);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Keys typed anywhere in the editor reach the entry first.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void create_controls();
    void create_menus();
    void make_type_items();
    void connect_own_commands();
    // Each area installs its commands in its own file; until then they stay disabled.
    void connect_entry_commands();
    void connect_list_tool_commands();
    void connect_generate_commands();
    void connect_print_commands();
    // The keypad keys exist only once the load has made them.
    void connect_keypad_commands();
    void set_entry(const QString &entry);
    // The operator key with `sign`; "¤" asks the chooser.
    void press_operator_key(const QString &sign);
    void focus_place_last();
    // Hands the type to a fill-out or reduce dialog, shows it and takes a Done list in.
    void run_list_dialog(const std::function<void()> &show_dialog);

    void show_message(const exercises::MessageText &message);
    void show_notice(const exercises::CommandOutcome &outcome);
    // Shows a changed document: tasks, title and the first task selected.
    void show_document_changed(bool allow_duplicates);
    void reset_entry();

    exercises::ExerciseDocument doc_;
    QSet<const QObject *> commands_;
    bool in_list_click_ = false;
};
