#include "scores/mScoreBoard.h"

#include "engine/Rounding.h"

#include <algorithm>

namespace velmora::mScoreBoard {

namespace {

const QString All = QStringLiteral("All");

/// `value` / `count` to the nearest integer, half to even; 0 when nothing was counted.
std::int64_t Average(std::int64_t value, std::int64_t count) {
    if (count < 1) {
        return 0;
    }
    return RoundHalfEven(static_cast<double>(value) / static_cast<double>(count));
}

std::int64_t Percentage(std::int64_t part, std::int64_t count) {
    if (count < 1) {
        return 0;
    }
    return RoundHalfEven(static_cast<double>(part) / static_cast<double>(count) * 100.0);
}

QString Number(std::int64_t value) {
    return QString::number(value);
}

QString Percent(std::int64_t value) {
    return QString::number(value) + QStringLiteral(" %");
}

bool Won(const ScoreRecord& record) {
    return record.Perc == 100;
}

} // namespace

qint64 DayBoundaries(const QDateTime& from, const QDateTime& to) {
    return from.date().daysTo(to.date());
}

qint64 MonthBoundaries(const QDateTime& from, const QDateTime& to) {
    const QDate a = from.date();
    const QDate b = to.date();
    return (static_cast<qint64>(b.year()) - a.year()) * 12 + (b.month() - a.month());
}

QStringList DayFilters() {
    return {QStringLiteral("Show Today"), QStringLiteral("Last 3 Days"),
            QStringLiteral("Last 1 Week"), QStringLiteral("Last 1 Month"),
            QStringLiteral("Show All")};
}

int DayLimit(int dayComboIndex) {
    switch (dayComboIndex) {
    case 2:
        return 3;
    case 3:
        return 7;
    case 4:
        return 30;
    case 5:
        return 0;
    default:
        return 1;
    }
}

ReportList ScoreList(const std::vector<ScoreRecord>& records, const std::vector<QDateTime>& moments,
                     const QString& player, int dayLimit, bool finishedOnly, const QDateTime& now) {
    const bool all = player == All;
    ReportList list;
    list.columns = {{all ? QStringLiteral("Players") : QStringLiteral("ID"), all ? 1500.0 : 900.0},
                    {QStringLiteral("Date"), 2500},
                    {QStringLiteral("Game"), 1000},
                    {QStringLiteral("Time"), 1000},
                    {QStringLiteral("Move"), 800},
                    {QStringLiteral("Perc"), 800},
                    {QStringLiteral("Points"), 900}};
    int r = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const ScoreRecord& record = records[i];
        if (!all && record.Name != player) {
            continue;
        }
        if (finishedOnly && !Won(record)) {
            continue;
        }
        if (dayLimit != 0) {
            const qint64 d = DayBoundaries(moments[i], now);
            if (d > dayLimit - 1 || d < 0) {
                continue;
            }
        }
        ++r;
        list.rows.push_back({QStringLiteral("a") + QString::number(r),
                             Won(record) ? RowIcon::Won : RowIcon::Score,
                             {all ? record.Name : QString::number(r), record.Date,
                              Number(record.GameNumber), cScore::ConvertTimeS(record.Time),
                              Number(record.Moves), Percent(record.Perc), Number(record.Score)},
                             false});
    }
    return list;
}

std::array<PlayerStatistics, 5> Statistics(const std::vector<ScoreRecord>& records,
                                           const Players& players, const QDateTime& now) {
    std::array<PlayerStatistics, 5> rows{};
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k].name = players[k].name;
    }
    for (const ScoreRecord& record : records) {
        for (PlayerStatistics& row : rows) {
            if (row.name.isEmpty() || row.name != record.Name) {
                continue;
            }
            ++row.played;
            row.totalMoves += record.Moves;
            row.totalTime += record.Time;
            row.totalPoints += record.Score;
            if (Won(record)) {
                ++row.won;
                row.winningMoves += record.Moves;
                row.winningTime += record.Time;
            } else {
                ++row.lost;
            }
        }
    }
    for (std::size_t k = 0; k < rows.size(); ++k) {
        PlayerStatistics& row = rows[k];
        row.winningPercentage = static_cast<std::int16_t>(Percentage(row.won, row.played));
        row.averagePoints = static_cast<std::int32_t>(Average(row.totalPoints, row.played));
        row.averageWinningTime = Average(row.winningTime, row.won);
        row.averageWinningMoves = static_cast<std::int32_t>(Average(row.winningMoves, row.won));
        if (players[k].created) {
            const qint64 months = MonthBoundaries(*players[k].created, now) + 1;
            row.gamesPerMonth = Average(row.played, months);
        }
    }
    return rows;
}

ReportList StatisticsList(const std::array<PlayerStatistics, 5>& statistics) {
    static const char* const Captions[] = {"Games Played",
                                           "Games Won",
                                           "Games Lost",
                                           "Total No. of Moves",
                                           "Average Winning Moves",
                                           "Total Game Points",
                                           "Total Time Taken",
                                           "Average Winning Time",
                                           "Winning Percentage",
                                           "Avg. Games per Month",
                                           "Average Points"};
    ReportList list;
    list.columns.push_back({QStringLiteral("Statistics"), 2000});
    for (const char* caption : Captions) {
        list.rows.push_back({{}, RowIcon::Statistics, {QString::fromLatin1(caption)}, false});
    }
    list.rows.back().bold = true;
    for (const PlayerStatistics& s : statistics) {
        if (s.name.isEmpty()) {
            continue;
        }
        list.columns.push_back({s.name, 1000});
        const QString values[] = {Number(static_cast<std::int64_t>(s.won) + s.lost),
                                  Number(s.won),
                                  Number(s.lost),
                                  Number(s.totalMoves),
                                  Number(s.averageWinningMoves),
                                  Number(s.totalPoints),
                                  cScore::ConvertTimeS(s.totalTime),
                                  cScore::ConvertTimeS(s.averageWinningTime),
                                  Percent(s.winningPercentage),
                                  Number(s.gamesPerMonth),
                                  Number(s.averagePoints)};
        for (std::size_t row = 0; row < list.rows.size(); ++row) {
            list.rows[row].cells << values[row];
        }
    }
    return list;
}

std::vector<double> StatisticsWidths(int columns, double listWidth) {
    if (columns < 1) {
        return {};
    }
    const double w = static_cast<double>(RoundHalfEven((listWidth - 100) / (columns + 1)));
    std::vector<double> widths(static_cast<std::size_t>(columns), 0);
    widths[0] = 2 * w + 500;
    for (std::size_t i = 1; i < widths.size(); ++i) {
        widths[i] = w - 500.0 / (columns - 1);
    }
    return widths;
}

std::array<std::optional<ScoreRecord>, 12> TopScores(const std::vector<ScoreRecord>& records) {
    std::array<std::optional<ScoreRecord>, 12> top{};
    for (const ScoreRecord& record : records) {
        const auto slot = std::find_if(top.begin(), top.end(), [&](const auto& held) {
            return (held ? held->Score : 0) < record.Score;
        });
        if (slot == top.end()) {
            continue;
        }
        std::move_backward(slot, top.end() - 1, top.end());
        *slot = record;
    }
    return top;
}

ReportList TopScoreList(const std::array<std::optional<ScoreRecord>, 12>& top,
                        const QStringList& existing) {
    ReportList list;
    list.columns = {{QStringLiteral("Player"), 1500}, {QStringLiteral("Date"), 2500},
                    {QStringLiteral("GameNo"), 1100}, {QStringLiteral("Moves"), 1000},
                    {QStringLiteral("Time"), 1000},   {QStringLiteral("Score"), 1000}};
    for (std::size_t k = 0; k + 1 < top.size(); ++k) {
        const auto& record = top[k];
        if (!record || record->Score <= 0 || !existing.contains(record->Name)) {
            continue;
        }
        list.rows.push_back(
            {{},
             RowIcon::User,
             {record->Name, record->Date, Number(record->GameNumber), Number(record->Moves),
              cScore::ConvertTimeS(record->Time), Number(record->Score)},
             false});
    }
    if (!list.rows.empty()) {
        list.rows.front().icon = RowIcon::BestUser;
        list.rows.front().bold = true;
    }
    return list;
}

ReportList GeneralList(const std::vector<ScoreRecord>& records) {
    std::int64_t played = 0;
    std::int64_t won = 0;
    std::int64_t time = 0;
    std::int64_t points = 0;
    std::int64_t moves = 0;
    for (const ScoreRecord& record : records) {
        ++played;
        won += Won(record) ? 1 : 0;
        time += record.Time;
        points += record.Score;
        moves += record.Moves;
    }
    const std::pair<const char*, QString> rows[] = {
        {"Games Played", Number(played)},
        {"Games Won", Number(won)},
        {"Games Lost", Number(played - won)},
        {"Time Taken", cScore::ConvertTimeS(time)},
        {"Total Score", Number(points)},
        {"Total Moves", Number(moves)},
        {"Average Moves", Number(Average(moves, played))},
        {"Average Time", cScore::ConvertTimeS(Average(time, played))},
        {"Average Score", Number(Average(points, played))},
        {"Winning Percentage", Percent(Percentage(won, played))},
    };
    ReportList list;
    list.columns = {{QStringLiteral("Type"), 0}, {QStringLiteral("Value"), 0}};
    for (const auto& [caption, value] : rows) {
        list.rows.push_back({{}, RowIcon::General, {QString::fromLatin1(caption), value}, false});
    }
    return list;
}

std::array<double, 2> GeneralWidths(double listWidth) {
    const double usable = listWidth - 100;
    return {usable * 2 / 3, usable / 3};
}

SessionFigures Session(const std::vector<ScoreRecord>& records,
                       const std::vector<QDateTime>& moments, const QDateTime& sessionStart) {
    SessionFigures figures;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (sessionStart.secsTo(moments[i]) > 0) {
            ++figures.played;
            figures.won += Won(records[i]) ? 1 : 0;
        }
    }
    return figures;
}

ProgressData Progress(const std::vector<ScoreRecord>& records,
                      const std::vector<QDateTime>& moments, const QString& player,
                      const QDateTime& now) {
    ProgressData data;
    const QDate today = now.date();
    for (std::size_t m = 0; m < data.months.size(); ++m) {
        const QDate month =
            QDate(today.year(), today.month(), 1).addMonths(static_cast<int>(m) - 11);
        data.months[m].year = month.year();
        data.months[m].month = month.month();
    }

    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (player == All || records[i].Name == player) {
            order.push_back(i);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return moments[a] < moments[b]; });

    std::int64_t windowSum = 0;
    data.games.reserve(order.size());
    for (std::size_t n = 0; n < order.size(); ++n) {
        const ScoreRecord& record = records[order[n]];
        windowSum += record.Score;
        if (n >= static_cast<std::size_t>(ProgressWindow)) {
            windowSum -= records[order[n - ProgressWindow]].Score;
        }
        const auto counted = std::min<std::size_t>(n + 1, ProgressWindow);
        data.games.push_back({moments[order[n]], record.Score,
                              static_cast<double>(windowSum) / static_cast<double>(counted)});

        const qint64 back = MonthBoundaries(moments[order[n]], now);
        if (back >= 0 && back < static_cast<qint64>(data.months.size())) {
            ProgressMonth& month =
                data.months[data.months.size() - 1 - static_cast<std::size_t>(back)];
            ++(Won(record) ? month.won : month.lost);
        }
    }
    return data;
}

} // namespace velmora::mScoreBoard
