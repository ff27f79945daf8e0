#pragma once

#include <chrono>
#include <cstdint>
#include <random>

namespace velmora {

/// A uniform number in [0, 1) from a generator seeded with the clock, as the random game
/// numbers are drawn.
inline double ClockSeededRandom() {
    const auto seed = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::mt19937_64 rng(seed);
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng);
}

} // namespace velmora
