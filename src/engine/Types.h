#pragma once

#include <cstdint>

namespace velmora {

/// Card index: (suit - 1) * 13 + (rank - 1) for 0..51; NoCard when empty.
using CardIndex = std::int16_t;
/// Board location: row * 8 + column for column slots, 200..203 free cells, 205..208 home cells.
using Location = std::int16_t;

inline constexpr CardIndex NoCard = -1;
inline constexpr Location NoLocation = -1;

inline constexpr int BoardSize = 213;
inline constexpr int CardCount = 52;
inline constexpr int ColumnCount = 8;
inline constexpr int MaxRows = 21;

inline constexpr Location FirstFreeCell = 200;
inline constexpr Location LastFreeCell = 203;
inline constexpr Location GapCell = 204;
inline constexpr Location FirstHomeCell = 205;
inline constexpr Location LastHomeCell = 208;

inline constexpr std::int32_t MaxGameNumber = 3240000;

/// Why a card moves; passed to cGame::SetLocation, stored in the move history by number.
enum class MoveMode : std::int32_t {
    Click = -1,  ///< a card put into an empty free cell or onto a home card by clicking
    First = 1,   ///< first (or only) step of a player move
    Follow = 2,  ///< further step of the same move, automatic home moves
    History = 3, ///< step driven by the move history: not recorded, no automatic moves
};

/// How the picture of a moving card travels.
struct Motion {
    /// Animation steps; 0 takes the player's card speed. A single step also moves silently.
    int steps = 0;
    /// False places the picture at once.
    bool animate = true;

    /// At the player's card speed, with the move sound.
    static constexpr Motion Normal() { return {}; }
    /// Placed at once and silent: positions set up without a player watching.
    static constexpr Motion Instant() { return {.steps = 1, .animate = false}; }
};

/// Table geometry in twips.
inline constexpr int TableWidth = 9600;
inline constexpr int CardWidth = 1065;
inline constexpr int CardHeight = 1440;
inline constexpr int ColumnTop = 1660;
inline constexpr int ColumnPitch = 1200;
inline constexpr int RowStep = 256;
/// Twips per logical pixel of the table widget; Qt's high-DPI scaling does the rest.
inline constexpr int TwipsPerPixel = 15;

/// The row number the cell row (free cells, gap, home cells) has in cCards' coordinates.
inline constexpr int CellRow = FirstFreeCell;

inline constexpr bool IsColumnSlot(int loc) {
    return loc >= 0 && loc < ColumnCount * MaxRows;
}
/// Below the cell row: a column slot or one of the unused numbers up to 199.
inline constexpr bool IsColumnArea(int loc) {
    return loc >= 0 && loc < FirstFreeCell;
}
/// In the cell row: a free cell, the gap or a home cell.
inline constexpr bool IsCellRow(int loc) {
    return loc >= FirstFreeCell;
}
/// Free cell 0..3.
inline constexpr Location FreeCell(int index) {
    return static_cast<Location>(FirstFreeCell + index);
}
/// The home cell of suit 1..4.
inline constexpr Location HomeCell(int suit) {
    return static_cast<Location>(GapCell + suit);
}
inline constexpr bool IsFreeCell(int loc) {
    return loc >= FirstFreeCell && loc <= LastFreeCell;
}
inline constexpr bool IsHomeCell(int loc) {
    return loc >= FirstHomeCell && loc <= LastHomeCell;
}
/// A location that can hold a card: a column slot, a free cell or a home cell.
inline constexpr bool IsCardLocation(int loc) {
    return IsColumnSlot(loc) || IsFreeCell(loc) || IsHomeCell(loc);
}

inline constexpr int SuitOf(CardIndex card) {
    return card < 0 ? -1 : card / 13 + 1;
}
inline constexpr int RankOf(CardIndex card) {
    return card < 0 ? -1 : card % 13 + 1;
}
inline constexpr int ColourOf(CardIndex card) {
    return (SuitOf(card) % 2 == 1) ? 1 : 2;
}

} // namespace velmora
