#include "appearance/BackgroundColours.h"

#include <algorithm>
#include <cmath>

namespace velmora::BackgroundColours {

const std::array<NamedColour, TableSlots>& ColourTable() {
    static const std::array<NamedColour, TableSlots> table{{
        {},
        {"aquamarine", MakeRgb(127, 255, 212)},
        {"cadetblue", MakeRgb(95, 158, 160)},
        {"coral", MakeRgb(255, 127, 80)},
        {"cornflower", MakeRgb(100, 149, 237)},
        {"darkcyan", MakeRgb(0, 139, 139)},
        {"darksalmon", MakeRgb(233, 150, 122)},
        {"darkseagreen", MakeRgb(143, 188, 139)},
        {"darkslateblue", MakeRgb(72, 61, 139)},
        {"indianred", MakeRgb(205, 92, 92)},
        {"lightblue", MakeRgb(173, 216, 230)},
        {"lightcoral", MakeRgb(240, 128, 128)},
        {"lightgreen", MakeRgb(144, 238, 144)},
        {"lightpink", MakeRgb(255, 182, 193)},
        {"lightseagreen", MakeRgb(32, 178, 170)},
        {"maroon", MakeRgb(128, 0, 0)},
        {"mediumpurple", MakeRgb(147, 112, 219)},
        {"mediumseagreen", MakeRgb(60, 179, 113)},
        {"palevioletred", MakeRgb(219, 112, 147)},
        {"pink", MakeRgb(255, 192, 203)},
        {"plum", MakeRgb(221, 160, 221)},
        {"rosybrown", MakeRgb(188, 143, 143)},
        {"sandybrown", MakeRgb(244, 164, 96)},
        {"saddlebrown", MakeRgb(139, 69, 19)},
        {"salmon", MakeRgb(250, 128, 114)},
        {"seagreen", MakeRgb(46, 139, 87)},
        {"sienna", MakeRgb(160, 82, 45)},
        {"skyblue", MakeRgb(135, 206, 235)},
        {"thistle", MakeRgb(216, 191, 216)},
        {"yellowgreen", MakeRgb(154, 205, 50)},
        {},
    }};
    return table;
}

Rgb TableColour(int index) {
    if (index < FirstColour || index > LastColour) {
        index = DefaultColorIndex;
    }
    return ColourTable()[static_cast<std::size_t>(index)].colour;
}

int GetRGB(Rgb colour, int component) {
    if (component < 1 || component > 3 || colour < 0 || colour > 16777215) {
        return -1;
    }
    return (colour >> (8 * (component - 1))) & 255;
}

std::array<Rgb, BandCount> GradientBands(Rgb bottom, Rgb top) {
    // Channels of an invalid colour read as 0 rather than -1.
    auto channel = [](Rgb colour, int component) {
        const int value = GetRGB(colour, component);
        return value < 0 ? 0 : value;
    };
    double start[3];
    double step[3];
    for (int c = 0; c < 3; ++c) {
        start[c] = channel(top, c + 1);
        step[c] = (channel(bottom, c + 1) - start[c]) / 255.0;
    }
    std::array<Rgb, BandCount> bands{};
    for (int i = 0; i < BandCount; ++i) {
        int value[3];
        for (int c = 0; c < 3; ++c) {
            const double v = std::max(0.0, start[c] + i * step[c]);
            // Halves round to even, as the rest of the program rounds.
            value[c] = std::min(255, static_cast<int>(std::nearbyint(v)));
        }
        bands[static_cast<std::size_t>(i)] = MakeRgb(value[0], value[1], value[2]);
    }
    return bands;
}

} // namespace velmora::BackgroundColours
