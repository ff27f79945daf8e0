#include "engine/mCheck.h"
#include "engine/mPics.h"

#include "support/EngineFixture.h"

namespace velmora::test {
namespace {

class RunsTest : public EngineFixture {
protected:
    /// Column 0 ends in `run` under KC, column 1 in `target` under KH; column 6 and free cells
    /// 2 and 3 are empty, and no other card takes anything.
    void LayRun(std::vector<std::string> run, const std::string& target) {
        run.insert(run.begin(), "KC");
        Lay({run, {"KH", target}, {"QC"}, {"QS"}, {"JC"}, {"JS"}, {}, {"QH"}},
            {"2H", "-", "-", "3H"});
    }
};

TEST_F(RunsTest, RunOfFiveTakesThirteenStepsThroughTwoFreeCellsAndOneColumn) {
    LayRun({"9S", "8H", "7C", "6D", "5S"}, "TD");
    EXPECT_EQ(mGame::GetFreeSpace(state), 5);
    mGame::ClickColumn(state, 0);
    mGame::ClickColumn(state, 1);
    const Location c1 = 40, c2 = 32, c3 = 24, c4 = 16, c5 = 8;
    const std::vector<Step> expected{{c1, 201, 1}, {c2, 202, 2}, {c3, 6, 2},  {202, 14, 2},
                                     {201, 22, 2}, {c4, 201, 2}, {c5, 17, 2}, {201, 25, 2},
                                     {22, 201, 2}, {14, 202, 2}, {6, 33, 2},  {202, 41, 2},
                                     {201, 49, 2}};
    EXPECT_EQ(rec.steps, expected);
    EXPECT_EQ(Total(6), 0);
    EXPECT_EQ(At(49), Card("5S"));
    EXPECT_EQ(At(201), NoCard);
    EXPECT_EQ(At(202), NoCard);
}

TEST_F(RunsTest, RunLongerThanTheFreeSpaceIsRefusedWithTheTwoLineMessage) {
    LayRun({"TS", "9H", "8C", "7D", "6S", "5H", "4C"}, "JD");
    mGame::ClickColumn(state, 0);
    mGame::ClickColumn(state, 1);
    EXPECT_TRUE(rec.steps.empty());
    EXPECT_EQ(state.SelectedLocation, -1);
    EXPECT_EQ(rec.messages,
              (std::vector<std::string>{"That Move requirs moving 7 Cards.\r\nYou only have "
                                        "enough free space to move 6."}));
}

TEST_F(RunsTest, WithNoFreeSpaceOnlySingleCardsMove) {
    Lay({{"KC", "9S", "8H"}, {"KH", "TD"}, {"9C"}, {"QS"}, {"JC"}, {"JS"}, {"QD"}, {"QH"}},
        {"2H", "3H", "4H", "5H"});
    mGame::ClickColumn(state, 0);
    mGame::ClickColumn(state, 1);
    EXPECT_TRUE(rec.steps.empty());
    EXPECT_EQ(rec.messages.size(), 1u);
    mGame::ClickColumn(state, 0);
    mGame::ClickColumn(state, 2);
    EXPECT_EQ(rec.steps, (std::vector<Step>{{16, 10, 1}}));
}

TEST_F(RunsTest, RunWithoutFreeCellsUsesEmptyColumnsAndItsFirstStepIsCounted) {
    Lay({{"KC", "9S", "8H", "7C"}, {"KH", "TD"}, {"QC"}, {"QS"}, {"JC"}, {}, {}, {"QH"}},
        {"2H", "3H", "4H", "5H"});
    mGame::ClickColumn(state, 0);
    mGame::ClickColumn(state, 1);
    const std::vector<Step> expected{{24, 5, 1}, {16, 6, 2}, {8, 17, 2}, {6, 25, 2}, {5, 33, 2}};
    EXPECT_EQ(rec.steps, expected);
    EXPECT_EQ(Total(5) + Total(6), 0);
    EXPECT_EQ(Total(1), 5);
}

class EmptyColumnQuestion : public RunsTest {
protected:
    // Column 0 ends in the run 9S 8H 7C 6D 5S; one free cell; columns 5 and 6 empty.
    void SetUp() override {
        Lay({{"KC", "9S", "8H", "7C", "6D", "5S"}, {"KH"}, {"QC"}, {"QS"}, {"JC"}, {}, {}, {"QH"}},
            {"2H", "3H", "-", "5H"});
        mGame::ClickColumn(state, 0);
    }
};

TEST_F(EmptyColumnQuestion, MoveColumnMovesTheLowestCardsTheLimitAllowsNeverParkingOnTarget) {
    rec.answer = EmptyColumnChoice::Column;
    mPics::PressTable(state, 5 * 1200 + 600, 2000);
    EXPECT_EQ(rec.questions, (std::vector<int>{5}));
    // limit = 2 empty columns * (1 free cell + 1) = 4 of the 5 cards.
    EXPECT_EQ(Total(5), 4);
    EXPECT_EQ(At(5), Card("8H"));
    EXPECT_EQ(Total(6), 0);
    EXPECT_EQ(Total(0), 2);
    EXPECT_EQ(rec.steps.front().mode, 1);
    // The parking column is 6, never the target 5.
    EXPECT_EQ(rec.steps[1].to, 6);
    for (std::size_t i = 1; i < rec.steps.size(); ++i) {
        EXPECT_EQ(rec.steps[i].mode, 2);
    }
}

TEST_F(EmptyColumnQuestion, SingleAndCancel) {
    rec.answer = EmptyColumnChoice::Single;
    mPics::PressTable(state, 6 * 1200 + 600, 2000);
    EXPECT_EQ(rec.steps, (std::vector<Step>{{40, 6, 1}}));

    mGame::ClickColumn(state, 0);
    rec.answer = EmptyColumnChoice::Cancel;
    mPics::PressTable(state, 5 * 1200 + 600, 2000);
    EXPECT_EQ(rec.steps.size(), 1u);
    EXPECT_EQ(state.SelectedLocation, -1);
}

TEST_F(RunsTest, CountMovableAndSequenceLength) {
    Lay({{"KC", "9S", "8H", "7C"}, {"TD"}, {"9C"}, {"8C"}});
    EXPECT_EQ(mCheck::CountMovable(state, 24, 1), 3);
    EXPECT_EQ(mCheck::CountMovable(state, 24, 2), 2);
    EXPECT_EQ(mCheck::CountMovable(state, 24, 3), -1);
    EXPECT_EQ(mCheck::CountMovable(state, 24, 4), -1); // empty column
    EXPECT_EQ(mCheck::SequenceLength(state, 24), 2);
    EXPECT_EQ(mCheck::SequenceLength(state, 1), -1);
}

} // namespace
} // namespace velmora::test
