#include "reportrt/grouping/Grouping.h"

#include "platform/basic/Dates.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"

#include <QDateTime>
#include <algorithm>
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

SpecifiedOrder::SpecifiedOrder(const definition::GroupDef& group, int level, Type fieldType)
    : othersName_(group.othersName), others_(group.others), condition_(group.condition)
{
    using T = definition::NamedGroupTest;
    for (const auto& n : group.namedGroups) {
        auto invalid = [&](const QString& why) {
            raiseRuntimeError(rterr::FormulaInvalid, rterr::source(),
                              QStringLiteral("The named group %1 of group %2 is not valid: %3").arg(n.name).arg(level).arg(why));
        };
        const bool prefix = n.test == T::StartsWith || n.test == T::NotStartsWith;
        if (prefix && fieldType != Type::String)
            invalid(QStringLiteral("%1 takes a string field, and the group's field is %2")
                        .arg(definition::namedGroupTestName(n.test), formula::typeName(fieldType)));
        const auto [least, most] = definition::namedGroupTestArity(n.test);
        if (n.values.size() < least || (most >= 0 && n.values.size() > most))
            invalid(QStringLiteral("%1 takes %2 values, not %3")
                        .arg(definition::namedGroupTestName(n.test))
                        .arg(least == most ? QString::number(least) : QStringLiteral("at least %1").arg(least))
                        .arg(n.values.size()));
        Named named{n.test, {}};
        for (const QString& text : n.values) {
            Value v;
            if (!Value::parse(text, fieldType, v) || v.isNull())
                invalid(QStringLiteral("\"%1\" is not %2, as the group's field is").arg(text, formula::typeName(fieldType)));
            named.values.push_back(v);
        }
        named_.push_back(std::move(named));
        names_ << n.name;
    }
}

bool SpecifiedOrder::takes(const Named& n, const Value& value) const
{
    using T = definition::NamedGroupTest;
    const auto& vs = n.values;
    auto anyEqual = [&] {
        return std::any_of(vs.begin(), vs.end(), [&](const Value& v) { return Value::compare(value, v) == 0; });
    };
    auto anyPrefix = [&] {
        return std::any_of(vs.begin(), vs.end(), [&](const Value& v) { return value.text.startsWith(v.text); });
    };
    auto between = [&] { return Value::compare(value, vs[0]) >= 0 && Value::compare(value, vs[1]) <= 0; };
    switch (n.test) {
    case T::OneOf: return anyEqual();
    case T::NotOneOf: return !anyEqual();
    case T::Between: return between();
    case T::NotBetween: return !between();
    case T::Less: return Value::compare(value, vs[0]) < 0;
    case T::LessEqual: return Value::compare(value, vs[0]) <= 0;
    case T::Greater: return Value::compare(value, vs[0]) > 0;
    case T::GreaterEqual: return Value::compare(value, vs[0]) >= 0;
    case T::StartsWith: return anyPrefix();
    case T::NotStartsWith: return !anyPrefix();
    }
    return false;
}

int SpecifiedOrder::rank(const Value& value) const
{
    if (!value.isNull()) {  // a null value meets no test
        for (std::size_t i = 0; i < named_.size(); ++i) {
            if (takes(named_[i], value))
                return static_cast<int>(i);
        }
    }
    return namedCount();
}

bool SpecifiedOrder::discards(const Value& value) const
{
    return others_ == definition::OthersRule::Discard && rank(value) == namedCount();
}

void SpecifiedOrder::addSortKeys(const Value& value, std::vector<Value>& keys) const
{
    const int r = rank(value);
    keys.push_back(Value::ofNumber(r));
    keys.push_back(r == namedCount() && others_ == definition::OthersRule::Keep ? groupKey(value, condition_) : Value::null());
}

Value SpecifiedOrder::breakKey(const Value& value) const
{
    const int r = rank(value);
    if (r < namedCount() || others_ != definition::OthersRule::Keep)
        return Value::ofNumber(r);
    // Others in groups of their own: the rank with the value's group key,
    // in one text that no rank alone can equal.
    const Value key = groupKey(value, condition_);
    QString text = QString::number(r) + QLatin1Char('\x1f') + QChar(static_cast<char16_t>(key.type) + u'a');
    text += key.type == Type::String ? key.text : QString::number(key.number, 'g', 17);
    return Value::ofString(text);
}

QString SpecifiedOrder::groupName(const Value& value) const
{
    const int r = rank(value);
    if (r < namedCount())
        return names_[r];
    return others_ == definition::OthersRule::Keep ? value.display() : othersName_;
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
