#pragma once

#include "engine/Types.h"

#include <QColor>
#include <QHash>
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>
#include <QSize>

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
    /// Drops every cached pixmap.
    void Clear() { m_cache.clear(); }
    int CachedCount() const { return static_cast<int>(m_cache.size()); }

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
    QHash<QString, QPixmap> m_cache;
};

} // namespace velmora
