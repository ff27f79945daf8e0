#include "appearance/ui/CardPainter.h"

#include "appearance/ui/Background.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace velmora {

namespace {

constexpr qreal W = CardPainter::Width;
constexpr qreal H = CardPainter::Height;
constexpr qreal CentreX = W / 2;
constexpr qreal CentreY = H / 2;

const QColor Red(186, 24, 36);
const QColor Black(22, 24, 30);
const QColor Gold(222, 172, 52);
const QColor GoldDark(138, 98, 22);
const QColor Skin(246, 214, 184);
const QColor SkinLine(122, 82, 48);

/// Suit outlines in a 100 x 100 box. Overlapping parts all run clockwise and the path fills
/// by winding, so it fills as their union without the cost of uniting them.
QPainterPath DesignSuit(int suit) {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    // Drawn down its left side and up its right: reversed to run clockwise.
    auto stem = [](qreal from) {
        QPainterPath s;
        s.moveTo(46, from);
        s.cubicTo(46, 80, 38, 94, 25, 100);
        s.lineTo(75, 100);
        s.cubicTo(62, 94, 54, 80, 54, from);
        s.closeSubpath();
        return s.toReversed();
    };
    switch (suit) {
    case 1: // clubs: three leaves and a flared stem
        p.addEllipse(QPointF(50, 25), 23.5, 23.5);
        p.addEllipse(QPointF(24.5, 58.5), 23.5, 23.5);
        p.addEllipse(QPointF(75.5, 58.5), 23.5, 23.5);
        p.addRect(QRectF(40, 40, 20, 22));
        p.addPath(stem(50));
        break;
    case 2: // diamonds: slightly hollow sides
        p.moveTo(50, 0);
        p.quadTo(64, 27, 86, 50);
        p.quadTo(64, 73, 50, 100);
        p.quadTo(36, 73, 14, 50);
        p.quadTo(36, 27, 50, 0);
        p.closeSubpath();
        break;
    case 3: // spades: an upturned heart on a flared stem
        p.moveTo(50, 0);
        p.cubicTo(60, 20, 100, 36, 98, 62);
        p.cubicTo(96, 86, 66, 90, 50, 70);
        p.cubicTo(34, 90, 4, 86, 2, 62);
        p.cubicTo(0, 36, 40, 20, 50, 0);
        p.closeSubpath();
        p.addPath(stem(62));
        break;
    case 4: // hearts
        p.moveTo(50, 24);
        p.cubicTo(40, 2, 2, 0, 2, 32);
        p.cubicTo(2, 60, 36, 74, 50, 100);
        p.cubicTo(64, 74, 98, 60, 98, 32);
        p.cubicTo(98, 0, 60, 2, 50, 24);
        p.closeSubpath();
        break;
    default:
        break;
    }
    return p;
}

QString RankText(int rank) {
    switch (rank) {
    case 1:
        return QStringLiteral("A");
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

/// The rank as an outline whose cap height is `height`, centred on `centreX` with its top at
/// `top`, squeezed horizontally to at most `maxWidth`.
QPainterPath RankPath(int rank, qreal centreX, qreal top, qreal height, qreal maxWidth) {
    struct Outline {
        QPainterPath path;
        qreal capHeight = 0;
    };
    // Shaping text is the dearest step of drawing a face: outline each rank once.
    static const std::array<Outline, 13> outlines = [] {
        QFont font(QStringLiteral("DejaVu Sans Condensed"));
        font.setStyleHint(QFont::SansSerif);
        font.setBold(true);
        font.setPixelSize(100);
        const QFontMetricsF metrics(font);
        std::array<Outline, 13> all;
        for (int r = 1; r <= 13; ++r) {
            Outline& outline = all[static_cast<std::size_t>(r - 1)];
            outline.path.addText(0, 0, font, RankText(r));
            outline.capHeight = metrics.capHeight() > 0 ? metrics.capHeight() : 72.0;
        }
        return all;
    }();
    const Outline& outline = outlines[static_cast<std::size_t>(std::clamp(rank, 1, 13) - 1)];
    const QPainterPath& path = outline.path;
    const qreal capHeight = outline.capHeight;
    const QRectF bounds = path.boundingRect();
    const qreal sy = height / capHeight;
    const qreal sx = std::min(sy, maxWidth / bounds.width());
    QTransform t;
    t.translate(centreX - bounds.center().x() * sx, top + capHeight * sy);
    t.scale(sx, sy);
    return t.map(path);
}

void FillSuit(QPainter& p, int suit, const QRectF& box) {
    p.fillPath(CardPainter::SuitPath(suit, box), CardPainter::SuitColour(suit));
}

QRectF Centred(qreal cx, qreal cy, qreal w, qreal h) {
    return {cx - w / 2, cy - h / 2, w, h};
}

/// One pip; pips below the middle are upside down.
void PaintPip(QPainter& p, int suit, qreal cx, qreal cy, qreal w, qreal h) {
    if (cy <= CentreY + 0.01) {
        FillSuit(p, suit, Centred(cx, cy, w, h));
        return;
    }
    p.save();
    p.translate(cx, cy);
    p.rotate(180);
    FillSuit(p, suit, Centred(0, 0, w, h));
    p.restore();
}

void PaintPips(QPainter& p, int suit, int rank) {
    constexpr qreal L = 22.5;
    constexpr qreal C = CentreX;
    constexpr qreal R = 48.5;
    constexpr qreal Top = 19.5;
    constexpr qreal Bottom = H - 19.5;
    constexpr qreal Mid = CentreY;
    constexpr qreal Third = (Bottom - Top) / 3;
    struct Pip {
        qreal x;
        qreal y;
    };
    std::vector<Pip> pips;
    auto pair = [&](qreal y) {
        pips.push_back({L, y});
        pips.push_back({R, y});
    };
    switch (rank) {
    case 2:
        pips = {{C, Top}, {C, Bottom}};
        break;
    case 3:
        pips = {{C, Top}, {C, Mid}, {C, Bottom}};
        break;
    case 4:
    case 5:
        pair(Top);
        pair(Bottom);
        if (rank == 5) {
            pips.push_back({C, Mid});
        }
        break;
    case 6:
    case 7:
    case 8:
        pair(Top);
        pair(Mid);
        pair(Bottom);
        if (rank >= 7) {
            pips.push_back({C, (Top + Mid) / 2});
        }
        if (rank == 8) {
            pips.push_back({C, (Mid + Bottom) / 2});
        }
        break;
    case 9:
    case 10:
        pair(Top);
        pair(Top + Third);
        pair(Bottom - Third);
        pair(Bottom);
        if (rank == 9) {
            pips.push_back({C, Mid});
        } else {
            pips.push_back({C, Top + Third / 2});
            pips.push_back({C, Bottom - Third / 2});
        }
        break;
    default:
        break;
    }
    const qreal w = 12.5;
    const qreal h = suit == 4 ? 12.5 : 13.5;
    for (const Pip& pip : pips) {
        PaintPip(p, suit, pip.x, pip.y, w, h);
    }
}

void PaintAce(QPainter& p, int suit) {
    const qreal w = suit == 3 ? 34 : 30;
    const qreal h = suit == 4 ? 29 : (suit == 3 ? 37 : 33);
    const QRectF box = Centred(CentreX, CentreY, w, h);
    FillSuit(p, suit, box);
}

/// The upper half of a court figure, drawn above the panel's diagonal.
void PaintCourtFigure(QPainter& p, int suit, int rank) {
    const bool red = suit % 2 == 0;
    const QColor robe = red ? QColor(176, 30, 44) : QColor(34, 62, 126);
    const QColor robeLight = red ? QColor(214, 72, 72) : QColor(70, 104, 176);
    const QColor trim = red ? QColor(34, 62, 126) : QColor(176, 30, 44);

    // Robe and shoulders.
    QPainterPath body;
    body.moveTo(15, 62);
    body.lineTo(17, 46);
    body.cubicTo(18, 39, 25, 37.5, 30, 36.5);
    body.lineTo(41, 36.5);
    body.cubicTo(46, 37.5, 53, 39, 54, 46);
    body.lineTo(56, 62);
    body.closeSubpath();
    QLinearGradient robeFill(15, 36, 56, 60);
    robeFill.setColorAt(0, robeLight);
    robeFill.setColorAt(1, robe);
    p.fillPath(body, robeFill);
    p.strokePath(body, QPen(robe.darker(150), 0.6));

    // Trim down the front and a collar.
    QPainterPath band;
    band.moveTo(33.5, 38);
    band.lineTo(37.5, 38);
    band.lineTo(37.5, 62);
    band.lineTo(33.5, 62);
    band.closeSubpath();
    p.fillPath(band, Gold);
    p.strokePath(band, QPen(GoldDark, 0.4));
    for (qreal y = 41; y < 60; y += 4) {
        p.setPen(Qt::NoPen);
        p.setBrush(trim);
        p.drawEllipse(QPointF(35.5, y), 0.9, 0.9);
    }
    QPainterPath collar;
    collar.moveTo(27, 37);
    collar.quadTo(35.5, 44, 44, 37);
    collar.quadTo(35.5, 40.5, 27, 37);
    collar.closeSubpath();
    const bool ermine = rank == 13;
    p.fillPath(collar, ermine ? QColor(250, 250, 246) : Gold);
    p.strokePath(collar, QPen(ermine ? QColor(90, 90, 90) : GoldDark, 0.4));

    // Hair behind the head.
    const QColor hair = rank == 12 ? QColor(196, 138, 52) : QColor(92, 60, 30);
    if (rank == 12) {
        QPainterPath locks;
        locks.addRoundedRect(QRectF(27.5, 20, 16, 18), 6, 7);
        p.fillPath(locks, hair);
        p.strokePath(locks, QPen(hair.darker(140), 0.4));
    }

    // Neck and head.
    p.setPen(Qt::NoPen);
    p.setBrush(Skin);
    p.drawRect(QRectF(33.2, 31, 4.6, 6));
    QPainterPath head;
    head.addEllipse(QPointF(35.5, 27), 5.4, 6.2);
    p.fillPath(head, Skin);
    p.strokePath(head, QPen(SkinLine, 0.5));
    if (rank != 12) {
        QPainterPath fringe;
        fringe.moveTo(30.1, 26);
        fringe.cubicTo(30, 21, 41, 21, 40.9, 26);
        fringe.cubicTo(39, 23.6, 32, 23.6, 30.1, 26);
        fringe.closeSubpath();
        p.fillPath(fringe, hair);
    }

    // Face.
    p.setBrush(QColor(60, 40, 30));
    p.drawEllipse(QPointF(33.5, 27), 0.6, 0.65);
    p.drawEllipse(QPointF(37.5, 27), 0.6, 0.65);
    p.setPen(QPen(QColor(170, 70, 60), 0.5));
    p.drawLine(QPointF(34.4, 30.6), QPointF(36.6, 30.6));
    p.setPen(Qt::NoPen);

    if (rank == 13) {
        // Beard.
        QPainterPath beard;
        beard.moveTo(30.3, 28.5);
        beard.cubicTo(30.5, 34, 33, 37.5, 35.5, 38);
        beard.cubicTo(38, 37.5, 40.5, 34, 40.7, 28.5);
        beard.cubicTo(39.5, 32.5, 31.5, 32.5, 30.3, 28.5);
        beard.closeSubpath();
        p.fillPath(beard, QColor(120, 84, 52));
        p.strokePath(beard, QPen(QColor(80, 54, 30), 0.4));
        // Crown.
        QPainterPath crown;
        crown.moveTo(29.5, 22.5);
        crown.lineTo(29, 15);
        crown.lineTo(32.3, 18.5);
        crown.lineTo(35.5, 13);
        crown.lineTo(38.7, 18.5);
        crown.lineTo(42, 15);
        crown.lineTo(41.5, 22.5);
        crown.closeSubpath();
        p.fillPath(crown, Gold);
        p.strokePath(crown, QPen(GoldDark, 0.5));
        p.setBrush(QColor(200, 30, 40));
        p.drawEllipse(QPointF(35.5, 20.4), 1.1, 1.1);
        p.setBrush(QColor(40, 90, 190));
        p.drawEllipse(QPointF(31.6, 20.6), 0.8, 0.8);
        p.drawEllipse(QPointF(39.4, 20.6), 0.8, 0.8);
    } else if (rank == 12) {
        // Tiara.
        QPainterPath tiara;
        tiara.moveTo(29.8, 22.5);
        tiara.cubicTo(30.5, 17.5, 33, 16.5, 35.5, 15.5);
        tiara.cubicTo(38, 16.5, 40.5, 17.5, 41.2, 22.5);
        tiara.cubicTo(38, 21, 33, 21, 29.8, 22.5);
        tiara.closeSubpath();
        p.fillPath(tiara, Gold);
        p.strokePath(tiara, QPen(GoldDark, 0.5));
        p.setBrush(red ? QColor(40, 90, 190) : QColor(200, 30, 40));
        p.drawEllipse(QPointF(35.5, 18.8), 1.1, 1.1);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(35.5, 14.9), 0.8, 0.8);
    } else {
        // Cap with a feather.
        QPainterPath feather;
        feather.moveTo(39.5, 20.5);
        feather.cubicTo(41.5, 16.5, 44.5, 14.5, 47.5, 14.5);
        feather.cubicTo(45, 16, 43, 18, 41, 21.5);
        feather.closeSubpath();
        p.fillPath(feather, QColor(250, 250, 246));
        p.strokePath(feather, QPen(QColor(120, 120, 120), 0.4));
        QPainterPath cap;
        cap.moveTo(28.5, 23);
        cap.cubicTo(28, 16.5, 43, 16.5, 42.5, 23);
        cap.cubicTo(38, 21.2, 33, 21.2, 28.5, 23);
        cap.closeSubpath();
        p.fillPath(cap, robe);
        p.strokePath(cap, QPen(robe.darker(150), 0.5));
    }

    // The suit held beside the figure.
    FillSuit(p, suit, Centred(20.5, 20, 6.5, 7));
}

/// The figure's upper half drawn once and copied turned half a circle for the lower half,
/// where that turn maps device pixels onto device pixels (the card's centre on a pixel corner
/// or centre, no rotation or shear); false, drawing nothing, elsewhere.
bool PaintCourtHalvesOnce(QPainter& p, int suit, int rank, const QRectF& panel,
                          const QPolygonF& upper) {
    const QTransform toDevice = p.deviceTransform();
    // What the painter adds below its world transform: the device pixel ratio.
    const QTransform ratio = p.worldTransform().inverted() * toDevice;
    const QPointF centre2 = toDevice.map(QPointF(CentreX, CentreY)) * 2;
    const auto whole = [](qreal v) { return std::abs(v - std::round(v)) < 1e-6; };
    if (toDevice.type() > QTransform::TxScale || ratio.type() > QTransform::TxScale ||
        ratio.m11() != ratio.m22() || !whole(centre2.x()) || !whole(centre2.y())) {
        return false;
    }
    const QRect area = toDevice.mapRect(panel).toAlignedRect();
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter lp(&layer);
    lp.setRenderHints(p.renderHints());
    lp.setTransform(toDevice * QTransform::fromTranslate(-area.left(), -area.top()));
    QPainterPath clip;
    clip.addPolygon(upper);
    lp.setClipPath(clip);
    PaintCourtFigure(lp, suit, rank);
    lp.end();

    const qreal dpr = ratio.m11();
    const QPoint turned(static_cast<int>(std::round(centre2.x())) - area.right() - 1,
                        static_cast<int>(std::round(centre2.y())) - area.bottom() - 1);
    QImage lower = layer.mirrored(true, true);
    layer.setDevicePixelRatio(dpr);
    lower.setDevicePixelRatio(dpr);
    p.save();
    p.resetTransform();
    p.drawImage(QPointF(area.topLeft()) / dpr, layer);
    p.drawImage(QPointF(turned) / dpr, lower);
    p.restore();
    return true;
}

void PaintCourt(QPainter& p, int suit, int rank) {
    const QRectF panel(14.5, 13.5, 42, 69);
    const QColor line = CardPainter::SuitColour(suit);

    QLinearGradient fill(panel.topLeft(), panel.bottomLeft());
    fill.setColorAt(0, QColor(252, 246, 228));
    fill.setColorAt(0.5, QColor(246, 234, 204));
    fill.setColorAt(1, QColor(252, 246, 228));
    p.fillRect(panel, fill);

    // The upper half ends at a diagonal through the centre; the lower half is the same
    // figure turned half a circle.
    const QPolygonF upper{panel.topLeft(), panel.topRight(), QPointF(panel.right(), CentreY - 5),
                          QPointF(panel.left(), CentreY + 5)};
    if (!PaintCourtHalvesOnce(p, suit, rank, panel, upper)) {
        for (int half = 0; half < 2; ++half) {
            p.save();
            if (half == 1) {
                p.translate(CentreX, CentreY);
                p.rotate(180);
                p.translate(-CentreX, -CentreY);
            }
            QPainterPath clip;
            clip.addPolygon(upper);
            p.setClipPath(clip);
            PaintCourtFigure(p, suit, rank);
            p.restore();
        }
    }
    p.setPen(QPen(Gold, 1.0));
    p.drawLine(QPointF(panel.left(), CentreY + 5), QPointF(panel.right(), CentreY - 5));
    p.setPen(QPen(GoldDark, 0.4));
    p.drawLine(QPointF(panel.left(), CentreY + 5.6), QPointF(panel.right(), CentreY - 4.4));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(Gold), 0.6));
    p.drawRect(panel.adjusted(1.3, 1.3, -1.3, -1.3));
    p.setPen(QPen(line, 0.8));
    p.drawRect(panel);
}

void PaintIndex(QPainter& p, int suit, int rank) {
    const QColor colour = CardPainter::SuitColour(suit);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(W, H);
            p.rotate(180);
        }
        // Rank and suit side by side, so both show on a card overlapped in a column.
        const bool wide = rank == 10;
        p.fillPath(RankPath(rank, wide ? 7.0 : 6.5, 4, 9.5, wide ? 11.5 : 9.0), colour);
        FillSuit(p, suit, QRectF(wide ? 13.5 : 12.0, 4.5, 6.5, 7));
        p.restore();
    }
}

void PaintBlank(QPainter& p, const QColor& top, const QColor& bottom, const QColor& border) {
    const QRectF outline(0.5, 0.5, W - 1, H - 1);
    QLinearGradient fill(0, 0, 0, H);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(border, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(outline, 4.5, 4.5);
}

/// Runs `paint` in the 71 x 96 design space mapped onto `rect`.
template <typename Paint> void InDesignSpace(QPainter& p, const QRectF& rect, Paint paint) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(rect.topLeft());
    p.scale(rect.width() / W, rect.height() / H);
    paint();
    p.restore();
}

/// The white card with its border, in the design space.
void PaintStandardBlank(QPainter& p) {
    PaintBlank(p, QColor(255, 255, 255), QColor(243, 241, 234), QColor(96, 96, 100));
}

/// What a face shows over the blank card, in the design space.
void PaintFaceDesign(QPainter& painter, CardIndex card) {
    const int suit = SuitOf(card);
    const int rank = RankOf(card);
    if (rank == 1) {
        PaintAce(painter, suit);
    } else if (rank > 10) {
        PaintCourt(painter, suit, rank);
    } else {
        PaintPips(painter, suit, rank);
    }
    PaintIndex(painter, suit, rank);
}

/// What the back shows over the blank card, in the design space.
void PaintBackDesign(QPainter& painter) {
    const QRectF inner(4.5, 4.5, W - 9, H - 9);
    QLinearGradient fill(inner.topLeft(), inner.bottomRight());
    fill.setColorAt(0, QColor(44, 84, 156));
    fill.setColorAt(1, QColor(24, 50, 110));
    QPainterPath clip;
    clip.addRoundedRect(inner, 2.5, 2.5);
    painter.fillPath(clip, fill);
    painter.save();
    painter.setClipPath(clip);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 0.8));
    for (qreal d = -H; d < W + H; d += 6) {
        painter.drawLine(QPointF(d, 0), QPointF(d + H, H));
        painter.drawLine(QPointF(d, H), QPointF(d + H, 0));
    }
    painter.restore();
    painter.setPen(QPen(QColor(255, 255, 255, 160), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(inner.adjusted(2.5, 2.5, -2.5, -2.5), 1.5, 1.5);
    const QRectF medal = Centred(CentreX, CentreY, 22, 22);
    painter.setBrush(QColor(24, 50, 110));
    painter.setPen(QPen(QColor(255, 255, 255, 200), 0.9));
    painter.drawEllipse(medal);
    painter.fillPath(CardPainter::SuitPath(3, Centred(CentreX, CentreY, 11, 12)),
                     QColor(255, 255, 255, 220));
}

/// The blank card in `pixels` device pixels.
QPixmap RenderBlank(QSize pixels, qreal dpr) {
    QPixmap pixmap(pixels);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QRectF card(0, 0, pixels.width() / dpr, pixels.height() / dpr);
    // In bands: a fill of a whole card's rows would be shared out among threads.
    PaintInBands(painter, card, dpr,
                 [&](QPainter& p) { InDesignSpace(p, card, [&] { PaintStandardBlank(p); }); });
    return pixmap;
}

/// A copy of `blank` with `paint` drawn over it; the same pixels as painting the blank card and
/// then the rest, since the blank lands on a transparent pixmap either way.
QPixmap Render(const QPixmap& blank, void (*paint)(QPainter&, const QRectF&, CardIndex),
               CardIndex card) {
    QPixmap pixmap = blank.copy();
    QPainter painter(&pixmap);
    // The design fills the whole pixmap, however many device pixels it has.
    const qreal dpr = blank.devicePixelRatio();
    paint(painter, QRectF(0, 0, blank.width() / dpr, blank.height() / dpr), card);
    return pixmap;
}

void PaintBackOverBlank(QPainter& painter, const QRectF& rect, CardIndex) {
    InDesignSpace(painter, rect, [&] { PaintBackDesign(painter); });
}

void PaintFaceOverBlank(QPainter& painter, const QRectF& rect, CardIndex card) {
    InDesignSpace(painter, rect, [&] { PaintFaceDesign(painter, card); });
}

QSize DevicePixels(QSize size, qreal dpr) {
    return {qCeil(size.width() * dpr), qCeil(size.height() * dpr)};
}

} // namespace

QColor CardPainter::SuitColour(int suit) {
    return suit % 2 == 0 ? Red : Black;
}

QPainterPath CardPainter::SuitPath(int suit, const QRectF& box) {
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 100, box.height() / 100);
    // Uniting the outlines of clubs and spades is slow, and every pip asks for one.
    static const std::array<QPainterPath, 5> designs = [] {
        std::array<QPainterPath, 5> all;
        for (int i = 1; i <= 4; ++i) {
            all[static_cast<std::size_t>(i)] = DesignSuit(i);
        }
        return all;
    }();
    return suit >= 1 && suit <= 4 ? t.map(designs[static_cast<std::size_t>(suit)]) : QPainterPath();
}

void CardPainter::PaintFace(QPainter& painter, const QRectF& rect, CardIndex card) {
    if (card < 0 || card >= CardCount) {
        return;
    }
    InDesignSpace(painter, rect, [&] {
        PaintStandardBlank(painter);
        PaintFaceDesign(painter, card);
    });
}

void CardPainter::PaintBack(QPainter& painter, const QRectF& rect) {
    InDesignSpace(painter, rect, [&] {
        PaintStandardBlank(painter);
        PaintBackDesign(painter);
    });
}

void CardPainter::PaintLogo(QPainter& painter, const QRectF& rect) {
    // Two small fanned cards in a 60 x 56 design box.
    constexpr qreal LW = 60;
    constexpr qreal LH = 56;
    const qreal scale = std::min(rect.width() / LW, rect.height() / LH);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(rect.center());
    painter.scale(scale, scale);
    const QRectF card(-13, -18, 26, 36);
    const std::array<int, 2> suits{3, 4};
    const std::array<qreal, 2> angles{-14, 14};
    const std::array<qreal, 2> shifts{-8, 8};
    for (int i = 0; i < 2; ++i) {
        painter.save();
        painter.translate(shifts[static_cast<std::size_t>(i)], 4);
        painter.rotate(angles[static_cast<std::size_t>(i)]);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 60));
        painter.drawRoundedRect(card.translated(1.2, 1.5), 3, 3);
        QLinearGradient fill(card.topLeft(), card.bottomLeft());
        fill.setColorAt(0, QColor(255, 255, 255));
        fill.setColorAt(1, QColor(238, 236, 228));
        painter.setBrush(fill);
        painter.setPen(QPen(QColor(96, 96, 100), 0.8));
        painter.drawRoundedRect(card, 3, 3);
        const int suit = suits[static_cast<std::size_t>(i)];
        painter.fillPath(SuitPath(suit, Centred(0, 1, 14, 15)), SuitColour(suit));
        painter.restore();
    }
    painter.restore();
}

QPixmap CardPainter::Face(CardIndex card, QSize size, qreal dpr) {
    return FaceInPixels(card, DevicePixels(size, dpr), dpr);
}

QPixmap CardPainter::Back(QSize size, qreal dpr) {
    return BackInPixels(DevicePixels(size, dpr), dpr);
}

QPixmap CardPainter::FaceInPixels(CardIndex card, QSize pixels, qreal dpr) {
    if (card < 0 || card >= CardCount) {
        return {};
    }
    return Cached(card, pixels, dpr);
}

QPixmap CardPainter::BackInPixels(QSize pixels, qreal dpr) {
    return Cached(NoCard, pixels, dpr);
}

QPixmap CardPainter::Cached(CardIndex card, QSize pixels, qreal dpr) {
    if (pixels.isEmpty() || dpr <= 0) {
        return {};
    }
    // Looked up on every painted card: compare numbers, build nothing.
    auto size = std::find_if(m_sizes.begin(), m_sizes.end(), [&](const SizeCache& cache) {
        return cache.pixels == pixels && cache.dpr == dpr;
    });
    if (size == m_sizes.end()) {
        // A window resized to fit asks for a new size at every step: keep the latest few.
        if (m_sizes.size() >= MaxSizes) {
            m_sizes.pop_back();
        }
        m_sizes.push_front(SizeCache{pixels, dpr, {}, {}});
        size = m_sizes.begin();
    } else if (size != m_sizes.begin()) {
        std::rotate(m_sizes.begin(), size, std::next(size));
        size = m_sizes.begin();
    }
    QPixmap& slot = size->pixmaps[static_cast<std::size_t>(card == NoCard ? CardCount : card)];
    if (slot.isNull()) {
        if (size->blank.isNull()) {
            size->blank = RenderBlank(pixels, dpr);
        }
        slot =
            Render(size->blank, card == NoCard ? &PaintBackOverBlank : &PaintFaceOverBlank, card);
    }
    return slot;
}

int CardPainter::CachedCount() const {
    int count = 0;
    for (const SizeCache& size : m_sizes) {
        count += static_cast<int>(std::ranges::count_if(
            size.pixmaps, [](const QPixmap& pixmap) { return !pixmap.isNull(); }));
    }
    return count;
}

} // namespace velmora
