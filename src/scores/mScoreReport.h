#pragma once

#include "scores/ScoreBoard.h"
#include "scores/cScore.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <variant>
#include <vector>

/// The score board report: a text laid out in print zones of 14 characters.
namespace velmora::mScoreReport {

/// One item of a report line: a text written unchanged, or an integer written with a leading
/// space (or its minus sign) and a trailing space.
using Item = std::variant<QString, std::int64_t>;

/// Width of a print zone.
inline constexpr int ZoneWidth = 14;

/// The items laid out in zones: after an item ending before column c the next one starts at
/// column 14 × ⌊(c − 1) / 14⌋ + 15, the gap filled with spaces. No line end is added.
QString PrintLine(const std::vector<Item>& items);

/// A player of the player list.
struct PlayerLine {
    QString name;
    QString date;
    QString fullName;
};

/// A row of the players' totals (slots 1 to 5, then the totals row).
struct TotalsLine {
    QString name;
    std::int32_t total = 0;
    std::int32_t won = 0;
    std::int32_t lost = 0;
    std::int32_t time = 0;
    std::int16_t averagePoints = 0;
    std::int16_t percentage = 0;
};

/// Everything the report shows.
struct Contents {
    QString createdBy;
    /// The present moment as general date-and-time text.
    QString createdDate;
    std::vector<PlayerLine> players;
    std::vector<TotalsLine> totals;
    std::array<PlayerStatistics, 5> statistics{};
};

/// The whole report, lines ended by CR LF, in UTF-8: the contents, then every record of the
/// score table.
QByteArray Text(const Contents& contents, const std::vector<ScoreRecord>& records);

} // namespace velmora::mScoreReport
