#pragma once

#include <QProxyStyle>

namespace velmora {

/// The application's style: `base` (owned), with the extension buttons of the menu bar and
/// toolbars showing chevrons painted by the program. The base style's own pictures for them are
/// image files, and reading the first image file loads every image plugin, which would delay the
/// window's first frame.
class GameStyle final : public QProxyStyle {
public:
    explicit GameStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace velmora
