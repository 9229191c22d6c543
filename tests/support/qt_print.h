#pragma once
// Lets GoogleTest print Qt strings readably in failure messages and in `<<` notes.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

inline std::ostream &operator<<(std::ostream &os, const QString &s) {
    return os << s.toStdString();
}
inline void PrintTo(const QString &s, std::ostream *os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList &l, std::ostream *os) {
    *os << '{';
    for (qsizetype i = 0; i < l.size(); ++i)
        *os << (i ? ", \"" : "\"") << l[i].toStdString() << '"';
    *os << '}';
}

// Screen states print as their numbers.
enum class ScreenState : int;
inline std::ostream &operator<<(std::ostream &os, ScreenState s) {
    return os << int(s);
}

// Operations and message kinds print as their numbers too.
enum class Operation : int;
inline std::ostream &operator<<(std::ostream &os, Operation op) {
    return os << int(op);
}
enum class MessageKind : int;
inline std::ostream &operator<<(std::ostream &os, MessageKind k) {
    return os << int(k);
}

// Names of the cases of parameterised tests.
#include "support/param_names.h"
