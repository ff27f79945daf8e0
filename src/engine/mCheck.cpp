#include "engine/mCheck.h"

#include "engine/GameState.h"
#include "engine/cCards.h"
#include "engine/cGame.h"
#include "engine/mGame.h"
#include "engine/mPics.h"
#include "engine/mRight.h"

#include <array>
#include <cassert>
#include <optional>

namespace velmora::mCheck {

namespace {
/// The longest run: king down to ace.
constexpr int RunCapacity = 13;
} // namespace

bool CanStack(const GameState& state, int a, int b) {
    if (b < 0) {
        return false;
    }
    const CardIndex top = state.Game().GetCardIndex(a);
    const CardIndex under = state.Game().GetCardIndex(b);
    if (top < 0 || under < 0) {
        return false;
    }
    if (ColourOf(top) == ColourOf(under)) {
        return false;
    }
    return RankOf(under) == RankOf(top) + 1;
}

bool MoveOntoCard(GameState& state, Location b) {
    if (!CanStack(state, state.SelectedLocation, b)) {
        return false;
    }
    state.MutableGame().SetLocation(state.SelectedLocation, static_cast<Location>(b + 8),
                                    MoveMode::First);
    mGame::ClearSelection(state);
    return true;
}

int CountMovable(const GameState& state, Location selected, Location loc) {
    const Location t = state.Game().GetBottomCardLocation(loc);
    const int row = state.Cards().GetPositiony(selected);
    int cur = selected;
    for (int k = 1; k <= row + 1; ++k) {
        if (CanStack(state, cur, t)) {
            return k;
        }
        if (cur < 8) {
            return -1;
        }
        if (!CanStack(state, cur, cur - 8)) {
            return -1;
        }
        cur -= 8;
    }
    return -1;
}

void MoveSequence(GameState& state, Location selected, Location target, std::int16_t count) {
    const int freeSpace = mGame::GetFreeSpace(state);
    if (freeSpace >= count - 1) {
        ExecuteSequenceMove(state, selected, target, count, -1);
        return;
    }
    mGame::ClearSelection(state);
    state.Dialogs().ShowMessage("That Move requirs moving " + std::to_string(count) +
                                " Cards.\r\nYou only have enough free space to move " +
                                std::to_string(freeSpace + 1) + ".");
}

void ExecuteSequenceMove(GameState& state, Location selected, Location target, int count,
                         int excludedColumn) {
    assert(count >= 1 && count <= RunCapacity && "a run holds 1 to 13 cards");
    assert(IsColumnSlot(selected) && IsColumnSlot(target + 8) && "a run moves between columns");
    assert(excludedColumn >= -1 && excludedColumn < ColumnCount && "no such column");
    cGame& game = state.MutableGame();
    state.MultiMove = true;
    const int freeCells = mGame::CountFreeSlots(state);
    // A stage carries one group of freeCells + 1 cards: all but the lowest through the free cells.
    const int groupSize = freeCells + 1;
    int parkedGroups = count / groupSize;
    const int remainder = count % groupSize;

    // places[i]: where the i-th card of the run lies now (1 = the exposed card).
    std::array<Location, RunCapacity + 1> places{};
    for (int i = 1; i <= count; ++i) {
        places[static_cast<std::size_t>(i)] = static_cast<Location>(selected - (i - 1) * 8);
    }
    auto place = [&](int i) -> Location& { return places[static_cast<std::size_t>(i)]; };

    // Parking needs a free cell; the caller's free-space check guarantees one.
    auto parkInFreeCell = [&state](Location from, MoveMode mode) {
        const std::optional<Location> cell = mPics::SendToFreeSlot(state, from, mode);
        assert(cell && "the caller checked the free space");
        return *cell;
    };

    // The first movement of a run is the counted one; every later step follows it.
    bool first = true;
    auto nextMode = [&first]() {
        const MoveMode mode = first ? MoveMode::First : MoveMode::Follow;
        first = false;
        return mode;
    };

    // Stage one: each whole group is parked in an empty column; when nothing remains over, the
    // last group's lowest card goes straight onto the target instead.
    int handled = 0;
    for (int group = 1; group <= parkedGroups; ++group) {
        for (int i = 0; i < freeCells; ++i) {
            ++handled;
            place(handled) = parkInFreeCell(place(handled), nextMode());
        }
        if (group == parkedGroups && remainder == 0) {
            ++handled;
            game.SetLocation(place(handled), static_cast<Location>(target + 8), nextMode());
            break;
        }
        ++handled;
        const std::optional<Location> column =
            mPics::MoveToFirstEmptyColumn(state, place(handled), excludedColumn, nextMode());
        assert(column && "the caller checked the free space");
        place(handled) = *column;
        for (int offset = 1; offset <= freeCells; ++offset) {
            const auto dest = static_cast<Location>(place(handled) + offset * 8);
            game.SetLocation(place(handled - offset), dest, MoveMode::Follow);
            place(handled - offset) = dest;
        }
    }

    // Stage two: the cards left over (or the rest of the last group) onto the target.
    int nextSlot = target + 8;
    if (remainder > 0) {
        for (int i = 0; i < remainder - 1; ++i) {
            ++handled;
            place(handled) = parkInFreeCell(place(handled), nextMode());
        }
        ++handled;
        game.SetLocation(place(handled), static_cast<Location>(nextSlot), nextMode());
        for (int i = 0; i < remainder - 1; ++i) {
            nextSlot += 8;
            --handled;
            game.SetLocation(place(handled), static_cast<Location>(nextSlot), MoveMode::Follow);
        }
    } else {
        for (int i = 0; i < freeCells; ++i) {
            nextSlot += 8;
            --handled;
            game.SetLocation(place(handled), static_cast<Location>(nextSlot), MoveMode::Follow);
        }
        --parkedGroups; // the last group went straight onto the target
    }

    // Stage three: the parked groups onto the target, the last parked first.
    for (int column = 0; column < parkedGroups; ++column) {
        handled -= groupSize;
        for (int i = 0; i < freeCells; ++i) {
            place(handled) = parkInFreeCell(place(handled), MoveMode::Follow);
            ++handled;
        }
        for (int i = 0; i < groupSize; ++i) {
            nextSlot += 8;
            game.SetLocation(place(handled), static_cast<Location>(nextSlot), MoveMode::Follow);
            --handled;
        }
        ++handled;
    }

    state.MultiMove = false;
    mRight::AutoMoveToHome(state);
}

int SequenceLength(const GameState& state, Location loc) {
    const int row = state.Cards().GetPositiony(loc);
    int cur = loc;
    int result = -1;
    for (int k = 1; k <= row + 1; ++k) {
        if (cur < 8 || !CanStack(state, cur, cur - 8)) {
            break;
        }
        result = k;
        cur -= 8;
    }
    return result;
}

} // namespace velmora::mCheck
