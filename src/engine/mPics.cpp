#include "engine/mPics.h"

#include "engine/GameState.h"
#include "engine/cCards.h"
#include "engine/cGame.h"
#include "engine/mCheck.h"
#include "engine/mGame.h"

#include <algorithm>

namespace velmora::mPics {

Location SendToFreeSlot(GameState& state, Location loc, int mode) {
    for (int i = 0; i < 4; ++i) {
        const auto cell = static_cast<Location>(FirstFreeCell + i);
        if (state.Game().GetCardIndex(cell) == NoCard) {
            state.Game().SetLocation(loc, cell, mode, 0, false);
            return cell;
        }
    }
    return 0;
}

int MoveToFirstEmptyColumn(GameState& state, Location from, int excludedColumn, int mode) {
    for (int i = 0; i < ColumnCount; ++i) {
        if (i != excludedColumn && state.Game().GetTotalCards(static_cast<Location>(i)) == 0) {
            state.Game().SetLocation(from, static_cast<Location>(i), mode, 0, false);
            return i;
        }
    }
    return 0;
}

int MoveToTarget(GameState& state, Location from, Location to, int excludedColumn) {
    if (to != NoLocation) {
        state.Game().SetLocation(from, to, ModeFirst, 0, false);
        return to;
    }
    return MoveToFirstEmptyColumn(state, from, excludedColumn, ModeFollow);
}

void PressCard(GameState& state, Location loc) {
    switch (state.Cards().GetStatus(loc)) {
    case 1:
        mGame::ClickColumn(state, loc);
        return;
    case 2:
        if (state.SelectedLocation == NoLocation) {
            mGame::SelectLocation(state, loc);
        } else if (state.SelectedLocation == loc) {
            mGame::ClearSelection(state);
        }
        return;
    case 3:
        ClickHomeCell(state, loc);
        return;
    default:
        return;
    }
}

void ClickHomeCell(GameState& state, Location loc) {
    if (state.SelectedLocation == NoLocation) {
        return;
    }
    const CardIndex selected = state.Game().GetCardIndex(state.SelectedLocation);
    const CardIndex home = state.Game().GetCardIndex(loc);
    if (selected < 0 || home < 0) {
        return;
    }
    if (SuitOf(selected) == SuitOf(home) && RankOf(selected) == RankOf(home) + 1) {
        state.Game().SetLocation(state.SelectedLocation,
                                 static_cast<Location>(GapCell + SuitOf(selected)), ModeClick, 0,
                                 false);
    }
}

void ClickFreeCellFrame(GameState& state, int index) {
    if (state.SelectedLocation == NoLocation) {
        return;
    }
    state.Game().SetLocation(state.SelectedLocation, static_cast<Location>(FirstFreeCell + index),
                             ModeClick, 0, false);
    mGame::ClearSelection(state);
}

void DoubleClickCard(GameState& state, Location loc) {
    if (!IsColumnArea(loc) || state.Options().AllowDoubleClick() != 1) {
        return;
    }
    const Location exposed = state.Game().GetBottomCardLocation(loc);
    if (exposed == NoLocation) {
        return;
    }
    SendToFreeSlot(state, exposed, ModeFirst);
}

void PressTable(GameState& state, int x, int y) {
    if (!state.GameStarted || y < ColumnTop) {
        return;
    }
    int column = -1;
    for (int c = 0; c < ColumnCount; ++c) {
        if (c * ColumnPitch + 60 < x && x < (c + 1) * ColumnPitch + 60) {
            column = c;
            break;
        }
    }
    if (column < 0) {
        return;
    }
    const Location exposed = state.Game().GetBottomCardLocation(static_cast<Location>(column));
    if (exposed != NoLocation) {
        mGame::ClickColumn(state, exposed);
        return;
    }
    const Location sel = state.SelectedLocation;
    if (sel == NoLocation) {
        return;
    }
    if (!IsCellRow(sel) && mCheck::CanStack(state, sel, sel - 8) &&
        mGame::GetFreeSpace(state) >= 2) {
        const EmptyColumnChoice choice = state.Dialogs().AskEmptyColumn(column);
        ApplyEmptyColumnChoice(state, choice, column);
        return;
    }
    MoveToTarget(state, sel, static_cast<Location>(column), -1);
}

void ApplyEmptyColumnChoice(GameState& state, EmptyColumnChoice choice, int target) {
    const Location sel = state.SelectedLocation;
    if (sel == NoLocation) {
        return;
    }
    switch (choice) {
    case EmptyColumnChoice::Single:
        MoveToTarget(state, sel, static_cast<Location>(target), -1);
        return;
    case EmptyColumnChoice::Column: {
        const int f = mGame::CountFreeSlots(state);
        const int e = mGame::CountEmptyColumns(state);
        const int limit = e * (f + 1);
        const int n = std::min(mCheck::SequenceLength(state, sel) + 1, limit);
        mCheck::ExecuteSequenceMove(state, sel, static_cast<Location>(target - 8), n, target);
        return;
    }
    case EmptyColumnChoice::Cancel:
        mGame::ClearSelection(state);
        return;
    }
}

} // namespace velmora::mPics
