#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/definition/ReportDefinition.h"

#include <QString>
#include <QVariant>

// A value of the formula language and of a record's field. Numbers,
// currency and booleans are held as doubles; dates and date-times as their
// date serial (days since 30 Dec 1899, the time as a fraction), so that the
// per-record path never builds a QDateTime.
namespace orx::reportrt::formula {

enum class Type : unsigned char { Null, Number, Currency, Boolean, String, Date, DateTime };

struct ORX_REPORTRT_EXPORT Value {
    Type type = Type::Null;
    double number = 0;  // Number, Currency, Boolean (0/1), Date, DateTime (serial)
    QString text;       // String

    static Value null() { return {}; }
    static Value ofNumber(double n) { return {Type::Number, n, {}}; }
    static Value ofCurrency(double n) { return {Type::Currency, n, {}}; }
    static Value ofBoolean(bool b) { return {Type::Boolean, b ? 1.0 : 0.0, {}}; }
    static Value ofString(QString s) { return {Type::String, 0, std::move(s)}; }
    static Value ofDate(double serial) { return {Type::Date, serial, {}}; }
    static Value ofDateTime(double serial) { return {Type::DateTime, serial, {}}; }

    bool isNull() const { return type == Type::Null; }
    bool isTrue() const { return type == Type::Boolean && number != 0; }

    // A database or caller value read as `type`; raises nothing: a value that
    // does not convert becomes null and `ok` turns false.
    static Value fromVariant(const QVariant& v, Type type, bool* ok = nullptr);
    // A parameter value given by a program (or written in a report file)
    // converted to `type`; false when it does not convert.
    static bool parse(const QVariant& v, Type type, Value& out);
    QVariant toVariant() const;
    // The value as shown: Format with `pattern`, or its general form.
    QString display(const QString& pattern = {}) const;

    // Ordering for sorts, groups and comparisons: null first, then by value;
    // strings compare case-sensitively by code point.
    static int compare(const Value& a, const Value& b);
    bool operator==(const Value& other) const { return compare(*this, other) == 0; }
};

ORX_REPORTRT_EXPORT Type typeOf(definition::ValueType t);
ORX_REPORTRT_EXPORT definition::ValueType valueTypeOf(Type t);
ORX_REPORTRT_EXPORT QString typeName(Type t);  // "a number", "a string", ...
ORX_REPORTRT_EXPORT bool isNumeric(Type t);     // Number or Currency
ORX_REPORTRT_EXPORT bool isDateLike(Type t);    // Date or DateTime

}  // namespace orx::reportrt::formula
