#pragma once

#include "scores/ScoreBoard.h"
#include "scores/ui/ProgressChart.h"

#include <QWidget>

namespace velmora {

/// The two charts of the progress page: points per game with their moving average, and games
/// won and lost per calendar month.
class ProgressCharts final : public QWidget {
    Q_OBJECT

public:
    explicit ProgressCharts(QWidget* parent = nullptr);

    /// Draws `data` from scratch; a chart with nothing to draw says so.
    void Show(const ProgressData& data);

    ProgressChart* PointsChart() const { return m_points; }
    ProgressChart* MonthsChart() const { return m_months; }

    /// What each chart draws for `data`.
    static ChartData PointsData(const ProgressData& data);
    static ChartData MonthsData(const ProgressData& data);

    static constexpr const char* EmptyText = "No games recorded yet";

private:
    ProgressChart* m_points = nullptr;
    ProgressChart* m_months = nullptr;
};

} // namespace velmora
