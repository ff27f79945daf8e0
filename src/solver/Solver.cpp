#include "solver/Solver.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace velmora::solver {

namespace {

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

/// What the estimates look at in a position.
struct Features {
    int notHome = 0;     ///< cards not yet home
    int usedCells = 0;   ///< occupied free cells
    int usedColumns = 0; ///< columns that are not empty
    int nextDepth = 0;   ///< cards lying on the next card of each suit
    int disorder = 0;    ///< cards lying on a lower card in their column
    int unlinked = 0;    ///< cards that do not continue the run of the card under them
    int mobility = 0;    ///< the longest run that can move onto a card
};

Features Measure(const Position& p) {
    Features f;
    f.notHome = 52 - (p.home[0] + p.home[1] + p.home[2] + p.home[3]);
    f.usedCells = CellCount - p.EmptyCells();
    f.usedColumns = ColumnCount - p.EmptyColumns();
    std::array<std::uint8_t, CardCount> above{};
    for (int c = 0; c < ColumnCount; ++c) {
        const auto& col = p.columns[Index(c)];
        const int n = p.lengths[Index(c)];
        int lowest = 14;
        for (int i = 0; i < n; ++i) {
            const Card x = col[Index(i)];
            above[x] = static_cast<std::uint8_t>(n - 1 - i);
            if (Rank(x) > lowest) {
                ++f.disorder;
            }
            lowest = std::min(lowest, Rank(x));
            if (i > 0 && !Stacks(x, col[Index(i - 1)])) {
                ++f.unlinked;
            }
        }
    }
    for (const Card x : p.cells) {
        if (x != Empty) {
            above[x] = 0;
        }
    }
    for (int s = 0; s < SuitCount; ++s) {
        if (p.home[Index(s)] < 13) {
            f.nextDepth += above[Index(s * 13 + p.home[Index(s)])];
        }
    }
    f.mobility = (ColumnCount - f.usedColumns + 1) * (CellCount - f.usedCells + 1);
    return f;
}

struct Weights {
    int notHome, usedCells, usedColumns, nextDepth, disorder, unlinked, depth, mobility;
};

// Estimates that take turns; each solves quickly some deals on which another wanders. All
// weigh a move (depth) against the cards still out, the free cells and columns in use and
// the cards lying on lower ones.
constexpr std::array<Weights, 3> Estimates{{
    {6, 6, 3, 2, 1, 2, 1, 0},
    {6, 6, 2, 2, 3, 0, 1, 0},
    {6, 6, 2, 2, 1, 2, 1, 1},
}};

/// Lower is expanded sooner. Mobility counts against the rest; the offset keeps it positive.
std::uint32_t Priority(const Weights& w, const Features& f, int depth) {
    const int v = w.notHome * f.notHome + w.usedCells * f.usedCells +
                  w.usedColumns * f.usedColumns + w.nextDepth * f.nextDepth +
                  w.disorder * f.disorder + w.unlinked * f.unlinked + w.depth * depth -
                  w.mobility * f.mobility + 1000;
    return static_cast<std::uint32_t>(std::max(v, 0));
}

struct Node {
    Packed packed;
    /// The shortest line known to the position: the node before it, the move from there and
    /// its length (0xFFFF until a line is known).
    std::uint32_t parent = 0;
    Move move;
    std::uint16_t depth = 0;
    /// One bit per estimate that has queued the position.
    std::uint8_t reached = 0;
    /// One bit per estimate that has expanded it.
    std::uint8_t expanded = 0;
};

/// Positions in fixed blocks, so growing never copies or doubles the store.
class NodeStore {
public:
    static constexpr std::size_t BlockSize = std::size_t{1} << 12;
    static constexpr std::size_t BlockBytes = BlockSize * sizeof(Node);

    std::uint32_t Size() const { return m_size; }
    bool Full() const { return m_size == m_blocks.size() * BlockSize; }
    std::size_t Bytes() const { return m_blocks.size() * BlockBytes; }
    Node& operator[](std::uint32_t i) { return m_blocks[i / BlockSize][i % BlockSize]; }
    std::uint32_t Add() {
        if (Full()) {
            m_blocks.push_back(std::make_unique<Node[]>(BlockSize));
        }
        return m_size++;
    }

private:
    std::vector<std::unique_ptr<Node[]>> m_blocks;
    std::uint32_t m_size = 0;
};

/// Open addressing over node numbers; a slot holds the upper half of the hash and the node
/// number plus one (zero is free).
class Table {
public:
    std::size_t Bytes() const { return m_slots.size() * sizeof(std::uint64_t); }
    bool NeedsGrowth() const { return (m_count + 1) * 2 > m_slots.size(); }
    std::size_t GrowthBytes() const { return std::max<std::size_t>(m_slots.size(), 1024) * 2 * 8; }

    void Grow() {
        std::vector<std::uint64_t> old(std::max<std::size_t>(m_slots.size() * 2, 1024), 0);
        old.swap(m_slots);
        m_mask = m_slots.size() - 1;
        for (const std::uint64_t slot : old) {
            if (slot != 0) {
                std::size_t i = (slot >> 32) & m_mask;
                while (m_slots[i] != 0) {
                    i = (i + 1) & m_mask;
                }
                m_slots[i] = slot;
            }
        }
    }

    /// The node already holding `packed`, or records `candidate` for it and returns it.
    std::uint32_t FindOrAdd(const Packed& packed, std::uint64_t hash, std::uint32_t candidate,
                            NodeStore& nodes) {
        const auto high = static_cast<std::uint32_t>(hash >> 32);
        std::size_t i = high & m_mask;
        while (m_slots[i] != 0) {
            const std::uint64_t slot = m_slots[i];
            const auto node = static_cast<std::uint32_t>(slot) - 1;
            if ((slot >> 32) == high && nodes[node].packed == packed) {
                return node;
            }
            i = (i + 1) & m_mask;
        }
        m_slots[i] = (std::uint64_t{high} << 32) | (candidate + 1);
        ++m_count;
        return candidate;
    }

private:
    std::vector<std::uint64_t> m_slots;
    std::size_t m_mask = 0;
    std::size_t m_count = 0;
};

/// A min-heap of (priority, node); among equals the newest node comes first.
class Queue {
public:
    bool Empty() const { return m_heap.empty(); }
    std::size_t Bytes() const { return m_heap.capacity() * sizeof(std::uint64_t); }
    std::size_t GrowthBytes() const {
        return m_heap.size() < m_heap.capacity() ? 0 : std::max<std::size_t>(m_heap.size(), 64) * 8;
    }
    void Push(std::uint32_t priority, std::uint32_t node) {
        m_heap.push_back((std::uint64_t{priority} << 32) | (0xFFFFFFFFu - node));
        std::push_heap(m_heap.begin(), m_heap.end(), std::greater<>());
    }
    std::uint32_t Pop() {
        std::pop_heap(m_heap.begin(), m_heap.end(), std::greater<>());
        const auto node = 0xFFFFFFFFu - static_cast<std::uint32_t>(m_heap.back());
        m_heap.pop_back();
        return node;
    }

private:
    std::vector<std::uint64_t> m_heap;
};

/// The moves from the start to `node`, then `last`.
std::vector<Move> Line(NodeStore& nodes, std::uint32_t node, const Move& last) {
    std::vector<Move> moves{last};
    while (node != 0) {
        moves.push_back(nodes[node].move);
        node = nodes[node].parent;
    }
    std::reverse(moves.begin(), moves.end());
    return moves;
}

/// Expansions handed to one estimate before the next takes over.
constexpr int Turn = 512;
/// Expansions between looks at the clock and the stop request.
constexpr int CheckEvery = 64;

} // namespace

Result Solve(const Position& start, const Limits& limits, std::stop_token stop) {
    const auto began = std::chrono::steady_clock::now();
    Result result;
    if (start.IsWon()) {
        result.verdict = Verdict::Solved;
        return result;
    }

    NodeStore nodes;
    Table table;
    std::array<Queue, Estimates.size()> queues;
    auto bytes = [&]() {
        std::size_t total = nodes.Bytes() + table.Bytes();
        for (const Queue& q : queues) {
            total += q.Bytes();
        }
        return total;
    };
    // The worst growth one expansion can cause: a block, a larger table, larger queues.
    auto affordExpansion = [&]() {
        std::size_t extra = NodeStore::BlockBytes + table.GrowthBytes();
        for (const Queue& q : queues) {
            extra += std::max<std::size_t>(q.GrowthBytes(), MaxMoves * 8);
        }
        return bytes() + extra <= limits.memoryBytes;
    };

    table.Grow();
    const std::uint32_t root = nodes.Add();
    nodes[root].packed = Pack(start);
    table.FindOrAdd(nodes[root].packed, nodes[root].packed.Hash(), root, nodes);
    nodes[root].reached = static_cast<std::uint8_t>((1u << queues.size()) - 1);
    for (Queue& q : queues) {
        q.Push(0, root);
    }

    MoveList list;
    std::size_t turn = 0;
    int expansions = 0;
    for (;;) {
        // Each estimate searches the whole graph on its own, sharing the stored positions;
        // the first to run out of positions has seen every one.
        if (queues[turn].Empty()) {
            result.verdict = Verdict::Unsolvable;
            break;
        }
        const std::uint32_t current = queues[turn].Pop();
        const auto bit = static_cast<std::uint8_t>(1u << turn);
        if ((nodes[current].expanded & bit) != 0) {
            continue;
        }
        ++expansions;
        if (expansions % CheckEvery == 1) {
            if (stop.stop_requested()) {
                result.stopped = StopReason::Cancelled;
                break;
            }
            if (limits.time.count() > 0 && std::chrono::steady_clock::now() - began > limits.time) {
                result.stopped = StopReason::Time;
                break;
            }
        }
        if (!affordExpansion()) {
            result.stopped = StopReason::Memory;
            break;
        }
        nodes[current].expanded |= bit;
        const Position position = Unpack(nodes[current].packed);
        const int depth = nodes[current].depth + 1;
        position.GenerateMoves(list);
        bool won = false;
        for (int i = 0; i < list.size; ++i) {
            const Move& m = list.moves[Index(i)];
            Position child = position;
            child.Apply(m);
            if (child.IsWon()) {
                result.verdict = Verdict::Solved;
                result.moves = Line(nodes, current, m);
                won = true;
                break;
            }
            const Packed packed = Pack(child);
            if (table.NeedsGrowth()) {
                table.Grow();
            }
            const std::uint32_t candidate = nodes.Size();
            const std::uint32_t found = table.FindOrAdd(packed, packed.Hash(), candidate, nodes);
            if (found == candidate) {
                nodes.Add();
                nodes[candidate].packed = packed;
                nodes[candidate].depth = 0xFFFF;
            }
            Node& node = nodes[found];
            // The line to a position is the shortest known, so that one estimate's detours
            // do not lengthen another's line.
            if (depth < node.depth) {
                node.parent = current;
                node.move = m;
                node.depth = static_cast<std::uint16_t>(std::min(depth, 0xFFFE));
            }
            if ((node.reached & bit) == 0) {
                node.reached |= bit;
                queues[turn].Push(Priority(Estimates[turn], Measure(child), node.depth), found);
            }
        }
        if (won) {
            break;
        }
        if (expansions % Turn == 0) {
            turn = (turn + 1) % queues.size();
        }
    }
    result.positions = nodes.Size();
    if (result.verdict == Verdict::Solved && limits.shortening > 0) {
        result.moves = Shorten(start, std::move(result.moves), limits.shortening);
    }
    return result;
}

namespace {

struct PackedHash {
    std::size_t operator()(const Packed& p) const { return p.Hash(); }
};

/// The best stretch to cut from position `from` of a line: the moves that reach the latest
/// position of the line in fewer moves than the line takes.
class Shortcut {
public:
    Shortcut(const std::unordered_map<Packed, int, PackedHash>& index, int from, int depth)
        : m_index(index), m_from(from), m_depth(depth) {}

    void Search(const Position& p) {
        if (static_cast<int>(m_path.size()) == m_depth) {
            return;
        }
        MoveList list;
        p.GenerateMoves(list);
        for (int i = 0; i < list.size; ++i) {
            Position child = p;
            child.Apply(list.moves[Index(i)]);
            m_path.push_back(list.moves[Index(i)]);
            const auto found = m_index.find(Pack(child));
            if (found != m_index.end()) {
                const int saving = found->second - m_from - static_cast<int>(m_path.size());
                if (saving > m_saving || (saving == m_saving && found->second > m_to)) {
                    m_saving = saving;
                    m_to = found->second;
                    m_best = m_path;
                }
            }
            Search(child);
            m_path.pop_back();
        }
    }

    int Saving() const { return m_saving; }
    int To() const { return m_to; }
    const std::vector<Move>& Moves() const { return m_best; }

private:
    const std::unordered_map<Packed, int, PackedHash>& m_index;
    int m_from;
    int m_depth;
    std::vector<Move> m_path;
    std::vector<Move> m_best;
    int m_saving = 0;
    int m_to = -1;
};

} // namespace

std::vector<Move> Shorten(const Position& start, std::vector<Move> moves, int depth) {
    for (bool changed = depth > 0; changed;) {
        changed = false;
        std::vector<Position> line{Unpack(Pack(start))};
        std::unordered_map<Packed, int, PackedHash> index;
        index.emplace(Pack(start), 0);
        for (Move& m : moves) {
            Position next = line.back();
            if (!next.Locate(m)) {
                return moves;
            }
            next.Apply(m);
            index[Pack(next)] = static_cast<int>(line.size());
            line.push_back(Unpack(Pack(next)));
        }
        std::vector<Move> shorter;
        const int n = static_cast<int>(moves.size());
        for (int i = 0; i < n;) {
            Shortcut cut(index, i, depth);
            cut.Search(line[Index(i)]);
            if (cut.Saving() > 0) {
                shorter.insert(shorter.end(), cut.Moves().begin(), cut.Moves().end());
                i = cut.To();
                changed = true;
                continue;
            }
            shorter.push_back(moves[Index(i)]);
            ++i;
        }
        moves = std::move(shorter);
    }
    return moves;
}

} // namespace velmora::solver
