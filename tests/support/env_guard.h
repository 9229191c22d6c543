#pragma once
// An environment variable, optionally set for a while, given back as it was (set or not)
// when the guard ends.
#include <QByteArray>
#include <QtGlobal>

struct EnvGuard {
    explicit EnvGuard(const char *name)
        : name(name), old(qgetenv(name)), had(qEnvironmentVariableIsSet(name)) {}
    EnvGuard(const char *name, const QByteArray &value) : EnvGuard(name) { qputenv(name, value); }
    ~EnvGuard() {
        if (had)
            qputenv(name, old);
        else
            qunsetenv(name);
    }
    EnvGuard(const EnvGuard &) = delete;
    EnvGuard &operator=(const EnvGuard &) = delete;

    const char *name;
    QByteArray old;
    bool had;
};
