#pragma once

#include "engine/Types.h"

#include <QColor>
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>
#include <QSize>

#include <array>
#include <deque>

class QPainter;

namespace velmora {

/// Draws the 52 card faces, a card back and the table logo with QPainter, and keeps the
/// rendered pixmaps per card, size and device pixel ratio.
class CardPainter {
public:
    /// The design size of a card in logical pixels (1065 x 1440 twips at 15 twips a pixel).
    static constexpr int Width = 71;
    static constexpr int Height = 96;

    /// The face of `card` (0..51) at `size` logical pixels rendered for `dpr`; a null pixmap
    /// for an invalid card or an empty size.
    QPixmap Face(CardIndex card, QSize size, qreal dpr);
    /// The card back at `size` logical pixels rendered for `dpr`.
    QPixmap Back(QSize size, qreal dpr);
    /// The face drawn for exactly `pixels` device pixels (logical size `pixels` / `dpr`), so a
    /// zoomed table shows it without scaling.
    QPixmap FaceInPixels(CardIndex card, QSize pixels, qreal dpr);
    QPixmap BackInPixels(QSize pixels, qreal dpr);
    /// Drops every cached pixmap.
    void Clear() { m_sizes.clear(); }
    int CachedCount() const;

    /// How many pixel sizes the cache keeps; the size used longest ago goes first.
    static constexpr std::size_t MaxSizes = 4;

    /// Paints the face of `card` filling `rect`.
    static void PaintFace(QPainter& painter, const QRectF& rect, CardIndex card);
    static void PaintBack(QPainter& painter, const QRectF& rect);
    /// The program's emblem: two fanned cards, fitted into `rect`.
    static void PaintLogo(QPainter& painter, const QRectF& rect);

    /// The outline of a suit symbol (1 clubs, 2 diamonds, 3 spades, 4 hearts) filling `box`.
    static QPainterPath SuitPath(int suit, const QRectF& box);
    /// Red for suits 2 and 4, near-black for suits 1 and 3.
    static QColor SuitColour(int suit);

private:
    /// The pixmaps of one pixel size and ratio: the 52 faces, then the back.
    struct SizeCache {
        QSize pixels;
        qreal dpr = 0;
        std::array<QPixmap, CardCount + 1> pixmaps;
        /// The blank card every face and the back start from.
        QPixmap blank;
    };
    QPixmap Cached(CardIndex card, QSize pixels, qreal dpr);

    std::deque<SizeCache> m_sizes; ///< most recently used first
};

} // namespace velmora
