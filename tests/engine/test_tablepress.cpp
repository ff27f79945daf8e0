// The press alphabet: which table press each key stands for.

#include "support/EngineFixture.h"

#include "engine/TablePress.h"
#include "engine/mPics.h"

using namespace velmora;
using namespace velmora::test;

namespace {
using Kind = TablePress::Kind;
} // namespace

TEST_F(EngineFixture, PressForKeyFollowsTheCompanionsAlphabet) {
    // A: two cards, B: one, C..H empty; free cells 2 and 4 and home cell 6 hold a card.
    Lay({{"KS", "JC"}, {"9D"}}, {"-", "5H", "-", "7C"}, {"AD"});
    auto key = [this](char k, bool shift = false) { return PressForKey(state.Game(), k, shift); };
    EXPECT_EQ(key('A'), (TablePress{.kind = Kind::Card, .card = Card("JC")}));
    EXPECT_EQ(key('B', true), (TablePress{.kind = Kind::DoubleClick, .card = Card("9D")}));
    EXPECT_EQ(key('C', true), TablePress{}) << "no card to double-click";
    EXPECT_EQ(key('1'), (TablePress{.kind = Kind::FreeCellFrame, .index = 0}));
    EXPECT_EQ(key('4'), (TablePress{.kind = Kind::Card, .card = Card("7C")}));
    EXPECT_EQ(key('5'), TablePress{}) << "an empty home cell reacts to nothing";
    EXPECT_EQ(key('6'), (TablePress{.kind = Kind::Card, .card = Card("AD")}));
    EXPECT_EQ(key(EscapeKey), TablePress{.kind = Kind::ClearSelection});
    for (const char outside : {'I', '0', '9', 'a'}) {
        EXPECT_EQ(key(outside), TablePress{}) << outside;
    }
    EXPECT_EQ(key('2', true), TablePress{}) << "Shift goes with letters only";

    // An empty column is pressed inside its own band, below the column top.
    for (int column = 2; column < ColumnCount; ++column) {
        const TablePress press = key(static_cast<char>('A' + column));
        ASSERT_EQ(press.kind, Kind::Table) << column;
        EXPECT_GT(press.x, column * ColumnPitch + 60) << column;
        EXPECT_LT(press.x, (column + 1) * ColumnPitch + 60) << column;
        EXPECT_GE(press.y, ColumnTop) << column;
    }
    mGame::SelectLocation(state, 1); // 9D
    const TablePress d = key('D');
    mPics::PressTable(state, d.x, d.y);
    EXPECT_EQ(At(3), Card("9D")) << "the table press takes the selected card there";
}
