#pragma once
// A main window started as the program starts it, with a recording speech control, a
// store in a fresh folder and the splash closed at once.
#include "drill/frmSorvinel.h"
#include "platform/speech.h"
#include "support/modal_watch.h"
#include "support/temp_home.h"

#include <memory>

struct MainWindowFixture {
    // `prepare` may write settings into the store before the window loads.
    explicit MainWindowFixture(QStringList voices = {QStringLiteral("Svenska")});
    ~MainWindowFixture();
    // Runs the start-up sequence; the splash is closed as soon as it shows.
    void load();
    TempHome home;
    RecordingSpeech speech;
    std::unique_ptr<frmSorvinel> window;
    // For the test's own looks at modal windows; stopped before the window goes.
    ModalWatch modal;
    ModalWatch splash_closer;
};

// Closes the next modal window as soon as it is shown (by reject()).
void close_next_modal(ModalWatch &watch);
