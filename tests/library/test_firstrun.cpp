#include "TestSupport.h"
#include "support/FileSizeLimit.h"

#include "library/cSave.h"
#include "library/mSave.h"
#include "scores/cPlayer.h"
#include "scores/cUser.h"

#include <QDirIterator>

using namespace velmora;
using namespace velmora::test;

namespace {

class FirstRunTest : public TempHome {
protected:
    Result<void> RunFirstRun() {
        cPlayer player(*store);
        cUser user(player, messages);
        return mSave::FirstRunSetup(*store, folders, clock,
                                    [&](const QString& name, const QString& full,
                                        const QString& date) { user.AddUser(name, full, date); });
    }
    QString User(const QString& relative = {}) const {
        const QString root = folders.userDataFolder + "/Velmora 2003 Files";
        return relative.isEmpty() ? root : root + "/" + relative;
    }
    FakeMessages messages;
};

TEST_F(FirstRunTest, RequestedByAnEmptyStoreOrFreshOne) {
    EXPECT_TRUE(mSave::FirstRunRequested(*store));
    store->SaveSetting("Options", "CardSpeed", "20");
    EXPECT_FALSE(mSave::FirstRunRequested(*store));
    store->SaveSetting("Install", "Fresh", "2");
    EXPECT_FALSE(mSave::FirstRunRequested(*store));
    store->SaveSetting("Install", "Fresh", "True");
    EXPECT_FALSE(mSave::FirstRunRequested(*store));
    store->SaveSetting("Install", "Fresh", "1.0");
    EXPECT_TRUE(mSave::FirstRunRequested(*store)); // read as a number
    store->SaveSetting("install", "fresh", "1");
    EXPECT_TRUE(mSave::FirstRunRequested(*store));

    ASSERT_TRUE(RunFirstRun());
    EXPECT_FALSE(store->HasKey("Install", "Fresh"));
    EXPECT_FALSE(store->HasKey("Options", "CardSpeed"));
    EXPECT_FALSE(mSave::FirstRunRequested(Reopened()));
}

TEST_F(FirstRunTest, BuildsKeysFoldersPlayersAndFiles) {
    store->SaveSetting("Install", "Fresh", "1");
    ASSERT_TRUE(RunFirstRun());
    cSave save(*store, folders, clock);

    EXPECT_EQ(save.InStallFolder(), folders.programFolder);
    EXPECT_EQ(save.UserFolder(), User());
    EXPECT_EQ(save.FavFolder(), User("Favorites"));
    EXPECT_EQ(save.FavDefFolder(), User("Favorites/Easy Games"));
    EXPECT_EQ(save.IncompleteDir(), User("Incomplete Games"));
    EXPECT_EQ(save.FinishedDir(), User("Finished Games"));
    EXPECT_EQ(save.SaveFolder(), User("Saved Games"));
    EXPECT_EQ(save.ExportFolder(), User("Exported Files"));
    EXPECT_EQ(save.ScoreFile(), User("Velmora2003.sre"));
    for (const QString& folder : {save.UserFolder(), save.FavFolder(), save.FavDefFolder(),
                                  save.IncompleteDir(), save.FinishedDir(), save.SaveFolder(),
                                  save.ExportFolder()}) {
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    }
    EXPECT_TRUE(QFileInfo(save.ScoreFile()).isFile());
    EXPECT_EQ(QFileInfo(save.ScoreFile()).size(), 0);

    const SettingsStore disk = Reopened();
    EXPECT_EQ(disk.GetSetting("Player1", "Name"), "Guest");
    EXPECT_EQ(disk.GetSetting("Player1", "FullName"), "Guest Player");
    EXPECT_EQ(disk.GetSetting("Player1", "Date"), "12/5/2026 5:20:00 PM");
    EXPECT_EQ(disk.GetSetting("Player2", "Name"), "Player1");
    EXPECT_EQ(disk.GetSetting("Player2", "FullName"), "Player1");
    EXPECT_FALSE(disk.HasKey("Player3", "Name"));
    EXPECT_TRUE(messages.boxes.empty());

    const QString install = folders.programFolder;
    const QByteArray sounds = ReadAll(User("Default Sound Scheme.sd"));
    QByteArray expected;
    for (int event = 1; event <= 17; ++event) {
        const char* file = event == 7    ? "Move.wav"
                           : event == 8  ? "Multi.wav"
                           : event == 9  ? "Right.wav"
                           : event == 10 ? "Undo.wav"
                           : event == 12 ? "Loose.wav"
                           : event == 13 ? "Win.wav"
                                         : nullptr;
        expected += file ? "\"" + (install + "/" + file).toUtf8() + "\"\r\n" : "\"\"\r\n";
    }
    EXPECT_EQ(sounds, expected);
    EXPECT_EQ(disk.GetSetting("Settings", "Sound9"), install + "/Right.wav");
    EXPECT_EQ(disk.GetSetting("Settings", "Sound11", "none"), "none");

    EXPECT_EQ(ReadAll(User("Default Color Scheme1.col")),
              "\"Default Color Scheme1\"\r\n14497894\r\n11567280\r\n");
    EXPECT_EQ(ReadAll(User("Default Color Scheme2.col")),
              "\"Default Color Scheme2\"\r\n10434798\r\n11567280\r\n");
    EXPECT_EQ(ReadAll(User("Default Color Scheme3.col")),
              "\"Default Color Scheme3\"\r\n10047434\r\n8227032\r\n");
}

TEST_F(FirstRunTest, RegistersBothFileKindsForTheUser) {
    folders.programFile = Path("bin dir/velmora2003");
    ASSERT_TRUE(RunFirstRun());
    const QString mime = QString::fromUtf8(
        ReadAll(folders.userDataFolder + "/mime/packages/velmora2003.xml"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.v2k\"/>"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.vlg\"/>"));
    EXPECT_TRUE(mime.contains("<comment>Velmora 2003 Finished Game</comment>"));
    EXPECT_TRUE(mime.contains("<comment>Velmora 2003 Incomplete Game</comment>"));

    const QString entry = QString::fromUtf8(
        ReadAll(folders.userDataFolder + "/applications/velmora2003.desktop"));
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(entry.contains("Exec=\"" + folders.programFile + "\" %f\n"));
    EXPECT_TRUE(entry.contains("MimeType=application/x-velmora2003-finished;"
                               "application/x-velmora2003-incomplete;\n"));
}

TEST(DesktopEntry, QuotesAndEscapesTheProgramPath) {
    EXPECT_TRUE(mSave::DesktopEntry("/opt/a \"b\"/$x%")
                    .contains(R"(Exec="/opt/a \\"b\\"/\\$x%%" %f)"));
}

TEST_F(FirstRunTest, ASecondFirstRunKeepsSavedGamesAndScores) {
    ASSERT_TRUE(RunFirstRun());
    const QString savedGame = User("Saved Games/12345.vlg");
    Touch(savedGame);
    {
        QFile scores(User("Velmora2003.sre"));
        ASSERT_TRUE(scores.open(QIODevice::Append));
        scores.write("\"Guest\",125,11982,87,\"12/5/2026 5:31:02 PM\",100,141\r\n");
    }
    cPlayer(*store).AddPlayer("Extra", 3, "", "");

    clock.Advance(60);
    store->SaveSetting("Install", "Fresh", "1");
    ASSERT_TRUE(RunFirstRun());
    EXPECT_TRUE(QFile::exists(savedGame));
    EXPECT_EQ(ReadAll(User("Velmora2003.sre")),
              "\"Guest\",125,11982,87,\"12/5/2026 5:31:02 PM\",100,141\r\n");
    EXPECT_EQ(store->GetSetting("Player1", "Date"), "12/5/2026 5:21:00 PM");
    EXPECT_FALSE(store->HasKey("Player3", "Name"));
}

TEST_F(FirstRunTest, AFolderThatCannotBeMadeIsReported) {
    // A file where the user data folder should be.
    QDir(folders.userDataFolder).removeRecursively();
    Touch(folders.userDataFolder);
    const auto result = RunFirstRun();
    ASSERT_FALSE(result);
    EXPECT_FALSE(result.error().message.empty());
    EXPECT_EQ(store->GetSetting("Player1", "Name"), "Guest");
}

TEST_F(FirstRunTest, AFullDiskLeavesNoEmptyOrHalfWrittenFiles) {
    Result<void> result;
    {
        FileSizeLimit full(10);
        result = RunFirstRun();
    }
    ASSERT_FALSE(result);
    EXPECT_NE(result.error().message.find("cannot be written: file too large."), std::string::npos)
        << result.error().message;
    for (const QString& file : {User("Default Sound Scheme.sd"), User("Default Color Scheme1.col"),
                                folders.userDataFolder + "/mime/packages/velmora2003.xml",
                                folders.userDataFolder + "/applications/velmora2003.desktop"}) {
        EXPECT_FALSE(QFile::exists(file)) << file.toStdString();
    }
    QStringList temporary;
    for (QDirIterator it(folders.userDataFolder, QDir::Files | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        temporary << it.next();
    }
    EXPECT_EQ(temporary, QStringList{User("Velmora2003.sre")});
}

TEST_F(FirstRunTest, AnUnreadableStoreIsNoFreshInstallation) {
    ASSERT_TRUE(QDir().mkpath(StorePath())); // a folder where the file should be
    EXPECT_FALSE(mSave::FirstRunRequested(*store));
}

} // namespace
