// The File menu: new, open, insert, save, save as, delete the saved file and leaving, with
// the questions before unsaved work is given up.
#include "exercises/frmSkrivIn.h"

#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "shared/modSorvinel.h"

#include <QCheckBox>

using exercises::CommandOutcome;

namespace {
const QString kOpenTitle = QStringLiteral("Öppna");
const QString kInsertTitle = QStringLiteral("Infoga");
const QString kSaveAsTitle = QStringLiteral("Spara som");
const QString kEmptyEntry = QStringLiteral("_");
} // namespace

void frmSkrivIn::show_notice(const CommandOutcome &outcome) {
    if (outcome.notice)
        show_message(*outcome.notice);
}

void frmSkrivIn::show_document_changed(bool allow_duplicates) {
    show_tasks();
    show_exercise_title();
    update_task_view(0);
    // Tasks from a file may repeat: the box then says so.
    if (allow_duplicates && !chkSkrivIn->isChecked())
        chkSkrivIn->setChecked(true);
}

void frmSkrivIn::reset_entry() {
    set_entry(kEmptyEntry);
}

void frmSkrivIn::write_exercise_file() {
    show_notice(doc_.save());
}

void frmSkrivIn::save_exercise_as() {
    platform::FileDialogRequest request;
    request.title = kSaveAsTitle;
    request.filter = doc_.save_as_filter();
    request.folder = doc_.last_directory();
    request.file_name = doc_.save_as_initial_name();
    const QString type = doc_.exercise_type();
    request.target_for = [type](const QString &chosen) {
        return exercises::with_type_extension(chosen, type);
    };
    const QString path = platform::save_file_dialog(request, this);
    if (path.isEmpty())
        return;
    const CommandOutcome outcome = doc_.save_as(path);
    if (outcome.done)
        show_exercise_title();
    show_notice(outcome);
}

void frmSkrivIn::open_exercise_file() {
    platform::FileDialogRequest request;
    request.title = kOpenTitle;
    request.filter = exercises::open_dialog_filter();
    request.filter_index = exercises::open_dialog_filter_index(doc_.exercise_type());
    request.folder = doc_.last_directory();
    const QString path = platform::open_file_dialog(request, this);
    if (path.isEmpty())
        return;
    const CommandOutcome outcome = doc_.open(path);
    if (outcome.done)
        show_document_changed(outcome.allow_duplicates);
    show_notice(outcome);
}

void frmSkrivIn::insert_exercise_file() {
    platform::FileDialogRequest request;
    request.title = kInsertTitle;
    request.filter = exercises::insert_dialog_filter(doc_.exercise_type());
    request.folder = doc_.last_directory();
    const QString path = platform::open_file_dialog(request, this);
    if (path.isEmpty())
        return;
    const CommandOutcome outcome = doc_.insert(path);
    if (outcome.done)
        show_document_changed(outcome.allow_duplicates);
    show_notice(outcome);
}

bool frmSkrivIn::ask_save_changes() {
    const auto question = doc_.save_changes_question();
    if (!question)
        return true;
    const int answer = platform::msg_box(question->text, question->style, question->title, this);
    if (answer == vb::vbNo)
        return true;
    if (answer != vb::vbYes)
        return false;
    // The question saves without the minimum-count check.
    if (doc_.is_unnamed())
        save_exercise_as();
    else
        write_exercise_file();
    return doc_.is_saved();
}

bool frmSkrivIn::confirm_minimum_count() {
    const auto question = doc_.minimum_count_question(modSorvinel.min_task_count);
    if (!question)
        return true;
    return platform::msg_box(question->text, question->style, question->title, this) == vb::vbYes;
}

void frmSkrivIn::menAktRS_Click(int index) {
    // The type items stand in the order of the operations.
    const std::optional<Operation> operation = operation_at(index);
    if (operation && ask_save_changes()) {
        doc_.start_new(ModSorvinel::operation_sign(*operation));
        show_exercise_title();
        show_tasks();
        reset_entry();
    }
    update_task_view(0);
}

void frmSkrivIn::menOeppna_Click() {
    if (ask_save_changes())
        open_exercise_file();
}

// The same document goes on: nothing to save first.
void frmSkrivIn::menInfoga_Click() {
    insert_exercise_file();
}

void frmSkrivIn::menSpara_Click() {
    if (confirm_minimum_count())
        write_exercise_file();
}

void frmSkrivIn::menSparaSom_Click() {
    if (confirm_minimum_count())
        save_exercise_as();
}

void frmSkrivIn::menTaBort_Click() {
    const exercises::MessageText question = doc_.delete_question();
    if (platform::msg_box(question.text, question.style, question.title, this) != vb::vbYes)
        return;
    const CommandOutcome outcome = doc_.delete_saved_file();
    show_notice(outcome);
    if (!outcome.done)
        return;
    show_exercise_title();
    show_tasks();
    reset_entry();
    update_task_view(0);
}

void frmSkrivIn::menAvsluta_Click() {
    close();
}

bool frmSkrivIn::Form_QueryUnload() {
    return !ask_save_changes();
}
