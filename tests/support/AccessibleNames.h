#pragma once

// Checks that every control a player works with carries an accessible name.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

namespace velmora::test {

/// Widgets a player works with, whose accessible name is empty.
inline QStringList UnnamedControls(const QWidget& root) {
    QStringList unnamed;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        const bool control =
            qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
            qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractSlider*>(widget) ||
            qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QAbstractScrollArea*>(widget) ||
            qobject_cast<QTabBar*>(widget) || qobject_cast<QLabel*>(widget) ||
            widget->focusPolicy() != Qt::NoFocus;
        // Qt's own parts (scroll bars, the toolbar's extension arrow, list headers, viewports,
        // a combo box's popup list) are left to Qt.
        bool qtOwn = qobject_cast<QAbstractScrollArea*>(widget->parentWidget()) != nullptr;
        for (const QWidget* w = widget; w && w != &root; w = w->parentWidget()) {
            qtOwn = qtOwn || w->objectName().startsWith(QStringLiteral("qt_")) ||
                    (w != widget && qobject_cast<const QComboBox*>(w));
        }
        if (!control || qtOwn) {
            continue;
        }
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << QStringLiteral("%1 (%2)").arg(widget->objectName(),
                                                     widget->metaObject()->className());
        }
    }
    return unnamed;
}

} // namespace velmora::test
