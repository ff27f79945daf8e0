#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace velmora {

/// One line, or one set of bars, of a chart.
struct ChartSeries {
    QString name;
    QColor colour;
    /// Pen width of a line; unused by bars.
    double width = 1.5;
    /// A line's value at x = 1, 2, …; a bar set's value for each category.
    std::vector<double> values;
};

/// What a chart draws, computed without painting. No series: the chart shows only its title,
/// as a message.
struct ChartData {
    QString title;
    QString xTitle;
    QString yTitle;
    /// Bars when there are categories, lines otherwise.
    QStringList categories;
    /// Tick values of a line chart's x axis, which spans 1 … xMax.
    std::vector<double> xTicks;
    double xMax = 2;
    /// Tick values of the y axis, first and last its ends.
    std::vector<double> yTicks;
    std::vector<ChartSeries> series;
};

/// The round step (1, 2 or 5 times a power of ten, at least 1) that divides `span` into at most
/// `most` parts.
double NiceStep(double span, int most);

/// The ticks of an axis from a multiple of the nice step at or below `low` to one at or above
/// `high`.
std::vector<double> NiceTicks(double low, double high, int most);

/// A chart painted from its data: title, axes with grid, lines or grouped bars, legend.
class ProgressChart final : public QWidget {
    Q_OBJECT

public:
    explicit ProgressChart(QWidget* parent = nullptr);

    void SetData(ChartData data);
    const ChartData& Data() const { return m_data; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartData m_data;
};

} // namespace velmora
