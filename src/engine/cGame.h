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
    /// Cards in the column of `loc` (any slot of it); 0 for the cell row.
    std::int16_t GetTotalCards(Location loc) const;
    /// The exposed card's location in the column of `loc`; NoLocation for an empty column or
    /// the cell row.
    Location GetBottomCardLocation(Location loc) const;

    /// Moves the card at `from` to `to` without checking any rule. Records the movement (not
    /// for a history step), slides or places the picture as `motion` says, plays the move
    /// sound (not for a single step), clears the selection and runs the automatic moves (not
    /// for a history step, nor while a run is carried). A card leaving a home cell uncovers the
    /// one below it.
    void SetLocation(Location from, Location to, MoveMode mode, Motion motion = Motion::Normal());

    /// The count the press warning and the status bar use: one per empty free cell and empty
    /// column, one per column whose exposed card takes a free-cell card (or else another
    /// column's exposed card that does not already lie on a fitting card), and one per exposed
    /// card that can go home. 0 with no game started.
    std::int16_t GetPossibleMoves() const;
    /// Shows the illegal-target message and drops the selection, when messages are on.
    void ShowMessages();

    const std::array<CardIndex, BoardSize>& Board() const { return m_board; }

private:
    GameState& m_state;
    std::array<CardIndex, BoardSize> m_board{};
    std::array<Location, CardCount> m_where{};
};

} // namespace velmora
