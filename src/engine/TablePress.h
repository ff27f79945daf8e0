#pragma once

#include "engine/Types.h"

namespace velmora {

class GameState;
class cGame;

/// One press on the table as the pointer makes it: what a key of the press alphabet stands for.
struct TablePress {
    enum class Kind {
        None,           ///< nothing to press (an empty home cell, a key outside the alphabet)
        Card,           ///< a left press on the card picture `card`
        DoubleClick,    ///< the double-click on the card picture `card`
        FreeCellFrame,  ///< a click on the frame of empty free cell `index` (0..3)
        Table,          ///< a press on the table surface at (`x`, `y`) twips
        ClearSelection, ///< drop the selection
    };
    Kind kind = Kind::None;
    CardIndex card = NoCard;
    int index = -1;
    int x = 0;
    int y = 0;

    friend bool operator==(const TablePress&, const TablePress&) = default;
};

/// The key that drops the selection.
inline constexpr char EscapeKey = '\x1b';

/// The press `key` stands for on `game`: 'A'..'H' press column A..H (its exposed card, or the
/// table over it when it is empty; with `shift` the double-click on that card, nothing when
/// empty); '1'..'4' free cell 1..4 (its card, or the empty cell's frame); '5'..'8' home cell
/// 5..8 (its card; nothing when empty); EscapeKey clears the selection.
TablePress PressForKey(const cGame& game, char key, bool shift);

/// Carries out `press` straight through the engine, as a player without a window makes it (no
/// warning flash; the table's owner adds that for the pointer and the keys).
void ApplyPress(GameState& state, const TablePress& press);

} // namespace velmora
