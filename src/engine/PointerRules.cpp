#include "engine/PointerRules.h"

#include "engine/GameState.h"
#include "engine/cGame.h"
#include "engine/mCheck.h"
#include "engine/mGame.h"

namespace velmora::PointerRules {

std::optional<PressWarning> WarningForPossibleMoves(int possibleMoves) {
    if (possibleMoves == 0) {
        return PressWarning{.interval = 100, .ticks = 7, .sound = SoundZeroPossibleMove};
    }
    if (possibleMoves == 1) {
        return PressWarning{.interval = 300, .ticks = 2, .sound = SoundOnePossibleMove};
    }
    return std::nullopt;
}

std::optional<PressWarning> WarningForPress(const GameState& state, bool flashEnabled) {
    // With a card selected the press names a target; counting moves then would only distract.
    if (!flashEnabled || !state.GameStarted || state.SelectedLocation != NoLocation) {
        return std::nullopt;
    }
    return WarningForPossibleMoves(state.Game().GetPossibleMoves());
}

bool IsTarget(const GameState& state, Location loc) {
    if (!IsColumnArea(loc) || !state.GameStarted || state.SelectedLocation == NoLocation) {
        return false;
    }
    const int count = mCheck::CountMovable(state, state.SelectedLocation, loc);
    return count >= 1 && mGame::GetFreeSpace(state) >= count - 1;
}

} // namespace velmora::PointerRules
