// Sorting, shuffling, duplicates and random reduction of the task list.
#include "exercises/busy_cursor.h"
#include "exercises/frmReducera.h"
#include "exercises/frmSkrivIn.h"
#include "platform/message_box.h"
#include "platform/system.h"
#include "shared/modSorvinel.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

using exercises::SortMode;

void frmSkrivIn::connect_list_tool_commands() {
    install_command(menStigande, [this] { menStigande_Click(); });
    install_command(menFallande, [this] { menFallande_Click(); });
    install_command(menIoordning, [this] { menIoordning_Click(); });
    install_command(menTaBortDubletter, [this] { menTaBortDubletter_Click(); });
    install_command(menTaBortSlump, [this] { menTaBortSlump_Click(); });
    // The box's handler is wired with the editor's own; from now on it may be used.
    commands_.insert(chkSkrivIn);
}

void frmSkrivIn::sort_tasks(SortMode mode) {
    const exercises::BusyCursor busy(this);
    if (mode == SortMode::Random)
        platform::randomize();
    doc_.replace_tasks(exercises::sort_tasks(doc_.tasks(), mode, platform::rnd));
    // Sorted is changed, even when the order happened to stay.
    doc_.mark_changed();
    show_tasks();
    update_task_view(0);
}

void frmSkrivIn::menStigande_Click() {
    sort_tasks(SortMode::Ascending);
}

void frmSkrivIn::menFallande_Click() {
    sort_tasks(SortMode::Descending);
}

void frmSkrivIn::menIoordning_Click() {
    sort_tasks(SortMode::Random);
}

void frmSkrivIn::chkSkrivIn_Click() {
    if (!load_complete)
        return;
    const exercises::BusyCursor busy(this);
    if (chkSkrivIn->isChecked()) {
        modSorvinel.duplicates_allowed = true;
    } else {
        const exercises::DuplicateSearch search = exercises::find_duplicate_tasks(doc_.tasks());
        duplicate_count = search.count;
        if (duplicate_count > 0) {
            const exercises::MessageText question = exercises::duplicates_question(duplicate_count);
            if (platform::msg_box(question.text, question.style, question.title, this) ==
                vb::vbYes) {
                modSorvinel.duplicates_allowed = false;
                doc_.replace_tasks(search.distinct);
                show_tasks();
            } else {
                // Ticked again: the handler runs for that change and allows duplicates.
                chkSkrivIn->setChecked(true);
            }
        } else {
            modSorvinel.duplicates_allowed = false;
        }
        update_task_view(0);
    }
    focus_place_last();
}

void frmSkrivIn::menTaBortDubletter_Click() {
    chkSkrivIn->setChecked(false);
}

void frmSkrivIn::menTaBortSlump_Click() {
    if (!doc_.tools_menu_state(chkSkrivIn->isChecked()).random_reduce)
        return;
    run_list_dialog([this] {
        frmReducera dialog(*this);
        dialog.exec();
    });
}

void frmSkrivIn::run_list_dialog(const std::function<void()> &show_dialog) {
    const exercises::BusyCursor busy(this);
    Tag = {doc_.exercise_type(), exercises::ListDialogOutcome::Unchanged};
    show_dialog();
    if (Tag.outcome != exercises::ListDialogOutcome::Done)
        return;
    doc_.mark_changed();
    show_tasks();
    update_task_view(0);
}
