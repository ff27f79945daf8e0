#include "mainwindow/TableGeometry.h"

#include "engine/cCards.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

/// The window rules of the layout, in table units.
constexpr int NarrowestWidth = 9600;
constexpr int RaisedWidth = 9720;
constexpr int LowestHeight = 7000;
/// Fit to Window keeps a column of this many cards whole.
constexpr int FitCards = 13;

/// Whole pixels, as the window sizes in twips have always been divided.
int UnitsToPixels(int twips, double scale) {
    return static_cast<int>(std::floor(twips * scale / TwipsPerPixel + 1e-9));
}

} // namespace

int NormalZoom(int stored) {
    const auto* it = std::find(ZoomSettings.begin(), ZoomSettings.end(), stored);
    return it == ZoomSettings.end() ? 100 : stored;
}

double FitScale(QSizeF area) {
    const double across = area.width() * TwipsPerPixel / TableWidth;
    const double down = area.height() * TwipsPerPixel / ColumnBottom(FitCards);
    return std::max(1.0, std::min(across, down));
}

double ZoomScale(int zoom, QSizeF area) {
    const int normal = NormalZoom(zoom);
    return normal == FitToWindow ? FitScale(area) : normal / 100.0;
}

double MinimumScale(int zoom) {
    const int normal = NormalZoom(zoom);
    return normal == FitToWindow ? 1.0 : normal / 100.0;
}

QSize RaisedWindowSize(QSize size) {
    if (size.width() < UnitsToPixels(NarrowestWidth, 1.0)) {
        size.setWidth(UnitsToPixels(RaisedWidth, 1.0));
    }
    size.setHeight(std::max(size.height(), UnitsToPixels(LowestHeight, 1.0)));
    return size;
}

QSize MinimumWindowSize(double scale) {
    return {UnitsToPixels(NarrowestWidth, scale), UnitsToPixels(LowestHeight, scale)};
}

double ColumnStep(int cards, double bottom) {
    if (cards <= 1 || ColumnBottom(cards) <= bottom) {
        return RowStep;
    }
    const double step = (bottom - ColumnTop - CardHeight) / (cards - 1);
    return std::clamp(step, MinimumRowStep, static_cast<double>(RowStep));
}

int RestingColumn(QPointF twips) {
    if (twips.y() < ColumnTop) {
        return -1;
    }
    const double offset = twips.x() - cCards::Left(0);
    if (offset < 0 || std::fmod(offset, ColumnPitch) != 0) {
        return -1;
    }
    const int column = static_cast<int>(offset / ColumnPitch);
    return column < ColumnCount ? column : -1;
}

ColumnSteps StepsFor(std::span<const QPointF> places, double bottom) {
    std::array<int, ColumnCount> cards{};
    for (const QPointF& place : places) {
        const int column = RestingColumn(place);
        if (column < 0) {
            continue;
        }
        const int row = static_cast<int>(std::lround((place.y() - ColumnTop) / RowStep));
        auto& count = cards[static_cast<std::size_t>(column)];
        count = std::max(count, row + 1);
    }
    ColumnSteps steps{};
    for (std::size_t c = 0; c < steps.size(); ++c) {
        steps[c] = ColumnStep(cards[c], bottom);
    }
    return steps;
}

QPointF DrawnPlace(QPointF twips, const ColumnSteps& steps) {
    const int column = RestingColumn(twips);
    if (column < 0) {
        return twips;
    }
    const double step = steps[static_cast<std::size_t>(column)];
    return {twips.x(), ColumnTop + (twips.y() - ColumnTop) * step / RowStep};
}

TableGeometry::TableGeometry(double scale, int widgetWidth, double devicePixelRatio)
    : m_scale(scale), m_dpr(devicePixelRatio > 0 ? devicePixelRatio : 1.0),
      m_left(std::max(0, static_cast<int>(std::floor((widgetWidth - Pixels(TableWidth)) / 2)))) {}

double TableGeometry::Snap(double pixels) const {
    return std::round(pixels * m_dpr) / m_dpr;
}

QPointF TableGeometry::ToPixels(QPointF twips) const {
    return {Snap(m_left + Pixels(twips.x())), Snap(Pixels(twips.y()))};
}

QPoint TableGeometry::ToTwips(QPointF pixels) const {
    const double factor = TwipsPerPixel / m_scale;
    return {static_cast<int>(std::floor((pixels.x() - m_left) * factor)),
            static_cast<int>(std::floor(pixels.y() * factor))};
}

QSizeF TableGeometry::CardSize() const {
    return {std::round(Pixels(CardWidth) * m_dpr) / m_dpr,
            std::round(Pixels(CardHeight) * m_dpr) / m_dpr};
}

} // namespace velmora
