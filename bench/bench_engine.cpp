// Dealing every game number, and playing random legal moves through the engine.

#include "engine/cGame.h"
#include "engine/mArray.h"
#include "engine/mCheck.h"
#include "history/GameSession.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace velmora;

void BM_DealEveryGameNumber(benchmark::State& st) {
    for (auto _ : st) {
        int checksum = 0;
        for (std::int32_t g = 0; g <= MaxGameNumber; ++g) {
            checksum += mArray::DealByNumber(g)[0];
        }
        benchmark::DoNotOptimize(checksum);
    }
    st.counters["deals/s"] =
        benchmark::Counter(static_cast<double>(MaxGameNumber + 1), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DealEveryGameNumber)->Unit(benchmark::kMillisecond);

struct Move {
    Location from;
    Location to;
};

std::vector<Move> LegalMoves(GameState& state) {
    const cGame& g = state.Game();
    std::vector<Move> moves;
    for (int s = 0; s < 12; ++s) {
        const Location from = s < 8 ? g.GetBottomCardLocation(static_cast<Location>(s))
                                    : static_cast<Location>(200 + s - 8);
        if (from < 0 || g.GetCardIndex(from) < 0) {
            continue;
        }
        for (int c = 0; c < 8; ++c) {
            const Location t = g.GetBottomCardLocation(static_cast<Location>(c));
            if (t < 0) {
                moves.push_back({from, static_cast<Location>(c)});
            } else if (mCheck::CanStack(state, from, t)) {
                moves.push_back({from, static_cast<Location>(t + 8)});
            }
        }
        for (int f = 200; f <= 203 && from < 200; ++f) {
            if (g.GetCardIndex(f) < 0) {
                moves.push_back({from, static_cast<Location>(f)});
                break;
            }
        }
    }
    return moves;
}

void BM_RandomLegalMoves(benchmark::State& st) {
    std::mt19937 rng(7);
    std::int64_t moves = 0;
    for (auto _ : st) {
        GameSession session;
        session.StartGame(static_cast<std::int32_t>(rng() % (MaxGameNumber + 1)));
        GameState& state = session.State();
        for (int i = 0; i < 200; ++i) {
            const auto legal = LegalMoves(state);
            if (legal.empty()) {
                break;
            }
            const Move m = legal[rng() % legal.size()];
            state.MutableGame().SetLocation(m.from, m.to, MoveMode::First, Motion::Instant());
            ++moves;
        }
    }
    st.counters["moves/s"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RandomLegalMoves);

} // namespace
