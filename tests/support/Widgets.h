#pragma once

// Finding and pressing the controls of a window by their objectName.

#include <QAbstractButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace velmora::test {

/// The child of `window` named `name`; a failure of the test when there is none.
template <typename T> T* Find(QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

/// Clicks the button `name` of `window` with the left mouse button.
inline void Click(QWidget& window, const char* name) {
    QTest::mouseClick(Find<QAbstractButton>(window, name), Qt::LeftButton);
}

} // namespace velmora::test
