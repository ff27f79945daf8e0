#include "platform/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using velmora::SettingsStore;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("sub/store.ini")); }
    QByteArray FileBytes() const {
        QFile f(Path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir m_dir;
};

TEST_F(SettingsStoreTest, ReadsNeverCreateKeysOrFiles) {
    SettingsStore store(Path());
    EXPECT_EQ(store.GetSetting("Recent", "Recent9", "x"), "x");
    EXPECT_EQ(store.GetInt("Options", "CardSpeed", 20), 20);
    EXPECT_FALSE(store.GetBool("Save", "Unfinished", false));
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_FALSE(QFile::exists(Path()));
}

TEST_F(SettingsStoreTest, NamesMatchWithoutRegardToCase) {
    SettingsStore store(Path());
    store.SaveInt("Save", "IncludeDate", 0);
    EXPECT_EQ(store.GetInt("save", "includedate", 1), 0);
    store.SaveInt("SAVE", "INCLUDEDATE", 1);
    EXPECT_EQ(store.Sections().size(), 1);
    EXPECT_EQ(store.GetInt("Save", "IncludeDate", 0), 1);
}

TEST_F(SettingsStoreTest, EveryWriteIsOnDiskAndSurvivesReopening) {
    {
        SettingsStore store(Path());
        store.SaveBool("Save", "Maximized", true);
        store.SaveSetting("Save", "UserFolder", "/home/x/a b=c\\d");
        EXPECT_TRUE(FileBytes().contains("Maximized=True\r\n"));
    }
    SettingsStore reopened(Path());
    EXPECT_TRUE(reopened.GetBool("Save", "Maximized", false));
    EXPECT_EQ(reopened.GetSetting("Save", "UserFolder"), "/home/x/a b=c\\d");
}

TEST_F(SettingsStoreTest, BooleansReadFromWordsAndNumbers) {
    SettingsStore store(Path());
    store.SaveSetting("S", "a", "0");
    store.SaveSetting("S", "b", "-1");
    store.SaveSetting("S", "c", "true");
    store.SaveSetting("S", "d", "maybe");
    EXPECT_FALSE(store.GetBool("S", "a", true));
    EXPECT_TRUE(store.GetBool("S", "b", false));
    EXPECT_TRUE(store.GetBool("S", "c", false));
    EXPECT_TRUE(store.GetBool("S", "d", true));
    EXPECT_FALSE(store.GetBool("S", "d", false));
}

TEST_F(SettingsStoreTest, UnparsableNumbersReadAsDefault) {
    SettingsStore store(Path());
    store.SaveSetting("Options", "CardSpeed", "fast");
    EXPECT_EQ(store.GetInt("Options", "CardSpeed", 20), 20);
}

TEST_F(SettingsStoreTest, DeletesSectionsAndEverything) {
    SettingsStore store(Path());
    store.SaveSetting("Player1", "Name", "Ann");
    store.SaveSetting("Player2", "Name", "Bob");
    store.DeleteSetting("player1");
    EXPECT_FALSE(store.HasKey("Player1", "Name"));
    EXPECT_TRUE(store.HasKey("Player2", "Name"));
    store.DeleteSetting();
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_TRUE(SettingsStore(Path()).IsEmpty());
}

} // namespace
