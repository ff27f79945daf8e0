#pragma once

#include <cmath>
#include <cstdint>

namespace velmora {

/// The nearest integer to `value`, an exact half going to the even neighbour
/// (0.5 → 0, 1.5 → 2, 2.5 → 2). Not-a-number gives 0.
inline std::int64_t RoundHalfEven(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) {
        return static_cast<std::int64_t>(below);
    }
    if (fraction > 0.5) {
        return static_cast<std::int64_t>(below) + 1;
    }
    const auto whole = static_cast<std::int64_t>(below);
    return whole % 2 == 0 ? whole : whole + 1;
}

} // namespace velmora
