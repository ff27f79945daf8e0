#include "MainWindowFixture.h"

#include "engine/mArray.h"
#include "library/cOpt.h"
#include "mainwindow/SolverTask.h"
#include "solver/Presses.h"

#include <QMenu>

namespace velmora::test {
namespace {

class FrmMainSolver : public MainWindowTest {
protected:
    /// The actions of a winning line from the table of `w` as it lies now.
    static std::vector<solver::PressAction> LineFromHere(frmMain& w) {
        const solver::Decision d = solver::Decide(State(w).Game().Board(), solver::Limits{});
        EXPECT_EQ(d.verdict, solver::Verdict::Solved);
        return d.actions;
    }

    /// One press of the press alphabet made with the mouse on the window.
    static void PressWithMouse(frmMain& w, char press) {
        GameState& state = State(w);
        if (press >= 'A' && press <= 'H') {
            const int column = press - 'A';
            const Location exposed =
                state.Game().GetBottomCardLocation(static_cast<Location>(column));
            if (exposed == NoLocation) {
                ClickEmptyColumn(w, column);
            } else {
                ClickCard(w, exposed);
            }
            return;
        }
        if (press >= '1' && press <= '4') {
            const auto cell = static_cast<Location>(FirstFreeCell + press - '1');
            if (CardAt(w, cell) == NoCard) {
                ClickFreeCell(w, press - '1');
            } else {
                ClickCard(w, cell);
            }
            return;
        }
        ClickCard(w, static_cast<Location>(FirstHomeCell + press - '5'));
    }

    /// The action after `name` in the menu `menu`.
    static QString After(frmMain& w, const char* menu, const char* name) {
        const QList<QAction*> actions = w.findChild<QMenu*>(QString::fromLatin1(menu))->actions();
        for (qsizetype i = 0; i + 1 < actions.size(); ++i) {
            if (actions[i]->objectName() == QLatin1String(name)) {
                return actions[i + 1]->objectName();
            }
        }
        return {};
    }

    /// The location whose picture position the hint marked.
    static Location Marked(frmMain& w) {
        const auto mark = w.Table().markedTarget();
        if (!mark) {
            return NoLocation;
        }
        for (int loc = 0; loc < BoardSize; ++loc) {
            if (IsCardLocation(loc) && cCards::Left(static_cast<Location>(loc)) == mark->x() &&
                cCards::Top(static_cast<Location>(loc)) == mark->y()) {
                return static_cast<Location>(loc);
            }
        }
        return NoLocation;
    }
};

TEST_F(FrmMainSolver, HintAndShowSolutionSitInTheirMenusAndServeOnlyAGameInPlay) {
    frmMain& w = Start();
    EXPECT_EQ(After(w, "mnuEdit", "mnuRedoall"), QStringLiteral("mnuHint"));
    EXPECT_EQ(After(w, "mnuReplay", "mnuReplayAll"), QStringLiteral("mnuShowSolution"));
    EXPECT_EQ(Act(w, "mnuHint")->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    w.GeneralTick();
    EXPECT_FALSE(Enabled(w, "mnuHint"));
    EXPECT_FALSE(Enabled(w, "mnuShowSolution"));

    w.Command(QStringLiteral("mnuNew"));
    EXPECT_TRUE(Enabled(w, "mnuHint"));
    EXPECT_TRUE(Enabled(w, "mnuShowSolution"));

    ASSERT_TRUE(StackMove(w));
    w.Command(QStringLiteral("mnuBack"));
    EXPECT_FALSE(Enabled(w, "mnuHint")) << "while a replay runs";
    EXPECT_FALSE(Enabled(w, "mnuShowSolution"));
    w.Command(QStringLiteral("mnuStop"));
    EXPECT_TRUE(Enabled(w, "mnuHint"));
}

TEST_F(FrmMainSolver, HintSelectsTheNextCardAndMarksItsTargetBrieflyRecordingNothing) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    const auto line = LineFromHere(w);
    ASSERT_FALSE(line.empty());

    w.Command(QStringLiteral("mnuHint"));
    w.Solver().WaitForResult();
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(w.Session().Trans().TotalTrans(), 0) << "nothing is recorded";
    const Location selected = State(w).SelectedLocation;
    ASSERT_NE(selected, NoLocation);
    EXPECT_EQ(w.Table().selectedCard(), CardAt(w, selected));
    const Location target = Marked(w);
    ASSERT_NE(target, NoLocation);

    // The hinted move is a first move of a winning line: pressing the target makes it, and
    // a line is still there afterwards.
    const auto before = State(w).Game().Board();
    if (target < FirstFreeCell) {
        if (CardAt(w, target) == NoCard) {
            ClickEmptyColumn(w, target % 8);
        } else {
            ClickCard(w, target);
        }
    } else if (target <= LastFreeCell) {
        ClickFreeCell(w, target - FirstFreeCell);
    } else {
        ClickCard(w, target);
    }
    EXPECT_NE(State(w).Game().Board(), before);
    EXPECT_FALSE(LineFromHere(w).empty());

    w.HintTick();
    EXPECT_FALSE(w.Table().markedTarget()) << "the mark is brief";
}

TEST_F(FrmMainSolver, AHintForATableThatHasMovedOnIsDropped) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    w.Command(QStringLiteral("mnuHint"));
    // A move made before the verdict arrives: the verdict is about another table.
    ASSERT_TRUE(StackMove(w));
    w.Solver().WaitForResult();
    EXPECT_EQ(State(w).SelectedLocation, NoLocation);
    EXPECT_FALSE(w.Table().markedTarget());
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(FrmMainSolver, TheLineOfTheSolverWinsWhenItsPressesAreMadeWithTheMouse) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    for (const solver::PressAction& action : LineFromHere(w)) {
        int asked = 0;
        w.SetEmptyColumnAnswer([&](int) {
            ++asked;
            return action.answer.value_or(EmptyColumnChoice::Cancel);
        });
        for (const char press : action.presses) {
            PressWithMouse(w, press);
        }
        ASSERT_EQ(asked, action.answer ? 1 : 0) << action.Text();
    }
    for (int home = FirstHomeCell; home <= LastHomeCell; ++home) {
        EXPECT_EQ(RankOf(CardAt(w, static_cast<Location>(home))), 13);
    }
}

TEST_F(FrmMainSolver, ATableWithoutAWinningLineIsToldSo) {
    // Game 3 with four cards sent to the free cells has no move left at all.
    frmMain& w = Start();
    w.Menu().SetRandom([&] { return 3.0 / w.Opt().GetRandomLimit(); });
    w.Command(QStringLiteral("mnuNew"));
    ASSERT_EQ(State(w).GameNumber, 3);
    for (const auto& [column, cell] : {std::pair{5, 0}, {6, 1}, {3, 2}, {7, 3}}) {
        MoveToFreeCell(w, column, cell);
    }
    w.Command(QStringLiteral("mnuHint"));
    w.Solver().WaitForResult();
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_EQ(messages.Last(), QStringLiteral("No winning line from here."));
    EXPECT_EQ(State(w).SelectedLocation, NoLocation);

    // A search stopped by its limits does not claim as much.
    solver::Limits none;
    none.memoryBytes = 1;
    w.SetSolverLimits(none);
    w.Command(QStringLiteral("mnuHint"));
    w.Solver().WaitForResult();
    EXPECT_EQ(messages.Last(), QStringLiteral("No winning line was found in the time allowed."));
}

TEST_F(FrmMainSolver, ShowSolutionGivesUpTheGameAndReplaysAWinningLineThatScoresNothing) {
    frmMain& w = Start();
    w.Menu().SetRandom([&] { return 5.0 / w.Opt().GetRandomLimit(); });
    w.Command(QStringLiteral("mnuNew"));
    ASSERT_TRUE(StackMove(w));

    messages.answers = {false};
    w.Command(QStringLiteral("mnuShowSolution"));
    ASSERT_EQ(messages.Questions(), 1);
    EXPECT_EQ(messages.Last(), QStringLiteral("Give up this game and watch how it can be won?"));
    EXPECT_EQ(messages.boxes.back().icon, MessageIcon::Question);
    EXPECT_FALSE(w.Solver().Running()) << "No searches nothing";
    EXPECT_FALSE(State(w).Finished);

    messages.answers = {true};
    w.Command(QStringLiteral("mnuShowSolution"));
    w.Solver().WaitForResult();
    const std::vector<ScoreRecord> scores = Scores(w);
    ASSERT_EQ(scores.size(), 1U) << "the game given up is recorded";
    EXPECT_EQ(scores[0].GameNumber, 5);
    EXPECT_LT(scores[0].Perc, 100);

    EXPECT_TRUE(State(w).GameStarted);
    EXPECT_TRUE(State(w).Finished);
    EXPECT_EQ(State(w).GameNumber, 5);
    GameSession deal;
    deal.StartGame(5);
    EXPECT_EQ(State(w).Game().Board(), deal.State().Game().Board()) << "dealt again";
    const cTrans& trans = w.Session().Trans();
    EXPECT_EQ(trans.CurrentTrans(), 0);
    EXPECT_GT(trans.TotalTrans(), 0);
    EXPECT_TRUE(w.ReplayRunning());
    w.GeneralTick();
    EXPECT_TRUE(Enabled(w, "mnuStop"));

    int finishDialogs = 0;
    QObject::connect(&w, &frmMain::finishDialogOpening, [&] { ++finishDialogs; });
    FinishReplay(w);
    QCoreApplication::processEvents();
    EXPECT_EQ(finishDialogs, 0);
    for (int home = FirstHomeCell; home <= LastHomeCell; ++home) {
        EXPECT_EQ(RankOf(CardAt(w, static_cast<Location>(home))), 13);
    }
    w.GeneralTick();
    EXPECT_TRUE(Enabled(w, "mnuBack"));
    EXPECT_FALSE(Enabled(w, "mnuShowSolution"));

    // Closing the line on view records nothing.
    CloseGame(w);
    EXPECT_FALSE(State(w).GameStarted);
    EXPECT_EQ(Scores(w).size(), 1U);
}

TEST_F(FrmMainSolver, ShowSolutionWithoutALineChangesNothing) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    ASSERT_TRUE(StackMove(w));
    const auto board = State(w).Game().Board();
    const int records = w.Session().Trans().TotalTrans();
    solver::Limits none;
    none.memoryBytes = 1;
    w.SetSolverLimits(none);

    messages.answers = {true};
    w.Command(QStringLiteral("mnuShowSolution"));
    w.Solver().WaitForResult();
    EXPECT_EQ(messages.Last(), QStringLiteral("No winning line was found in the time allowed."));
    EXPECT_TRUE(State(w).GameStarted);
    EXPECT_FALSE(State(w).Finished);
    EXPECT_EQ(State(w).Game().Board(), board);
    EXPECT_EQ(w.Session().Trans().TotalTrans(), records);
    EXPECT_TRUE(Scores(w).empty());
}

TEST(SelectGameWinnable, TheVerdictIsToldInTheDialogsWords) {
    solver::Decision decision;
    decision.verdict = solver::Verdict::Solved;
    decision.actions.resize(3);
    EXPECT_EQ(WinnableText(decision), QStringLiteral("Winnable in 3 moves"));
    decision.rejected = true;
    EXPECT_EQ(WinnableText(decision), QStringLiteral("Unknown"));
    decision = {};
    decision.verdict = solver::Verdict::Unsolvable;
    EXPECT_EQ(WinnableText(decision), QStringLiteral("Not winnable"));
    decision.verdict = solver::Verdict::Unknown;
    EXPECT_EQ(WinnableText(decision), QStringLiteral("Unknown"));
}

TEST(SelectGameWinnable, ATypedNumberIsDecidedFromItsDealInTheBackground) {
    SolverTask task;
    QString shown;
    CheckWinnable(task, 1, solver::Limits{}, [&shown](const QString& text) { shown = text; });
    task.WaitForResult();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Winnable in "))) << shown.toStdString();

    solver::Limits none;
    none.memoryBytes = 1;
    CheckWinnable(task, 2, none, [&shown](const QString& text) { shown = text; });
    task.WaitForResult();
    EXPECT_EQ(shown, QStringLiteral("Unknown"));
}

} // namespace
} // namespace velmora::test
