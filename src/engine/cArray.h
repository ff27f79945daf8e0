#pragma once

#include <array>
#include <cstdint>

namespace velmora {

/// One permutation of the ranks 0..12, loaded from the fixed table of 31 rows.
class cArray {
public:
    /// Loads row `n` (0..30) as entries 1..13; any other value changes nothing.
    void SetIndex(int n);

    /// Entry `i` (1..13) of the loaded row.
    std::int16_t c(int i) const { return m_c[static_cast<std::size_t>(i - 1)]; }
    void c(int i, std::int16_t value) { m_c[static_cast<std::size_t>(i - 1)] = value; }

    std::int16_t Index() const { return m_index; }
    void Index(std::int16_t value) { m_index = value; }

    /// Row `n` of the table; `n` must lie in 0..30.
    static std::array<std::int16_t, 13> PermutationRow(int n);

private:
    std::array<std::int16_t, 13> m_c{};
    std::int16_t m_index = 0;
};

} // namespace velmora
