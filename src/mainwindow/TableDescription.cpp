#include "mainwindow/TableDescription.h"

#include "engine/GameState.h"
#include "engine/cGame.h"
#include "history/cTrans.h"

#include <array>
#include <string_view>

namespace velmora {

std::string CardName(CardIndex card) {
    if (card < 0 || card >= CardCount) {
        return {};
    }
    static constexpr std::array<std::string_view, 13> Ranks{
        "Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
        "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
    // Suit codes 1..4 are painted as clubs, diamonds, spades and hearts.
    static constexpr std::array<std::string_view, 4> Suits{"Clubs", "Diamonds", "Spades", "Hearts"};
    std::string name(Ranks[static_cast<std::size_t>(RankOf(card) - 1)]);
    name += " of ";
    name += Suits[static_cast<std::size_t>(SuitOf(card) - 1)];
    return name;
}

std::string PlaceName(Location loc) {
    if (IsColumnSlot(loc)) {
        return std::string("column ") + static_cast<char>('A' + loc % ColumnCount);
    }
    if (IsFreeCell(loc)) {
        return "free cell " + std::to_string(loc - FirstFreeCell + 1);
    }
    if (IsHomeCell(loc)) {
        return "home cell " + std::to_string(loc - FirstHomeCell + 5);
    }
    return {};
}

std::string DescribeTable(const GameState& state, const cTrans& trans) {
    if (!state.GameStarted || !state.HasGame()) {
        return "No game";
    }
    const cGame& game = state.Game();
    std::string text = "Nothing selected";
    if (state.SelectedLocation != NoLocation) {
        text = CardName(game.GetCardIndex(state.SelectedLocation)) + " selected, " +
               PlaceName(state.SelectedLocation);
    }
    if (trans.CurrentTrans() >= 1) {
        // The record at the cursor is the last one on the board: its card still lies where it
        // went.
        const TransRecord& last = trans.Record(trans.CurrentTrans());
        text += ". Last move: " + CardName(game.GetCardIndex(last.DestLoc)) + " from " +
                PlaceName(last.SrcLoc) + " to " + PlaceName(last.DestLoc);
    }
    return text;
}

} // namespace velmora
