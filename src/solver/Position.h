#pragma once

#include "engine/Types.h"

#include <array>
#include <cstdint>
#include <optional>

namespace velmora::solver {

/// A card as the solver keeps it: 0..51 as CardIndex, Empty for none.
using Card = std::uint8_t;
inline constexpr Card Empty = 0xFF;

/// Longest column the solver accepts: 7 dealt cards and a run of twelve, with room to spare.
inline constexpr int MaxColumnLength = 24;
inline constexpr int CellCount = 4;
inline constexpr int SuitCount = 4;

inline constexpr int SuitIndex(Card c) {
    return c / 13;
}
inline constexpr int Rank(Card c) {
    return c % 13 + 1;
}
/// 0 for suits 1 and 3, 1 for suits 2 and 4.
inline constexpr int Colour(Card c) {
    return (c / 13) & 1;
}
/// `top` may lie on `under`: other colour, one rank lower.
inline constexpr bool Stacks(Card top, Card under) {
    return Colour(top) != Colour(under) && Rank(under) == Rank(top) + 1;
}

/// What a player action does, independent of where the columns and cells lie on the table.
enum class MoveKind : std::uint8_t {
    ToCell,        ///< the card into an empty free cell
    ToHome,        ///< the card onto its home pile (the pile is not empty)
    OntoCard,      ///< `count` cards onto the exposed card `target`
    ToEmpty,       ///< the card alone into an empty column
    ColumnToEmpty, ///< the run into an empty column by the "Move Column" answer (`count` cards)
};

struct Move {
    Card card = Empty; ///< the card pressed first: a column's exposed card or a free-cell card
    MoveKind kind = MoveKind::ToCell;
    Card target = Empty; ///< OntoCard: the exposed card of the target column
    /// Cards carried; more than one only for a run.
    std::uint8_t count = 1;
    /// Where the move starts and ends in the position it was generated for: column 0..7 or
    /// 8 + free cell; `to` is a column or a free cell index, unused for ToHome.
    std::uint8_t from = 0;
    std::uint8_t to = 0;
};

/// Upper bound of the moves one position offers.
inline constexpr int MaxMoves = 8 * 11 + CellCount * 10;

struct MoveList {
    std::array<Move, MaxMoves> moves;
    int size = 0;
    void Add(const Move& m) { moves[static_cast<std::size_t>(size++)] = m; }
};

/// A position in compact form: columns from row 0, free cells, and the top rank of each home
/// pile. Columns and cells keep their places on the table unless the position is canonical.
struct Position {
    std::array<std::array<Card, MaxColumnLength>, ColumnCount> columns{};
    std::array<std::uint8_t, ColumnCount> lengths{};
    std::array<Card, CellCount> cells{Empty, Empty, Empty, Empty};
    std::array<std::uint8_t, SuitCount> home{};

    /// The position on an engine board, or nothing when the board is not a position of this
    /// game (a card missing or twice, a gap in a column, a column too long).
    static std::optional<Position> FromBoard(const std::array<CardIndex, BoardSize>& board);

    Card Exposed(int column) const {
        const int n = lengths[static_cast<std::size_t>(column)];
        return n == 0 ? Empty
                      : columns[static_cast<std::size_t>(column)][static_cast<std::size_t>(n - 1)];
    }
    int EmptyColumns() const;
    int EmptyCells() const;
    /// Cards in the run that ends with the exposed card (0 for an empty column).
    int RunLength(int column) const;
    bool IsWon() const { return home[0] == 13 && home[1] == 13 && home[2] == 13 && home[3] == 13; }

    /// Every move a player can make, leaving out those that only rename columns or cells
    /// (a free-cell card to another cell, a whole column into an empty one).
    void GenerateMoves(MoveList& out) const;
    /// Makes a move generated for this position (or re-placed by Locate), then the
    /// automatic moves to the home cells.
    void Apply(const Move& m);
    /// Sends home every card the game sends home by itself, until none is left.
    void AutoMoveHome();
    /// `m` with `from` and `to` set for this position, found by its cards; false when the
    /// move is not legal here.
    bool Locate(Move& m) const;

    /// Same cards in the same places (what lies beyond a column's end does not count).
    bool operator==(const Position& other) const;
};

/// A canonical position in 64 bytes: the free cells sorted, the column lengths and then the
/// cards of the columns, columns ordered by their first card and empty ones last. Positions
/// that differ only in the order of cells or columns pack the same.
struct Packed {
    std::array<std::uint64_t, 8> words{};
    bool operator==(const Packed&) const = default;
    std::uint64_t Hash() const;
};

Packed Pack(const Position& p);
/// The canonical position: cells sorted, columns ordered by first card, empty ones last.
Position Unpack(const Packed& packed);

} // namespace velmora::solver
