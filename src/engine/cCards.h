#pragma once

#include "engine/Types.h"

#include <cstdint>

namespace velmora {

class cGame;

/// Decodes locations and the cards lying on them; keeps the results of the last decoding.
class cCards {
public:
    explicit cCards(const cGame& game) : m_game(game) {}

    /// 1 = column slot, 2 = free cell (200..204), 3 = home cell.
    std::int16_t GetStatus(Location loc);
    std::int16_t GetCardType(Location loc);
    std::int16_t GetCardNumber(Location loc);
    std::int32_t GetCardColor(Location loc);
    std::int16_t GetPositionx(Location loc);
    std::int16_t GetPositiony(Location loc);
    std::int16_t GetCordinatex(Location loc);
    std::int16_t GetCordinatey(Location loc);
    /// Inverse of GetPositionx/GetPositiony: y = 200 gives 200 + x, otherwise y * 8 + x.
    static Location GetLocation(int x, int y);

    static int Left(Location loc);
    static int Top(Location loc);

private:
    void DecodeLocation(Location loc);
    void DecodeCard(Location loc);

    const cGame& m_game;
    std::int16_t m_x = 0;
    std::int16_t m_y = 0;
    std::int16_t m_left = 0;
    std::int16_t m_top = 0;
    std::int16_t m_location = 0;
    std::int16_t m_rank = 0;
    std::int16_t m_suit = 0;
    std::int32_t m_colour = 0;
};

} // namespace velmora
