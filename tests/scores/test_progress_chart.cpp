#include "scores/ui/ProgressChart.h"
#include "scores/ui/ProgressCharts.h"
#include "scores/ui/ScoreIcons.h"

#include <QImage>

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

using Ticks = std::vector<double>;

ProgressData Games(std::initializer_list<std::pair<int, double>> games) {
    ProgressData data;
    for (const auto& [points, average] : games) {
        data.games.push_back({QDateTime(), points, average});
    }
    return data;
}

/// Twelve months to June 2026 with the given results in their order.
ProgressData Months(const std::array<std::pair<int, int>, 12>& results) {
    ProgressData data;
    for (int i = 0; i < 12; ++i) {
        data.months[static_cast<std::size_t>(i)] = {i < 6 ? 2025 : 2026, (i + 6) % 12 + 1,
                                                    results[static_cast<std::size_t>(i)].first,
                                                    results[static_cast<std::size_t>(i)].second};
    }
    return data;
}

TEST(ProgressChartTest, AxesUseTheSmallestRoundStepThatFits) {
    EXPECT_EQ(NiceStep(10, 5), 2) << "a step that fits exactly is taken (>= made >)";
    EXPECT_EQ(NiceStep(90, 6), 20);
    EXPECT_EQ(NiceStep(7, 5), 2);
    EXPECT_EQ(NiceStep(1300, 5), 500);
    EXPECT_EQ(NiceStep(0.5, 5), 1) << "counts never step by a fraction";

    EXPECT_EQ(NiceTicks(0, 85, 5), (Ticks{0, 20, 40, 60, 80, 100})) << "top rounded up, not down";
    EXPECT_EQ(NiceTicks(0, 7, 5), (Ticks{0, 2, 4, 6, 8}));
    EXPECT_EQ(NiceTicks(-3, 10, 5), (Ticks{-5, 0, 5, 10})) << "bottom rounded down";
    EXPECT_EQ(NiceTicks(0, 0, 5), (Ticks{0, 1})) << "an axis always has a length";
}

TEST(ProgressChartTest, PointsChartDrawsEveryGameAndItsAverage) {
    const ChartData chart = ProgressCharts::PointsData(Games({{10, 10}, {30, 20}, {20, 20}}));
    EXPECT_EQ((QStringList{chart.title, chart.xTitle, chart.yTitle}),
              (QStringList{"Points per Game", "Game", "Points"}));
    EXPECT_TRUE(chart.categories.isEmpty()) << "lines, not bars";
    ASSERT_EQ(chart.series.size(), 2U);
    EXPECT_EQ(chart.series[0].name, "Points");
    EXPECT_EQ(chart.series[0].values, (Ticks{10, 30, 20}));
    EXPECT_EQ(chart.series[0].colour, ScoreIcons::PointsColour());
    EXPECT_EQ(chart.series[1].name, "Average of 10 games");
    EXPECT_EQ(chart.series[1].values, (Ticks{10, 20, 20})) << "the average, not the points again";
    EXPECT_EQ(chart.series[1].colour, ScoreIcons::AverageColour());
    EXPECT_EQ(chart.xMax, 3);
    EXPECT_EQ(chart.xTicks, (Ticks{1, 2, 3})) << "the last game has its tick (<= made <)";
    EXPECT_EQ(chart.yTicks, (Ticks{0, 10, 20, 30}));

    // A hostile score file's negative points stay inside the axis.
    EXPECT_EQ(ProgressCharts::PointsData(Games({{-5, -5}, {30, 12}})).yTicks.front(), -10);
}

TEST(ProgressChartTest, GameAxisShowsRoundNumbersAndTheFirstGame) {
    ProgressData data;
    data.games.assign(91, {QDateTime(), 5, 5});
    const ChartData chart = ProgressCharts::PointsData(data);
    EXPECT_EQ(chart.xMax, 91);
    EXPECT_EQ(chart.xTicks, (Ticks{1, 20, 40, 60, 80}));

    const ChartData one = ProgressCharts::PointsData(Games({{7, 7}}));
    EXPECT_EQ(one.xMax, 2) << "one game still has an axis to stand on";
    EXPECT_EQ(one.xTicks, (Ticks{1, 2}));
}

TEST(ProgressChartTest, MonthsChartGroupsWonAndLostByMonth) {
    std::array<std::pair<int, int>, 12> results{};
    results[0] = {3, 5};
    results[11] = {0, 7};
    const ChartData chart = ProgressCharts::MonthsData(Months(results));
    // The axis names the last month, not the first.
    EXPECT_EQ((QStringList{chart.title, chart.xTitle, chart.yTitle}),
              (QStringList{"Games per Month", "Twelve months to Jun 2026", "Games"}));
    ASSERT_EQ(chart.categories.size(), 12);
    EXPECT_EQ(chart.categories.front(), "Jul");
    EXPECT_EQ(chart.categories.back(), "Jun");
    ASSERT_EQ(chart.series.size(), 2U);
    EXPECT_EQ(chart.series[0].name, "Won");
    EXPECT_EQ(chart.series[0].colour, ScoreIcons::WonColour());
    EXPECT_EQ(chart.series[1].name, "Lost");
    EXPECT_EQ(chart.series[1].colour, ScoreIcons::LostColour());
    EXPECT_EQ(chart.series[0].values.front(), 3);
    EXPECT_EQ(chart.series[1].values.front(), 5) << "won and lost not swapped";
    EXPECT_EQ(chart.series[1].values.back(), 7);
    EXPECT_EQ(chart.yTicks, (Ticks{0, 2, 4, 6, 8})) << "the tallest bar of either set fits";
}

TEST(ProgressChartTest, ChartWithNothingToDrawSaysSo) {
    for (const ChartData& chart :
         {ProgressCharts::PointsData({}), ProgressCharts::MonthsData(Months({}))}) {
        EXPECT_EQ(chart.title, ProgressCharts::EmptyText);
        EXPECT_TRUE(chart.series.empty());
    }
    std::array<std::pair<int, int>, 12> results{};
    results[4] = {0, 1};
    EXPECT_EQ(ProgressCharts::MonthsData(Months(results)).series.size(), 2U)
        << "a month of lost games alone is something to draw";
}

/// How many pixels of `image` are exactly `colour`.
int Count(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

TEST(ProgressChartTest, BarsRiseFromTheAxisInTheirColours) {
    std::array<std::pair<int, int>, 12> results{};
    results[3] = {1, 4};
    ProgressChart view;
    view.resize(600, 240);
    view.SetData(ProgressCharts::MonthsData(Months(results)));
    for (const double ratio : {1.0, 2.0}) {
        QImage image(view.size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        view.render(&image);
        const int won = Count(image, ScoreIcons::WonColour());
        const int lost = Count(image, ScoreIcons::LostColour());
        EXPECT_GT(won, 0) << ratio;
        // Four times as tall as the won bar (give or take the legend swatch and edge pixels).
        EXPECT_GT(lost, won * 3) << "bar heights from zero, not from the top: " << ratio;
    }
}

} // namespace
} // namespace velmora::test
