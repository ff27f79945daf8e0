#pragma once

#include "engine/Types.h"

namespace velmora {
class GameState;
}

namespace velmora::mRight {

/// Sends home every card that can no longer be useful, pass after nested pass, then runs the
/// won test.
void AutoMoveToHome(GameState& state);
/// Sends the card at `loc` home when the safety rule allows it.
void TryMoveHome(GameState& state, Location loc);
/// Notifies the owner once when all four kings are home and the game is not on view.
void CheckWon(GameState& state);

} // namespace velmora::mRight
