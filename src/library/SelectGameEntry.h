#pragma once

#include <QString>

#include <cstdint>
#include <optional>

/// The select-game dialog's rules: its label, its suggestion and which entries deal a game.
namespace velmora::SelectGameEntry {

/// "Select a Game Number between 0 and " and the random limit.
QString LabelText(std::int32_t limit);
/// `random` (in [0, 1)) times the limit, to the nearest whole number, halves to even.
std::int32_t Suggestion(double random, std::int32_t limit);
/// The game an entry deals: a number (blanks around it allowed) above 0 and below 3240000,
/// whatever the random range, rounded halves to even (12.5 deals 12, 13.5 deals 14). Nothing
/// for any other text.
std::optional<std::int32_t> Parse(const QString& text);

inline constexpr const char* Invalid = "Please Enter a valid number between 0 and 3240000";

} // namespace velmora::SelectGameEntry
