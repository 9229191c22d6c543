#pragma once
// A fresh settings file and data folder for one test, inside the test program's home.
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class SettingsStore;

struct TempHome {
    TempHome();
    ~TempHome();
    QString path(const QString &name) const { return dir.path() + "/" + name; }
    // A store whose file lies in this folder.
    SettingsStore &store();
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store_;
};
