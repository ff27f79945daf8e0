#include "Companion.h"

#include "Commands.h"
#include "engine/cGame.h"
#include "engine/mArray.h"
#include "history/GameSession.h"
#include "solver/Presses.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>

namespace velmora::test {
namespace {

struct Output {
    int status;
    std::string out;
    std::string err;
};

Output RunCli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = cli::Run(args, out, err);
    return {status, out.str(), err.str()};
}

const std::string Deal12345 = "Foundations: C-0 D-0 S-0 H-0\n"
                              "Freecells: - - - -\n"
                              ": 8S 6S TH 9H 3S 3H JH\n"
                              ": KC 8C KD TD 3C 5D 2D\n"
                              ": 7H 4H TS 8H AH QS 9C\n"
                              ": 8D 7D TC AD 9D QC AS\n"
                              ": 5S 4S 6H 7S KS 5H\n"
                              ": 2C 6D QD 7C 6C JD\n"
                              ": KH JS 2S 2H QH 9S\n"
                              ": 4D 4C AC 3D 5C JC\n";

TEST(Companion, DealPrintsThePositionBeforeAnyAutomaticMove) {
    const Output o = RunCli({"deal", "12345"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, Deal12345);
}

TEST(Companion, PlayAppliesPressesAndReportsTheFigures) {
    // H selects JC, 1 clicks the empty free cell (not counted); the exposed AS goes home.
    // D then 2: QC to free cell 2. G onto... nothing fits: the message is printed.
    const Output o = RunCli({"play", "12345", "H1", "D2", "GA", "--source"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "Message: That move is not Allowed\n"
                     "Foundations: C-0 D-0 S-A H-0\n"
                     "Freecells: JC QC - -\n"
                     ": 8S 6S TH 9H 3S 3H JH\n"
                     ": KC 8C KD TD 3C 5D 2D\n"
                     ": 7H 4H TS 8H AH QS 9C\n"
                     ": 8D 7D TC AD 9D\n"
                     ": 5S 4S 6H 7S KS 5H\n"
                     ": 2C 6D QD 7C 6C JD\n"
                     ": KH JS 2S 2H QH 9S\n"
                     ": 4D 4C AC 3D 5C\n"
                     "Moves: 0\n"
                     "Records: 3 of 3\n"
                     "Possible moves: 2\n"
                     "Selected: -1\n"
                     "Source:\n"
                     "H1   D7   D2   ");
}

TEST(Companion, UndoRedoAndSnapshots) {
    const Output o =
        RunCli({"play", "12345", "dH", "snapshot", "undo", "tosnapshot", "undo", "redo"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("Moves: 1\nRecords: 2 of 2\n"), std::string::npos) << o.out;
}

TEST(Companion, ErrorsPrintOneLineAndNothingOnStandardOutput) {
    const std::vector<std::vector<std::string>> bad{
        {"deal", "3240001"},           {"deal", "x"},
        {"play", "1", "AZ"},           {"play", "1", "undo", "hop"},
        {"show", "/no/such/file.vlg"}, {"frobnicate"},
        {"play", "1", "A/single"},     {}};
    for (const auto& args : bad) {
        const Output o = RunCli(args);
        EXPECT_EQ(o.status, 2);
        EXPECT_TRUE(o.out.empty()) << o.out;
        EXPECT_EQ(o.err.rfind("error: ", 0), 0u) << o.err;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1);
    }
    EXPECT_EQ(RunCli({"--help"}).status, 0);
}

TEST(Companion, ShowLeavesTheCursorAtZeroForOtherExtensions) {
    const auto path = (std::filesystem::temp_directory_path() / "velmora-cli-game.txt").string();
    ASSERT_EQ(RunCli({"play", "12345", "dH", "--save", path}).status, 0);
    const Output o = RunCli({"show", path});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, Deal12345 + "Moves: 0\nRecords: 0 of 2\n");
    std::filesystem::remove(path);
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string w; in >> w;) {
        words.push_back(w);
    }
    return words;
}

// The line of `solve`, played, wins; a won game stops the actions that follow, saves and shows
// as it ended.
TEST(CompanionSolve, TheLineForAGameWinsWhenPlayedAndTheWonGameIsSavedAsItEnds) {
    const Output solved = RunCli({"solve", "12345"});
    ASSERT_EQ(solved.status, 0) << solved.err;
    ASSERT_EQ(std::count(solved.out.begin(), solved.out.end(), '\n'), 1);
    std::vector<std::string> args{"play", "12345"};
    const auto actions = Words(solved.out);
    args.insert(args.end(), actions.begin(), actions.end());
    const auto path = (std::filesystem::temp_directory_path() / "velmora-cli-won.v2k").string();
    args.insert(args.end(), {"undo", "--save", path});
    const Output played = RunCli(args);
    ASSERT_EQ(played.status, 0) << played.err;
    EXPECT_EQ(std::count(played.out.begin(), played.out.end(), 'G'), 1); // "Game won" once
    EXPECT_NE(played.out.find("Game won\nFoundations: C-K D-K S-K H-K\n"), std::string::npos);
    EXPECT_NE(played.out.find("Possible moves: 12\n"), std::string::npos); // 4 cells, 8 columns

    const Output shown = RunCli({"show", path});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out.rfind("Foundations: C-K D-K S-K H-K\n", 0), 0u);
    std::filesystem::remove(path);
}

TEST(CompanionSolve, ASavedGameIsSolvedFromWhereItStands) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto part = (dir / "velmora-cli-part.vlg").string();
    const auto dead = (dir / "velmora-cli-dead.vlg").string();
    ASSERT_EQ(RunCli({"play", "12345", "C1", "H2", "--save", part}).status, 0);
    // Four cards into the free cells leave game 3 without a single move.
    ASSERT_EQ(RunCli({"play", "3", "F1", "G2", "D3", "H4", "--save", dead}).status, 0);

    const Output solved = RunCli({"solve", "--from", part});
    ASSERT_EQ(solved.status, 0) << solved.err;
    GameSession session;
    ASSERT_TRUE(cli::OpenPosition(session, part));
    std::vector<solver::PressAction> actions;
    for (const std::string& w : Words(solved.out)) {
        actions.push_back(*solver::PressAction::Parse(w));
    }
    EXPECT_TRUE(solver::Wins(session.State().Game().Board(), actions));

    const Output stuck = RunCli({"solve", "--from", dead});
    EXPECT_EQ(stuck.status, 1);
    EXPECT_EQ(stuck.out, "unsolvable\n");
    std::filesystem::remove(part);
    std::filesystem::remove(dead);
}

TEST(CompanionSolve, LimitsGiveUnknownAndBadArgumentsAnError) {
    // Game 7995 needs over a hundred thousand positions; a megabyte holds a few thousand.
    const Output limited = RunCli({"solve", "7995", "--memory", "1"});
    EXPECT_EQ(limited.status, 3);
    EXPECT_EQ(limited.out, "unknown\n");

    const std::vector<std::vector<std::string>> bad{{"solve"},
                                                    {"solve", "1", "2"},
                                                    {"solve", "3240001"},
                                                    {"solve", "--range", "5", "3"},
                                                    {"solve", "--range", "5"},
                                                    {"solve", "--jobs", "2", "7"},
                                                    {"solve", "--range", "1", "2", "--jobs", "0"},
                                                    {"solve", "--from", "/no/such/file.vlg"},
                                                    {"solve", "7", "--time", "0"},
                                                    {"solve", "7", "--memory", "lots"},
                                                    {"solve", "7", "--from", "x.vlg"}};
    for (const auto& args : bad) {
        const Output o = RunCli(args);
        EXPECT_EQ(o.status, 2) << args.back();
        EXPECT_TRUE(o.out.empty()) << o.out;
        EXPECT_EQ(o.err.rfind("error: ", 0), 0u) << o.err;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1);
    }
}

TEST(CompanionSolve, ARangeDecidesEveryNumberInOrderAndEachDealOnce) {
    const Output o = RunCli({"solve", "--range", "1", "40", "--jobs", "2"});
    ASSERT_EQ(o.status, 0) << o.err;
    std::istringstream lines(o.out);
    std::map<mArray::DealTable, std::string> moves;
    std::set<mArray::DealTable> deals;
    int expected = 1;
    for (std::string line; std::getline(lines, line); ++expected) {
        const auto words = Words(line);
        ASSERT_EQ(words.size(), 3u) << line;
        EXPECT_EQ(words[0], std::to_string(expected));
        EXPECT_EQ(words[1], "solved");
        // Numbers that deal the same cards get the same line.
        const auto deal = mArray::DealByNumber(expected);
        const auto [it, added] = moves.emplace(deal, words[2]);
        EXPECT_EQ(it->second, words[2]) << line;
        deals.insert(deal);
    }
    EXPECT_EQ(expected, 41);
    ASSERT_LT(deals.size(), 40u);
    EXPECT_NE(o.err.find("Numbers: 40, deals: " + std::to_string(deals.size()) + ", solved: " +
                         std::to_string(deals.size()) + ", unsolvable: 0, unknown: 0\n"),
              std::string::npos)
        << o.err;
    EXPECT_NE(o.err.find("] 40/40"), std::string::npos) << "progress bar";
    EXPECT_NE(o.err.find("Time per deal: median "), std::string::npos);
}

} // namespace
} // namespace velmora::test
