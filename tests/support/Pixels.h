#pragma once

// Comparing pictures that a vector renderer may round differently from one release to the next.

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdlib>

namespace velmora::test {

/// The largest difference of one colour channel (alpha included) between `a` and `b` over
/// `area`, or over the whole of `a` when `area` is empty; both images at least that large.
inline int WorstChannelDifference(const QImage& a, const QImage& b, QRect area = {}) {
    if (area.isEmpty()) {
        area = a.rect();
    }
    int worst = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return worst;
}

} // namespace velmora::test
