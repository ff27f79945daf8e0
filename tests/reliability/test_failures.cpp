// The game meeting a hostile machine: a full disk, a read-only or vanished user files folder,
// damaged settings, score and unfinished-game files, no data folder. In every case it starts or
// goes on, tells the player once, and keeps every file that was good.

#include "Faults.h"
#include "mainwindow/MainWindowFixture.h"

#include "library/cOpt.h"
#include "scores/cPlayer.h"

using namespace velmora;
using namespace velmora::test;

namespace {

class FailureTest : public MainWindowTest {
protected:
    QString UserTree(const QString& relative) const {
        return folders.userDataFolder + QStringLiteral("/Velmora 2003 Files/") + relative;
    }
    void Write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    /// A shown main window that plays its sounds, drawing game 0 (a stacking move at the deal).
    frmMain& StartWithSound() {
        MainWindowContext context{*store, folders, clock, messages, files, {}, false, true};
        windows.push_back(std::make_unique<frmMain>(context));
        frmMain& w = *windows.back();
        w.Menu().SetRandom([] { return 0.0; });
        w.show();
        return w;
    }
    /// Ends the game in play as lost (Close Game, Yes).
    void CloseGame(frmMain& w) {
        messages.answers = {true};
        w.Command(CommandId::Close);
    }
    /// The score lines of the file, as many as the player's total of games, every one whole.
    void ExpectScoresMatchTotals(frmMain& w) {
        const auto records = Scores(w);
        EXPECT_EQ(QString::number(records.size()),
                  Stored("Player1", "Total").isEmpty() ? "0" : Stored("Player1", "Total"))
            << "the score file and the player's totals disagree";
    }
    /// Boxes shown since `before`, after the deferred settings report had its turn.
    std::size_t NewBoxes(std::size_t before) {
        QCoreApplication::processEvents();
        return messages.boxes.size() - before;
    }
    /// Boxes that told something (not questions).
    std::size_t Told() {
        QCoreApplication::processEvents();
        return static_cast<std::size_t>(
            std::count_if(messages.boxes.begin(), messages.boxes.end(),
                          [](const FakeMessages::Box& box) { return !box.question; }));
    }
};

TEST_F(FailureTest, AFullDiskLosesNothingAndEveryFailureIsTold) {
    windows.clear();
    auto disk = std::make_unique<FullDisk>(dir.path(), "2m");
    QDir().mkpath(folders.programFolder);
    QDir().mkpath(folders.userDataFolder);
    const QString saved = UserTree(QStringLiteral("Saved Games/kept.vlg"));
    {
        frmMain& w = Start();
        w.Command(CommandId::New);
        ASSERT_TRUE(StackMove(w));
        files.answer = saved;
        w.Command(CommandId::Save);
        CloseGame(w);
        w.Command(CommandId::New);
        ASSERT_TRUE(StackMove(w));
        ASSERT_EQ(Told(), 0U) << messages.Last().toStdString();

        const QByteArray settings = ReadAll(StorePath());
        const QByteArray game = ReadAll(saved);
        disk->Fill();

        std::size_t before = messages.boxes.size();
        w.Command(CommandId::Toolbar); // a setting
        EXPECT_EQ(NewBoxes(before), 1U) << "a failed settings write is told once";
        EXPECT_TRUE(messages.Last().contains(StorePath())) << messages.Last().toStdString();

        before = messages.boxes.size();
        w.Command(CommandId::Save); // over the saved game
        EXPECT_EQ(NewBoxes(before), 1U);
        EXPECT_EQ(ReadAll(saved), game) << "a failed save replaced the old file";

        CloseGame(w); // a score line: written whole, or not at all and told
        ExpectScoresMatchTotals(w);
        EXPECT_FALSE(State(w).GameStarted);

        w.Command(CommandId::New);
        ASSERT_TRUE(StackMove(w));
        before = messages.boxes.size();
        w.close(); // the unfinished game cannot be kept
        EXPECT_GE(NewBoxes(before), 1U);
        EXPECT_EQ(ReadAll(StorePath()), settings) << "the settings file changed on a full disk";
        const QStringList left =
            QDir(QFileInfo(StorePath()).absolutePath()).entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(left, QStringList{QFileInfo(StorePath()).fileName()})
            << "temporary files left beside the settings";
    }
    disk->Free();
    windows.clear();

    // Room again: the next start is an ordinary one with everything that was stored.
    const std::size_t before = messages.boxes.size();
    frmMain& again = Start();
    EXPECT_EQ(NewBoxes(before), 0U) << messages.Last().toStdString();
    EXPECT_EQ(again.Session().State().GameStarted, false);
    EXPECT_EQ(Stored("Player1", "Name"), QStringLiteral("Guest"));
    EXPECT_EQ(Stored("Save", "Unfinished"), QStringLiteral("False"));
    ExpectScoresMatchTotals(again);
    windows.clear();
    disk.reset();
}

TEST_F(FailureTest, AReadOnlyUserFolderKeepsItsFilesAndTheGameGoesOn) {
    frmMain& w = Start();
    w.Command(CommandId::New);
    ASSERT_TRUE(StackMove(w));
    CloseGame(w);
    const QByteArray scores = ReadAll(ScoreFile(w));
    ASSERT_FALSE(scores.isEmpty());

    const ReadOnlyFolder readOnly(UserTree({}));
    if (!readOnly.Available()) {
        GTEST_SKIP() << "no way to make a folder read-only for this user";
    }
    w.Command(CommandId::New);
    ASSERT_TRUE(StackMove(w));
    std::size_t before = messages.boxes.size();
    files.answer = UserTree(QStringLiteral("game.vlg"));
    w.Command(CommandId::Save);
    EXPECT_EQ(NewBoxes(before), 1U);
    EXPECT_FALSE(QFileInfo::exists(files.answer));

    ASSERT_TRUE(StackMove(w)) << "the game goes on";
    before = messages.boxes.size();
    CloseGame(w);
    EXPECT_EQ(NewBoxes(before), 2U) << "the question, then the failed record";
    EXPECT_EQ(ReadAll(ScoreFile(w)), scores);
    ExpectScoresMatchTotals(w);

    w.Command(CommandId::New);
    before = messages.boxes.size();
    w.close();
    EXPECT_EQ(NewBoxes(before), 1U) << "the unfinished game cannot be kept";
    EXPECT_EQ(Stored("Save", "Unfinished"), QStringLiteral("False"));
}

TEST_F(FailureTest, AVanishedUserFolderIsMadeAgainWhenNeeded) {
    frmMain& w = Start();
    w.Command(CommandId::New);
    ASSERT_TRUE(StackMove(w));
    ASSERT_TRUE(QDir(UserTree({})).removeRecursively());

    CloseGame(w); // the score file with its folder
    ExpectScoresMatchTotals(w);
    EXPECT_EQ(Scores(w).size(), 1U);
    w.Command(CommandId::New);
    ASSERT_TRUE(StackMove(w));
    ASSERT_TRUE(QDir(UserTree({})).removeRecursively());
    w.close();
    EXPECT_EQ(messages.boxes.size(), 1U) << "only the question of Close Game";
    EXPECT_EQ(Stored("Save", "Unfinished"), QStringLiteral("True"));
    windows.clear();

    frmMain& again = Start();
    EXPECT_TRUE(State(again).GameStarted) << "the unfinished game resumes";
    EXPECT_EQ(messages.boxes.size(), 1U);
}

TEST_F(FailureTest, DamagedLinesInTheSettingsFileCostOnlyThemselves) {
    Start().Opt().CardSpeed(7);
    windows.clear();
    const QString userFolder = Stored("Save", "UserFolder");
    QByteArray text = ReadAll(StorePath());
    // Binary junk, a line with no "=", an unclosed section and an endless line, before every
    // section; a nameless key after every section line.
    const QByteArray junk = QByteArray("\x00\xff\xfe junk\r\nno equals sign\r\n[\r\n", 30) +
                            QByteArray(100000, 'z') + "\r\n";
    text.replace("\r\n[", "\r\n" + junk + "[");
    text.replace("]\r\n", "]\r\n\x01\x02 =\x03\r\n");
    Write(StorePath(), junk + text);

    frmMain& w = Start();
    EXPECT_TRUE(messages.boxes.empty()) << messages.Last().toStdString();
    EXPECT_EQ(Stored("Player1", "Name"), QStringLiteral("Guest")) << "no first-run set-up again";
    EXPECT_EQ(w.Opt().CardSpeed(), 7);
    w.Command(CommandId::Toolbar); // the file is written again, from what was read
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(Reopened().GetInt(QStringLiteral("Options"), QStringLiteral("CardSpeed"), 0), 7);
    EXPECT_EQ(Stored("Player1", "Name"), QStringLiteral("Guest"));
    EXPECT_EQ(Stored("Save", "UserFolder"), userFolder);
}

TEST_F(FailureTest, GarbageLinesInTheScoreFileStayAndHideNoGoodLine) {
    frmMain& w = Start();
    for (int i = 0; i < 2; ++i) {
        clock.Advance(60);
        w.Command(CommandId::New);
        ASSERT_TRUE(StackMove(w));
        CloseGame(w);
    }
    QList<QByteArray> lines = ReadAll(ScoreFile(w)).split('\n');
    ASSERT_EQ(lines.size(), 3); // two lines and the end
    const QByteArray damaged = lines[0] + "\n\"Guest\",12,garbage\r\n" +
                               QByteArray("\x00\xff\r\n", 4) + "\"cut\n" + QByteArray(5000, ',') +
                               "\r\n" + lines[1] + "\n";
    Write(ScoreFile(w), damaged);

    clock.Advance(60);
    w.Command(CommandId::New);
    ASSERT_TRUE(StackMove(w));
    CloseGame(w);
    EXPECT_EQ(Told(), 0U) << messages.Last().toStdString();
    EXPECT_TRUE(ReadAll(ScoreFile(w)).startsWith(damaged)) << "the file was rewritten";

    // What the score board reads: the three games, none of the garbage.
    FakeCombo combo;
    cPlayer player(*store, &combo);
    cSave save(*store, folders, clock);
    cScore score(save, player, clock);
    score.LoadScores();
    EXPECT_EQ(score.Count(), 3);
    EXPECT_EQ(Stored("Player1", "Total"), QStringLiteral("3"));
}

TEST_F(FailureTest, ATruncatedUnfinishedGameIsToldOnceAndKept) {
    frmMain& first = Start();
    first.Command(CommandId::New);
    ASSERT_TRUE(StackMove(first));
    first.close();
    windows.clear();
    const QString unfinished = UserTree(QStringLiteral("Unfinished.vlg"));
    QByteArray text = ReadAll(unfinished);
    ASSERT_GT(text.count('\n'), 1);
    text.chop(5); // the last record cut short
    Write(unfinished, text);

    frmMain& w = Start();
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_TRUE(messages.Last().contains(QStringLiteral("Unfinished.vlg")));
    EXPECT_FALSE(State(w).GameStarted);
    w.Command(CommandId::New);
    EXPECT_TRUE(StackMove(w)) << "the game goes on";
    w.ExitAtOnce();
    windows.clear();
    Start();
    EXPECT_EQ(messages.boxes.size(), 1U) << "told once";
    EXPECT_EQ(ReadAll(unfinished), text) << "the file is kept for the player";
}

TEST_F(FailureTest, WithoutItsDataFolderTheGamePlaysAndTellsWhatIsMissing) {
    folders.programFolder = Path(QStringLiteral("no such folder"));
    frmMain& w = StartWithSound();
    w.Command(CommandId::New);
    ASSERT_TRUE(StackMove(w)); // its move sound is missing
    EXPECT_TRUE(messages.boxes.empty());

    w.Command(CommandId::Contents);
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_TRUE(messages.Last().contains(folders.programFolder)) << messages.Last().toStdString();
    EXPECT_EQ(messages.boxes.back().icon, MessageIcon::Exclamation);
    CloseGame(w);
    EXPECT_EQ(Scores(w).size(), 1U);
}

} // namespace
