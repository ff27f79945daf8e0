#pragma once

#include "engine/Types.h"

#include <string>

namespace velmora {

class GameState;
class cTrans;

/// A card in words: "Seven of Hearts", "Ace of Clubs"; empty for no card.
std::string CardName(CardIndex card);
/// A place by the key that presses it: "column C", "free cell 1", "home cell 5"; empty for a
/// location that holds no card.
std::string PlaceName(Location loc);
/// The table for a screen reader: the selected card and where it lies, then the last card
/// movement of the history, as in "Seven of Hearts selected, column C. Last move: Six of Clubs
/// from column A to free cell 1".
std::string DescribeTable(const GameState& state, const cTrans& trans);

} // namespace velmora
