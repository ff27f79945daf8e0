// Deciding deals: game numbers 1..32000 and 200 numbers spread over the whole range, one
// thread, default limits, lines not shortened (as `solve --range` decides them). Every line
// found is played through the engine; the time per deal covers the search only.

#include "engine/GameState.h"
#include "engine/cGame.h"
#include "engine/mArray.h"
#include "engine/mGame.h"
#include "solver/Presses.h"
#include "solver/Solver.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <set>
#include <vector>

namespace {

using namespace velmora;

double ThreadCpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Percentile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(q * static_cast<double>(values.size()) + 0.999999);
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

/// The game numbers to decide, one per distinct deal.
std::vector<std::int32_t> DistinctDeals(const std::vector<std::int32_t>& numbers) {
    std::set<mArray::DealTable> seen;
    std::vector<std::int32_t> firsts;
    for (const std::int32_t n : numbers) {
        if (seen.insert(mArray::DealByNumber(n)).second) {
            firsts.push_back(n);
        }
    }
    return firsts;
}

void Decide(benchmark::State& st, const std::vector<std::int32_t>& numbers) {
    const std::vector<std::int32_t> deals = DistinctDeals(numbers);
    solver::Limits limits;
    limits.shortening = 0;
    for (auto _ : st) {
        std::vector<double> cpu;
        std::vector<double> wall;
        std::vector<double> lengths;
        std::size_t solved = 0;
        std::size_t unsolvable = 0;
        std::size_t rejected = 0;
        double cpuTotal = 0;
        double wallTotal = 0;
        for (const std::int32_t n : deals) {
            GameState state;
            mGame::StartGame(state, n, false);
            const auto board = state.Game().Board();
            const auto start = solver::Position::FromBoard(board);
            const auto began = std::chrono::steady_clock::now();
            const double cpuBegan = ThreadCpuMilliseconds();
            const solver::Result r = solver::Solve(*start, limits);
            cpu.push_back(ThreadCpuMilliseconds() - cpuBegan);
            wall.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began)
                    .count());
            cpuTotal += cpu.back();
            wallTotal += wall.back();
            if (r.verdict == solver::Verdict::Solved) {
                ++solved;
                const auto actions = solver::ToActions(*start, r.moves);
                rejected += actions && solver::Wins(board, *actions) ? 0 : 1;
                lengths.push_back(static_cast<double>(r.moves.size()));
            }
            unsolvable += r.verdict == solver::Verdict::Unsolvable ? 1 : 0;
        }
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const auto count = static_cast<double>(deals.size());
        st.counters["deals"] = count;
        st.counters["solved_pct"] = 100.0 * static_cast<double>(solved) / count;
        st.counters["unsolvable"] = static_cast<double>(unsolvable);
        st.counters["unknown"] = count - static_cast<double>(solved + unsolvable);
        st.counters["rejected"] = static_cast<double>(rejected);
        st.counters["cpu_median_ms"] = Percentile(cpu, 0.5);
        st.counters["cpu_p90_ms"] = Percentile(cpu, 0.9);
        st.counters["cpu_max_ms"] = Percentile(cpu, 1.0);
        st.counters["wall_median_ms"] = Percentile(wall, 0.5);
        st.counters["wall_p90_ms"] = Percentile(wall, 0.9);
        st.counters["wall_max_ms"] = Percentile(wall, 1.0);
        st.counters["median_moves"] = lengths.empty() ? 0 : Percentile(lengths, 0.5);
        st.counters["deals_per_cpu_s"] = count / (cpuTotal / 1000.0);
        st.counters["deals_per_wall_s"] = count / (wallTotal / 1000.0);
        st.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    }
}

void BM_DecideSpreadOverAllNumbers(benchmark::State& st) {
    std::vector<std::int32_t> numbers;
    for (std::int32_t i = 0; i < 200; ++i) {
        numbers.push_back(static_cast<std::int32_t>(std::int64_t{i} * MaxGameNumber / 199));
    }
    Decide(st, numbers);
}
BENCHMARK(BM_DecideSpreadOverAllNumbers)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_DecideNumbers1To32000(benchmark::State& st) {
    std::vector<std::int32_t> numbers;
    for (std::int32_t n = 1; n <= 32000; ++n) {
        numbers.push_back(n);
    }
    Decide(st, numbers);
}
BENCHMARK(BM_DecideNumbers1To32000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
