#pragma once
// The exercise editor on its own: a fake 1024 x 768 screen, a folder for exercise files,
// and scripted message boxes and file dialogs so that no test waits for a person.

#include "exercises/frmSkrivIn.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/system.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"
#include "support/files.h"
#include "support/modal_watch.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace editor_test {

constexpr int kScreenWidthPx = 1024;
constexpr int kScreenHeightPx = 768;
constexpr int kAvailableHeightPx = 740;
constexpr int kMenuBarPx = 22;
constexpr double kTwipsPerPixel = 15;

// `count` additions «i + 1 =», one a line, CR LF.
inline QByteArray additions(int count, int first = 0) {
    QByteArray bytes;
    for (int i = first; i < first + count; ++i)
        bytes += QByteArray::number(i) + " + 1 =\r\n";
    return bytes;
}

inline QStringList list_items(const QListWidget *list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        init_assets();
        modSorvinel.reset();
        set_screen(kScreenWidthPx, kScreenHeightPx);
        modSorvinel.exercise_folder = dir.path() + u'/';
        platform::script_msg_box({});
        platform::script_file_dialogs({});
    }
    void TearDown() override {
        modal.stop();
        editor.reset();
        platform::stop_msg_box_script();
        platform::stop_file_dialog_script();
        platform::set_screen_metrics(std::nullopt);
    }
    void set_screen(int width_px, int height_px) {
        const int available = height_px - (kScreenHeightPx - kAvailableHeightPx);
        platform::set_screen_metrics(platform::ScreenMetrics{
            width_px, height_px, width_px, available, kTwipsPerPixel, kTwipsPerPixel});
        modSorvinel.screen_width = long(width_px * kTwipsPerPixel);
        modSorvinel.screen_height = (available - kMenuBarPx) * kTwipsPerPixel;
    }
    frmSkrivIn &open(exercises::EditorStart tag, const QStringList &wrong = {}) {
        editor = std::make_unique<frmSkrivIn>(nullptr, tag, wrong);
        return *editor;
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    // An addition exercise opened from `name`, which holds `bytes`, with "7 + 1 =" from
    // one.add inserted after its tasks: named, and changed since it was read.
    frmSkrivIn &opened_and_inserted(const QString &name, const QByteArray &bytes) {
        put_file(path(name), bytes);
        put_file(path("one.add"), additions(1, 7));
        frmSkrivIn &w = open({Operation::Addition});
        answer({}, {path(name)});
        w.menOeppna->trigger();
        answer({}, {path("one.add")});
        w.menInfoga->trigger();
        return w;
    }
    // Answers for the next message boxes and file dialogs; earlier calls are forgotten.
    static void answer(std::deque<int> boxes, std::deque<QString> dialogs = {}) {
        platform::script_msg_box(std::move(boxes));
        platform::script_file_dialogs(std::move(dialogs));
    }
    static std::vector<QString> box_texts() {
        std::vector<QString> texts;
        for (const platform::MsgBoxCall &c : platform::msg_box_calls())
            texts.push_back(c.prompt);
        return texts;
    }

    QTemporaryDir dir;
    std::unique_ptr<frmSkrivIn> editor;
    ModalWatch modal; // the test's look at a dialog; ends with the test
};

} // namespace editor_test
