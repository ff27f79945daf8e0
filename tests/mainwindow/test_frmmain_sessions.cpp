// Games from start to end as a player meets them: resumed, opened, handed over by a second
// start, won, closed and credited to the right player, with the files in the right folders.

#include "MainWindowFixture.h"

#include "library/cOpt.h"
#include "platform/SingleInstance.h"
#include "scores/cPlayer.h"
#include "scores/dlgFinish.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPushButton>
#include <QTreeWidget>

#include <future>

using namespace velmora;
using namespace velmora::test;

namespace {

class FrmMainSession : public MainWindowTest {
protected:
    QString UserTree(const QString& relative = {}) const {
        const QString root = folders.userDataFolder + "/Velmora 2003 Files";
        return relative.isEmpty() ? root : root + "/" + relative;
    }
    /// Game `number` as dealt, saved as the incomplete game "<number>.vlg"; its path.
    QString SavedDeal(std::int32_t number) {
        const QString path = Path(QString::number(number) + QStringLiteral(".vlg"));
        GameSession session;
        session.StartGame(number);
        EXPECT_TRUE(session.Trans().SaveToFile(path.toStdString()).has_value());
        return path;
    }
    /// Game 0 in play with one move made.
    static void PlayOneMove(frmMain& w) {
        w.Command(QStringLiteral("mnuNew"));
        ASSERT_TRUE(StackMove(w));
    }
    /// Every card picture lies where the board has the card.
    static bool CardsInPlace(frmMain& w) {
        for (CardIndex card = 0; card < CardCount; ++card) {
            const Location loc = State(w).Game().GetLocation(card);
            if (w.Table().cardPosition(card) != QPoint(cCards::Left(loc), cCards::Top(loc))) {
                return false;
            }
        }
        return true;
    }
    static QComboBox* Players(frmMain& w) {
        return w.findChild<QComboBox*>(QStringLiteral("ImageCombo1"));
    }
};

} // namespace

// A second start ------------------------------------------------------------------------------

TEST_F(FrmMainSession, ASecondStartHandsItsFileToTheRunningGame) {
    frmMain& w = Start();
    SingleInstance server(Path("game.socket"));
    ASSERT_TRUE(server.Listen());
    QObject::connect(&server, &SingleInstance::commandLineReceived, &w, &frmMain::SecondStart);
    const QString path = SavedDeal(5);
    w.showMinimized();

    auto sent = std::async(std::launch::async, [&] {
        return SingleInstance(Path("game.socket")).HandOver(QStringLiteral(" ") + path);
    });
    const QDeadlineTimer deadline(10000);
    while (!State(w).GameStarted && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_TRUE(sent.get());
    EXPECT_FALSE(w.isMinimized());
    ASSERT_TRUE(State(w).GameStarted);
    EXPECT_FALSE(State(w).Finished);
    EXPECT_EQ(State(w).GameNumber, 5);
    EXPECT_TRUE(messages.boxes.empty()) << "no game was in play";

    // A start with nothing to open only brings the window forward.
    w.SecondStart(QString());
    EXPECT_EQ(State(w).GameNumber, 5);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(FrmMainSession, ASecondStartAsksBeforeGivingUpTheGameInPlay) {
    frmMain& w = Start();
    PlayOneMove(w);
    const QString path = SavedDeal(5);

    messages.answers = {false};
    w.SecondStart(path);
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_EQ(messages.boxes[0].text, QStringLiteral("Are you sure you want to exit the "
                                                     "previously\r\nunfinished game and start "
                                                     "this game ?"));
    EXPECT_EQ(State(w).GameNumber, 0);
    EXPECT_EQ(w.Session().Trans().MoveID(), 1);
    EXPECT_TRUE(Scores(w).empty());

    messages.answers = {true};
    w.SecondStart(path);
    const std::vector<ScoreRecord> scores = Scores(w);
    ASSERT_EQ(scores.size(), 1U);
    EXPECT_EQ(scores[0].GameNumber, 0);
    EXPECT_EQ(State(w).GameNumber, 5);
    EXPECT_TRUE(State(w).GameStarted);

    // While a dialog is open the file waits for it to close.
    const QString other = SavedDeal(7);
    QDialog dialog(&w);
    dialog.setModal(true);
    dialog.show();
    messages.answers = {true};
    w.SecondStart(other);
    w.GeneralTick();
    EXPECT_EQ(State(w).GameNumber, 5);
    dialog.hide();
    w.GeneralTick();
    EXPECT_EQ(State(w).GameNumber, 7);
}

// Ending games ----------------------------------------------------------------------------------

TEST_F(FrmMainSession, AResumedGameThatEndsIsNotResumedAgain) {
    frmMain& first = Start();
    PlayOneMove(first);
    first.close();

    frmMain& second = Start();
    ASSERT_TRUE(State(second).GameStarted);
    CloseGame(second);
    ASSERT_EQ(Scores(second).size(), 1U);
    Act(second, "mnuExit")->trigger();

    frmMain& third = Start();
    EXPECT_FALSE(State(third).GameStarted);
    EXPECT_EQ(Stored("Save", "Unfinished"), QStringLiteral("False"));
    EXPECT_EQ(Scores(third).size(), 1U);
}

TEST_F(FrmMainSession, AFinishedGameOnViewIsClosedWithoutARecord) {
    frmMain& w = Start();
    const QString path = Path("R&D/won.v2k");
    QDir().mkpath(Path("R&D"));
    SaveWonGame(path);
    files.answer = path;
    OpenByBrowse(w);
    // The file name's ampersand is shown, not taken for an access key.
    EXPECT_EQ(Act(w, "Recent1_1")->text(), QStringLiteral("&1 ") + Path("R&&D/won.v2k"));

    FinishReplay(w);
    Act(w, "Recent1_1")->trigger();
    ASSERT_TRUE(State(w).Finished);
    FinishReplay(w);
    CloseGame(w);
    EXPECT_FALSE(State(w).GameStarted);
    EXPECT_TRUE(Scores(w).empty());
    EXPECT_EQ(Stored("Player1", "Total"), QString());
}

TEST_F(FrmMainSession, OpenAsksAboutTheGameInPlayOnlyOnceAFileIsChosen) {
    frmMain& w = Start();
    PlayOneMove(w);
    const QString path = SavedDeal(5);

    files.answer.clear();
    OpenByBrowse(w);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(w.Session().Trans().MoveID(), 1);

    files.answer = path;
    messages.answers = {false};
    OpenByBrowse(w);
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_EQ(messages.boxes[0].text, QStringLiteral("Are you sure You want to Quit this Game ?"));
    EXPECT_EQ(State(w).GameNumber, 0);
    EXPECT_EQ(Stored("Recent", "Recent6"), QString());
    EXPECT_TRUE(Scores(w).empty());

    messages.answers = {true};
    OpenByBrowse(w);
    EXPECT_EQ(Scores(w).size(), 1U);
    EXPECT_EQ(State(w).GameNumber, 5);
}

// The game clock --------------------------------------------------------------------------------

TEST_F(FrmMainSession, AnOpenedGameIsTimedFromItsOpening) {
    frmMain& w = Start();
    const QString path = SavedDeal(5);
    clock.Advance(1000);
    files.answer = path;
    OpenByBrowse(w);
    clock.Advance(5);
    w.TimeTick();
    EXPECT_EQ(w.Table().timeText(), QStringLiteral("0:00:05 "));

    // From the recent list too, after another game was played for a while.
    w.Command(QStringLiteral("mnuNew"));
    clock.Advance(300);
    messages.answers = {true};
    Act(w, "Recent2_1")->trigger();
    ASSERT_EQ(State(w).GameNumber, 5);
    clock.Advance(7);
    w.TimeTick();
    EXPECT_EQ(w.Table().timeText(), QStringLiteral("0:00:07 "));
}

TEST_F(FrmMainSession, TheClockStopsAtTheWinningMove) {
    const WonGame& won = SolvedGame();
    ASSERT_GE(won.number, 0);
    frmMain& w = Start();
    w.Menu().SetRandom([&] { return double(won.number) / w.Opt().GetRandomLimit(); });
    w.Command(QStringLiteral("mnuNew"));
    clock.Advance(50);
    QString shown;
    QObject::connect(&w, &frmMain::finishDialogOpening, [&] {
        clock.Advance(100);
        w.TimeTick();
        shown = w.Table().timeText();
        dialogs.answers.push_back([&](QDialog&) {
            auto* dialog = w.findChild<dlgFinish*>();
            ASSERT_NE(dialog, nullptr);
            dialog->CancelButton_Click();
        });
    });
    for (const SolverMove& m : won.moves) {
        PlayMove(w, m);
    }
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, QStringLiteral("0:00:50 "));
    const std::vector<ScoreRecord> scores = Scores(w);
    ASSERT_EQ(scores.size(), 1U);
    EXPECT_EQ(scores[0].Perc, 100);
    EXPECT_EQ(scores[0].Time, 50);
}

TEST_F(FrmMainSession, ShutdownAfterTheClockWentBackKeepsTheLastGoodTime) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    clock.Advance(30);
    w.TimeTick();
    clock.Advance(-100);
    w.close();
    EXPECT_EQ(Stored("Save", "LastGameTime"), QStringLiteral("30"));
}

// Players ---------------------------------------------------------------------------------------

TEST_F(FrmMainSession, RemovingAPlayerKeepsThePendingChangeOnItsPlayer) {
    Start().ExitAtOnce();
    cPlayer(*store).AddPlayer("Third", 3, "", "12/5/2026 5:20:00 PM");
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    emit Players(w)->activated(2);
    ASSERT_EQ(Players(w)->currentText(), QStringLiteral("Guest"));

    // Options, remove "Player1", OK.
    dialogs.answers.push_back([&](QDialog&) {
        auto* dialog = w.findChild<QDialog*>(QStringLiteral("frmOptions"));
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("ListView1"));
        list->setCurrentItem(list->topLevelItem(1));
        messages.answers = {true};
        dialog->findChild<QPushButton*>(QStringLiteral("cmdRemove"))->click();
        dialog->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    w.Command(QStringLiteral("mnuOptions"));
    ASSERT_EQ(Players(w)->count(), 2);

    CloseGame(w);
    EXPECT_EQ(Players(w)->currentText(), QStringLiteral("Third"));
    EXPECT_EQ(Stored("Player6", "CurrentComboIndex"), QStringLiteral("2"));
    w.Command(QStringLiteral("mnuNew"));
    CloseGame(w);
    const std::vector<ScoreRecord> scores = Scores(w);
    ASSERT_EQ(scores.size(), 2U);
    EXPECT_EQ(scores[0].Name, QStringLiteral("Guest"));
    EXPECT_EQ(scores[1].Name, QStringLiteral("Third"));
}

// Folders ---------------------------------------------------------------------------------------

TEST_F(FrmMainSession, FilesGoToTheUserTreeWhateverTheFolderSettingsSay) {
    Start().ExitAtOnce();
    ASSERT_TRUE(QDir(UserTree()).removeRecursively());
    store->SaveSetting(QStringLiteral("Save"), QStringLiteral("InCompleteSave"),
                       QStringLiteral("1"));
    store->SaveSetting(QStringLiteral("Save"), QStringLiteral("IncompleteDir"), QString());

    // The missing tree is made again for the unfinished game, the auto-save and the score.
    frmMain& first = Start();
    PlayOneMove(first);
    first.close();
    ASSERT_TRUE(QFileInfo::exists(UserTree("Unfinished.vlg")));
    frmMain& w = Start();
    ASSERT_TRUE(State(w).GameStarted);
    CloseGame(w);
    EXPECT_TRUE(messages.boxes.size() == 1U) << messages.Last().toStdString();
    EXPECT_EQ(Stored("Recent", "Recent6"), UserTree("Incomplete Games/0512-1720-0.vlg"));
    EXPECT_TRUE(QFileInfo::exists(UserTree("Incomplete Games/0512-1720-0.vlg")));
    EXPECT_EQ(ScoreFile(w), UserTree("Velmora2003.sre"));
    EXPECT_EQ(Scores(w).size(), 1U);
}

TEST_F(FrmMainSession, SettingsWithoutFolderKeysOrPlayersGetTheFirstRunPartsTheyLack) {
    {
        QDir().mkpath(QFileInfo(StorePath()).absolutePath());
        QFile ini(StorePath());
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Options]\r\nCardSpeed=1\r\n[Settings]\r\nSound9=/sounds/mine.wav\r\n");
    }
    QDir().mkpath(UserTree());
    const QByteArray scheme = "\"Default Color Scheme1\"\r\n1\r\n2\r\n";
    {
        QFile file(UserTree("Default Color Scheme1.col"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(scheme);
    }
    store = std::make_unique<SettingsStore>(StorePath());
    frmMain& w = Start();
    // What the store and the tree hold stays; what they lack is added.
    EXPECT_EQ(w.Opt().CardSpeed(), 1);
    EXPECT_EQ(Stored("Settings", "Sound9"), QStringLiteral("/sounds/mine.wav"));
    EXPECT_EQ(Stored("Settings", "Sound7"), folders.programFolder + "/Move.wav");
    EXPECT_EQ(ReadAll(UserTree("Default Color Scheme1.col")), scheme);
    EXPECT_TRUE(QFileInfo(UserTree("Default Color Scheme2.col")).isFile());
    ASSERT_EQ(Players(w)->count(), 2);
    EXPECT_EQ(Players(w)->currentText(), QStringLiteral("Guest"));
    EXPECT_EQ(Stored("Save", "SaveFolder"), UserTree("Saved Games"));
    EXPECT_TRUE(QFileInfo(UserTree("Saved Games")).isDir());

    w.Command(QStringLiteral("mnuNew"));
    CloseGame(w);
    const std::vector<ScoreRecord> scores = Scores(w);
    ASSERT_EQ(scores.size(), 1U);
    EXPECT_EQ(scores[0].Name, QStringLiteral("Guest"));
    EXPECT_EQ(ScoreFile(w), UserTree("Velmora2003.sre"));
}

// Animations ------------------------------------------------------------------------------------

TEST_F(FrmMainSession, ACommandPutsCardsStillSlidingInPlaceFirst) {
    const QString path = Path("won.v2k");
    SaveWonGame(path);
    frmMain& w = Start(path, true);
    ASSERT_TRUE(w.ReplayRunning());
    for (int i = 0; i < 20; ++i) {
        w.ForwardTick();
    }
    ASSERT_GT(w.Table().queuedAnimations(), 52);
    Act(w, "mnuStop")->trigger();
    EXPECT_EQ(w.Table().queuedAnimations(), 0);
    EXPECT_TRUE(CardsInPlace(w));

    // A history command first completes what was queued, then slides its own cards.
    Act(w, "mnuUndo")->trigger();
    const int undone = w.Table().queuedAnimations();
    ASSERT_GE(undone, 1);
    Act(w, "tbRedo")->trigger();
    EXPECT_EQ(w.Table().queuedAnimations(), undone);
    w.Table().finishAnimations();
    EXPECT_TRUE(CardsInPlace(w));
}
