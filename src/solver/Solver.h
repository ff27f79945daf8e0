#pragma once

#include "solver/Position.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <stop_token>
#include <vector>

namespace velmora::solver {

enum class Verdict {
    Solved,     ///< a winning line was found
    Unsolvable, ///< every position reachable from the start was searched: none is won
    Unknown,    ///< a limit stopped the search first
};

/// Why a search ended without a verdict.
enum class StopReason { None, Memory, Time, Cancelled };

struct Limits {
    /// Bytes the search may hold for its positions, table and queues.
    std::size_t memoryBytes = std::size_t{256} << 20;
    /// Wall time of the search; zero for none.
    std::chrono::milliseconds time{10000};
    /// Passes of the shortening that follows a found solution: 0 keeps the line as found,
    /// 1 replaces stretches by single moves, 2 also by pairs of moves (shortest, slowest).
    int shortening = 2;
};

struct Result {
    Verdict verdict = Verdict::Unknown;
    StopReason stopped = StopReason::None;
    /// The winning moves from the start (Solved); ToActions turns them into presses.
    std::vector<Move> moves;
    /// Distinct positions the search stored.
    std::uint64_t positions = 0;
};

/// Decides whether `start` can be won by the player's moves and the automatic moves that
/// follow each of them. Three cheap estimates take turns, each a best-first search of its own
/// over one shared table of positions; the first whose queue runs dry has covered every
/// position reachable from the start, which proves it unwinnable. Memory, time and `stop`
/// end the search early with Unknown.
Result Solve(const Position& start, const Limits& limits = {}, std::stop_token stop = {});

/// Shortens a winning line from `start`: wherever a position of the line can reach a later
/// one in `depth` moves or fewer, the moves between are replaced. Repeats until nothing
/// changes.
std::vector<Move> Shorten(const Position& start, std::vector<Move> moves, int depth);

} // namespace velmora::solver
