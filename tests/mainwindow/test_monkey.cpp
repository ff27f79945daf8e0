// A long randomised session in the headless window: presses, menu commands, undo, redo,
// replay and save/open round trips, checking the whole position after every step.
// VELMORA_MONKEY_SEED repeats a run; VELMORA_MONKEY_STEPS and VELMORA_MONKEY_SECONDS make it
// longer.

#include "MainWindowFixture.h"
#include "support/BoardCheck.h"

#include "mainwindow/CommandTable.h"
#include "scores/dlgFinish.h"

#include <QApplication>
#include <QElapsedTimer>

#include <iostream>
#include <random>
#include <sstream>

using namespace velmora;
using namespace velmora::test;

namespace {

std::uint64_t EnvNumber(const char* name, std::uint64_t otherwise) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const auto number = value.toULongLong(&ok);
    return ok ? number : otherwise;
}

class MonkeyTest : public MainWindowTest {
protected:
    std::mt19937_64 random;
    /// What the last steps did, shown when a check fails.
    std::deque<std::string> log;

    void Note(std::string what) {
        log.push_back(std::move(what));
        if (log.size() > 12) {
            log.pop_front();
        }
    }

    int Pick(int n) { return static_cast<int>(random() % static_cast<std::uint64_t>(n)); }
    bool Chance(int percent) { return Pick(100) < percent; }

    static bool Available(frmMain& w, CommandId id) {
        const QAction* action = Act(w, RowOf(id).name.data());
        return action && action->isEnabled();
    }
    /// A command as the player gives it: only while its menu item is enabled.
    static void Give(frmMain& w, CommandId id) {
        w.GeneralTick();
        if (Available(w, id)) {
            w.Command(id);
        }
    }
    void GiveNoted(frmMain& w, CommandId id) {
        Note(std::string(RowOf(id).name));
        Give(w, id);
    }

    /// A press somewhere a player would press: a card of a column, a free cell, a home pile,
    /// an empty column or anywhere on the table.
    void Press(frmMain& w) {
        GameState& state = State(w);
        const int kind = Pick(10);
        if (kind < 5) {
            const auto column = static_cast<Location>(Pick(8));
            const int total = state.Game().GetTotalCards(column);
            if (total == 0) {
                Note("press empty column " + std::to_string(column));
                ClickEmptyColumn(w, column);
                return;
            }
            // Mostly the exposed card; sometimes one higher up (the start of a run).
            const int row = Chance(75) ? total - 1 : Pick(total);
            const auto loc = static_cast<Location>(row * 8 + column);
            const QPointF target = w.Table().cardRect(CardAt(w, loc)).center();
            Note("press card at " + std::to_string(loc));
            if (row == total - 1 && Chance(10)) {
                Note("double-click card at " + std::to_string(loc));
                QTest::mouseDClick(&w.Table(), Qt::LeftButton, Qt::NoModifier, target.toPoint());
                return;
            }
            Click(w, QPointF(target.x(), w.Table().cardRect(CardAt(w, loc)).top() + 4));
            return;
        }
        if (kind < 7) {
            const int index = Pick(4);
            const Location cell = FreeCell(index);
            Note("press free cell " + std::to_string(cell));
            if (CardAt(w, cell) == NoCard) {
                ClickFreeCell(w, index);
            } else {
                Click(w, w.Table().cardRect(CardAt(w, cell)).center());
            }
            return;
        }
        if (kind < 8) {
            const Location home = HomeCell(1 + Pick(4));
            Note("press home cell " + std::to_string(home));
            if (CardAt(w, home) != NoCard) {
                Click(w, w.Table().cardRect(CardAt(w, home)).center());
            }
            return;
        }
        const QRect area = w.Table().rect();
        const QPointF at(Pick(std::max(1, area.width())), Pick(std::max(1, area.height())));
        Note("press the table at " + std::to_string(at.x()) + ", " + std::to_string(at.y()));
        Click(w, at);
    }

    /// Saves the game in play and opens the file again: the same position comes back.
    void SaveAndOpen(frmMain& w, int step) {
        w.GeneralTick();
        if (!State(w).GameStarted || State(w).Finished || !Available(w, CommandId::Save)) {
            return;
        }
        const QString path = Path(QStringLiteral("monkey-%1.vlg").arg(step));
        const auto board = State(w).Game().Board();
        Note("save and open " + path.toStdString());
        files.answer = path;
        w.Command(CommandId::Save);
        ASSERT_TRUE(QFileInfo::exists(path)) << messages.Last().toStdString();
        messages.answer = true;
        w.GeneralTick();
        if (!Available(w, CommandId::Open)) {
            return;
        }
        OpenByBrowse(w);
        ASSERT_TRUE(State(w).GameStarted);
        ASSERT_EQ(State(w).Game().Board(), board) << "the saved game opens as another position";
    }

    /// One random step.
    void Step(frmMain& w, int step) {
        const int kind = Pick(100);
        if (kind < 55) {
            Press(w);
            return;
        }
        if (kind < 62) {
            GiveNoted(w, CommandId::Undo);
            return;
        }
        if (kind < 66) {
            GiveNoted(w, CommandId::Redo);
            return;
        }
        if (kind < 72) {
            static constexpr CommandId Rare[] = {
                CommandId::UndoAll,      CommandId::RedoAll, CommandId::Snapshot,
                CommandId::UndoSnapshot, CommandId::Restart, CommandId::ReplayAll,
                CommandId::Forward,      CommandId::Back,    CommandId::Stop};
            messages.answer = Chance(50);
            GiveNoted(w, Rare[Pick(std::size(Rare))]);
            return;
        }
        if (kind < 80) {
            // Replay timers running: a few of their ticks.
            Note("timer ticks");
            for (int i = Pick(6); i > 0; --i) {
                w.ForwardTick();
                w.BackwardTick();
            }
            w.TimeTick();
            return;
        }
        if (kind < 86) {
            messages.answer = Chance(60);
            GiveNoted(w, Chance(85) ? CommandId::New : CommandId::Close);
            return;
        }
        SaveAndOpen(w, step);
    }

    /// Every card in one place, pictures where the board says, and the history from the deal
    /// gives the position on the table.
    void Check(frmMain& w) {
        GameState& state = State(w);
        if (!state.HasGame()) {
            return;
        }
        const cGame& game = state.Game();
        const std::string problem = BoardProblem(game);
        ASSERT_TRUE(problem.empty()) << problem;
        if (!state.GameStarted) {
            return;
        }
        for (int loc = 0; loc < BoardSize; ++loc) {
            const CardIndex card = game.GetCardIndex(loc);
            if (card == NoCard) {
                continue;
            }
            const auto l = static_cast<Location>(loc);
            ASSERT_EQ(w.Table().cardPosition(card), QPoint(cCards::Left(l), cCards::Top(l)))
                << "the picture of card " << card << " is not at its location " << loc;
            ASSERT_TRUE(w.Table().isCardVisible(card)) << "card " << card << " at " << loc;
        }
        const cTrans& trans = w.Session().Trans();
        GameSession replay;
        replay.StartGame(state.GameNumber);
        for (int i = 1; i <= trans.CurrentTrans(); ++i) {
            const TransRecord& r = trans.Record(i);
            replay.State().MutableGame().SetLocation(r.SrcLoc, r.DestLoc, MoveMode::History,
                                                     Motion::Instant());
        }
        ASSERT_EQ(replay.State().Game().Board(), game.Board())
            << "the history from the deal does not give the position on the table ("
            << trans.CurrentTrans() << " of " << trans.TotalTrans() << " records)";
    }
};

TEST_F(MonkeyTest, ALongRandomSessionKeepsEveryCardInOnePlace) {
    const std::uint64_t seed = EnvNumber("VELMORA_MONKEY_SEED", std::random_device{}());
    const auto steps = static_cast<int>(EnvNumber("VELMORA_MONKEY_STEPS", 3000));
    const auto budget = static_cast<qint64>(EnvNumber("VELMORA_MONKEY_SECONDS", 4)) * 1000;
    random.seed(seed);
    SCOPED_TRACE("VELMORA_MONKEY_SEED=" + std::to_string(seed));

    frmMain& w = Start();
    w.Menu().SetRandom([this] { return static_cast<double>(Pick(1000)) / 1000.0; });
    // The end-of-game dialog is answered at once, either way; any other window a command opens
    // is closed at once, so that the session never waits.
    dialogs.always = [this](QDialog& modal) {
        if (auto* dialog = qobject_cast<dlgFinish*>(&modal)) {
            Chance(50) ? dialog->accept() : dialog->reject();
            return;
        }
        Note(std::string("closed ") + modal.metaObject()->className());
        modal.close();
    };
    w.SetEmptyColumnAnswer([this](int) { return static_cast<EmptyColumnChoice>(Pick(3)); });
    w.Command(CommandId::New);

    // A budget, not a measurement: past the first steps a slow machine (or a sanitizer build)
    // runs fewer, and never fails for it.
    constexpr int AlwaysRun = 200;
    QElapsedTimer clockTime;
    clockTime.start();
    int step = 0;
    for (; step < steps && (step < AlwaysRun || clockTime.elapsed() < budget); ++step) {
        Step(w, step);
        Check(w);
        if (HasFatalFailure()) {
            std::ostringstream steps;
            for (const std::string& line : log) {
                steps << "\n  " << line;
            }
            ADD_FAILURE() << "at step " << step << ", after:" << steps.str();
            return;
        }
    }
    std::cout << "seed " << seed << ": " << step << " steps in " << clockTime.elapsed() << " ms\n";
}

} // namespace
