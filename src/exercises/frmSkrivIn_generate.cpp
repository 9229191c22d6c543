// Generating tasks: own selection, filling out, removing tens crossings.
#include "exercises/busy_cursor.h"
#include "exercises/frmEgetVal.h"
#include "exercises/frmGenerera.h"
#include "exercises/frmSkrivIn.h"
#include "exercises/task_generation.h"
#include "platform/message_box.h"
#include "platform/system.h"
#include "shared/modSorvinel.h"

#include <QAction>
#include <QCheckBox>

void frmSkrivIn::connect_generate_commands() {
    install_command(menFyllUt, [this] { menFyllUt_Click(); });
    install_command(menEgetUrval, [this] { menEgetUrval_Click(); });
    install_command(menExtra, [this] { menExtra_Click(); });
}

void frmSkrivIn::menFyllUt_Click() {
    if (!doc_.tools_menu_state(chkSkrivIn->isChecked()).fill_out)
        return;
    run_list_dialog([this] {
        frmGenerera dialog(*this);
        dialog.exec();
    });
}

void frmSkrivIn::menEgetUrval_Click() {
    if (!doc_.tools_menu_state(chkSkrivIn->isChecked()).own_selection)
        return;
    const QString sign = doc_.exercise_type();
    const std::optional<Operation> operation = exercises::operation_for_type(sign);
    if (!operation)
        return;
    {
        frmEgetVal selection(*operation, this);
        if (selection.exec() != QDialog::Accepted)
            return;
    }
    const exercises::BusyCursor busy(this);
    platform::randomize();
    const exercises::Generation gen = exercises::generate_from_selection(
        sign, modSorvinel.selection_bounds, modSorvinel.task_count, platform::rnd);
    if (gen.refusal) {
        show_message(*gen.refusal);
        return;
    }
    if (gen.needs_duplicates && !modSorvinel.duplicates_allowed) {
        modSorvinel.duplicates_allowed = true;
        chkSkrivIn->setChecked(true);
    }
    doc_.replace_tasks(doc_.tasks() + gen.tasks);
    doc_.mark_changed();
    show_tasks();
    update_task_view(0);
}

void frmSkrivIn::menExtra_Click() {
    if (!doc_.tools_menu_state(chkSkrivIn->isChecked()).tens_crossings)
        return;
    const exercises::TensCrossings found =
        exercises::find_tens_crossings(doc_.tasks(), doc_.exercise_type());
    const exercises::MessageText message = exercises::tens_crossings_message(found.count);
    const int answer = platform::msg_box(message.text, message.style, message.title, this);
    if (found.count == 0 || answer != vb::vbOK)
        return;
    doc_.replace_tasks(found.kept);
    show_tasks();
    update_task_view(0);
}
