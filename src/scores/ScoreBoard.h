#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

/// What the score board shows, as plain rows and columns: the widgets only display it.
namespace velmora {

/// The picture a list row carries; the dialog draws each role.
enum class RowIcon {
    None,
    User,       ///< a player
    BestUser,   ///< the best top score ("User1")
    Score,      ///< a lost game of the score list
    Won,        ///< a won game of the score list
    Statistics, ///< a statistics caption
    General,    ///< a general figure; also the day filter's items
    Totals,     ///< the "Total" row of the global list
};

/// A column of a report list: its header and its width in twips (0 leaves it to the view).
struct ReportColumn {
    QString title;
    double width = 0;
};

struct ReportRow {
    QString key;
    RowIcon icon = RowIcon::None;
    /// The row's text followed by its sub-items, one per column; fewer cells leave the rest
    /// empty.
    QStringList cells;
    bool bold = false;
};

/// One report list of the score board.
struct ReportList {
    std::vector<ReportColumn> columns;
    std::vector<ReportRow> rows;
};

/// The items of the two filter lists of the score list page.
struct ScoreFilters {
    /// The players in slot order, then "All"; empty when no player exists.
    QStringList players;
    /// 0-based position selected in `players`; -1 when the list is empty.
    int selectedPlayer = -1;
    /// "Show Today" … "Show All"; empty when no player exists.
    QStringList days;
    /// 0-based position selected in `days`; -1 when the list is empty.
    int selectedDay = -1;
};

/// The figures computed from the score file for one player (the statistics page's column).
struct PlayerStatistics {
    QString name;
    std::int32_t played = 0;
    std::int32_t won = 0;
    std::int32_t lost = 0;
    std::int64_t totalMoves = 0;
    std::int64_t totalTime = 0;
    std::int64_t totalPoints = 0;
    std::int64_t winningMoves = 0;
    std::int64_t winningTime = 0;
    std::int16_t winningPercentage = 0;
    std::int32_t averagePoints = 0;
    std::int32_t averageWinningMoves = 0;
    std::int64_t averageWinningTime = 0;
    std::int64_t gamesPerMonth = 0;
};

/// The texts of the labels of the general page and of the export frame.
struct ScoreLabels {
    QString lblStart, lblTotal, lblWon, lblLost, lblPerc;
    QString lgmPlayer, lgmMove, lgmCards;
    QString lblFile, lblDate, lblGlobal, lblGeneral;
};

/// What the score board reads from the game on the table.
class IGameFigures {
public:
    virtual ~IGameFigures() = default;
    /// A game is in play (dealt, not a finished game on view).
    virtual bool GameInProgress() const = 0;
    /// The move number of the game on the table.
    virtual std::int32_t MoveNumber() const = 0;
    /// Cards not yet home.
    virtual std::int32_t CardsLeft() const = 0;
    /// Seconds played in the current game.
    virtual std::int32_t GameTime() = 0;
    /// Seconds since the program started.
    virtual std::int32_t SessionTime() = 0;
};

/// One game of the progress chart.
struct ProgressGame {
    QDateTime date;
    std::int32_t points = 0;
    /// Mean points of this game and up to the previous ProgressWindow − 1 games.
    double average = 0;
};

/// One calendar month of the progress bar chart.
struct ProgressMonth {
    int year = 0;
    int month = 0;
    std::int32_t won = 0;
    std::int32_t lost = 0;
};

/// The progress page for one player or all of them.
struct ProgressData {
    /// Every kept game in date order.
    std::vector<ProgressGame> games;
    /// The last twelve calendar months, oldest first, the current month last.
    std::array<ProgressMonth, 12> months{};
};

} // namespace velmora
