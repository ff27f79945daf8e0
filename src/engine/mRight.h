#pragma once

#include "engine/Types.h"

namespace velmora {
class GameState;
}

namespace velmora::mRight {

/// Sends home every exposed card and free-cell card that the table no longer needs, then runs
/// the won test. Each card sent home runs a nested pass (through SetLocation), so a card freed
/// by it follows at once.
void AutoMoveToHome(GameState& state);
/// Sends the card at `loc` home when nothing could still need it on the table.
void TryMoveHome(GameState& state, Location loc);
/// Notifies the owner once when all four kings are home, unless a finished game is on view.
void CheckWon(GameState& state);

} // namespace velmora::mRight
