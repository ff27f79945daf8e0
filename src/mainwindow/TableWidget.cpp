#include "mainwindow/TableWidget.h"

#include "appearance/ui/Background.h"
#include "engine/TablePress.h"
#include "engine/cCards.h"
#include "mainwindow/TableDecorations.h"
#include "mainwindow/TimeBox.h"
#include "mainwindow/ToolbarIcons.h"

#include <QAccessible>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <span>

namespace velmora {

namespace {

/// Lowest edge a column of 21 cards reaches, in twips.
constexpr int TableHeight = ColumnBottom(MaxRows);

/// The press-alphabet key of a key event: 'A'..'H' (also with Shift), '1'..'8' (also on the
/// keypad) or Escape; nothing for other keys and for Ctrl or Alt combinations, which stay
/// menu shortcuts.
std::optional<char> PressKeyOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) {
        return std::nullopt;
    }
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_H) {
        return static_cast<char>('A' + (key - Qt::Key_A));
    }
    if (modifiers == Qt::ShiftModifier) {
        return std::nullopt;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_8) {
        return static_cast<char>('1' + (key - Qt::Key_1));
    }
    if (key == Qt::Key_Escape) {
        return EscapeKey;
    }
    return std::nullopt;
}

} // namespace

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picBack"));
    setAccessibleName(QStringLiteral("Table"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_order.reserve(CardCount);
    for (int i = 0; i < CardCount; ++i) {
        m_order.push_back(static_cast<CardIndex>(i));
    }
    m_cursors.fill(CardCursor::Normal);
    m_top = BackgroundColours::TableColour(m_colorIndex);

    m_timeBox = new TimeBox(this);
    LayoutTimeBox();

    m_frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_frameTimer, &QTimer::timeout, this, &TableWidget::frameTick);
}

TableWidget::~TableWidget() = default;

// --- ITableView -----------------------------------------------------------------------------

void TableWidget::PlaceCard(CardIndex card, int left, int top) {
    if (!IsCard(card)) {
        return;
    }
    std::erase_if(m_queue, [card](const Animation& a) { return a.card == card; });
    m_cards[static_cast<std::size_t>(card)].position = QPointF(left, top);
    update();
    if (m_queue.empty()) {
        m_frameTimer.stop();
    }
}

void TableWidget::ShowCard(CardIndex card, bool visible) {
    if (!IsCard(card)) {
        return;
    }
    m_cards[static_cast<std::size_t>(card)].visible = visible && !AwaitsReveal(card);
    update();
}

bool TableWidget::AwaitsReveal(CardIndex card) const {
    return std::any_of(m_queue.begin(), m_queue.end(), [card](const Animation& a) {
        return a.card == card && a.reveal && a.done == 0;
    });
}

void TableWidget::ShowCards(bool visible) {
    if (!visible) {
        finishAnimations();
    }
    for (std::size_t card = 0; card < m_cards.size(); ++card) {
        m_cards[card].visible = visible && !AwaitsReveal(static_cast<CardIndex>(card));
    }
    update();
}

void TableWidget::BringToFront(CardIndex card) {
    if (!IsCard(card)) {
        return;
    }
    std::erase(m_order, card);
    m_order.push_back(card);
    update();
}

void TableWidget::SendToBack(CardIndex card) {
    if (!IsCard(card)) {
        return;
    }
    std::erase(m_order, card);
    m_order.insert(m_order.begin(), card);
    update();
}

void TableWidget::AttachSelection(CardIndex card) {
    m_selected = IsCard(card) ? card : NoCard;
    update();
}

void TableWidget::markTarget(const QPoint& twips) {
    m_mark = twips;
    update();
}

void TableWidget::clearMark() {
    m_mark.reset();
    update();
}

void TableWidget::AnimateCard(CardIndex card, int fromLeft, int fromTop, int toLeft, int toTop,
                              int steps) {
    if (!IsCard(card)) {
        return;
    }
    if (!m_animationsEnabled || steps <= 1) {
        PlaceCard(card, toLeft, toTop);
        return;
    }
    const bool hidden = !m_cards[static_cast<std::size_t>(card)].visible;
    m_queue.push_back({card, QPointF(fromLeft, fromTop), QPointF(toLeft, toTop), steps, 0, hidden});
    // The pace holds until the next movement is issued, so what is queued now plays out
    // within the backlog bound.
    int remaining = 0;
    for (const Animation& a : m_queue) {
        remaining += a.steps - a.done;
    }
    m_stepsPerFrame = StepsPerFrame(remaining);
    StartFrameTimer();
}

void TableWidget::Redraw() {
    update();
}

// --- Animation ------------------------------------------------------------------------------

void TableWidget::setAnimationsEnabled(bool enabled) {
    m_animationsEnabled = enabled;
    if (!enabled) {
        finishAnimations();
    }
}

void TableWidget::setAutoAdvance(bool enabled) {
    m_autoAdvance = enabled;
    if (!enabled) {
        m_frameTimer.stop();
        return;
    }
    StartFrameTimer();
}

void TableWidget::StartFrameTimer() {
    if (!m_autoAdvance || m_queue.empty() || m_frameTimer.isActive()) {
        return;
    }
    m_frameTimer.setInterval(FrameInterval(screen() != nullptr ? screen()->refreshRate() : 60.0));
    m_frameTimer.start();
}

int TableWidget::FrameInterval(qreal refreshRate) {
    // Rounded up: a tick a little slower than the screen shows every step on a frame of its
    // own, where a faster one would now and then put two steps into one frame.
    const qreal rate = refreshRate > 0 ? refreshRate : 60.0;
    return std::clamp(static_cast<int>(std::ceil(1000.0 / rate)), 4, 33);
}

bool TableWidget::frameTimerActive() const {
    return m_frameTimer.isActive();
}

void TableWidget::frameTick() {
    // One step a frame, however late the tick: a stalled event loop slows the slide down
    // instead of making it jump. Only a queue longer than the backlog bound plays faster.
    advanceAnimation(m_stepsPerFrame);
}

int TableWidget::StepsPerFrame(int remaining) {
    return std::max(1, (remaining + MaxBacklogFrames - 1) / MaxBacklogFrames);
}

void TableWidget::advanceAnimation(int steps) {
    if (m_queue.empty()) {
        return;
    }
    // Only where the moving cards were and are now is painted again, unless a column's
    // overlap changes under them.
    const ColumnSteps before = CurrentSteps();
    // Where each moving card was painted before this advance; empty for the others.
    std::array<QRect, CardCount> was{};
    while (steps > 0 && !m_queue.empty()) {
        Animation& a = m_queue.front();
        QRect& area = was[static_cast<std::size_t>(a.card)];
        if (area.isEmpty()) {
            area = PaintedArea(a.card, before);
        }
        ++a.done;
        --steps;
        CardPicture& picture = m_cards[static_cast<std::size_t>(a.card)];
        if (a.reveal && a.done == 1) {
            picture.visible = true;
        }
        if (a.done >= a.steps) {
            picture.position = a.to;
            m_queue.pop_front();
            continue;
        }
        const qreal t = static_cast<qreal>(a.done) / a.steps;
        picture.position = a.from + (a.to - a.from) * t;
    }
    const ColumnSteps after = CurrentSteps();
    if (after != before) {
        update();
    } else {
        for (std::size_t card = 0; card < was.size(); ++card) {
            if (!was[card].isEmpty()) {
                UpdateMoved(was[card], PaintedArea(static_cast<CardIndex>(card), after));
            }
        }
    }
    if (m_queue.empty()) {
        m_frameTimer.stop();
        emit animationsFinished();
    }
}

void TableWidget::UpdateMoved(const QRect& was, const QRect& now) {
    // One rectangle where the two lie close: a rectangular clip lets the raster engine copy
    // the card pictures straight, where two rectangles make it blend them span by span.
    const QRect both = was.united(now);
    const auto area = [](const QRect& r) { return qint64(r.width()) * r.height(); };
    if (area(both) <= 2 * (area(was) + area(now))) {
        update(both);
        return;
    }
    update(was);
    update(now);
}

void TableWidget::finishAnimations() {
    if (m_queue.empty()) {
        return;
    }
    for (const Animation& a : m_queue) {
        m_cards[static_cast<std::size_t>(a.card)].position = a.to;
        if (a.reveal) {
            m_cards[static_cast<std::size_t>(a.card)].visible = true;
        }
    }
    m_queue.clear();
    m_frameTimer.stop();
    update();
    emit animationsFinished();
}

// --- Background, time box, pointer ------------------------------------------------------------

void TableWidget::draw(BackgroundColours::Rgb bottom, BackgroundColours::Rgb top) {
    m_bottom = bottom;
    m_top = top;
    m_background = QPixmap();
    update();
}

void TableWidget::setColorIndex(int index) {
    m_colorIndex = index;
    draw(0, BackgroundColours::TableColour(index));
}

void TableWidget::setBackgroundPicture(const QImage& picture) {
    m_picture = picture;
    m_background = QPixmap();
    update();
}

void TableWidget::setTimeText(const QString& text) {
    m_timeBox->setText(text);
}

QString TableWidget::timeText() const {
    return m_timeBox->text();
}

void TableWidget::setTimeVisible(bool visible) {
    m_timeBox->setVisible(visible);
}

bool TableWidget::isTimeVisible() const {
    return !m_timeBox->isHidden();
}

void TableWidget::setCardCursor(CardIndex card, CardCursor cursor) {
    if (!IsCard(card)) {
        return;
    }
    m_cursors[static_cast<std::size_t>(card)] = cursor;
    if (card == m_hoverCard) {
        UpdateCursor();
    }
}

TableWidget::CardCursor TableWidget::cardCursor(CardIndex card) const {
    return IsCard(card) ? m_cursors[static_cast<std::size_t>(card)] : CardCursor::Normal;
}

void TableWidget::UpdateCursor() {
    const bool target = IsCard(m_hoverCard) &&
                        m_cursors[static_cast<std::size_t>(m_hoverCard)] == CardCursor::Target;
    if (!target) {
        unsetCursor();
        return;
    }
    const qreal dpr = devicePixelRatioF();
    if (!m_targetCursor || m_cursorDpr != dpr) {
        m_targetCursor = TargetCursor(dpr);
        m_cursorDpr = dpr;
    }
    setCursor(*m_targetCursor);
}

// --- Geometry -------------------------------------------------------------------------------

void TableWidget::setZoom(int zoom) {
    m_zoom = NormalZoom(zoom);
    UpdateScale();
    updateGeometry();
}

void TableWidget::UpdateScale() {
    const double current = scale();
    if (current == m_laidOutScale) {
        return;
    }
    m_laidOutScale = current;
    m_background = QPixmap();
    LayoutTimeBox();
    update();
}

double TableWidget::scale() const {
    return ZoomScale(m_zoom, QSizeF(size()));
}

TableGeometry TableWidget::tableGeometry() const {
    return TableGeometry(scale(), width(), devicePixelRatioF());
}

void TableWidget::setKeyHints(bool visible) {
    m_keyHints = visible;
    update();
}

void TableWidget::setTableText(const QString& text) {
    if (text == accessibleDescription()) {
        return;
    }
    setAccessibleDescription(text);
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

int TableWidget::tableLeft() const {
    return tableGeometry().Left();
}

QPoint TableWidget::toTwips(const QPoint& pos) const {
    return tableGeometry().ToTwips(QPointF(pos));
}

QPointF TableWidget::toPixels(const QPointF& twips) const {
    return tableGeometry().ToPixels(twips);
}

ColumnSteps TableWidget::CurrentSteps() const {
    // On the stack: this runs for every frame.
    std::array<QPointF, CardCount + 1> places;
    std::size_t count = 0;
    const Animation* flight =
        !m_queue.empty() && m_queue.front().done > 0 ? &m_queue.front() : nullptr;
    for (std::size_t card = 0; card < m_cards.size(); ++card) {
        if (!m_cards[card].visible) {
            continue;
        }
        if (flight && flight->card == static_cast<CardIndex>(card)) {
            // Counted where it left and where it lands, so neither column jumps meanwhile.
            places[count++] = flight->from;
            places[count++] = flight->to;
            continue;
        }
        places[count++] = m_cards[card].position;
    }
    // One pixel to spare keeps the last card whole after rounding to the pixel grid.
    const double bottom = (height() - 1) * TwipsPerPixel / scale();
    return StepsFor(std::span<const QPointF>(places.data(), count), bottom);
}

QPointF TableWidget::DrawnTwips(CardIndex card, const ColumnSteps& steps) const {
    if (!m_queue.empty() && m_queue.front().card == card && m_queue.front().done > 0) {
        const Animation& a = m_queue.front();
        const QPointF from = DrawnPlace(a.from, steps);
        const QPointF to = DrawnPlace(a.to, steps);
        return from + (to - from) * (static_cast<qreal>(a.done) / a.steps);
    }
    return DrawnPlace(m_cards[static_cast<std::size_t>(card)].position, steps);
}

QRect TableWidget::PaintedArea(CardIndex card, const ColumnSteps& steps) const {
    // The card with its shadow, selection frame and a pixel for antialiasing.
    const int shadow = qCeil(scale()) + 2;
    return tableGeometry()
        .CardRect(DrawnTwips(card, steps))
        .toAlignedRect()
        .adjusted(-1, -1, shadow, shadow);
}

QRectF TableWidget::cardRect(CardIndex card) const {
    if (!IsCard(card)) {
        return {};
    }
    return tableGeometry().CardRect(DrawnTwips(card, CurrentSteps()));
}

QRectF TableWidget::CellRect(Location loc) const {
    return tableGeometry().CardRect(QPointF(cCards::Left(loc), cCards::Top(loc)));
}

QRectF TableWidget::freeCellRect(int index) const {
    return CellRect(FreeCell(index));
}

QPoint TableWidget::cardPosition(CardIndex card) const {
    if (!IsCard(card)) {
        return {};
    }
    return m_cards[static_cast<std::size_t>(card)].position.toPoint();
}

bool TableWidget::isCardVisible(CardIndex card) const {
    return IsCard(card) && m_cards[static_cast<std::size_t>(card)].visible;
}

int TableWidget::cardZOrder(CardIndex card) const {
    const auto it = std::find(m_order.begin(), m_order.end(), card);
    return it == m_order.end() ? -1 : static_cast<int>(it - m_order.begin());
}

CardIndex TableWidget::cardAt(const QPoint& pos) const {
    const QPointF point(pos.x() + 0.5, pos.y() + 0.5);
    const TableGeometry g = tableGeometry();
    const ColumnSteps steps = CurrentSteps();
    for (auto it = m_order.rbegin(); it != m_order.rend(); ++it) {
        if (m_cards[static_cast<std::size_t>(*it)].visible &&
            g.CardRect(DrawnTwips(*it, steps)).contains(point)) {
            return *it;
        }
    }
    return NoCard;
}

int TableWidget::FreeFrameAt(const QPoint& pos) const {
    const QPointF point(pos.x() + 0.5, pos.y() + 0.5);
    for (int i = 0; i < 4; ++i) {
        if (freeCellRect(i).contains(point)) {
            return i;
        }
    }
    return -1;
}

int TableWidget::HomeFrameAt(const QPoint& pos) const {
    const QPointF point(pos.x() + 0.5, pos.y() + 0.5);
    for (int i = 0; i < 4; ++i) {
        if (CellRect(static_cast<Location>(FirstHomeCell + i)).contains(point)) {
            return i;
        }
    }
    return -1;
}

QSize TableWidget::sizeHint() const {
    const TableGeometry g(MinimumScale(m_zoom), 0, 1.0);
    return {static_cast<int>(g.Pixels(TableWidth)) + 8,
            static_cast<int>(g.Pixels(TableHeight)) + 8};
}

QSize TableWidget::minimumSizeHint() const {
    const TableGeometry g(MinimumScale(m_zoom), 0, 1.0);
    return {static_cast<int>(g.Pixels(TableWidth)),
            static_cast<int>(g.Pixels(ColumnTop + 2 * CardHeight))};
}

void TableWidget::LayoutTimeBox() {
    // In the gap between the free cells and the home cells, below the logo.
    const TableGeometry g = tableGeometry();
    const qreal gapLeft = g.ToPixels(QPointF(cCards::Left(LastFreeCell) + CardWidth, 0)).x();
    const qreal gapRight = g.ToPixels(QPointF(cCards::Left(FirstHomeCell), 0)).x();
    const int left = static_cast<int>(std::round(gapLeft));
    const auto pixels = [&g](double at100) {
        return static_cast<int>(std::round(at100 * g.Scale()));
    };
    m_timeBox->setScaledGeometry(
        QRect(left, pixels(70), static_cast<int>(std::round(gapRight)) - left, pixels(20)),
        g.Scale());
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_background = QPixmap();
    UpdateScale();
    LayoutTimeBox();
}

// --- Painting -------------------------------------------------------------------------------

void TableWidget::PaintBackground(QPainter& painter) {
    const qreal dpr = devicePixelRatioF();
    const QSize devicePixels(qCeil(width() * dpr), qCeil(height() * dpr));
    if (m_background.isNull() || m_background.size() != devicePixels ||
        m_background.devicePixelRatio() != dpr) {
        if (!m_painted) {
            // The first picture goes straight to the screen, sooner than by way of the layer;
            // the next one keeps the layer.
            PaintStaticLayer(painter, devicePixels, dpr);
            return;
        }
        m_background = QPixmap(devicePixels);
        m_background.setDevicePixelRatio(dpr);
        QPainter layer(&m_background);
        PaintStaticLayer(layer, devicePixels, dpr);
    }
    painter.drawPixmap(0, 0, m_background);
}

void TableWidget::PaintStaticLayer(QPainter& painter, QSize devicePixels, qreal dpr) const {
    painter.save();
    // The gradient's bands end on whole device pixels.
    painter.scale(1 / dpr, 1 / dpr);
    Drawobj(painter, QRect(QPoint(0, 0), devicePixels), m_bottom, m_top);
    painter.restore();
    painter.save();
    if (!m_picture.isNull()) {
        // The picture grows with the table, from its top-left corner.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSizeF size = m_picture.deviceIndependentSize() * scale();
        painter.drawImage(QRectF(QPointF(tableLeft(), 0), size), m_picture);
    }
    // The cell frames and the logo never move: they belong to the background. Their pictures
    // land on whole device pixels, copied, never resampled.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    PaintFrames(painter, TableDecorationsFor(tableGeometry()), dpr);
    painter.restore();
}

void TableWidget::PaintFrames(QPainter& painter, const TableDecorations& decorations,
                              qreal dpr) const {
    // Cells lie on whole device pixels: each picture is copied pixel for pixel.
    for (int i = 0; i < 4; ++i) {
        painter.drawImage(freeCellRect(i).topLeft(), decorations.frame);
    }
    const QPointF suitOffset = QPointF(decorations.suitOffset) / dpr;
    for (int i = 0; i < 4; ++i) {
        const QPointF cell = CellRect(static_cast<Location>(FirstHomeCell + i)).topLeft();
        painter.drawImage(cell, decorations.frame);
        painter.drawImage(cell + suitOffset, decorations.suits[static_cast<std::size_t>(i)]);
    }
    painter.drawImage(QPointF(LogoAnchor(tableGeometry()) + decorations.logoOffset) / dpr,
                      decorations.logo);
}

const QPixmap& TableWidget::CardShadow(QSize pixels, qreal dpr, qreal s) {
    if (m_shadow.isNull() || m_shadowCard != pixels || m_shadow.devicePixelRatio() != dpr ||
        m_shadowScale != s) {
        // A soft shadow under each card lifts it from the cloth. Card corners lie on whole
        // device pixels, so the shadow drawn once at the card's origin is the same every time.
        const QSizeF card(pixels.width() / dpr, pixels.height() / dpr);
        const QRectF shape(QPointF(0.5 * s, 1.0 * s), card);
        m_shadow = QPixmap(qCeil((shape.right() + 1) * dpr), qCeil((shape.bottom() + 1) * dpr));
        m_shadow.setDevicePixelRatio(dpr);
        m_shadow.fill(Qt::transparent);
        QPainter painter(&m_shadow);
        painter.setRenderHint(QPainter::Antialiasing, true);
        PaintInBands(painter, shape, dpr, [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 40));
            p.drawRoundedRect(shape, 5 * s, 5 * s);
        });
        m_shadowCard = pixels;
        m_shadowScale = s;
    }
    return m_shadow;
}

void TableWidget::PaintSelection(QPainter& painter, const QRectF& rect) const {
    const qreal s = scale();
    const QRectF frame = rect.adjusted(0.5 * s, 0.5 * s, -0.5 * s, -0.5 * s);
    painter.setBrush(QColor(40, 120, 255, 56));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(frame, 4.5 * s, 4.5 * s);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 214, 64), 2.5 * s));
    painter.drawRoundedRect(rect.adjusted(1.25 * s, 1.25 * s, -1.25 * s, -1.25 * s), 4 * s, 4 * s);
    painter.setPen(QPen(QColor(120, 80, 0, 160), s));
    painter.drawRoundedRect(frame, 4.5 * s, 4.5 * s);
}

void TableWidget::PaintKeyHints(QPainter& painter, const TableGeometry& g) const {
    // A round badge in the top-right corner of each column's first slot and of each cell,
    // where no card face carries anything.
    const qreal radius = g.Pixels(105);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(std::round(g.Pixels(150)))));
    painter.setFont(font);
    const auto badge = [&](Location slot, QChar key) {
        const QPointF centre =
            g.ToPixels(QPointF(cCards::Left(slot) + CardWidth - 150, cCards::Top(slot) + 150));
        painter.setPen(QPen(QColor(255, 255, 255, 200), g.Scale()));
        painter.setBrush(QColor(20, 24, 32, 190));
        painter.drawEllipse(centre, radius, radius);
        painter.setPen(QColor(255, 255, 255));
        painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                         Qt::AlignCenter, QString(key));
    };
    for (int c = 0; c < ColumnCount; ++c) {
        badge(static_cast<Location>(c), QChar(u'A' + c));
    }
    for (int i = 0; i < 4; ++i) {
        badge(FreeCell(i), QChar(u'1' + i));
        badge(static_cast<Location>(FirstHomeCell + i), QChar(u'5' + i));
    }
}

void TableWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter);
}

void TableWidget::Paint(QPainter& painter) {
    PaintBackground(painter);
    painter.setRenderHint(QPainter::Antialiasing, true);

    const qreal dpr = devicePixelRatioF();
    const TableGeometry g = tableGeometry();
    const ColumnSteps steps = CurrentSteps();
    const QSizeF cardSize = g.CardSize();
    // Faces drawn for exactly the pixels they cover: never a scaled bitmap.
    const QSize pixels(static_cast<int>(std::lround(cardSize.width() * dpr)),
                       static_cast<int>(std::lround(cardSize.height() * dpr)));
    const qreal s = scale();
    for (CardIndex card : m_order) {
        if (!m_cards[static_cast<std::size_t>(card)].visible) {
            continue;
        }
        const QRectF rect = g.CardRect(DrawnTwips(card, steps));
        painter.drawPixmap(rect.topLeft(), CardShadow(pixels, dpr, s));
        painter.drawPixmap(rect.topLeft(), m_cardPainter.FaceInPixels(card, pixels, dpr));
        if (card == m_selected) {
            PaintSelection(painter, rect);
        }
    }
    if (m_mark) {
        // Over everything, so that a target under other cards still shows.
        const QRectF rect = g.CardRect(DrawnPlace(QPointF(*m_mark), steps));
        painter.setBrush(QColor(255, 214, 64, 60));
        painter.setPen(QPen(QColor(255, 214, 64), 3.0 * s, Qt::DashLine));
        painter.drawRoundedRect(rect.adjusted(1.5 * s, 1.5 * s, -1.5 * s, -1.5 * s), 5 * s, 5 * s);
    }
    if (m_keyHints) {
        PaintKeyHints(painter, g);
    }
    if (!m_timeBox->isHidden()) {
        painter.drawPixmap(m_timeBox->pos(), m_timeBox->Picture(dpr));
    }
    if (!m_painted) {
        m_painted = true;
        emit firstPainted();
    }
}

// --- Pointer --------------------------------------------------------------------------------

void TableWidget::mousePressEvent(QMouseEvent* event) {
    Press(event);
}

void TableWidget::Press(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const CardIndex card = cardAt(pos);
    if (card != NoCard) {
        m_pressedCard = card;
        const QPointF offset =
            (QPointF(pos) - cardRect(card).topLeft()) * (TwipsPerPixel / scale());
        emit cardPressed(card, event->button(), static_cast<int>(offset.x()),
                         static_cast<int>(offset.y()));
        return;
    }
    const int frame = FreeFrameAt(pos);
    if (frame >= 0) {
        m_pressedFrame = event->button() == Qt::LeftButton ? frame : -1;
        return;
    }
    if (HomeFrameAt(pos) >= 0) {
        return;
    }
    const QPoint twips = toTwips(pos);
    if (twips.x() < 0 || twips.x() >= TableWidth) {
        return;
    }
    emit tablePressed(event->button(), twips.x(), twips.y());
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (m_pressedCard != NoCard) {
        const CardIndex card = m_pressedCard;
        if (event->buttons() == Qt::NoButton) {
            m_pressedCard = NoCard;
        }
        emit cardReleased(card, event->button());
        return;
    }
    const int frame = m_pressedFrame;
    m_pressedFrame = -1;
    if (frame >= 0 && event->button() == Qt::LeftButton && cardAt(pos) == NoCard &&
        FreeFrameAt(pos) == frame) {
        emit freeCellFrameClicked(frame);
    }
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click arrives here instead of as a press.
    if (event->button() != Qt::LeftButton) {
        Press(event);
        return;
    }
    const CardIndex card = cardAt(event->position().toPoint());
    if (card == NoCard) {
        return;
    }
    m_pressedCard = card;
    emit cardDoubleClicked(card);
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    m_hoverCard = cardAt(event->position().toPoint());
    if (m_hoverCard != NoCard) {
        emit cardMoved(m_hoverCard);
    }
    UpdateCursor();
}

void TableWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    m_hoverCard = NoCard;
    UpdateCursor();
}

void TableWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<char> key = PressKeyOf(*event);
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // A held key would select and drop the same card over and over.
    if (!event->isAutoRepeat()) {
        emit keyPressed(*key, (event->modifiers() & Qt::ShiftModifier) != 0);
    }
}

} // namespace velmora
