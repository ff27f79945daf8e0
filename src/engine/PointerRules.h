#pragma once

#include "engine/SoundEvents.h"
#include "engine/Types.h"

#include <optional>

namespace velmora {
class GameState;
}

/// What the pointer shows and warns about before the engine handles a press. The table's owner
/// draws the result; these functions decide it.
namespace velmora::PointerRules {

/// The warning flash of the title and the sound a press announces itself with.
struct PressWarning {
    int interval = 0; ///< milliseconds per flash tick
    int ticks = 0;    ///< ticks before the title returns to normal
    SoundEvent sound = SoundZeroPossibleMove;

    friend bool operator==(const PressWarning&, const PressWarning&) = default;
};

/// The warning for `possibleMoves` left: a long fast flash for none, a short slow one for one,
/// nothing for more.
std::optional<PressWarning> WarningForPossibleMoves(int possibleMoves);

/// The warning a press on a card gives before it is handled: only with flashing on, a game
/// started and nothing selected, and then by the possible moves left.
std::optional<PressWarning> WarningForPress(const GameState& state, bool flashEnabled);

/// Whether the flash stops after tick number `count` of a flash of `ticks` ticks: the title is
/// inverted once more than the ticks asked for.
constexpr bool FlashEnds(int count, int ticks) {
    return count > ticks;
}

/// Whether the pointer over the column card at `loc` shows the target: the selected card, or
/// the run it ends, fits onto that column's exposed card and the free space carries the run.
bool IsTarget(const GameState& state, Location loc);

} // namespace velmora::PointerRules
