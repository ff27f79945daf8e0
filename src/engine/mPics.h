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

/// A left press on the card lying at `loc`: a column card acts on its column, a free-cell card
/// is selected or deselected, a home card takes the selected card.
void PressCard(GameState& state, Location loc);
/// A press on a card lying on a home cell: the selected card goes there when it is next.
void ClickHomeCell(GameState& state, Location loc);
/// A click on the frame of the free cell `index` (0..3): the selected card goes there when the
/// cell is empty and a game is in play.
void ClickFreeCellFrame(GameState& state, int index);
/// The double-click on a column card, when double-clicks are allowed: the column's exposed card
/// goes to the first empty free cell.
void DoubleClickCard(GameState& state, Location loc);
/// A press on the table surface at (x, y) in twips. Over a column with cards it acts as a press
/// on that column; over an empty one it moves the selected card there, first asking whether its
/// run should go too when it ends one and the free space is at least two.
void PressTable(GameState& state, int x, int y);
/// Carries out the player's answer to the empty-column question for column `target`.
void ApplyEmptyColumnChoice(GameState& state, EmptyColumnChoice choice, int target);

} // namespace velmora::mPics
