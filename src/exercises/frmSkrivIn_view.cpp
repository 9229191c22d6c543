// What the editor shows of its document: title, task list, selection, buttons, the count
// line and the states of the menus as they open.
#include "exercises/frmSkrivIn.h"

#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// A path in a menu caption must not add accelerators: only the leading "&" stays one.
QString caption_with_path(const QString &caption) {
    return caption.left(2) + QString(caption.mid(2)).replace(u'&', QStringLiteral("&&"));
}

// A submenu can be opened only when one of its items can be chosen.
void enable_submenu(QMenu *menu) {
    bool any = false;
    for (const QAction *a : menu->actions())
        any = any || a->isEnabled();
    menu->menuAction()->setEnabled(any);
}

} // namespace

void frmSkrivIn::show_exercise_title() {
    setWindowTitle(doc_.title());
    comSiffra[kOperatorKey]->setText(doc_.exercise_type());
}

void frmSkrivIn::update_task_view(int index) {
    const exercises::TaskView view = doc_.task_view(index);
    if (view.selected >= 0) {
        const QSignalBlocker quiet(lstSkrivIn);
        lstSkrivIn->setCurrentRow(view.selected);
    }
    set_command_enabled(comTill[2], view.place_before);
    set_command_enabled(comFlytta[0], view.move_up);
    set_command_enabled(comFlytta[1], view.move_down);
    set_command_enabled(comTaBort, view.remove);
    if (view.count_label.isEmpty()) {
        labUppgifter->hide();
        return;
    }
    labUppgifter->setCaption(view.count_label);
    const double list_left = vb::px_to_twips_x(lstSkrivIn->x());
    const double list_width = vb::px_to_twips_x(lstSkrivIn->width());
    labUppgifter->setLeft(list_left + (list_width - labUppgifter->Width()) / 2);
    labUppgifter->show();
}

int frmSkrivIn::selected_task_index() const {
    int first = -1;
    for (const QListWidgetItem *item : lstSkrivIn->selectedItems()) {
        const int row = lstSkrivIn->row(item);
        if (first < 0 || row < first)
            first = row;
    }
    return first < 0 ? 0 : first;
}

void frmSkrivIn::show_tasks() {
    const QSignalBlocker quiet(lstSkrivIn);
    lstSkrivIn->clear();
    lstSkrivIn->addItems(doc_.tasks());
}

void frmSkrivIn::lstSkrivIn_Click() {
    update_task_view(selected_task_index());
}

void frmSkrivIn::menArkiv_Click() {
    const exercises::FileMenuState state = doc_.file_menu_state(print_in_progress);
    menSpara->setEnabled(state.save);
    menSparaSom->setEnabled(state.save_as);
    menTaBort->setEnabled(state.remove_saved);
    menTaBort->setText(caption_with_path(state.remove_saved_caption));
    set_command_enabled(menSkrivUt, state.print_saved);
    menSkrivUt->setText(caption_with_path(state.print_saved_caption));
    menInfoga->setEnabled(state.insert);
    set_command_enabled(menInstaellning, true);
}

void frmSkrivIn::menVerktyg_Click() {
    const exercises::ToolsMenuState state = doc_.tools_menu_state(chkSkrivIn->isChecked());
    set_command_enabled(menFyllUt, state.fill_out);
    set_command_enabled(menEgetUrval, state.own_selection);
    set_command_enabled(menStigande, state.sort);
    set_command_enabled(menFallande, state.sort);
    set_command_enabled(menIoordning, state.sort);
    set_command_enabled(menExtra, state.tens_crossings);
    set_command_enabled(menTaBortSlump, state.random_reduce);
    set_command_enabled(menTaBortDubletter, state.remove_duplicates);
    for (QMenu *menu : {menGenerera, menSortera, menReducera})
        enable_submenu(menu);
}
