#include "engine/mCheck.h"
#include "engine/mPics.h"

#include "support/EngineFixture.h"

namespace velmora::test {
namespace {

/// A view that remembers what it was asked to do.
class FakeView : public NullTableView {
public:
    void AnimateCard(CardIndex card, int, int, int toLeft, int toTop, int steps) override {
        animations.push_back({card, toLeft, toTop, steps});
    }
    void PlaceCard(CardIndex card, int left, int top) override {
        placed.push_back({card, left, top, 0});
    }
    struct Call {
        CardIndex card;
        int left;
        int top;
        int steps;
    };
    std::vector<Call> animations;
    std::vector<Call> placed;
};

class MovesTest : public EngineFixture {
protected:
    MovesTest() { Wire(&view); }
    FakeView view;
};

TEST_F(MovesTest, StackingRule) {
    Lay({{"8D"}, {"9C"}, {"9H"}, {"TC"}});
    EXPECT_TRUE(mCheck::CanStack(state, 0, 1));   // red 8 on black 9
    EXPECT_FALSE(mCheck::CanStack(state, 0, 2));  // same colour
    EXPECT_FALSE(mCheck::CanStack(state, 0, 3));  // two ranks apart
    EXPECT_FALSE(mCheck::CanStack(state, 0, 4));  // empty target
    EXPECT_FALSE(mCheck::CanStack(state, 0, -1)); // no location
    EXPECT_FALSE(mCheck::CanStack(state, 12, 1)); // nothing to move
}

TEST_F(MovesTest, FreeSpaceCounts) {
    Lay({{"KC"}, {"KD"}, {"KS"}, {"KH"}, {"QC"}, {"QD"}, {"QS"}, {}}, {"2C", "-", "-", "3C"});
    EXPECT_EQ(mGame::CountEmptyColumns(state), 1);
    EXPECT_EQ(mGame::CountFreeSlots(state), 2);
    EXPECT_EQ(mGame::GetFreeSpace(state), 5);
    Lay({{"KC"}, {"KD"}, {"KS"}, {"KH"}, {"QC"}, {"QD"}, {"QS"}, {"QH"}}, {"2C", "3C", "4C", "5C"});
    EXPECT_EQ(mGame::GetFreeSpace(state), 0);
}

TEST_F(MovesTest, SetLocationRecordsAnimatesSoundsAndClearsSelection) {
    Lay({{"KC", "8D"}, {"9C"}});
    options.cardSpeed = 7;
    mGame::SelectLocation(state, 8);
    state.MutableGame().SetLocation(8, 9, MoveMode::First);
    EXPECT_EQ(rec.steps, (std::vector<Step>{{8, 9, 1}}));
    ASSERT_EQ(view.animations.size(), 1u);
    EXPECT_EQ(view.animations[0].steps, 7);
    EXPECT_EQ(view.animations[0].left, 1 * 1200 + 60);
    EXPECT_EQ(view.animations[0].top, 256 + 1660);
    EXPECT_EQ(rec.sounds.size(), 1u);
    EXPECT_EQ(state.Game().GetLocation(Card("8D")), 9);
    EXPECT_EQ(At(8), NoCard);
    EXPECT_EQ(state.SelectedLocation, -1);
}

TEST_F(MovesTest, HistoryStepsAreSilentWithOneStepAndNeverRecorded) {
    Lay({{"KC", "8D"}, {"9C"}});
    state.MutableGame().SetLocation(8, 9, MoveMode::History, {.steps = 1});
    EXPECT_TRUE(rec.steps.empty());
    EXPECT_TRUE(rec.sounds.empty());
    state.MutableGame().SetLocation(9, 8, MoveMode::History, Motion::Instant());
    EXPECT_EQ(view.placed.back().left, 60);
}

TEST_F(MovesTest, TakingCardsOffAHomeCellLeavesTheCardBeneath) {
    Lay({{"KC"}}, {}, {"2D"});
    state.MutableGame().SetLocation(206, 8, MoveMode::History, Motion::Instant());
    EXPECT_EQ(At(206), Card("AD"));
    state.MutableGame().SetLocation(206, 16, MoveMode::History, Motion::Instant());
    EXPECT_EQ(At(206), NoCard);
}

TEST_F(MovesTest, SingleCardOntoAColumnAndIllegalTargets) {
    Lay({{"KC", "8D"}, {"9C"}, {"5H"}});
    mGame::ClickColumn(state, 0);
    EXPECT_EQ(state.SelectedLocation, 8);
    mGame::ClickColumn(state, 1);
    EXPECT_EQ(At(9), Card("8D"));
    EXPECT_EQ(rec.steps, (std::vector<Step>{{8, 9, 1}}));

    mGame::ClickColumn(state, 1);
    mGame::ClickColumn(state, 2);
    EXPECT_EQ(rec.messages, (std::vector<std::string>{"That move is not Allowed"}));
    EXPECT_EQ(state.SelectedLocation, -1);

    options.showMessages = 0;
    mGame::ClickColumn(state, 1);
    mGame::ClickColumn(state, 2);
    EXPECT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(state.SelectedLocation, 9);
}

TEST_F(MovesTest, PressingTheSelectedColumnAgainDeselects) {
    Lay({{"KC", "QD", "JC"}});
    mGame::ClickColumn(state, 16);
    mGame::ClickColumn(state, 0); // another card of the same column
    EXPECT_EQ(state.SelectedLocation, -1);
    EXPECT_TRUE(rec.steps.empty());
}

TEST_F(MovesTest, FreeCellCardsSelectAndDeselect) {
    Lay({{"KC"}}, {"5H", "6H"});
    mPics::PressCard(state, 200);
    EXPECT_EQ(state.SelectedLocation, 200);
    mPics::PressCard(state, 201); // another card selected: nothing
    EXPECT_EQ(state.SelectedLocation, 200);
    mPics::PressCard(state, 200);
    EXPECT_EQ(state.SelectedLocation, -1);
}

TEST_F(MovesTest, AnySelectedCardGoesIntoAnEmptyFreeCellByClicking) {
    Lay({{"KC"}}, {"5H"});
    mPics::PressCard(state, 200);
    mPics::ClickFreeCellFrame(state, 3);
    EXPECT_EQ(At(203), Card("5H"));
    EXPECT_EQ(rec.steps, (std::vector<Step>{{200, 203, -1}}));
    mPics::ClickFreeCellFrame(state, 1); // nothing selected
    EXPECT_EQ(rec.steps.size(), 1u);
}

// The frames of free cells are clickable whenever the cards are hidden (after Close Game):
// a card must never be put onto another, or onto its own place, by a frame click.
TEST_F(MovesTest, AFrameClickNeverCoversACard) {
    Lay({{"KC"}}, {"5H", "6H"});
    mPics::PressCard(state, 200);
    mPics::ClickFreeCellFrame(state, 0); // its own cell
    mPics::ClickFreeCellFrame(state, 1); // another card's cell
    EXPECT_EQ(At(200), Card("5H"));
    EXPECT_EQ(At(201), Card("6H"));
    EXPECT_TRUE(rec.steps.empty());

    state.GameStarted = false;
    mPics::ClickFreeCellFrame(state, 2); // an empty cell, but no game in play
    EXPECT_EQ(At(202), NoCard);
    EXPECT_TRUE(rec.steps.empty());
}

TEST_F(MovesTest, HomeCellClicksTakeOnlyTheNextCardOfTheSuit) {
    Lay({{"KC", "3D"}, {"KS", "3H"}}, {}, {"2D", "2H", "2C", "2S"});
    mGame::ClickColumn(state, 1); // selects 3H
    mPics::PressCard(state, 206); // diamonds: no
    EXPECT_EQ(state.SelectedLocation, 9);
    mPics::PressCard(state, 208);
    EXPECT_EQ(At(208), Card("3H"));
    EXPECT_EQ(rec.steps.front(), (Step{9, 208, -1}));
}

TEST_F(MovesTest, DoubleClickSendsTheExposedCardToTheFirstEmptyFreeCell) {
    Lay({{"KC", "QD"}}, {"-", "5H", "-", "6H"});
    mPics::DoubleClickCard(state, 0);
    EXPECT_EQ(At(200), Card("QD"));
    EXPECT_EQ(rec.steps, (std::vector<Step>{{8, 200, 1}}));
    options.allowDoubleClick = 0;
    mPics::DoubleClickCard(state, 0);
    EXPECT_EQ(At(202), NoCard);
}

TEST_F(MovesTest, TableSurfacePressesFindColumnsOnlyInsideTheirBand) {
    Lay({{"KC"}, {"QD"}, {}}, {"JC"});
    mPics::PressTable(state, 700, 1700); // column A
    EXPECT_EQ(state.SelectedLocation, 0);
    mPics::PressTable(state, 700, 1700);
    mPics::PressTable(state, 1260, 1700); // border: nothing
    EXPECT_EQ(state.SelectedLocation, -1);
    mPics::PressTable(state, 700, 1659); // above the columns
    EXPECT_EQ(state.SelectedLocation, -1);

    mPics::PressCard(state, 200);
    mPics::PressTable(state, 2 * 1200 + 600, 1800); // empty column C, single card
    EXPECT_EQ(At(2), Card("JC"));
    EXPECT_EQ(rec.steps.back(), (Step{200, 2, 1}));

    state.GameStarted = false;
    mPics::PressTable(state, 700, 1700);
    EXPECT_EQ(state.SelectedLocation, -1);
}

using MovesDeathTest = MovesTest;

TEST_F(MovesDeathTest, ACardMovedOntoItsOwnLocationIsAProgrammingError) {
#ifdef NDEBUG
    GTEST_SKIP() << "asserts are compiled out";
#else
    Lay({{"KC"}}, {"9C"});
    EXPECT_DEATH(
        state.MutableGame().SetLocation(200, 200, MoveMode::First, {.steps = 0, .animate = false}),
        "own location");
    EXPECT_DEATH(
        state.MutableGame().SetLocation(0, 0, MoveMode::History, {.steps = 0, .animate = false}),
        "own location");
#endif
}

} // namespace
} // namespace velmora::test
