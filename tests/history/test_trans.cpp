#include "HistoryFixture.h"

namespace velmora::test {
namespace {

class TransTest : public HistoryFixture {
protected:
    void SetUp() override { Lay({{"KC"}, {"KS"}, {"QC"}}, {"9C", "-", "-", "-"}); }
};

TEST_F(TransTest, EmptyHistoryRefusesUndoAndRedo) {
    EXPECT_FALSE(trans.Undo(1));
    EXPECT_FALSE(trans.Redo(1));
    EXPECT_FALSE(trans.UndoAll(1));
    EXPECT_FALSE(trans.RedoAll(1));
    EXPECT_EQ(trans.MoveID(), 0);
    EXPECT_EQ(trans.TotalTrans(), 0);
}

TEST_F(TransTest, AGroupIsUndoneNewestFirstAndRedoneOldestFirst) {
    Move(200, 201, 1);
    Move(201, 202, 2);
    Move(202, 203, 2);
    EXPECT_EQ(trans.TotalTrans(), 3);
    EXPECT_EQ(trans.Record(3).MoveNo, 1);
    rec.steps.clear();
    EXPECT_TRUE(trans.Undo(1));
    EXPECT_EQ(trans.CurrentTrans(), 0);
    EXPECT_EQ(At(200), Card("9C"));
    EXPECT_TRUE(rec.steps.empty()); // history steps are never recorded again
    EXPECT_FALSE(trans.Redo(1));    // the group put back was the last one
    EXPECT_EQ(trans.CurrentTrans(), 3);
    EXPECT_EQ(At(203), Card("9C"));
}

TEST_F(TransTest, RedoReturnsTrueOnlyWhenAnotherGroupFollows) {
    Move(200, 201, 1);
    Move(201, 202, 1);
    Move(202, 203, 1);
    trans.UndoAll(1);
    EXPECT_TRUE(trans.Redo(1));
    EXPECT_TRUE(trans.Redo(1));
    EXPECT_FALSE(trans.Redo(1));
    EXPECT_FALSE(trans.Redo(1));
}

TEST_F(TransTest, RecordingAfterUndoDiscardsTheRedoRecords) {
    Move(200, 201, 1);
    Move(201, 202, 1);
    Move(202, 203, 1);
    trans.Undo(1);
    trans.Undo(1);
    Move(201, 200, 1);
    EXPECT_EQ(trans.TotalTrans(), 2);
    EXPECT_FALSE(trans.RedoPossible());
}

TEST_F(TransTest, PossibleTestsAtTheirEdges) {
    Move(200, 201, 1);
    EXPECT_TRUE(trans.UndoPossible());
    EXPECT_FALSE(trans.UndoAllPossible());
    Move(201, 202, 1);
    EXPECT_TRUE(trans.UndoAllPossible());
    trans.Undo(1);
    EXPECT_TRUE(trans.RedoPossible());
    EXPECT_FALSE(trans.RedoAllPossible());
    trans.Undo(1);
    EXPECT_TRUE(trans.RedoAllPossible());
}

// The counter follows the record at the cursor, so numbers are never negative or reused.
TEST_F(TransTest, MoveCounterFollowsTheCursor) {
    Move(200, 201, 1);
    Move(201, 202, 1);
    trans.Undo(1);
    EXPECT_EQ(trans.MoveCount(), 1);
    trans.Redo(1);
    EXPECT_EQ(trans.MoveCount(), 2);
    Move(202, 203, 1);
    EXPECT_EQ(trans.Record(3).MoveNo, 3);

    trans.UndoAll(1);
    EXPECT_EQ(trans.MoveCount(), 0);
    trans.RedoAll(1);
    EXPECT_EQ(trans.MoveCount(), 3);
}

TEST_F(TransTest, ClickMovesAreNotCountedAndUndoingThemKeepsTheCounter) {
    Move(200, 201, 1);
    Move(201, 202, -1); // a click into an empty free cell
    EXPECT_EQ(trans.Record(2).MoveNo, 1);
    EXPECT_TRUE(trans.Undo(1));
    EXPECT_EQ(trans.MoveCount(), 1);
    EXPECT_TRUE(trans.Undo(1));
    EXPECT_EQ(trans.MoveCount(), 0);
    trans.Redo(1);
    Move(201, 203, 1);
    EXPECT_EQ(trans.Record(2).MoveNo, 2);
}

TEST_F(TransTest, VeryLongHistoriesKeepEveryRecord) {
    for (int i = 0; i < 40000; ++i) {
        Move(static_cast<Location>(200 + i % 4), static_cast<Location>(200 + (i + 1) % 4), 1);
    }
    EXPECT_EQ(trans.TotalTrans(), 40000);
    EXPECT_EQ(trans.Record(1).SrcLoc, 200);
    EXPECT_EQ(trans.Record(101).MoveNo, 101);
    EXPECT_EQ(trans.Record(40000).MoveNo, cTrans::MaxMoveNo);
    EXPECT_TRUE(trans.Undo(1));
    EXPECT_EQ(trans.CurrentTrans(), 39999);
}

class SnapshotTest : public TransTest {
protected:
    void SetUp() override {
        TransTest::SetUp();
        for (int i = 0; i < 10; ++i) {
            Move(static_cast<Location>(200 + i % 4), static_cast<Location>(200 + (i + 1) % 4), 1);
            if (i == 6) {
                Move(static_cast<Location>(200 + (i + 1) % 4),
                     static_cast<Location>(200 + (i + 2) % 4), 2);
                Move(static_cast<Location>(200 + (i + 2) % 4),
                     static_cast<Location>(200 + (i + 1) % 4), 2);
            }
        }
    }
};

TEST_F(SnapshotTest, GoingBackEndsOnTheLastRecordOfTheTargetMove) {
    trans.PlayNum(7);
    EXPECT_EQ(trans.MoveID(), 7);
    EXPECT_EQ(trans.CurrentTrans(), 9);
    EXPECT_EQ(trans.MoveCount(), 7);
}

TEST_F(SnapshotTest, GoingForwardEndsOnTheFirstRecordOfTheTargetMove) {
    for (int i = 0; i < 4; ++i) {
        trans.Undo(1);
    }
    EXPECT_EQ(trans.MoveID(), 6);
    trans.PlayNum(7);
    EXPECT_EQ(trans.MoveID(), 7);
    EXPECT_EQ(trans.CurrentTrans(), 7);
    trans.PlayNum(7);
    EXPECT_EQ(trans.CurrentTrans(), 7);
    trans.PlayNum(50);
    EXPECT_EQ(trans.CurrentTrans(), trans.TotalTrans());
}

TEST_F(TransTest, ReplayStepsDriveTheTimersAndStopAtTheEnds) {
    for (int i = 0; i < 5; ++i) {
        Move(static_cast<Location>(200 + i % 4), static_cast<Location>(200 + (i + 1) % 4), 1);
    }
    trans.UndoAll(1);
    trans.Replay(1);
    EXPECT_TRUE(replay.forward);
    EXPECT_TRUE(replay.stopEnabled);
    int ticks = 0;
    while (replay.forward && ticks < 10) {
        trans.ForwardStep(1);
        ++ticks;
    }
    EXPECT_EQ(ticks, 5);
    EXPECT_FALSE(replay.stopEnabled);

    trans.Replay(2);
    EXPECT_FALSE(replay.forward);
    EXPECT_TRUE(replay.backward);
    ticks = 0;
    while (replay.backward && ticks < 10) {
        trans.BackwardStep(1);
        ++ticks;
    }
    EXPECT_EQ(ticks, 6); // the first tick after the start stops it
    trans.ReplayStop();
    EXPECT_FALSE(replay.stopEnabled || replay.forward || replay.backward);
}

} // namespace
} // namespace velmora::test
