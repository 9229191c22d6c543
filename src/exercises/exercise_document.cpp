#include "exercises/exercise_document.h"

#include "platform/message_box.h"
#include "shared/modSorvinel.h"

#include <QFile>
#include <algorithm>

namespace exercises {

namespace {

const QString kTitleOpen = QStringLiteral("Öppna");
const QString kTitleSave = QStringLiteral("Spara");
const QString kTitleDelete = QStringLiteral("Ta bort");
const QString kTitlePrefix = QStringLiteral("Övningar - ");
const QString kTitleSeparator = QStringLiteral(" - ");
constexpr int kInformation = vb::vbOKOnly + vb::vbInformation;
// Sorting, shuffling, random reduction and filling out need two tasks to work on.
constexpr int kListToolMinimum = 2;

MessageText notice(const QString &text, const QString &title) {
    return MessageText{text, kInformation, title};
}

MessageText limit_notice(int left_out) {
    return notice(tasks_left_out_text(left_out), kTitleOpen);
}

MessageText no_tasks_notice(const QString &path) {
    return notice(QStringLiteral("Filen ") + path.toLower() +
                      QStringLiteral(" innehöll inga uppgifter."),
                  kTitleOpen);
}

MessageText read_error_notice() {
    return notice(QStringLiteral("Ett fel uppstod vid filhämtning!"), kTitleOpen);
}

MessageText write_error_notice() {
    return notice(QStringLiteral("Ett fel uppstod vid skrivning!"), kTitleSave);
}

// The notice that ends a read of `path`, if any.
std::optional<MessageText> read_notice(const ReadResult &read, const QString &path) {
    if (read.failed)
        return read_error_notice();
    if (read.tasks.isEmpty() && read.left_out == 0)
        return no_tasks_notice(path);
    if (read.left_out > 0)
        return limit_notice(read.left_out);
    return std::nullopt;
}

} // namespace

ExerciseDocument::ExerciseDocument(const QString &type, const QString &last_directory)
    : type_(is_exercise_type(type) ? type : kTypeAddition), last_directory_(last_directory) {}

QString ExerciseDocument::title() const {
    return kTitlePrefix + operation_name_for_type(type_) + kTitleSeparator +
           ModSorvinel::path_file_name(path_).toLower();
}

int ExerciseDocument::start_from_wrong_tasks(const QString &type, const QStringList &lines) {
    start_new(type);
    const ReadResult read = read_exercise_lines(lines, type_, kMaxExerciseTasks);
    tasks_ = read.tasks;
    saved_ = false;
    return static_cast<int>(lines.size()) - task_count();
}

void ExerciseDocument::start_new(const QString &type) {
    if (is_exercise_type(type))
        type_ = type;
    path_ = kUnnamedPath;
    tasks_.clear();
}

CommandOutcome ExerciseDocument::open(const QString &path) {
    CommandOutcome outcome;
    if (path.isEmpty())
        return outcome;
    // Anything but a plain file, or a huge one, is refused before anything changes.
    if (is_refused_exercise_file(path)) {
        outcome.notice = read_error_notice();
        return outcome;
    }
    last_directory_ = ModSorvinel::path_directory(path);
    const QString file_type = type_from_path(path);
    const QString read_type = file_type.isEmpty() ? type_ : file_type;
    const ReadResult read = read_exercise_file(path, read_type, kMaxExerciseTasks);
    outcome.notice = read_notice(read, path);
    if (read.failed || read.tasks.isEmpty())
        return outcome;
    type_ = read_type;
    tasks_ = read.tasks;
    path_ = path;
    saved_ = true;
    outcome.done = true;
    outcome.allow_duplicates = true;
    return outcome;
}

CommandOutcome ExerciseDocument::insert(const QString &path) {
    CommandOutcome outcome;
    if (path.isEmpty())
        return outcome;
    if (is_refused_exercise_file(path)) {
        outcome.notice = read_error_notice();
        return outcome;
    }
    // A one-operation exercise takes only its own tasks: anything else would be lost when
    // its file is read back by its own sign.
    QString read_type = type_;
    if (type_ == kTypeMixed) {
        const QString file_type = type_from_path(path);
        if (!file_type.isEmpty())
            read_type = file_type;
    }
    const int room = kMaxExerciseTasks - task_count();
    const ReadResult read = read_exercise_file(path, read_type, std::max(room, 0));
    outcome.notice = read_notice(read, path);
    if (read.failed || read.tasks.isEmpty())
        return outcome;
    tasks_ += read.tasks;
    saved_ = false;
    outcome.done = true;
    outcome.allow_duplicates = true;
    return outcome;
}

CommandOutcome ExerciseDocument::write_to(const QString &path) {
    CommandOutcome outcome;
    if (!write_exercise_file(path, tasks_, writer_)) {
        outcome.notice = write_error_notice();
        return outcome;
    }
    outcome.done = true;
    return outcome;
}

CommandOutcome ExerciseDocument::save() {
    if (is_unnamed())
        return CommandOutcome{};
    CommandOutcome outcome = write_to(path_);
    if (outcome.done)
        saved_ = true;
    return outcome;
}

CommandOutcome ExerciseDocument::save_as(const QString &chosen_path) {
    if (chosen_path.isEmpty())
        return CommandOutcome{};
    const QString target = with_type_extension(chosen_path, type_);
    CommandOutcome outcome = write_to(target);
    if (outcome.done) {
        path_ = target;
        last_directory_ = ModSorvinel::path_directory(target);
        saved_ = true;
    }
    return outcome;
}

CommandOutcome ExerciseDocument::delete_saved_file() {
    CommandOutcome outcome;
    if (is_unnamed())
        return outcome;
    if (!QFile::remove(path_)) {
        outcome.notice = notice(QStringLiteral("Ett fel uppstod"), kTitleDelete);
        return outcome;
    }
    outcome.notice = notice(path_.toLower() + QStringLiteral(" har tagits bort!"), kTitleDelete);
    path_ = kUnnamedPath;
    tasks_.clear();
    saved_ = false;
    outcome.done = true;
    return outcome;
}

QString ExerciseDocument::save_as_initial_name() const {
    return is_unnamed() ? QString() : ModSorvinel::path_file_name(path_);
}

std::optional<MessageText> ExerciseDocument::save_changes_question() const {
    if (saved_ || is_empty_unnamed())
        return std::nullopt;
    return MessageText{path_.toLower() + QStringLiteral(" är ej sparad. Skall den sparas först?"),
                       vb::vbYesNoCancel + vb::vbQuestion, kTitleSave};
}

std::optional<MessageText> ExerciseDocument::minimum_count_question(int min_task_count) const {
    if (task_count() >= min_task_count)
        return std::nullopt;
    return MessageText{QStringLiteral("Övningen innehåller endast ") +
                           QString::number(task_count()) + QStringLiteral(" uppgifter.\n") +
                           QStringLiteral("Minsta antal är inställt till ") +
                           QString::number(min_task_count) + QStringLiteral(".\n") +
                           QStringLiteral("Skall övningen sparas ändå?"),
                       vb::vbYesNo + vb::vbQuestion + vb::vbDefaultButton2, kTitleSave};
}

MessageText ExerciseDocument::delete_question() const {
    return MessageText{QStringLiteral("Vill du ta bort ") + path_.toLower(),
                       vb::vbYesNoCancel + vb::vbQuestion, kTitleDelete};
}

TaskView ExerciseDocument::task_view(int index) const {
    TaskView view;
    const int n = task_count();
    if (n == 0)
        return view;
    view.selected = std::clamp(index, 0, n - 1);
    view.place_before = true;
    view.remove = true;
    view.move_up = n > 1 && view.selected > 0;
    view.move_down = n > 1 && view.selected < n - 1;
    view.count_label = QStringLiteral(" Uppgift ") + QString::number(view.selected + 1) +
                       QStringLiteral(" av ") + QString::number(n) + u' ';
    return view;
}

FileMenuState ExerciseDocument::file_menu_state(bool print_in_progress) const {
    const int n = task_count();
    FileMenuState state;
    state.save = !is_unnamed() && !saved_ && n > 0;
    state.save_as = n > 0;
    state.remove_saved = !is_unnamed() && saved_;
    state.remove_saved_caption = QStringLiteral("&Ta bort ") + path_ + QStringLiteral("...");
    state.print_saved = !is_unnamed() && !print_in_progress && saved_;
    state.print_saved_caption = QStringLiteral("&Skriv ut ") + path_ + QStringLiteral("...");
    state.insert = n < kMaxExerciseTasks;
    return state;
}

ToolsMenuState ExerciseDocument::tools_menu_state(bool duplicates_ticked) const {
    const int n = task_count();
    ToolsMenuState state;
    state.fill_out = n >= kListToolMinimum && n < kMaxExerciseTasks;
    state.own_selection = type_ != kTypeMixed && n == 0;
    state.generate = state.own_selection || state.fill_out;
    state.sort = n >= kListToolMinimum;
    state.tens_crossings = (type_ == kTypeAddition || type_ == kTypeSubtraction) && n > 0;
    state.random_reduce = n >= kListToolMinimum;
    state.remove_duplicates = duplicates_ticked;
    state.reduce = state.tens_crossings || state.random_reduce || state.remove_duplicates;
    return state;
}

bool ExerciseDocument::insert_task(int index, const QString &line) {
    if (task_count() >= kMaxExerciseTasks)
        return false;
    tasks_.insert(std::clamp(index, 0, task_count()), line);
    saved_ = false;
    return true;
}

void ExerciseDocument::remove_task(int index) {
    if (index < 0 || index >= task_count())
        return;
    tasks_.removeAt(index);
    // Only an unnamed exercise is back to nothing worth saving; a named one still differs
    // from its file.
    saved_ = is_unnamed() && tasks_.isEmpty();
}

int ExerciseDocument::move_task(int index, bool down) {
    const int to = down ? index + 1 : index - 1;
    if (index < 0 || index >= task_count() || to < 0 || to >= task_count())
        return index;
    tasks_.swapItemsAt(index, to);
    saved_ = false;
    return to;
}

void ExerciseDocument::replace_tasks(const QStringList &tasks) {
    const QStringList kept = tasks.mid(0, kMaxExerciseTasks);
    if (kept == tasks_)
        return;
    tasks_ = kept;
    saved_ = false;
}

} // namespace exercises
