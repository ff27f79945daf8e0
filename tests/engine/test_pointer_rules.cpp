#include "engine/PointerRules.h"
#include "engine/mPics.h"

#include "support/EngineFixture.h"

namespace velmora::test {
namespace {

using PointerRules::PressWarning;

// Column 0 ends in the run 9C 8H 7S (7S selected); column 1 takes the whole run, column 2 the
// 7S alone, column 3 nothing of it. No column is empty.
class TargetRule : public EngineFixture {
protected:
    void LayRun(std::vector<std::string> freeCells) {
        Lay({{"KH", "9C", "8H", "7S"}, {"TD"}, {"8D"}, {"KC"}, {"KD"}, {"KS"}, {"QC"}, {"QS"}},
            std::move(freeCells));
        mGame::SelectLocation(state, 3 * 8);
    }
    bool Target(int column) const {
        return PointerRules::IsTarget(state, state.Game().GetBottomCardLocation(column));
    }
};

// Catches the rank condition dropped or made `k > 1`, and the free-space condition made `>`.
TEST_F(TargetRule, TheSelectedRunMustFitAndTheFreeSpaceCarryIt) {
    LayRun({"JC", "JD", "JS", "JH"});
    EXPECT_TRUE(Target(2)) << "one card needs no free space";
    EXPECT_FALSE(Target(3)) << "nothing of the run fits a king";
    EXPECT_FALSE(Target(1)) << "a run of three with no free space";

    LayRun({"JC", "-", "JS", "JH"});
    EXPECT_FALSE(Target(1)) << "a run of three with a free space of one";
    LayRun({"-", "-", "JS", "JH"});
    EXPECT_TRUE(Target(1)) << "a run of three with a free space of two";
    EXPECT_FALSE(Target(3));
}

TEST_F(TargetRule, NoTargetWithoutASelectionOrAGame) {
    LayRun({"-", "-", "-", "-"});
    mGame::ClearSelection(state);
    EXPECT_FALSE(Target(2));
    mGame::SelectLocation(state, 3 * 8);
    state.GameStarted = false;
    EXPECT_FALSE(Target(2));
    EXPECT_FALSE(PointerRules::IsTarget(state, NoLocation));
}

class PressWarningTest : public EngineFixture {
protected:
    // Kings, fives and sevens exposed, the free cells full of cards nothing takes: no move
    // left. With `oneMove` a free cell holds the 6D, which fits the 7C only.
    void LayBlocked(bool oneMove) {
        Lay({{"KC"}, {"KD"}, {"KS"}, {"KH"}, {"5C"}, {"5S"}, {"7C"}, {"8C"}},
            {"2C", "2S", "9C", oneMove ? "6D" : "9S"});
    }
};

// Catches `== 0` made `<= 1` (one move would flash like none) and `== 1` made `>= 1`.
TEST_F(PressWarningTest, NoMoveFlashesLongOneMoveShortMoreNotAtAll) {
    const PressWarning none{.interval = 100, .ticks = 7, .sound = SoundZeroPossibleMove};
    const PressWarning one{.interval = 300, .ticks = 2, .sound = SoundOnePossibleMove};
    EXPECT_EQ(PointerRules::WarningForPossibleMoves(0), none);
    EXPECT_EQ(PointerRules::WarningForPossibleMoves(1), one);
    EXPECT_EQ(PointerRules::WarningForPossibleMoves(2), std::nullopt);

    LayBlocked(false);
    ASSERT_EQ(state.Game().GetPossibleMoves(), 0);
    EXPECT_EQ(PointerRules::WarningForPress(state, true), none);
    LayBlocked(true);
    ASSERT_EQ(state.Game().GetPossibleMoves(), 1);
    EXPECT_EQ(PointerRules::WarningForPress(state, true), one);
}

TEST_F(PressWarningTest, NoWarningWithFlashingOffASelectionOrNoGame) {
    LayBlocked(false);
    EXPECT_EQ(PointerRules::WarningForPress(state, false), std::nullopt);
    mGame::SelectLocation(state, 6);
    EXPECT_EQ(PointerRules::WarningForPress(state, true), std::nullopt);
    mGame::ClearSelection(state);
    state.GameStarted = false;
    EXPECT_EQ(PointerRules::WarningForPress(state, true), std::nullopt);
}

// Catches `>` made `>=`: a flash of 7 ticks inverts the title 8 times.
TEST(FlashEnds, OneTickMoreThanAsked) {
    EXPECT_FALSE(PointerRules::FlashEnds(7, 7));
    EXPECT_TRUE(PointerRules::FlashEnds(8, 7));
}

using PlacesTest = EngineFixture;

// A full row of free cells or no usable empty column is reported, not a location 0 that
// names the top slot of column 0.
TEST_F(PlacesTest, MovesThatFindNoPlaceSayNoAndMoveNothing) {
    Lay({{"KC", "QD"}, {"KD"}}, {"2C", "2S", "9C", "9S"});
    EXPECT_EQ(mPics::SendToFreeSlot(state, 8, MoveMode::First), std::nullopt);
    EXPECT_EQ(At(8), Card("QD"));

    Lay({{"KC", "QD"}, {"KD"}, {"KS"}, {"KH"}, {"QC"}, {"QS"}, {"JC"}, {}});
    EXPECT_EQ(mPics::MoveToFirstEmptyColumn(state, 8, 7, MoveMode::Follow), std::nullopt);
    EXPECT_EQ(At(8), Card("QD"));
    EXPECT_TRUE(rec.steps.empty());

    EXPECT_EQ(mPics::MoveToTarget(state, 8, NoLocation, -1), std::optional<Location>(7));
    EXPECT_EQ(At(7), Card("QD"));
    Lay({{"KC", "QD"}}, {"2C", "-", "9C", "-"});
    EXPECT_EQ(mPics::SendToFreeSlot(state, 8, MoveMode::First), std::optional<Location>(201));
}

using PreconditionDeathTest = EngineFixture;

TEST_F(PreconditionDeathTest, MovingFromAnEmptyPlaceOrAFifthFreeCellIsAProgrammingError) {
#ifdef NDEBUG
    GTEST_SKIP() << "asserts are compiled out";
#else
    Lay({{"KC"}});
    EXPECT_DEATH(state.MutableGame().SetLocation(1, 200, MoveMode::First), "no card");
    mGame::SelectLocation(state, 0);
    EXPECT_DEATH(mPics::ClickFreeCellFrame(state, 4), "four free cells");
#endif
}

} // namespace
} // namespace velmora::test
