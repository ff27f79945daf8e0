#include "support/FileSizeLimit.h"
#include "support/TempHome.h"

#include "library/cSave.h"
#include "library/mSave.h"
#include "scores/cPlayer.h"
#include "scores/cUser.h"

#include <QDirIterator>

#include <map>

using namespace velmora;
using namespace velmora::test;

namespace {

class FirstRunTest : public TempHome {
protected:
    mSave::AddUserFunction AddUser() {
        return [this](const QString& name, const QString& full, const QString& date) {
            cPlayer player(*store);
            cUser(player, messages).AddUser(name, full, date);
        };
    }
    Result<void> RunFirstRun() { return mSave::FirstRunSetup(*store, folders, clock, AddUser()); }
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

    // The defaults themselves are StoreTest's; here they must be stored, so that they stay.
    const SettingsStore disk = Reopened();
    for (const char* key :
         {"InstallFolder", "UserFolder", "FavFolder", "FavDefFolder", "IncompleteDir",
          "FinishedDir", "SaveFolder", "ExportFolder", "ScoreFile"}) {
        EXPECT_FALSE(disk.GetSetting("Save", key).isEmpty()) << key;
    }
    for (const QString& folder :
         {save.UserFolder(), save.FavFolder(), save.FavDefFolder(), save.IncompleteDir(),
          save.FinishedDir(), save.SaveFolder(), save.ExportFolder()}) {
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    }
    EXPECT_TRUE(QFileInfo(save.ScoreFile()).isFile());
    EXPECT_EQ(QFileInfo(save.ScoreFile()).size(), 0);

    EXPECT_EQ(disk.GetSetting("Player1", "Name"), "Guest");
    EXPECT_EQ(disk.GetSetting("Player1", "FullName"), "Guest Player");
    EXPECT_EQ(disk.GetSetting("Player1", "Date"), "12/5/2026 5:20:00 PM");
    EXPECT_EQ(disk.GetSetting("Player2", "Name"), "Player1");
    EXPECT_EQ(disk.GetSetting("Player2", "FullName"), "Player1");
    EXPECT_FALSE(disk.HasKey("Player3", "Name"));
    EXPECT_TRUE(messages.boxes.empty());

    const QString install = folders.programFolder;
    const std::map<int, QString> waves{{7, "Move.wav"},  {8, "Multi.wav"},  {9, "Right.wav"},
                                       {10, "Undo.wav"}, {12, "Loose.wav"}, {13, "Win.wav"}};
    QByteArray expected;
    for (int event = 1; event <= 17; ++event) {
        const QString path = waves.contains(event) ? install + "/" + waves.at(event) : QString();
        expected += "\"" + path.toUtf8() + "\"\r\n";
    }
    EXPECT_EQ(ReadAll(User("Default Sound Scheme.sd")), expected);
    EXPECT_EQ(disk.GetSetting("Settings", "Sound9"), install + "/Right.wav");
    EXPECT_EQ(disk.GetSetting("Settings", "Sound11", "none"), "none");

    EXPECT_EQ(ReadAll(User("Default Color Scheme1.col")),
              "\"Default Color Scheme1\"\r\n14497894\r\n11567280\r\n");
    EXPECT_EQ(ReadAll(User("Default Color Scheme2.col")),
              "\"Default Color Scheme2\"\r\n10434798\r\n11567280\r\n");
    EXPECT_EQ(ReadAll(User("Default Color Scheme3.col")),
              "\"Default Color Scheme3\"\r\n10047434\r\n8227032\r\n");
}

/// The installed desktop files, as the source tree holds them.
QByteArray DataFile(const QString& relative) {
    QFile file(QStringLiteral(VELMORA_DATA_DIR "/") + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(FirstRunTest, RegistersTheInstalledFilesForTheUser) {
    folders.programFile = Path("bin dir/velmora2003");
    ASSERT_TRUE(RunFirstRun());
    const QString data = folders.userDataFolder;
    const QString id = "org.velmora.Velmora2003";

    const QByteArray package = ReadAll(data + "/mime/packages/" + id + ".xml");
    EXPECT_FALSE(package.isEmpty());
    EXPECT_EQ(package, DataFile("desktop/" + id + ".mime.xml"));
    for (const QString& icon :
         {"apps/" + id, QStringLiteral("mimetypes/application-vnd.velmora2003.incomplete"),
          QStringLiteral("mimetypes/application-vnd.velmora2003.finished")}) {
        const QByteArray svg = ReadAll(data + "/icons/hicolor/scalable/" + icon + ".svg");
        EXPECT_FALSE(svg.isEmpty()) << icon.toStdString();
        EXPECT_EQ(svg, DataFile("icons/" + icon.section('/', 1) + ".svg")) << icon.toStdString();
    }

    // The installed entry, line for line, except that Exec names the running binary.
    const QStringList entry =
        QString::fromUtf8(ReadAll(data + "/applications/" + id + ".desktop")).split('\n');
    const QStringList installed =
        QString::fromUtf8(DataFile("desktop/" + id + ".desktop")).split('\n');
    ASSERT_EQ(entry.size(), installed.size());
    int execLines = 0;
    for (qsizetype i = 0; i < entry.size(); ++i) {
        if (installed[i].startsWith("Exec=")) {
            ++execLines;
            EXPECT_EQ(installed[i], "Exec=velmora2003 %f");
            EXPECT_EQ(entry[i], "Exec=\"" + folders.programFile + "\" %f");
        } else {
            EXPECT_EQ(entry[i], installed[i]);
        }
    }
    EXPECT_EQ(execLines, 1);
}

TEST(DesktopEntry, QuotesAndEscapesTheProgramPath) {
    EXPECT_TRUE(mSave::DesktopEntry("/opt/a \"b\"/$x%")
                    .contains("\nExec=\"/opt/a \\\\\"b\\\\\"/\\\\$x%%\" %f\n"));
}

TEST_F(FirstRunTest, TheOlderRegistrationGoesOnlyOnceTheNewOneIsWritten) {
    const QString oldEntry = folders.userDataFolder + "/applications/velmora2003.desktop";
    const QString oldPackage = folders.userDataFolder + "/mime/packages/velmora2003.xml";
    const QString newEntry =
        folders.userDataFolder + "/applications/org.velmora.Velmora2003.desktop";
    QDir().mkpath(folders.userDataFolder + "/applications");
    QDir().mkpath(folders.userDataFolder + "/mime/packages");
    EXPECT_FALSE(mSave::OlderRegistrationPresent(folders));
    Touch(oldPackage);
    EXPECT_TRUE(mSave::OlderRegistrationPresent(folders));
    Touch(oldEntry);

    // The icon folder cannot be made: the new registration is incomplete, the old one stays.
    Touch(folders.userDataFolder + "/icons");
    EXPECT_FALSE(mSave::RegisterFileTypes(folders));
    EXPECT_TRUE(QFile::exists(oldEntry));
    EXPECT_TRUE(QFile::exists(oldPackage));
    EXPECT_TRUE(mSave::OlderRegistrationPresent(folders));

    QFile::remove(folders.userDataFolder + "/icons");
    ASSERT_TRUE(mSave::RegisterFileTypes(folders));
    EXPECT_TRUE(QFile::exists(newEntry));
    EXPECT_FALSE(QFile::exists(oldEntry));
    EXPECT_FALSE(QFile::exists(oldPackage));
    EXPECT_FALSE(mSave::OlderRegistrationPresent(folders));
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

TEST_F(FirstRunTest, OnlyAStoreWithNeitherPlayersNorFolderKeysWasNeverSetUp) {
    store->SaveSetting("Options", "CardSpeed", "1");
    store->SaveSetting("Save", "UserFolder", "");
    EXPECT_TRUE(mSave::NeverSetUp(*store));
    store->SaveSetting("Save", "SaveFolder", Path("games"));
    EXPECT_FALSE(mSave::NeverSetUp(*store));
    store->DeleteSetting("Save");
    store->SaveSetting("Player3", "Name", "Ann");
    EXPECT_FALSE(mSave::NeverSetUp(*store));
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
    EXPECT_TRUE(mSave::SetUpAtStartUp(*store, folders, clock, AddUser()));
    EXPECT_FALSE(QFileInfo::exists(User()));
    EXPECT_TRUE(QFileInfo(StorePath()).isDir());
}

} // namespace
