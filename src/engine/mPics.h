#pragma once

#include "engine/Ports.h"
#include "engine/Types.h"

#include <optional>

namespace velmora {
class GameState;
}

namespace velmora::mPics {

/// Moves the card at `loc` to the first empty free cell and returns that cell; with all four
/// occupied nothing moves and the result is empty.
std::optional<Location> SendToFreeSlot(GameState& state, Location loc, MoveMode mode);
/// Moves to `to` as a first step, or with `to` = NoLocation to the lowest empty column other
/// than `excludedColumn` as a further step. Returns where the card went; empty when no column
/// was free (nothing moved).
std::optional<Location> MoveToTarget(GameState& state, Location from, Location to,
                                     int excludedColumn);
/// The lowest empty column other than `excludedColumn` receives the card with `mode`; empty
/// when there is none (nothing moved).
std::optional<Location> MoveToFirstEmptyColumn(GameState& state, Location from, int excludedColumn,
                                               MoveMode mode);

/// A left press on the card lying at `loc`, by the location's status.
void PressCard(GameState& state, Location loc);
/// A press on a card lying on a home cell: the selected card goes there when it is next.
void ClickHomeCell(GameState& state, Location loc);
/// A click on the frame of the free cell `index` (0..3): the selected card goes there when the
/// cell is empty and a game is in play.
void ClickFreeCellFrame(GameState& state, int index);
/// The double-click on a card: a column's exposed card goes to the first empty free cell.
void DoubleClickCard(GameState& state, Location loc);
/// A press on the table surface at (x, y) in twips.
void PressTable(GameState& state, int x, int y);
/// Carries out the player's answer to the empty-column question for column `target`.
void ApplyEmptyColumnChoice(GameState& state, EmptyColumnChoice choice, int target);

} // namespace velmora::mPics
