#include "scores/ui/ProgressCharts.h"

#include "scores/mScoreBoard.h"
#include "scores/ui/ScoreIcons.h"

#include <QLocale>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

ProgressChart* View(QWidget* parent, const char* name, const QString& title) {
    auto* view = new ProgressChart(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setAccessibleName(title);
    view->setMinimumHeight(150);
    return view;
}

ChartData Empty() {
    ChartData chart;
    chart.title = QString::fromLatin1(ProgressCharts::EmptyText);
    return chart;
}

/// A count axis from zero (or below, for a hostile negative value) to a round number.
std::vector<double> CountTicks(const std::vector<ChartSeries>& series) {
    double low = 0;
    double high = 1;
    for (const ChartSeries& s : series) {
        for (const double v : s.values) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    return NiceTicks(low, high, 5);
}

/// Round game numbers in 1 … games; game 1 too when it sits at least half a step before the
/// first of them.
std::vector<double> GameTicks(double games) {
    const double step = NiceStep(games - 1, 6);
    std::vector<double> ticks;
    for (double v = step; v <= games; v += step) {
        ticks.push_back(v);
    }
    if (ticks.empty() || ticks.front() - 1 >= step / 2) {
        ticks.insert(ticks.begin(), 1);
    }
    return ticks;
}

} // namespace

ChartData ProgressCharts::PointsData(const ProgressData& data) {
    if (data.games.empty()) {
        return Empty();
    }
    ChartData chart;
    chart.title = QStringLiteral("Points per Game");
    chart.xTitle = QStringLiteral("Game");
    chart.yTitle = QStringLiteral("Points");
    ChartSeries points{QStringLiteral("Points"), ScoreIcons::PointsColour(), 1.5, {}};
    ChartSeries average{QStringLiteral("Average of %1 games").arg(mScoreBoard::ProgressWindow),
                        ScoreIcons::AverageColour(),
                        2.5,
                        {}};
    points.values.reserve(data.games.size());
    average.values.reserve(data.games.size());
    for (const ProgressGame& game : data.games) {
        points.values.push_back(game.points);
        average.values.push_back(game.average);
    }
    chart.series = {std::move(points), std::move(average)};
    chart.xMax = std::max<double>(2, static_cast<double>(data.games.size()));
    chart.xTicks = GameTicks(chart.xMax);
    chart.yTicks = CountTicks(chart.series);
    return chart;
}

ChartData ProgressCharts::MonthsData(const ProgressData& data) {
    const bool empty = std::all_of(data.months.begin(), data.months.end(),
                                   [](const ProgressMonth& m) { return m.won + m.lost == 0; });
    if (empty) {
        return Empty();
    }
    ChartData chart;
    chart.title = QStringLiteral("Games per Month");
    chart.yTitle = QStringLiteral("Games");
    ChartSeries won{QStringLiteral("Won"), ScoreIcons::WonColour(), 0, {}};
    ChartSeries lost{QStringLiteral("Lost"), ScoreIcons::LostColour(), 0, {}};
    const QLocale c = QLocale::c();
    for (const ProgressMonth& m : data.months) {
        won.values.push_back(m.won);
        lost.values.push_back(m.lost);
        chart.categories << c.monthName(m.month, QLocale::ShortFormat);
    }
    const ProgressMonth& last = data.months.back();
    chart.xTitle = QStringLiteral("Twelve months to ") +
                   c.monthName(last.month, QLocale::ShortFormat) + u' ' +
                   QString::number(last.year);
    chart.series = {std::move(won), std::move(lost)};
    chart.yTicks = CountTicks(chart.series);
    return chart;
}

ProgressCharts::ProgressCharts(QWidget* parent) : QWidget(parent) {
    m_points = View(this, "chtPoints", QStringLiteral("Points per Game"));
    m_months = View(this, "chtMonths", QStringLiteral("Games per Month"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_points, 1);
    layout->addWidget(m_months, 1);
}

void ProgressCharts::Show(const ProgressData& data) {
    m_points->SetData(PointsData(data));
    m_months->SetData(MonthsData(data));
}

} // namespace velmora
