#include "mainwindow/TableWidget.h"

#include "appearance/ui/Background.h"
#include "engine/cCards.h"
#include "mainwindow/ToolbarIcons.h"

#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int CardPixelWidth = CardWidth / TwipsPerPixel;
constexpr int CardPixelHeight = CardHeight / TwipsPerPixel;
constexpr int TablePixelWidth = TableWidth / TwipsPerPixel;
/// Lowest edge a column of 21 cards reaches, in pixels.
constexpr int TablePixelHeight = (ColumnTop + 20 * RowStep + CardHeight) / TwipsPerPixel;

} // namespace

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picBack"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_order.reserve(CardCount);
    for (int i = 0; i < CardCount; ++i) {
        m_order.push_back(static_cast<CardIndex>(i));
    }
    m_cursors.fill(CardCursor::Normal);
    m_top = BackgroundColours::TableColour(m_colorIndex);

    m_timeBox = new QLabel(this);
    m_timeBox->setObjectName(QStringLiteral("Text1"));
    m_timeBox->setAlignment(Qt::AlignCenter);
    m_timeBox->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timeBox->setContentsMargins(0, 0, 0, 0);
    QFont font = m_timeBox->font();
    font.setFamily(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(10);
    font.setBold(true);
    m_timeBox->setFont(font);
    m_timeBox->setStyleSheet(
        QStringLiteral("QLabel { color: #f4f7f2; background: rgba(0, 0, 0, 96);"
                       " border: 1px solid rgba(255, 255, 255, 90); border-radius: 4px; }"));
    LayoutTimeBox();

    m_frameTimer.setTimerType(Qt::PreciseTimer);
    m_frameTimer.setInterval(16);
    connect(&m_frameTimer, &QTimer::timeout, this, &TableWidget::FrameTick);
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
    const QScreen* shown = screen();
    const qreal rate = shown != nullptr ? shown->refreshRate() : 60.0;
    m_frameTimer.setInterval(std::clamp(static_cast<int>(1000.0 / std::max(rate, 1.0)), 4, 33));
    m_pendingMs = 0;
    m_clock.start();
    m_frameTimer.start();
}

void TableWidget::FrameTick() {
    m_pendingMs += m_clock.restart();
    const int steps = static_cast<int>(m_pendingMs / StepMilliseconds);
    m_pendingMs %= StepMilliseconds;
    if (steps > 0) {
        advanceAnimation(steps);
    }
}

void TableWidget::advanceAnimation(int steps) {
    if (m_queue.empty()) {
        return;
    }
    while (steps > 0 && !m_queue.empty()) {
        Animation& a = m_queue.front();
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
    update();
    if (m_queue.empty()) {
        m_frameTimer.stop();
        emit animationsFinished();
    }
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

int TableWidget::tableLeft() const {
    return std::max(0, (width() - TablePixelWidth) / 2);
}

QPoint TableWidget::toTwips(const QPoint& pos) const {
    return {(pos.x() - tableLeft()) * TwipsPerPixel, pos.y() * TwipsPerPixel};
}

QPointF TableWidget::toPixels(const QPointF& twips) const {
    return {Snap(tableLeft() + twips.x() / TwipsPerPixel), Snap(twips.y() / TwipsPerPixel)};
}

qreal TableWidget::Snap(qreal value) const {
    const qreal dpr = devicePixelRatioF();
    return std::round(value * dpr) / dpr;
}

QRectF TableWidget::cardRect(CardIndex card) const {
    if (!IsCard(card)) {
        return {};
    }
    return {toPixels(m_cards[static_cast<std::size_t>(card)].position),
            QSizeF(CardPixelWidth, CardPixelHeight)};
}

QRectF TableWidget::freeCellRect(int index) const {
    const auto loc = static_cast<Location>(FirstFreeCell + index);
    return {toPixels(QPointF(cCards::Left(loc), cCards::Top(loc))),
            QSizeF(CardPixelWidth, CardPixelHeight)};
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
    for (auto it = m_order.rbegin(); it != m_order.rend(); ++it) {
        if (m_cards[static_cast<std::size_t>(*it)].visible && cardRect(*it).contains(point)) {
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
        const auto loc = static_cast<Location>(FirstHomeCell + i);
        const QRectF frame(toPixels(QPointF(cCards::Left(loc), cCards::Top(loc))),
                           QSizeF(CardPixelWidth, CardPixelHeight));
        if (frame.contains(point)) {
            return i;
        }
    }
    return -1;
}

QSize TableWidget::sizeHint() const {
    return {TablePixelWidth + 8, TablePixelHeight + 8};
}

QSize TableWidget::minimumSizeHint() const {
    return {TablePixelWidth, ColumnTop / TwipsPerPixel + 2 * CardPixelHeight};
}

void TableWidget::LayoutTimeBox() {
    // In the gap between the free cells and the home cells, below the logo.
    const qreal gapLeft = toPixels(QPointF(cCards::Left(LastFreeCell) + CardWidth, 0)).x();
    const qreal gapRight = toPixels(QPointF(cCards::Left(FirstHomeCell), 0)).x();
    const int left = static_cast<int>(std::round(gapLeft));
    m_timeBox->setGeometry(left, 70, static_cast<int>(std::round(gapRight)) - left, 20);
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_background = QPixmap();
    LayoutTimeBox();
}

// --- Painting -------------------------------------------------------------------------------

void TableWidget::PaintBackground(QPainter& painter) {
    const qreal dpr = devicePixelRatioF();
    const QSize devicePixels(qCeil(width() * dpr), qCeil(height() * dpr));
    if (m_background.isNull() || m_background.size() != devicePixels ||
        m_background.devicePixelRatio() != dpr) {
        m_background = QPixmap(devicePixels);
        QPainter bg(&m_background);
        Drawobj(bg, QRect(QPoint(0, 0), devicePixels), m_bottom, m_top);
        bg.end();
        m_background.setDevicePixelRatio(dpr);
        if (!m_picture.isNull()) {
            QPainter over(&m_background);
            over.setRenderHint(QPainter::SmoothPixmapTransform);
            over.drawImage(QPoint(tableLeft(), 0), m_picture);
        }
    }
    painter.drawPixmap(0, 0, m_background);
}

void TableWidget::PaintFrames(QPainter& painter) const {
    const QColor fill(0, 0, 0, 46);
    const QColor line(255, 255, 255, 120);
    painter.setPen(QPen(line, 1.0));
    painter.setBrush(fill);
    for (int i = 0; i < 4; ++i) {
        painter.drawRoundedRect(freeCellRect(i).adjusted(0.5, 0.5, -0.5, -0.5), 4.5, 4.5);
    }
    for (int i = 0; i < 4; ++i) {
        const auto loc = static_cast<Location>(FirstHomeCell + i);
        const QRectF frame(toPixels(QPointF(cCards::Left(loc), cCards::Top(loc))),
                           QSizeF(CardPixelWidth, CardPixelHeight));
        painter.setPen(QPen(line, 1.0));
        painter.setBrush(fill);
        painter.drawRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), 4.5, 4.5);
        // The suit the home cell takes, faintly.
        const QPointF c = frame.center();
        painter.fillPath(CardPainter::SuitPath(i + 1, QRectF(c.x() - 14, c.y() - 15, 28, 30)),
                         QColor(255, 255, 255, 60));
    }
    const qreal gapLeft = toPixels(QPointF(cCards::Left(LastFreeCell) + CardWidth, 0)).x();
    const qreal gapRight = toPixels(QPointF(cCards::Left(FirstHomeCell), 0)).x();
    CardPainter::PaintLogo(painter, QRectF(gapLeft, 10, gapRight - gapLeft, 54));
}

void TableWidget::PaintSelection(QPainter& painter, const QRectF& rect) const {
    const QRectF frame = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setBrush(QColor(40, 120, 255, 56));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(frame, 4.5, 4.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 214, 64), 2.5));
    painter.drawRoundedRect(rect.adjusted(1.25, 1.25, -1.25, -1.25), 4, 4);
    painter.setPen(QPen(QColor(120, 80, 0, 160), 1.0));
    painter.drawRoundedRect(frame, 4.5, 4.5);
}

void TableWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBackground(painter);
    painter.setRenderHint(QPainter::Antialiasing, true);
    PaintFrames(painter);

    const qreal dpr = devicePixelRatioF();
    const QSize size(CardPixelWidth, CardPixelHeight);
    for (CardIndex card : m_order) {
        if (!m_cards[static_cast<std::size_t>(card)].visible) {
            continue;
        }
        const QRectF rect = cardRect(card);
        // A soft shadow under each card lifts it from the cloth.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawRoundedRect(rect.translated(0.5, 1.0), 5, 5);
        painter.drawPixmap(rect.topLeft(), m_cardPainter.Face(card, size, dpr));
        if (card == m_selected) {
            PaintSelection(painter, rect);
        }
    }
    if (m_mark) {
        // Over everything, so that a target under other cards still shows.
        const QRectF rect(toPixels(QPointF(*m_mark)), QSizeF(CardPixelWidth, CardPixelHeight));
        painter.setBrush(QColor(255, 214, 64, 60));
        painter.setPen(QPen(QColor(255, 214, 64), 3.0, Qt::DashLine));
        painter.drawRoundedRect(rect.adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
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
        const QPointF offset = (QPointF(pos) - cardRect(card).topLeft()) * TwipsPerPixel;
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

} // namespace velmora
