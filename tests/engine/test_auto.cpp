#include "engine/mCheck.h"
#include "engine/mPics.h"
#include "engine/mRight.h"

#include "support/EngineFixture.h"

namespace velmora::test {
namespace {

using AutoTest = EngineFixture;

TEST_F(AutoTest, CardsGoHomeOnlyWhenBothOtherColourPilesAreCloseEnough) {
    // 3C waits while a red pile is empty, whatever the black piles show.
    Lay({{"KD", "3C"}}, {}, {"2C", "2H", "KS"});
    mRight::AutoMoveToHome(state);
    EXPECT_EQ(At(8), Card("3C"));
    // With both red piles at ace it still waits: a red 2 may yet need it.
    Lay({{"KD", "3C"}}, {}, {"2C", "AH", "AD"});
    mRight::AutoMoveToHome(state);
    EXPECT_EQ(At(8), Card("3C"));
    // With both red piles at 2 it goes.
    Lay({{"KD", "3C"}}, {}, {"2C", "2H", "2D"});
    mRight::AutoMoveToHome(state);
    EXPECT_EQ(At(205), Card("3C"));
    EXPECT_EQ(rec.steps.back(), (Step{8, 205, 2}));
}

TEST_F(AutoTest, AnExposedAceWaitsForTheFirstPlayerMoveThenGoes) {
    Lay({{"KC", "AH"}, {"QD"}, {"JS"}});
    EXPECT_EQ(At(8), Card("AH"));
    mGame::ClickColumn(state, 2);
    mGame::ClickColumn(state, 1); // JS onto QD
    EXPECT_EQ(rec.steps, (std::vector<Step>{{2, 9, 1}, {8, 208, 2}}));
}

// Aces always go and twos follow their ace.
TEST_F(AutoTest, NestedPassesRestartFromColumnZero) {
    // Moving AC home frees 2C in column 0, which goes in the nested pass before column 2 is seen.
    Lay({{"KD", "2C"}, {"KS", "AC"}, {"AD"}});
    mRight::AutoMoveToHome(state);
    const std::vector<Step> expected{{9, 205, 2}, {8, 205, 2}, {2, 206, 2}};
    EXPECT_EQ(rec.steps, expected);
    EXPECT_EQ(At(205), Card("2C"));
}

TEST_F(AutoTest, LastCardHomeNotifiesTheWinOnce) {
    Lay({{"KD"}}, {}, {"KC", "QD", "KS", "KH"});
    mRight::AutoMoveToHome(state);
    mRight::AutoMoveToHome(state);
    EXPECT_EQ(rec.wins, 1);

    mGame::StartGame(state, 1, false);
    Lay({{"KD"}}, {}, {"KC", "QD", "KS", "KH"});
    state.Finished = true;
    mRight::AutoMoveToHome(state);
    EXPECT_EQ(rec.wins, 1);
}

TEST_F(AutoTest, PossibleMovesCountEmptyCellsFittingCardsAndHomeMoves) {
    state.GameStarted = false;
    EXPECT_EQ(state.Game().GetPossibleMoves(), 0);
    state.GameStarted = true;

    // Two empty free cells, no empty column, nothing fits (every exposed card is black).
    Lay({{"KC"}, {"KS"}, {"QC"}, {"QS"}, {"JC"}, {"JS"}, {"TC"}, {"TS", "5C"}}, {"9C", "9S"});
    EXPECT_EQ(state.Game().GetPossibleMoves(), 2);
    // A column whose exposed card could go home counts one more.
    Lay({{"KC"}, {"KS"}, {"QC"}, {"QS"}, {"JC"}, {"JS"}, {"TC"}, {"TS", "5C"}}, {"9C", "9S"},
        {"4C"});
    EXPECT_EQ(state.Game().GetPossibleMoves(), 3);
    // A free-cell card fitting a column counts once for that column.
    Lay({{"KC"}, {"KS"}, {"QC"}, {"QS"}, {"JC"}, {"JS"}, {"TC"}, {"8S"}}, {"9D", "9H"});
    EXPECT_EQ(state.Game().GetPossibleMoves(), 3);
}

TEST_F(AutoTest, ColumnMovesCountOnlyCardsThatDoNotContinueARun) {
    // 9C fits on TH (column 7), but it continues the run TD 9C in column 0.
    Lay({{"TD", "9C"}, {"KC"}, {"KS"}, {"8C"}, {"8S"}, {"6C"}, {"6S"}, {"TH"}},
        {"2C", "3C", "4C", "5C"});
    EXPECT_EQ(state.Game().GetPossibleMoves(), 0);
    Lay({{"JS", "9C"}, {"KC"}, {"KS"}, {"8C"}, {"8S"}, {"6C"}, {"6S"}, {"TH"}},
        {"2C", "3C", "4C", "5C"});
    EXPECT_EQ(state.Game().GetPossibleMoves(), 1);
}

} // namespace
} // namespace velmora::test
