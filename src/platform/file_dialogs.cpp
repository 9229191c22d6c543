#include "platform/file_dialogs.h"

#include "platform/message_box.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeDatabase>
#include <QPushButton>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace platform {
namespace {

std::optional<std::deque<QString>> g_script;
std::vector<FileDialogCall> g_calls;

const QString kFilterSeparator = QStringLiteral("|");
const QString kPatternSeparator = QStringLiteral(";");
// Offered last in every open dialog: a file of any name may hold tasks.
const QString kAllFilesFilter = QStringLiteral("Alla filer (*)");
// Our catalogue's Swedish names for file types that shared-mime-info leaves in English,
// by the type's name ("application/x-desktop").
constexpr char kFileTypeContext[] = "FileTypes";

// The type column in Swedish, also for the file types the system names only in English.
class SwedishFileTypes : public QFileIconProvider {
public:
    // Called from the file model's own thread too: the mime database and translate() are
    // safe there.
    QString type(const QFileInfo &info) const override {
        if (info.isFile()) {
            const QString name = mime_types_.mimeTypeForFile(info).name();
            const QString own = QCoreApplication::translate(kFileTypeContext, qPrintable(name));
            if (own != name)
                return own;
        }
        return QFileIconProvider::type(info);
    }

private:
    QMimeDatabase mime_types_;
};

// Qt keeps "Öppna" greyed while the typed name is one its filter hides. The name of any
// existing file is taken all the same: its ending, not the filter, says what it holds.
class TypedNameAccepted : public QObject {
public:
    TypedNameAccepted(QFileDialog &dialog, QPushButton &open)
        : QObject(&open), dialog_(dialog), open_(open) {
        open.installEventFilter(this);
        if (auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            // Connected after the dialog's own handler, so this has the last word.
            connect(name, &QLineEdit::textChanged, this, [this] { enable_for_a_file(); });
        connect(&dialog, &QFileDialog::directoryEntered, this, [this] { enable_for_a_file(); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == &open_ && event->type() == QEvent::EnabledChange)
            enable_for_a_file();
        return false;
    }

private:
    void enable_for_a_file() {
        if (open_.isEnabled())
            return;
        const QStringList files = dialog_.selectedFiles();
        if (!files.isEmpty() && std::all_of(files.begin(), files.end(),
                                            [](const QString &f) { return QFileInfo(f).isFile(); }))
            open_.setEnabled(true);
    }

    QFileDialog &dialog_;
    QPushButton &open_;
};

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
    SwedishFileTypes file_types;
    QFileDialog dialog(parent, request.title, request.folder);
    dialog.setIconProvider(&file_types);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The caller asks about overwriting, by the name that will really be written.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    set_swedish_labels(dialog, save);
    QStringList filters;
    for (const QString &f : qt_name_filters(request.filter))
        filters << f;
    if (!save)
        filters << kAllFilesFilter;
    dialog.setNameFilters(filters);
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>();
        buttons && !save && buttons->button(QDialogButtonBox::Open))
        new TypedNameAccepted(dialog, *buttons->button(QDialogButtonBox::Open));
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
