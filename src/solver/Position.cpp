#include "solver/Position.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace velmora::solver {

namespace {

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

/// The rule of the automatic moves: the card is next on its pile and is an ace, a two, or a
/// card whose rank less one both piles of the other colour have reached.
bool GoesHomeByItself(const std::array<std::uint8_t, SuitCount>& home, Card c) {
    const int suit = SuitIndex(c);
    const int rank = Rank(c);
    if (home[Index(suit)] != rank - 1) {
        return false;
    }
    if (rank <= 2) {
        return true;
    }
    // The other colour's suits are suit ^ 1 and suit ^ 3 (indexes 0, 2 and 1, 3).
    const int lowest = std::min(home[Index(suit ^ 1)], home[Index(suit ^ 3)]);
    return rank <= lowest + 1;
}

} // namespace

std::optional<Position> Position::FromBoard(const std::array<CardIndex, BoardSize>& board) {
    Position p;
    std::array<bool, CardCount> seen{};
    auto take = [&seen](CardIndex card) {
        if (card < 0 || card >= CardCount || seen[Index(card)]) {
            return false;
        }
        seen[Index(card)] = true;
        return true;
    };
    for (int c = 0; c < ColumnCount; ++c) {
        int n = 0;
        for (int row = 0; row < MaxRows; ++row) {
            const CardIndex card = board[Index(row * 8 + c)];
            if (card == NoCard) {
                continue;
            }
            if (row != n || n >= MaxColumnLength || !take(card)) {
                return std::nullopt;
            }
            p.columns[Index(c)][Index(n++)] = static_cast<Card>(card);
        }
        p.lengths[Index(c)] = static_cast<std::uint8_t>(n);
    }
    for (int i = 0; i < CellCount; ++i) {
        const CardIndex card = board[Index(FirstFreeCell + i)];
        if (card != NoCard) {
            if (!take(card)) {
                return std::nullopt;
            }
            p.cells[Index(i)] = static_cast<Card>(card);
        }
    }
    for (int s = 0; s < SuitCount; ++s) {
        const CardIndex top = board[Index(FirstHomeCell + s)];
        if (top == NoCard) {
            continue;
        }
        if (top < 0 || top >= CardCount || SuitIndex(static_cast<Card>(top)) != s) {
            return std::nullopt;
        }
        p.home[Index(s)] = static_cast<std::uint8_t>(Rank(static_cast<Card>(top)));
        for (int card = s * 13; card <= top; ++card) {
            if (!take(static_cast<CardIndex>(card))) {
                return std::nullopt;
            }
        }
    }
    for (int loc = 0; loc < BoardSize; ++loc) {
        if (!IsCardLocation(loc) && board[Index(loc)] != NoCard) {
            return std::nullopt;
        }
    }
    if (!std::all_of(seen.begin(), seen.end(), [](bool b) { return b; })) {
        return std::nullopt;
    }
    return p;
}

bool Position::operator==(const Position& other) const {
    if (lengths != other.lengths || cells != other.cells || home != other.home) {
        return false;
    }
    for (int c = 0; c < ColumnCount; ++c) {
        if (!std::equal(columns[Index(c)].begin(), columns[Index(c)].begin() + lengths[Index(c)],
                        other.columns[Index(c)].begin())) {
            return false;
        }
    }
    return true;
}

int Position::EmptyColumns() const {
    return static_cast<int>(std::count(lengths.begin(), lengths.end(), 0));
}

int Position::EmptyCells() const {
    return static_cast<int>(std::count(cells.begin(), cells.end(), Empty));
}

int Position::RunLength(int column) const {
    const auto& col = columns[Index(column)];
    const int n = lengths[Index(column)];
    if (n == 0) {
        return 0;
    }
    int k = 1;
    while (k < n && Stacks(col[Index(n - k)], col[Index(n - k - 1)])) {
        ++k;
    }
    return k;
}

void Position::GenerateMoves(MoveList& out) const {
    out.size = 0;
    int firstEmptyColumn = -1;
    for (int c = ColumnCount - 1; c >= 0; --c) {
        if (lengths[Index(c)] == 0) {
            firstEmptyColumn = c;
        }
    }
    int firstEmptyCell = -1;
    for (int i = CellCount - 1; i >= 0; --i) {
        if (cells[Index(i)] == Empty) {
            firstEmptyCell = i;
        }
    }
    const int e = EmptyColumns();
    const int f = EmptyCells();
    const int freeSpace = (e + 1) * (f + 1) - 1;
    auto toHome = [this](Card c) {
        return Rank(c) >= 2 && home[Index(SuitIndex(c))] == Rank(c) - 1;
    };
    // The column whose exposed card each card is, or -1.
    std::array<std::int8_t, CardCount> exposedIn;
    exposedIn.fill(-1);
    for (int d = 0; d < ColumnCount; ++d) {
        if (lengths[Index(d)] != 0) {
            exposedIn[Exposed(d)] = static_cast<std::int8_t>(d);
        }
    }
    // `count` cards from the pressed card `x` up to `y` onto an exposed card of the other
    // colour, one higher.
    auto onto = [&](Card x, Card y, int count, std::uint8_t from) {
        if (Rank(y) == 13) {
            return;
        }
        const int suit = SuitIndex(y);
        for (const int other : {suit ^ 1, suit ^ 3}) {
            const auto t = static_cast<Card>(other * 13 + Rank(y));
            const int d = exposedIn[t];
            if (d >= 0) {
                out.Add({x, MoveKind::OntoCard, t, static_cast<std::uint8_t>(count), from,
                         static_cast<std::uint8_t>(d)});
            }
        }
    };

    for (int c = 0; c < ColumnCount; ++c) {
        const int n = lengths[Index(c)];
        if (n == 0) {
            continue;
        }
        const auto& col = columns[Index(c)];
        const Card x = col[Index(n - 1)];
        const auto from = static_cast<std::uint8_t>(c);
        if (toHome(x)) {
            out.Add({x, MoveKind::ToHome, Empty, 1, from, 0});
        }
        if (firstEmptyCell >= 0) {
            out.Add(
                {x, MoveKind::ToCell, Empty, 1, from, static_cast<std::uint8_t>(firstEmptyCell)});
        }
        const int run = RunLength(c);
        for (int k = 1; k <= run && k <= freeSpace + 1; ++k) {
            onto(x, col[Index(n - k)], k, from);
        }
        if (firstEmptyColumn < 0) {
            continue;
        }
        const auto to = static_cast<std::uint8_t>(firstEmptyColumn);
        if (n > 1) {
            out.Add({x, MoveKind::ToEmpty, Empty, 1, from, to});
        }
        if (run >= 2 && freeSpace >= 2) {
            const int count = std::min(run, e * (f + 1));
            if (count < n) {
                out.Add({x, MoveKind::ColumnToEmpty, Empty, static_cast<std::uint8_t>(count), from,
                         to});
            }
        }
    }

    for (int i = 0; i < CellCount; ++i) {
        const Card x = cells[Index(i)];
        if (x == Empty) {
            continue;
        }
        const auto from = static_cast<std::uint8_t>(ColumnCount + i);
        if (toHome(x)) {
            out.Add({x, MoveKind::ToHome, Empty, 1, from, 0});
        }
        onto(x, x, 1, from);
        if (firstEmptyColumn >= 0) {
            out.Add({x, MoveKind::ToEmpty, Empty, 1, from,
                     static_cast<std::uint8_t>(firstEmptyColumn)});
        }
    }
}

void Position::Apply(const Move& m) {
    std::array<Card, MaxColumnLength> moving{};
    const int count = m.count;
    if (m.from < ColumnCount) {
        auto& col = columns[m.from];
        auto& n = lengths[m.from];
        for (int i = 0; i < count; ++i) {
            moving[Index(i)] = col[Index(n - count + i)];
        }
        n = static_cast<std::uint8_t>(n - count);
    } else {
        moving[0] = cells[Index(m.from - ColumnCount)];
        cells[Index(m.from - ColumnCount)] = Empty;
    }
    switch (m.kind) {
    case MoveKind::ToCell:
        cells[m.to] = moving[0];
        break;
    case MoveKind::ToHome:
        ++home[Index(SuitIndex(moving[0]))];
        break;
    case MoveKind::OntoCard:
    case MoveKind::ToEmpty:
    case MoveKind::ColumnToEmpty: {
        auto& col = columns[m.to];
        auto& n = lengths[m.to];
        for (int i = 0; i < count; ++i) {
            col[Index(n + i)] = moving[Index(i)];
        }
        n = static_cast<std::uint8_t>(n + count);
        break;
    }
    }
    AutoMoveHome();
}

void Position::AutoMoveHome() {
    // The cards that may go home now, one bit per card; a move home can free the next ones.
    auto goingHome = [this]() {
        std::uint64_t mask = 0;
        for (int s = 0; s < SuitCount; ++s) {
            const int next = home[Index(s)];
            if (next < 13 && GoesHomeByItself(home, static_cast<Card>(s * 13 + next))) {
                mask |= std::uint64_t{1} << (s * 13 + next);
            }
        }
        return mask;
    };
    for (std::uint64_t mask = goingHome(); mask != 0;) {
        bool moved = false;
        for (int c = 0; c < ColumnCount; ++c) {
            const int n = lengths[Index(c)];
            if (n > 0 && (mask >> columns[Index(c)][Index(n - 1)] & 1) != 0) {
                ++home[Index(SuitIndex(columns[Index(c)][Index(n - 1)]))];
                --lengths[Index(c)];
                moved = true;
            }
        }
        for (Card& cell : cells) {
            if (cell != Empty && (mask >> cell & 1) != 0) {
                ++home[Index(SuitIndex(cell))];
                cell = Empty;
                moved = true;
            }
        }
        mask = moved ? goingHome() : 0;
    }
}

bool Position::Locate(Move& m) const {
    // The moves generated here decide legality and the places; a move is known by its cards.
    MoveList list;
    GenerateMoves(list);
    for (int i = 0; i < list.size; ++i) {
        const Move& g = list.moves[Index(i)];
        if (g.card == m.card && g.kind == m.kind && g.target == m.target && g.count == m.count) {
            m = g;
            return true;
        }
    }
    return false;
}

std::uint64_t Packed::Hash() const {
    std::uint64_t h = 0x9E3779B97F4A7C15ULL;
    for (const std::uint64_t w : words) {
        h = (h ^ w) * 0xBF58476D1CE4E5B9ULL;
        h ^= h >> 31;
    }
    return h;
}

Packed Pack(const Position& p) {
    Packed packed;
    auto* bytes = reinterpret_cast<unsigned char*>(packed.words.data());
    std::array<Card, CellCount> cells = p.cells;
    // Four values: a sorting network.
    auto order2 = [&cells](std::size_t a, std::size_t b) {
        if (cells[a] > cells[b]) {
            std::swap(cells[a], cells[b]);
        }
    };
    order2(0, 1);
    order2(2, 3);
    order2(0, 2);
    order2(1, 3);
    order2(1, 2);
    std::memcpy(bytes, cells.data(), CellCount);
    std::array<std::uint8_t, ColumnCount> order{};
    std::array<Card, ColumnCount> key{};
    for (int i = 0; i < ColumnCount; ++i) {
        const Card k = p.lengths[Index(i)] == 0 ? Empty : p.columns[Index(i)][0];
        int j = i;
        while (j > 0 && key[Index(j - 1)] > k) {
            key[Index(j)] = key[Index(j - 1)];
            order[Index(j)] = order[Index(j - 1)];
            --j;
        }
        key[Index(j)] = k;
        order[Index(j)] = static_cast<std::uint8_t>(i);
    }
    std::size_t at = CellCount + ColumnCount;
    for (int i = 0; i < ColumnCount; ++i) {
        const std::uint8_t c = order[Index(i)];
        const std::uint8_t n = p.lengths[c];
        bytes[CellCount + i] = n;
        std::memcpy(bytes + at, p.columns[c].data(), n);
        at += n;
    }
    return packed;
}

Position Unpack(const Packed& packed) {
    Position p;
    const auto* bytes = reinterpret_cast<const unsigned char*>(packed.words.data());
    std::memcpy(p.cells.data(), bytes, CellCount);
    std::array<int, SuitCount> onTable{};
    for (const Card cell : p.cells) {
        if (cell != Empty) {
            ++onTable[Index(SuitIndex(cell))];
        }
    }
    std::size_t at = CellCount + ColumnCount;
    for (int c = 0; c < ColumnCount; ++c) {
        const std::uint8_t n = bytes[CellCount + c];
        p.lengths[Index(c)] = n;
        std::memcpy(p.columns[Index(c)].data(), bytes + at, n);
        for (std::size_t i = 0; i < n; ++i) {
            ++onTable[Index(SuitIndex(bytes[at + i]))];
        }
        at += n;
    }
    // Home piles hold the lowest ranks of each suit: whatever is not on the table.
    for (int s = 0; s < SuitCount; ++s) {
        p.home[Index(s)] = static_cast<std::uint8_t>(13 - onTable[Index(s)]);
    }
    return p;
}

} // namespace velmora::solver
