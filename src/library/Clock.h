#pragma once

#include <QDateTime>

namespace velmora {

/// The system clock, replaced by a fake one in tests.
class IClock {
public:
    virtual ~IClock() = default;
    /// The present local date and time.
    virtual QDateTime Now() const = 0;
};

/// The real clock.
class SystemClock final : public IClock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

} // namespace velmora
