#include "engine/cCards.h"

#include "engine/cGame.h"

#include <cassert>

namespace velmora {

int cCards::Left(Location loc) {
    assert(loc >= 0 && loc < BoardSize && "a place on the board");
    if (IsCellRow(loc)) {
        int left = (loc - FirstFreeCell) * 1080 + 60;
        if (loc > GapCell) {
            left -= 260;
        }
        return left;
    }
    return (loc % 8) * ColumnPitch + 60;
}

int cCards::Top(Location loc) {
    assert(loc >= 0 && loc < BoardSize && "a place on the board");
    if (IsCellRow(loc)) {
        return 60;
    }
    return (loc / 8) * RowStep + ColumnTop;
}

std::int16_t cCards::GetStatus(Location loc) const {
    if (!IsCellRow(loc)) {
        return 1;
    }
    if (loc <= GapCell) {
        return 2;
    }
    return 3;
}

std::int16_t cCards::GetCardType(Location loc) const {
    return static_cast<std::int16_t>(SuitOf(m_game.GetCardIndex(loc)));
}

std::int16_t cCards::GetCardNumber(Location loc) const {
    return static_cast<std::int16_t>(RankOf(m_game.GetCardIndex(loc)));
}

std::int32_t cCards::GetCardColor(Location loc) const {
    const CardIndex card = m_game.GetCardIndex(loc);
    return card < 0 ? 0 : ColourOf(card);
}

std::int16_t cCards::GetPositionx(Location loc) const {
    if (IsCellRow(loc)) {
        return static_cast<std::int16_t>(loc - FirstFreeCell);
    }
    return static_cast<std::int16_t>(loc % 8);
}

std::int16_t cCards::GetPositiony(Location loc) const {
    if (IsCellRow(loc)) {
        return CellRow;
    }
    return static_cast<std::int16_t>(loc / 8);
}

std::int16_t cCards::GetCordinatex(Location loc) const {
    return static_cast<std::int16_t>(Left(loc));
}

std::int16_t cCards::GetCordinatey(Location loc) const {
    return static_cast<std::int16_t>(Top(loc));
}

Location cCards::GetLocation(int x, int y) {
    if (y == CellRow) {
        return FreeCell(x);
    }
    return static_cast<Location>(y * 8 + x);
}

} // namespace velmora
