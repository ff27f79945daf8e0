#include "platform/SettingsStore.h"

#include "support/FileSizeLimit.h"
#include "support/QtPrint.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using velmora::SettingsStore;
using velmora::test::FileSizeLimit;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("sub/store.ini")); }
    QByteArray FileBytes() const {
        QFile f(Path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void WriteFile(const QByteArray& bytes) const {
        QDir().mkpath(m_dir.filePath(QStringLiteral("sub")));
        QFile f(Path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    /// A store whose failure messages land in `reports`.
    std::unique_ptr<SettingsStore> Reporting() {
        auto store = std::make_unique<SettingsStore>(Path());
        store->SetFailureReport([this](const QString& text) { reports << text; });
        return store;
    }
    QTemporaryDir m_dir;
    QStringList reports;
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

TEST_F(SettingsStoreTest, AValueTheFileHoldsAlreadyIsNotWrittenAgain) {
    const auto inode = [this] {
        struct stat st {};
        return ::stat(QFile::encodeName(Path()).constData(), &st) == 0 ? st.st_ino : 0;
    };
    auto reporting = Reporting();
    SettingsStore& a = *reporting;
    SettingsStore b(Path());
    ASSERT_TRUE(a.SaveSetting("Save", "Unfinished", "False"));
    const auto first = inode();
    EXPECT_TRUE(a.SaveSetting("SAVE", "unfinished", "False"));
    EXPECT_TRUE(a.SaveSettings({{"Save", "Unfinished", "False"}}));
    EXPECT_EQ(inode(), first) << "every write replaces the file: none happened";

    // Compared with the file as it is now, not as this store last saw it.
    b.SaveSetting("Save", "Unfinished", "True");
    EXPECT_TRUE(a.SaveSetting("Save", "Unfinished", "False"));
    EXPECT_EQ(SettingsStore(Path()).GetSetting("Save", "Unfinished"), "False");
    const auto rewritten = inode();
    EXPECT_TRUE(a.SaveSettings({{"Save", "Unfinished", "False"}, {"Save", "Left", "0"}}));
    EXPECT_NE(inode(), rewritten) << "one new value among old ones";
    EXPECT_EQ(SettingsStore(Path()).GetSetting("Save", "Left"), "0");

    // Nor is the lock taken for it: a copy holding the lock does not hold this up.
    QLockFile other(Path() + QStringLiteral(".lock"));
    ASSERT_TRUE(other.tryLock(0));
    EXPECT_TRUE(a.SaveSetting("Save", "Left", "0"));
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(SettingsStoreTest, BooleansReadFromWordsAndNumbersAndWhatDoesNotParseAsTheDefault) {
    SettingsStore store(Path());
    store.SaveSettings({{"S", "a", "0"}, {"S", "b", "-1"}, {"S", "c", "true"}, {"S", "d", "x"}});
    EXPECT_FALSE(store.GetBool("S", "a", true));
    EXPECT_TRUE(store.GetBool("S", "b", false));
    EXPECT_TRUE(store.GetBool("S", "c", false));
    EXPECT_TRUE(store.GetBool("S", "d", true));
    EXPECT_FALSE(store.GetBool("S", "d", false));
    EXPECT_EQ(store.GetInt("S", "d", 20), 20);
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

TEST_F(SettingsStoreTest, TwoStoresOnOneFileSeeEachOthersWrites) {
    SettingsStore a(Path());
    SettingsStore b(Path());
    EXPECT_TRUE(b.IsEmpty());
    a.SaveSetting("Player6", "Total", "1");
    EXPECT_EQ(b.GetSetting("player6", "total"), "1");
    b.SaveSetting("Options", "CardSpeed", "5");
    a.SaveSetting("Player6", "Won", "1");
    // Rewrites of the same size, one right after the other, are seen too.
    for (const char* total : {"2", "3", "4"}) {
        a.SaveSetting("Player6", "Total", total);
        EXPECT_EQ(b.GetSetting("Player6", "Total"), total);
    }
    EXPECT_EQ(a.GetSetting("Options", "CardSpeed"), "5");
    b.DeleteSetting("Player6", "Won");
    EXPECT_FALSE(a.HasKey("Player6", "Won"));
    EXPECT_EQ(SettingsStore(Path()).Sections(), (QStringList{"Player6", "Options"}));
}

TEST_F(SettingsStoreTest, TwoProcessesWritingAtOnceLoseNothing) {
    int argc = 1;
    char name[] = "test_platform";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    constexpr int Count = 40;
    SettingsStore store(Path());
    store.SaveSetting("Options", "CardSpeed", "5");
    QProcess other;
    other.start(QStringLiteral(STORE_WRITER), {Path(), "Other", QString::number(Count)});
    ASSERT_TRUE(other.waitForStarted());
    for (int i = 0; i < Count; ++i) {
        ASSERT_TRUE(store.SaveInt("Shared", "Mine" + QString::number(i), i));
    }
    ASSERT_TRUE(other.waitForFinished(30000));
    EXPECT_EQ(other.exitCode(), 0);
    for (int i = 0; i < Count; ++i) {
        EXPECT_EQ(store.GetInt("Shared", "Other" + QString::number(i), -1), i);
        EXPECT_EQ(store.GetInt("Shared", "Mine" + QString::number(i), -1), i);
    }
    EXPECT_EQ(store.GetInt("Options", "CardSpeed", 0), 5);
    EXPECT_FALSE(QFile::exists(Path() + ".lock"));
}

// A copy killed between creating its lock file and writing into it leaves an empty one behind.
TEST_F(SettingsStoreTest, AnEmptyLockFileLeftByAKilledCopyDoesNotBlockWrites) {
    QDir().mkpath(QFileInfo(Path()).absolutePath());
    QFile lockFile(Path() + ".lock");
    ASSERT_TRUE(lockFile.open(QIODevice::WriteOnly));
    ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-10),
                                     QFileDevice::FileModificationTime));
    lockFile.close();
    SettingsStore store(Path());
    EXPECT_TRUE(store.SaveSetting("Options", "CardSpeed", "7"));
    EXPECT_EQ(SettingsStore(Path()).GetSetting("Options", "CardSpeed"), "7");
}

// Several values go in one write: one of them alone would still fit.
TEST_F(SettingsStoreTest, AFailedWriteKeepsTheFileAndTheValuesWholeAndIsReportedOnce) {
    auto store = Reporting();
    store->SaveSetting("Player1", "Name", "Guest");
    // Larger than the lock file, which still fits.
    store->SaveSetting("Save", "UserFolder", QString(300, u'u'));
    const QByteArray before = FileBytes();
    const QList<SettingsStore::Setting> values{{"player1", "Name", "Ghost"},
                                               {"Player6", "Total", "5"}};
    {
        FileSizeLimit full(static_cast<std::uint64_t>(before.size()));
        EXPECT_FALSE(store->SaveSetting("Player1", "Total", "1"));
        EXPECT_FALSE(store->SaveSettings(values));
    }
    EXPECT_EQ(FileBytes(), before);
    EXPECT_FALSE(store->HasKey("Player1", "Total"));
    EXPECT_EQ(store->GetSetting("Player1", "Name"), "Guest");
    EXPECT_EQ(QDir(m_dir.filePath("sub")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"store.ini"});
    const QString expected =
        "The settings could not be saved in " + Path() + ":\r\nFile too large.";
    EXPECT_EQ(reports, QStringList{expected});
    EXPECT_EQ(store->LastError(), expected);

    EXPECT_TRUE(store->SaveSettings(values));
    EXPECT_TRUE(store->LastError().isEmpty());
    EXPECT_EQ(reports.size(), 1);
    EXPECT_EQ(SettingsStore(Path()).GetSetting("Player1", "Name"), "Ghost");
    EXPECT_EQ(SettingsStore(Path()).GetSetting("Player6", "Total"), "5");
}

// Values held for later: read at once, written with the next write, a flush or the end of
// the store, and kept when another store's write makes this one read the file again.
TEST_F(SettingsStoreTest, HeldValuesAreReadAtOnceAndWrittenLater) {
    SettingsStore other(Path());
    other.SaveSetting("Save", "GameStartTime", "old");
    {
        SettingsStore store(Path());
        store.SaveSettingsLater(
            {{"Save", "SessionStart", "now"}, {"save", "GameStartTime", "now"}});
        EXPECT_EQ(store.GetSetting("Save", "SessionStart"), "now");
        EXPECT_EQ(store.GetSetting("Save", "GameStartTime"), "now");
        EXPECT_EQ(other.GetSetting("Save", "GameStartTime"), "old");
        other.SaveSetting("Options", "CardSpeed", "5");
        EXPECT_EQ(store.GetSetting("Options", "CardSpeed"), "5");
        EXPECT_EQ(store.GetSetting("Save", "GameStartTime"), "now");
        // Written with the next write of anything.
        store.SaveSetting("Options", "Sound", "1");
        EXPECT_EQ(other.GetSetting("Save", "GameStartTime"), "now");
        EXPECT_EQ(other.GetSetting("Options", "CardSpeed"), "5");

        // A later change of a held key wins over it.
        store.SaveSettingsLater({{"Save", "SessionStart", "later"}});
        store.DeleteSetting("Save", "SessionStart");
        EXPECT_FALSE(store.HasKey("Save", "SessionStart"));
        EXPECT_TRUE(store.Flush());
        EXPECT_FALSE(other.HasKey("Save", "SessionStart"));

        store.SaveSettingsLater({{"Save", "SessionStart", "flushed"}});
        EXPECT_FALSE(other.HasKey("Save", "SessionStart"));
        EXPECT_TRUE(store.Flush());
        EXPECT_EQ(other.GetSetting("Save", "SessionStart"), "flushed");
        // Once written, a held value is not brought back when the file is read again.
        store.SaveSetting("Save", "SessionStart", "changed");
        other.SaveSetting("Options", "CardSpeed", "6");
        EXPECT_EQ(store.GetSetting("Save", "SessionStart"), "changed");

        store.SaveSettingsLater({{"Save", "SessionStart", "at the end"}});
    }
    EXPECT_EQ(other.GetSetting("Save", "SessionStart"), "at the end");
}

TEST_F(SettingsStoreTest, AHeldValueThatCannotBeWrittenIsReportedAndKept) {
    auto store = Reporting();
    store->SaveSetting("Save", "UserFolder", QString(300, u'u'));
    const QByteArray before = FileBytes();
    store->SaveSettingsLater({{"Save", "SessionStart", "now"}});
    {
        FileSizeLimit full(static_cast<std::uint64_t>(before.size()));
        EXPECT_FALSE(store->Flush());
    }
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(reports.size(), 1);
    EXPECT_EQ(store->GetSetting("Save", "SessionStart"), "now");
    EXPECT_TRUE(store->Flush());
    EXPECT_EQ(SettingsStore(Path()).GetSetting("Save", "SessionStart"), "now");
}

TEST_F(SettingsStoreTest, AFileThatCannotBeReadIsReportedAndNeverOverwritten) {
    // Too large to be settings; sparse, so it takes no room.
    WriteFile("[Options]\r\nCardSpeed=5\r\n");
    ASSERT_TRUE(QFile::resize(Path(), SettingsStore::MaxFileSize + 1));
    SettingsStore store(Path());
    EXPECT_TRUE(store.Unreadable());
    EXPECT_EQ(store.GetInt("Options", "CardSpeed", 20), 20);
    EXPECT_FALSE(store.SaveSetting("Options", "CardSpeed", "7"));
    EXPECT_FALSE(store.DeleteSetting());
    store.SaveSettingsLater({{"Options", "CardSpeed", "7"}});
    EXPECT_EQ(store.GetInt("Options", "CardSpeed", 20), 20);
    EXPECT_TRUE(store.Flush());
    EXPECT_EQ(QFileInfo(Path()).size(), qint64(SettingsStore::MaxFileSize + 1));
    // Reported as soon as someone listens, once.
    store.SetFailureReport([this](const QString& text) { reports << text; });
    EXPECT_EQ(reports, QStringList{"The settings file " + Path() +
                                   " cannot be read:\r\nIt is larger than 64 MB.\r\nThe game "
                                   "uses its default settings and leaves the file as it is."});
    EXPECT_FALSE(store.SaveSetting("Options", "CardSpeed", "7"));
    EXPECT_EQ(reports.size(), 1);

    // A folder where the file should be.
    QFile::remove(Path());
    ASSERT_TRUE(QDir().mkpath(Path()));
    auto folder = Reporting();
    EXPECT_TRUE(folder->Unreadable());
    EXPECT_FALSE(folder->SaveSetting("Options", "CardSpeed", "7"));
    EXPECT_TRUE(QFileInfo(Path()).isDir());
    ASSERT_EQ(reports.size(), 2);
    EXPECT_TRUE(reports[1].contains("cannot be read:\r\nIt is a folder."))
        << reports[1].toStdString();

    if (::geteuid() != 0) {
        ASSERT_TRUE(QDir().rmdir(Path()));
        WriteFile("[Options]\r\nCardSpeed=5\r\n");
        QFile::setPermissions(Path(), QFileDevice::WriteOwner);
        SettingsStore locked(Path());
        EXPECT_TRUE(locked.Unreadable());
        EXPECT_FALSE(locked.SaveSetting("Options", "CardSpeed", "7"));
        QFile::setPermissions(Path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EXPECT_EQ(FileBytes(), "[Options]\r\nCardSpeed=5\r\n");
    }
}

TEST_F(SettingsStoreTest, BlanksAroundNamesAreNotPartOfThem) {
    WriteFile("[ Options ]\r\nCardSpeed = 5\r\n\tRandomIndex\t=2\r\n = orphan\r\n");
    SettingsStore store(Path());
    EXPECT_EQ(store.GetInt("Options", "CardSpeed", 20), 5);
    EXPECT_EQ(store.GetInt("options", "randomindex", 3), 2);
    EXPECT_FALSE(store.HasKey("Options", ""));
    store.SaveSetting("Options", "ShowTimer", "0");
    EXPECT_EQ(FileBytes(), "[Options]\r\nCardSpeed= 5\r\nRandomIndex=2\r\nShowTimer=0\r\n\r\n");
}

} // namespace
