#include "platform/print_dialog.h"

#include "platform/message_box.h"
#include "platform/regular_file.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <optional>

namespace platform {
namespace {

const QString kPrintTitle = QStringLiteral("Utskrift");
// Qt's own check of the print file, a private slot of its dialog.
constexpr char kQtFileCheck[] = "_q_checkFields";
constexpr char kQtFileCheckSignature[] = "_q_checkFields()";

std::optional<std::deque<ScriptedPrinter>> g_script;
int g_calls = 0;

std::unique_ptr<QPrinter> scripted_printer() {
    ++g_calls;
    if (g_script->empty())
        return nullptr;
    const ScriptedPrinter next = g_script->front();
    g_script->pop_front();
    if (next.pdf_path.isEmpty())
        return nullptr;
    return make_pdf_printer(next);
}

// Qt's dialog opens the chosen print file to see that it can be written, and opening a FIFO
// to write waits until something reads it. When the file field names something there that
// is no plain file, the dialog closes without that look and the command refuses the file.
void refuse_special_files_unopened(QPrintDialog &dialog) {
    auto *file = dialog.findChild<QLineEdit *>(QStringLiteral("filename"));
    if (!file || dialog.metaObject()->indexOfMethod(kQtFileCheckSignature) < 0)
        return;
    for (QDialogButtonBox *buttons : dialog.findChildren<QDialogButtonBox *>()) {
        if (!QObject::disconnect(buttons, &QDialogButtonBox::accepted, &dialog, nullptr))
            continue;
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&dialog, file] {
            if (file->isEnabled() && is_special_file(file->text()))
                dialog.accept();
            else
                QMetaObject::invokeMethod(&dialog, kQtFileCheck);
        });
    }
}

} // namespace

std::unique_ptr<QPrinter> make_pdf_printer(const ScriptedPrinter &setup) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(setup.pdf_path);
    printer->setPageSize(setup.page_size);
    printer->setCopyCount(setup.copies);
    if (setup.from_page > 0) {
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(setup.from_page, setup.to_page);
    }
    return printer;
}

std::unique_ptr<QPrinter> choose_printer(QWidget *parent) {
    if (g_script)
        return scripted_printer();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setCopyCount(1);
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Skriv ut"));
    // Printing to a file stays: without a printer it is the only way to a worksheet. There
    // is no selection to print. A page range is drawn by the layouts themselves: left to the
    // print server, as Qt does without the option, a printed file would get every page.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, std::numeric_limits<int>::max());
    refuse_special_files_unopened(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

void print_with_dialog(QWidget *parent, const std::function<bool(QPrinter &)> &draw) {
    const std::unique_ptr<QPrinter> printer = choose_printer(parent);
    if (!printer)
        return;
    // Qt opens the print file only as the first page starts, and opening a FIFO to write
    // waits until something reads it: what is there and no plain file is refused first.
    if (is_special_file(printer->outputFileName())) {
        msg_box(QStringLiteral("Ett fel uppstod vid skrivning!"), vb::vbOKOnly + vb::vbInformation,
                kPrintTitle, parent);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = draw(*printer);
    QApplication::restoreOverrideCursor();
    if (!printed)
        msg_box(QStringLiteral("Problem vid utskrift"), vb::vbOKOnly + vb::vbInformation,
                kPrintTitle, parent);
}

int copies_to_draw(const QPrinter &printer) {
    return printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
}

PageRange chosen_pages(const QPrinter &printer) {
    PageRange range;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        range.first = printer.fromPage();
        range.last = std::max(printer.fromPage(), printer.toPage());
    }
    return range;
}

void script_print_dialog(std::deque<ScriptedPrinter> printers) {
    g_script = std::move(printers);
    g_calls = 0;
}

void stop_print_dialog_script() {
    g_script.reset();
    g_calls = 0;
}

int print_dialog_call_count() {
    return g_calls;
}

} // namespace platform
