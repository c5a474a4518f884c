#pragma once

#include "platform/basic/PlatformExport.h"

#include <QDateTime>
#include <functional>

namespace orx::basic {

// The current date and time (Now, Date, Time). Values are zone-free wall
// clock times (Qt::UTC used as a neutral time base, see Variant.h). Tests fix the clock.
class ORX_PLATFORM_EXPORT Clock {
public:
    static QDateTime now();
    static QDate today();

    // Fixes the clock at `when` until cleared; an invalid value restores the real clock.
    static void setFixed(const QDateTime& when);
    static void clearFixed();
};

// Fixes the clock for the lifetime of the object.
class ORX_PLATFORM_EXPORT ScopedClock {
public:
    explicit ScopedClock(const QDateTime& when);
    ~ScopedClock();
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    QDateTime saved_;
};

// A zone-free wall clock value for a date and time.
ORX_PLATFORM_EXPORT QDateTime wallClock(const QDate& date, const QTime& time = QTime(0, 0));

}  // namespace orx::basic
