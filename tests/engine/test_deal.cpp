#include "engine/Rounding.h"
#include "engine/cArray.h"
#include "engine/mArray.h"

#include "support/EngineFixture.h"

#include <algorithm>
#include <bitset>
#include <cmath>

namespace velmora::test {
namespace {

std::vector<CardIndex> Column(const mArray::DealTable& t, int c) {
    std::vector<CardIndex> cards;
    for (int i = c; i < 52; i += 8) {
        cards.push_back(t[static_cast<std::size_t>(i)]);
    }
    return cards;
}

TEST(PermutationRows, CheckRowsAndBounds) {
    using Row = std::array<std::int16_t, 13>;
    EXPECT_EQ(cArray::PermutationRow(1), (Row{5, 0, 4, 7, 12, 2, 10, 3, 11, 8, 1, 6, 9}));
    EXPECT_EQ(cArray::PermutationRow(20), (Row{8, 1, 9, 3, 11, 6, 7, 0, 5, 2, 10, 4, 12}));
    EXPECT_EQ(cArray::PermutationRow(30), (Row{11, 1, 10, 2, 8, 0, 6, 12, 9, 5, 3, 4, 7}));

    cArray a;
    a.SetIndex(13);
    cArray b;
    b.SetIndex(0);
    for (int i = 1; i <= 13; ++i) {
        EXPECT_EQ(a.c(i), b.c(i));
    }
    a.SetIndex(5);
    const std::int16_t before = a.c(1);
    a.SetIndex(31);
    a.SetIndex(-1);
    EXPECT_EQ(a.c(1), before);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, std::int64_t> cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},
                                                     {-1.5, -2}, {-2.5, -2},  {2.51, 3},
                                                     {1.92, 2},  {33.34, 33}, {std::nan(""), 0}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    }
}

TEST(Deal, WorkedExamples) {
    const auto t = mArray::DealByNumber(12345);
    EXPECT_EQ(Column(t, 0), (std::vector<CardIndex>{33, 31, 48, 47, 28, 41, 49}));
    EXPECT_EQ(Column(t, 7), (std::vector<CardIndex>{16, 3, 0, 15, 4, 10}));
    EXPECT_EQ(Column(mArray::DealByNumber(0), 0), (std::vector<CardIndex>{18, 24, 7, 6, 23, 0, 8}));
    EXPECT_EQ(mArray::DealByNumber(0), mArray::DealByNumber(4));
    EXPECT_EQ(mArray::DealByNumber(0), mArray::DealByNumber(3240000));
    EXPECT_NE(mArray::DealByNumber(2), mArray::DealByNumber(6));
}

TEST(Deal, EveryGameNumberDealsAPermutation) {
    for (std::int32_t g = 0; g <= MaxGameNumber; ++g) {
        const auto t = mArray::DealByNumber(g);
        std::bitset<52> seen;
        for (int i = 0; i < 52; ++i) {
            const int card = t[static_cast<std::size_t>(i)];
            ASSERT_TRUE(card >= 0 && card < 52 && !seen[static_cast<std::size_t>(card)])
                << "game " << g;
            seen.set(static_cast<std::size_t>(card));
        }
    }
}

using StartGameTest = EngineFixture;

TEST_F(StartGameTest, DealsSevenAndSixCardsAndNamesTheGame) {
    mGame::StartGame(state, 12345, false);
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(Total(c), c < 4 ? 7 : 6);
    }
    EXPECT_EQ(rec.caption, "Velmora 2003 - Game No. 12345");
    EXPECT_TRUE(state.GameStarted);
    EXPECT_EQ(state.SelectedLocation, -1);
    // The deal itself records nothing and moves nothing home.
    EXPECT_TRUE(rec.steps.empty());
    EXPECT_EQ(state.Game().GetLocation(33), 0);
}

} // namespace
} // namespace velmora::test
