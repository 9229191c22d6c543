// The open dialog as a user meets it: the request's filters with "Alla filer (*)" last, and
// a typed name taken whenever it names an existing file, whatever the filter shows.
#include "platform/file_dialogs.h"
#include "support/files.h"
#include "support/modal_watch.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Shown {
    QStringList filters;
    QString selected_filter;
    bool open_enabled = false;
};

// Shows a real open dialog on `folder`, types `typed` into its name field and presses
// "Öppna" when it can be pressed (else "Avbryt"). Returns what the dialog gave back.
QString type_into_open_dialog(const QString &folder, const QString &typed, Shown &shown) {
    ModalWatch watch;
    watch.start(once_settled([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return false;
        shown.filters = dialog->nameFilters();
        shown.selected_filter = dialog->selectedNameFilter();
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QPushButton *open = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open);
        name->setFocus();
        name->setText(typed);
        shown.open_enabled = open->isEnabled();
        if (shown.open_enabled)
            open->click();
        if (dialog->isVisible())
            dialog->reject();
        return true;
    }));
    platform::FileDialogRequest request;
    request.title = QStringLiteral("Öppna");
    request.filter = QStringLiteral("Addition (*.add)|*.add|Subtraktion (*.sub)|*.sub");
    request.filter_index = 2;
    request.folder = folder;
    return platform::open_file_dialog(request);
}

TEST(OpenFileDialog, TakesATypedNameOfAnyExistingFile) {
    QTemporaryDir dir;
    const QString folder = dir.path();
    put_file(folder + "/orig.sub", "9 - 3 =\r\n");
    put_file(folder + "/orig.add", "1 + 2 =\r\n");
    put_file(folder + "/prov.txt", "1 + 2 =\r\n");
    put_file(folder + "/provxadd", "1 + 2 =\r\n");
    QDir(folder).mkdir("annan");
    put_file(folder + "/annan/x.add", "1 + 2 =\r\n");
    struct Case {
        QString typed;
        QString chosen; // "" when "Öppna" stays greyed
    } cases[] = {
        {"orig.add", folder + "/orig.add"},                 // another operation's filter
        {"prov.txt", folder + "/prov.txt"},                 // no operation at all
        {"provxadd", folder + "/provxadd"},                 // no dot before the ending
        {folder + "/annan/x.add", folder + "/annan/x.add"}, // a whole path elsewhere
        {"saknas.txt", ""},                                 // no such file
        {"annan", ""},                                      // a folder is entered, not chosen
    };
    for (const Case &c : cases) {
        Shown shown;
        const QString chosen = type_into_open_dialog(folder, c.typed, shown);
        EXPECT_EQ(chosen, c.chosen) << c.typed.toStdString();
        EXPECT_EQ(shown.filters,
                  (QStringList{"Addition (*.add)", "Subtraktion (*.sub)", "Alla filer (*)"}));
        EXPECT_EQ(shown.selected_filter, "Subtraktion (*.sub)");
    }
}

} // namespace
