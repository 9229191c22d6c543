#pragma once
// The main window after start-up, with keys pressed the way the event filter passes them
// on, a clock and a random source the test sets.
#include "drill/drill_tasks.h"
#include "drill/frmSorvinel.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"
#include "support/main_window.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

class DrillRoad : public ::testing::Test {
protected:
    void SetUp() override {
        // Equal ordering keys keep the stored order: tasks come as generated.
        platform::set_random_source([] { return 0.5; });
        platform::set_time_source([this] { return now; });
        fixture.load();
        w = fixture.window.get();
    }
    void TearDown() override {
        fixture.modal.stop();
        platform::set_random_source({});
        platform::set_time_source({});
    }

    // Ends the next modal window as soon as it is up, whatever its own closing rules, and
    // counts it in `modals_ended`.
    void end_next_modal() {
        fixture.modal.start([this](QWidget *modal) {
            auto *d = qobject_cast<QDialog *>(modal);
            if (!d)
                return false;
            ++modals_ended;
            d->done(QDialog::Rejected);
            return true;
        });
    }

    void press(int code) {
        int c = code;
        w->Form_KeyDown(c, 0);
        w->Form_KeyUp(c, 0);
    }
    void letter(char upper) { press(vb::key::A + (upper - 'A')); }
    void type(const QString &digits) {
        for (QChar d : digits)
            press(vb::key::D0 + d.digitValue());
    }
    void answer(int value) {
        type(QString::number(value));
        press(vb::key::Return);
    }
    int right_answer() { return w->drill_session().task().right_answer; }
    QString caption(ControlArray<VbLabel> &labels, int i) { return labels[i]->Caption(); }
    bool shown(ControlArray<VbLabel> &labels, int i) { return !labels[i]->isHidden(); }

    // A drill of the given stored tasks, asked in that order.
    struct Task {
        int first, second;
        const char *sign;
    };
    void start_drill(Operation operation, const std::vector<Task> &tasks) {
        modSorvinel.current_operation = operation;
        const int n = int(tasks.size());
        drill::dimension_drill_arrays(modSorvinel, n);
        for (int i = 0; i < n; ++i) {
            modSorvinel.task_operands[drill::Row::StoredFirst][i] = tasks[size_t(i)].first;
            modSorvinel.task_operands[drill::Row::StoredSecond][i] = tasks[size_t(i)].second;
            modSorvinel.task_operators[drill::Row::StoredSign][i] = tasks[size_t(i)].sign;
        }
        modSorvinel.task_count = n;
        w->make_random_order(n, true);
        w->start_drill();
    }
    void speak_everything() {
        modSorvinel.speak_menus = true;
        modSorvinel.speak_in_exercises = true;
        fixture.speech.log.clear();
    }
    QStringList spoken() const { return fixture.speech.spoken(); }

    long now = 12 * 3600;
    int modals_ended = 0;
    MainWindowFixture fixture;
    frmSorvinel *w = nullptr;
};
