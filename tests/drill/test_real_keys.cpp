// Real key events from an X server: the main window runs in a copy of the test program on
// its own Xvfb, with the server's key repetition on, and this test presses keys there through
// XTest, stopping the copy for a moment where a busy machine would. Only this shows what the
// server itself sends during a hold and a stall. Skipped where Xvfb or XTest is missing.

#include "test_drill_road_fixture.h"

#include "drill/frmSorvinel_elements.h"

#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <iostream>
#include <string>

namespace {

const char *const kChildVariable = "SORVINEL_REAL_KEYS_CHILD";

bool is_child() {
    return !qEnvironmentVariableIsEmpty(kChildVariable);
}

// The copy: a drill of twenty "2 + 2", and a line on standard output for each command read
// from standard input ("answer", "reset", "quit").
class RealKeysChild : public DrillRoad {};

TEST_F(RealKeysChild, AnswersWhatTheParentAsks) {
    if (!is_child())
        GTEST_SKIP() << "child-only helper: run by RealKeys.*";
    const std::vector<Task> tasks(20, Task{2, 2, "+"});
    start_drill(Operation::Addition, tasks);
    w->activateWindow();
    QApplication::processEvents();
    std::cout << "ready " << w->winId() << std::endl;
    QEventLoop loop;
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &loop, [&] {
        std::string command;
        if (!std::getline(std::cin, command) || command == "quit") {
            loop.quit();
            return;
        }
        if (command == "reset") {
            start_drill(Operation::Addition, tasks);
            w->activateWindow();
        }
        std::cout << "answer " << caption(w->labTal, tal::Answer).toStdString() << std::endl;
    });
    loop.exec();
}

} // namespace

#ifdef SORVINEL_TEST_REAL_KEYS
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr int kStartMs = 20000;
// X key symbols of the keys pressed.
constexpr xcb_keysym_t kSymOne = 0x31, kSymZero = 0x30, kSymFour = 0x34, kSymReturn = 0xff0d;

class RealKeys : public ::testing::Test {
protected:
    void SetUp() override {
        if (is_child())
            GTEST_SKIP() << "the copy runs only the child-only helper";
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            GTEST_SKIP() << "no Xvfb here";
        // The server writes its display number to standard output once it listens.
        // A quick repetition: many repeats queue up during a short hold and a stall.
        server.start(xvfb, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                            "-ardelay", "250", "-arinterval", "20"});
        ASSERT_TRUE(server.waitForReadyRead(kStartMs)) << "Xvfb did not start";
        display = ":" + QString::fromLatin1(server.readAll()).trimmed();
        connection = xcb_connect(display.toLatin1().constData(), nullptr);
        ASSERT_FALSE(xcb_connection_has_error(connection));
        // Key repetition as a desktop has it.
        const uint32_t on = XCB_AUTO_REPEAT_MODE_ON;
        xcb_change_keyboard_control(connection, XCB_KB_AUTO_REPEAT_MODE, &on);
        xcb_flush(connection);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kChildVariable, "1");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", display);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=RealKeysChild.*"});
        ASSERT_TRUE(child.waitForStarted());
        const QString ready = read_line("ready ");
        ASSERT_FALSE(ready.isEmpty()) << "the copy did not show its window";
        const xcb_window_t window = ready.toUInt();
        xcb_set_input_focus(connection, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        xcb_flush(connection);
        std::this_thread::sleep_for(300ms);
    }
    void TearDown() override {
        if (child.state() != QProcess::NotRunning) {
            ::kill(pid_t(child.processId()), SIGCONT);
            child.write("quit\n");
            if (!child.waitForFinished(5000))
                child.kill();
            child.waitForFinished();
        }
        if (connection)
            xcb_disconnect(connection);
        server.kill();
        server.waitForFinished();
    }

    // The next line of the copy's output that starts with `prefix`, without it.
    QString read_line(const char *prefix) {
        while (child.state() == QProcess::Running) {
            while (child.canReadLine()) {
                const QString line = QString::fromUtf8(child.readLine()).trimmed();
                if (line.startsWith(QLatin1String(prefix)))
                    return line.mid(int(strlen(prefix)));
            }
            if (!child.waitForReadyRead(kStartMs))
                break;
        }
        return {};
    }
    QString ask(const char *command) {
        child.write(command);
        child.write("\n");
        return read_line("answer ");
    }

    xcb_keycode_t keycode(xcb_keysym_t wanted) {
        const xcb_setup_t *setup = xcb_get_setup(connection);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t *map = xcb_get_keyboard_mapping_reply(
            connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr);
        xcb_keycode_t found = 0;
        if (map) {
            const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(map);
            for (int i = 0; i < count && !found; ++i)
                for (int j = 0; j < map->keysyms_per_keycode; ++j)
                    if (syms[i * map->keysyms_per_keycode + j] == wanted)
                        found = xcb_keycode_t(setup->min_keycode + i);
            std::free(map);
        }
        return found;
    }
    void key(xcb_keysym_t sym, bool down) {
        xcb_test_fake_input(connection, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, keycode(sym),
                            XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(connection);
    }
    void stop_child() { ::kill(pid_t(child.processId()), SIGSTOP); }
    void go_on_child() { ::kill(pid_t(child.processId()), SIGCONT); }
    // What the answer shows once the copy has caught up.
    QString answer_after_settling() {
        std::this_thread::sleep_for(400ms);
        return ask("answer");
    }

    QProcess server;
    QProcess child;
    QString display;
    xcb_connection_t *connection = nullptr;
};

// A digit held, so that the server repeats it, and let go while the program is stopped for
// a moment: the queued repeats must not type.
TEST_F(RealKeys, HeldDigitLetGoDuringAStallTypesOnce) {
    for (auto stall : {60ms, 200ms, 400ms}) {
        ASSERT_EQ(ask("reset"), "_");
        key(kSymFour, true);
        std::this_thread::sleep_for(600ms);
        stop_child();
        std::this_thread::sleep_for(stall / 2);
        key(kSymFour, false);
        std::this_thread::sleep_for(stall / 2);
        go_on_child();
        EXPECT_EQ(answer_after_settling(), "4_") << "stall of " << stall.count() << " ms";
    }
}

// Keys rolled into each other, and Enter pressed while the answer's digit is still down.
TEST_F(RealKeys, AKeyPressedBeforeTheLastIsLetGoCounts) {
    ASSERT_EQ(ask("reset"), "_");
    key(kSymOne, true);
    std::this_thread::sleep_for(80ms);
    key(kSymZero, true);
    std::this_thread::sleep_for(30ms);
    key(kSymOne, false);
    std::this_thread::sleep_for(50ms);
    key(kSymZero, false);
    EXPECT_EQ(answer_after_settling(), "10_");

    ASSERT_EQ(ask("reset"), "_");
    key(kSymFour, true);
    std::this_thread::sleep_for(80ms);
    key(kSymReturn, true);
    std::this_thread::sleep_for(30ms);
    key(kSymFour, false);
    std::this_thread::sleep_for(50ms);
    key(kSymReturn, false);
    EXPECT_EQ(answer_after_settling(), "_") << "the answer 4 was taken, the next task waits";
}

} // namespace
#endif
