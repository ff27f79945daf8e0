#pragma once

#include "engine/Types.h"

#include <cstdint>

namespace velmora {
class GameState;
}

namespace velmora::mCheck {

/// The card at `a` may lie on the card at `b`: other colour, one rank lower.
bool CanStack(const GameState& state, int a, int b);
/// Moves the selected card onto the exposed card `b`; false when it does not fit.
bool MoveOntoCard(GameState& state, Location b);
/// Cards from the selected exposed card upwards that make the move onto the column of `loc`;
/// -1 when no run of the column fits.
int CountMovable(const GameState& state, Location selected, Location loc);
/// A run move with the free-space check and its message.
void MoveSequence(GameState& state, Location selected, Location target, std::int16_t count);
/// Carries a run of `count` cards (1..13) onto the slot below `target`, one card at a time:
/// groups of free cells + 1 cards are parked in empty columns other than `excludedColumn`, the
/// rest goes onto the target through the free cells, then the parked groups follow it.
void ExecuteSequenceMove(GameState& state, Location selected, Location target, int count,
                         int excludedColumn);
/// Cards above `loc` that continue its run; -1 when none.
int SequenceLength(const GameState& state, Location loc);

} // namespace velmora::mCheck
