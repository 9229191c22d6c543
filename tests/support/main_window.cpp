#include "support/main_window.h"
#include "platform/settings_store.h"
#include "platform/system.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"

#include <QApplication>
#include <QDialog>

void close_next_modal(ModalWatch &watch) {
    watch.start(once_settled([](QWidget *modal) {
        auto *d = qobject_cast<QDialog *>(modal);
        if (d)
            d->reject();
        return d != nullptr;
    }));
}

MainWindowFixture::MainWindowFixture(QStringList voices) : speech(std::move(voices)) {
    init_assets();
    modSorvinel.main_window = nullptr;
    modSorvinel.reset();
    modSorvinel.store = &home.store();
    platform::set_screen_metrics(platform::ScreenMetrics{1024, 768, 1024, 740, 15, 15});
    window = std::make_unique<frmSorvinel>(&speech);
}

MainWindowFixture::~MainWindowFixture() {
    modal.stop();
    splash_closer.stop();
    window.reset();
    modSorvinel.main_window = nullptr;
    modSorvinel.store = nullptr;
    platform::set_screen_metrics(std::nullopt);
}

void MainWindowFixture::load() {
    close_next_modal(splash_closer);
    window->Form_Load();
}
