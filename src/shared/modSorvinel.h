#pragma once
// The shared module: every setting, the drill's shared state and the procedures that
// several windows use. One instance, `modSorvinel`, read and written directly by the forms,
// like the public variables of a module. Tests reset it with `modSorvinel.reset()`.

#include "shared/operation.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class SettingsStore;
class SpeechEngine;
class MainWindowView;

// What the main window shows; keys, speech and the number board act by it.
enum class ScreenState : int {
    MainMenu = 0,
    DrillTypeMenu = 1,
    DrillSetUp = 2, // drill screen set up, or an answer being judged
    TaskShown = 3,  // a task waits for its answer
    EndMenu = 4,
    FileList = 5,
    PanelBase = 6, // never shown: own-selection panel field n is PanelBase + n
    PanelLowFirst = 7,
    PanelLowSecond = 8,
    PanelHighFirst = 9,
    PanelHighSecond = 10,
    PanelCount = 11,
};
// The in-window own-selection panel's fields, 7..11.
constexpr bool is_panel_field(ScreenState s) {
    return s >= ScreenState::PanelLowFirst && s <= ScreenState::PanelCount;
}

// Message window channel kinds.
enum class MessageKind : int {
    Notice = 1, // "Åter"
    Pause = 64, // "Huvudmeny" and a 12-second countdown
};

inline const QString kApplicationName = QStringLiteral("PLOXA Sorvinel");
inline const QString kApplicationTitle = QStringLiteral("Sorvinel");
constexpr int kVersionMajor = 7;
constexpr int kVersionMinor = 1;
constexpr int kVersionRevision = 10;

// Said when a confirmed change of the settings could not reach the settings file.
inline const QString kSettingsWriteError = QStringLiteral("Ett fel uppstod vid skrivning!");

// The limit of every operand and every result.
constexpr int kOperandLimit = 10000;
constexpr int kMillisecondsPerSecond = 1000;

// The most tasks an exercise holds or a file drill uses.
constexpr int kMaxExerciseTasks = 1000;

class ModSorvinel {
public:
    // --- services handed in by main() or a test -------------------------------------
    SettingsStore *store = nullptr;
    // The main window, seen through what the shared procedures may do to it.
    MainWindowView *main_window = nullptr;

    // --- settings (loaded by load_settings) -------------------------------------------
    int settings_lock_state = 0;
    int colour_style = 3;
    QString font_name; // of the task row
    bool beep_on = true;
    bool speak_in_exercises = false;
    bool speak_menus = false;
    bool screen_reader_text_on = false;
    bool reader_text_blanks = true;
    bool reader_text_to_clipboard = false;
    bool check_records = true;
    std::array<long, 5> record_times{0, 0, 0, 0, 0};
    bool number_line_on = false;
    bool show_clock = false;
    bool esc_allowed = true;
    bool show_warning_message = false;
    int number_line_length = 10;
    int number_line_marking = 5;
    int reward_min_tasks = 50;
    int min_task_count = 5;
    int wrong_answer_display = 0;
    int reward_type = 0;
    bool key_repeat_blocked = true;
    bool enter_interrupts = false;
    int board_rows = 2;
    bool number_board_shown = false;
    bool board_clickable = false;
    bool one_key_scanning = false;
    int one_key_interval = 0; // seconds
    bool custom_mouse_pointer = true;
    bool random_order = true;
    QString exercise_folder;
    // The stored folder could not be used at start-up: the program's folder stands in for
    // this run, and the stored one stays in the file.
    bool exercise_folder_stand_in = false;
    int print_size = 0;
    int print_order = 0;

    // --- screen and start-up ------------------------------------------------------------
    long screen_width = 0;    // twips
    double screen_height = 0; // twips
    int font_fit_width = 0;   // twips
    int font_fit_height = 0;  // twips
    int label_font_size = 0;  // points
    int board_key_size = 0;   // twips
    bool speech_available = false;

    // --- drill state --------------------------------------------------------------------
    ScreenState screen_state = ScreenState::MainMenu;
    Operation current_operation = Operation::Addition;
    long task_count = 0;
    long possible_task_count = 0;
    std::array<int, 4> selection_bounds{0, 0, 0, 0};
    bool record_drill_active = false;
    // Whole seconds on the steady clock (platform::monotonic_seconds) when the drill began.
    long drill_start_time = 0;
    long drill_elapsed_seconds = 0;
    bool clock_running = false;
    bool number_board_built = false;
    int board_key = 0; // the number board's current key
    bool number_line_built = false;
    // Drill arrays, second index = task number (see drill/drill_tasks.h for their use).
    std::array<std::vector<int>, 5> task_operands;
    std::array<std::vector<QString>, 3> task_operators;
    std::array<std::vector<int>, 3> task_order;
    std::array<std::vector<int>, 3> wrong_operands;
    std::array<std::vector<QString>, 2> wrong_operators;
    // Operation of the drill that last filled the main window's latest-wrong list.
    Operation latest_errors_operation = Operation::Addition;

    // --- exercise editor channel ----------------------------------------------------
    bool duplicates_allowed = false;
    QString chosen_operator;

    // --- message window channel ---------------------------------------------------------
    QString message_text;
    MessageKind message_kind = MessageKind::Notice;
    bool message_speak = false;
    bool message_go_on = false;

    // --- colours (set by apply_colour_style) ------------------------------------------
    unsigned dim_colour = 0x808080;

    // Back to the state of a fresh start; keeps the services.
    void reset();

    // --- settings (modSorvinel_settings.cpp) -------------------------------------------
    void load_settings();
    void reset_exercise_folder();
    // Reads `section`/`key`, default `def`; empty when no store is set.
    QString get_setting(const QString &section, const QString &key, const QString &def) const;
    // Writes one key; false when the store could not be written.
    bool save_setting(const QString &section, const QString &key, const QString &value);
    // Runs `change`, whose writes reach the settings file together, in one save. False when
    // they could not: the file is then as it was, and the running program keeps the change.
    bool write_settings(const std::function<void()> &change);
    // The folder of user files ("the program's folder"), created on first use.
    static QString program_folder();
    // The folder where the one-time import looks for sorvinel.ini.
    static QString windows_directory();

    // --- speech and screen-reader output (modSorvinel_output.cpp) --------------------
    bool speech_on_for_screen() const;
    void speak_text(const QString &text);
    void show_screen_reader_text(const QString &text, bool unused = false);
    // The text as show_screen_reader_text writes it into the field (spaced out or not).
    QString screen_reader_field_text(const QString &text) const;
    void park_mouse_pointer();
    static QString respell_for_speech(const QString &text);
    static QString spaced_reader_text(const QString &text);
    static QString clipboard_text_for(const QString &fieldText);

    // --- task utilities (modSorvinel_tasks.cpp) ----------------------------------------
    static void parse_task(const QString &line, QString &op, int &first, int &second,
                           bool &first_found, bool &ok, QString &message);
    static void count_possible_tasks(long &count, Operation operation, int first_from, int first_to,
                                     int second_from, int second_to);
    static QString format_duration(long seconds);
    static QString path_directory(const QString &path);
    static QString path_file_name(const QString &path);

    // --- presentation procedures of the main window (modSorvinel_presentation.cpp) -------
    void apply_colour_style(int style);
    void build_number_board(bool mode, bool &built, int rows);
    // Marks `key` as the board's current key; nothing when it is marked already.
    void paint_number_board(int key);
    void layout_number_line(int length, int &marking);
    void show_number_line(int length, bool visible);
    void apply_mouse_pointer();
    void setup_clock();
    // Starts or stops one-key scanning at the one-key interval.
    void set_one_key_scanning(bool on);

    // Operation helpers.
    static QString operation_name(Operation operation); // "Addition" .. "Blandat"
    static QString operation_sign(Operation operation); // "+", "-", "*", "/", "¤"
};

extern ModSorvinel modSorvinel;
