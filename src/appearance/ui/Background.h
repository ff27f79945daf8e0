#pragma once

#include "appearance/BackgroundColours.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace velmora {

/// A colour stored as red + 256 * green + 65536 * blue.
QColor ToColor(BackgroundColours::Rgb rgb);

/// Paints the background gradient on `area`: 256 horizontal bands from `top` down to `bottom`.
void Drawobj(QPainter& painter, const QRect& area, BackgroundColours::Rgb bottom,
             BackgroundColours::Rgb top);

/// Device rows per band of PaintInBands: few enough that no fill of antialiased shapes in a
/// band has the spans that make Qt's raster engine share it out among worker threads.
inline constexpr int PaintBandRows = 16;
/// Calls `paint` once per band of PaintBandRows device rows across `area` (logical), clipped
/// to the band: the picture of one call (a gradient may round a level differently), without
/// waking worker threads, which costs more than the small fills of the table's frames.
void PaintInBands(QPainter& painter, const QRectF& area, qreal dpr,
                  const std::function<void(QPainter&)>& paint);

/// How many times the screen's area a background picture may cover before it is refused.
inline constexpr int PictureScreenAreas = 8;

/// Reads a background picture with Qt's image readers. The size is checked before decoding:
/// a picture of more than `maxPixels` pixels is refused, as is a missing or unreadable file
/// (a null image).
QImage ReadPicture(const QString& path, qint64 maxPixels);
/// PictureScreenAreas times the primary screen's area in device pixels (a 1920 x 1080 screen
/// when there is none).
qint64 PictureLimit();

} // namespace velmora
