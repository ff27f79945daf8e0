// The main window driven headless: commands, toolbar, presses on the table and timer ticks.

#include "MainWindowFixture.h"

#include "engine/mGame.h"
#include "history/GameFile.h"
#include "library/GeneralDate.h"
#include "library/cOpt.h"
#include "mainwindow/CommandTable.h"
#include "mainwindow/MenuLayout.h"
#include "scores/dlgFinish.h"
#include "scores/frmScore.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeView>

using namespace velmora;
using namespace velmora::test;

namespace {

using FrmMainMenus = MainWindowTest;
using FrmMainGame = MainWindowTest;
using FrmMainShutdown = MainWindowTest;
using FrmMainPlacement = MainWindowTest;
using FrmMainFlash = MainWindowTest;
using FrmMainStartUp = MainWindowTest;

using Board = std::array<CardIndex, BoardSize>;

} // namespace

// Menus and toolbar ---------------------------------------------------------------------------
// cMenu's own tests walk its enabling rules over every state; these check that the window's
// actions and buttons follow what it answers and run its commands.

TEST_F(FrmMainMenus, ActionsAndButtonsFollowTheHistoryAndRunTheirCommands) {
    frmMain& w = Start();
    w.SetButtonVisible(12, true); // a fresh store hides Redo All, and a hidden action is disabled
    w.GeneralTick();
    EXPECT_FALSE(Enabled(w, "mnuRestart"));
    EXPECT_FALSE(Enabled(w, "tbRestart"));
    EXPECT_TRUE(Enabled(w, "tbNew"));

    w.Command(QStringLiteral("mnuNew"));
    const Board dealt = State(w).Game().Board();
    ASSERT_TRUE(StackMove(w));
    const Board afterFirst = State(w).Game().Board();
    w.GeneralTick();
    EXPECT_TRUE(Enabled(w, "tbRestart"));
    EXPECT_TRUE(Enabled(w, "tbUndo"));
    EXPECT_FALSE(Enabled(w, "tbRedo"));

    Act(w, "mnusnap")->trigger();
    ASSERT_TRUE(StackMove(w));
    const Board afterSecond = State(w).Game().Board();
    w.GeneralTick();
    Act(w, "mnuUndosnap")->trigger();
    EXPECT_EQ(State(w).Game().Board(), afterFirst);
    Act(w, "tbUndo")->trigger();
    EXPECT_EQ(State(w).Game().Board(), dealt);
    EXPECT_FALSE(Enabled(w, "tbUndo"));
    EXPECT_TRUE(Enabled(w, "tbRedo"));
    Act(w, "tbRedoAll")->trigger();
    EXPECT_EQ(State(w).Game().Board(), afterSecond);

    // Closing the game gives the empty table's state back.
    CloseGame(w);
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_EQ(messages.boxes[0].text, QStringLiteral("Are you sure you want to close this Game ?"));
    w.GeneralTick();
    EXPECT_FALSE(Enabled(w, "tbRestart"));
    EXPECT_FALSE(Enabled(w, "mnuUndo"));
}

TEST_F(FrmMainMenus, EveryCommandRowHasOneActionAndItsButton) {
    frmMain& w = Start();
    auto* toolbar = w.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    ASSERT_NE(toolbar, nullptr);
    const QList<QAction*> positions = toolbar->actions();
    ASSERT_EQ(positions.size(), MenuLayout::ToolbarPositions);
    for (const CommandRow& row : Commands()) {
        const QString name = QString::fromUtf8(row.name.data(), qsizetype(row.name.size()));
        // The recent-games submenus carry their name on the menu.
        QList<QAction*> actions = w.findChildren<QAction*>(name);
        for (QMenu* menu : w.findChildren<QMenu*>(name)) {
            actions.push_back(menu->menuAction());
        }
        ASSERT_EQ(actions.size(), 1) << row.name;
        QAction* action = actions.front();
        EXPECT_EQ(action->text().toStdString(), row.caption) << row.name;
        EXPECT_EQ(action->shortcut().toString().toStdString(), row.shortcut) << row.name;
        EXPECT_EQ(action->isCheckable(), row.checkable) << row.name;
        if (row.toolbarPosition == 0) {
            continue;
        }
        QAction* button = positions[row.toolbarPosition - 1];
        EXPECT_EQ(button->objectName().toStdString(), "tb" + std::string(row.toolbarKey));
        EXPECT_EQ(button->toolTip().toStdString(), row.toolTip) << row.name;
    }
}

TEST_F(FrmMainMenus, ToolbarAndStatusBarCommandsHideAndShowTheirBars) {
    frmMain& w = Start();
    auto* toolbar = w.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    auto* bar = w.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    ASSERT_NE(toolbar, nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(toolbar->isVisible());
    EXPECT_TRUE(bar->isVisible());
    for (const bool shown : {false, true, false}) {
        w.Command(CommandId::Toolbar);
        w.Command(CommandId::Statusbar);
        EXPECT_EQ(toolbar->isVisible(), shown);
        EXPECT_EQ(bar->isVisible(), shown);
        EXPECT_EQ(w.findChild<QAction*>(QStringLiteral("mnuToolbar"))->isChecked(), shown);
    }
}

// The start-up's times are read at once but written only when the table's first picture is
// on screen; the window icon is handed over then too, or sooner when another window shows
// first (a question at start-up). The program starts listening for a second start then.
TEST_F(FrmMainMenus, TheStartTimesAndTheWindowIconWaitForTheFirstPicture) {
    // The first start sets up the home, and those writes carry the times at once.
    Start();
    windows.clear();
    clock.now = clock.now.addSecs(60);
    QApplication::setWindowIcon(QIcon());
    frmMain& w = Start();
    QSignalSpy shown(&w, &frmMain::firstFrameShown);
    QSignalSpy settled(&w, &frmMain::startUpSettled);
    const auto stored = [this] {
        return SettingsStore(StorePath())
            .GetSetting(QStringLiteral("Save"), QStringLiteral("SessionStart"));
    };
    EXPECT_EQ(w.Save().SessionStart(), GeneralDate::Format(clock.Now()));
    EXPECT_NE(stored(), GeneralDate::Format(clock.Now()));
    EXPECT_TRUE(QApplication::windowIcon().isNull());
    EXPECT_EQ(settled.size(), 0);
    EXPECT_FALSE(w.StartUpSettled());
    ASSERT_TRUE(shown.wait(5000));
    EXPECT_EQ(stored(), GeneralDate::Format(clock.Now()));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(settled.size(), 1);
    EXPECT_TRUE(w.StartUpSettled());
    w.update();
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(settled.size(), 1);

    windows.clear();
    QApplication::setWindowIcon(QIcon());
    Start();
    QWidget question;
    question.show();
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

TEST_F(FrmMainMenus, AReplayDisablesTheHistoryCommandsAndOffersStopUntilItEnds) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    ASSERT_TRUE(StackMove(w));
    ASSERT_TRUE(StackMove(w));
    Act(w, "mnuUndoall")->trigger();
    w.GeneralTick();
    EXPECT_FALSE(Enabled(w, "tbReplayStop"));

    Act(w, "tbReplayForward")->trigger();
    ASSERT_TRUE(w.ReplayRunning());
    w.ForwardTick();
    EXPECT_EQ(w.Session().Trans().MoveID(), 1);
    w.GeneralTick();
    EXPECT_FALSE(Enabled(w, "mnuRedo")) << "still replaying";
    EXPECT_FALSE(Enabled(w, "tbUndo"));
    EXPECT_TRUE(Enabled(w, "mnuStop"));
    EXPECT_TRUE(Enabled(w, "tbReplayStop"));

    Act(w, "tbReplayStop")->trigger();
    EXPECT_FALSE(w.ReplayRunning());
    w.GeneralTick();
    EXPECT_TRUE(Enabled(w, "tbUndo")) << "after Stop, between two moves";
    EXPECT_TRUE(Enabled(w, "mnuRedo"));
    EXPECT_FALSE(Enabled(w, "tbReplayStop"));

    // A backward replay that runs out stops by itself and gives the commands back.
    Act(w, "mnuBack")->trigger();
    ASSERT_TRUE(w.ReplayRunning());
    for (int i = 0; i < 10 && w.ReplayRunning(); ++i) {
        w.BackwardTick();
    }
    ASSERT_FALSE(w.ReplayRunning());
    w.GeneralTick();
    EXPECT_FALSE(Enabled(w, "mnuUndo"));
    EXPECT_TRUE(Enabled(w, "mnuRedo"));
    EXPECT_FALSE(Enabled(w, "mnuStop"));
}

TEST_F(FrmMainMenus, FinishedGameOnViewReplaysWithoutSnapshotPointsOrQuestion) {
    const QString path = Path(QStringLiteral("won.v2k"));
    SaveWonGame(path);
    frmMain& w = Start(path);
    int finishDialogs = 0;
    QObject::connect(&w, &frmMain::finishDialogOpening, [&] { ++finishDialogs; });

    ASSERT_TRUE(State(w).Finished);
    ASSERT_TRUE(w.ReplayRunning()) << "a finished game is replayed on opening";
    w.GeneralTick();
    EXPECT_FALSE(Enabled(w, "mnusnap"));
    EXPECT_TRUE(Enabled(w, "mnuStop"));

    FinishReplay(w);
    QCoreApplication::processEvents();
    EXPECT_EQ(finishDialogs, 0) << "a game completed by the replay is not won again";
    w.GeneralTick();
    EXPECT_FALSE(Enabled(w, "mnusnap"));
    EXPECT_TRUE(Enabled(w, "tbUndo"));

    // All cards home: no possible move is shown whatever the engine counts, and no points.
    clock.Advance(100);
    w.TimeTick();
    EXPECT_EQ(PanelText(w, 1), QStringLiteral("Movements: %1").arg(SolvedGame().moves.size()));
    EXPECT_EQ(PanelText(w, 2), QStringLiteral("Cards Left: 0"));
    EXPECT_EQ(PanelText(w, 3), QStringLiteral("Possible Moves: 0"));
    EXPECT_EQ(PanelText(w, 4), QString());
    EXPECT_EQ(w.Table().timeText(), QStringLiteral("0:00:00 "));

    // New replaces a game on view without a question or a score.
    w.Command(QStringLiteral("mnuNew"));
    EXPECT_EQ(messages.Questions(), 0);
    EXPECT_TRUE(Scores(w).empty());
    EXPECT_TRUE(State(w).GameStarted);
    EXPECT_FALSE(State(w).Finished);
    EXPECT_EQ(State(w).GameNumber, 0);
}

// Games in play ---------------------------------------------------------------------------------

TEST_F(FrmMainGame, NewAsksBeforeGivingUpAGameInPlay) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    ASSERT_TRUE(StackMove(w));
    const Board board = State(w).Game().Board();
    const int total = w.Session().Trans().TotalTrans();

    messages.answers = {false};
    w.Command(QStringLiteral("mnuNew"));
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_EQ(messages.boxes[0].text, QStringLiteral("Are you sure You want to Quit this Game ?"));
    EXPECT_EQ(messages.boxes[0].title, QStringLiteral("Velmora 2003"));
    EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Question);
    EXPECT_EQ(State(w).Game().Board(), board);
    EXPECT_EQ(w.Session().Trans().TotalTrans(), total);
    EXPECT_TRUE(State(w).GameStarted);
    EXPECT_TRUE(Scores(w).empty());

    // Yes through the toolbar: the old game is recorded as lost, then the new one is dealt.
    w.Menu().SetRandom([] { return 0.5; });
    messages.answers = {true};
    Act(w, "tbNew")->trigger();
    EXPECT_EQ(messages.Questions(), 2);
    const std::vector<ScoreRecord> scores = Scores(w);
    ASSERT_EQ(scores.size(), 1U);
    EXPECT_EQ(scores[0].GameNumber, 0);
    EXPECT_EQ(scores[0].Moves, 1);
    EXPECT_LT(scores[0].Perc, 100);
    EXPECT_EQ(State(w).GameNumber, 1620000);
    EXPECT_EQ(w.Session().Trans().TotalTrans(), 0);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Velmora 2003 - Game No. 1620000"));
}

TEST_F(FrmMainGame, StatusBarAndTimeBoxFollowTheGameAndTheClock) {
    frmMain& w = Start();
    w.GeneralTick();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(PanelText(w, i), QString()) << "panel " << i << " without a game";
    }
    EXPECT_EQ(w.Table().timeText(), QStringLiteral("0:00:00 "));

    clock.Advance(10);
    w.Command(QStringLiteral("mnuNew"));
    clock.Advance(3725);
    w.TimeTick();
    EXPECT_EQ(w.Table().timeText(), QStringLiteral("1:02:05 "));
    EXPECT_EQ(PanelText(w, 1), QStringLiteral("Movements: 0"));
    EXPECT_EQ(PanelText(w, 2), QStringLiteral("Cards Left: 52"));
    EXPECT_EQ(PanelText(w, 3),
              QStringLiteral("Possible Moves: %1").arg(State(w).Game().GetPossibleMoves()));
    EXPECT_EQ(PanelText(w, 4), QStringLiteral("Game Points: %1").arg(cScore::GetScore(0, 3725, 0)));
    EXPECT_EQ(PanelText(w, 5), QStringLiteral("Session Time: 1:02:15"));

    ASSERT_TRUE(StackMove(w));
    w.TimeTick();
    EXPECT_EQ(PanelText(w, 1), QStringLiteral("Movements: 1"));

    // Closing the game empties the panels and resets the box.
    CloseGame(w);
    w.GeneralTick();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(PanelText(w, i), QString()) << "panel " << i << " after Close";
    }
    EXPECT_EQ(w.Table().timeText(), QStringLiteral("0:00:00 "));
}

TEST_F(FrmMainGame, GameWonByPressesOpensOneFinishDialogAndOkSavesIt) {
    const WonGame& won = SolvedGame();
    ASSERT_GE(won.number, 0) << "the solver won none of games 1..20";
    frmMain& w = Start();
    w.Menu().SetRandom([&] { return double(won.number) / w.Opt().GetRandomLimit(); });
    w.Command(QStringLiteral("mnuNew"));
    ASSERT_EQ(State(w).GameNumber, won.number);

    int finishDialogs = 0;
    QString proposedSave;
    QObject::connect(&w, &frmMain::finishDialogOpening, [&] {
        ++finishDialogs;
        dialogs.answers.push_back([&](QDialog&) {
            auto* dialog = w.findChild<dlgFinish*>();
            ASSERT_NE(dialog, nullptr);
            ASSERT_TRUE(dialog->isVisible());
            w.Menu().SetRandom([] { return 0.0; });
            proposedSave = dialog->findChild<QLineEdit*>(QStringLiteral("txtSave"))->text();
            auto* save = dialog->findChild<QCheckBox*>(QStringLiteral("chkSave"));
            if (!save->isChecked()) {
                save->click();
            }
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")),
                              Qt::LeftButton);
        });
    });

    // The same moves on a bare session give the board every press must reach.
    GameSession reference;
    reference.StartGame(won.number);
    ASSERT_EQ(State(w).Game().Board(), reference.State().Game().Board());
    for (std::size_t i = 0; i < won.moves.size(); ++i) {
        const SolverMove& m = won.moves[i];
        PlayMove(w, m);
        reference.State().MutableGame().SetLocation(m.from, m.to, PressMode(m), Motion::Instant());
        if (i + 1 < won.moves.size()) {
            ASSERT_EQ(State(w).Game().Board(), reference.State().Game().Board())
                << "after move " << i << " (" << m.from << " -> " << m.to << ")";
            ASSERT_EQ(finishDialogs, 0);
        }
    }
    EXPECT_EQ(finishDialogs, 0) << "the dialog opens once the move has finished";
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(finishDialogs, 1);

    const std::vector<ScoreRecord> scores = Scores(w);
    ASSERT_EQ(scores.size(), 1U);
    EXPECT_EQ(scores[0].GameNumber, won.number);
    EXPECT_EQ(scores[0].Perc, 100);
    EXPECT_EQ(scores[0].Moves, reference.Trans().MoveID());

    const QString saved =
        JoinPath(w.Save().SaveFolder(), QString::number(won.number)) + QStringLiteral(".v2k");
    EXPECT_EQ(proposedSave + QStringLiteral(".v2k"), saved);
    auto game = GameFile::Read(saved.toStdString());
    ASSERT_TRUE(game.has_value()) << saved.toStdString();
    EXPECT_EQ(game->gameNumber, won.number);
    EXPECT_EQ(static_cast<int>(game->records.size()), reference.Trans().TotalTrans());

    // OK went on with the next step chosen: a new game (New is the first choice).
    EXPECT_TRUE(State(w).GameStarted);
    EXPECT_FALSE(State(w).Finished);
    EXPECT_EQ(State(w).GameNumber, 0);
    EXPECT_EQ(w.Session().Trans().TotalTrans(), 0);
}

// Score board -------------------------------------------------------------------------------

TEST_F(FrmMainGame, ScoreBoardOpensOverTheWindowWithTheGamesRecorded) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    clock.Advance(10);
    CloseGame(w);
    ASSERT_EQ(Scores(w).size(), 1U);

    QString listed;
    EXPECT_TRUE(WithDialog<frmScore>(w, "mnuScore", [&](frmScore& dialog) {
        EXPECT_EQ(dialog.parentWidget(), &w);
        listed = dialog.findChild<QTreeView*>(QStringLiteral("lvwScore"))
                     ->model()
                     ->index(0, 2)
                     .data()
                     .toString();
    }));
    EXPECT_EQ(listed, QString::number(Scores(w)[0].GameNumber));
}

// Shutdown ------------------------------------------------------------------------------------

TEST_F(FrmMainShutdown, ClosingKeepsTheGameInPlayWithoutItsRedoAndItsClockGoesOn) {
    frmMain& first = Start();
    first.Command(QStringLiteral("mnuNew"));
    ASSERT_TRUE(StackMove(first));
    ASSERT_TRUE(StackMove(first));
    MoveToFreeCell(first, 2, 1);
    Act(first, "mnuUndo")->trigger();
    const Board board = State(first).Game().Board();
    const int current = first.Session().Trans().CurrentTrans();
    ASSERT_LT(current, first.Session().Trans().TotalTrans());
    clock.Advance(65);
    first.close();
    EXPECT_EQ(Stored("Save", "Unfinished"), QStringLiteral("True"));

    clock.Advance(1000);
    frmMain& second = Start();
    ASSERT_TRUE(State(second).GameStarted);
    EXPECT_EQ(State(second).Game().Board(), board);
    // Moves that could still be redone are not kept.
    EXPECT_EQ(second.Session().Trans().TotalTrans(), current);
    EXPECT_EQ(second.Session().Trans().MoveID(), 2);
    // The resumed game's clock goes on from the time already played.
    clock.Advance(5);
    second.TimeTick();
    EXPECT_EQ(second.Table().timeText(), QStringLiteral("0:01:10 "));
}

TEST_F(FrmMainShutdown, NothingIsKeptWithoutAGameInPlay) {
    // No game at all.
    frmMain& empty = Start();
    const QString unfinished = empty.Save().UnfinishedFile();
    empty.close();
    EXPECT_FALSE(QFileInfo::exists(unfinished));
    EXPECT_EQ(Stored("Save", "Unfinished"), QStringLiteral("False"));

    // A finished game on view.
    const QString path = Path(QStringLiteral("won.v2k"));
    SaveWonGame(path);
    frmMain& view = Start(path);
    ASSERT_TRUE(State(view).Finished);
    view.close();
    EXPECT_FALSE(QFileInfo::exists(unfinished));
    EXPECT_EQ(Stored("Save", "Unfinished"), QStringLiteral("False"));
    EXPECT_TRUE(Scores(view).empty());
}

TEST_F(FrmMainShutdown, ExitLeavesUnfinishedGameTimeAndPlacementAsTheyWere) {
    frmMain& first = Start();
    first.Command(QStringLiteral("mnuNew"));
    MoveToFreeCell(first, 0, 0);
    clock.Advance(40);
    first.close();
    const QString unfinished = first.Save().UnfinishedFile();
    const QByteArray kept = ReadAll(unfinished);
    ASSERT_FALSE(kept.isEmpty());

    frmMain& second = Start();
    ASSERT_TRUE(State(second).GameStarted);
    MoveToFreeCell(second, 1, 1);
    second.move(second.x() + 30, second.y() + 20);
    second.resize(second.width() + 50, second.height() + 40);
    clock.Advance(500);
    const QStringList keys{QStringLiteral("Unfinished"), QStringLiteral("LastGameTime"),
                           QStringLiteral("Left"),       QStringLiteral("Top"),
                           QStringLiteral("width"),      QStringLiteral("Height"),
                           QStringLiteral("Maximized")};
    QStringList before;
    for (const QString& key : keys) {
        before << Reopened().GetSetting(QStringLiteral("Save"), key);
    }

    Act(second, "mnuExit")->trigger();
    EXPECT_FALSE(second.isVisible());
    QStringList after;
    for (const QString& key : keys) {
        after << Reopened().GetSetting(QStringLiteral("Save"), key);
    }
    EXPECT_EQ(after, before);
    EXPECT_EQ(after[0], QStringLiteral("True"));
    EXPECT_EQ(after[1], QStringLiteral("40"));
    EXPECT_EQ(ReadAll(unfinished), kept);
    EXPECT_TRUE(Scores(second).empty());
}

// Window placement ---------------------------------------------------------------------------

TEST_F(FrmMainPlacement, LeftAndTopOutsideTheUpperLeftQuarterAreReset) {
    Start().ExitAtOnce(); // the first run clears the store; placement is stored afterwards
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int halfWidth = screen.width() * 15 / 2;
    const int halfHeight = screen.height() * 15 / 2;
    struct Case {
        int left, top;
        int storedLeft, storedTop;
    };
    const std::vector<Case> cases{
        {halfWidth, halfHeight, 0, 0},
        {halfWidth + 3000, -15, 0, 0},
        {1, 1, 1, 1},
        {halfWidth - 15, halfHeight - 15, halfWidth - 15, halfHeight - 15}};
    for (const Case& c : cases) {
        store->SaveSetting(QStringLiteral("Save"), QStringLiteral("Left"), QString::number(c.left));
        store->SaveSetting(QStringLiteral("Save"), QStringLiteral("Top"), QString::number(c.top));
        frmMain& w = Start();
        const QString label = QStringLiteral("Left %1 Top %2").arg(c.left).arg(c.top);
        EXPECT_EQ(w.x() - screen.x(), c.storedLeft / 15) << label.toStdString();
        EXPECT_EQ(w.y() - screen.y(), c.storedTop / 15) << label.toStdString();
        EXPECT_EQ(Stored("Save", "Left"), QString::number(c.storedLeft)) << label.toStdString();
        EXPECT_EQ(Stored("Save", "Top"), QString::number(c.storedTop)) << label.toStdString();
        w.ExitAtOnce();
    }
}

TEST_F(FrmMainPlacement, SizeIsRaisedToTheMinimumAndMaximizedIsRestored) {
    Start().ExitAtOnce();
    store->SaveSetting(QStringLiteral("Save"), QStringLiteral("width"), QStringLiteral("5000"));
    store->SaveSetting(QStringLiteral("Save"), QStringLiteral("Height"), QStringLiteral("4000"));
    frmMain& small = Start();
    EXPECT_EQ(small.size(), QSize(9720 / 15, 7000 / 15));
    small.ExitAtOnce();

    store->SaveBool(QStringLiteral("Save"), QStringLiteral("Maximized"), true);
    frmMain& maximized = Start();
    EXPECT_TRUE(maximized.windowState() & Qt::WindowMaximized);
    maximized.close();
    EXPECT_EQ(Stored("Save", "Maximized"), QStringLiteral("True"));
}

TEST_F(FrmMainPlacement, ClosingStoresTheNormalPlacementButNotAMinimizedOne) {
    frmMain& w = Start();
    w.resize(700, 500);
    w.move(30, 45);
    w.close();
    EXPECT_EQ(Stored("Save", "Maximized"), QStringLiteral("False"));
    EXPECT_EQ(Stored("Save", "width"), QStringLiteral("10500"));
    EXPECT_EQ(Stored("Save", "Height"), QStringLiteral("7500"));
    EXPECT_EQ(Stored("Save", "Left"), QStringLiteral("450"));
    EXPECT_EQ(Stored("Save", "Top"), QStringLiteral("675"));

    frmMain& minimized = Start();
    minimized.resize(800, 560);
    minimized.setWindowState(Qt::WindowMinimized);
    minimized.close();
    EXPECT_EQ(Stored("Save", "width"), QStringLiteral("10500"));
}

// Warning flash ---------------------------------------------------------------------------------
// When to warn is the engine's rule (PointerRules); here a press starts the flash and its ticks.

TEST_F(FrmMainFlash, APressWithNoOrOneMoveLeftFlashesTheTitleAndPanel3UnlessSwitchedOff) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    const QString caption = w.windowTitle();
    auto [columns, cells] = BlockedBoard(false);
    Lay(w, columns, cells);
    ASSERT_EQ(State(w).Game().GetPossibleMoves(), 0);
    const int start = w.TitleInversions();
    const auto pressed = static_cast<Location>(5 * 8 + 3);
    ClickCard(w, pressed);
    EXPECT_TRUE(w.FlashRunning());
    EXPECT_TRUE(w.Panel3Raised());
    EXPECT_EQ(State(w).SelectedLocation, pressed) << "the press is handled as well";
    for (int tick = 1; tick <= 7; ++tick) {
        w.FlashTick();
    }
    EXPECT_TRUE(w.FlashRunning());
    EXPECT_TRUE(w.Panel3Raised());
    EXPECT_NE(w.windowTitle(), caption) << "inverted after an odd number of ticks";
    w.FlashTick();
    EXPECT_FALSE(w.FlashRunning());
    EXPECT_FALSE(w.Panel3Raised());
    EXPECT_EQ(w.TitleInversions() - start, 8);
    EXPECT_EQ(w.windowTitle(), caption);

    // One move left: the shorter warning.
    auto [oneColumns, oneCells] = BlockedBoard(true);
    mGame::ClearSelection(State(w));
    Lay(w, oneColumns, oneCells);
    ASSERT_EQ(State(w).Game().GetPossibleMoves(), 1);
    const int second = w.TitleInversions();
    ClickCard(w, static_cast<Location>(5 * 8 + 1));
    for (int tick = 1; tick <= 3; ++tick) {
        EXPECT_TRUE(w.FlashRunning()) << tick;
        w.FlashTick();
    }
    EXPECT_FALSE(w.FlashRunning());
    EXPECT_EQ(w.TitleInversions() - second, 3);

    // Switched off: no flash, the press still selects.
    w.Opt().EnableFlash(0);
    mGame::ClearSelection(State(w));
    ClickCard(w, static_cast<Location>(5 * 8 + 2));
    EXPECT_FALSE(w.FlashRunning());
    EXPECT_EQ(State(w).SelectedLocation, 5 * 8 + 2);
}

// Which card is a target is the engine's rule too; here hovering shows it on the pointer.
TEST_F(FrmMainFlash, HoveringATargetOfTheSelectedCardShowsTheTargetPointer) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    // The 7S ending column A fits the 8D of column B, not the KC of column C.
    Lay(w, {{CardOf(4, 13), CardOf(3, 7)}, {CardOf(2, 8)}, {CardOf(1, 13)}}, {});
    auto hover = [&](CardIndex over) {
        const QPointF centre = w.Table().cardRect(over).center();
        QMouseEvent event(QEvent::MouseMove, centre, w.Table().mapToGlobal(centre), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&w.Table(), &event);
        return w.Table().cardCursor(over);
    };
    using Cursor = TableWidget::CardCursor;
    mGame::SelectLocation(State(w), 8);
    EXPECT_EQ(hover(CardOf(2, 8)), Cursor::Target);
    EXPECT_EQ(hover(CardOf(1, 13)), Cursor::Normal);
    mGame::ClearSelection(State(w));
    EXPECT_EQ(hover(CardOf(2, 8)), Cursor::Normal);
}

// Start-up failures -------------------------------------------------------------------------

TEST_F(FrmMainStartUp, MissingCommandLineFileLeavesAnEmptyTable) {
    frmMain& w = Start(Path(QStringLiteral("missing.vlg")));
    ASSERT_FALSE(w.QuitRequested());
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_FALSE(messages.boxes[0].question);
    EXPECT_TRUE(messages.boxes[0].text.contains(QStringLiteral("missing.vlg")))
        << messages.boxes[0].text.toStdString();
    EXPECT_FALSE(State(w).GameStarted);
    for (CardIndex c = 0; c < CardCount; ++c) {
        EXPECT_FALSE(w.Table().isCardVisible(c)) << "card " << c;
    }
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Velmora 2003"));
    EXPECT_EQ(PanelText(w, 1), QString());
}

TEST_F(FrmMainStartUp, UnreadableUnfinishedGameIsReportedAndKept) {
    frmMain& first = Start();
    const QString unfinished = first.Save().UnfinishedFile();
    first.ExitAtOnce();
    const QByteArray garbage("not a saved game\r\n");
    {
        QFile file(unfinished);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    store->SaveBool(QStringLiteral("Save"), QStringLiteral("Unfinished"), true);

    frmMain& w = Start();
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_FALSE(messages.boxes[0].question);
    EXPECT_FALSE(State(w).GameStarted);
    for (CardIndex c = 0; c < CardCount; ++c) {
        EXPECT_FALSE(w.Table().isCardVisible(c)) << "card " << c;
    }
    EXPECT_EQ(ReadAll(unfinished), garbage);
    EXPECT_TRUE(Scores(w).empty());
}

TEST_F(FrmMainStartUp, AnOlderRegistrationIsReplacedAtTheNextStart) {
    frmMain& first = Start();
    first.ExitAtOnce();
    const QString applications = folders.userDataFolder + QStringLiteral("/applications/");
    const QString entry = applications + QStringLiteral("org.velmora.Velmora2003.desktop");
    ASSERT_TRUE(QFile::remove(entry));

    // Without an older registration a later start leaves the desktop files alone.
    Start().ExitAtOnce();
    EXPECT_FALSE(QFileInfo::exists(entry));

    Touch(applications + QStringLiteral("velmora2003.desktop"));
    Start();
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_TRUE(QFileInfo::exists(entry));
    EXPECT_FALSE(QFileInfo::exists(applications + QStringLiteral("velmora2003.desktop")));
}

TEST_F(FrmMainStartUp, CommandLineFileWithAPendingUnfinishedGameAsksFirst) {
    frmMain& first = Start();
    first.Command(QStringLiteral("mnuNew"));
    ASSERT_TRUE(StackMove(first));
    first.close();
    const QString unfinished = first.Save().UnfinishedFile();
    ASSERT_TRUE(QFileInfo::exists(unfinished));
    const QString path = Path(QStringLiteral("won.v2k"));
    SaveWonGame(path);

    // No: the program ends before the window is shown; nothing is lost or opened.
    messages.answers = {false};
    frmMain& refused = Start(path);
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_TRUE(messages.boxes[0].question);
    EXPECT_EQ(messages.boxes[0].text,
              QStringLiteral("Are you sure you want to exit the previously\r\n"
                             "unfinished game and start this game ?"));
    EXPECT_TRUE(refused.QuitRequested());
    EXPECT_FALSE(refused.isVisible());
    EXPECT_TRUE(Scores(refused).empty());
    EXPECT_TRUE(QFileInfo::exists(unfinished));

    // Yes: the unfinished game is recorded as lost, then the named file is opened.
    messages.answers = {true};
    frmMain& w = Start(path);
    EXPECT_FALSE(w.QuitRequested());
    const std::vector<ScoreRecord> scores = Scores(w);
    ASSERT_EQ(scores.size(), 1U);
    EXPECT_EQ(scores[0].GameNumber, 0);
    EXPECT_EQ(State(w).GameNumber, SolvedGame().number);
    // The lost game is not offered again, even when the run ends through Exit.
    EXPECT_FALSE(w.Save().Unfinished());
}
