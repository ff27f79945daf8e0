#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

/// The one date-and-time text of the program ("12/5/2026 5:31:02 PM": month/day/year and
/// 12-hour time with seconds), written and read in the C locale so stored dates stay readable
/// whatever the regional settings.
namespace velmora::GeneralDate {

QString Format(const QDateTime& moment);
/// Reads a text written by Format (surrounding blanks and a lower-case am/pm accepted);
/// nullopt when it is not such a date.
std::optional<QDateTime> Parse(const QString& text);
/// Whole seconds from `from` to `to`, negative when `to` is earlier.
qint64 SecondsBetween(const QDateTime& from, const QDateTime& to);

/// Reads a text written by Format as the clock reading it shows, with no time zone attached
/// (a UTC date and time): differences in seconds and calendar dates need no zone lookups and
/// ignore daylight-saving shifts, so thousands of dates compare quickly. Accepts what Parse
/// accepts.
std::optional<QDateTime> ParseWallClock(const QString& text);
/// The clock reading of `moment` in the form ParseWallClock returns.
QDateTime WallClock(const QDateTime& moment);

} // namespace velmora::GeneralDate
