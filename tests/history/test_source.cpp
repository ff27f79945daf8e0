#include "HistoryFixture.h"

namespace velmora::test {
namespace {

using SourceTest = HistoryFixture;

TEST_F(SourceTest, LocationNames) {
    EXPECT_EQ(cTrans::LocationName(3), "D");
    EXPECT_EQ(cTrans::LocationName(167), "H");
    EXPECT_EQ(cTrans::LocationName(200), "1");
    EXPECT_EQ(cTrans::LocationName(207), "7");
    EXPECT_EQ(cTrans::LocationName(204), "");
    EXPECT_EQ(cTrans::LocationName(170), "");
}

TEST_F(SourceTest, FifteenTokensALineAllRecordsIncludingRedoable) {
    Lay({{"KC"}}, {"9C"});
    EXPECT_EQ(trans.CreateSource(), "");
    for (int i = 0; i < 16; ++i) {
        Move(static_cast<Location>(200 + i % 4), static_cast<Location>(200 + (i + 1) % 4), 1);
    }
    trans.Undo(1);
    trans.Undo(1);
    const std::string line = "12   23   34   41   ";
    const std::string expected = line + line + line + "12   23   34   \r\n" + "41   ";
    EXPECT_EQ(trans.CreateSource(), expected);
}

TEST_F(SourceTest, ColumnAndHomeTokens) {
    Lay({{"KC"}, {}, {}, {"2C"}}, {"QD"}, {"AC"});
    Move(3, 205, 1); // 2C from column D to home cell 5
    Move(200, 8, 1); // QD from free cell 1 onto column A
    EXPECT_EQ(trans.CreateSource(), "D5   1A   ");
}

} // namespace
} // namespace velmora::test
