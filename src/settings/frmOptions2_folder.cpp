// The "Filkatalog" page: choosing the folder of the exercise files with a drive list, a
// folder list and the list of exercise files in it. Drives are the mounted volumes.
#include "settings/frmOptions2.h"
#include "shared/modSorvinel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>

namespace {
const QString kExercisePattern = QStringLiteral("*.add;*.sub;*.mul;*.div;*.bla");
const QString kSeparator = QStringLiteral("/");
constexpr int kIndent = 2; // blanks per level in the folder list
constexpr int kPathRole = Qt::UserRole;

// The mount point holding `folder`; empty when there is none to select.
QString drive_of(const QString &folder) {
    if (folder.isEmpty() || !QFileInfo(folder).exists())
        return {};
    const QStorageInfo volume(folder);
    return volume.isValid() && volume.isReady() ? volume.rootPath() : QString();
}

QStringList drives() {
    QStringList roots{kSeparator};
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady() && QFileInfo(v.rootPath()).isDir() &&
            !roots.contains(v.rootPath()))
            roots << v.rootPath();
    roots.sort();
    return roots;
}
} // namespace

FolderList::FolderList(QWidget *parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setPath(item->data(kPathRole).toString()); });
}

bool FolderList::setPath(const QString &folder) {
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isReadable() || !QDir(folder).isReadable())
        return false;
    const QString path = QDir::cleanPath(info.absoluteFilePath());
    if (path == path_)
        return true;
    path_ = path;
    fill();
    emit pathChanged();
    return true;
}

void FolderList::fill() {
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);
    const QStringList parts = path_.split(kSeparator, Qt::SkipEmptyParts);
    QString at = kSeparator;
    int level = 0;
    auto *root = new QListWidgetItem(open, kSeparator, this);
    root->setData(kPathRole, at);
    for (const QString &part : parts) {
        at = at == kSeparator ? kSeparator + part : at + kSeparator + part;
        auto *item = new QListWidgetItem(open, QString(++level * kIndent, ' ') + part, this);
        item->setData(kPathRole, at);
    }
    setCurrentRow(count() - 1);
    const QString base = path_ == kSeparator ? QString() : path_;
    for (const QString &sub :
         QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto *item = new QListWidgetItem(closed, QString((level + 1) * kIndent, ' ') + sub, this);
        item->setData(kPathRole, base + kSeparator + sub);
    }
}

void frmOptions2::build_folder_page(QWidget *page) {
    fraSample6 = new QGroupBox(QStringLiteral("Mapp för övningar"), page);
    fraSample6->setGeometry(page->rect());
    auto *grid = new QGridLayout(fraSample6);
    labInitial = new QLabel(fraSample6);
    labInitial->setMinimumWidth(1);
    drvInitial = new QComboBox(fraSample6);
    drvInitial->addItems(drives());
    dirInitial = new FolderList(fraSample6);
    flbInitial = new QListWidget(fraSample6);
    flbFiles.setPattern(kExercisePattern);
    comInitial = new QPushButton(QStringLiteral("Den ursprungliga mappen"), fraSample6);
    grid->addWidget(labInitial, 0, 0, 1, 2);
    grid->addWidget(drvInitial, 1, 0);
    grid->addWidget(dirInitial, 2, 0);
    grid->addWidget(flbInitial, 1, 1, 2, 1);
    grid->addWidget(comInitial, 3, 0, 1, 2, Qt::AlignLeft);
    grid->setRowStretch(2, 1);

    connect(drvInitial, &QComboBox::activated, this, [this] {
        if (drvInitial->currentText() != drive_) {
            drive_ = drvInitial->currentText();
            drvInitial_Change();
        }
    });
    connect(dirInitial, &FolderList::pathChanged, this, [this] { dirInitial_Change(); });
    connect(comInitial, &QPushButton::clicked, this, [this] { comInitial_Click(); });
}

void frmOptions2::load_folder_page() {
    const QString folder = modSorvinel.exercise_folder;
    if (!set_drive(folder))
        set_drive(ModSorvinel::program_folder());
    // A folder that cannot be opened leaves the list on its drive, without a message.
    dirInitial->setPath(folder);
    set_folder_caption(folder);
    folder_chosen = false;
}

bool frmOptions2::set_drive(const QString &folder) {
    const QString root = drive_of(folder);
    if (root.isEmpty())
        return false;
    if (drvInitial->findText(root) < 0)
        drvInitial->addItem(root);
    drvInitial->setCurrentIndex(drvInitial->findText(root));
    if (root != drive_) {
        drive_ = root;
        drvInitial_Change();
    }
    return true;
}

void frmOptions2::drvInitial_Change() {
    // A drive that cannot be opened sends the list back to the program's drive.
    if (!dirInitial->setPath(drive_))
        set_drive(ModSorvinel::program_folder());
}

void frmOptions2::dirInitial_Change() {
    flbFiles.setPath(dirInitial->path());
    flbInitial->clear();
    flbInitial->addItems(flbFiles.files());
    // The folder keeps its case: on this system "Övningar" and "övningar" are two folders.
    set_folder_caption(dirInitial->path());
    folder_chosen = true;
}

void frmOptions2::comInitial_Click() {
    const QString home = ModSorvinel::program_folder();
    set_drive(home);
    dirInitial->setPath(home);
    set_folder_caption(home);
    folder_chosen = true;
}

void frmOptions2::set_folder_caption(const QString &caption) {
    if (labInitial->text() == caption)
        return;
    labInitial->setText(caption);
    labInitial_Change();
}

void frmOptions2::labInitial_Change() {
    const QString caption = labInitial->text();
    const QString full = with_trailing_separator(caption);
    if (full != caption)
        set_folder_caption(full);
}
