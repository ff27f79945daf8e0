#include "library/GeneralDate.h"

#include <QLocale>

namespace velmora::GeneralDate {

namespace {
const QString Pattern = QStringLiteral("M/d/yyyy h:mm:ss AP");
}

QString Format(const QDateTime& moment) {
    return QLocale::c().toString(moment, Pattern);
}

std::optional<QDateTime> Parse(const QString& text) {
    const QDateTime moment = QLocale::c().toDateTime(text.trimmed().toUpper(), Pattern);
    if (!moment.isValid()) {
        return std::nullopt;
    }
    return moment;
}

qint64 SecondsBetween(const QDateTime& from, const QDateTime& to) {
    return from.secsTo(to);
}

} // namespace velmora::GeneralDate
