#pragma once

#include "engine/Types.h"

#include <cstdint>
#include <string>

namespace velmora {
class GameState;
}

namespace velmora::mGame {

/// Selects the card at `loc` and attaches the selection frame to it.
void SelectLocation(GameState& state, Location loc);
void ClearSelection(GameState& state);

std::int16_t CountEmptyColumns(const GameState& state);
std::int16_t CountFreeSlots(const GameState& state);
/// How many cards a run move can carry besides its lowest one: each empty column holds a group
/// of (empty free cells + 1) cards, so (empty columns + 1) * (empty free cells + 1) - 1.
std::int16_t GetFreeSpace(const GameState& state);

/// A press on any card of a non-empty column: select, deselect or move onto that column.
void ClickColumn(GameState& state, Location loc);

/// Rank of the lower home pile of a colour (1 or 2); -1 when one is empty; 0 for other colours.
int LowestHomeRank(const GameState& state, int colour);

/// Deals game `gameNumber` on a new board and shows it. With `keepHistory` false the owner
/// starts a new move history (see IGameEvents::GameStarting).
void StartGame(GameState& state, std::int32_t gameNumber, bool keepHistory);

/// "Velmora 2003 - Game No. N".
std::string Caption(std::int32_t gameNumber);

} // namespace velmora::mGame
