#pragma once

#include "engine/Types.h"

#include <cstdint>

namespace velmora {

class cGame;

/// Decodes locations and the cards lying on them; reads the board, changes nothing.
class cCards {
public:
    explicit cCards(const cGame& game) : m_game(game) {}

    /// 1 = column slot, 2 = free cell (200..204), 3 = home cell.
    std::int16_t GetStatus(Location loc) const;
    /// Suit 1..4 of the card at `loc`; -1 when empty.
    std::int16_t GetCardType(Location loc) const;
    /// Rank 1..13 of the card at `loc`; -1 when empty.
    std::int16_t GetCardNumber(Location loc) const;
    /// Colour 1 (clubs, spades) or 2 of the card at `loc`; 0 when empty.
    std::int32_t GetCardColor(Location loc) const;
    /// Column 0..7, or 0..8 across the cell row.
    std::int16_t GetPositionx(Location loc) const;
    /// Row in the column, or 200 for the cell row.
    std::int16_t GetPositiony(Location loc) const;
    /// Left edge in twips.
    std::int16_t GetCordinatex(Location loc) const;
    /// Top edge in twips.
    std::int16_t GetCordinatey(Location loc) const;
    /// Inverse of GetPositionx/GetPositiony: y = 200 gives 200 + x, otherwise y * 8 + x.
    static Location GetLocation(int x, int y);

    static int Left(Location loc);
    static int Top(Location loc);

private:
    const cGame& m_game;
};

} // namespace velmora
