// Menu-bar commands of the exercise editor: a new exercise of an operation, or one made of
// the latest wrong tasks. The editor reads what to start with from the Tag; nothing comes back.
#include "drill/frmSorvinel.h"
#include "exercises/frmSkrivIn.h"
#include "shared/modSorvinel.h"

#include <QAbstractItemModel>
#include <QAction>

void frmSorvinel::connect_editor_commands() {
    for (Operation op : kOperations) {
        QAction *item = menEditor[index_of(op)];
        connect(item, &QAction::triggered, this, [this, op] { menEditor_Click(op); });
        item->setEnabled(true);
    }
    connect(menSenasteFel, &QAction::triggered, this, [this] { menSenasteFel_Click(); });
    // F2 works as soon as a drill has left wrong tasks, not only after "Verktyg" was opened.
    const auto follow_list = [this] { menSenasteFel->setEnabled(lstFel->count() > 0); };
    QAbstractItemModel *wrong = lstFel->model();
    connect(wrong, &QAbstractItemModel::rowsInserted, this, follow_list);
    connect(wrong, &QAbstractItemModel::rowsRemoved, this, follow_list);
    connect(wrong, &QAbstractItemModel::modelReset, this, follow_list);
}

void frmSorvinel::menEditor_Click(Operation operation) {
    Tag = {operation, false};
    show_exercise_editor();
}

void frmSorvinel::menSenasteFel_Click() {
    // The item may still be enabled from an earlier opening of its menu.
    if (lstFel->count() == 0)
        return;
    // The operation of the drill that filled the list, not the one chosen since.
    Tag = {modSorvinel.latest_errors_operation, true};
    show_exercise_editor();
}

void frmSorvinel::show_exercise_editor() {
    QStringList wrong_tasks;
    for (int i = 0; i < lstFel->count(); ++i)
        wrong_tasks << lstFel->item(i)->text();
    frmSkrivIn editor(this, Tag, wrong_tasks);
    editor.exec();
}
