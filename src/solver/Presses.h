#pragma once

#include "engine/GameState.h"
#include "engine/Ports.h"
#include "engine/Types.h"
#include "solver/Position.h"
#include "solver/Solver.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velmora::solver {

/// One action of the press alphabet: presses left to right ("C2", "AE") and the answer to
/// the empty-column question that the last press may open ("AE/column").
struct PressAction {
    std::string presses;
    std::optional<EmptyColumnChoice> answer;

    /// Nothing when `text` is not an action of the alphabet.
    static std::optional<PressAction> Parse(const std::string& text);
    std::string Text() const;
    bool operator==(const PressAction&) const = default;
};

/// A..H (columns), 1..4 (free cells), 5..8 (home cells).
bool IsPressChar(char c);

/// One press as the table takes it: a column's exposed card or the table over an empty
/// column, a free-cell card or the empty cell's frame, a home card (nothing when empty).
void Press(GameState& state, char c);

/// Answers the empty-column question from the action being played and notes the win.
class PressPlayer : public IPlayerDialogs, public IGameEvents {
public:
    void ShowMessage(const std::string&) override {}
    EmptyColumnChoice AskEmptyColumn(int) override;
    void GameStarting(std::int32_t, bool) override {}
    void SetCaption(const std::string&) override {}
    void StatusChanged() override {}
    void GameWon() override { m_won = true; }

    /// The answer available to the next press (only the last press of an action has one).
    void Offer(std::optional<EmptyColumnChoice> answer);
    bool Asked() const { return m_asked; }
    bool Unanswered() const { return m_unanswered; }
    bool Won() const { return m_won; }

private:
    std::optional<EmptyColumnChoice> m_answer;
    bool m_asked = false;
    bool m_unanswered = false;
    bool m_won = false;
};

/// Plays one action on the game whose dialogs and events ports are `player`. Returns why the
/// action cannot be played as written (a question left unanswered, an answer never asked
/// for); presses made before that stay made. Stops early once the game is won.
std::optional<std::string> PlayAction(GameState& state, PressPlayer& player,
                                      const PressAction& action);

/// A game of its own on a copy of a board, played by actions through the engine.
class PressTable {
public:
    explicit PressTable(const std::array<CardIndex, BoardSize>& board);
    PressTable(const PressTable&) = delete;
    PressTable& operator=(const PressTable&) = delete;

    /// As PlayAction.
    std::optional<std::string> Play(const PressAction& action) {
        return PlayAction(m_state, m_player, action);
    }
    bool Won() const { return m_player.Won(); }
    const std::array<CardIndex, BoardSize>& Board() const;

private:
    PressPlayer m_player;
    GameState m_state;
};

/// The actions that play `moves` from `start`, a position as it lies on the table; nothing
/// when a move is not legal where it comes.
std::optional<std::vector<PressAction>> ToActions(const Position& start,
                                                  const std::vector<Move>& moves);

/// The actions as one line, separated by spaces.
std::string ActionLine(const std::vector<PressAction>& actions);

/// Puts every card of `board` on a new board of `state` and marks the game started.
void LoadBoard(GameState& state, const std::array<CardIndex, BoardSize>& board);

/// Whether playing `actions` through the engine from `board` wins the game exactly with the
/// last action.
bool Wins(const std::array<CardIndex, BoardSize>& board, const std::vector<PressAction>& actions);

/// A verdict on a position, with the winning line as actions.
struct Decision {
    Verdict verdict = Verdict::Unknown;
    std::vector<PressAction> actions;
    /// The line found does not win when played through the engine: a fault of the solver,
    /// never to be shown as a solution.
    bool rejected = false;
    /// Wall time of the search alone.
    double searchMilliseconds = 0;
};

/// Solves the position on `board`, then plays the line found through the engine before it
/// is believed. A board that is no position of the game is rejected.
Decision Decide(const std::array<CardIndex, BoardSize>& board, const Limits& limits,
                std::stop_token stop = {});

} // namespace velmora::solver
