#include "engine/cArray.h"

namespace velmora {

namespace {

constexpr std::array<std::int16_t, 13> BaseA{4, 12, 3, 6, 11, 1, 9, 2, 10, 7, 0, 5, 8};
constexpr std::array<std::int16_t, 13> BaseB{2, 8, 3, 10, 5, 0, 1, 7, 12, 9, 4, 11, 6};
constexpr std::array<std::int16_t, 13> BaseC{2, 5, 1, 6, 12, 4, 10, 3, 0, 9, 7, 8, 11};

std::array<std::int16_t, 13> Shifted(const std::array<std::int16_t, 13>& base, int shift) {
    std::array<std::int16_t, 13> row{};
    for (std::size_t i = 0; i < row.size(); ++i) {
        row[i] = static_cast<std::int16_t>((base[i] + shift) % 13);
    }
    return row;
}

} // namespace

std::array<std::int16_t, 13> cArray::PermutationRow(int n) {
    if (n <= 12) {
        return Shifted(BaseA, n);
    }
    if (n == 13) {
        return BaseA;
    }
    if (n <= 20) {
        return Shifted(BaseB, n - 14);
    }
    return Shifted(BaseC, n - 21);
}

void cArray::SetIndex(int n) {
    if (n < 0 || n > 30) {
        return;
    }
    m_c = PermutationRow(n);
}

} // namespace velmora
