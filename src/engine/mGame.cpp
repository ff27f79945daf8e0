#include "engine/mGame.h"

#include "engine/GameState.h"
#include "engine/cCards.h"
#include "engine/cGame.h"
#include "engine/mCheck.h"

#include <algorithm>
#include <cassert>

namespace velmora::mGame {

void SelectLocation(GameState& state, Location loc) {
    const CardIndex card = state.Game().GetCardIndex(loc);
    state.View().AttachSelection(card);
    state.Selected = true;
    state.SelectedLocation = state.Game().GetLocation(card);
}

void ClearSelection(GameState& state) {
    state.View().AttachSelection(NoCard);
    state.Selected = false;
    state.SelectedLocation = NoLocation;
}

std::int16_t CountEmptyColumns(const GameState& state) {
    std::int16_t n = 0;
    for (int i = 0; i < ColumnCount; ++i) {
        if (state.Game().GetCardIndex(i) == NoCard) {
            ++n;
        }
    }
    return n;
}

std::int16_t CountFreeSlots(const GameState& state) {
    std::int16_t n = 0;
    for (int i = FirstFreeCell; i <= LastFreeCell; ++i) {
        if (state.Game().GetCardIndex(i) == NoCard) {
            ++n;
        }
    }
    return n;
}

std::int16_t GetFreeSpace(const GameState& state) {
    return static_cast<std::int16_t>((CountEmptyColumns(state) + 1) * (CountFreeSlots(state) + 1) -
                                     1);
}

void ClickColumn(GameState& state, Location loc) {
    assert(IsColumnSlot(loc) && "a column was pressed");
    const Location b = state.Game().GetBottomCardLocation(loc);
    if (state.SelectedLocation == NoLocation) {
        if (b != NoLocation) {
            SelectLocation(state, b);
        }
        return;
    }
    if (state.SelectedLocation == b) {
        ClearSelection(state);
        return;
    }
    const int k = mCheck::CountMovable(state, state.SelectedLocation, loc);
    if (k == 1) {
        mCheck::MoveOntoCard(state, b);
        return;
    }
    if (k < 1) {
        state.MutableGame().ShowMessages();
        return;
    }
    if (!IsCellRow(state.SelectedLocation)) {
        mCheck::MoveSequence(state, state.SelectedLocation, b, static_cast<std::int16_t>(k));
    }
}

int LowestHomeRank(const GameState& state, int colour) {
    auto rankAt = [&](int loc) { return RankOf(state.Game().GetCardIndex(loc)); };
    if (colour == 1) {
        return std::min(rankAt(HomeCell(1)), rankAt(HomeCell(3)));
    }
    if (colour == 2) {
        return std::min(rankAt(HomeCell(2)), rankAt(HomeCell(4)));
    }
    return 0;
}

std::string Caption(std::int32_t gameNumber) {
    return "Velmora 2003 - Game No. " + std::to_string(gameNumber);
}

void StartGame(GameState& state, std::int32_t gameNumber, bool keepHistory) {
    state.GameNumber = gameNumber;
    ClearSelection(state);
    state.WonNotified = false;
    state.Events().GameStarting(gameNumber, keepHistory);

    state.NewBoard();
    state.SelectedLocation = NoLocation;

    ITableView& view = state.View();
    view.ShowCards(false);
    state.Events().StatusChanged();

    state.DealTable = mArray::DealByNumber(gameNumber);
    state.GameStarted = true;

    for (int i = 0; i < CardCount; ++i) {
        state.MutableGame().init(static_cast<Location>(i),
                                 state.DealTable[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < CardCount; ++i) {
        const CardIndex card = state.DealTable[static_cast<std::size_t>(i)];
        const auto loc = static_cast<Location>(i);
        view.BringToFront(card);
        view.PlaceCard(card, 0, 0);
        // The slide is queued first, so a view that plays it later shows the card as it starts.
        view.AnimateCard(card, 0, 0, cCards::Left(loc), cCards::Top(loc), 4);
        view.ShowCard(card, true);
    }
    state.Events().SetCaption(Caption(gameNumber));
    view.ShowCards(true);
}

} // namespace velmora::mGame
