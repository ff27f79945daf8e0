#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace velmora {

/// The game-time box ("Text1") on the table: light text on a dark translucent rounded box.
/// It is drawn once into a picture whenever the text, size or ratio changes; the table copies
/// that picture into its frames, so a frame opens no painter of the box's own and builds
/// nothing.
class TimeBox final : public QWidget {
public:
    explicit TimeBox(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }
    /// Lays the box out at `scale` times its size at 100 %.
    void setScaledGeometry(const QRect& rect, double scale);

    /// The box as it looks now at `dpr`, drawn again only when something changed.
    const QPixmap& Picture(qreal dpr);

protected:
    /// Paints nothing: the table beneath draws the picture.
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QFont m_font;
    double m_scale = 1.0;
    QPixmap m_picture;
    bool m_stale = true;
};

} // namespace velmora
