#include "reportrt/grouping/Grouping.h"

#include "platform/basic/Dates.h"

#include <QDateTime>
#include <cmath>

namespace orx::reportrt::grouping {

using formula::Type;

Value groupKey(const Value& value, GroupCondition condition)
{
    if (value.isNull())
        return value;
    using C = GroupCondition;
    if (condition == C::AnyValue || (condition >= C::ToYes && condition <= C::NextIsNo))
        return value;
    if (!formula::isDateLike(value.type))
        return value;  // a date condition on a value that is not a date groups by the value
    const double serial = value.number;
    const double day = std::floor(serial);
    const QDateTime dt = basic::fromSerial(serial);
    const int y = dt.date().year(), m = dt.date().month();
    const double seconds = std::floor(serial * 86400.0 + 0.5);
    double key = 0;
    switch (condition) {
    case C::Daily: key = day; break;
    case C::Weekly: key = day - (basic::weekday(dt) - 1); break;  // the week's Sunday
    case C::Biweekly: key = std::floor((day - 1) / 14.0); break;   // serial 1 (31 Dec 1899) is a Sunday
    case C::Semimonthly: key = y * 24 + (m - 1) * 2 + (dt.date().day() > 15 ? 1 : 0); break;
    case C::Monthly: key = y * 12 + (m - 1); break;
    case C::Quarterly: key = y * 4 + (m - 1) / 3; break;
    case C::SemiAnnually: key = y * 2 + (m > 6 ? 1 : 0); break;
    case C::Annually: key = y; break;
    case C::BySecond: key = seconds; break;
    case C::ByMinute: key = std::floor(seconds / 60); break;
    case C::ByHour: key = std::floor(seconds / 3600); break;
    case C::ByAmPm: key = day * 2 + (dt.time().hour() >= 12 ? 1 : 0); break;
    default: break;
    }
    return Value::ofNumber(key);
}

bool startsGroup(GroupCondition condition, const Value& previous, const Value& current)
{
    using C = GroupCondition;
    const bool prevYes = previous.isTrue(), curYes = current.isTrue();
    switch (condition) {
    case C::ToYes: return !prevYes && curYes;
    case C::ToNo: return prevYes && !curYes;
    case C::EveryYes: return prevYes;    // each yes record ends its group
    case C::EveryNo: return !prevYes;
    case C::NextIsYes: return curYes;    // a group ends where the next record is yes
    case C::NextIsNo: return !curYes;
    default: break;
    }
    return !(previous == current) || previous.isNull() != current.isNull();
}

void Accumulator::reset()
{
    count_ = 0;
    sum_ = 0;
    min_ = max_ = Value::null();
    distinct_.clear();
}

void Accumulator::add(const Value& v)
{
    if (v.isNull())
        return;
    ++count_;
    switch (op_) {
    case definition::SummaryOp::Sum:
    case definition::SummaryOp::Average: sum_ += v.number; break;
    case definition::SummaryOp::Minimum:
        if (min_.isNull() || Value::compare(v, min_) < 0)
            min_ = v;
        break;
    case definition::SummaryOp::Maximum:
        if (max_.isNull() || Value::compare(v, max_) > 0)
            max_ = v;
        break;
    case definition::SummaryOp::DistinctCount:
        distinct_.insert(v.type == Type::String ? QLatin1Char('s') + v.text : QString::number(v.number, 'g', 17));
        break;
    default: break;
    }
}

Value Accumulator::result(Type type) const
{
    switch (op_) {
    case definition::SummaryOp::Sum: return {type == Type::Currency ? Type::Currency : Type::Number, sum_, {}};
    case definition::SummaryOp::Count: return Value::ofNumber(static_cast<double>(count_));
    case definition::SummaryOp::Average: return count_ == 0 ? Value::null() : Value::ofNumber(sum_ / count_);
    case definition::SummaryOp::Minimum: return min_;
    case definition::SummaryOp::Maximum: return max_;
    case definition::SummaryOp::DistinctCount: return Value::ofNumber(distinct_.size());
    default: break;
    }
    return Value::null();
}

}  // namespace orx::reportrt::grouping
