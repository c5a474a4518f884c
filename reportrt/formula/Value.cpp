#include "reportrt/formula/Value.h"

#include "platform/basic/Convert.h"
#include "platform/basic/Currency.h"
#include "platform/basic/Dates.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Regional.h"
#include "platform/basic/Variant.h"

#include <QDateTime>
#include <cmath>

namespace orx::reportrt::formula {

namespace {

bool serialOf(const QVariant& v, double& serial)
{
    if (basic::isDateValue(v)) {
        QDateTime dt;
        if (v.metaType().id() == QMetaType::QDate)
            dt = QDateTime(v.toDate(), QTime(0, 0), Qt::UTC);
        else if (v.metaType().id() == QMetaType::QTime)
            dt = QDateTime(basic::serialEpoch(), v.toTime(), Qt::UTC);
        else
            dt = v.toDateTime();
        if (!dt.isValid() || !basic::isInDateRange(dt.date()))
            return false;
        serial = basic::toSerial(QDateTime(dt.date(), dt.time(), Qt::UTC));
        return true;
    }
    if (basic::isStringValue(v)) {
        const QString s = v.toString().trimmed();
        // ISO forms first (what databases and report files hold), then the user's conventions.
        QDateTime dt = QDateTime::fromString(s, Qt::ISODate);
        if (!dt.isValid()) {
            const QDate d = QDate::fromString(s, Qt::ISODate);
            if (d.isValid())
                dt = QDateTime(d, QTime(0, 0), Qt::UTC);
        }
        if (!dt.isValid()) {
            if (const auto parsed = basic::parseDate(s))
                dt = *parsed;
        }
        if (!dt.isValid() || !basic::isInDateRange(dt.date()))
            return false;
        serial = basic::toSerial(QDateTime(dt.date(), dt.time(), Qt::UTC));
        return true;
    }
    if (basic::isNumberValue(v)) {
        serial = v.toDouble();
        return std::isfinite(serial);
    }
    return false;
}

bool numberOf(const QVariant& v, double& n)
{
    switch (v.metaType().id()) {  // what databases give most: read without the general checks
    case QMetaType::Double: n = v.toDouble(); return std::isfinite(n);
    case QMetaType::LongLong:
    case QMetaType::Int: n = static_cast<double>(v.toLongLong()); return true;
    default: break;
    }
    if (v.metaType().id() == qMetaTypeId<basic::Currency>()) {
        n = v.value<basic::Currency>().toDouble();
        return true;
    }
    if (basic::isNumberValue(v)) {
        n = v.toDouble();
        return std::isfinite(n);
    }
    if (basic::isBoolValue(v)) {
        n = v.toBool() ? 1 : 0;
        return true;
    }
    if (basic::isStringValue(v)) {
        const QString s = v.toString().trimmed();
        bool ok = false;
        n = s.toDouble(&ok);  // databases and files write numbers with '.'
        if (ok)
            return true;
        if (const auto p = basic::parseNumber(s)) {
            n = *p;
            return true;
        }
    }
    return false;
}

}  // namespace

Value Value::fromVariant(const QVariant& v, Type type, bool* ok)
{
    if (ok)
        *ok = true;
    // What databases give most, read without the general conversions.
    switch (v.metaType().id()) {
    case QMetaType::Double:
        if (type == Type::Number || type == Type::Currency) {
            const double d = v.toDouble();
            if (std::isfinite(d))
                return {type, d, {}};
        }
        break;
    case QMetaType::LongLong:
    case QMetaType::Int:
        if (type == Type::Number || type == Type::Currency)
            return {type, static_cast<double>(v.toLongLong()), {}};
        break;
    case QMetaType::QString:
        if (type == Type::String)
            return ofString(v.toString());
        break;
    default: break;
    }
    if (!v.isValid() || v.isNull() || basic::isNull(v))
        return null();
    // A blank cell of a recordset is no value for a field that is not text.
    if (type != Type::String && basic::isStringValue(v) && v.toString().trimmed().isEmpty())
        return null();
    Value out;
    if (parse(v, type, out))
        return out;
    if (ok)
        *ok = false;
    return null();
}

bool Value::parse(const QVariant& v, Type type, Value& out)
{
    if (!v.isValid() || basic::isNull(v)
        || (type != Type::String && basic::isStringValue(v) && v.toString().trimmed().isEmpty())) {
        out = null();
        return true;
    }
    double n = 0;
    switch (type) {
    case Type::Null: out = null(); return true;
    case Type::Number:
    case Type::Currency:
        if (!numberOf(v, n))
            return false;
        out = {type, n, {}};
        return true;
    case Type::Boolean:
        if (basic::isBoolValue(v) || basic::isNumberValue(v)) {
            out = ofBoolean(v.toDouble() != 0 || (basic::isBoolValue(v) && v.toBool()));
            return true;
        }
        if (basic::isStringValue(v)) {
            const QString s = v.toString().trimmed().toLower();
            if (s == QLatin1String("true") || s == QLatin1String("yes") || s == QLatin1String("1")) {
                out = ofBoolean(true);
                return true;
            }
            if (s == QLatin1String("false") || s == QLatin1String("no") || s == QLatin1String("0")) {
                out = ofBoolean(false);
                return true;
            }
        }
        return false;
    case Type::String:
        out = ofString(basic::isDateValue(v) || basic::isBoolValue(v) ? basic::cstr(v) : v.toString());
        return true;
    case Type::Date:
        if (!serialOf(v, n))
            return false;
        out = ofDate(std::floor(n));
        return true;
    case Type::DateTime:
        if (!serialOf(v, n))
            return false;
        out = ofDateTime(n);
        return true;
    }
    return false;
}

QVariant Value::toVariant() const
{
    switch (type) {
    case Type::Null: return basic::nullVariant();
    case Type::Number: return number;
    case Type::Currency: return QVariant::fromValue(basic::Currency::fromDouble(number));
    case Type::Boolean: return number != 0;
    case Type::String: return text;
    case Type::Date:
    case Type::DateTime: return basic::fromSerial(number);
    }
    return {};
}

namespace {

// The general form of a number with a few decimals (12.5, -0.25): the
// shortest decimal the double is nearest to, when it has at most six
// decimals and fifteen digits. Its fifteen-digit rounding is that decimal,
// so the text is the one numberToString gives, without working the digits out.
bool shortDecimalText(double number, QString& out)
{
    static constexpr double kPow10[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    static constexpr qint64 kIntPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    const double magnitude = std::fabs(number);
    if (!(magnitude >= 1e-4 && magnitude < 1e9))
        return false;
    for (int k = 1; k <= 6; ++k) {
        const double r = std::round(magnitude * kPow10[k]);
        if (r >= 1e15 || r / kPow10[k] != magnitude)
            continue;
        const auto digits = static_cast<qint64>(r);
        QString fraction = QString::number(digits % kIntPow10[k]);
        out = (number < 0 ? QStringLiteral("-") : QString()) + QString::number(digits / kIntPow10[k])
              + basic::regional().decimalSeparator + QString(k - fraction.size(), QLatin1Char('0')) + fraction;
        return true;
    }
    return false;
}

}  // namespace

QString Value::display(const QString& pattern) const
{
    switch (type) {
    case Type::Null: return pattern.isEmpty() ? QString() : basic::formatNullWithPattern(pattern);
    case Type::String: return pattern.isEmpty() ? text : basic::formatText(text, pattern);
    case Type::Date:
        return basic::formatDate(basic::fromSerial(number), pattern.isEmpty() ? QStringLiteral("Short Date") : pattern);
    case Type::DateTime: return basic::formatDate(basic::fromSerial(number), pattern);
    case Type::Boolean: return pattern.isEmpty() ? basic::booleanToString(number != 0) : basic::format(number != 0, pattern);
    case Type::Number:
    case Type::Currency:
        if (pattern.isEmpty()) {
            // A whole number shows the same under every convention: no separator is involved.
            if (number == std::trunc(number) && std::fabs(number) < 1e15)
                return QString::number(static_cast<qint64>(number));
            if (QString text; shortDecimalText(number, text))
                return text;
            return basic::numberToString(number);
        }
        return basic::formatNumber(number, pattern);
    }
    return {};
}

int Value::compare(const Value& a, const Value& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    if (a.type == Type::String || b.type == Type::String) {
        const QString as = a.type == Type::String ? a.text : a.display();
        const QString bs = b.type == Type::String ? b.text : b.display();
        const int c = as.compare(bs);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
}

Type typeOf(definition::ValueType t)
{
    using VT = definition::ValueType;
    switch (t) {
    case VT::Number: return Type::Number;
    case VT::Currency: return Type::Currency;
    case VT::Boolean: return Type::Boolean;
    case VT::Date: return Type::Date;
    case VT::DateTime: return Type::DateTime;
    case VT::String: return Type::String;
    }
    return Type::String;
}

definition::ValueType valueTypeOf(Type t)
{
    using VT = definition::ValueType;
    switch (t) {
    case Type::Number: return VT::Number;
    case Type::Currency: return VT::Currency;
    case Type::Boolean: return VT::Boolean;
    case Type::Date: return VT::Date;
    case Type::DateTime: return VT::DateTime;
    case Type::String:
    case Type::Null: return VT::String;
    }
    return VT::String;
}

QString typeName(Type t)
{
    switch (t) {
    case Type::Null: return QStringLiteral("null");
    case Type::Number: return QStringLiteral("a number");
    case Type::Currency: return QStringLiteral("a currency amount");
    case Type::Boolean: return QStringLiteral("a boolean");
    case Type::String: return QStringLiteral("a string");
    case Type::Date: return QStringLiteral("a date");
    case Type::DateTime: return QStringLiteral("a date-time");
    }
    return {};
}

bool isNumeric(Type t)
{
    return t == Type::Number || t == Type::Currency;
}

bool isDateLike(Type t)
{
    return t == Type::Date || t == Type::DateTime;
}

}  // namespace orx::reportrt::formula
