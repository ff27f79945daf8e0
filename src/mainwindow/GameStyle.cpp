#include "mainwindow/GameStyle.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace velmora {

namespace {

/// Two chevrons pointing right (or down) in the button text colour, drawn at any size.
class ChevronIconEngine final : public QIconEngine {
public:
    explicit ChevronIconEngine(Qt::Orientation orientation) : m_orientation(orientation) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        if (m_orientation == Qt::Vertical) {
            // The horizontal design mirrored across the diagonal.
            painter->setTransform(QTransform(0, 1, 1, 0, 0, 0), true);
        }
        const QPalette palette = QGuiApplication::palette();
        const QColor ink = palette.color(
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::ButtonText);
        QPainterPath chevrons;
        for (const qreal x : {4.0, 9.0}) {
            chevrons.moveTo(x, 4.5);
            chevrons.lineTo(x + 3.5, 8);
            chevrons.lineTo(x, 11.5);
        }
        painter->strokePath(chevrons, QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        if (size.isEmpty()) {
            return {};
        }
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        }
        QPixmap pixmap = QPixmap::fromImage(std::move(image));
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new ChevronIconEngine(m_orientation); }
    QString key() const override { return QStringLiteral("VelmoraChevronIcon"); }

private:
    Qt::Orientation m_orientation;
};

} // namespace

GameStyle::GameStyle(QStyle* base) : QProxyStyle(base) {}

QIcon GameStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                              const QWidget* widget) const {
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
        return QIcon(new ChevronIconEngine(Qt::Horizontal));
    case SP_ToolBarVerticalExtensionButton:
        return QIcon(new ChevronIconEngine(Qt::Vertical));
    default:
        return QProxyStyle::standardIcon(icon, option, widget);
    }
}

} // namespace velmora
