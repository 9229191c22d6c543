// Reading a file that must be a plain file: whatever else stands at the path is refused
// without waiting on it, and a read that fails part-way is not taken for the whole file.
#include "platform/regular_file.h"
#include "support/files.h"
#include "support/non_regular_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace {

using platform::FileState;

constexpr qint64 kNoLimit = std::numeric_limits<qint64>::max();

TEST(RegularFile, WhatStandsAtThePathDecides) {
    QTemporaryDir dir;
    const auto at = [&](const char *name) { return dir.filePath(name); };
    put_file(at("plain.add"), "1 + 2 =\r\n");
    put_file(at("empty.add"), "");
    put_file(at("file"), "x");
    ASSERT_TRUE(QDir().mkpath(at("folder.add")));
    ASSERT_TRUE(QFile::link(at("plain.add"), at("link.add")));
    ASSERT_TRUE(QFile::link(at("folder.add"), at("folder-link.add")));
    ASSERT_TRUE(QFile::link(at("nowhere"), at("dangling.add")));
    FifoGuard fifo(at("fifo.add"));
    ASSERT_TRUE(fifo.made());
    SocketFile socket(at("socket.add"));
    ASSERT_TRUE(socket.made());

    struct Case {
        QString path;
        FileState state;
        QByteArray bytes;
        bool special; // is_special_file
    };
    const Case cases[] = {
        {at("plain.add"), FileState::Read, "1 + 2 =\r\n", false},
        {at("empty.add"), FileState::Read, "", false},
        {at("link.add"), FileState::Read, "1 + 2 =\r\n", false},
        {at("missing.add"), FileState::Missing, "", false},
        {at("dangling.add"), FileState::Missing, "", false},
        {at("gone/x.add"), FileState::Missing, "", false},
        {at("file/x.add"), FileState::Missing, "", false}, // the "folder" is a file
        {at("folder.add"), FileState::NotAFile, "", true},
        {at("folder-link.add"), FileState::NotAFile, "", true},
        {at("fifo.add"), FileState::NotAFile, "", true},
        {at("socket.add"), FileState::NotAFile, "", true},
        {"/dev/null", FileState::NotAFile, "", true},
        {"/dev/zero", FileState::NotAFile, "", true}, // would never end
        // A plain file whose read fails (EIO at address 0), for root too.
        {"/proc/self/mem", FileState::Unreadable, "", false},
    };
    for (const Case &c : cases) {
        const platform::FileRead read = platform::read_regular_file(c.path, kNoLimit);
        EXPECT_EQ(read.state, c.state) << c.path.toStdString();
        EXPECT_EQ(read.bytes, c.bytes) << c.path.toStdString();
        EXPECT_FALSE(read.cut_short) << c.path.toStdString();
        EXPECT_EQ(platform::is_special_file(c.path), c.special) << c.path.toStdString();
    }
    EXPECT_FALSE(fifo.had_to_unblock()) << "a read waited on the FIFO";
}

TEST(RegularFile, AFileLongerThanTheLimitGivesItsHead) {
    QTemporaryDir dir;
    const QString path = dir.filePath("long");
    const QByteArray bytes(200000, 'x');
    put_file(path, bytes);
    struct Case {
        qint64 limit;
        qsizetype size;
        bool cut_short;
    };
    for (const Case &c : {Case{0, 0, true}, Case{4, 4, true}, Case{199999, 199999, true},
                          Case{200000, 200000, false}, Case{200001, 200000, false},
                          Case{kNoLimit, 200000, false}}) {
        const platform::FileRead read = platform::read_regular_file(path, c.limit);
        EXPECT_EQ(read.state, FileState::Read) << c.limit;
        EXPECT_EQ(read.bytes, bytes.left(c.size)) << c.limit;
        EXPECT_EQ(read.cut_short, c.cut_short) << c.limit;
    }
}

} // namespace
