#include "scores/ui/ScoreIcons.h"

#include "library/ui/IconPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace velmora::ScoreIcons {

namespace {

using namespace IconPalette;

void Person(QPainter& p) {
    p.setPen(QPen(Blue.darker(140), 0.8));
    p.setBrush(Blue);
    p.drawEllipse(QPointF(7, 4.5), 3, 3);
    QPainterPath body;
    body.moveTo(1.5, 15);
    body.cubicTo(1.5, 9, 12.5, 9, 12.5, 15);
    body.closeSubpath();
    p.drawPath(body);
}

void Star(QPainter& p, QPointF centre, qreal outer) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : outer * 0.45;
        const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0) {
            path.moveTo(pt);
        } else {
            path.lineTo(pt);
        }
    }
    path.closeSubpath();
    p.setPen(QPen(GoldLine, 0.8));
    p.setBrush(Gold);
    p.drawPath(path);
}

void Card(QPainter& p) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRoundedRect(QRectF(3.5, 1.5, 9, 13), 1.5, 1.5);
}

void Paint(QPainter& p, RowIcon role) {
    switch (role) {
    case RowIcon::None:
        return;
    case RowIcon::User:
        Person(p);
        return;
    case RowIcon::BestUser:
        Person(p);
        Star(p, QPointF(12, 4.5), 4.2);
        return;
    case RowIcon::Score:
        Card(p);
        p.setPen(QPen(Red, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 6), QPointF(10, 10));
        p.drawLine(QPointF(10, 6), QPointF(6, 10));
        return;
    case RowIcon::Won:
        Card(p);
        p.setPen(QPen(Green, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF{QPointF(5.5, 8.5), QPointF(7.5, 10.5), QPointF(11, 5.5)});
        return;
    case RowIcon::Statistics:
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawRect(QRectF(2, 8, 3, 6));
        p.setBrush(Green);
        p.drawRect(QRectF(6.5, 4, 3, 10));
        p.setBrush(Gold);
        p.drawRect(QRectF(11, 6, 3, 8));
        p.setPen(QPen(Ink, 1));
        p.drawLine(QPointF(1, 14.5), QPointF(15, 14.5));
        return;
    case RowIcon::General:
        p.setPen(QPen(Blue.darker(130), 1));
        p.setBrush(Blue.lighter(175));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(Blue.darker(130), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 4), QPointF(8, 8));
        p.drawLine(QPointF(8, 8), QPointF(11, 10));
        return;
    case RowIcon::Totals: {
        p.setPen(QPen(GoldLine, 1));
        p.setBrush(Gold);
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
        p.setPen(QPen(Ink, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{QPointF(11, 4.5), QPointF(5, 4.5), QPointF(8.5, 8),
                                 QPointF(5, 11.5), QPointF(11, 11.5)});
        return;
    }
    }
}

QPixmap Picture(RowIcon role, qreal ratio) {
    const int side = qRound(16 * ratio);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(ratio, ratio);
    Paint(p, role);
    p.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

QIcon Icon(RowIcon role) {
    QIcon icon;
    if (role == RowIcon::None) {
        return icon;
    }
    for (const qreal ratio : {1.0, 2.0, 3.0}) {
        icon.addPixmap(Picture(role, ratio));
    }
    return icon;
}

QColor WonColour() {
    return Green;
}
QColor LostColour() {
    return Red;
}
QColor PointsColour() {
    return Blue;
}
QColor AverageColour() {
    return Gold.darker(115);
}

} // namespace velmora::ScoreIcons
