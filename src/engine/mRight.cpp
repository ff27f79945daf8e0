#include "engine/mRight.h"

#include "engine/GameState.h"
#include "engine/cGame.h"
#include "engine/mGame.h"

namespace velmora::mRight {

void AutoMoveToHome(GameState& state) {
    for (int i = 0; i < ColumnCount; ++i) {
        const Location b = state.Game().GetBottomCardLocation(static_cast<Location>(i));
        if (b > -1) {
            TryMoveHome(state, b);
        }
    }
    for (int cell = FirstFreeCell; cell <= LastFreeCell; ++cell) {
        TryMoveHome(state, static_cast<Location>(cell));
    }
    if (state.GameStarted) {
        CheckWon(state);
    }
}

void TryMoveHome(GameState& state, Location loc) {
    cGame& game = state.MutableGame();
    const CardIndex card = game.GetCardIndex(loc);
    if (card < 0) {
        return;
    }
    const int suit = SuitOf(card);
    const int rank = RankOf(card);
    const auto home = static_cast<Location>(GapCell + suit);
    auto homeRank = [&]() { return RankOf(game.GetCardIndex(home)); };

    if (rank == 1) {
        game.SetLocation(loc, home, MoveMode::Follow);
    } else if (rank == 2 && homeRank() == 1) {
        game.SetLocation(loc, home, MoveMode::Follow);
    }
    // Aces and twos go at once. A higher card waits while a card of the other colour one rank
    // below it is still out: that card could want it as a place.
    const int lowest = mGame::LowestHomeRank(state, ColourOf(card) == 1 ? 2 : 1);
    if (rank >= lowest + 2) {
        return;
    }
    if (rank == homeRank() + 1) {
        game.SetLocation(loc, home, MoveMode::Follow);
    }
}

void CheckWon(GameState& state) {
    if (mGame::LowestHomeRank(state, 2) != 13 || mGame::LowestHomeRank(state, 1) != 13 ||
        state.Finished || state.WonNotified) {
        return;
    }
    state.WonNotified = true;
    state.Events().GameWon();
}

} // namespace velmora::mRight
