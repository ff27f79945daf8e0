#pragma once

#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QString>

#include <array>
#include <optional>

namespace velmora {

class TableGeometry;

/// The cloth's shapes that never move, each a picture on whole device pixels: the cells' frame,
/// the home cells' suits and the logo. The background copies them where they belong.
struct TableDecorations {
    /// Drawn at every cell's top-left corner.
    QImage frame;
    /// Home cell i's suit, faintly; SuitPath's suit i + 1.
    std::array<QImage, 4> suits;
    /// From a home cell's top-left corner to its suit's picture, in device pixels.
    QPoint suitOffset;
    QImage logo;
    /// From LogoAnchor to the logo's picture, in device pixels.
    QPoint logoOffset;
};

/// Where the logo is drawn, in widget pixels: in the gap between the free and the home cells.
QRectF LogoRect(const TableGeometry& g);
/// The device pixel at the logo rectangle's top-left corner.
QPoint LogoAnchor(const TableGeometry& g);

/// The pictures drawn for `g`'s scale and pixel ratio.
TableDecorations PaintedTableDecorations(const TableGeometry& g);
/// The pictures stored with the program, for scale 1 at the ratios of StoredDecorationRatios;
/// nothing for other scales and ratios, or when the stored file does not have their size.
std::optional<TableDecorations> StoredTableDecorations(const TableGeometry& g);
/// The stored pictures when there are some for `g`, drawn ones otherwise.
TableDecorations TableDecorationsFor(const TableGeometry& g);

/// The pixel ratios whose pictures are stored (at scale 1).
inline constexpr int StoredDecorationRatios[] = {1, 2};
/// The resource holding the stored pictures for pixel ratio `ratio`.
QString TableDecorationsFile(int ratio);
/// The stored form: the frame, the four suits and the logo, one after another, premultiplied
/// RGBA bytes row by row.
QByteArray TableDecorationsBytes(const TableDecorations& decorations);

} // namespace velmora
