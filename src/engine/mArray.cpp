#include "engine/mArray.h"

#include "engine/Rounding.h"
#include "engine/cArray.h"

namespace velmora::mArray {

DealTable DealByNumber(std::int32_t gameNumber) {
    // Four base-30 digits of a quarter of the number pick the rank permutations (a 0 digit picks
    // row 1); the remainder by four picks the order of the blocks. Each division rounds half to
    // even rather than down: every game number players have stored depends on that.
    const std::int32_t m = gameNumber % 4;
    auto q = static_cast<std::int32_t>(RoundHalfEven(gameNumber / 4.0));
    std::array<std::int32_t, 4> digits{};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0) {
            q = static_cast<std::int32_t>(RoundHalfEven(q / 30.0));
        }
        digits[i] = q % 30;
        if (digits[i] == 0) {
            digits[i] = 1;
        }
    }

    std::array<cArray, 4> p;
    for (std::size_t i = 0; i < p.size(); ++i) {
        p[i].SetIndex(digits[i]);
    }
    constexpr std::array<CardIndex, 4> SuitOffset{26, 0, 39, 13};

    int s = 4 + m;
    if (s > 4) {
        s -= 4;
    }
    // Block starts for s = 1..4; s = 1 gives (0, 13, 26, 39) and each later s rotates by one.
    std::array<int, 4> starts{};
    for (int k = 0; k < 4; ++k) {
        starts[static_cast<std::size_t>(k)] = ((s - 1 + k) % 4) * 13;
    }

    DealTable table{};
    table.fill(NoCard);
    for (int k = 0; k < 4; ++k) {
        const int start = starts[static_cast<std::size_t>(k)];
        for (int j = 0; j < 13; ++j) {
            const auto object = static_cast<std::size_t>((j + 4 - k) % 4);
            table[static_cast<std::size_t>(start + j)] =
                static_cast<CardIndex>(p[object].c(j + 1) + SuitOffset[object]);
        }
    }
    // The block filled last has its final two cards swapped.
    const int d = starts[3];
    table[static_cast<std::size_t>(d + 11)] = static_cast<CardIndex>(p[1].c(13) + 0);
    table[static_cast<std::size_t>(d + 12)] = static_cast<CardIndex>(p[0].c(12) + 26);
    return table;
}

} // namespace velmora::mArray
