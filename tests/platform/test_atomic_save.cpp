// A save cut short by a full disk (here: a file-size limit, which binds root too) must
// leave the stored settings as they were.
#include "platform/atomic_file.h"
#include "platform/settings_store.h"
#include "support/files.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

namespace {

TEST(AtomicSave, ShortWriteKeepsTheOldSettingsFile) {
    TempHome home;
    SettingsStore &store = home.store();
    ASSERT_TRUE(store.SaveSetting("Ljud", "Pip", "False"));
    const QByteArray before = file_bytes(store.filePath());
    ASSERT_FALSE(before.isEmpty());

    bool saved = true;
    {
        FileSizeLimit limit(rlim_t(before.size()) + 8);
        saved = store.SaveSetting("Filkatalog", "Path", QString(4000, QChar('x')));
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(file_bytes(store.filePath()), before);
    EXPECT_EQ(SettingsStore(store.filePath()).GetSetting("Ljud", "Pip", "?"), "False");
    // Nothing is left beside the file.
    EXPECT_EQ(QDir(home.dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(AtomicSave, FolderThatIsAFileFailsCleanly) {
    TempHome home;
    put_file(home.path("plain"), "x");
    EXPECT_FALSE(platform::write_file_atomically(home.path("plain/inside.ini"), "data"));
    EXPECT_EQ(file_bytes(home.path("plain")), "x");
}

} // namespace
