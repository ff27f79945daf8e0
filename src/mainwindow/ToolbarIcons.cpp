#include "mainwindow/ToolbarIcons.h"

#include "appearance/ui/CardPainter.h"
#include "library/ui/IconPalette.h"
#include "mainwindow/MenuLayout.h"

#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QResource>
#include <QtMath>

#include <algorithm>
#include <array>

namespace velmora {

namespace {

using namespace IconPalette;

struct KeyImage {
    const char* key;
    int image;
};

constexpr std::array<KeyImage, 18> KeyImages{{
    {"New", ImageNew},
    {"Select", ImageSelect},
    {"Restart", ImageRestart},
    {"Open", ImageOpen},
    {"Save", ImageSave},
    {"UndoAll", ImageUndoAll},
    {"Undo", ImageUndo},
    {"Redo", ImageRedo},
    {"RedoAll", ImageRedoAll},
    {"ReplayBack", ImageReplayBack},
    {"ReplayStop", ImageReplayStop},
    {"ReplayForward", ImageReplayForward},
    {"AddFav", ImageAddFav},
    {"OrgFav", ImageOrgFav},
    {"OpenFav", ImageOpenFav},
    {"Options", ImageOptions},
    {"Scoreboard", ImageScoreboard},
    {"Help", ImageHelp},
}};

QPainterPath Star(QPointF centre, qreal outer, qreal inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0) {
            path.moveTo(pt);
        } else {
            path.lineTo(pt);
        }
    }
    path.closeSubpath();
    return path;
}

void PaintStar(QPainter& p, QPointF centre, qreal outer) {
    const QPainterPath star = Star(centre, outer, outer * 0.45);
    p.fillPath(star, Gold);
    p.strokePath(star, QPen(GoldLine, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void PaintBadge(QPainter& p, QPointF centre, const QColor& fill, bool plus) {
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(fill);
    p.drawEllipse(centre, 5, 5);
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-2.6, 0), centre + QPointF(2.6, 0));
    if (plus) {
        p.drawLine(centre + QPointF(0, -2.6), centre + QPointF(0, 2.6));
    }
}

void PaintCard(QPainter& p, const QRectF& r, qreal angle, int suit) {
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF card(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    QLinearGradient fill(card.topLeft(), card.bottomLeft());
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, QColor(232, 230, 222));
    p.setBrush(fill);
    p.setPen(QPen(Ink, 1.0));
    p.drawRoundedRect(card, 2, 2);
    if (suit > 0) {
        const qreal s = r.width() * 0.5;
        p.fillPath(CardPainter::SuitPath(suit, QRectF(-s / 2, -s / 2 - 0.5, s, s * 1.05)),
                   CardPainter::SuitColour(suit));
    }
    p.restore();
}

void PaintFolder(QPainter& p, bool open) {
    QPainterPath back;
    back.moveTo(2.5, 6);
    back.lineTo(9, 6);
    back.lineTo(11, 8);
    back.lineTo(20.5, 8);
    back.lineTo(20.5, 19.5);
    back.lineTo(2.5, 19.5);
    back.closeSubpath();
    p.fillPath(back, FolderFill.darker(112));
    p.strokePath(back, QPen(FolderLine, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath front;
    if (open) {
        front.moveTo(5.5, 11);
        front.lineTo(22.5, 11);
        front.lineTo(20.5, 19.5);
        front.lineTo(2.5, 19.5);
    } else {
        front.moveTo(2.5, 10);
        front.lineTo(20.5, 10);
        front.lineTo(20.5, 19.5);
        front.lineTo(2.5, 19.5);
    }
    front.closeSubpath();
    QLinearGradient fill(0, 10, 0, 20);
    fill.setColorAt(0, FolderFill.lighter(112));
    fill.setColorAt(1, FolderFill);
    p.fillPath(front, fill);
    p.strokePath(front, QPen(FolderLine, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

/// A small badge with a tick: a finished game.
void PaintTickBadge(QPainter& p, QPointF centre) {
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(Green);
    p.drawEllipse(centre, 5.5, 5.5);
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-2.8, 0.2));
    tick.lineTo(centre + QPointF(-0.8, 2.3));
    tick.lineTo(centre + QPointF(3.0, -2.2));
    p.strokePath(tick, QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

/// A small badge with three dots: a game still in play.
void PaintDotsBadge(QPainter& p, QPointF centre) {
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(GoldLine);
    p.drawEllipse(centre, 5.5, 5.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (qreal dx : {-2.6, 0.0, 2.6}) {
        p.drawEllipse(centre + QPointF(dx, 0), 1.0, 1.0);
    }
}

/// A curved arrow from right to left (mirrored for the other direction).
void PaintCurvedArrow(QPainter& p, bool back) {
    p.save();
    if (!back) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(7, 10);
    arc.cubicTo(12, 5.5, 20, 7, 20, 13.5);
    arc.cubicTo(20, 17, 17.5, 19, 14.5, 19.5);
    p.strokePath(arc, QPen(BlueDark, 4.2, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(arc, QPen(Blue, 2.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath head;
    head.moveTo(2.5, 10.5);
    head.lineTo(10, 4);
    head.lineTo(10.5, 15);
    head.closeSubpath();
    p.fillPath(head, Blue);
    p.strokePath(head, QPen(BlueDark, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.restore();
}

QPainterPath Triangle(qreal left, qreal right, qreal top, qreal bottom, bool pointsRight) {
    QPainterPath t;
    const qreal mid = (top + bottom) / 2;
    if (pointsRight) {
        t.moveTo(left, top);
        t.lineTo(right, mid);
        t.lineTo(left, bottom);
    } else {
        t.moveTo(right, top);
        t.lineTo(left, mid);
        t.lineTo(right, bottom);
    }
    t.closeSubpath();
    return t;
}

void FillOutlined(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& line) {
    p.fillPath(path, fill);
    p.strokePath(path, QPen(line, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

/// Double triangles against a bar: to the start (back) or to the end.
void PaintSkip(QPainter& p, bool back) {
    p.save();
    if (!back) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(BlueDark, 1.0));
    p.setBrush(Blue);
    p.drawRect(QRectF(3, 5.5, 2.5, 13));
    FillOutlined(p, Triangle(6.5, 14, 5.5, 18.5, false), Blue, BlueDark);
    FillOutlined(p, Triangle(13.5, 21, 5.5, 18.5, false), Blue, BlueDark);
    p.restore();
}

void PaintGear(QPainter& p) {
    QPainterPath gear;
    const QPointF c(12, 12);
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal r = i % 2 == 0 ? 10 : 7.6;
        const qreal a0 = qDegreesToRadians(i * 180.0 / teeth - 9);
        const qreal a1 = qDegreesToRadians(i * 180.0 / teeth + 9);
        const QPointF p0(c.x() + r * qCos(a0), c.y() + r * qSin(a0));
        const QPointF p1(c.x() + r * qCos(a1), c.y() + r * qSin(a1));
        if (i == 0) {
            gear.moveTo(p0);
        } else {
            gear.lineTo(p0);
        }
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 3.2, 3.2);
    gear = gear.subtracted(hole);
    QLinearGradient fill(0, 2, 0, 22);
    fill.setColorAt(0, QColor(150, 160, 176));
    fill.setColorAt(1, QColor(96, 106, 124));
    p.fillPath(gear, fill);
    p.strokePath(gear, QPen(Ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void PaintTrophy(QPainter& p) {
    QPainterPath cup;
    cup.moveTo(6, 3.5);
    cup.lineTo(18, 3.5);
    cup.cubicTo(18, 11, 15.5, 14, 12, 14.5);
    cup.cubicTo(8.5, 14, 6, 11, 6, 3.5);
    cup.closeSubpath();
    QPainterPath handles;
    handles.moveTo(6.2, 5.5);
    handles.cubicTo(1.5, 5.5, 2, 11, 7.5, 11);
    handles.moveTo(17.8, 5.5);
    handles.cubicTo(22.5, 5.5, 22, 11, 16.5, 11);
    p.strokePath(handles, QPen(GoldLine, 1.6, Qt::SolidLine, Qt::RoundCap));
    QLinearGradient fill(6, 0, 18, 0);
    fill.setColorAt(0, Gold.lighter(120));
    fill.setColorAt(1, Gold.darker(110));
    p.fillPath(cup, fill);
    p.strokePath(cup, QPen(GoldLine, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setPen(QPen(GoldLine, 1.0));
    p.setBrush(Gold);
    p.drawRect(QRectF(10.5, 14.5, 3, 3.5));
    p.drawRoundedRect(QRectF(6.5, 18, 11, 3.5), 1, 1);
}

void PaintHelp(QPainter& p) {
    QRadialGradient fill(QPointF(9, 8), 14);
    fill.setColorAt(0, Blue.lighter(130));
    fill.setColorAt(1, BlueDark);
    p.setPen(QPen(BlueDark.darker(120), 1.0));
    p.setBrush(fill);
    p.drawEllipse(QPointF(12, 12), 10, 10);
    // Drawn, not typeset: a text here would load a font of its own before the first frame.
    QPainterPath hook;
    hook.moveTo(8.5, 9.3);
    hook.cubicTo(8.5, 6.6, 10.1, 5.3, 12.1, 5.3);
    hook.cubicTo(14.3, 5.3, 15.7, 6.6, 15.7, 8.6);
    hook.cubicTo(15.7, 10.9, 12.1, 11.4, 12.1, 14.1);
    p.strokePath(hook, QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12.1, 17.6), 1.45, 1.45);
}

void PaintTarget(QPainter& p) {
    const QPointF c(12, 12);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 4.2));
    p.drawEllipse(c, 7.5, 7.5);
    p.setPen(QPen(GreenDark, 2.2));
    p.drawEllipse(c, 7.5, 7.5);
    const std::array<QLineF, 4> ticks{QLineF(12, 0.8, 12, 6.5), QLineF(12, 17.5, 12, 23.2),
                                      QLineF(0.8, 12, 6.5, 12), QLineF(17.5, 12, 23.2, 12)};
    for (const QLineF& tick : ticks) {
        p.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tick);
        p.setPen(QPen(GreenDark, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tick);
    }
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(Green);
    p.drawEllipse(c, 2.4, 2.4);
}

/// Paints image `index` in a 24 x 24 design box.
void PaintImage(QPainter& p, int index) {
    switch (index) {
    case ImageNew:
        PaintCard(p, QRectF(4, 3, 13, 18), -8, 4);
        PaintBadge(p, QPointF(17.5, 17.5), Green, true);
        break;
    case ImageSelect: {
        PaintCard(p, QRectF(4, 3, 13, 18), -8, 0);
        // A number sign, drawn rather than typeset (see PaintHelp).
        p.save();
        p.translate(10.5, 12);
        p.rotate(-8);
        p.setPen(QPen(Ink, 1.8, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(-1.2, -4.6), QPointF(-2.4, 4.6));
        p.drawLine(QPointF(2.4, -4.6), QPointF(1.2, 4.6));
        p.drawLine(QPointF(-4.3, -1.6), QPointF(4.1, -1.6));
        p.drawLine(QPointF(-4.7, 1.8), QPointF(3.7, 1.8));
        p.restore();
        p.setPen(QPen(BlueDark, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16.5, 15.5), 3.6, 3.6);
        p.drawLine(QPointF(19, 18), QPointF(22, 21));
        break;
    }
    case ImageRestart: {
        QPainterPath arc;
        arc.arcMoveTo(QRectF(4, 4, 16, 16), 120);
        arc.arcTo(QRectF(4, 4, 16, 16), 120, 270);
        p.strokePath(arc, QPen(GreenDark, 4.2, Qt::SolidLine, Qt::RoundCap));
        p.strokePath(arc, QPen(Green, 2.4, Qt::SolidLine, Qt::RoundCap));
        QPainterPath head;
        head.moveTo(2.5, 3.5);
        head.lineTo(11.5, 4.5);
        head.lineTo(5, 11.5);
        head.closeSubpath();
        FillOutlined(p, head, Green, GreenDark);
        break;
    }
    case ImageOpen:
        PaintFolder(p, true);
        break;
    case ImageSave: {
        QPainterPath body;
        body.moveTo(3.5, 3.5);
        body.lineTo(17.5, 3.5);
        body.lineTo(20.5, 6.5);
        body.lineTo(20.5, 20.5);
        body.lineTo(3.5, 20.5);
        body.closeSubpath();
        FillOutlined(p, body, Blue, BlueDark);
        p.setPen(QPen(BlueDark, 1.0));
        p.setBrush(QColor(236, 240, 246));
        p.drawRect(QRectF(6.5, 3.5, 10, 6));
        p.setBrush(BlueDark);
        p.drawRect(QRectF(13, 4.5, 2, 4));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 12.5, 12, 8));
        p.setPen(QPen(QColor(160, 170, 186), 1.0));
        p.drawLine(QPointF(8, 15.5), QPointF(16, 15.5));
        p.drawLine(QPointF(8, 18), QPointF(16, 18));
        break;
    }
    case ImageUndoAll:
        PaintSkip(p, true);
        break;
    case ImageUndo:
        PaintCurvedArrow(p, true);
        break;
    case ImageRedo:
        PaintCurvedArrow(p, false);
        break;
    case ImageTarget:
        PaintTarget(p);
        break;
    case ImageRedoAll:
        PaintSkip(p, false);
        break;
    case ImageReplayBack:
        FillOutlined(p, Triangle(4, 19, 4, 20, false), Green, GreenDark);
        break;
    case ImageReplayStop: {
        QPainterPath square;
        square.addRoundedRect(QRectF(5, 5, 14, 14), 2, 2);
        FillOutlined(p, square, Red, Red.darker(140));
        break;
    }
    case ImageReplayForward:
        FillOutlined(p, Triangle(5, 20, 4, 20, true), Green, GreenDark);
        break;
    case ImageAddFav:
        PaintStar(p, QPointF(11, 11), 9.5);
        PaintBadge(p, QPointF(18, 18), Green, true);
        break;
    case ImageOrgFav:
        PaintStar(p, QPointF(9, 9), 7.5);
        p.setPen(QPen(Ink, 1.8, Qt::SolidLine, Qt::RoundCap));
        for (qreal y : {15.0, 18.5, 22.0}) {
            p.drawLine(QPointF(11, y), QPointF(22, y));
        }
        p.setPen(QPen(Blue, 2.2, Qt::SolidLine, Qt::RoundCap));
        for (qreal y : {15.0, 18.5, 22.0}) {
            p.drawPoint(QPointF(7.5, y));
        }
        break;
    case ImageOpenFav:
        PaintFolder(p, true);
        PaintStar(p, QPointF(16, 8), 6.5);
        break;
    case ImageOptions:
        PaintGear(p);
        break;
    case ImageScoreboard:
        PaintTrophy(p);
        break;
    case ImageHelp:
        PaintHelp(p);
        break;
    case ImageFavourites:
        PaintFolder(p, false);
        PaintStar(p, QPointF(16, 8), 6.5);
        break;
    case ImageClosedFolder:
        PaintFolder(p, false);
        break;
    case ImageFinishedGame:
        PaintCard(p, QRectF(3.5, 2.5, 13, 18), 0, 3);
        PaintTickBadge(p, QPointF(17, 17));
        break;
    case ImageIncompleteGame:
        PaintCard(p, QRectF(3.5, 2.5, 13, 18), 0, 4);
        PaintDotsBadge(p, QPointF(17, 17));
        break;
    default:
        break;
    }
}

QImage DrawImage(int index, QSize devicePixels) {
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const qreal side = std::min(devicePixels.width(), devicePixels.height());
    p.translate((devicePixels.width() - side) / 2, (devicePixels.height() - side) / 2);
    p.scale(side / 24.0, side / 24.0);
    PaintImage(p, index);
    return image;
}

QImage RenderImage(int index, QSize devicePixels, qreal scale, bool disabled) {
    QImage image;
    if (devicePixels.width() == devicePixels.height()) {
        image = StoredToolbarImage(index, devicePixels.width());
    }
    if (image.isNull()) {
        image = DrawImage(index, devicePixels);
    }
    if (disabled) {
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb px = line[x];
                const int alpha = qAlpha(px) * 2 / 5;
                // Premultiplied: the grey level scales with the new alpha.
                const int grey = qGray(px) * 2 / 5;
                line[x] = qRgba(grey, grey, grey, alpha);
            }
        }
    }
    image.setDevicePixelRatio(scale);
    return image;
}

class PaintedIconEngine final : public QIconEngine {
public:
    explicit PaintedIconEngine(int image) : m_image(image) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QImage image = RenderImage(m_image, (QSizeF(rect.size()) * dpr).toSize(), dpr,
                                         mode == QIcon::Disabled);
        painter->drawImage(rect, image);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        if (size.isEmpty()) {
            return {};
        }
        QImage image = RenderImage(m_image, size, 1.0, mode == QIcon::Disabled);
        QPixmap pixmap = QPixmap::fromImage(std::move(image));
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new PaintedIconEngine(m_image); }
    QString key() const override { return QStringLiteral("VelmoraPaintedIcon"); }

private:
    int m_image;
};

} // namespace

QString ToolbarKey(int position) {
    if (position < 1 || position > MenuLayout::ToolbarPositions) {
        return {};
    }
    const std::string_view key = MenuLayout::Toolbar()[static_cast<std::size_t>(position - 1)].key;
    return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

int ToolbarImageOf(const QString& key) {
    for (const KeyImage& entry : KeyImages) {
        if (key == QLatin1String(entry.key)) {
            return entry.image;
        }
    }
    return 0;
}

QIcon ToolbarIcon(const QString& key) {
    const int image = ToolbarImageOf(key);
    if (image == 0) {
        return {};
    }
    return QIcon(new PaintedIconEngine(image));
}

QIcon LibraryIcon(const QString& key) {
    if (key == u"Program") {
        return ApplicationIcon();
    }
    static const std::array<KeyImage, 5> images{{
        {"Favourites", ImageFavourites},
        {"CloseFold", ImageClosedFolder},
        {"OpenFold", ImageOpen},
        {"Comp", ImageFinishedGame},
        {"Incomp", ImageIncompleteGame},
    }};
    for (const KeyImage& entry : images) {
        if (key == QLatin1String(entry.key)) {
            return QIcon(new PaintedIconEngine(entry.image));
        }
    }
    return {};
}

QIcon ApplicationIcon() {
    return QIcon(QStringLiteral(":/icons/org.velmora.Velmora2003.svg"));
}

QString WindowIconFile(int size) {
    return QStringLiteral(":/icons/org.velmora.Velmora2003-%1.rgba").arg(size);
}

QImage WindowIconImage(int size) {
    const QByteArray bytes = QResource(WindowIconFile(size)).uncompressedData();
    const qsizetype rowBytes = qsizetype{size} * 4;
    if (size <= 0 || bytes.size() != rowBytes * size) {
        return {};
    }
    return QImage(reinterpret_cast<const uchar*>(bytes.constData()), size, size, rowBytes,
                  QImage::Format_RGBA8888_Premultiplied)
        .copy();
}

QString ToolbarImagesFile(int side) {
    return QStringLiteral(":/icons/toolbar-%1.rgba").arg(side);
}

QImage StoredToolbarImage(int index, int side) {
    if (index < 1 || index > ImageCount ||
        std::ranges::find(StoredToolbarSides, side) == std::end(StoredToolbarSides)) {
        return {};
    }
    // Stored uncompressed: the pixels are read where they lie.
    const QResource resource(ToolbarImagesFile(side));
    const qsizetype imageBytes = qsizetype{side} * side * 4;
    if (resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != imageBytes * ImageCount) {
        return {};
    }
    const uchar* bits = resource.data() + imageBytes * (index - 1);
    return QImage(bits, side, side, side * 4, QImage::Format_RGBA8888_Premultiplied)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage PaintedToolbarImage(int index, int side) {
    if (index < 1 || index > ImageCount || side <= 0) {
        return {};
    }
    return DrawImage(index, QSize(side, side));
}

QIcon WindowIcon() {
    QIcon icon;
    for (const int size : ApplicationIconSizes) {
        if (const QImage image = WindowIconImage(size); !image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

QIcon ToolbarIcon(int position) {
    return ToolbarIcon(ToolbarKey(position));
}

QPixmap ToolbarImage(int index, int size, qreal dpr) {
    if (index < 1 || index > ImageCount || size <= 0 || dpr <= 0) {
        return {};
    }
    const int device = qCeil(size * dpr);
    QImage image = RenderImage(index, QSize(device, device), dpr, false);
    return QPixmap::fromImage(std::move(image));
}

QCursor TargetCursor(qreal dpr) {
    constexpr int Size = 24;
    return QCursor(ToolbarImage(ImageTarget, Size, dpr), Size / 2, Size / 2);
}

} // namespace velmora
