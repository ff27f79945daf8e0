#include "history/GameFile.h"
#include "history/GameSession.h"

#include "HistoryFixture.h"
#include "support/FileSizeLimit.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

class TempDir {
public:
    TempDir() {
        m_path =
            fs::temp_directory_path() /
            ("velmora-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TempDir() { fs::remove_all(m_path); }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    fs::path m_path;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(GameFileFormat, NumbersCarryASpaceOrAMinusSignAndATrailingSpace) {
    const std::vector<TransRecord> records{{17, 201, 1, 1}, {9, 205, 2, 1}, {201, 202, -1, 1}};
    EXPECT_EQ(GameFile::Format(12345, records),
              " 12345 \r\n 17  201  1  1 \r\n 9  205  2  1 \r\n 201  202 -1  1 \r\n");
    EXPECT_EQ(GameFile::Format(0, {}), " 0 \r\n");
}

TEST(GameFileReader, AcceptsLineFeedsCommasAndBlanks) {
    // Game 12345: column 7's exposed card JC (location 47) may go to a free cell.
    auto game = GameFile::Parse("12345\n47,200,1,1\n\n", "x.vlg");
    ASSERT_TRUE(game) << game.error().message;
    EXPECT_EQ(game->gameNumber, 12345);
    ASSERT_EQ(game->records.size(), 1u);
    EXPECT_EQ(game->records[0], (TransRecord{47, 200, 1, 1}));
}

struct Rejection {
    const char* text;
    const char* why;
};

class GameFileRejects : public ::testing::TestWithParam<Rejection> {};

TEST_P(GameFileRejects, NamesTheFileAndTheLine) {
    auto game = GameFile::Parse(GetParam().text, "bad.vlg");
    ASSERT_FALSE(game);
    EXPECT_NE(game.error().message.find("\"bad.vlg\""), std::string::npos);
    EXPECT_NE(game.error().message.find(GetParam().why), std::string::npos) << game.error().message;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GameFileRejects,
    ::testing::Values(Rejection{"", "(line 1): there is no game number"},
                      Rejection{" 12x45 \r\n", "(line 1): \"12x45\" is not a number"},
                      Rejection{" 3240001 \r\n", "(line 1): the game number 3240001"},
                      Rejection{" -1 \r\n", "(line 1): the game number -1"},
                      Rejection{" 12345 \r\n 39  200  1 \r\n", "(line 2): the last record is cut"},
                      Rejection{" 12345 \r\n 47  200  1  1 \r\n 170  201  1  2 \r\n",
                                "(line 3): the source 170 is not a card location"},
                      Rejection{" 12345 \r\n 47  204  1  1 \r\n", "(line 2): the target 204"},
                      Rejection{" 12345 \r\n 200  201  1  1 \r\n",
                                "(line 2): the source 200 holds no card"},
                      Rejection{" 12345 \r\n 39  200  1  1 \r\n", "not the last card"},
                      Rejection{" 12345 \r\n 47  46  1  1 \r\n", "the target 46 is occupied"},
                      Rejection{" 12345 \r\n 47  55  1  1 \r\n", "not the slot below"},
                      Rejection{" 12345 \r\n 47  200  1  1 \r\n 46  200  1  2 \r\n",
                                "(line 3): the free cell 200 is occupied"},
                      Rejection{" 12345 \r\n 47  205  1  1 \r\n", "home cell 205"},
                      Rejection{" 1 \r\n 51  51  1  1 \r\n 51  200  1  2 \r\n",
                                "(line 2): the source and the target are both 51."},
                      Rejection{" 1 \r\n 51  200  1  1 \r\n 200  200  1  2 \r\n",
                                "(line 3): the source and the target are both 200."},
                      Rejection{" 1 \r\n 208  208  1  1 \r\n", "both 208."},
                      Rejection{" 12345 \r\n 47  200  1  99999 \r\n", "out of range"}));

class SavedGames : public HistoryFixture {
protected:
    TempDir dir;
};

TEST_F(SavedGames, AnIncompleteSaveStopsAtTheCursorAFinishedOneKeepsEverything) {
    Lay({{"KC"}}, {"9C"});
    state.GameNumber = 77;
    Move(200, 201, 1);
    Move(201, 202, 1);
    Move(202, 203, 1);
    trans.Undo(1);
    ASSERT_TRUE(trans.SaveToFile(dir.File("a.vlg")));
    EXPECT_EQ(Slurp(dir.File("a.vlg")), " 77 \r\n 200  201  1  1 \r\n 201  202  1  2 \r\n");

    trans.UndoAll(1);
    state.Finished = true;
    ASSERT_TRUE(trans.SaveToFile(dir.File("a.v2k")));
    EXPECT_EQ(Slurp(dir.File("a.v2k")),
              " 77 \r\n 200  201  1  1 \r\n 201  202  1  2 \r\n 202  203  1  3 \r\n");
}

TEST_F(SavedGames, AFailedWriteIsReportedAndKeepsTheOldFile) {
    Lay({{"KC"}}, {"9C"});
    Move(200, 201, 1);
    Write(dir.File("keep.vlg"), "old");
    {
        FileSizeLimit full(8); // the disk fills up in the middle of the file
        auto saved = trans.SaveToFile(dir.File("keep.vlg"));
        ASSERT_FALSE(saved);
        EXPECT_EQ(saved.error().message,
                  "The file \"" + dir.File("keep.vlg") + "\" cannot be written: file too large.");
    }
    EXPECT_EQ(Slurp(dir.File("keep.vlg")), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("")), fs::directory_iterator()), 1);
}

TEST(GameFileReader, ALongGameFitsAndAHugeFileOrTokenIsRefusedBriefly) {
    // Game 1: JC (location 47) to a free cell, then back and forth up to the largest move number.
    std::string text = " 1 \r\n 47  200  1  1 \r\n";
    for (int i = 2; i <= 32767; ++i) {
        text += i % 2 == 0 ? " 200  201  1 " : " 201  200  1 ";
        text += std::to_string(i) + " \r\n";
    }
    ASSERT_LT(text.size(), 1'000'000u);
    auto game = GameFile::Parse(text, "long.vlg");
    ASSERT_TRUE(game) << game.error().message;
    EXPECT_EQ(game->records.size(), 32767u);

    // A token of a megabyte is refused as soon as it is too long for a number, quoted short.
    auto token = GameFile::Parse(" 1 \r\n 4" + std::string(1'000'000, '7') + "\x01 \r\n", "t.vlg");
    ASSERT_FALSE(token);
    EXPECT_EQ(token.error().message, "The file \"t.vlg\" is not a valid saved game (line 2): \"4" +
                                         std::string(31, '7') + "...\" is not a number.");
    EXPECT_EQ(GameFile::Parse(" 1\x02x ", "c.vlg").error().message,
              "The file \"c.vlg\" is not a valid saved game (line 1): \"1?x\" is not a number.");
}

TEST(GameFileReader, OnlyRegularFilesOfAPlausibleSizeAreRead) {
    TempDir dir;
    const std::string big = dir.File("big.vlg");
    std::ofstream(big) << " 1 \r\n";
    fs::resize_file(big, GameFile::MaxFileSize + 1); // sparse: no room taken
    auto refused = GameFile::Read(big);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message, "The file \"" + big +
                                           "\" is not a saved game: it is larger than 4 MB, far "
                                           "more than any game needs.");

    fs::create_directories(dir.File("folder.vlg"));
    EXPECT_EQ(GameFile::Read(dir.File("folder.vlg")).error().message,
              "The file \"" + dir.File("folder.vlg") + "\" is not a saved game: it is a folder.");
    EXPECT_EQ(GameFile::Read(dir.File("none.vlg")).error().message,
              "The file \"" + dir.File("none.vlg") + "\" does not exist.");

    // Read in pieces: records across piece boundaries come back whole.
    std::string text = " 1 \r\n 47  200  1  1 \r\n";
    for (int i = 2; i <= 5000; ++i) {
        text += i % 2 == 0 ? " 200  201  1 " : " 201  200  1 ";
        text += std::to_string(i) + " \r\n";
    }
    std::ofstream(dir.File("long.vlg"), std::ios::binary) << text;
    auto read = GameFile::Read(dir.File("long.vlg"));
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(read->records, GameFile::Parse(text, "x")->records);
    EXPECT_EQ(read->records.back(), (TransRecord{200, 201, 1, 5000}));
}

class OpenTest : public ::testing::Test {
protected:
    /// Plays a few moves of game 12345 and saves them under `name`.
    std::string SaveSample(const std::string& name) {
        GameSession session;
        session.StartGame(12345);
        GameState& s = session.State();
        mPics_Press(s, 47, 200); // JC to a free cell
        mPics_Press(s, 39, 201); // 5C to a free cell
        const std::string path = dir.File(name);
        EXPECT_TRUE(session.Trans().SaveToFile(path));
        return path;
    }
    static void mPics_Press(GameState& s, Location from, Location to) {
        s.MutableGame().SetLocation(from, to, MoveMode::First);
    }
    TempDir dir;
};

TEST_F(OpenTest, ExtensionsDecideWhatHappensAfterLoading) {
    for (const std::string ext : {".vlg", ".VLG"}) {
        std::string path = SaveSample("g" + ext);
        GameSession session;
        auto kind = session.Open(path);
        ASSERT_TRUE(kind) << kind.error().message;
        EXPECT_EQ(*kind, SavedGameKind::Incomplete);
        EXPECT_EQ(session.Trans().CurrentTrans(), session.Trans().TotalTrans());
        EXPECT_EQ(session.State().Game().GetCardIndex(200), Card("JC"));
        EXPECT_EQ(path.substr(path.size() - 5), "G.VLG"); // upper-cased in place
    }
    std::string finished = SaveSample("f.V2k");
    GameSession viewer;
    auto kind = viewer.Open(finished);
    ASSERT_TRUE(kind);
    EXPECT_EQ(*kind, SavedGameKind::Finished);
    EXPECT_EQ(viewer.Trans().CurrentTrans(), 0);
    EXPECT_EQ(finished.substr(finished.size() - 3), "V2K");

    std::string other = SaveSample("g.txt");
    GameSession plain;
    ASSERT_EQ(*plain.Open(other), SavedGameKind::Other);
    EXPECT_EQ(plain.Trans().CurrentTrans(), 0);
    EXPECT_EQ(plain.Trans().TotalTrans(), 3); // the exposed AS went home too
    EXPECT_EQ(plain.Trans().MoveCount(), 0);
    EXPECT_EQ(plain.State().Game().GetCardIndex(47), Card("JC"));
}

TEST_F(OpenTest, ARejectedFileLeavesTheGameOnTheTableUntouched) {
    GameSession session;
    session.StartGame(5);
    session.State().MutableGame().SetLocation(session.State().Game().GetBottomCardLocation(0), 200,
                                              MoveMode::First);
    const auto board = session.State().Game().Board();
    const int records = session.Trans().TotalTrans();
    Write(dir.File("bad.vlg"), " 12345 \r\n 39  200  1  1 \r\n");
    std::string path = dir.File("bad.vlg");
    EXPECT_FALSE(session.Open(path));
    std::string missing = dir.File("missing.vlg");
    auto result = session.Open(missing);
    ASSERT_FALSE(result);
    EXPECT_NE(result.error().message.find("missing.vlg"), std::string::npos);
    EXPECT_EQ(session.State().GameNumber, 5);
    EXPECT_EQ(session.State().Game().Board(), board);
    EXPECT_EQ(session.Trans().TotalTrans(), records);
    // The old history still records.
    session.State().MultiMove = true;
    session.State().MutableGame().SetLocation(200, 201, MoveMode::First);
    EXPECT_EQ(session.Trans().TotalTrans(), records + 1);
}

TEST_F(OpenTest, SaveRightAfterTheDealHoldsOnlyTheGameNumber) {
    GameSession session;
    session.StartGame(42);
    ASSERT_TRUE(session.Trans().SaveToFile(dir.File("d.vlg")));
    EXPECT_EQ(Slurp(dir.File("d.vlg")), " 42 \r\n");
    std::string path = dir.File("d.vlg");
    GameSession again;
    ASSERT_TRUE(again.Open(path));
    EXPECT_EQ(again.Trans().TotalTrans(), 0);
    EXPECT_EQ(again.State().GameNumber, 42);
}

} // namespace
} // namespace velmora::test
