#include "appearance/ui/Background.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <QtMath>

namespace velmora {

QColor ToColor(BackgroundColours::Rgb rgb) {
    return QColor(BackgroundColours::GetRGB(rgb, 1), BackgroundColours::GetRGB(rgb, 2),
                  BackgroundColours::GetRGB(rgb, 3));
}

void Drawobj(QPainter& painter, const QRect& area, BackgroundColours::Rgb bottom,
             BackgroundColours::Rgb top) {
    const auto bands = BackgroundColours::GradientBands(bottom, top);
    const int height = area.height();
    for (int i = 0; i < BackgroundColours::BandCount; ++i) {
        // Whole-pixel band edges so neighbouring bands never leave a seam.
        const int y0 = area.top() + i * height / BackgroundColours::BandCount;
        const int y1 = area.top() + (i + 1) * height / BackgroundColours::BandCount;
        if (y1 > y0) {
            painter.fillRect(QRect(area.left(), y0, area.width(), y1 - y0),
                             ToColor(bands[static_cast<std::size_t>(i)]));
        }
    }
}

void PaintInBands(QPainter& painter, const QRectF& area, qreal dpr,
                  const std::function<void(QPainter&)>& paint) {
    const int top = qFloor(area.top() * dpr);
    const int bottom = qCeil(area.bottom() * dpr);
    for (int y = top; y < bottom; y += PaintBandRows) {
        painter.save();
        painter.setClipRect(QRectF(area.left(), y / dpr, area.width(), PaintBandRows / dpr));
        paint(painter);
        painter.restore();
    }
}

QImage ReadPicture(const QString& path, qint64 maxPixels) {
    if (path.isEmpty()) {
        return {};
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > maxPixels) {
        return {};
    }
    return reader.read();
}

qint64 PictureLimit() {
    qint64 area = 1920LL * 1080;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize pixels = screen->size() * screen->devicePixelRatio();
        area = std::max<qint64>(qint64(pixels.width()) * pixels.height(), 640LL * 480);
    }
    return area * PictureScreenAreas;
}

} // namespace velmora
