#include "solver/Solver.h"

#include "engine/GameState.h"
#include "engine/cGame.h"
#include "engine/mArray.h"
#include "solver/Presses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::solver {
namespace {

using Board = std::array<CardIndex, BoardSize>;

Card CardNamed(const std::string& name) {
    const std::string ranks = "A23456789TJQK";
    const std::string suits = "CDSH";
    return static_cast<Card>(suits.find(name[1]) * 13 + ranks.find(name[0]));
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

/// A board from columns written from row 0 down ("AC 3H QH 8S"), free cells and the top
/// card of each home pile ("-" for none).
Board MakeBoard(const std::vector<std::string>& columns, const std::string& cells,
                const std::string& homes = "- - - -") {
    Board board;
    board.fill(NoCard);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const auto cards = Words(columns[c]);
        for (std::size_t row = 0; row < cards.size(); ++row) {
            board[row * 8 + c] = CardNamed(cards[row]);
        }
    }
    const auto cellCards = Words(cells);
    for (std::size_t i = 0; i < cellCards.size(); ++i) {
        if (cellCards[i] != "-") {
            board[FirstFreeCell + i] = CardNamed(cellCards[i]);
        }
    }
    const auto homeCards = Words(homes);
    for (std::size_t i = 0; i < homeCards.size(); ++i) {
        if (homeCards[i] != "-") {
            board[FirstHomeCell + i] = CardNamed(homeCards[i]);
        }
    }
    return board;
}

Board DealBoard(std::int32_t number) {
    const auto deal = mArray::DealByNumber(number);
    Board board;
    board.fill(NoCard);
    std::copy_n(deal.begin(), CardCount, board.begin());
    return board;
}

Position At(const Board& board) {
    const auto p = Position::FromBoard(board);
    EXPECT_TRUE(p);
    return p.value_or(Position{});
}

/// Every position one action away, as the engine itself plays the actions: each source
/// press, each target press, each answer to the empty-column question.
std::set<std::uint64_t> EngineChildren(const Board& board) {
    const Packed here = Pack(At(board));
    std::set<std::uint64_t> children;
    const std::optional<EmptyColumnChoice> answers[] = {std::nullopt, EmptyColumnChoice::Single,
                                                        EmptyColumnChoice::Column};
    for (const char from : std::string("ABCDEFGH1234")) {
        for (const char to : std::string("ABCDEFGH12345678")) {
            for (const auto& answer : answers) {
                PressTable table(board);
                if (table.Play({std::string{from, to}, answer})) {
                    continue;
                }
                const Packed child = Pack(At(table.Board()));
                if (!(child == here)) {
                    children.insert(child.Hash());
                }
            }
        }
    }
    return children;
}

std::set<std::uint64_t> SolverChildren(const Position& p) {
    const Packed here = Pack(p);
    std::set<std::uint64_t> children;
    MoveList list;
    p.GenerateMoves(list);
    for (int i = 0; i < list.size; ++i) {
        Position child = p;
        child.Apply(list.moves[static_cast<std::size_t>(i)]);
        if (!(Pack(child) == here)) {
            children.insert(Pack(child).Hash());
        }
    }
    return children;
}

/// Plays one action through the engine and returns the board after it.
Board PlayOne(const Board& board, const PressAction& action) {
    PressTable table(board);
    EXPECT_FALSE(table.Play(action)) << action.Text();
    return table.Board();
}

// Nothing can ever go home: the aces lie under queens and twos that cannot move, the kings
// fill the free cells, and only the two black eights can shuttle between the red nines.
const Board Blocked =
    MakeBoard({"AC 3H 4S 5D QH 8S", "AD 3S 4H 5C QC 9H", "AH 3C 4D 5S QS 9D", "AS 3D 4C 5H QD 8C",
               "6C 7D TS JH 6H 2D", "6D 7C TH JS 6S 2H", "7H 7S TC JD TD 2S", "8D 8H 9S 9C JC 2C"},
              "KC KD KS KH");

TEST(SolverMoves, TheSolverPlaysExactlyTheMovesAndAutomaticMovesOfTheEngine) {
    // Along winning lines (runs, empty columns, both answers to the question): the positions
    // one action away are the same for the engine and the solver, and each step of the line
    // leaves the same table, column for column and cell for cell.
    for (const std::int32_t number : {1, 5, 11}) {
        Board board = DealBoard(number);
        const Position start = At(board);
        Limits limits;
        limits.shortening = 0;
        const Result result = Solve(start, limits);
        ASSERT_EQ(result.verdict, Verdict::Solved) << number;
        const auto actions = ToActions(start, result.moves);
        ASSERT_TRUE(actions);
        Position p = start;
        for (std::size_t i = 0; i < actions->size(); ++i) {
            ASSERT_EQ(SolverChildren(p), EngineChildren(board)) << number << " step " << i;
            Move m = result.moves[i];
            ASSERT_TRUE(p.Locate(m));
            p.Apply(m);
            board = PlayOne(board, (*actions)[i]);
            ASSERT_EQ(p, At(board)) << number << " after " << (*actions)[i].Text();
        }
        EXPECT_TRUE(p.IsWon());
    }
}

TEST(SolverMoves, ABlockedTableOffersOnlyTheShuttles) {
    EXPECT_EQ(SolverChildren(At(Blocked)), EngineChildren(Blocked));
    EXPECT_EQ(SolverChildren(At(Blocked)).size(), 4u);
}

TEST(SolverMoves, TheQuestionIsAnsweredExactlyWhenTheTableAsksIt) {
    // Column A ends with the run 9C 8H; column H is empty.
    const std::vector<std::string> columns{"AC 3H 4S 5D QH 8D 9C 8H",
                                           "AD 3S 4H 5C QC 9H",
                                           "AH 3C 4D 5S QS 9D",
                                           "AS 3D 4C 5H QD 8C",
                                           "6C 7D TS JH 6H 2D",
                                           "6D 7C TH JS 6S 2H",
                                           "7H 7S TC JD TD 2S JC 9S 8S 2C"};
    std::vector<std::string> oneCellFree = columns;
    oneCellFree[6] = "KH " + oneCellFree[6];
    const Move single{CardNamed("8H"), MoveKind::ToEmpty};
    const Move run{CardNamed("8H"), MoveKind::ColumnToEmpty, Empty, 2};
    struct Case {
        Board board;
        Move move;
        std::string action;
    };
    const Case cases[] = {
        // No free cell: room for one card only, so the table asks nothing.
        {MakeBoard(columns, "KC KD KS KH"), single, "AH"},
        // One free cell: room for more, so the question opens and is answered.
        {MakeBoard(oneCellFree, "KC KD KS -"), single, "AH/single"},
        {MakeBoard(oneCellFree, "KC KD KS -"), run, "AH/column"},
    };
    for (const Case& c : cases) {
        const auto actions = ToActions(At(c.board), {c.move});
        ASSERT_TRUE(actions) << c.action;
        EXPECT_EQ(ActionLine(*actions), c.action);
        Position p = At(c.board);
        Move m = c.move;
        ASSERT_TRUE(p.Locate(m));
        p.Apply(m);
        EXPECT_EQ(p, At(PlayOne(c.board, actions->front()))) << c.action;
    }
}

TEST(SolverVerdicts, EveryLineFoundWinsThroughTheEngineAndIsShortEnoughToWatch) {
    std::vector<std::size_t> lengths;
    for (std::int32_t number = 1; number <= 150; ++number) {
        const Board board = DealBoard(number);
        const Result result = Solve(At(board));
        ASSERT_EQ(result.verdict, Verdict::Solved) << number;
        const auto actions = ToActions(At(board), result.moves);
        ASSERT_TRUE(actions) << number;
        EXPECT_TRUE(Wins(board, *actions)) << number << ": " << ActionLine(*actions);
        lengths.push_back(actions->size());
    }
    std::sort(lengths.begin(), lengths.end());
    EXPECT_LT(lengths[lengths.size() / 2], 100u);
}

TEST(SolverVerdicts, AWonTableNeedsNoMoveAndABlockedOneIsProvenUnwinnable) {
    const Board won = MakeBoard({}, "- - - -", "KC KD KS KH");
    const Result done = Solve(At(won));
    EXPECT_EQ(done.verdict, Verdict::Solved);
    EXPECT_TRUE(done.moves.empty());

    const Result blocked = Solve(At(Blocked));
    EXPECT_EQ(blocked.verdict, Verdict::Unsolvable);
    EXPECT_EQ(blocked.stopped, StopReason::None);
    // Each black eight where it was dealt, on one red nine or on the other; never both on
    // the same nine.
    EXPECT_EQ(blocked.positions, 7u);
}

TEST(SolverVerdicts, ACardThatOnlyTheAutomaticMovesFreeWinsInOneMove) {
    // The hearts lie in one column from the king down, the ace under the king of spades;
    // the rest is home. Moving the king anywhere lets the automatic moves finish the game.
    const Board board =
        MakeBoard({"KH QH JH TH 9H 8H 7H 6H 5H 4H 3H 2H AH KS"}, "- - - -", "KC KD QS -");
    const Result result = Solve(At(board));
    ASSERT_EQ(result.verdict, Verdict::Solved);
    ASSERT_EQ(result.moves.size(), 1u);
    const auto actions = ToActions(At(board), result.moves);
    ASSERT_TRUE(actions);
    EXPECT_TRUE(Wins(board, *actions));
}

TEST(SolverLimits, ALimitThatStopsTheSearchGivesUnknownNeverAVerdict) {
    Limits tiny;
    tiny.memoryBytes = 1;
    for (const Board& board : {Blocked, DealBoard(1)}) {
        const Result r = Solve(At(board), tiny);
        EXPECT_EQ(r.verdict, Verdict::Unknown);
        EXPECT_EQ(r.stopped, StopReason::Memory);
    }

    std::stop_source stop;
    stop.request_stop();
    const Result cancelled = Solve(At(Blocked), {}, stop.get_token());
    EXPECT_EQ(cancelled.verdict, Verdict::Unknown);
    EXPECT_EQ(cancelled.stopped, StopReason::Cancelled);

    // Game 7995 takes over a hundred thousand positions; a millisecond is not enough.
    Limits quick;
    quick.time = std::chrono::milliseconds(1);
    const Result late = Solve(At(DealBoard(7995)), quick);
    EXPECT_EQ(late.verdict, Verdict::Unknown);
    EXPECT_EQ(late.stopped, StopReason::Time);
}

TEST(SolverShortening, ADetourInALineIsCutOut) {
    const Board board = DealBoard(7);
    const Position start = At(board);
    Limits limits;
    limits.shortening = 0;
    std::vector<Move> line = Solve(start, limits).moves;
    ASSERT_FALSE(line.empty());

    // Where a free-cell card and an empty column meet, send the card into the column and
    // back: the table is as before, two moves later.
    Position p = start;
    std::size_t at = 0;
    for (; at < line.size(); ++at) {
        if (p.EmptyColumns() > 0 && p.EmptyCells() < CellCount) {
            break;
        }
        Move m = line[at];
        ASSERT_TRUE(p.Locate(m));
        p.Apply(m);
    }
    ASSERT_LT(at, line.size());
    const Card parked =
        *std::find_if(p.cells.begin(), p.cells.end(), [](Card c) { return c != Empty; });
    const Move out{parked, MoveKind::ToEmpty};
    const Move back{parked, MoveKind::ToCell};
    std::vector<Move> detour = line;
    detour.insert(detour.begin() + static_cast<std::ptrdiff_t>(at), {out, back});

    const auto detourActions = ToActions(start, detour);
    ASSERT_TRUE(detourActions);
    ASSERT_TRUE(Wins(board, *detourActions));
    const std::vector<Move> shorter = Shorten(start, detour, 2);
    EXPECT_LE(shorter.size(), line.size());
    const auto actions = ToActions(start, shorter);
    ASSERT_TRUE(actions);
    EXPECT_TRUE(Wins(board, *actions));
}

TEST(SolverPositions, CellAndColumnOrderDoNotMatterAndHomesSurvivePacking) {
    const Board board = MakeBoard(
        {"KC QH JC TH 9S 8H 7S 6H", "", "KH QC JH TS 9H 8S 7H 6S", "", "", "", "", "KS QS"},
        "JS - KD -", "TC QD 5S 5H");
    const Position p = At(board);
    Position shuffled = p;
    std::swap(shuffled.columns[0], shuffled.columns[6]);
    std::swap(shuffled.lengths[0], shuffled.lengths[6]);
    std::swap(shuffled.cells[0], shuffled.cells[3]);
    EXPECT_TRUE(Pack(p) == Pack(shuffled));
    EXPECT_EQ(Pack(p).Hash(), Pack(shuffled).Hash());

    const Position back = Unpack(Pack(p));
    EXPECT_EQ(back.home, p.home);
    EXPECT_TRUE(Pack(back) == Pack(p));
    EXPECT_EQ(back.EmptyColumns(), 5);
    EXPECT_EQ(back.cells[0], CardNamed("KD"));

    Position moved = p;
    std::swap(moved.columns[0][0], moved.columns[0][1]);
    EXPECT_FALSE(Pack(p) == Pack(moved));
}

TEST(SolverPositions, BoardsThatAreNoPositionOfTheGameAreRefused) {
    const Board good = DealBoard(3);
    ASSERT_TRUE(Position::FromBoard(good));
    auto broken = [&good](auto change) {
        Board b = good;
        change(b);
        return Position::FromBoard(b).has_value();
    };
    EXPECT_FALSE(broken([](Board& b) { b[5] = b[6]; }));                  // a card twice
    EXPECT_FALSE(broken([](Board& b) { b[51] = NoCard; }));               // a card missing
    EXPECT_FALSE(broken([](Board& b) { std::swap(b[9], b[60]); }));       // a gap in a column
    EXPECT_FALSE(broken([](Board& b) { std::swap(b[48], b[GapCell]); })); // a card in the gap
    EXPECT_FALSE(broken([](Board& b) { std::swap(b[48], b[170]); }));     // below the table
    EXPECT_TRUE(Position::FromBoard(MakeBoard({}, "- - - -", "KC KD KS KH")));
    EXPECT_FALSE(Position::FromBoard(MakeBoard({}, "- - - -", "KD KC KS KH"))); // wrong piles
}

} // namespace
} // namespace velmora::solver
