#include "mainwindow/TableDecorations.h"

#include "appearance/ui/Background.h"
#include "appearance/ui/CardPainter.h"
#include "engine/cCards.h"
#include "mainwindow/TableGeometry.h"

#include <QPainter>
#include <QPainterPath>
#include <QResource>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

/// Room around a shape for its antialiased edges, in logical pixels.
constexpr QMarginsF Margins(2, 2, 2, 2);

/// The device pixels covering `area` (logical).
QRect DeviceBounds(const QRectF& area, qreal dpr) {
    const QPoint topLeft(static_cast<int>(std::floor(area.left() * dpr)),
                         static_cast<int>(std::floor(area.top() * dpr)));
    const QPoint end(static_cast<int>(std::ceil(area.right() * dpr)),
                     static_cast<int>(std::ceil(area.bottom() * dpr)));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

/// A home cell's suit box, relative to the cell's top-left corner.
QRectF SuitBox(const TableGeometry& g) {
    const qreal s = g.Scale();
    const QSizeF card = g.CardSize();
    return {card.width() / 2 - 14 * s, card.height() / 2 - 15 * s, 28 * s, 30 * s};
}

/// Where each picture lies and how big it is, in device pixels: the frame at the origin, a
/// suit relative to its cell and the logo relative to LogoAnchor.
struct Layout {
    QSize frame;
    QRect suit;
    QRect logo;
};

Layout LayoutFor(const TableGeometry& g) {
    const qreal dpr = g.DevicePixelRatio();
    const QSizeF card = g.CardSize();
    return {QSize(qRound(card.width() * dpr), qRound(card.height() * dpr)),
            DeviceBounds(SuitBox(g) + Margins, dpr),
            DeviceBounds(LogoRect(g) + Margins, dpr).translated(-LogoAnchor(g))};
}

/// A transparent picture of `pixels` device pixels.
QImage Canvas(QSize pixels, qreal dpr) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}

QImage PaintedFrame(const TableGeometry& g, QSize pixels) {
    const qreal s = g.Scale();
    const qreal dpr = g.DevicePixelRatio();
    const QRectF cell(0, 0, pixels.width() / dpr, pixels.height() / dpr);
    QImage frame = Canvas(pixels, dpr);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing, true);
    PaintInBands(painter, cell, dpr, [&](QPainter& p) {
        const qreal inset = 0.5 * s;
        p.setPen(QPen(QColor(255, 255, 255, 120), s));
        p.setBrush(QColor(0, 0, 0, 46));
        p.drawRoundedRect(cell.adjusted(inset, inset, -inset, -inset), 4.5 * s, 4.5 * s);
    });
    return frame;
}

/// `paint` on a picture covering `bounds` (device pixels from the painter's origin), in bands
/// over `area` (logical), as the table's shapes are painted.
template <typename Paint>
QImage PaintedShape(qreal dpr, const QRect& bounds, const QRectF& area, const Paint& paint) {
    QImage image = Canvas(bounds.size(), dpr);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(-QPointF(bounds.topLeft()) / dpr);
    PaintInBands(painter, area, dpr, paint);
    return image;
}

/// The bytes of a stored picture of `pixels`.
qsizetype StoredBytes(QSize pixels) {
    return qsizetype{pixels.width()} * pixels.height() * 4;
}

/// The stored pictures' sizes, in the order they are stored.
std::array<QSize, 6> StoredSizes(const Layout& layout) {
    return {layout.frame,       layout.suit.size(), layout.suit.size(),
            layout.suit.size(), layout.suit.size(), layout.logo.size()};
}

} // namespace

QRectF LogoRect(const TableGeometry& g) {
    const qreal s = g.Scale();
    const qreal gapLeft = g.ToPixels(QPointF(cCards::Left(LastFreeCell) + CardWidth, 0)).x();
    const qreal gapRight = g.ToPixels(QPointF(cCards::Left(FirstHomeCell), 0)).x();
    return {gapLeft, 10 * s, gapRight - gapLeft, 54 * s};
}

QPoint LogoAnchor(const TableGeometry& g) {
    const QRectF logo = LogoRect(g);
    const qreal dpr = g.DevicePixelRatio();
    return {static_cast<int>(std::floor(logo.left() * dpr)),
            static_cast<int>(std::floor(logo.top() * dpr))};
}

TableDecorations PaintedTableDecorations(const TableGeometry& g) {
    const qreal dpr = g.DevicePixelRatio();
    const Layout layout = LayoutFor(g);
    TableDecorations d;
    d.frame = PaintedFrame(g, layout.frame);
    const QRectF box = SuitBox(g);
    for (int i = 0; i < 4; ++i) {
        const QPainterPath suit = CardPainter::SuitPath(i + 1, box);
        d.suits[static_cast<std::size_t>(i)] =
            PaintedShape(dpr, layout.suit, box + Margins,
                         [&](QPainter& p) { p.fillPath(suit, QColor(255, 255, 255, 60)); });
    }
    d.suitOffset = layout.suit.topLeft();
    // The logo's picture is laid out from its anchor: the same picture wherever the table's
    // left edge falls on the device grid.
    const QRectF logo = LogoRect(g);
    const QPointF anchor = QPointF(LogoAnchor(g)) / dpr;
    const QRectF local = logo.translated(-anchor);
    d.logo = PaintedShape(dpr, layout.logo, local + Margins,
                          [&](QPainter& p) { CardPainter::PaintLogo(p, local); });
    d.logoOffset = layout.logo.topLeft();
    return d;
}

std::optional<TableDecorations> StoredTableDecorations(const TableGeometry& g) {
    const qreal dpr = g.DevicePixelRatio();
    if (g.Scale() != 1.0 ||
        std::ranges::find(StoredDecorationRatios, dpr) == std::end(StoredDecorationRatios)) {
        return std::nullopt;
    }
    const Layout layout = LayoutFor(g);
    const std::array<QSize, 6> sizes = StoredSizes(layout);
    qsizetype total = 0;
    for (const QSize& size : sizes) {
        total += StoredBytes(size);
    }
    // Stored uncompressed: the pixels are read where they lie.
    const QResource resource(TableDecorationsFile(static_cast<int>(dpr)));
    if (resource.compressionAlgorithm() != QResource::NoCompression || resource.size() != total) {
        return std::nullopt;
    }
    std::array<QImage, 6> images;
    const uchar* bits = resource.data();
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const QSize size = sizes[i];
        images[i] = QImage(bits, size.width(), size.height(), size.width() * 4,
                           QImage::Format_RGBA8888_Premultiplied)
                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        images[i].setDevicePixelRatio(dpr);
        bits += StoredBytes(size);
    }
    TableDecorations d;
    d.frame = images[0];
    std::copy(images.begin() + 1, images.begin() + 5, d.suits.begin());
    d.suitOffset = layout.suit.topLeft();
    d.logo = images[5];
    d.logoOffset = layout.logo.topLeft();
    return d;
}

TableDecorations TableDecorationsFor(const TableGeometry& g) {
    if (std::optional<TableDecorations> stored = StoredTableDecorations(g)) {
        return *std::move(stored);
    }
    return PaintedTableDecorations(g);
}

QString TableDecorationsFile(int ratio) {
    return QStringLiteral(":/icons/table-%1x.rgba").arg(ratio);
}

QByteArray TableDecorationsBytes(const TableDecorations& decorations) {
    QByteArray bytes;
    const auto append = [&bytes](const QImage& image) {
        const QImage raw = image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
        for (int y = 0; y < raw.height(); ++y) {
            bytes.append(reinterpret_cast<const char*>(raw.constScanLine(y)), raw.width() * 4);
        }
    };
    append(decorations.frame);
    for (const QImage& suit : decorations.suits) {
        append(suit);
    }
    append(decorations.logo);
    return bytes;
}

} // namespace velmora
