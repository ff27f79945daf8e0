// The saved-game reader: any bytes as a ".vlg" file. A file is accepted exactly when the text
// parser accepts it; an accepted game writes back to the same records, puts every card in
// exactly one place when its moves are put back, taken back and walked through, and stays so
// while play goes on from it.

#include "FuzzSupport.h"
#include "support/BoardCheck.h"

#include "engine/cGame.h"
#include "engine/mPics.h"
#include "history/GameFile.h"
#include "history/GameSession.h"

#include <array>
#include <random>
#include <string>

using namespace velmora;

namespace {

/// Answers the empty-column question by a seeded choice.
class RandomDialogs final : public IPlayerDialogs {
public:
    explicit RandomDialogs(std::mt19937_64& random) : m_random(random) {}
    void ShowMessage(const std::string&) override {}
    EmptyColumnChoice AskEmptyColumn(int) override {
        return static_cast<EmptyColumnChoice>(m_random() % 3);
    }

private:
    std::mt19937_64& m_random;
};

void CheckBoard(const GameSession& session, const std::string& when) {
    const std::string problem = test::BoardProblem(session.State().Game());
    FUZZ_CHECK(problem.empty(), when + ": " + problem);
}

/// One press on a random column, free cell or home cell, as a player could make it.
void RandomPress(GameState& state, std::mt19937_64& random) {
    const cGame& game = state.Game();
    const int target = static_cast<int>(random() % 17);
    if (target < ColumnCount) {
        const Location exposed = game.GetBottomCardLocation(static_cast<Location>(target));
        if (exposed == NoLocation) {
            mPics::PressTable(state, target * ColumnPitch + 60 + ColumnPitch / 2,
                              ColumnTop + RowStep);
        } else if (random() % 8 == 0) {
            mPics::DoubleClickCard(state, exposed);
        } else {
            mPics::PressCard(state, exposed);
        }
        return;
    }
    if (target < ColumnCount + 4) {
        const Location cell = FreeCell(target - ColumnCount);
        if (game.GetCardIndex(cell) == NoCard) {
            mPics::ClickFreeCellFrame(state, target - ColumnCount);
        } else {
            mPics::PressCard(state, cell);
        }
        return;
    }
    const auto home = static_cast<Location>(FirstHomeCell + target % 4);
    if (game.GetCardIndex(home) != NoCard) {
        mPics::PressCard(state, home);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto parsed = GameFile::Parse(text, "fuzz.vlg");
    if (!parsed) {
        // A refusal quotes only a little of the bad input.
        FUZZ_CHECK(parsed.error().message.size() < 300, parsed.error().message.substr(0, 300));
    }

    const std::string path = fuzz::ScratchPath("fuzz.vlg");
    fuzz::WriteFile(path, text);
    std::mt19937_64 random(fuzz::Seed(data, size));
    RandomDialogs dialogs(random);
    EnginePorts ports;
    ports.dialogs = &dialogs;
    GameSession session(ports);
    std::string name = path;
    const auto opened = session.Open(name);
    FUZZ_CHECK(opened.has_value() == parsed.has_value(),
               opened
                   ? std::string("the file reader accepts what the parser refuses")
                   : "the file reader refuses what the parser accepts: " + opened.error().message);
    if (!parsed) {
        return 0;
    }

    const std::string again = GameFile::Format(parsed->gameNumber, parsed->records);
    const auto reparsed = GameFile::Parse(again, "again.vlg");
    FUZZ_CHECK(reparsed && reparsed->gameNumber == parsed->gameNumber &&
                   reparsed->records == parsed->records,
               "a written game does not read back the same");

    cTrans& trans = session.Trans();
    FUZZ_CHECK(trans.TotalTrans() == static_cast<int>(parsed->records.size()) &&
                   trans.CurrentTrans() == trans.TotalTrans(),
               "not every record was put back");
    CheckBoard(session, "after opening");
    const auto end = session.State().Game().Board();

    GameSession fresh;
    fresh.StartGame(parsed->gameNumber);
    trans.UndoAll(1);
    CheckBoard(session, "after undo all");
    FUZZ_CHECK(trans.CurrentTrans() == 0 &&
                   session.State().Game().Board() == fresh.State().Game().Board(),
               "undo all does not give back the deal");
    trans.RedoAll(1);
    FUZZ_CHECK(session.State().Game().Board() == end, "redo all does not give back the end");

    // Walks to a few recorded move numbers and back to the end.
    for (int i = 0; i < 4 && !parsed->records.empty(); ++i) {
        const auto& r = parsed->records[random() % parsed->records.size()];
        trans.PlayNum(r.MoveNo);
        CheckBoard(session, "after going to move " + std::to_string(r.MoveNo));
    }
    trans.RedoAll(1);
    FUZZ_CHECK(session.State().Game().Board() == end, "redo all after walking");

    // Play goes on from the opened position.
    for (int i = 0; i < 40; ++i) {
        RandomPress(session.State(), random);
        CheckBoard(session, "after press " + std::to_string(i));
    }
    trans.UndoAll(1);
    FUZZ_CHECK(session.State().Game().Board() == fresh.State().Game().Board(),
               "undo all after playing on does not give back the deal");
    return 0;
}
