// The main window meeting files that cannot be read or written: every failure is told, nothing
// already stored is lost or overwritten, and nothing is counted that was not recorded.

#include "MainWindowFixture.h"

#include "history/GameFile.h"
#include "library/cOpt.h"
#include "support/FileSizeLimit.h"

#include <sys/stat.h>

using namespace velmora;
using namespace velmora::test;

namespace {

using FrmMainFiles = MainWindowTest;

void MakeFifo(const QString& path) {
    QFile::remove(path);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
}

bool IsFifo(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

TEST_F(FrmMainFiles, AFailedSettingsWriteIsReportedOnceNamingTheFileAndTheReason) {
    frmMain& w = Start();
    ASSERT_TRUE(messages.boxes.empty());
    const QByteArray before = ReadAll(StorePath());
    {
        FileSizeLimit full(static_cast<std::uint64_t>(before.size()));
        w.Command(QStringLiteral("mnuToolbar"));
        w.Command(QStringLiteral("mnuStatusbar"));
    }
    EXPECT_TRUE(messages.boxes.empty()) << "told after the command, not inside it";
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_EQ(messages.Last(),
              "The settings could not be saved in " + StorePath() + ":\r\nFile too large.");
    EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(ReadAll(StorePath()), before);
    EXPECT_EQ(w.Opt().ShowToolbar(), 1); // what the file holds
}

TEST_F(FrmMainFiles, AnUnreadableSettingsFileIsReportedAndNeverTakenForAFreshInstall) {
    ASSERT_TRUE(QDir().mkpath(StorePath())); // a folder where the file should be
    frmMain& w = Start();
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_EQ(messages.Last(), "The settings file " + StorePath() +
                                   " cannot be read:\r\nIt is a folder.\r\nThe game uses its "
                                   "default settings and leaves the file as it is.");
    // No first-run set-up: no players made, no folder tree.
    EXPECT_FALSE(QFileInfo::exists(folders.userDataFolder + "/Velmora 2003 Files"));
    w.Command(QStringLiteral("mnuToolbar"));
    w.close();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.boxes.size(), 1U);
    EXPECT_TRUE(QFileInfo(StorePath()).isDir());
}

TEST_F(FrmMainFiles, AGameThatCannotBeRecordedIsReportedAndNotCounted) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    ASSERT_TRUE(StackMove(w));
    MakeFifo(ScoreFile(w)); // must not hold the game either
    CloseGame(w);
    ASSERT_EQ(messages.boxes.size(), 2U);
    EXPECT_EQ(messages.Last(), "The game could not be recorded in the score file \"" +
                                   ScoreFile(w) + "\": it is not a regular file.");
    EXPECT_TRUE(IsFifo(ScoreFile(w)));
    EXPECT_EQ(Stored("Player1", "Total"), QString());
    EXPECT_EQ(Stored("Player6", "Total"), QString());
    EXPECT_FALSE(State(w).GameStarted);
}

TEST_F(FrmMainFiles, SavingOntoAFifoIsRefusedAndTheFifoKept) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    files.answer = Path("pipe.vlg");
    MakeFifo(files.answer);
    w.Command(QStringLiteral("mnuSave"));
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_EQ(messages.Last(),
              "The file \"" + files.answer + "\" cannot be written: it is not a regular file.");
    EXPECT_TRUE(IsFifo(files.answer));
}

TEST_F(FrmMainFiles, AHugeFileIsRefusedBeforeItIsRead) {
    frmMain& w = Start();
    files.answer = Path("huge.vlg");
    {
        QFile huge(files.answer);
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(qint64{5} * 1024 * 1024)); // sparse, takes no room
    }
    OpenByBrowse(w);
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_EQ(messages.Last(), "The file \"" + files.answer +
                                   "\" is not a saved game: it is larger than 4 MB, far more "
                                   "than any game needs.");
    EXPECT_FALSE(State(w).GameStarted);
}

} // namespace
