#include "appearance/ui/Background.h"
#include "appearance/ui/CardPainter.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

using namespace velmora;

namespace {

QByteArray Bytes(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    return QByteArray(reinterpret_cast<const char*>(image.constBits()),
                      static_cast<int>(image.sizeInBytes()));
}

/// Share of the image's pixels close to `colour`.
double Share(const QImage& image, const QColor& colour) {
    int hits = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) < 40 &&
                std::abs(c.green() - colour.green()) < 40 &&
                std::abs(c.blue() - colour.blue()) < 40) {
                ++hits;
            }
        }
    }
    return static_cast<double>(hits) / (image.width() * image.height());
}

/// How many pixels of `a` and `b` differ by more than `tolerance` in a channel, and the largest
/// difference.
std::pair<int, int> Differences(const QImage& a, const QImage& b, int tolerance) {
    int count = 0;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int d =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            count += d > tolerance ? 1 : 0;
            worst = std::max(worst, d);
        }
    }
    return {count, worst};
}

} // namespace

TEST(CardPainter, DrawsFiftyTwoDistinctFacesAtEachPixelRatio) {
    CardPainter painter;
    const QSize size(CardPainter::Width, CardPainter::Height);
    for (qreal dpr : {1.0, 2.0}) {
        std::set<QByteArray> seen;
        for (int card = 0; card < CardCount; ++card) {
            const QPixmap face = painter.Face(static_cast<CardIndex>(card), size, dpr);
            ASSERT_FALSE(face.isNull()) << card;
            EXPECT_EQ(face.size(), size * dpr);
            EXPECT_DOUBLE_EQ(face.devicePixelRatio(), dpr);
            const QImage image = face.toImage();
            // Opaque in the middle, transparent outside the rounded corner.
            EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
            seen.insert(Bytes(face));
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(CardCount)) << "dpr " << dpr;
    }
    const QPixmap back = painter.Back(size, 2.0);
    EXPECT_FALSE(back.isNull());
    EXPECT_NE(Bytes(back), Bytes(painter.Face(0, size, 2.0)));
}

TEST(CardPainter, CachedPicturesEqualTheCardsDrawnWhole) {
    // Cached pictures start from a copy of the blank card; drawn whole, the blank comes first
    // in the same painter. Both must give the same pixels, at odd sizes too.
    CardPainter cache;
    for (const auto& [pixels, dpr] :
         {std::pair{QSize(71, 96), 1.0}, std::pair{QSize(213, 288), 2.0},
          std::pair{QSize(89, 120), 1.25}}) {
        for (int card = -1; card < CardCount; ++card) {
            QPixmap whole(pixels);
            whole.setDevicePixelRatio(dpr);
            whole.fill(Qt::transparent);
            QPainter painter(&whole);
            const QRectF rect(0, 0, pixels.width() / dpr, pixels.height() / dpr);
            if (card < 0) {
                CardPainter::PaintBack(painter, rect);
            } else {
                CardPainter::PaintFace(painter, rect, static_cast<CardIndex>(card));
            }
            painter.end();
            const QPixmap cached =
                card < 0 ? cache.BackInPixels(pixels, dpr)
                         : cache.FaceInPixels(static_cast<CardIndex>(card), pixels, dpr);
            EXPECT_EQ(Bytes(cached), Bytes(whole)) << "card " << card << " at " << dpr;
        }
    }
}

TEST(CardPainter, CachesPerCardSizeAndRatio) {
    CardPainter painter;
    const QSize size(CardPainter::Width, CardPainter::Height);
    const QPixmap first = painter.Face(5, size, 1.0);
    EXPECT_EQ(painter.Face(5, size, 1.0).cacheKey(), first.cacheKey());
    EXPECT_NE(painter.Face(5, size, 2.0).cacheKey(), first.cacheKey());
    EXPECT_NE(painter.Face(5, size * 2, 1.0).cacheKey(), first.cacheKey());
    EXPECT_EQ(painter.CachedCount(), 3);
    painter.Clear();
    EXPECT_EQ(painter.CachedCount(), 0);

    EXPECT_TRUE(painter.Face(NoCard, size, 1.0).isNull());
    EXPECT_TRUE(painter.Face(52, size, 1.0).isNull());
    EXPECT_TRUE(painter.Face(0, QSize(), 1.0).isNull());
}

TEST(CardPainter, FacesForExactPixelsAndTheLatestFewSizesKept) {
    CardPainter painter;
    // 106.5 x 144 logical pixels at ratio 2: 213 x 288 device pixels, the design filling them.
    const QPixmap face = painter.FaceInPixels(7, QSize(213, 288), 2.0);
    EXPECT_EQ(face.size(), QSize(213, 288));
    EXPECT_DOUBLE_EQ(face.devicePixelRatio(), 2.0);
    const QImage image = face.toImage();
    EXPECT_EQ(qAlpha(image.pixel(212, 144)), 255) << "the border reaches the last column";
    EXPECT_EQ(qAlpha(image.pixel(106, 287)), 255) << "and the last row";
    EXPECT_EQ(painter.BackInPixels(QSize(213, 288), 2.0).size(), QSize(213, 288));

    // A window resized to fit asks for one size after another: only the latest few stay.
    painter.Clear();
    const qint64 first = painter.FaceInPixels(3, QSize(71, 96), 1.0).cacheKey();
    const qint64 second = painter.FaceInPixels(3, QSize(72, 96), 1.0).cacheKey();
    for (int width = 73; width < 71 + static_cast<int>(CardPainter::MaxSizes); ++width) {
        painter.FaceInPixels(3, QSize(width, 96), 1.0);
    }
    EXPECT_EQ(painter.FaceInPixels(3, QSize(71, 96), 1.0).cacheKey(), first) << "still kept";
    painter.FaceInPixels(3, QSize(90, 96), 1.0); // pushes out 72, used longest ago
    EXPECT_EQ(painter.CachedCount(), static_cast<int>(CardPainter::MaxSizes));
    EXPECT_EQ(painter.FaceInPixels(3, QSize(71, 96), 1.0).cacheKey(), first);
    EXPECT_NE(painter.FaceInPixels(3, QSize(72, 96), 1.0).cacheKey(), second);
}

TEST(CardPainter, SuitsTwoAndFourAreRedOneAndThreeBlack) {
    CardPainter painter;
    const QSize size(CardPainter::Width, CardPainter::Height);
    const QColor red = CardPainter::SuitColour(2);
    const QColor black = CardPainter::SuitColour(1);
    EXPECT_EQ(CardPainter::SuitColour(4), red);
    EXPECT_EQ(CardPainter::SuitColour(3), black);
    EXPECT_NE(red, black);
    // The tens: pips of the suit colour, none of the other.
    for (int suit = 1; suit <= 4; ++suit) {
        const auto ten = static_cast<CardIndex>((suit - 1) * 13 + 9);
        const QImage image = painter.Face(ten, size, 1.0).toImage();
        const QColor own = CardPainter::SuitColour(suit);
        const QColor other = suit % 2 == 0 ? black : red;
        EXPECT_GT(Share(image, own), 0.05) << "suit " << suit;
        EXPECT_LT(Share(image, other), 0.005) << "suit " << suit;
    }
}

TEST(CardPainter, SuitOutlinesFillTheirBox) {
    const QRectF box(10, 20, 30, 40);
    for (int suit = 1; suit <= 4; ++suit) {
        const QRectF bounds = CardPainter::SuitPath(suit, box).boundingRect();
        EXPECT_TRUE(box.adjusted(-0.5, -0.5, 0.5, 0.5).contains(bounds)) << suit;
        EXPECT_GT(bounds.width(), box.width() * 0.7) << suit;
        EXPECT_GT(bounds.height(), box.height() * 0.9) << suit;
    }
    EXPECT_TRUE(CardPainter::SuitPath(0, box).isEmpty());
}

// The suits are filled by winding instead of being united: every part must run the same way
// round, or an overlap (a leaf over the stem) fills as a hole.
TEST(CardPainter, SuitOutlinesFillAsTheUnionOfTheirParts) {
    for (int suit = 1; suit <= 4; ++suit) {
        const QPainterPath path = CardPainter::SuitPath(suit, QRectF(2, 3, 56, 60));
        const auto fill = [](const QPainterPath& shape) {
            QImage image(64, 68, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.fillPath(shape, Qt::black);
            return image;
        };
        const QImage parts = fill(path);
        // Each part on its own is a simple outline; their union does not depend on direction.
        QPainterPath union_;
        for (const QPolygonF& part : path.toSubpathPolygons()) {
            QPainterPath one;
            one.addPolygon(part);
            one.closeSubpath();
            union_ = union_.united(one);
        }
        EXPECT_LE(Differences(parts, fill(union_), 64).first, 12) << "suit " << suit;
    }
}

// Painting in bands changes which thread fills, not the picture: the same shapes drawn once
// and band by band, at whole and fractional ratios, with the area's edges inside a band.
TEST(PaintInBands, GivesThePixelsOfOneCallAndCoversTheWholeArea) {
    const auto shapes = [](QPainter& painter) {
        painter.setPen(QPen(QColor(255, 255, 255, 120), 1.3));
        painter.setBrush(QColor(0, 0, 0, 46));
        painter.drawRoundedRect(QRectF(3.5, 2.25, 71, 96), 4.5, 4.5);
        painter.fillPath(CardPainter::SuitPath(2, QRectF(80.3, 7.7, 28, 30)), Qt::red);
        CardPainter::PaintLogo(painter, QRectF(110, 10, 60, 54));
    };
    for (const qreal dpr : {1.0, 1.25, 2.0}) {
        const QSize pixels(qCeil(180 * dpr), qCeil(120 * dpr));
        QImage whole(pixels, QImage::Format_ARGB32_Premultiplied);
        whole.setDevicePixelRatio(dpr);
        whole.fill(Qt::darkGreen);
        QImage banded = whole;
        {
            QPainter painter(&whole);
            painter.setRenderHint(QPainter::Antialiasing);
            shapes(painter);
        }
        int calls = 0;
        {
            QPainter painter(&banded);
            painter.setRenderHint(QPainter::Antialiasing);
            PaintInBands(painter, QRectF(0, 1.5, 180, 101), dpr, [&](QPainter& p) {
                ++calls;
                shapes(p);
            });
        }
        const auto [differ, worst] = Differences(whole, banded, 0);
        // A gradient fill may round a level differently; every shape and edge is where it was.
        EXPECT_LE(worst, 2) << dpr;
        EXPECT_LT(differ, whole.width() * whole.height() / 50) << dpr;
        // Rows 1.5 * dpr up to (1.5 + 101) * dpr, counted from the band that holds the first.
        const int rows = qCeil(102.5 * dpr) - qFloor(1.5 * dpr);
        EXPECT_EQ(calls, (rows + PaintBandRows - 1) / PaintBandRows) << dpr;
    }
}
