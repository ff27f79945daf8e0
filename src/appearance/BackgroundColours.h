#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora::BackgroundColours {

/// A colour as red + 256 * green + 65536 * blue.
using Rgb = std::int32_t;

struct NamedColour {
    std::string_view name;
    Rgb colour = 0;
};

/// Slots 0..30 of the colour table; 1..29 are named, 0 and 30 stay empty.
inline constexpr int TableSlots = 31;
inline constexpr int FirstColour = 1;
inline constexpr int LastColour = 29;
/// The stored ColorIndex when none was stored.
inline constexpr int DefaultColorIndex = 7;
/// Horizontal bands of the gradient, top to bottom.
inline constexpr int BandCount = 256;

inline constexpr Rgb MakeRgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

/// The fixed colour table.
const std::array<NamedColour, TableSlots>& ColourTable();

/// The table colour of `index`; an index outside 1..29 gives the colour of the default index.
Rgb TableColour(int index);

/// One channel of `colour`: component 1 red, 2 green, 3 blue; -1 for a component outside 1..3
/// or a colour outside 0..16777215.
int GetRGB(Rgb colour, int component);

/// The colours of the 256 gradient bands from `top` (band 0) to `bottom` (band 255).
std::array<Rgb, BandCount> GradientBands(Rgb bottom, Rgb top);

} // namespace velmora::BackgroundColours
