#include "support/TempHome.h"

#include "engine/GameState.h"
#include "engine/cGame.h"
#include "library/GeneralDate.h"
#include "library/cSave.h"
#include "scores/cTime.h"

using namespace velmora;
using namespace velmora::test;

namespace {

class TimeTest : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        save = std::make_unique<cSave>(*store, folders, clock);
        time = std::make_unique<cTime>(state, *save, clock);
    }
    /// A board with `home` cards on the home cells and the rest in the columns.
    void Board(int home) {
        state.NewBoard();
        state.GameStarted = true;
        for (CardIndex card = 0; card < CardCount; ++card) {
            const Location loc = card < home ? static_cast<Location>(FirstHomeCell + card / 13)
                                             : static_cast<Location>(card);
            state.MutableGame().init(loc, card);
        }
    }

    GameState state;
    std::unique_ptr<cSave> save;
    std::unique_ptr<cTime> time;
};

TEST_F(TimeTest, CardFiguresFollowTheHomeCells) {
    EXPECT_EQ(time->GetCardLeft(), 0);
    EXPECT_EQ(time->GetGamePercentage(), 100);
    Board(26);
    EXPECT_EQ(time->GetCardLeft(), 26);
    EXPECT_EQ(time->GetGamePercentage(), 50);
    Board(1);
    EXPECT_EQ(time->GetGamePercentage(), 2);
    Board(0);
    EXPECT_EQ(time->GetCardLeft(), 52);
    EXPECT_EQ(time->GetGamePercentage(), 0);
    Board(52);
    EXPECT_EQ(time->GetGamePercentage(), 100);
    state.GameStarted = false;
    EXPECT_EQ(time->GetCardLeft(), 0);
}

TEST_F(TimeTest, GameTimeAddsTheResumedSecondsOnlyWhileUnfinished) {
    save->GameStartTime(clock.now);
    clock.Advance(90);
    EXPECT_EQ(time->GetGameTime(), 90);
    save->LastGameTime(40000);
    EXPECT_EQ(time->GetGameTime(), 90);
    save->Unfinished(true);
    EXPECT_EQ(time->GetGameTime(), 40090);
    EXPECT_EQ(time->LastGoodGameTime(), 40090);
}

TEST_F(TimeTest, ADayLongGameRestartsItsCount) {
    save->GameStartTime(clock.now);
    clock.Advance(86400);
    EXPECT_EQ(time->GetGameTime(), 86400);
    clock.Advance(1);
    EXPECT_EQ(time->GetGameTime(), 86401);
    EXPECT_EQ(save->GameStartTime(), GeneralDate::Format(clock.now));
    EXPECT_EQ(save->LastGameTime(), 86400);
    clock.Advance(3);
    EXPECT_EQ(time->GetGameTime(), 3);
    save->Unfinished(true);
    EXPECT_EQ(time->GetGameTime(), 86403);
}

TEST_F(TimeTest, AClockThatGoesBackRestartsTheCounts) {
    save->GameStartTime(clock.now);
    save->SessionStart(clock.now);
    clock.Advance(20);
    EXPECT_EQ(time->GetGameTime(), 20);
    EXPECT_EQ(time->GetSessionTime(), 20);
    clock.Advance(-60);
    EXPECT_EQ(time->GetGameTime(), -40);
    EXPECT_EQ(time->GetSessionTime(), -40);
    EXPECT_EQ(save->LastGameTime(), 20);
    clock.Advance(5);
    EXPECT_EQ(time->GetGameTime(), 5);
    EXPECT_EQ(time->GetSessionTime(), 5);
}

} // namespace
