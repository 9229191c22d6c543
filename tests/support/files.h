#pragma once
// Writing and reading whole files in tests.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

inline void put_file(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline QByteArray file_bytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
