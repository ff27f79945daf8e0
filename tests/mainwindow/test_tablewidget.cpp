#include "mainwindow/TableWidget.h"

#include "appearance/ui/Background.h"
#include "engine/GameState.h"
#include "engine/TablePress.h"
#include "engine/cCards.h"
#include "engine/cGame.h"
#include "history/GameSession.h"
#include "mainwindow/TableDecorations.h"
#include "support/Pixels.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

class Table : public testing::Test {
protected:
    void SetUp() override {
        table = std::make_unique<TableWidget>();
        table->setAutoAdvance(false);
        table->resize(800, 600); // table left edge at (800 - 640) / 2 = 80 pixels
    }

    /// Places `card` at location `loc` and shows it.
    void Put(CardIndex card, Location loc) {
        table->PlaceCard(card, cCards::Left(loc), cCards::Top(loc));
        table->ShowCard(card, true);
    }

    QPoint Centre(CardIndex card) const { return table->cardRect(card).center().toPoint(); }

    void Send(QEvent::Type type, QPoint pos, Qt::MouseButton button,
              Qt::MouseButtons buttons = Qt::NoButton) {
        QMouseEvent event(type, QPointF(pos), table->mapToGlobal(QPointF(pos)), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(table.get(), &event);
    }

    std::unique_ptr<TableWidget> table;
};

} // namespace

TEST_F(Table, ConvertsTwipsToPixelsWithTheTableCentred) {
    EXPECT_EQ(table->objectName(), QStringLiteral("picBack"));
    EXPECT_EQ(table->tableLeft(), 80);

    // Column 0, row 0 at (60, 1660) twips; 1660 / 15 = 110.7 rounds to 111. TableGeometry's
    // tests convert every other place and zoom.
    Put(0, 0);
    EXPECT_EQ(table->cardRect(0), QRectF(84, 111, 71, 96));
    EXPECT_EQ(table->cardPosition(0), QPoint(60, 1660));

    table->resize(600, 600); // narrower than the table: flush left
    EXPECT_EQ(table->tableLeft(), 0);
    EXPECT_EQ(table->cardRect(0).topLeft(), QPointF(4, 111));
    EXPECT_EQ(table->toTwips(QPoint(10, 20)), QPoint(150, 300));
}

TEST_F(Table, StackingOrderFollowsBringToFrontAndSendToBack) {
    EXPECT_EQ(table->cardZOrder(0), 0);
    EXPECT_EQ(table->cardZOrder(51), 51);
    table->BringToFront(5);
    EXPECT_EQ(table->cardZOrder(5), 51);
    EXPECT_EQ(table->cardZOrder(51), 50);
    EXPECT_EQ(table->cardZOrder(6), 5);
    table->SendToBack(40);
    EXPECT_EQ(table->cardZOrder(40), 0);
    EXPECT_EQ(table->cardZOrder(0), 1);
    EXPECT_EQ(table->cardZOrder(5), 51);
    EXPECT_EQ(table->cardZOrder(NoCard), -1);
    table->BringToFront(NoCard); // ignored
    table->SendToBack(52);
    EXPECT_EQ(table->cardZOrder(5), 51);
}

TEST_F(Table, HitTestingFindsTheFrontmostVisibleCard) {
    Put(10, 0); // row 0
    Put(20, 8); // row 1 overlaps the lower part of row 0
    const QPoint overlap = table->cardRect(20).topLeft().toPoint() + QPoint(30, 5);
    const QPoint rowZeroOnly = table->cardRect(10).topLeft().toPoint() + QPoint(30, 5);
    EXPECT_EQ(table->cardAt(overlap), 20);
    EXPECT_EQ(table->cardAt(rowZeroOnly), 10);

    table->BringToFront(10); // the right-button reveal
    EXPECT_EQ(table->cardAt(overlap), 10);
    table->ShowCard(10, false);
    EXPECT_EQ(table->cardAt(overlap), 20);
    EXPECT_EQ(table->cardAt(QPoint(5, 300)), NoCard);

    QSignalSpy pressed(table.get(), &TableWidget::cardPressed);
    QSignalSpy released(table.get(), &TableWidget::cardReleased);
    Send(QEvent::MouseButtonPress, overlap, Qt::RightButton, Qt::RightButton);
    Send(QEvent::MouseButtonRelease, QPoint(5, 5), Qt::RightButton); // released elsewhere
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed[0][0].toInt(), 20);
    EXPECT_EQ(pressed[0][1].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(pressed[0][2].toInt(), 30 * 15);
    ASSERT_EQ(released.count(), 1);
    EXPECT_EQ(released[0][0].toInt(), 20);
}

TEST_F(Table, PressesOutsideCardsGoToTheTableOrTheFreeCellFrames) {
    QSignalSpy table_(table.get(), &TableWidget::tablePressed);
    QSignalSpy frame(table.get(), &TableWidget::freeCellFrameClicked);
    QSignalSpy card(table.get(), &TableWidget::cardPressed);

    Send(QEvent::MouseButtonPress, QPoint(80 + 100, 200), Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, QPoint(80 + 100, 200), Qt::LeftButton);
    ASSERT_EQ(table_.count(), 1);
    EXPECT_EQ(table_[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(table_[0][1].toInt(), 1500);
    EXPECT_EQ(table_[0][2].toInt(), 3000);

    const QPoint freeCell = table->freeCellRect(2).center().toPoint();
    Send(QEvent::MouseButtonPress, freeCell, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, freeCell, Qt::LeftButton);
    ASSERT_EQ(frame.count(), 1);
    EXPECT_EQ(frame[0][0].toInt(), 2);

    // A right click on a frame, a press on a home-cell frame or beside the table: nothing.
    Send(QEvent::MouseButtonPress, freeCell, Qt::RightButton, Qt::RightButton);
    Send(QEvent::MouseButtonRelease, freeCell, Qt::RightButton);
    const QPoint home =
        (table->toPixels(QPointF(cCards::Left(206), 60)) + QPointF(30, 40)).toPoint();
    Send(QEvent::MouseButtonPress, home, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, home, Qt::LeftButton);
    Send(QEvent::MouseButtonPress, QPoint(20, 300), Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, QPoint(20, 300), Qt::LeftButton);
    EXPECT_EQ(frame.count(), 1);
    EXPECT_EQ(table_.count(), 1);

    // A card lying in the free cell takes the press instead of its frame.
    Put(7, 202);
    Send(QEvent::MouseButtonPress, freeCell, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, freeCell, Qt::LeftButton);
    EXPECT_EQ(frame.count(), 1);
    ASSERT_EQ(card.count(), 1);
    EXPECT_EQ(card[0][0].toInt(), 7);
}

TEST_F(Table, SecondPressOfADoubleClickIsNotAPress) {
    Put(30, 0);
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    QSignalSpy pressed(table.get(), &TableWidget::cardPressed);
    QSignalSpy doubled(table.get(), &TableWidget::cardDoubleClicked);
    QSignalSpy tablePressed(table.get(), &TableWidget::tablePressed);

    // Through the window system, as a real double-click arrives.
    QTest::mouseDClick(table->windowHandle(), Qt::LeftButton, {}, Centre(30));
    EXPECT_EQ(pressed.count(), 1);
    ASSERT_EQ(doubled.count(), 1);
    EXPECT_EQ(doubled[0][0].toInt(), 30);

    QTest::mouseDClick(table->windowHandle(), Qt::LeftButton, {}, QPoint(300, 400));
    EXPECT_EQ(tablePressed.count(), 1);
    EXPECT_EQ(doubled.count(), 1);
}

TEST_F(Table, AnimationsPlayOneAfterAnotherInTheOrderIssued) {
    QSignalSpy finished(table.get(), &TableWidget::animationsFinished);
    table->PlaceCard(1, 0, 0);
    table->PlaceCard(2, 0, 0);
    table->AnimateCard(1, 0, 0, 1000, 0, 4);
    table->AnimateCard(2, 0, 0, 0, 2000, 2);
    table->AnimateCard(1, 1000, 0, 1000, 800, 2);
    EXPECT_EQ(table->queuedAnimations(), 3);

    table->advanceAnimation(2);
    EXPECT_EQ(table->cardPosition(1), QPoint(500, 0));
    EXPECT_EQ(table->cardPosition(2), QPoint(0, 0));
    table->advanceAnimation(2);
    EXPECT_EQ(table->cardPosition(1), QPoint(1000, 0));
    EXPECT_EQ(table->queuedAnimations(), 2);
    table->advanceAnimation(1);
    EXPECT_EQ(table->cardPosition(2), QPoint(0, 1000));
    EXPECT_EQ(table->cardPosition(1), QPoint(1000, 0));
    EXPECT_EQ(finished.count(), 0);
    table->advanceAnimation(10); // more steps than queued
    EXPECT_EQ(table->cardPosition(2), QPoint(0, 2000));
    EXPECT_EQ(table->cardPosition(1), QPoint(1000, 800));
    EXPECT_FALSE(table->isAnimating());
    EXPECT_EQ(finished.count(), 1);
}

namespace {

/// Collects what the table is asked to paint.
class PaintRecorder : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

TEST_F(Table, ASlideStepRepaintsOnlyWhereItsCardWasAndIs) {
    Put(0, 0);
    Put(1, 7); // column 7, far from the slide
    table->AttachSelection(0);
    table->show();
    QApplication::processEvents();
    PaintRecorder recorder;
    table->installEventFilter(&recorder);

    table->AnimateCard(0, cCards::Left(0), cCards::Top(0), cCards::Left(3), cCards::Top(0), 10);
    for (int step = 0; step < 2; ++step) {
        const QRectF before = table->cardRect(0);
        recorder.painted = QRegion();
        table->advanceAnimation(1);
        QApplication::processEvents();
        const QRectF after = table->cardRect(0);
        ASSERT_NE(before, after);
        // The card, its selection frame and its shadow (half a pixel right, one down), at
        // both ends of the step.
        for (const QRectF& card : {before, after}) {
            const QRect shadow = card.adjusted(0, 0, 1.5, 2).toAlignedRect();
            EXPECT_TRUE(QRegion(shadow).subtracted(recorder.painted).isEmpty()) << step;
        }
        EXPECT_FALSE(recorder.painted.intersects(table->cardRect(1).toAlignedRect())) << step;
    }
    table->removeEventFilter(&recorder);
}

TEST_F(Table, EveryFrameShowsOneStepAndAStopLeavesNothingPending) {
    Put(0, 0);
    table->show();
    QApplication::processEvents();
    PaintRecorder recorder;
    table->installEventFilter(&recorder);

    // A move at the default card speed: each of its 20 steps gets a frame and a paint of its
    // own, however quickly the frames follow one another.
    const QPointF from(cCards::Left(0), cCards::Top(0));
    const QPointF to(cCards::Left(205), cCards::Top(205));
    table->AnimateCard(0, cCards::Left(0), cCards::Top(0), cCards::Left(205), cCards::Top(205), 20);
    for (int step = 1; step <= 20; ++step) {
        recorder.painted = QRegion();
        table->frameTick();
        QApplication::processEvents();
        EXPECT_EQ(table->cardPosition(0), (from + (to - from) * step / 20.0).toPoint()) << step;
        EXPECT_TRUE(
            QRegion(table->cardRect(0).toAlignedRect()).subtracted(recorder.painted).isEmpty())
            << step;
    }
    EXPECT_FALSE(table->isAnimating());
    table->removeEventFilter(&recorder);

    // The timer runs only while something is queued; a stop puts the cards in place and
    // leaves no step to be played later.
    QSignalSpy finished(table.get(), &TableWidget::animationsFinished);
    table->setAutoAdvance(true);
    EXPECT_FALSE(table->frameTimerActive());
    table->AnimateCard(1, 0, 0, 1200, 0, 10);
    table->AnimateCard(2, 0, 0, 2400, 0, 10);
    EXPECT_TRUE(table->frameTimerActive());
    EXPECT_EQ(table->frameInterval(), TableWidget::FrameInterval(table->screen()->refreshRate()));
    table->frameTick();
    table->frameTick();
    table->finishAnimations();
    EXPECT_FALSE(table->frameTimerActive());
    EXPECT_EQ(finished.count(), 1);
    table->frameTick();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(table->cardPosition(1), QPoint(1200, 0));
    EXPECT_EQ(table->cardPosition(2), QPoint(2400, 0));
    table->AnimateCard(1, 1200, 0, 2200, 0, 10);
    EXPECT_TRUE(table->frameTimerActive());
    table->frameTick();
    EXPECT_EQ(table->cardPosition(1), QPoint(1300, 0)) << "one step, no catching up";
    table->PlaceCard(1, 0, 0);
    EXPECT_FALSE(table->frameTimerActive()) << "the last slide dropped";

    // Movements issued faster than they slide: the queue plays out within the backlog bound,
    // a step a frame as long as it fits.
    EXPECT_EQ(TableWidget::StepsPerFrame(TableWidget::MaxBacklogFrames), 1);
    EXPECT_EQ(TableWidget::StepsPerFrame(TableWidget::MaxBacklogFrames + 1), 2);
    for (int card = 0; card < 10; ++card) {
        table->AnimateCard(card, 0, 0, 1200, 1000, 100);
    }
    int frames = 0;
    while (table->isAnimating() && frames <= TableWidget::MaxBacklogFrames) {
        table->frameTick();
        ++frames;
    }
    EXPECT_LE(frames, TableWidget::MaxBacklogFrames) << "ten slides of 100 steps";
    EXPECT_GT(frames, TableWidget::MaxBacklogFrames / 2) << "and no faster than needed";
    EXPECT_EQ(table->cardPosition(9), QPoint(1200, 1000));

    // Ticks a little slower than the screen, never faster: no two steps in one frame.
    EXPECT_EQ(TableWidget::FrameInterval(60), 17);
    EXPECT_EQ(TableWidget::FrameInterval(75), 14) << "13.3 rounded up";
    EXPECT_EQ(TableWidget::FrameInterval(0), 17) << "unknown rate";
    EXPECT_EQ(TableWidget::FrameInterval(1000), 4);
    EXPECT_EQ(TableWidget::FrameInterval(10), 33);
}

TEST_F(Table, JumpsAndPlacementsOverrideTheQueue) {
    table->AnimateCard(4, 0, 0, 600, 600, 1); // one step: at once
    EXPECT_EQ(table->cardPosition(4), QPoint(600, 600));
    table->AnimateCard(4, 600, 600, 0, 0, 0);
    EXPECT_EQ(table->cardPosition(4), QPoint(0, 0));
    EXPECT_FALSE(table->isAnimating());

    table->AnimateCard(5, 0, 0, 900, 900, 20);
    table->AnimateCard(6, 0, 0, 300, 300, 20);
    table->PlaceCard(5, 60, 60); // drops card 5's slide, keeps card 6's
    EXPECT_EQ(table->queuedAnimations(), 1);
    EXPECT_EQ(table->cardPosition(5), QPoint(60, 60));
    table->ShowCards(false); // hiding completes what is queued
    EXPECT_FALSE(table->isAnimating());
    EXPECT_EQ(table->cardPosition(6), QPoint(300, 300));
    EXPECT_FALSE(table->isCardVisible(6));

    table->setAnimationsEnabled(false);
    table->AnimateCard(7, 0, 0, 1200, 60, 20);
    EXPECT_EQ(table->cardPosition(7), QPoint(1200, 60));
    EXPECT_FALSE(table->isAnimating());
}

TEST_F(Table, ADealtGameEndsWithEveryCardOnItsLocationInColumnOrder) {
    EnginePorts ports;
    ports.view = table.get();
    GameSession session(ports);
    session.StartGame(1);
    EXPECT_EQ(table->queuedAnimations(), CardCount);
    // Each card appears only when its own slide starts: no pile waits at the corner.
    const CardIndex first = session.State().DealTable[0];
    const CardIndex second = session.State().DealTable[1];
    EXPECT_FALSE(table->isCardVisible(first));
    table->advanceAnimation(1);
    EXPECT_TRUE(table->isCardVisible(first));
    EXPECT_FALSE(table->isCardVisible(second));
    for (int i = 0; i < 1000 && table->isAnimating(); ++i) {
        table->advanceAnimation(7);
    }
    EXPECT_FALSE(table->isAnimating());

    const cGame& game = session.State().Game();
    for (int card = 0; card < CardCount; ++card) {
        const Location loc = game.GetLocation(static_cast<CardIndex>(card));
        EXPECT_TRUE(table->isCardVisible(static_cast<CardIndex>(card)));
        EXPECT_EQ(table->cardPosition(static_cast<CardIndex>(card)),
                  QPoint(cCards::Left(loc), cCards::Top(loc)))
            << "card " << card;
    }
    for (int slot = 8; slot < CardCount; ++slot) {
        const CardIndex below = game.GetCardIndex(static_cast<Location>(slot));
        const CardIndex above = game.GetCardIndex(static_cast<Location>(slot - 8));
        EXPECT_GT(table->cardZOrder(below), table->cardZOrder(above)) << "slot " << slot;
    }
}

TEST_F(Table, SelectionCursorTimeBoxAndBackground) {
    Put(9, 3);
    QSignalSpy moved(table.get(), &TableWidget::cardMoved);
    table->setCardCursor(9, TableWidget::CardCursor::Target);
    Send(QEvent::MouseMove, Centre(9), Qt::NoButton);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved[0][0].toInt(), 9);
    EXPECT_EQ(table->cursor().shape(), Qt::BitmapCursor);
    Send(QEvent::MouseMove, QPoint(300, 500), Qt::NoButton);
    EXPECT_EQ(table->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(moved.count(), 1);
    Send(QEvent::MouseMove, Centre(9), Qt::NoButton);
    table->setCardCursor(9, TableWidget::CardCursor::Normal);
    EXPECT_EQ(table->cursor().shape(), Qt::ArrowCursor);

    auto* box = table->findChild<QWidget*>(QStringLiteral("Text1"));
    ASSERT_NE(box, nullptr);
    table->setTimeText(QStringLiteral("0:00:00 "));
    EXPECT_EQ(table->timeText(), QStringLiteral("0:00:00 "));
    EXPECT_EQ(box->accessibleDescription(), QStringLiteral("0:00:00 "));
    // The box is drawn from a picture kept between frames: a new text draws it anew.
    const QImage before = table->grab(box->geometry()).toImage();
    table->setTimeText(QStringLiteral("1:11:11 "));
    EXPECT_NE(table->grab(box->geometry()).toImage(), before);
    table->setTimeText(QStringLiteral("0:00:00 "));
    EXPECT_EQ(table->grab(box->geometry()).toImage(), before);

    // ColorIndex 7: (143, 188, 139) at the top, black at the bottom (the bands are the
    // background's tests'); a new colour is drawn anew, not taken from the kept layer.
    table->resize(800, 512);
    const QImage shot = table->grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 0), QColor(143, 188, 139));
    EXPECT_EQ(shot.pixelColor(2, 511), QColor(0, 0, 0));
    table->setColorIndex(15);
    EXPECT_EQ(table->grab().toImage().pixelColor(2, 0), QColor(128, 0, 0));
}

TEST_F(Table, TheFirstPictureDrawnStraightEqualsTheOnesFromTheKeptLayer) {
    // The first picture skips the layer; every later one is drawn from it. Catches the direct
    // drawing's gradient off by the pixel ratio, a hint left set on the painter, or a missing
    // frame or logo.
    QSignalSpy first(table.get(), &TableWidget::firstPainted);
    Put(9, 3);
    const QImage straight = table->grab().toImage();
    EXPECT_EQ(first.count(), 1);
    EXPECT_EQ(table->grab().toImage(), straight);
    EXPECT_EQ(first.count(), 1) << "once per table";
}

TEST_F(Table, TheCellFramesSuitsAndLogoLandWhereTheyAreDrawnStraightOntoTheCloth) {
    // The background copies pictures of its fixed shapes (stored at 100 %, drawn at 125 %).
    // Drawn straight onto the cloth instead, they cover the same pixels up to rounding; a copy
    // a pixel off, a suit in another cell or a missing logo differs by far more.
    const BackgroundColours::Rgb bottom = BackgroundColours::MakeRgb(20, 40, 30);
    const BackgroundColours::Rgb top = BackgroundColours::MakeRgb(120, 180, 140);
    table->draw(bottom, top);
    table->resize(803, 600);
    for (const int zoom : {100, 125}) {
        table->setZoom(zoom);
        const QImage shot = table->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const TableGeometry g(table->scale(), table->width(), 1.0);
        const qreal s = g.Scale();
        QImage straight(shot.size(), QImage::Format_ARGB32_Premultiplied);
        QPainter p(&straight);
        Drawobj(p, straight.rect(), bottom, top);
        p.setRenderHint(QPainter::Antialiasing, true);
        std::vector<QRectF> areas;
        for (int i = 0; i < 8; ++i) {
            const Location loc = i < 4 ? FreeCell(i) : static_cast<Location>(FirstHomeCell + i - 4);
            const QRectF cell = g.CardRect(QPointF(cCards::Left(loc), cCards::Top(loc)));
            p.setPen(QPen(QColor(255, 255, 255, 120), s));
            p.setBrush(QColor(0, 0, 0, 46));
            p.drawRoundedRect(cell.adjusted(0.5 * s, 0.5 * s, -0.5 * s, -0.5 * s), 4.5 * s,
                              4.5 * s);
            if (i >= 4) {
                const QPointF c = cell.center();
                p.fillPath(CardPainter::SuitPath(
                               i - 3, QRectF(c.x() - 14 * s, c.y() - 15 * s, 28 * s, 30 * s)),
                           QColor(255, 255, 255, 60));
            }
            areas.push_back(cell);
        }
        CardPainter::PaintLogo(p, LogoRect(g));
        areas.push_back(LogoRect(g).adjusted(-2, -2, 2, 2));
        p.end();
        const QImage expected = straight.convertToFormat(QImage::Format_ARGB32);
        int worst = 0;
        for (const QRectF& area : areas) {
            worst = std::max(worst, test::WorstChannelDifference(
                                        shot, expected, area.toAlignedRect() & shot.rect()));
        }
        EXPECT_LE(worst, 3) << "zoom " << zoom;
    }
}

// Zoom, long columns, sharp faces, key hints and keys -----------------------------------------

TEST_F(Table, FitToWindowFollowsTheSizeAndPressesComeBackInTableUnits) {
    table->show();
    table->setZoom(FitToWindow);
    table->resize(1920, 823); // the height decides: a column of 13 ends at 6172 twips
    EXPECT_DOUBLE_EQ(table->scale(), 823 * 15.0 / 6172);
    auto* box = table->findChild<QWidget*>(QStringLiteral("Text1"));
    EXPECT_EQ(box->height(), 40) << "the time box grows with the table";

    Put(11, 8 * 3 + 2);
    QSignalSpy pressed(table.get(), &TableWidget::cardPressed);
    const QPoint inside = table->cardRect(11).topLeft().toPoint() + QPoint(20, 10);
    Send(QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_NEAR(pressed[0][2].toInt(), 20 * 15 / table->scale(), 15);

    table->setZoom(100);
    table->resize(800, 600);
    EXPECT_EQ(table->cardRect(11), QRectF(80 + 164, 162, 71, 96)); // (2460, 2428) twips
    EXPECT_EQ(box->geometry(), QRect(80 + 291, 70, 56, 20)) << "100 % is the unscaled table";
}

TEST_F(Table, ALongColumnIsDrawnTighterSoItsLastCardShowsWhole) {
    table->resize(800, 500); // 7500 twips: room for a column of 17
    for (int row = 0; row < 19; ++row) {
        Put(static_cast<CardIndex>(row), static_cast<Location>(row * 8 + 2));
    }
    Put(31, 12); // a short column beside it, row 1
    // How much tighter is TableGeometry's rule; the drawing follows it, the model does not.
    const QRectF last = table->cardRect(18);
    EXPECT_LE(last.bottom(), 500);
    EXPECT_GE(last.bottom(), 497);
    EXPECT_EQ(table->cardRect(31).topLeft(), QPointF(80 + 324, 128)) << "a short one stays";
    EXPECT_EQ(table->cardPosition(18), QPoint(2460, 1660 + 18 * 256)) << "the model stays";

    // Hit-testing follows the drawing: the exposed card, and covered cards' strips.
    const double step = (table->cardRect(10).top() - table->cardRect(0).top()) / 10;
    EXPECT_EQ(table->cardAt(last.center().toPoint()), 18);
    for (const CardIndex covered : {9, 16}) {
        const QPointF strip(last.left() + 10, table->cardRect(covered).top() + step / 2);
        EXPECT_EQ(table->cardAt(strip.toPoint()), covered);
    }

    // A card sliding onto the long column flies straight to where the column draws it.
    Put(40, 0);
    table->AnimateCard(40, cCards::Left(0), cCards::Top(0), cCards::Left(19 * 8 + 2),
                       cCards::Top(19 * 8 + 2), 4);
    const QPointF start = table->cardRect(40).topLeft();
    table->advanceAnimation(2);
    const QPointF halfway = table->cardRect(40).topLeft();
    table->advanceAnimation(2);
    const QRectF landed = table->cardRect(40);
    EXPECT_LE(landed.bottom(), 500);
    EXPECT_LT(QLineF(halfway, (start + landed.topLeft()) / 2).length(), 1.0);
}

TEST_F(Table, FacesAreDrawnForTheirExactPixelsAtEveryZoom) {
    table->resize(1400, 1000);
    Put(5, 0);
    for (const int zoom : {100, 125, 150, 200}) {
        table->setZoom(zoom);
        const QRect rect = table->cardRect(5).toRect();
        const QImage shot = table->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage face = CardPainter().FaceInPixels(5, rect.size(), 1.0).toImage();
        // Inside the rounded corners the table shows the face pixel for pixel.
        const QRect inner = face.rect().adjusted(6, 6, -6, -6);
        EXPECT_EQ(shot.copy(inner.translated(rect.topLeft())),
                  face.convertToFormat(QImage::Format_ARGB32).copy(inner))
            << zoom;
    }
}

TEST_F(Table, KeyHintsAndKeysOfThePressAlphabet) {
    table->resize(1400, 1000);
    table->setZoom(200);
    auto badges = [&] { // lightness below each badge's letter
        const QImage shot = table->grab().toImage();
        std::vector<int> lightness;
        for (const Location slot : {0, 7, 200, 203, 205, 208}) {
            const QPointF centre = table->toPixels(
                QPointF(cCards::Left(slot) + CardWidth - 150, cCards::Top(slot) + 150));
            lightness.push_back(shot.pixelColor((centre + QPointF(0, 11)).toPoint()).lightness());
        }
        return lightness;
    };
    const std::vector<int> without = badges();
    table->setKeyHints(true);
    const std::vector<int> with = badges();
    for (std::size_t i = 0; i < with.size(); ++i) {
        EXPECT_LT(with[i], without[i] - 40) << "a dark badge on place " << i;
    }

    QSignalSpy keys(table.get(), &TableWidget::keyPressed);
    auto press = [&](int key, Qt::KeyboardModifiers modifiers = {}, bool repeat = false) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), repeat);
        QApplication::sendEvent(table.get(), &event);
    };
    press(Qt::Key_A);
    press(Qt::Key_H, Qt::ShiftModifier);
    press(Qt::Key_8);
    press(Qt::Key_3, Qt::KeypadModifier);
    press(Qt::Key_Escape);
    // Not presses: outside the alphabet, menu shortcuts and access keys, a held key.
    for (const int key : {int(Qt::Key_I), int(Qt::Key_9), int(Qt::Key_0)}) {
        press(key);
    }
    press(Qt::Key_C, Qt::ControlModifier);
    press(Qt::Key_A, Qt::AltModifier);
    press(Qt::Key_B, {}, true);
    QList<QString> got;
    for (const QList<QVariant>& k : keys) {
        got << QString(QChar(k[0].value<char>())) + (k[1].toBool() ? "+" : "");
    }
    EXPECT_EQ(got, (QList<QString>{"A", "H+", "8", "3", QString(QChar(EscapeKey))}));
}
