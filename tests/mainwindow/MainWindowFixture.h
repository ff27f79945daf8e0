#pragma once

// A main window over a temporary home with fake ports, and helpers that play it by presses.

#include "support/FakeDialogRunner.h"
#include "support/Solver.h"
#include "support/TempHome.h"

#include "appearance/DataFolder.h"
#include "engine/GameState.h"
#include "engine/cCards.h"
#include "engine/cGame.h"
#include "engine/mCheck.h"
#include "history/GameSession.h"
#include "library/cSave.h"
#include "library/frmOpenGame.h"
#include "mainwindow/TableWidget.h"
#include "mainwindow/cMenu.h"
#include "mainwindow/frmMain.h"
#include "scores/cScore.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace velmora::test {

/// A won game: its number and the single-card moves that win it.
struct WonGame {
    std::int32_t number = 0;
    std::vector<SolverMove> moves;
};

/// The first game from 1 up that the solver wins; solved once per test run.
inline const WonGame& SolvedGame() {
    static const WonGame game = [] {
        for (std::int32_t number = 1; number <= 20; ++number) {
            if (auto moves = Solver().Solve(number)) {
                return WonGame{number, *moves};
            }
        }
        return WonGame{-1, {}};
    }();
    return game;
}

constexpr CardIndex CardOf(int suit, int rank) {
    return static_cast<CardIndex>((suit - 1) * 13 + rank - 1);
}

/// Columns of six cards whose exposed cards, like the free-cell cards, are all black, so no
/// card fits anywhere; with `emptyCell` the last free cell is left empty (one possible move).
inline std::pair<std::vector<std::vector<CardIndex>>, std::vector<CardIndex>>
BlockedBoard(bool emptyCell) {
    std::vector<CardIndex> exposed, cells;
    for (int rank = 2; rank <= 5; ++rank) {
        exposed.push_back(CardOf(1, rank));
        exposed.push_back(CardOf(3, rank));
    }
    for (int rank = 6; rank <= 7; ++rank) {
        cells.push_back(CardOf(1, rank));
        cells.push_back(CardOf(3, rank));
    }
    std::vector<CardIndex> rest;
    for (CardIndex c = 0; c < CardCount; ++c) {
        if (std::find(exposed.begin(), exposed.end(), c) == exposed.end() &&
            std::find(cells.begin(), cells.end(), c) == cells.end()) {
            rest.push_back(c);
        }
    }
    if (emptyCell) {
        rest.insert(rest.begin(), cells.back());
        cells.back() = NoCard;
    }
    std::vector<std::vector<CardIndex>> columns(8);
    std::size_t next = 0;
    for (int c = 0; c < 8; ++c) {
        const std::size_t buried = 5 + (emptyCell && c == 0 ? 1 : 0);
        for (std::size_t i = 0; i < buried; ++i) {
            columns[c].push_back(rest[next++]);
        }
        columns[c].push_back(exposed[static_cast<std::size_t>(c)]);
    }
    return {columns, cells};
}

class MainWindowTest : public TempHome {
protected:
    void TearDown() override {
        windows.clear();
        TempHome::TearDown();
    }

    /// A main window on the shared store, shown, drawing game 0 for New. An `animated` one
    /// slides its cards only when the test advances them.
    frmMain& Start(const QString& commandLine = {}, bool animated = false) {
        MainWindowContext context{*store, folders,     clock,    messages,
                                  files,  commandLine, animated, false};
        context.dialogRunner = &dialogs;
        windows.push_back(std::make_unique<frmMain>(context));
        frmMain& w = *windows.back();
        w.Menu().SetRandom([] { return 0.0; });
        if (animated) {
            w.Table().setAutoAdvance(false);
        }
        w.SetEmptyColumnAnswer([this](int column) {
            emptyColumnQuestions.push_back(column);
            return EmptyColumnChoice::Single;
        });
        if (!w.QuitRequested()) {
            w.show();
        }
        return w;
    }

    /// Close Game, answered Yes: the game in play is recorded as lost.
    void CloseGame(frmMain& w) {
        messages.answers = {true};
        w.Command(CommandId::Close);
    }

    /// The program's help page in the program folder (which tests otherwise leave empty).
    void ProvideHelpPage() {
        QFile::copy(DataFolder() + QStringLiteral("/help.html"),
                    folders.programFolder + QStringLiteral("/help.html"));
    }

    static QAction* Act(frmMain& w, const char* name) {
        return w.findChild<QAction*>(QString::fromLatin1(name));
    }
    static bool Enabled(frmMain& w, const char* name) {
        const QAction* action = Act(w, name);
        EXPECT_NE(action, nullptr) << name;
        return action && action->isEnabled();
    }
    static QLabel* Panel(frmMain& w, int i) {
        auto* bar = w.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
        return bar ? bar->findChild<QLabel*>(QStringLiteral("Panel") + QString::number(i))
                   : nullptr;
    }
    static QString PanelText(frmMain& w, int i) {
        const QLabel* panel = Panel(w, i);
        return panel ? panel->text() : QStringLiteral("<missing>");
    }
    static GameState& State(frmMain& w) { return w.Session().State(); }
    static CardIndex CardAt(frmMain& w, Location loc) { return State(w).Game().GetCardIndex(loc); }

    /// A left click at `pos` (widget pixels) on the table.
    static void Click(frmMain& w, QPointF pos) {
        QTest::mouseClick(&w.Table(), Qt::LeftButton, Qt::NoModifier, pos.toPoint());
    }
    /// A left click on the middle of the card lying at `loc`.
    static void ClickCard(frmMain& w, Location loc) {
        const CardIndex card = CardAt(w, loc);
        ASSERT_NE(card, NoCard) << "no card at " << loc;
        const QPointF centre = w.Table().cardRect(card).center();
        ASSERT_EQ(w.Table().cardAt(centre.toPoint()), card) << "card " << card << " is covered";
        Click(w, centre);
    }
    static void ClickFreeCell(frmMain& w, int index) {
        Click(w, w.Table().freeCellRect(index).center());
    }
    /// A click on the table over the top slot of `column` (an empty column).
    static void ClickEmptyColumn(frmMain& w, int column) {
        const auto loc = static_cast<Location>(column);
        Click(w, w.Table().toPixels(QPointF(cCards::Left(loc) + 500, cCards::Top(loc) + 700)));
    }
    /// The exposed card of `column` goes to free cell `index` by two presses.
    static void MoveToFreeCell(frmMain& w, int column, int index) {
        ClickCard(w, State(w).Game().GetBottomCardLocation(static_cast<Location>(column)));
        ClickFreeCell(w, index);
    }
    /// An exposed column card onto another column's exposed card by two presses: a counted
    /// move. False when the board offers none.
    static bool StackMove(frmMain& w) {
        GameState& state = State(w);
        for (int a = 0; a < 8; ++a) {
            for (int b = 0; b < 8; ++b) {
                const Location u = state.Game().GetBottomCardLocation(static_cast<Location>(a));
                const Location t = state.Game().GetBottomCardLocation(static_cast<Location>(b));
                if (a == b || u < 0 || t < 0 || !mCheck::CanStack(state, u, t)) {
                    continue;
                }
                ClickCard(w, u);
                ClickCard(w, t);
                return true;
            }
        }
        return false;
    }
    /// The mode the engine gives a solver move made by presses: clicks on a free-cell frame or
    /// a home card are not counted moves.
    static MoveMode PressMode(const SolverMove& m) {
        return m.to >= 200 ? MoveMode::Click : MoveMode::First;
    }
    /// One solver move played as presses: select the source, then name the target.
    static void PlayMove(frmMain& w, const SolverMove& m) {
        ClickCard(w, m.from);
        if (m.to >= 200 && m.to <= 203) {
            ClickFreeCell(w, m.to - 200);
        } else if (m.to >= 205) {
            ClickCard(w, m.to);
        } else if (m.to < 8) {
            ClickEmptyColumn(w, m.to);
        } else {
            ClickCard(w, static_cast<Location>(m.to - 8));
        }
    }

    /// Lays a hand-built board on the table of the game in play: columns top card first, then
    /// the free cells (NoCard leaves one empty); every card picture follows its location.
    static void Lay(frmMain& w, const std::vector<std::vector<CardIndex>>& columns,
                    const std::vector<CardIndex>& freeCells) {
        GameState& state = State(w);
        state.NewBoard();
        auto put = [&](Location loc, CardIndex card) {
            state.MutableGame().init(loc, card);
            w.Table().PlaceCard(card, cCards::Left(loc), cCards::Top(loc));
            w.Table().BringToFront(card);
            w.Table().ShowCard(card, true);
        };
        for (std::size_t c = 0; c < columns.size(); ++c) {
            for (std::size_t row = 0; row < columns[c].size(); ++row) {
                put(static_cast<Location>(row * 8 + c), columns[c][row]);
            }
        }
        for (std::size_t i = 0; i < freeCells.size(); ++i) {
            if (freeCells[i] != NoCard) {
                put(static_cast<Location>(200 + i), freeCells[i]);
            }
        }
    }

    /// The won game saved as a finished game at `path`.
    static void SaveWonGame(const QString& path) {
        const WonGame& won = SolvedGame();
        ASSERT_GE(won.number, 0) << "the solver won none of games 1..20";
        GameSession session;
        session.StartGame(won.number);
        for (const SolverMove& m : won.moves) {
            session.State().MutableGame().SetLocation(m.from, m.to, MoveMode::First,
                                                      Motion::Instant());
        }
        ASSERT_TRUE(session.Trans().SaveToFile(path.toStdString()).has_value());
    }

    /// Runs `command` and, once its modal dialog of type T is up, `act` on it; the dialog is
    /// closed afterwards if `act` left it open. False when no such dialog showed.
    template <typename T>
    bool WithDialog(frmMain& w, const char* command, const std::function<void(T&)>& act) {
        bool shown = false;
        dialogs.answers.push_back([&](QDialog& opened) {
            auto* dialog = qobject_cast<T*>(&opened);
            if (!dialog || !dialog->isVisible()) {
                return;
            }
            shown = true;
            act(*dialog);
        });
        w.Command(QString::fromLatin1(command));
        // An answer no dialog took ends with this call instead of answering a later one.
        dialogs.answers.clear();
        return shown;
    }
    /// The Open command by the open dialog's Browse button: the file dialog of the fixture's
    /// `files` answers.
    void OpenByBrowse(frmMain& w) {
        WithDialog<frmOpenGame>(w, "mnuOpen", [](frmOpenGame& dialog) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdBrowse")),
                              Qt::LeftButton);
        });
    }

    /// Runs the forward replay to its end, one tick at a time.
    static void FinishReplay(frmMain& w) {
        for (int i = 0; i < 20000 && w.ReplayRunning(); ++i) {
            w.ForwardTick();
        }
        ASSERT_FALSE(w.ReplayRunning());
    }

    QString ScoreFile(frmMain& w) { return w.Save().ScoreFile(); }
    std::vector<ScoreRecord> Scores(frmMain& w) {
        std::vector<ScoreRecord> records;
        for (const QString& line : QString::fromUtf8(ReadAll(ScoreFile(w))).split(u'\n')) {
            if (line.trimmed().isEmpty()) {
                continue;
            }
            auto record = cScore::ParseRecord(line.trimmed());
            EXPECT_TRUE(record.has_value()) << line.toStdString();
            if (record) {
                records.push_back(*record);
            }
        }
        return records;
    }
    QString Stored(const char* section, const char* key) {
        return Reopened().GetSetting(QString::fromLatin1(section), QString::fromLatin1(key));
    }

    FakeMessages messages;
    FakeFileDialogs files;
    /// Answers the window's modal dialogs; one without an answer is rejected.
    FakeDialogRunner dialogs;
    std::vector<int> emptyColumnQuestions;
    std::vector<std::unique_ptr<frmMain>> windows;
};

} // namespace velmora::test
