#include "library/SelectGameEntry.h"

#include "engine/Rounding.h"

#include <QLocale>

namespace velmora::SelectGameEntry {

namespace {
constexpr double Above = 3240000.0;
}

QString LabelText(std::int32_t limit) {
    return QStringLiteral("Select a Game Number between 0 and ") + QString::number(limit);
}

std::int32_t Suggestion(double random, std::int32_t limit) {
    return static_cast<std::int32_t>(RoundHalfEven(random * limit));
}

std::optional<std::int32_t> Parse(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    // Comparisons with not-a-number are false, so it is refused with the rest.
    if (!ok || !(value > 0.0 && value < Above)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(RoundHalfEven(value));
}

} // namespace velmora::SelectGameEntry
