#include "mainwindow/TimeBox.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace velmora {

TimeBox::TimeBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Text1"));
    setAccessibleName(QStringLiteral("Game Time"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    m_font.setFamily(QStringLiteral("DejaVu Sans Mono"));
    m_font.setStyleHint(QFont::Monospace);
    m_font.setBold(true);
    m_font.setPixelSize(10);
}

void TimeBox::setText(const QString& text) {
    if (text == m_text) {
        return;
    }
    m_text = text;
    // A screen reader reads the time as the box's description.
    setAccessibleDescription(text);
    m_stale = true;
    update();
}

void TimeBox::setScaledGeometry(const QRect& rect, double scale) {
    if (scale != m_scale) {
        m_scale = scale;
        m_font.setPixelSize(std::max(1, static_cast<int>(std::round(10 * scale))));
        m_stale = true;
    }
    if (rect.size() != size()) {
        m_stale = true;
    }
    setGeometry(rect);
}

const QPixmap& TimeBox::Picture(qreal dpr) {
    if (!m_stale && m_picture.devicePixelRatio() == dpr) {
        return m_picture;
    }
    m_stale = false;
    m_picture = QPixmap((QSizeF(size()) * dpr).toSize());
    m_picture.setDevicePixelRatio(dpr);
    m_picture.fill(Qt::transparent);
    QPainter painter(&m_picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const auto pixels = [this](double at100) {
        return static_cast<qreal>(std::round(at100 * m_scale));
    };
    const qreal border = std::max<qreal>(1, pixels(1));
    const QRectF frame = QRectF(QPointF(0, 0), QSizeF(size()))
                             .adjusted(border / 2, border / 2, -border / 2, -border / 2);
    painter.setPen(QPen(QColor(255, 255, 255, 90), border));
    painter.setBrush(QColor(0, 0, 0, 96));
    painter.drawRoundedRect(frame, pixels(4), pixels(4));
    painter.setFont(m_font);
    painter.setPen(QColor(0xf4, 0xf7, 0xf2));
    painter.drawText(QRectF(QPointF(0, 0), QSizeF(size())), Qt::AlignCenter, m_text);
    return m_picture;
}

void TimeBox::paintEvent(QPaintEvent*) {}

} // namespace velmora
