#include "engine/mPics.h"

#include "engine/GameState.h"
#include "engine/cCards.h"
#include "engine/cGame.h"
#include "engine/mCheck.h"
#include "engine/mGame.h"

#include <algorithm>
#include <cassert>

namespace velmora::mPics {

std::optional<Location> SendToFreeSlot(GameState& state, Location loc, MoveMode mode) {
    for (int i = 0; i < 4; ++i) {
        const Location cell = FreeCell(i);
        if (state.Game().GetCardIndex(cell) == NoCard) {
            state.MutableGame().SetLocation(loc, cell, mode);
            return cell;
        }
    }
    return std::nullopt;
}

std::optional<Location> MoveToFirstEmptyColumn(GameState& state, Location from, int excludedColumn,
                                               MoveMode mode) {
    for (int i = 0; i < ColumnCount; ++i) {
        const auto column = static_cast<Location>(i);
        if (i != excludedColumn && state.Game().GetTotalCards(column) == 0) {
            state.MutableGame().SetLocation(from, column, mode);
            return column;
        }
    }
    return std::nullopt;
}

std::optional<Location> MoveToTarget(GameState& state, Location from, Location to,
                                     int excludedColumn) {
    if (to != NoLocation) {
        state.MutableGame().SetLocation(from, to, MoveMode::First);
        return to;
    }
    return MoveToFirstEmptyColumn(state, from, excludedColumn, MoveMode::Follow);
}

void PressCard(GameState& state, Location loc) {
    assert(IsCardLocation(loc) && "a pressed card lies on the board");
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
    assert(IsHomeCell(loc) && "a home cell was pressed");
    if (state.SelectedLocation == NoLocation) {
        return;
    }
    const CardIndex selected = state.Game().GetCardIndex(state.SelectedLocation);
    const CardIndex home = state.Game().GetCardIndex(loc);
    if (selected < 0 || home < 0) {
        return;
    }
    if (SuitOf(selected) == SuitOf(home) && RankOf(selected) == RankOf(home) + 1) {
        state.MutableGame().SetLocation(state.SelectedLocation, HomeCell(SuitOf(selected)),
                                        MoveMode::Click);
    }
}

void ClickFreeCellFrame(GameState& state, int index) {
    assert(index >= 0 && index < 4 && "there are four free cells");
    // The frame is reachable on a hidden table (no game) too; only an empty cell takes a card.
    const Location cell = FreeCell(index);
    if (!state.GameStarted || state.SelectedLocation == NoLocation ||
        state.Game().GetCardIndex(cell) != NoCard) {
        return;
    }
    state.MutableGame().SetLocation(state.SelectedLocation, cell, MoveMode::Click);
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
    SendToFreeSlot(state, exposed, MoveMode::First);
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
    assert(target >= 0 && target < ColumnCount && "the question names a column");
    const Location sel = state.SelectedLocation;
    if (sel == NoLocation) {
        return;
    }
    switch (choice) {
    case EmptyColumnChoice::Single:
        MoveToTarget(state, sel, static_cast<Location>(target), -1);
        return;
    case EmptyColumnChoice::Column: {
        // The target is one of the empty columns, so only the other e - 1 park a group of
        // f + 1 cards: e * (f + 1) cards in all.
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
