#pragma once

#include "engine/Types.h"

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <array>
#include <span>

namespace velmora {

/// The zoom settings of the View menu in percent; FitToWindow follows the window's size.
inline constexpr int FitToWindow = 0;
inline constexpr std::array<int, 5> ZoomSettings{100, 125, 150, 200, FitToWindow};

/// A stored zoom as one of ZoomSettings; anything else reads as 100.
int NormalZoom(int stored);

/// Lowest edge, in twips, of a column of `cards` cards drawn with the normal overlap.
constexpr int ColumnBottom(int cards) {
    return ColumnTop + (cards - 1) * RowStep + CardHeight;
}

/// The largest scale at which the table's width and a column of 13 cards fit a table area of
/// `area` pixels; never below 1, so a small window shows the table as at 100 %.
double FitScale(QSizeF area);
/// The scale of `zoom` (a percentage or FitToWindow) in a table area of `area` pixels.
double ZoomScale(int zoom, QSizeF area);
/// The scale the window's minimum size is measured in: a fixed zoom's own, 1 for FitToWindow.
double MinimumScale(int zoom);

/// A restored window size raised to the layout's minimum: narrower than the table (9600 twips)
/// makes it 9720 wide, lower than 7000 makes it 7000 high.
QSize RaisedWindowSize(QSize size);
/// The smallest window size `scale` allows: 9600 x 7000 table units.
QSize MinimumWindowSize(double scale);

/// The tightest overlap a long column is drawn with, in twips.
inline constexpr double MinimumRowStep = RowStep / 4.0;

/// The vertical step between the cards of a column of `cards` cards whose last card has to end
/// by `bottom` twips: RowStep when the column fits, otherwise just tight enough.
double ColumnStep(int cards, double bottom);

/// The overlap step of each column.
using ColumnSteps = std::array<double, ColumnCount>;
inline constexpr ColumnSteps NormalSteps{RowStep, RowStep, RowStep, RowStep,
                                         RowStep, RowStep, RowStep, RowStep};

/// The column 0..7 a card picture lying at `twips` rests in, or -1 (a cell, or in flight).
int RestingColumn(QPointF twips);
/// The step of each column, from the resting places of the card pictures on the table.
ColumnSteps StepsFor(std::span<const QPointF> places, double bottom);
/// Where a picture lying at `twips` is drawn, in twips: cards of a tighter column move up.
QPointF DrawnPlace(QPointF twips, const ColumnSteps& steps);

/// Table units to widget pixels at one scale: the 9600-twip table centred in a widget
/// `widgetWidth` pixels wide (flush left when narrower), edges on whole device pixels.
class TableGeometry {
public:
    TableGeometry(double scale, int widgetWidth, double devicePixelRatio);

    double Scale() const { return m_scale; }
    double DevicePixelRatio() const { return m_dpr; }
    /// Left edge of the table in widget pixels.
    int Left() const { return m_left; }
    /// A length in twips as pixels.
    double Pixels(double twips) const { return twips * m_scale / TwipsPerPixel; }
    /// A point of the table in widget pixels, on the device pixel grid.
    QPointF ToPixels(QPointF twips) const;
    /// A widget pixel in table twips, rounded down.
    QPoint ToTwips(QPointF pixels) const;
    /// A card picture or cell frame: whole device pixels wide and high.
    QSizeF CardSize() const;
    /// The card-sized rectangle whose top-left corner lies at `twips`.
    QRectF CardRect(QPointF twips) const { return {ToPixels(twips), CardSize()}; }
    /// The table's width in pixels.
    double TableWidthPixels() const { return Pixels(TableWidth); }

private:
    double Snap(double pixels) const;

    double m_scale;
    double m_dpr;
    int m_left;
};

} // namespace velmora
