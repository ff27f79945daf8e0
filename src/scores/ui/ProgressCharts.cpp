#include "scores/ui/ProgressCharts.h"

#include "scores/mScoreBoard.h"
#include "scores/ui/ScoreIcons.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QLocale>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace velmora {

namespace {

QChartView* View(QWidget* parent, const char* name) {
    auto* view = new QChartView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(150);
    return view;
}

/// A fresh chart for `view`; the one it showed before is deleted.
QChart* Replace(QChartView* view, const QString& title) {
    QChart* old = view->chart();
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignRight);
    view->setChart(chart);
    delete old;
    return chart;
}

QValueAxis* CountAxis(double top, const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setRange(0, std::max(1.0, top));
    axis->applyNiceNumbers();
    return axis;
}

void ShowPoints(QChartView* view, const ProgressData& data) {
    if (data.games.empty()) {
        Replace(view, QString::fromLatin1(ProgressCharts::EmptyText))->legend()->hide();
        return;
    }
    QChart* chart = Replace(view, QStringLiteral("Points per Game"));
    QList<QPointF> points;
    QList<QPointF> average;
    points.reserve(static_cast<qsizetype>(data.games.size()));
    average.reserve(static_cast<qsizetype>(data.games.size()));
    double top = 0;
    for (std::size_t i = 0; i < data.games.size(); ++i) {
        const double x = static_cast<double>(i + 1);
        points.append({x, static_cast<double>(data.games[i].points)});
        average.append({x, data.games[i].average});
        top = std::max(top, static_cast<double>(data.games[i].points));
    }
    auto* series = new QLineSeries;
    series->setName(QStringLiteral("Points"));
    series->replace(points);
    series->setPen(QPen(ScoreIcons::PointsColour(), 1.5));
    auto* moving = new QLineSeries;
    moving->setName(QStringLiteral("Average of %1 games").arg(mScoreBoard::ProgressWindow));
    moving->replace(average);
    moving->setPen(QPen(ScoreIcons::AverageColour(), 2.5));
    chart->addSeries(series);
    chart->addSeries(moving);

    auto* games = new QValueAxis;
    games->setTitleText(QStringLiteral("Game"));
    games->setLabelFormat(QStringLiteral("%d"));
    games->setRange(1, std::max<double>(2, static_cast<double>(data.games.size())));
    auto* axisPoints = CountAxis(top, QStringLiteral("Points"));
    chart->addAxis(games, Qt::AlignBottom);
    chart->addAxis(axisPoints, Qt::AlignLeft);
    for (QLineSeries* s : {series, moving}) {
        s->attachAxis(games);
        s->attachAxis(axisPoints);
    }
}

void ShowMonths(QChartView* view, const ProgressData& data) {
    const bool empty = std::all_of(data.months.begin(), data.months.end(),
                                   [](const ProgressMonth& m) { return m.won + m.lost == 0; });
    if (empty) {
        Replace(view, QString::fromLatin1(ProgressCharts::EmptyText))->legend()->hide();
        return;
    }
    QChart* chart = Replace(view, QStringLiteral("Games per Month"));
    auto* won = new QBarSet(QStringLiteral("Won"));
    auto* lost = new QBarSet(QStringLiteral("Lost"));
    won->setColor(ScoreIcons::WonColour());
    lost->setColor(ScoreIcons::LostColour());
    QStringList months;
    double top = 0;
    const QLocale c = QLocale::c();
    for (const ProgressMonth& m : data.months) {
        won->append(m.won);
        lost->append(m.lost);
        top = std::max<double>(top, std::max(m.won, m.lost));
        months << c.monthName(m.month, QLocale::ShortFormat);
    }
    auto* series = new QBarSeries;
    series->append(won);
    series->append(lost);
    chart->addSeries(series);
    auto* axisMonths = new QBarCategoryAxis;
    axisMonths->append(months);
    const ProgressMonth& last = data.months.back();
    axisMonths->setTitleText(QStringLiteral("Twelve months to ") +
                             c.monthName(last.month, QLocale::ShortFormat) + u' ' +
                             QString::number(last.year));
    auto* axisGames = CountAxis(top, QStringLiteral("Games"));
    chart->addAxis(axisMonths, Qt::AlignBottom);
    chart->addAxis(axisGames, Qt::AlignLeft);
    series->attachAxis(axisMonths);
    series->attachAxis(axisGames);
}

} // namespace

ProgressCharts::ProgressCharts(QWidget* parent) : QWidget(parent) {
    m_points = View(this, "chtPoints");
    m_points->setAccessibleName(QStringLiteral("Points per Game"));
    m_months = View(this, "chtMonths");
    m_months->setAccessibleName(QStringLiteral("Games per Month"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_points, 1);
    layout->addWidget(m_months, 1);
}

void ProgressCharts::Show(const ProgressData& data) {
    ShowPoints(m_points, data);
    ShowMonths(m_months, data);
}

QChart* ProgressCharts::PointsChart() const {
    return m_points->chart();
}

QChart* ProgressCharts::MonthsChart() const {
    return m_months->chart();
}

} // namespace velmora
