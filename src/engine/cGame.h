#pragma once

#include "engine/Types.h"

#include <array>
#include <cstdint>

namespace velmora {

class GameState;

/// The board of one dealt game and the move primitive every board change goes through.
class cGame {
public:
    explicit cGame(GameState& state);

    /// Puts a card at a location while dealing (board and reverse map).
    void init(Location loc, CardIndex card);
    /// The card at `loc`, or NoCard; NoCard for indexes outside the board.
    CardIndex GetCardIndex(int loc) const;
    /// Where `card` lies (the reverse map).
    Location GetLocation(CardIndex card) const;
    /// Cards in the column of `loc`; 0 for the top row.
    std::int16_t GetTotalCards(Location loc) const;
    /// The exposed card's location in the column of `loc`; -1 for an empty column or the top row.
    Location GetBottomCardLocation(Location loc) const;

    /// Moves the card at `from` to `to`: records (unless a history step), animates, sounds
    /// (unless a single step), updates the reverse map, clears the selection and runs the
    /// automatic moves (unless a history step or a run is moving). Never checks rules.
    void SetLocation(Location from, Location to, MoveMode mode, Motion motion = Motion::Normal());

    /// Possible moves as counted for the warning and the status bar; 0 with no game started.
    std::int16_t GetPossibleMoves() const;
    /// The illegal-target message, when messages are on.
    void ShowMessages();

    const std::array<CardIndex, BoardSize>& Board() const { return m_board; }

private:
    GameState& m_state;
    std::array<CardIndex, BoardSize> m_board{};
    std::array<Location, CardCount> m_where{};
};

} // namespace velmora
