#include "platform/file_dialogs.h"

#include "platform/message_box.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <optional>

namespace platform {
namespace {

std::optional<std::deque<QString>> g_script;
std::vector<FileDialogCall> g_calls;

const QString kFilterSeparator = QStringLiteral("|");
const QString kPatternSeparator = QStringLiteral(";");

// The dialog's labels in Swedish; Qt would keep its own English ones.
void set_swedish_labels(QFileDialog &dialog, bool save) {
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Leta i:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Filnamn:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Filformat:"));
    dialog.setLabelText(QFileDialog::Accept,
                        save ? QStringLiteral("&Spara") : QStringLiteral("&Öppna"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Avbryt"));
}

QString run_dialog(FileDialogKind kind, const FileDialogRequest &request, QWidget *parent) {
    if (g_script) {
        g_calls.push_back({kind, request});
        if (g_script->empty())
            return QString();
        QString result = g_script->front();
        g_script->pop_front();
        return result;
    }

    const bool save = kind == FileDialogKind::Save;
    QFileDialog dialog(parent, request.title, request.folder);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The caller asks about overwriting, by the name that will really be written.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    set_swedish_labels(dialog, save);
    QStringList filters;
    for (const QString &f : qt_name_filters(request.filter))
        filters << f;
    dialog.setNameFilters(filters);
    if (request.filter_index >= 1 && request.filter_index <= filters.size())
        dialog.selectNameFilter(filters.at(request.filter_index - 1));
    if (!request.file_name.isEmpty())
        dialog.selectFile(request.file_name);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

bool replace_confirmed(const FileDialogRequest &request, const QString &target, QWidget *parent) {
    const QString prompt =
        QFileInfo(target).fileName() + QStringLiteral(" finns redan.\nVill du ersätta den?");
    return msg_box(prompt, vb::vbYesNo + vb::vbExclamation + vb::vbDefaultButton2, request.title,
                   parent) == vb::vbYes;
}

} // namespace

std::vector<QString> qt_name_filters(const QString &filter) {
    std::vector<QString> result;
    const QStringList parts = filter.split(kFilterSeparator);
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        // Qt filters by what stands in the parentheses: put the real patterns there.
        const qsizetype open = description.indexOf(u'(');
        if (open >= 0)
            description = description.left(open).trimmed();
        const QString patterns =
            parts.at(i + 1).split(kPatternSeparator, Qt::SkipEmptyParts).join(u' ');
        result.push_back(description + QStringLiteral(" (") + patterns + u')');
    }
    return result;
}

QString open_file_dialog(const FileDialogRequest &request, QWidget *parent) {
    return run_dialog(FileDialogKind::Open, request, parent);
}

QString save_file_dialog(const FileDialogRequest &request, QWidget *parent) {
    FileDialogRequest shown = request;
    for (;;) {
        const QString chosen = run_dialog(FileDialogKind::Save, shown, parent);
        if (chosen.isEmpty())
            return chosen;
        const QString target = request.target_for ? request.target_for(chosen) : chosen;
        if (!QFileInfo::exists(target) || replace_confirmed(request, target, parent))
            return chosen;
        // Asked again where the user was.
        shown.folder = QFileInfo(chosen).absolutePath();
        shown.file_name = QFileInfo(chosen).fileName();
    }
}

void script_file_dialogs(std::deque<QString> results) {
    g_script = std::move(results);
    g_calls.clear();
}

void stop_file_dialog_script() {
    g_script.reset();
    g_calls.clear();
}

const std::vector<FileDialogCall> &file_dialog_calls() {
    return g_calls;
}

} // namespace platform
