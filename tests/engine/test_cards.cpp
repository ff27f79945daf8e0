#include "engine/cCards.h"

#include "support/EngineFixture.h"

namespace velmora::test {
namespace {

using CardsTest = EngineFixture;

TEST_F(CardsTest, LocationsDecodeAndEncodeBothWays) {
    const cCards& cards = state.Cards();
    EXPECT_EQ(cCards::GetLocation(3, 200), 203);
    EXPECT_EQ(cCards::GetLocation(3, 2), 19);
    EXPECT_EQ(cards.GetPositionx(19), 3);
    EXPECT_EQ(cards.GetPositiony(19), 2);
    for (int loc : {0, 7, 8, 19, 167, 200, 203, 204, 205, 208}) {
        const auto l = static_cast<Location>(loc);
        EXPECT_EQ(cCards::GetLocation(cards.GetPositionx(l), cards.GetPositiony(l)), loc);
    }
}

TEST_F(CardsTest, TwipCoordinatesOfEveryKindOfPlace) {
    const cCards& cards = state.Cards();
    EXPECT_EQ(cards.GetCordinatex(19), 3 * 1200 + 60);
    EXPECT_EQ(cards.GetCordinatey(19), 2 * 256 + 1660);
    const int freeLefts[] = {60, 1140, 2220, 3300};
    const int homeLefts[] = {5200, 6280, 7360, 8440};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(cards.GetCordinatex(static_cast<Location>(200 + i)), freeLefts[i]);
        EXPECT_EQ(cards.GetCordinatex(static_cast<Location>(205 + i)), homeLefts[i]);
        EXPECT_EQ(cards.GetCordinatey(static_cast<Location>(205 + i)), 60);
    }
    EXPECT_EQ(cards.GetStatus(204), 2);
    EXPECT_EQ(cards.GetCordinatex(204), 4380);
    EXPECT_EQ(cards.GetCordinatey(204), 60);
    EXPECT_EQ(cards.GetStatus(167), 1);
    EXPECT_EQ(cards.GetStatus(203), 2);
    EXPECT_EQ(cards.GetStatus(205), 3);
}

TEST_F(CardsTest, CardDecodingAndEmptyPlaces) {
    Lay({{"AD"}, {"KH"}});
    const cCards& cards = state.Cards();
    EXPECT_EQ(cards.GetCardType(0), 2);
    EXPECT_EQ(cards.GetCardNumber(0), 1);
    EXPECT_EQ(cards.GetCardColor(0), 2);
    EXPECT_EQ(cards.GetCardType(1), 4);
    EXPECT_EQ(cards.GetCardNumber(1), 13);
    EXPECT_EQ(cards.GetCardNumber(205), -1);
    EXPECT_EQ(cards.GetCardType(205), -1);
}

TEST_F(CardsTest, ColumnCountsAndExposedCards) {
    Lay({{}, {"KC", "QD", "JC", "TD", "9C", "8D", "7C"}});
    EXPECT_EQ(state.Game().GetTotalCards(0), 0);
    EXPECT_EQ(state.Game().GetBottomCardLocation(0), -1);
    EXPECT_EQ(state.Game().GetTotalCards(1), 7);
    EXPECT_EQ(state.Game().GetTotalCards(17), 7);
    EXPECT_EQ(state.Game().GetBottomCardLocation(1), 48 + 1);
    EXPECT_EQ(state.Game().GetTotalCards(201), 0);
    EXPECT_EQ(state.Game().GetBottomCardLocation(205), -1);
    EXPECT_EQ(state.Game().GetLocation(Card("7C")), 49);
}

} // namespace
} // namespace velmora::test
