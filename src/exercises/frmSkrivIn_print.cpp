// Printing the saved exercise as a worksheet, and the print options.
#include "exercises/frmOptions1.h"
#include "exercises/frmSkrivIn.h"
#include "exercises/worksheet_layout.h"
#include "exercises/worksheet_print.h"
#include "platform/print_dialog.h"
#include "shared/modSorvinel.h"

#include <QAction>
#include <QPrinter>

namespace {

// The print item stays off for the whole command, on every way out.
class PrintInProgress {
public:
    explicit PrintInProgress(bool &flag) : flag_(flag) { flag_ = true; }
    ~PrintInProgress() { flag_ = false; }
    PrintInProgress(const PrintInProgress &) = delete;
    PrintInProgress &operator=(const PrintInProgress &) = delete;

private:
    bool &flag_;
};

constexpr int kRandomOrder = 0;

} // namespace

void frmSkrivIn::connect_print_commands() {
    install_command(menSkrivUt, [this] { menSkrivUt_Click(); });
    install_command(menInstaellning, [this] { menInstaellning_Click(); });
    set_command_enabled(menInstaellning, true);
}

QString frmSkrivIn::format_task_for_print(const QString &task) const {
    return exercises::format_task_for_print(task, doc_.exercise_type());
}

void frmSkrivIn::menSkrivUt_Click() {
    if (print_in_progress || doc_.is_unnamed())
        return;
    const PrintInProgress running(print_in_progress);
    platform::print_with_dialog(this, [this](QPrinter &printer) {
        exercises::Worksheet sheet;
        sheet.file_name = ModSorvinel::path_file_name(doc_.current_path());
        sheet.task_points = exercises::print_task_points(modSorvinel.print_size);
        const bool random = modSorvinel.print_order == kRandomOrder;
        for (const int index : exercises::print_order(doc_.task_count(), random))
            sheet.lines << format_task_for_print(doc_.tasks().at(index));
        return exercises::print_worksheet(printer, sheet);
    });
}

void frmSkrivIn::menInstaellning_Click() {
    frmOptions1 options;
    options.exec();
}
