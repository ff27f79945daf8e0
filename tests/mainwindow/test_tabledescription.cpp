// What a screen reader is told about the table.

#include "mainwindow/TableDescription.h"

#include "support/EngineFixture.h"

#include "engine/mGame.h"
#include "engine/mPics.h"
#include "history/cTrans.h"

using namespace velmora;
using namespace velmora::test;

TEST(TableDescription, CardsAndPlacesAreNamedAsTheKeysPressThem) {
    EXPECT_EQ(CardName(Card("AC")), "Ace of Clubs");
    EXPECT_EQ(CardName(Card("TD")), "Ten of Diamonds");
    EXPECT_EQ(CardName(Card("KH")), "King of Hearts");
    EXPECT_EQ(CardName(NoCard), "");
    EXPECT_EQ(PlaceName(20 * 8 + 7), "column H");
    EXPECT_EQ(PlaceName(FreeCell(0)), "free cell 1");
    EXPECT_EQ(PlaceName(HomeCell(1)), "home cell 5");
    EXPECT_EQ(PlaceName(HomeCell(4)), "home cell 8");
    EXPECT_EQ(PlaceName(GapCell), "");
}

TEST_F(EngineFixture, DescribeTableFollowsThePlayAndTheHistory) {
    cTrans trans(state);
    state.SetRecorder(&trans);
    Lay({{"KS", "6C"}, {"9D"}, {"7H"}});
    state.GameStarted = false;
    EXPECT_EQ(DescribeTable(state, trans), "No game");
    state.GameStarted = true;

    mPics::PressCard(state, 8); // 6C, the exposed card of column A
    EXPECT_EQ(DescribeTable(state, trans), "Six of Clubs selected, column A");
    mPics::PressCard(state, 2); // onto 7H
    const std::string first = "Nothing selected. Last move: Six of Clubs from column A to column C";
    EXPECT_EQ(DescribeTable(state, trans), first);
    mPics::PressCard(state, 1);
    mPics::ClickFreeCellFrame(state, 1);
    mPics::PressCard(state, FreeCell(1));
    EXPECT_EQ(DescribeTable(state, trans), "Nine of Diamonds selected, free cell 2. Last move: "
                                           "Nine of Diamonds from column B to free cell 2");
    mGame::ClearSelection(state);
    trans.Undo(1);
    EXPECT_EQ(DescribeTable(state, trans), first) << "after an undo, the last move on the board";
}
