#include "engine/mCheck.h"

#include "engine/GameState.h"
#include "engine/cCards.h"
#include "engine/cGame.h"
#include "engine/mGame.h"
#include "engine/mPics.h"
#include "engine/mRight.h"

#include <array>

namespace velmora::mCheck {

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
    state.Game().SetLocation(state.SelectedLocation, static_cast<Location>(b + 8), ModeFirst, 0,
                             false);
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
    cGame& game = state.Game();
    state.MultiMove = true;
    const int f = mGame::CountFreeSlots(state);
    int q = count / (f + 1);
    const int r = count % (f + 1);

    std::array<Location, 14> l{};
    for (int i = 1; i <= count; ++i) {
        l[static_cast<std::size_t>(i)] = static_cast<Location>(selected - (i - 1) * 8);
    }
    auto at = [&](int i) -> Location& { return l[static_cast<std::size_t>(i)]; };

    // The first movement of a run is the counted one; every later step follows it.
    bool first = true;
    auto nextMode = [&first]() {
        const int mode = first ? ModeFirst : ModeFollow;
        first = false;
        return mode;
    };

    int s = 0;
    for (int g = 1; g <= q; ++g) {
        for (int i = 0; i < f; ++i) {
            ++s;
            at(s) = mPics::SendToFreeSlot(state, at(s), nextMode());
        }
        if (g == q && r == 0) {
            ++s;
            game.SetLocation(at(s), static_cast<Location>(target + 8), nextMode(), 0, false);
            break;
        }
        ++s;
        at(s) = static_cast<Location>(
            mPics::MoveToFirstEmptyColumn(state, at(s), excludedColumn, nextMode()));
        for (int j = 1; j <= f; ++j) {
            const auto dest = static_cast<Location>(at(s) + j * 8);
            game.SetLocation(at(s - j), dest, ModeFollow, 0, false);
            at(s - j) = dest;
        }
    }

    int p = target + 8;
    if (r > 0) {
        for (int i = 0; i < r - 1; ++i) {
            ++s;
            at(s) = mPics::SendToFreeSlot(state, at(s), nextMode());
        }
        ++s;
        game.SetLocation(at(s), static_cast<Location>(p), nextMode(), 0, false);
        for (int i = 0; i < r - 1; ++i) {
            p += 8;
            --s;
            game.SetLocation(at(s), static_cast<Location>(p), ModeFollow, 0, false);
        }
    } else {
        for (int i = 0; i < f; ++i) {
            p += 8;
            --s;
            game.SetLocation(at(s), static_cast<Location>(p), ModeFollow, 0, false);
        }
        --q;
    }

    for (int column = 0; column < q; ++column) {
        s -= f + 1;
        for (int i = 0; i < f; ++i) {
            at(s) = mPics::SendToFreeSlot(state, at(s), ModeFollow);
            ++s;
        }
        for (int i = 0; i < f + 1; ++i) {
            p += 8;
            game.SetLocation(at(s), static_cast<Location>(p), ModeFollow, 0, false);
            --s;
        }
        ++s;
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
