// Zoom and table geometry without widgets: scales, window minimums, tight columns, pixels.

#include "mainwindow/TableGeometry.h"

#include "engine/cCards.h"

#include <gtest/gtest.h>

#include <vector>

using namespace velmora;

namespace {

QPointF Slot(int column, int row) {
    const auto loc = static_cast<Location>(row * ColumnCount + column);
    return {static_cast<qreal>(cCards::Left(loc)), static_cast<qreal>(cCards::Top(loc))};
}

} // namespace

TEST(Zoom, ScalesFitToWindowAndTheWindowMinimum) {
    for (const int odd : {175, -100, 99}) {
        EXPECT_EQ(NormalZoom(odd), 100) << odd;
    }
    EXPECT_DOUBLE_EQ(ZoomScale(150, QSizeF(3000, 3000)), 1.5);
    EXPECT_DOUBLE_EQ(MinimumScale(FitToWindow), 1.0) << "the window decides the fit, not back";

    // The table is 640 pixels wide at 100 %; a column of 13 cards ends at 6172 twips.
    EXPECT_DOUBLE_EQ(FitScale(QSizeF(1280, 2000)), 2.0) << "width decides";
    EXPECT_DOUBLE_EQ(FitScale(QSizeF(1920, 1000)), 1000 * 15.0 / 6172) << "height decides";
    EXPECT_DOUBLE_EQ(FitScale(QSizeF(500, 300)), 1.0) << "never below 100 %";
    EXPECT_DOUBLE_EQ(ZoomScale(FitToWindow, QSizeF(960, 2000)), 1.5);

    // 9600 x 7000 table units; a restored window narrower than 9600 twips becomes 9720 wide.
    EXPECT_EQ(MinimumWindowSize(1.0), QSize(640, 466));
    EXPECT_EQ(MinimumWindowSize(2.0), QSize(1280, 933));
    EXPECT_EQ(RaisedWindowSize(QSize(639, 465)), QSize(648, 466));
    EXPECT_EQ(RaisedWindowSize(QSize(640, 466)), QSize(640, 466)) << "edges stay";
}

TEST(LongColumns, OnlyAColumnPassingTheBottomIsDrawnTighterJustEnough) {
    EXPECT_DOUBLE_EQ(ColumnStep(13, 6172), RowStep) << "ending on the bottom edge fits";
    EXPECT_DOUBLE_EQ(ColumnStep(14, 6172), (6172.0 - 1660 - 1440) / 13);
    EXPECT_DOUBLE_EQ(ColumnStep(21, 3200), MinimumRowStep) << "a tiny area keeps a step";

    // Column C holds 19 cards, E 5, a card lies in a free cell and one is in flight.
    std::vector<QPointF> places;
    for (int row = 0; row < 19; ++row) {
        places.push_back(Slot(2, row));
        places.push_back(Slot(4, row % 5));
    }
    places.push_back(QPointF(cCards::Left(200), cCards::Top(200)));
    places.push_back(QPointF(777, 3000));
    const ColumnSteps steps = StepsFor(places, 6000);
    for (int c = 0; c < ColumnCount; ++c) {
        EXPECT_DOUBLE_EQ(steps[c], c == 2 ? (6000.0 - 1660 - 1440) / 18 : RowStep) << c;
    }
    EXPECT_DOUBLE_EQ(DrawnPlace(Slot(2, 18), steps).y() + CardHeight, 6000) << "shows whole";
    EXPECT_EQ(DrawnPlace(Slot(2, 0), steps), Slot(2, 0)) << "the first card stays";
    EXPECT_EQ(DrawnPlace(QPointF(777, 3000), steps), QPointF(777, 3000));
    EXPECT_EQ(RestingColumn(Slot(7, 20)), 7);
    EXPECT_EQ(RestingColumn(QPointF(8460 + 1200, 1660)), -1) << "right of column H";
}

TEST(TableGeometryTest, PixelsAtEachZoom) {
    const TableGeometry at100(1.0, 800, 1.0);
    EXPECT_EQ(at100.CardRect(Slot(0, 0)), QRectF(84, 111, 71, 96)) << "15 twips a pixel";
    EXPECT_EQ(at100.ToTwips(QPointF(90, 20)), QPoint(150, 300));
    EXPECT_EQ(at100.ToTwips(QPointF(79, 0)).x(), -15) << "left of the table";

    struct Case {
        double scale;
        int width;
        double dpr;
        int left;
        QSizeF card;
        QPointF columnH; ///< top-left of column H, row 20
    };
    for (const Case& c :
         std::vector<Case>{{1.25, 1000, 1.0, 100, QSizeF(89, 120), QPointF(100 + 705, 565)},
                           {1.5, 1000, 1.0, 20, QSizeF(107, 144), QPointF(20 + 846, 678)},
                           {1.5, 1000, 2.0, 20, QSizeF(106.5, 144), QPointF(20 + 846, 678)},
                           {2.0, 1200, 1.0, 0, QSizeF(142, 192), QPointF(1128, 904)}}) {
        const TableGeometry g(c.scale, c.width, c.dpr);
        EXPECT_EQ(g.Left(), c.left) << c.scale;
        EXPECT_EQ(g.CardSize(), c.card) << c.scale << " @" << c.dpr;
        EXPECT_EQ(g.ToPixels(Slot(7, 20)), c.columnH) << c.scale;
        EXPECT_EQ(g.ToTwips(g.ToPixels(Slot(3, 5))), Slot(3, 5).toPoint()) << c.scale;
    }
}
