#include "library/GeneralDate.h"

#include <QLocale>

namespace velmora::GeneralDate {

namespace {
const QString Pattern = QStringLiteral("M/d/yyyy h:mm:ss AP");

/// Reads `min` to `max` digits at `i` and moves past them; -1 when there are too few.
int Digits(QStringView text, qsizetype& i, int min, int max) {
    int value = 0;
    int count = 0;
    while (i < text.size() && count < max && text[i].isDigit() && text[i].unicode() < 128) {
        value = value * 10 + (text[i].unicode() - u'0');
        ++i;
        ++count;
    }
    return count >= min ? value : -1;
}

bool Skip(QStringView text, qsizetype& i, QChar c) {
    if (i < text.size() && text[i] == c) {
        ++i;
        return true;
    }
    return false;
}

/// The usual shape, "M/d/yyyy h:mm:ss AM", read without the locale machinery.
std::optional<QDateTime> ReadQuickly(QStringView text) {
    qsizetype i = 0;
    const int month = Digits(text, i, 1, 2);
    if (month < 0 || !Skip(text, i, u'/')) {
        return std::nullopt;
    }
    const int day = Digits(text, i, 1, 2);
    if (day < 0 || !Skip(text, i, u'/')) {
        return std::nullopt;
    }
    const int year = Digits(text, i, 4, 4);
    if (year < 0 || !Skip(text, i, u' ')) {
        return std::nullopt;
    }
    const int hour = Digits(text, i, 1, 2);
    if (hour < 1 || hour > 12 || !Skip(text, i, u':')) {
        return std::nullopt;
    }
    const int minute = Digits(text, i, 2, 2);
    if (minute < 0 || !Skip(text, i, u':')) {
        return std::nullopt;
    }
    const int second = Digits(text, i, 2, 2);
    if (second < 0 || !Skip(text, i, u' ')) {
        return std::nullopt;
    }
    const QStringView half = text.mid(i);
    const bool am = half.compare(u"AM", Qt::CaseInsensitive) == 0;
    if (!am && half.compare(u"PM", Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    const QTime time(hour % 12 + (am ? 0 : 12), minute, second);
    if (!date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    return QDateTime(date, time, Qt::UTC);
}
} // namespace

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

std::optional<QDateTime> ParseWallClock(const QString& text) {
    if (auto quick = ReadQuickly(QStringView(text).trimmed())) {
        return quick;
    }
    const auto moment = Parse(text);
    if (!moment) {
        return std::nullopt;
    }
    return WallClock(*moment);
}

QDateTime WallClock(const QDateTime& moment) {
    return QDateTime(moment.date(), moment.time(), Qt::UTC);
}

} // namespace velmora::GeneralDate
