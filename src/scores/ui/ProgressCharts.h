#pragma once

#include "scores/ScoreBoard.h"

#include <QWidget>

class QChart;
class QChartView;

namespace velmora {

/// The two charts of the progress page: points per game with their moving average, and games
/// won and lost per calendar month.
class ProgressCharts final : public QWidget {
    Q_OBJECT

public:
    explicit ProgressCharts(QWidget* parent = nullptr);

    /// Draws `data` from scratch; a chart with nothing to draw says so.
    void Show(const ProgressData& data);

    QChart* PointsChart() const;
    QChart* MonthsChart() const;

    static constexpr const char* EmptyText = "No games recorded yet";

private:
    QChartView* m_points = nullptr;
    QChartView* m_months = nullptr;
};

} // namespace velmora
