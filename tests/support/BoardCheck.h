#pragma once

// Whole-position consistency of a board, for long randomised runs and fuzz targets.

#include "engine/Types.h"
#include "engine/cGame.h"

#include <array>
#include <string>

namespace velmora::test {

/// What is wrong with the position on `game`, or an empty text: every card lies in exactly one
/// place (a column slot, a free cell, or on or under the top card of its own home pile), the
/// board and the reverse map agree, columns have no holes, and nothing lies outside the card
/// locations.
inline std::string BoardProblem(const cGame& game) {
    std::array<int, CardCount> seen{};
    for (int loc = 0; loc < BoardSize; ++loc) {
        const CardIndex card = game.GetCardIndex(loc);
        if (card == NoCard) {
            continue;
        }
        const std::string at = " at " + std::to_string(loc);
        if (card < 0 || card >= CardCount) {
            return "bad card " + std::to_string(card) + at;
        }
        if (!IsCardLocation(loc)) {
            return "card " + std::to_string(card) + at + ", not a card location";
        }
        if (IsColumnSlot(loc) && loc >= ColumnCount && game.GetCardIndex(loc - 8) == NoCard) {
            return "hole above card " + std::to_string(card) + at;
        }
        if (IsHomeCell(loc)) {
            if (SuitOf(card) != loc - GapCell) {
                return "card " + std::to_string(card) + " on the wrong home cell" + at;
            }
            // The pile under the top card is implied: ace up to the top card.
            for (int below = card - RankOf(card) + 1; below <= card; ++below) {
                ++seen[static_cast<std::size_t>(below)];
                if (game.GetLocation(static_cast<CardIndex>(below)) != loc) {
                    return "reverse map of home card " + std::to_string(below) + " is " +
                           std::to_string(game.GetLocation(static_cast<CardIndex>(below))) + at;
                }
            }
            continue;
        }
        ++seen[static_cast<std::size_t>(card)];
        if (game.GetLocation(card) != loc) {
            return "reverse map of card " + std::to_string(card) + " is " +
                   std::to_string(game.GetLocation(card)) + at;
        }
    }
    for (int card = 0; card < CardCount; ++card) {
        if (seen[static_cast<std::size_t>(card)] != 1) {
            return "card " + std::to_string(card) + " lies in " +
                   std::to_string(seen[static_cast<std::size_t>(card)]) + " places";
        }
    }
    return {};
}

} // namespace velmora::test
