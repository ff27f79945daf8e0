#include "scores/ui/ProgressChart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace velmora {

double NiceStep(double span, int most) {
    const double raw = span / std::max(1, most);
    double power = 1;
    while (power * 10 <= raw && power < 1e15) {
        power *= 10;
    }
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw) {
            return m * power;
        }
    }
    return 10 * power;
}

std::vector<double> NiceTicks(double low, double high, int most) {
    const double step = NiceStep(high - low, most);
    const double first = std::floor(low / step);
    const double last = std::max(first + 1, std::ceil(high / step));
    std::vector<double> ticks;
    for (double k = first; k <= last; ++k) {
        ticks.push_back(k * step);
    }
    return ticks;
}

namespace {

QString Label(double value) {
    return QString::number(std::llround(value));
}

/// `amount` of `over` laid on `base`.
QColor Mix(const QColor& base, const QColor& over, double amount) {
    return QColor::fromRgbF(
        static_cast<float>(base.redF() + (over.redF() - base.redF()) * amount),
        static_cast<float>(base.greenF() + (over.greenF() - base.greenF()) * amount),
        static_cast<float>(base.blueF() + (over.blueF() - base.blueF()) * amount));
}

/// The middle of the device pixel row or column at `v`, where a one-pixel line is sharp.
double Sharp(double v) {
    return std::floor(v) + 0.5;
}

} // namespace

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProgressChart::SetData(ChartData data) {
    m_data = std::move(data);
    update();
}

QSize ProgressChart::sizeHint() const {
    return {fontMetrics().averageCharWidth() * 70, fontMetrics().height() * 12};
}

void ProgressChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QColor text = pal.color(QPalette::Text);
    const QColor base = pal.color(QPalette::Base);
    const QRectF card = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.fillRect(rect(), pal.window());
    p.setPen(Mix(base, text, 0.18));
    p.setBrush(base);
    p.drawRoundedRect(card, 3, 3);

    const QFontMetricsF fm(font());
    QFont bold = font();
    bold.setBold(true);
    const QFontMetricsF bm(bold);
    const double pad = std::round(fm.height() * 0.6);
    const QRectF inner = card.adjusted(pad, pad / 2, -pad, -pad / 2);
    if (m_data.series.empty()) {
        p.setPen(pal.color(QPalette::PlaceholderText));
        p.drawText(inner, Qt::AlignCenter, m_data.title);
        return;
    }
    p.setPen(text);
    p.drawText(QRectF(inner.left(), inner.top(), inner.width(), fm.height()), Qt::AlignCenter,
               m_data.title);

    // Legend on the right, centred on the plot.
    const double swatch = std::round(fm.height() * 0.6);
    double names = 0;
    for (const ChartSeries& s : m_data.series) {
        names = std::max(names, fm.horizontalAdvance(s.name));
    }
    const double legendWidth = swatch + pad / 2 + names;

    const bool bars = !m_data.categories.isEmpty();
    double tickWidth = 0;
    for (const double v : m_data.yTicks) {
        tickWidth = std::max(tickWidth, fm.horizontalAdvance(Label(v)));
    }
    const double tick = 4;
    const double gap = std::round(pad / 3);
    QRectF plot =
        inner.adjusted(bm.height() + pad / 2 + tickWidth + tick, fm.height() * 1.8,
                       -(legendWidth + pad * 2), -(tick + fm.height() + gap + bm.height()));
    // The last x label reaches past the plot by half its width.
    if (!bars && !m_data.xTicks.empty()) {
        plot.setRight(plot.right() - fm.horizontalAdvance(Label(m_data.xMax)) / 2);
    }
    if (plot.width() < 10 || plot.height() < 10 || m_data.yTicks.size() < 2) {
        return;
    }

    const double y0 = m_data.yTicks.front();
    const double y1 = m_data.yTicks.back();
    const auto Y = [&](double v) { return plot.bottom() - (v - y0) / (y1 - y0) * plot.height(); };
    const double xSpan = std::max(1.0, m_data.xMax - 1);
    const auto X = [&](double v) { return plot.left() + (v - 1) / xSpan * plot.width(); };
    const double slot = bars ? plot.width() / static_cast<double>(m_data.categories.size()) : 0;

    // Grid, axes and their labels.
    const QColor grid = Mix(base, text, 0.12);
    const QColor axis = Mix(base, text, 0.45);
    const double labelsTop = plot.bottom() + tick;
    for (const double v : m_data.yTicks) {
        const double y = Sharp(Y(v));
        p.setPen(grid);
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(text);
        p.drawText(QRectF(plot.left() - tick - tickWidth - pad, y - fm.height() / 2,
                          tickWidth + pad, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, Label(v));
    }
    if (bars) {
        for (qsizetype i = 0; i <= m_data.categories.size(); ++i) {
            const double x = plot.left() + slot * static_cast<double>(i);
            p.setPen(grid);
            p.drawLine(QPointF(Sharp(x), plot.top()), QPointF(Sharp(x), plot.bottom() + tick));
            if (i < m_data.categories.size()) {
                p.setPen(text);
                p.drawText(QRectF(x, labelsTop, slot, fm.height()), Qt::AlignCenter,
                           m_data.categories[i]);
            }
        }
    } else {
        for (const double v : m_data.xTicks) {
            const double x = X(v);
            p.setPen(grid);
            p.drawLine(QPointF(Sharp(x), plot.top()), QPointF(Sharp(x), plot.bottom() + tick));
            p.setPen(text);
            p.drawText(QRectF(x - 100, labelsTop, 200, fm.height()), Qt::AlignCenter, Label(v));
        }
    }
    p.setPen(axis);
    p.drawLine(QPointF(Sharp(plot.left()), plot.top()),
               QPointF(Sharp(plot.left()), Sharp(plot.bottom())));
    p.drawLine(QPointF(Sharp(plot.left()), Sharp(plot.bottom())),
               QPointF(plot.right(), Sharp(plot.bottom())));
    p.setFont(bold);
    p.setPen(text);
    p.drawText(QRectF(plot.left(), labelsTop + fm.height() + gap, plot.width(), bm.height()),
               Qt::AlignCenter, m_data.xTitle);
    p.save();
    p.translate(inner.left(), plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, 0, plot.height(), bm.height()), Qt::AlignCenter,
               m_data.yTitle);
    p.restore();
    p.setFont(font());

    // The data, clipped to the plot.
    p.save();
    p.setClipRect(plot.adjusted(-3, -3, 3, 1));
    const double count = static_cast<double>(m_data.series.size());
    for (std::size_t k = 0; k < m_data.series.size(); ++k) {
        const ChartSeries& s = m_data.series[k];
        if (bars) {
            const double width = slot * 0.6 / count;
            p.setPen(Qt::NoPen);
            p.setBrush(s.colour);
            for (std::size_t i = 0; i < s.values.size(); ++i) {
                const double left = plot.left() + slot * (static_cast<double>(i) + 0.2) +
                                    width * static_cast<double>(k);
                p.drawRect(QRectF(QPointF(left, Y(s.values[i])), QPointF(left + width, Y(0))));
            }
            continue;
        }
        QPainterPath path;
        for (std::size_t i = 0; i < s.values.size(); ++i) {
            const QPointF at(X(static_cast<double>(i + 1)), Y(s.values[i]));
            if (i == 0) {
                path.moveTo(at);
            } else {
                path.lineTo(at);
            }
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(s.colour, s.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        // A single game draws no line: a dot shows it.
        if (s.values.size() == 1) {
            p.setBrush(s.colour);
            p.drawEllipse(path.currentPosition(), s.width + 1, s.width + 1);
        }
    }
    p.restore();

    // The legend.
    const double rowHeight = fm.height() * 1.4;
    double y = plot.center().y() - rowHeight * count / 2;
    const double left = inner.right() - legendWidth;
    for (const ChartSeries& s : m_data.series) {
        const QRectF box(left, y + (rowHeight - swatch) / 2, swatch, swatch);
        p.setPen(s.colour.darker(130));
        p.setBrush(s.colour);
        p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 1, 1);
        p.setPen(text);
        p.drawText(QRectF(box.right() + pad / 2, y, names + 1, rowHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, s.name);
        y += rowHeight;
    }
}

} // namespace velmora
