#pragma once

#include "appearance/BackgroundColours.h"
#include "appearance/ui/CardPainter.h"
#include "engine/Ports.h"
#include "engine/Types.h"
#include "mainwindow/TableGeometry.h"

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QPointF>
#include <QTimer>
#include <QWidget>

#include <array>
#include <deque>
#include <optional>
#include <vector>

class QPainter;

namespace velmora {

class TimeBox;
struct TableDecorations;

/// The table surface ("picBack"): the gradient background, the free-cell and home-cell frames,
/// the 52 card pictures in stacking order with the selection frame, the logo, the game-time
/// box and the key hints. Card pictures are data (position in twips, visibility, stacking
/// order); the widget converts at 15 twips per logical pixel times the zoom, with the 9600-twip
/// table centred horizontally, and draws a column too long for its height with a tighter
/// overlap. Pointer and key input come out as signals; the owner hands them to the engine.
class TableWidget final : public QWidget, public ITableView {
    Q_OBJECT

public:
    /// The pointer shown while it is over a card.
    enum class CardCursor { Normal, Target };

    explicit TableWidget(QWidget* parent = nullptr);
    ~TableWidget() override;

    // ITableView
    /// Places the picture at once; animations still queued for that card are dropped.
    void PlaceCard(CardIndex card, int left, int top) override;
    void ShowCard(CardIndex card, bool visible) override;
    /// Hiding all cards also completes every queued animation.
    void ShowCards(bool visible) override;
    void BringToFront(CardIndex card) override;
    void SendToBack(CardIndex card) override;
    void AttachSelection(CardIndex card) override;
    /// Queues the slide behind the animations already issued; 0 or 1 steps, or animations
    /// switched off, place the card at once. A card hidden when its slide is queued stays
    /// hidden (also through ShowCard/ShowCards) until the slide starts.
    void AnimateCard(CardIndex card, int fromLeft, int fromTop, int toLeft, int toTop,
                     int steps) override;
    void Redraw() override;

    // Background
    /// Paints the gradient from `top` down to `bottom` from now on.
    void draw(BackgroundColours::Rgb bottom, BackgroundColours::Rgb top);
    /// The gradient from colour table entry `index` down to black; 7 until set.
    void setColorIndex(int index);
    int colorIndex() const { return m_colorIndex; }
    /// A picture painted over the gradient at the table's top-left corner; a null image
    /// removes it.
    void setBackgroundPicture(const QImage& picture);
    const QImage& backgroundPicture() const { return m_picture; }

    // Zoom and key hints
    /// A zoom in percent, or FitToWindow to follow the widget's size; others read as 100.
    void setZoom(int zoom);
    int zoom() const { return m_zoom; }
    /// Pixels per table unit relative to 100 % (at 100 %: 1), for the zoom and the size.
    double scale() const;
    /// Table units to pixels at the current scale and size.
    TableGeometry tableGeometry() const;
    /// The letter or digit that presses each column and cell, drawn on the table.
    void setKeyHints(bool visible);
    bool keyHints() const { return m_keyHints; }

    /// What a screen reader is told about the table (its accessible description).
    void setTableText(const QString& text);

    // Game-time box ("Text1")
    void setTimeText(const QString& text);
    QString timeText() const;
    void setTimeVisible(bool visible);
    bool isTimeVisible() const;

    /// The pointer shown over `card` from now on (the main window decides on each hover).
    void setCardCursor(CardIndex card, CardCursor cursor);
    CardCursor cardCursor(CardIndex card) const;

    // Animation
    /// Off: every animation places its card at once (tests, the companion's speed).
    void setAnimationsEnabled(bool enabled);
    bool animationsEnabled() const { return m_animationsEnabled; }
    /// Off: queued animations move only through advanceAnimation() (tests).
    void setAutoAdvance(bool enabled);
    bool isAnimating() const { return !m_queue.empty(); }
    int queuedAnimations() const { return static_cast<int>(m_queue.size()); }
    /// Plays `steps` steps of the queue, one move after another.
    void advanceAnimation(int steps);
    /// One frame of the screen: one step of the queue, painted; more than one when the queue
    /// held more than MaxBacklogFrames frames of steps when its last movement was issued. The frame
    /// timer calls it at the screen's refresh interval while the queue holds anything (and
    /// auto-advance is on).
    void frameTick();
    /// The most frames the queued slides may take to play out: movements issued faster than
    /// they slide (a replay, a long chain of moves home) never leave the table more than
    /// about a second behind the game.
    static constexpr int MaxBacklogFrames = 60;
    /// Steps one frame plays with `remaining` steps queued.
    static int StepsPerFrame(int remaining);
    bool frameTimerActive() const;
    int frameInterval() const { return m_frameTimer.interval(); }
    /// The timer interval in milliseconds for a screen refreshing `refreshRate` times a second
    /// (60 when unknown), so that every step has a frame of its own.
    static int FrameInterval(qreal refreshRate);
    /// Puts every queued card at the end of its slide.
    void finishAnimations();

    // Queries
    /// Current top-left corner of a card picture in twips (mid-slide while animating).
    QPoint cardPosition(CardIndex card) const;
    bool isCardVisible(CardIndex card) const;
    /// Position in the stacking order: 0 is the back, 51 the front; -1 for an invalid card.
    int cardZOrder(CardIndex card) const;
    CardIndex selectedCard() const { return m_selected; }

    /// Outlines the place whose top-left corner is at `twips`, where a hinted move goes.
    void markTarget(const QPoint& twips);
    void clearMark();
    /// The marked place, if any, in twips.
    std::optional<QPoint> markedTarget() const { return m_mark; }
    /// The frontmost visible card under `pos` (widget pixels), or NoCard.
    CardIndex cardAt(const QPoint& pos) const;
    /// Where a card picture is drawn, in widget pixels (a long column drawn tighter).
    QRectF cardRect(CardIndex card) const;
    /// Where the frame of free cell 0..3 lies, in widget pixels.
    QRectF freeCellRect(int index) const;
    /// Left edge of the table in widget pixels.
    int tableLeft() const;
    /// Widget pixels to table twips, and back.
    QPoint toTwips(const QPoint& pos) const;
    QPointF toPixels(const QPointF& twips) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    /// Paints the whole table with `painter`, on a device of the widget's size and ratio: what
    /// a paint event does once it has its painter.
    void Paint(QPainter& painter);

signals:
    /// The first picture of the table has been painted (once per table).
    void firstPainted();
    /// A press on a card picture; (x, y) in twips from the card's top-left corner.
    void cardPressed(int card, Qt::MouseButton button, int x, int y);
    /// The pointer moved over a card picture.
    void cardMoved(int card);
    /// The release ending a press on a card picture (reported to the pressed card).
    void cardReleased(int card, Qt::MouseButton button);
    /// A left double-click on a card picture; its second press is not reported as a press.
    void cardDoubleClicked(int card);
    /// A left click on the frame of empty free cell 0..3.
    void freeCellFrameClicked(int index);
    /// A press on the table surface outside cards and cell frames, in table twips.
    void tablePressed(Qt::MouseButton button, int x, int y);
    /// A key of the press alphabet: 'A'..'H', '1'..'8' or EscapeKey, with or without Shift.
    void keyPressed(char key, bool shift);
    /// The animation queue ran empty.
    void animationsFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct CardPicture {
        QPointF position; ///< twips
        bool visible = false;
    };
    struct Animation {
        CardIndex card = NoCard;
        QPointF from;
        QPointF to;
        int steps = 0;
        int done = 0;
        /// The card was hidden when its slide was queued: it appears with the first step.
        bool reveal = false;
    };
    /// True while `card` waits, hidden, for a queued slide that will show it.
    bool AwaitsReveal(CardIndex card) const;

    static bool IsCard(CardIndex card) { return card >= 0 && card < CardCount; }
    void Press(QMouseEvent* event);
    void StartFrameTimer();
    void UpdateCursor();
    void LayoutTimeBox();
    void PaintBackground(QPainter& painter);
    /// The cells' frames, the home cells' suits and the logo.
    void PaintFrames(QPainter& painter, const TableDecorations& decorations, qreal dpr) const;
    /// The gradient, the picture, the cell frames and the logo: what the background layer holds.
    void PaintStaticLayer(QPainter& painter, QSize devicePixels, qreal dpr) const;
    void PaintSelection(QPainter& painter, const QRectF& rect) const;
    /// The shadow drawn under every card of `pixels` device pixels at scale `s`.
    const QPixmap& CardShadow(QSize pixels, qreal dpr, qreal s);
    void PaintKeyHints(QPainter& painter, const TableGeometry& g) const;
    int HomeFrameAt(const QPoint& pos) const;
    int FreeFrameAt(const QPoint& pos) const;
    /// The scale for the zoom and the current size; a change redraws everything.
    void UpdateScale();
    /// The overlap step of each column now, from where its cards rest or fly to.
    ColumnSteps CurrentSteps() const;
    /// Where `card` is drawn in twips: its place pulled up in a tight column, and in flight
    /// between the drawn ends of its slide.
    QPointF DrawnTwips(CardIndex card, const ColumnSteps& steps) const;
    /// The widget pixels painting `card` touches (card, shadow, selection).
    QRect PaintedArea(CardIndex card, const ColumnSteps& steps) const;
    /// Asks to repaint a moved card's old and new areas.
    void UpdateMoved(const QRect& was, const QRect& now);
    /// The frame of cell `loc` (a free or home cell), in widget pixels.
    QRectF CellRect(Location loc) const;

    std::array<CardPicture, CardCount> m_cards{};
    std::array<CardCursor, CardCount> m_cursors{};
    std::vector<CardIndex> m_order; ///< back to front
    CardIndex m_selected = NoCard;
    std::optional<QPoint> m_mark;

    std::deque<Animation> m_queue;
    bool m_animationsEnabled = true;
    bool m_autoAdvance = true;
    int m_stepsPerFrame = 1;
    QTimer m_frameTimer;

    int m_colorIndex = BackgroundColours::DefaultColorIndex;
    BackgroundColours::Rgb m_bottom = 0;
    BackgroundColours::Rgb m_top = 0;
    QImage m_picture;
    /// The gradient, the picture, the cell frames and the logo for the current size.
    QPixmap m_background;
    QPixmap m_shadow;
    QSize m_shadowCard;
    qreal m_shadowScale = 0;

    int m_zoom = 100;
    /// The scale the time box and the background were last laid out for.
    double m_laidOutScale = 1.0;
    bool m_keyHints = false;
    bool m_painted = false;

    CardPainter m_cardPainter;
    TimeBox* m_timeBox = nullptr;
    std::optional<QCursor> m_targetCursor;
    qreal m_cursorDpr = 0;

    CardIndex m_pressedCard = NoCard;
    int m_pressedFrame = -1;
    CardIndex m_hoverCard = NoCard;
};

} // namespace velmora
