#include "appearance/BackgroundColours.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace velmora::BackgroundColours;

TEST(BackgroundColours, GetRgbSplitsChannelsAndRejectsBadInput) {
    const Rgb seaGreen = MakeRgb(143, 188, 139);
    EXPECT_EQ(GetRGB(seaGreen, 1), 143);
    EXPECT_EQ(GetRGB(seaGreen, 2), 188);
    EXPECT_EQ(GetRGB(seaGreen, 3), 139);
    EXPECT_EQ(GetRGB(16777215, 3), 255);
    EXPECT_EQ(GetRGB(0, 1), 0);

    EXPECT_EQ(GetRGB(seaGreen, 0), -1);
    EXPECT_EQ(GetRGB(seaGreen, 4), -1);
    EXPECT_EQ(GetRGB(-1, 1), -1);
    EXPECT_EQ(GetRGB(16777216, 1), -1);
}

TEST(BackgroundColours, TableHas29NamedColoursBetweenTwoEmptySlots) {
    const auto& table = ColourTable();
    EXPECT_TRUE(table[0].name.empty());
    EXPECT_TRUE(table[30].name.empty());
    std::set<std::string> names;
    for (int i = FirstColour; i <= LastColour; ++i) {
        names.insert(std::string(table[static_cast<std::size_t>(i)].name));
    }
    EXPECT_EQ(names.size(), 29u);

    EXPECT_EQ(table[1].name, "aquamarine");
    EXPECT_EQ(table[1].colour, MakeRgb(127, 255, 212));
    EXPECT_EQ(table[7].name, "darkseagreen");
    EXPECT_EQ(table[4].name, "cornflower");
    EXPECT_EQ(table[23].name, "saddlebrown");
    EXPECT_EQ(table[23].colour, MakeRgb(139, 69, 19));
    EXPECT_EQ(table[29].name, "yellowgreen");
    EXPECT_EQ(table[29].colour, MakeRgb(154, 205, 50));
}

TEST(BackgroundColours, IndexOutsideTheTableFallsBackToTheDefault) {
    const Rgb fallback = ColourTable()[DefaultColorIndex].colour;
    EXPECT_EQ(TableColour(0), fallback);
    EXPECT_EQ(TableColour(30), fallback);
    EXPECT_EQ(TableColour(-4), fallback);
    EXPECT_EQ(TableColour(999), fallback);
    EXPECT_EQ(TableColour(15), MakeRgb(128, 0, 0));
}

TEST(BackgroundColours, DefaultGradientRunsFromTheTableColourToBlack) {
    const auto bands = GradientBands(0, TableColour(7));
    EXPECT_EQ(bands.front(), MakeRgb(143, 188, 139));
    EXPECT_EQ(bands.back(), 0);
    // Halfway: 143 * 127 / 255 = 71.2, 188 * 127 / 255 = 93.6, 139 * 127 / 255 = 69.2.
    EXPECT_EQ(bands[128], MakeRgb(71, 94, 69));
    for (int i = 1; i < BandCount; ++i) {
        for (int c = 1; c <= 3; ++c) {
            EXPECT_LE(GetRGB(bands[static_cast<std::size_t>(i)], c),
                      GetRGB(bands[static_cast<std::size_t>(i - 1)], c))
                << "band " << i;
        }
    }
}

TEST(BackgroundColours, GradientTowardsALighterBottomRisesAndStaysInRange) {
    const auto bands = GradientBands(MakeRgb(255, 255, 255), MakeRgb(0, 10, 250));
    EXPECT_EQ(bands.front(), MakeRgb(0, 10, 250));
    EXPECT_EQ(bands.back(), MakeRgb(255, 255, 255));
    EXPECT_EQ(GetRGB(bands[51], 1), 51);
}
