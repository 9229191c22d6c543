#pragma once
// Looks for a modal window every few milliseconds and acts on it once the code under test
// has opened it. The looking belongs to this object: once it is stopped or gone, no look
// fires any more, so a test whose window never opened cannot write into the state of a
// finished test, nor close a window of the next one.
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>

class ModalWatch {
public:
    // Gets the active modal widget (or none) and says whether it has dealt with it.
    using Look = std::function<bool(QWidget *modal)>;

    ModalWatch();
    ModalWatch(const ModalWatch &) = delete;
    ModalWatch &operator=(const ModalWatch &) = delete;

    // Long enough for any window of ours to open on a loaded machine.
    static constexpr int kTries = 500;
    static constexpr std::chrono::milliseconds kEvery{10};

    // Replaces any look still running; gives up after `tries` more looks.
    void start(Look look, int tries = kTries, std::chrono::milliseconds every = kEvery);
    void stop();
    bool running() const { return bool(look_); }

private:
    void look_once();

    QTimer timer_;
    Look look_;
    int tries_left_ = 0;
    unsigned started_ = 0; // tells a look that started another one apart
};

// Passes on only a modal window that was already up at the previous look: a timer may fire
// while exec() is still showing the window, before its event loop runs, and closing it then
// would leave exec() waiting for ever.
ModalWatch::Look once_settled(ModalWatch::Look look);
