#include "platform/basic/Clock.h"


namespace orx::basic {

namespace {
QDateTime& fixedTime()
{
    static QDateTime fixed;
    return fixed;
}
}  // namespace

QDateTime wallClock(const QDate& date, const QTime& time)
{
    return QDateTime(date, time, Qt::UTC);
}

QDateTime Clock::now()
{
    if (fixedTime().isValid())
        return fixedTime();
    const QDateTime local = QDateTime::currentDateTime();
    return wallClock(local.date(), local.time());
}

QDate Clock::today()
{
    return now().date();
}

void Clock::setFixed(const QDateTime& when)
{
    fixedTime() = when.isValid() ? wallClock(when.date(), when.time()) : QDateTime();
}

void Clock::clearFixed()
{
    fixedTime() = QDateTime();
}

ScopedClock::ScopedClock(const QDateTime& when)
    : saved_(fixedTime())
{
    Clock::setFixed(when);
}

ScopedClock::~ScopedClock()
{
    fixedTime() = saved_;
}

}  // namespace orx::basic
