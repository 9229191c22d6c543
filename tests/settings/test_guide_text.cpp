// The guide says what the windows say. Every quoted text of the guide must be a text the
// program shows or speaks, character for character, and every section heading must name a
// menu path of the window it describes (the main window, then the exercise editor) or a tab
// of the settings dialog. The program's texts are read from its windows, opened as a user
// opens them: menus before and after an exercise is saved, a drill to its end, the pause
// message, the lock, and every dialog the guide describes.
#include "drill/frmSorvinel.h"
#include "exercises/frmAngeR.h"
#include "exercises/frmEgetVal.h"
#include "exercises/frmOptions1.h"
#include "exercises/frmSkrivIn.h"
#include "exercises/worksheet_layout.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "platform/vb.h"
#include "settings/frmAvancerat.h"
#include "settings/frmLogin.h"
#include "settings/frmOptions2.h"
#include "settings/frmSorvinelHandledning.h"
#include "settings/lock_check.h"
#include "shared/modSorvinel.h"
#include "support/files.h"
#include "support/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// A caption as the user reads it: without the access-key marks, the blanks around it and
// the colon that ends a field's label.
QString as_read(QString text) {
    static const QRegularExpression accessKey(QStringLiteral("&(.)"));
    text.replace(accessKey, QStringLiteral("\\1"));
    text = text.trimmed();
    if (text.endsWith(u':'))
        text.chop(1);
    return text;
}

// The guide refers to a saved exercise's file, which a menu item names, by this.
const QString kFileName = QStringLiteral("(filens namn)");

struct MenuItem {
    QString caption;
    std::vector<MenuItem> items;
};

std::vector<MenuItem> menu_items(const QList<QAction *> &actions) {
    std::vector<MenuItem> items;
    for (const QAction *a : actions) {
        if (a->isSeparator())
            continue;
        MenuItem item{as_read(a->text()), {}};
        if (a->menu())
            item.items = menu_items(a->menu()->actions());
        items.push_back(item);
    }
    return items;
}

// Everything the program shows or says on the tour.
class ProgramTexts {
public:
    void add(const QString &text) {
        if (!text.trimmed().isEmpty())
            texts_.insert(as_read(text));
    }
    // Every caption of a window and its controls, hidden ones too.
    void add_window(QWidget *window) {
        add(window->windowTitle());
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets.prepend(window);
        for (QWidget *w : widgets) {
            for (const QAction *a : w->actions())
                add(a->text());
            if (auto *m = qobject_cast<QMenu *>(w))
                add(m->title());
            if (auto *l = qobject_cast<QLabel *>(w))
                add(l->text());
            if (auto *b = qobject_cast<QAbstractButton *>(w))
                add(b->text());
            if (auto *g = qobject_cast<QGroupBox *>(w))
                add(g->title());
            if (auto *s = qobject_cast<SampleFrame *>(w))
                add(s->Caption());
            if (auto *c = qobject_cast<QComboBox *>(w))
                for (int i = 0; i < c->count(); ++i)
                    add(c->itemText(i));
            if (auto *t = qobject_cast<QTabBar *>(w))
                for (int i = 0; i < t->count(); ++i)
                    add(t->tabText(i));
        }
    }
    void add_prompts() {
        for (const platform::MsgBoxCall &c : platform::msg_box_calls())
            add(c.prompt);
    }
    bool has(const QString &text) const { return texts_.count(text) > 0; }

private:
    std::set<QString> texts_;
};

// The guide's section headings: each level on its own line after " - ", alternatives of a
// level separated by ", ", the heading underlined with "=".
std::vector<std::vector<QStringList>> headings(const QString &guide) {
    std::vector<std::vector<QStringList>> found;
    std::vector<QStringList> levels;
    static const QRegularExpression underline(QStringLiteral("^=+$"));
    for (const QString &line : guide.split(u'\n')) {
        if (line.startsWith(QStringLiteral(" - "))) {
            levels.push_back(line.mid(3).split(QStringLiteral(", ")));
        } else {
            if (underline.match(line).hasMatch() && !levels.empty())
                found.push_back(levels);
            levels.clear();
        }
    }
    return found;
}

// Which alternative of a heading, if any, is no menu item at its place.
std::optional<QString> missing_item(const std::vector<MenuItem> &menu,
                                    const std::vector<QStringList> &levels, size_t depth = 0) {
    for (const QString &alternative : levels[depth]) {
        auto item = std::find_if(menu.begin(), menu.end(),
                                 [&](const MenuItem &i) { return i.caption == alternative; });
        if (item == menu.end())
            return alternative;
        if (depth + 1 < levels.size())
            if (auto missing = missing_item(item->items, levels, depth + 1))
                return missing;
    }
    return std::nullopt;
}

QString joined(const std::vector<QStringList> &levels) {
    QStringList parts;
    for (const QStringList &l : levels)
        parts << l.join(QStringLiteral(", "));
    return parts.join(QStringLiteral(" > "));
}

class GuideText : public ::testing::Test {
protected:
    void SetUp() override {
        // A number board, so that its keys are there to be read.
        f.home.store().SaveSetting("Styrning", "Alternativ", "1");
        f.load();
        w = f.window.get();
        platform::script_msg_box({});
        platform::script_file_dialogs({});
    }
    void TearDown() override {
        f.modal.stop();
        platform::stop_msg_box_script();
        platform::stop_file_dialog_script();
    }

    void letter(char upper) { press(vb::key::A + (upper - 'A')); }
    void press(int code) {
        int c = code;
        w->Form_KeyDown(c, 0);
        w->Form_KeyUp(c, 0);
    }
    void answer_every_task() {
        // A drill has at most 100 tasks: a fault that keeps a task on screen must fail here,
        // not hang the test.
        constexpr int kMostAnswers = 200;
        for (int answers = 0; modSorvinel.screen_state == ScreenState::TaskShown; ++answers) {
            if (answers == kMostAnswers) {
                ADD_FAILURE() << "the drill did not end after " << kMostAnswers << " answers";
                return;
            }
            for (QChar d : QString::number(w->drill_session().task().right_answer))
                press(vb::key::D0 + d.digitValue());
            press(vb::key::Return);
        }
    }
    // Reads the next modal window of the program, then closes it from outside.
    void read_next_modal() {
        f.modal.start([this](QWidget *modal) {
            auto *d = qobject_cast<QDialog *>(modal);
            if (!d)
                return false;
            texts.add_window(d);
            d->done(QDialog::Rejected);
            return true;
        });
    }

    void tour_main_window() {
        main_menu = menu_items(w->menuBar()->actions());
        texts.add_window(w);
        press(vb::key::F9);
        texts.add_window(w);
        modSorvinel.settings_lock_state = settings_lock::Locked;
        w->menVerktyg_Click();
        texts.add_window(w);
        modSorvinel.settings_lock_state = settings_lock::Open;
        w->menVerktyg_Click();

        letter('A');
        texts.add_window(w);
        w->menAvbryt->trigger();

        // A file drill from the menu bar, answered right, to its reward and end menu.
        modSorvinel.reward_min_tasks = 5;
        modSorvinel.speak_menus = modSorvinel.speak_in_exercises = true;
        const QString exercise = dir.filePath(QStringLiteral("prov.add"));
        put_file(exercise, "1 + 1 =\r\n2 + 2 =\r\n3 + 3 =\r\n4 + 4 =\r\n5 + 5 =\r\n");
        platform::script_file_dialogs({exercise});
        platform::script_msg_box({vb::vbNo});
        w->menOevningarDrill[index_of(Operation::Addition)]->trigger();
        read_next_modal();
        answer_every_task();
        texts.add_window(w);
        for (const QString &spoken : f.speech.spoken())
            texts.add(spoken);

        // Again, left with Esc while the warning is on.
        modSorvinel.show_warning_message = true;
        letter('E');
        read_next_modal();
        press(vb::key::Escape);
        texts.add_prompts();
    }

    void tour_editor() {
        frmSkrivIn editor(nullptr, {Operation::Blandat}, {});
        editor.menArkiv_Click();
        texts.add_window(&editor);
        frmAngeR chooser(editor.comSiffra[std::size_t(frmSkrivIn::kOperatorKey)]);
        texts.add_window(&chooser);

        // Saved, the file items name the file; the guide calls it kFileName.
        const QString saved = dir.filePath(QStringLiteral("tal.add"));
        put_file(saved, "1 + 2 =\r\n3 + 4 =\r\n");
        platform::script_file_dialogs({saved});
        editor.menOeppna->trigger();
        editor.menArkiv_Click();
        for (QAction *a : editor.menArkiv->actions())
            a->setText(a->text().replace(saved, kFileName));
        texts.add_window(&editor);
        editor_menu = menu_items(editor.menu_bar->actions());

        frmOptions1 printOptions;
        texts.add_window(&printOptions);
        frmEgetVal ownSelection(Operation::Addition);
        texts.add_window(&ownSelection);
        texts.add(exercises::page_counter(1, 2));
    }

    void tour_settings() {
        for (int state : {settings_lock::Open, settings_lock::Locked}) {
            texts.add(*settings_lock::password_for(state));
            modSorvinel.settings_lock_state = state;
            frmLogin login(w);
            login.Form_Load();
            texts.add_window(&login);
            login.txtUserName->setText(QStringLiteral("Anna"));
            login.txtPassword->setText(*settings_lock::password_for(state));
            login.cmdOK_Click();
        }
        frmOptions2 options(w);
        options.speech_control = &f.speech;
        options.show();
        texts.add_window(&options);
        settings_title = options.windowTitle();
        for (int i = 0; i < options.tbsOptions->count(); ++i)
            settings_tabs << options.tbsOptions->tabText(i);
        modSorvinel.settings_lock_state = settings_lock::Open;

        frmAvancerat adaptation;
        texts.add_window(&adaptation);
        modSorvinel.speech_available = true;
        frmSorvinelHandledning guide(w);
        texts.add_window(&guide);
        texts.add_prompts();
    }

    MainWindowFixture f;
    frmSorvinel *w = nullptr;
    QTemporaryDir dir;
    ProgramTexts texts;
    std::vector<MenuItem> main_menu, editor_menu;
    QString settings_title;
    QStringList settings_tabs;
};

TEST_F(GuideText, EveryQuotedTextIsTheProgramsOwn) {
    tour_main_window();
    tour_editor();
    tour_settings();
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
    int quotes = 0;
    for (const auto &m : quoted.globalMatch(frmSorvinelHandledning::guide_text())) {
        ++quotes;
        EXPECT_TRUE(texts.has(m.captured(1))) << "not a text of the program: " << m.captured(1);
    }
    EXPECT_GT(quotes, 0);
}

// The main window's menus come first, from " - Övningsfönstret" the editor's, from the
// settings dialog's title its tabs. The guide's other headings name no control.
TEST_F(GuideText, EveryHeadingNamesAMenuPathOrATab) {
    tour_main_window();
    tour_editor();
    tour_settings();
    const QStringList unnamed = {QStringLiteral("Övningsfönstret"), QStringLiteral("Knappar mm")};
    enum class Part { MainWindow, Editor, Settings } part = Part::MainWindow;
    const auto found = headings(frmSorvinelHandledning::guide_text());
    ASSERT_FALSE(found.empty());
    for (const auto &levels : found) {
        const bool single = levels.size() == 1 && levels[0].size() == 1;
        if (single && unnamed.contains(levels[0][0])) {
            if (part == Part::MainWindow)
                part = Part::Editor;
            continue;
        }
        if (single && levels[0][0] == settings_title) {
            part = Part::Settings;
            continue;
        }
        if (part == Part::Settings) {
            EXPECT_TRUE(single && settings_tabs.contains(levels[0][0]))
                << "no tab of the settings dialog: " << joined(levels);
            continue;
        }
        const auto missing =
            missing_item(part == Part::MainWindow ? main_menu : editor_menu, levels);
        EXPECT_FALSE(missing) << "no menu item " << missing.value_or(QString()) << " at "
                              << joined(levels);
    }
    EXPECT_EQ(part, Part::Settings);
}

} // namespace
