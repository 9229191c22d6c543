#pragma once
// The exercise being edited: its type, its task lines, the file it belongs to and whether
// the file holds what the list holds. The editor window shows it and drives the commands
// below; every question or notice a command needs comes back as text for the window to show.

#include "exercises/exercise_file.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace exercises {

inline const QString kUnnamedPath = QStringLiteral("[namnlös]");

// One message box: text, style (sum of the vb:: styles) and title.
struct MessageText {
    QString text;
    int style = 0;
    QString title;
};

// What a file command did.
struct CommandOutcome {
    bool done = false;                 // the document changed as the command intends
    bool allow_duplicates = false;     // tasks came from a file: tick "Dubbletter kan finnas"
    std::optional<MessageText> notice; // to show after the command, information icon and OK
};

// Selection and buttons of the task list for one selected index.
struct TaskView {
    int selected = -1;         // index to select; -1 for an empty list
    bool place_before = false; // "Före markerad"
    bool move_up = false;
    bool move_down = false;
    bool remove = false;
    QString count_label; // " Uppgift i av n "; empty means hidden
};

struct FileMenuState {
    bool save = false;
    bool save_as = false;
    bool remove_saved = false;
    QString remove_saved_caption;
    bool print_saved = false;
    QString print_saved_caption;
    bool insert = false;
};

struct ToolsMenuState {
    bool fill_out = false;
    bool own_selection = false;
    bool generate = false;
    bool sort = false;
    bool tens_crossings = false;
    bool random_reduce = false;
    bool remove_duplicates = false;
    bool reduce = false;
};

class ExerciseDocument {
public:
    // An empty, unnamed exercise counted as saved.
    explicit ExerciseDocument(const QString &type = kTypeAddition,
                              const QString &last_directory = QString());

    const QString &exercise_type() const { return type_; }
    const QString &current_path() const { return path_; }
    const QString &last_directory() const { return last_directory_; }
    void set_last_directory(const QString &folder) { last_directory_ = folder; }
    bool is_saved() const { return saved_; }
    const QStringList &tasks() const { return tasks_; }
    int task_count() const { return static_cast<int>(tasks_.size()); }
    bool is_unnamed() const { return path_ == kUnnamedPath; }
    bool is_empty_unnamed() const { return is_unnamed() && tasks_.isEmpty(); }

    // "Övningar - Addition - prov.add"; the operator key shows exercise_type().
    QString title() const;

    // The latest wrong tasks as an unnamed, unsaved exercise; each line is checked by the
    // task parser and at most 1000 are taken. Returns how many lines were not taken.
    int start_from_wrong_tasks(const QString &type, const QStringList &lines);
    // "Ny": an empty unnamed exercise of `type`; the saved state is kept.
    void start_new(const QString &type);

    // Open: the file replaces the exercise only when it holds tasks; otherwise nothing but
    // the last folder changes.
    CommandOutcome open(const QString &path);
    // Insert: appends the file's tasks, read with this exercise's sign (the file's own sign
    // for a mixed exercise).
    CommandOutcome insert(const QString &path);
    // Save to the current file; not done for an unnamed exercise.
    CommandOutcome save();
    // Save under a new name (the type's extension added when missing); path, folder and
    // saved state change only when the write succeeded.
    CommandOutcome save_as(const QString &chosen_path);
    // Deletes the current file and leaves an empty unnamed exercise of the same type.
    CommandOutcome delete_saved_file();

    // Save-as dialog: filter and initial file name.
    QString save_as_filter() const { return dialog_filter_entry(type_); }
    QString save_as_initial_name() const;

    // The question before leaving, opening another or starting anew, when it must be asked.
    std::optional<MessageText> save_changes_question() const;
    // The question before saving fewer than `min_task_count` tasks, when it must be asked.
    std::optional<MessageText> minimum_count_question(int min_task_count) const;
    MessageText delete_question() const;

    TaskView task_view(int index) const;
    FileMenuState file_menu_state(bool print_in_progress) const;
    ToolsMenuState tools_menu_state(bool duplicates_ticked) const;

    // List edits; each marks the exercise changed.
    bool insert_task(int index, const QString &line); // false when the list is full
    void remove_task(int index);
    int move_task(int index, bool down); // the task's new index
    // Replaces the whole list (at most 1000 kept); changed only when the list differs.
    void replace_tasks(const QStringList &tasks);
    void mark_changed() { saved_ = false; }

    // Tests: where whole files are written.
    void set_writer(FileWriter writer) { writer_ = std::move(writer); }

private:
    CommandOutcome write_to(const QString &path);

    QString type_;
    QString path_ = kUnnamedPath;
    QString last_directory_;
    bool saved_ = true;
    QStringList tasks_;
    FileWriter writer_ = write_file_atomically;
};

} // namespace exercises
