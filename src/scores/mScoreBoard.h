#pragma once

#include "scores/ScoreBoard.h"
#include "scores/cScore.h"

#include <QDateTime>

#include <array>
#include <optional>
#include <vector>

/// The score board's pages computed from the score table: pure functions of the records, their
/// parsed dates, the players and the present moment. Averages are taken half to even.
namespace velmora::mScoreBoard {

/// A player slot as the board reads it; an empty name is an empty slot.
struct Player {
    QString name;
    /// The creation moment; nullopt when the stored date is not a date.
    std::optional<QDateTime> created;
};
using Players = std::array<Player, 5>;

/// Calendar-day boundaries crossed from `from` to `to`; negative when `to` lies before.
qint64 DayBoundaries(const QDateTime& from, const QDateTime& to);
/// Calendar-month boundaries crossed from `from` to `to`; negative when `to` lies before.
qint64 MonthBoundaries(const QDateTime& from, const QDateTime& to);

/// The day filter captions, in list order.
QStringList DayFilters();
/// How many calendar days a day filter position (1-based) keeps: 1, 3, 7, 30, or 0 for all.
int DayLimit(int dayComboIndex);

/// The score list of one player (or "All": every player, names in the first column) with the
/// records of the last `dayLimit` calendar days (0: all days, records in the future too).
ReportList ScoreList(const std::vector<ScoreRecord>& records, const std::vector<QDateTime>& moments,
                     const QString& player, int dayLimit, bool finishedOnly, const QDateTime& now);

/// One statistics row per slot, each counting the records of its player's name.
std::array<PlayerStatistics, 5> Statistics(const std::vector<ScoreRecord>& records,
                                           const Players& players, const QDateTime& now);
/// Eleven captions, then one column per named row in slot order.
ReportList StatisticsList(const std::array<PlayerStatistics, 5>& statistics);
/// Widths in twips of the statistics list's `columns` columns in a list `listWidth` twips wide.
std::vector<double> StatisticsWidths(int columns, double listWidth);

/// The twelve best records, best first: a record displaces the first slot whose points are
/// strictly lower, so the earlier of equal scores stays above. 0 points never enter.
std::array<std::optional<ScoreRecord>, 12> TopScores(const std::vector<ScoreRecord>& records);
/// Rows for the first eleven slots with points of a player in `existing`; the first is bold
/// with the best-score icon.
ReportList TopScoreList(const std::array<std::optional<ScoreRecord>, 12>& top,
                        const QStringList& existing);

/// The general page's ten rows over every record.
ReportList GeneralList(const std::vector<ScoreRecord>& records);
/// Widths in twips of the two general columns in a list `listWidth` twips wide.
std::array<double, 2> GeneralWidths(double listWidth);

/// Played and won among the records dated strictly after `sessionStart` (whole seconds).
struct SessionFigures {
    std::int32_t played = 0;
    std::int32_t won = 0;
};
SessionFigures Session(const std::vector<ScoreRecord>& records,
                       const std::vector<QDateTime>& moments, const QDateTime& sessionStart);

/// Games shown in the moving average of the progress chart.
inline constexpr int ProgressWindow = 10;
/// The points of `player`'s games (every player's for "All") in date order with their moving
/// average, and won and lost games per calendar month over the twelve months up to `now`.
ProgressData Progress(const std::vector<ScoreRecord>& records,
                      const std::vector<QDateTime>& moments, const QString& player,
                      const QDateTime& now);

} // namespace velmora::mScoreBoard
