// Swedish whatever the system's language: Qt's locale is Swedish while the environment
// stays the user's, and Qt's own dialogs (file, print, printer properties and the print
// dialog's overwrite question) ask for no text that Qt's catalogue and ours both lack.
#include "platform/file_dialogs.h"
#include "platform/print_dialog.h"
#include "platform/translations.h"
#include "support/files.h"
#include "support/modal_watch.h"

#include <QCoreApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMutex>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>
#include <map>
#include <unordered_set>
#include <vector>

namespace {

const char kLocaleChildVariable[] = "SORVINEL_LOCALE_CHILD";
constexpr int kChildTimeoutMs = 60000;

// The environments a child copy of this program starts in; the child checks that it kept
// them and that Qt is Swedish all the same. An empty value is an unset variable.
struct Environment {
    const char *lc_all;
    const char *lang;
    const char *language;
};
const Environment kEnvironments[] = {
    {"C", "en_US.UTF-8", "en"},
    {"", "C", ""},
    {"", "de_DE.UTF-8", ""},
};

TEST(SwedishLocale, WhateverTheSystemSaysTheEnvironmentStays) {
    if (qEnvironmentVariableIsSet(kLocaleChildVariable))
        GTEST_SKIP() << "already the child copy";
    for (int i = 0; i < int(std::size(kEnvironments)); ++i) {
        const Environment &e = kEnvironments[i];
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kLocaleChildVariable, QString::number(i));
        for (const auto &[name, value] : {std::pair{"LC_ALL", e.lc_all}, std::pair{"LANG", e.lang},
                                          std::pair{"LANGUAGE", e.language}}) {
            if (*value)
                env.insert(name, value);
            else
                env.remove(name);
        }
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=SwedishLocaleChild.*")});
        ASSERT_TRUE(child.waitForFinished(kChildTimeoutMs)) << "the child copy hangs";
        const QString output = QString::fromUtf8(child.readAll());
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
    }
}

// Run only by the test above, in a child copy started in one of kEnvironments.
TEST(SwedishLocaleChild, QtIsSwedishAndTheEnvironmentIsKept) {
    if (!qEnvironmentVariableIsSet(kLocaleChildVariable))
        GTEST_SKIP() << "child-only: run by SwedishLocale.WhateverTheSystemSaysTheEnvironmentStays";
    const Environment &e = kEnvironments[qEnvironmentVariableIntValue(kLocaleChildVariable)];
    EXPECT_EQ(qgetenv("LC_ALL"), QByteArray(e.lc_all));
    EXPECT_EQ(qgetenv("LANG"), QByteArray(e.lang));
    EXPECT_EQ(qgetenv("LANGUAGE"), QByteArray(e.language));
    EXPECT_EQ(QLocale().name(), "sv_SE");
    EXPECT_EQ(QLocale::system().name(), "sv_SE");
    // What the file dialog shows: sizes and dates by the system locale.
    EXPECT_EQ(QLocale::system().formattedDataSize(18), "18 byte");
    EXPECT_EQ(QLocale::system().toString(QDate(2026, 12, 9), QLocale::ShortFormat), "2026-12-09");
    EXPECT_EQ(QLocale::system().toString(1.5), "1,5");
}

// Asked first of all translators, it notes every text Qt looks up and lets the others answer.
class LookUps : public QTranslator {
public:
    QString translate(const char *context, const char *source, const char *disambiguation,
                      int) const override {
        const QMutexLocker lock(&mutex_);
        seen_.insert({QString::fromUtf8(context), QString::fromUtf8(source),
                      QString::fromUtf8(disambiguation)});
        return QString();
    }
    bool isEmpty() const override { return false; }
    struct Text {
        QString context, source, disambiguation;
        bool operator==(const Text &) const = default;
    };
    std::vector<Text> seen() const {
        const QMutexLocker lock(&mutex_);
        return {seen_.begin(), seen_.end()};
    }

private:
    struct Hash {
        size_t operator()(const Text &t) const { return qHash(t.context + t.source); }
    };
    mutable QMutex mutex_;
    mutable std::unordered_set<Text, Hash> seen_;
};

// Texts of Qt's that stay as they are: key names and key sequences (parsed back as written)
// and the layout direction. Our own look-ups of Swedish file types ask for every type and expect
// most to be missing.
bool stays_as_written(const LookUps::Text &t) {
    static const QRegularExpression keys(QStringLiteral("^Alt\\+"));
    return t.context == "QShortcut" || t.context == "QGuiApplication" || t.context == "FileTypes" ||
           (t.context == "QFileDialog" && keys.match(t.source).hasMatch());
}

class QtDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::install_swedish_translations());
        ASSERT_TRUE(
            qt_.load(QStringLiteral("qt_sv"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        ASSERT_TRUE(own_.load(QStringLiteral(":/i18n/sorvinel_sv.qm")));
        QCoreApplication::installTranslator(&look_ups_);
    }
    void TearDown() override {
        outer_.stop();
        inner_.stop();
        QCoreApplication::removeTranslator(&look_ups_);
    }
    // The texts looked up meanwhile that neither catalogue has.
    QStringList untranslated() const {
        QStringList missing;
        for (const LookUps::Text &t : look_ups_.seen()) {
            const QByteArray c = t.context.toUtf8(), s = t.source.toUtf8(),
                             d = t.disambiguation.toUtf8();
            if (stays_as_written(t) || !own_.translate(c, s, d).isEmpty() ||
                !qt_.translate(c, s, d).isEmpty())
                continue;
            missing << t.context + u'|' + t.source;
        }
        missing.sort();
        return missing;
    }

    LookUps look_ups_;
    QTranslator qt_, own_;
    ModalWatch outer_, inner_;
    QTemporaryDir dir_;
};

// Sizes, types and dates in the file list are Swedish; where the system names a file type
// only in English, our catalogue names it; the dialog asks for no English text.
TEST_F(QtDialogs, FileListIsSwedish) {
    put_file(dir_.filePath("prov.add"), "1 + 2 =\r\n");
    put_file(dir_.filePath("start.desktop"), "[Desktop Entry]\nType=Application\n");
    struct Row {
        QString size, type, date;
    };
    std::map<QString, Row> rows;
    outer_.start([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        auto *model = dialog ? dialog->findChild<QFileSystemModel *>() : nullptr;
        if (!model)
            return false;
        // The model fills in sizes and types on its own thread: looked at until it has.
        const QModelIndex folder = model->index(dir_.path());
        rows.clear();
        for (int r = 0; r < model->rowCount(folder); ++r) {
            const auto cell = [&](int column) {
                return model->index(r, column, folder).data().toString();
            };
            rows[cell(0)] = {cell(1), cell(2), cell(3)};
        }
        const bool filled = rows.size() == 2 && !rows["start.desktop"].type.isEmpty() &&
                            !rows["prov.add"].type.isEmpty();
        if (filled)
            dialog->reject();
        return filled;
    });
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("Addition (*.add)|*.add");
    request.filter_index = 2; // "Alla filer (*)"
    request.folder = dir_.path();
    platform::open_file_dialog(request);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows["prov.add"].size, "9 byte");
    EXPECT_EQ(rows["prov.add"].type, "vanligt textdokument");
    EXPECT_EQ(rows["start.desktop"].type, "skrivbordsfil");
    static const QRegularExpression date(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}$"));
    EXPECT_TRUE(date.match(rows["prov.add"].date).hasMatch())
        << rows["prov.add"].date.toStdString();
    EXPECT_EQ(untranslated(), QStringList{});
}

TEST_F(QtDialogs, PrintDialogItsPropertiesAndOverwriteQuestionAskForNoEnglish) {
    const QString existing = dir_.filePath("blad.pdf");
    put_file(existing, "%PDF");
    QString question;
    QStringList answers;
    bool properties_shown = false;
    outer_.start(once_settled([&](QWidget *modal) {
        auto *dialog = qobject_cast<QPrintDialog *>(modal);
        if (!dialog)
            return false;
        for (QPushButton *b : dialog->findChildren<QPushButton *>())
            if (b->text().endsWith(QStringLiteral(">>")))
                b->click(); // the options
        inner_.start(once_settled([&](QWidget *m) {
            if (!m || !m->inherits("QPrintPropertiesDialog"))
                return false;
            properties_shown = true;
            qobject_cast<QDialog *>(m)->reject();
            return true;
        }));
        dialog->findChild<QPushButton *>(QStringLiteral("properties"))->click();
        dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(existing);
        inner_.start(once_settled([&](QWidget *m) {
            auto *box = qobject_cast<QMessageBox *>(m);
            if (!box)
                return false;
            question = box->text();
            for (QAbstractButton *b : box->buttons())
                answers << b->text();
            box->button(QMessageBox::No)->click();
            return true;
        }));
        for (QDialogButtonBox *box : dialog->findChildren<QDialogButtonBox *>())
            if (QPushButton *print = box->button(QDialogButtonBox::Ok))
                print->click();
        dialog->reject();
        return true;
    }));
    EXPECT_EQ(platform::choose_printer(), nullptr);
    EXPECT_TRUE(properties_shown);
    EXPECT_EQ(question, existing + QStringLiteral(" finns redan. \nVill du skriva över den?"));
    answers.sort();
    EXPECT_EQ(answers, (QStringList{"&Ja", "&Nej"}));
    EXPECT_EQ(untranslated(), QStringList{});
}

} // namespace
