// Exercise files on disk: names, filters, reading under the file's sign, the 1000 limit,
// the written bytes and writes that fail without harming the file they would replace.

#include "exercises/exercise_file.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exercises;

namespace {

QByteArray numbered_additions(int count, const char *ending = "\r\n") {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QByteArray::number(i) + " + 1 =" + ending;
    return bytes;
}

} // namespace

TEST(ExerciseFileNames, TypeComesFromTheLastThreeCharactersInAnyCase) {
    const struct {
        const char *path;
        QString type;
    } cases[] = {
        {"/a/prov.add", kTypeAddition},
        {"/a/prov.ADD", kTypeAddition},
        {"/a/provxadd", kTypeAddition},
        {"/a/b.Sub", kTypeSubtraction},
        {"/a/b.mul", kTypeMultiplication},
        {"/a/b.div", kTypeDivision},
        {"/a/b.BLA", kTypeMixed},
        {"/a/prov.txt", QString()},
        {"/a/add.txt", QString()},
        {"dd", QString()},
        {"", QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(type_from_path(c.path), c.type) << c.path;
}

TEST(ExerciseFileNames, MissingExtensionOfTheTypeIsAdded) {
    const struct {
        const char *path;
        QString type;
        const char *expected;
    } cases[] = {
        {"/a/prov", kTypeAddition, "/a/prov.add"},
        {"/a/prov.ADD", kTypeAddition, "/a/prov.ADD"},
        {"/a/prov.add", kTypeAddition, "/a/prov.add"},
        // Another type's ending would have the file read back by the wrong sign.
        {"/a/prov.sub", kTypeAddition, "/a/prov.sub.add"},
        {"/a/provadd", kTypeAddition, "/a/provadd.add"},
        {"/a/blandat", kTypeMixed, "/a/blandat.bla"},
        {"/a/x.div", kTypeDivision, "/a/x.div"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(with_type_extension(c.path, c.type), QString(c.expected)) << c.path;
}

TEST(ExerciseFileNames, DialogFilters) {
    EXPECT_EQ(open_dialog_filter(),
              "Addition (*.add)|*.add|Subtraktion (*.sub)|*.sub|Multiplikation (*.mul)|*.mul|"
              "Division (*.div)|*.div|Blandade (*.bla)|*.bla");
    EXPECT_EQ(insert_dialog_filter(kTypeMixed),
              "Alla (*.add *.sub *.mul *.div *.bla)|*.add;*.sub;*.mul;*.div;*.bla|"
              "Addition (*.add)|*.add|Subtraktion (*.sub)|*.sub|Multiplikation (*.mul)|*.mul|"
              "Division (*.div)|*.div|Blandade (*.bla)|*.bla");
    EXPECT_EQ(insert_dialog_filter(kTypeAddition), "Addition (*.add)|*.add");
    EXPECT_EQ(dialog_filter_entry(kTypeDivision), "Division (*.div)|*.div");
    EXPECT_EQ(open_dialog_filter_index(kTypeAddition), 1);
    EXPECT_EQ(open_dialog_filter_index(kTypeMixed), 5);
}

TEST(ExerciseFileFormat, RoundTripForEveryTypeWritesPlainAsciiLines) {
    const struct {
        QString type;
        QStringList tasks;
        QByteArray bytes;
    } cases[] = {
        {kTypeAddition,
         {"12 + 5 =", "0 + 0 =", "5000 + 4999 ="},
         "12 + 5 =\r\n0 + 0 =\r\n5000 + 4999 =\r\n"},
        {kTypeSubtraction, {"7 - 3 =", "9999 - 9999 ="}, "7 - 3 =\r\n9999 - 9999 =\r\n"},
        {kTypeMultiplication, {"99 * 101 =", "6 * 4 ="}, "99 * 101 =\r\n6 * 4 =\r\n"},
        {kTypeDivision, {"12 / 4 =", "0 / 5 ="}, "12 / 4 =\r\n0 / 5 =\r\n"},
        {kTypeMixed,
         {"7 - 3 =", "6 * 4 =", "8 / 2 =", "1 + 1 ="},
         "7 - 3 =\r\n6 * 4 =\r\n8 / 2 =\r\n1 + 1 =\r\n"},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        const QString path = dir.filePath("prov." + extension_for_type(c.type));
        ASSERT_TRUE(write_exercise_file(path, c.tasks)) << path.toStdString();
        const QByteArray written = file_bytes(path);
        EXPECT_EQ(written, c.bytes) << path.toStdString();
        EXPECT_FALSE(written.contains("\xA4")) << "type code written into " << path.toStdString();
        const ReadResult read = read_exercise_file(path, type_from_path(path), 1000);
        EXPECT_FALSE(read.failed);
        EXPECT_EQ(read.tasks, c.tasks) << path.toStdString();
        EXPECT_EQ(read.left_out, 0);
    }
}

TEST(ExerciseFileFormat, EmptyExerciseIsAnEmptyFileAndOverwritingLeavesNoTail) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tom.add");
    ASSERT_TRUE(write_exercise_file(path, {"1111 + 2222 =", "3 + 4 ="}));
    ASSERT_TRUE(write_exercise_file(path, {"1 + 2 ="}));
    EXPECT_EQ(file_bytes(path), QByteArray("1 + 2 =\r\n"));
    ASSERT_TRUE(write_exercise_file(path, {}));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST(ExerciseFileFormat, LinesThatWouldNotReadBackAreNotWritten) {
    // "¤" is only a type code; a line break inside an item would split it in two.
    const QStringList bad[] = {{"3 ¤ 4 ="}, {"1 + 1 =", "2 + 2 =\r\n3 + 3 ="}, {"5 • 2 ="}};
    QTemporaryDir dir;
    for (const QStringList &tasks : bad) {
        int writes = 0;
        const FileWriter counting = [&](const QString &, const QByteArray &) {
            ++writes;
            return true;
        };
        EXPECT_FALSE(write_exercise_file(dir.filePath("x.bla"), tasks, counting))
            << tasks.join('|').toStdString();
        EXPECT_EQ(writes, 0);
    }
}

TEST(ExerciseFileReading, AcceptsEveryLineEnding) {
    const QByteArray files[] = {
        "1 + 1 =\r\n2 + 2 =\r\n3 + 3 =\r\n",
        "1 + 1 =\n2 + 2 =\n3 + 3 =\n",
        "1 + 1 =\r2 + 2 =\r3 + 3 =\r",
        "1 + 1 =\r\n2 + 2 =\n3 + 3 =",
        "1 + 1 =\r\r\n\n2 + 2 =\n\r3 + 3 =\r\n\r\n",
    };
    for (const QByteArray &bytes : files) {
        const ReadResult read = read_exercise_bytes(bytes, kTypeAddition, 1000);
        EXPECT_EQ(read.tasks, QStringList({"1 + 1 =", "2 + 2 =", "3 + 3 ="}))
            << bytes.toStdString();
    }
}

TEST(ExerciseFileReading, Latin1TextAroundTasksIsIgnored) {
    // Bytes above 127 are text of the old code page: Swedish letters, a Windows-1252 dash.
    const QByteArray bytes = "Uppgift \xe5\xe4\xf6 12 + 5 = svar\r\n"
                             "\x96\x80 7 + 3\r\n"
                             "\xc5ttio 80 + 10 = 90\r\n";
    const ReadResult read = read_exercise_bytes(bytes, kTypeAddition, 1000);
    EXPECT_EQ(read.tasks, QStringList({"12 + 5 =", "7 + 3 =", "80 + 10 ="}));
}

TEST(ExerciseFileReading, RefusedLinesAreSkippedAndAcceptedOnesNormalised) {
    const struct {
        QString type;
        QByteArray line;
        QString task; // empty: refused
    } cases[] = {
        {kTypeAddition, "", {}},
        {kTypeAddition, "   ", {}},
        {kTypeAddition, "7 - 3 =", {}},     // not the file's sign
        {kTypeAddition, "10000 + 1 =", {}}, // five-digit operand
        {kTypeAddition, "9999 + 1 =", {}},  // sum too large
        {kTypeAddition, "5 + =", {}},
        {kTypeAddition, "0012+3", "12 + 3 ="},
        {kTypeAddition, "+3 + 4 =", "3 + 4 ="},
        {kTypeSubtraction, "3 - 4 =", {}},
        {kTypeMultiplication, "200 * 200 =", {}},
        {kTypeDivision, "5 / 0 =", {}},
        {kTypeDivision, "7 / 2 =", {}},
        {kTypeDivision, "0 / 5 =", "0 / 5 ="},
        {kTypeMixed, "6 * 7 =", "6 * 7 ="},
        {kTypeMixed, "-3 + 4 =", {}},   // the first sign met rules
        {kTypeMixed, "3 \xa4 4 =", {}}, // the type code is no operator
    };
    for (const auto &c : cases) {
        // Each case sits between two good lines, which must survive it.
        const QString sign = c.type == kTypeMixed ? kTypeAddition : c.type;
        const QString good = "8 " + sign + " 2 =";
        const QByteArray bytes = good.toLatin1() + "\r\n" + c.line + "\r\n" + good.toLatin1();
        const ReadResult read = read_exercise_bytes(bytes, c.type, 1000);
        QStringList expected{good};
        if (!c.task.isEmpty())
            expected << c.task;
        expected << good;
        EXPECT_EQ(read.tasks, expected) << c.line.toStdString();
    }
}

TEST(ExerciseFileReading, MixedFileLinesEachKeepTheirOwnSign) {
    const ReadResult read =
        read_exercise_bytes("7 - 3 =\r\n6 * 4 =\r\n9 / 3 =\r\n2 + 2 =\r\n", kTypeMixed, 1000);
    EXPECT_EQ(read.tasks, QStringList({"7 - 3 =", "6 * 4 =", "9 / 3 =", "2 + 2 ="}));
}

TEST(ExerciseFileReading, TakesTheFirstValidLinesUpToTheRoomAndCountsTheRest) {
    QByteArray bytes = numbered_additions(1200);
    bytes.insert(0, "x\r\n9999 + 9999 =\r\n"); // refused lines are not counted anywhere
    const ReadResult read = read_exercise_bytes(bytes, kTypeAddition, 1000);
    ASSERT_EQ(read.tasks.size(), 1000);
    EXPECT_EQ(read.tasks.front(), "0 + 1 =");
    EXPECT_EQ(read.tasks.back(), "999 + 1 =");
    EXPECT_EQ(read.left_out, 200);

    const ReadResult small = read_exercise_bytes(numbered_additions(300, "\n"), kTypeAddition, 100);
    EXPECT_EQ(small.tasks.size(), 100);
    EXPECT_EQ(small.left_out, 200);

    const ReadResult none = read_exercise_bytes(numbered_additions(5), kTypeAddition, 0);
    EXPECT_TRUE(none.tasks.isEmpty());
    EXPECT_EQ(none.left_out, 5);
}

TEST(ExerciseFileReading, MissingFileOrFolderFails) {
    QTemporaryDir dir;
    EXPECT_TRUE(read_exercise_file(dir.filePath("saknas.add"), kTypeAddition, 1000).failed);
    EXPECT_TRUE(read_exercise_file(dir.path(), kTypeAddition, 1000).failed);
    put_file(dir.filePath("tom.add"), {});
    const ReadResult empty = read_exercise_file(dir.filePath("tom.add"), kTypeAddition, 1000);
    EXPECT_FALSE(empty.failed);
    EXPECT_TRUE(empty.tasks.isEmpty());
}

// A file up to the size limit is read whole and its tasks counted truly; one byte more, or a
// huge sparse file, is refused unread by the editor and the drill alike.
TEST(ExerciseFileReading, FilesBeyondTheSizeLimitAreRefused) {
    QTemporaryDir dir;
    const QByteArray line = "1 + 1 =\r\n";
    const qint64 count = kMaxExerciseFileBytes / line.size();
    const QByteArray at_limit =
        line.repeated(count) + QByteArray(kMaxExerciseFileBytes - count * line.size(), 'x');
    ASSERT_EQ(at_limit.size(), kMaxExerciseFileBytes);
    struct Case {
        const char *name;
        qint64 sparse_size; // 0: the bytes below
        QByteArray bytes;
        bool refused;
    } cases[] = {
        {"at-limit.add", 0, at_limit, false},
        {"one-more.add", 0, at_limit + 'x', true},
        {"huge.add", qint64(1) << 40, {}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(c.name);
        if (c.sparse_size > 0)
            put_sparse_file(path, c.sparse_size);
        else
            put_file(path, c.bytes);
        EXPECT_EQ(is_refused_exercise_file(path), c.refused);
        const ReadResult lines = read_exercise_file(path, kTypeAddition, 1000);
        const TaskReadResult tasks = read_exercise_tasks(path, kTypeAddition, 1000);
        EXPECT_EQ(lines.failed, c.refused);
        EXPECT_EQ(tasks.failed, c.refused);
        EXPECT_EQ(lines.tasks.size(), c.refused ? 0 : 1000);
        EXPECT_EQ(tasks.left_out, c.refused ? 0 : count - 1000);
        EXPECT_EQ(lines.left_out, tasks.left_out);
    }
}

TEST(ExerciseFileReading, TheDrillsNumbersAreTheLinesTheEditorReads) {
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {numbered_additions(1005), kTypeAddition},
        {"7 - 3 =\r6 * 4 =\n9 / 3 =\r\n9 / 0 =\r\n2 + 2\xA4 =\n12\xA4 3 =", kTypeMixed},
        {"x\r\n\r\n 08 *  0012 = 96\r\n", kTypeMultiplication},
        {{}, kTypeDivision},
    };
    QTemporaryDir dir;
    for (const auto &[bytes, type] : cases) {
        const QString path = dir.filePath("prov." + extension_for_type(type));
        put_file(path, bytes);
        const TaskReadResult numbers = read_exercise_tasks_bytes(bytes, type, 1000);
        const TaskReadResult from_file = read_exercise_tasks(path, type, 1000);
        const ReadResult lines = read_exercise_bytes(bytes, type, 1000);
        QStringList written;
        for (const ExerciseTask &t : numbers.tasks)
            written << task_line(t.first, t.sign, t.second);
        EXPECT_EQ(written, lines.tasks) << bytes.left(40).toStdString();
        EXPECT_EQ(numbers.left_out, lines.left_out);
        EXPECT_EQ(from_file.tasks.size(), numbers.tasks.size());
        EXPECT_EQ(from_file.left_out, numbers.left_out);
        EXPECT_FALSE(from_file.failed);
    }
}

TEST(ExerciseFileReading, AFileReaderPutInServesEveryRoad) {
    QTemporaryDir dir;
    const QString on_disk = dir.filePath("disk.add");
    put_file(on_disk, "1 + 1 =\r\n");
    // The folder is gone when the file is opened: nothing to read.
    set_file_reader([](const QString &) { return std::nullopt; });
    EXPECT_TRUE(read_exercise_file(on_disk, kTypeAddition, 1000).failed);
    EXPECT_TRUE(read_exercise_tasks(on_disk, kTypeAddition, 1000).failed);
    // Files kept in memory.
    set_file_reader([](const QString &path) -> std::optional<QByteArray> {
        return path == "/minne/prov.add" ? std::optional<QByteArray>("2 + 3 =\n4 + 5 =")
                                         : std::nullopt;
    });
    EXPECT_EQ(read_exercise_file("/minne/prov.add", kTypeAddition, 1000).tasks,
              QStringList({"2 + 3 =", "4 + 5 ="}));
    EXPECT_EQ(read_exercise_tasks("/minne/prov.add", kTypeAddition, 1).left_out, 1);
    EXPECT_TRUE(read_exercise_file(on_disk, kTypeAddition, 1000).failed);
    set_file_reader({});
    EXPECT_EQ(read_exercise_file(on_disk, kTypeAddition, 1000).tasks, QStringList({"1 + 1 ="}));
}

TEST(ExerciseFileWriting, FailsWhereNoFileCanBeMade) {
    QTemporaryDir dir;
    put_file(dir.filePath("vanlig"), "not a folder");
    EXPECT_FALSE(write_exercise_file(dir.filePath("vanlig/prov.add"), {"1 + 1 ="}));
    EXPECT_EQ(file_bytes(dir.filePath("vanlig")), QByteArray("not a folder"));

    ASSERT_TRUE(QDir(dir.path()).mkdir("mapp.add"));
    EXPECT_FALSE(write_exercise_file(dir.filePath("mapp.add"), {"1 + 1 ="}));
    EXPECT_TRUE(QFileInfo(dir.filePath("mapp.add")).isDir());
}

TEST(ExerciseFileWriting, WriteFailingPartWayKeepsTheOldFileByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath("prov.add");
    const QByteArray old_bytes = "1 + 2 =\r\n3 + 4 =\r\n";
    put_file(path, old_bytes);
    const QStringList longer =
        QString::fromLatin1(numbered_additions(200)).split("\r\n", Qt::SkipEmptyParts);
    constexpr rlim_t kLimit = 64; // more than the old file, far less than the new one
    {
        FileSizeLimit limit(kLimit);
        // The fault is real: writing straight into a file stops at the limit.
        QFile probe(dir.filePath("probe"));
        ASSERT_TRUE(probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        EXPECT_NE(probe.write(numbered_additions(200)), numbered_additions(200).size());
        probe.close();
        probe.remove();

        EXPECT_FALSE(write_exercise_file(path, longer));
    }
    EXPECT_EQ(file_bytes(path), old_bytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"prov.add"}))
        << "the half-written copy must not be left behind";

    ASSERT_TRUE(write_exercise_file(path, longer));
    EXPECT_EQ(file_bytes(path), numbered_additions(200));
}
