#include "engine/cCards.h"

#include "engine/cGame.h"

namespace velmora {

int cCards::Left(Location loc) {
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
    if (IsCellRow(loc)) {
        return 60;
    }
    return (loc / 8) * RowStep + ColumnTop;
}

void cCards::DecodeLocation(Location loc) {
    m_location = loc;
    if (IsCellRow(loc)) {
        m_x = static_cast<std::int16_t>(loc - FirstFreeCell);
        m_y = CellRow;
    } else {
        m_y = static_cast<std::int16_t>(loc / 8);
        m_x = static_cast<std::int16_t>(loc - m_y * 8);
    }
    m_left = static_cast<std::int16_t>(Left(loc));
    m_top = static_cast<std::int16_t>(Top(loc));
}

void cCards::DecodeCard(Location loc) {
    const CardIndex card = m_game.GetCardIndex(loc);
    if (card < 0) {
        m_suit = -1;
        m_rank = -1;
        return;
    }
    m_suit = static_cast<std::int16_t>(SuitOf(card));
    m_rank = static_cast<std::int16_t>(RankOf(card));
    m_colour = ColourOf(card);
}

std::int16_t cCards::GetStatus(Location loc) {
    if (!IsCellRow(loc)) {
        return 1;
    }
    if (loc <= GapCell) {
        return 2;
    }
    return 3;
}

std::int16_t cCards::GetCardType(Location loc) {
    DecodeCard(loc);
    return m_suit;
}

std::int16_t cCards::GetCardNumber(Location loc) {
    DecodeCard(loc);
    return m_rank;
}

std::int32_t cCards::GetCardColor(Location loc) {
    DecodeCard(loc);
    return m_colour;
}

std::int16_t cCards::GetPositionx(Location loc) {
    DecodeLocation(loc);
    return m_x;
}

std::int16_t cCards::GetPositiony(Location loc) {
    DecodeLocation(loc);
    return m_y;
}

std::int16_t cCards::GetCordinatex(Location loc) {
    DecodeLocation(loc);
    return m_left;
}

std::int16_t cCards::GetCordinatey(Location loc) {
    DecodeLocation(loc);
    return m_top;
}

Location cCards::GetLocation(int x, int y) {
    if (y == CellRow) {
        return FreeCell(x);
    }
    return static_cast<Location>(y * 8 + x);
}

} // namespace velmora
