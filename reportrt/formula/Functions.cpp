// The built-in functions of the formula language: their argument types,
// result types and evaluation. Every function but IsNull and ToText gives
// null when an argument is null.
#include "platform/basic/BasicError.h"
#include "platform/basic/Clock.h"
#include "platform/basic/Dates.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Strings.h"
#include "reportrt/formula/Node.h"

#include <QDateTime>
#include <array>
#include <cmath>

namespace orx::reportrt::formula {

struct FunctionInfo {
    const char* name;
    const char* args;  // per argument: S string, N number, D date, B boolean, A anything; lower case optional
    char result;       // S, N, B, D date, T date-time, 0 the type of the first argument, 2 of the third
    Value (*eval)(const std::vector<Value>& a, const Node& call);
};

namespace {

QString str(const Value& v) { return v.text; }
int integer(const Value& v, const Node& call, const char* what)
{
    if (!std::isfinite(v.number) || std::fabs(v.number) > 2147483647.0)
        throw EvalError(call.offset, QStringLiteral("%1 is out of range").arg(QString::fromLatin1(what)));
    return static_cast<int>(std::llround(v.number));
}

QDateTime dateOf(const Value& v)
{
    return basic::fromSerial(v.number);
}

// Rounds on the decimal value shown, halves away from zero.
double roundDecimal(double x, int places, bool truncate)
{
    if (truncate) {
        const double scale = std::pow(10.0, places);
        const double r = std::trunc(x * scale) / scale;
        // Guard against binary noise: 1.005 * 100 is 100.49999...
        const double viaDecimal = [&] {
            auto d = basic::DecimalDigits::fromDouble(x);
            d.roundTo(places + 2, basic::DecimalDigits::Rounding::HalfAwayFromZero);
            const double y = d.toDouble().value_or(x);
            return std::trunc(y * scale + (y >= 0 ? 1e-9 : -1e-9)) / scale;
        }();
        return std::isfinite(viaDecimal) ? viaDecimal : r;
    }
    auto d = basic::DecimalDigits::fromDouble(x);
    d.roundTo(places, basic::DecimalDigits::Rounding::HalfAwayFromZero);
    return d.toDouble().value_or(x);
}

Value dateResult(const QDateTime& dt, bool withTime)
{
    const double s = basic::toSerial(dt);
    return withTime ? Value::ofDateTime(s) : Value::ofDate(std::floor(s));
}

// Errors of the classic date functions (a bad interval, a date out of range)
// become errors of the formula.
template <class F>
auto classic(const Node& call, const char* fn, F&& f)
{
    try {
        return f();
    } catch (const basic::BasicError& e) {
        throw EvalError(call.offset, QStringLiteral("%1: %2").arg(QString::fromLatin1(fn), e.description()));
    }
}

QString properCase(const QString& s)
{
    QString out = s.toLower();
    bool start = true;
    for (QChar& c : out) {
        if (c.isLetter()) {
            if (start)
                c = c.toUpper();
            start = false;
        } else {
            start = !c.isLetterOrNumber() && c != QLatin1Char('\'');
        }
    }
    return out;
}

const std::array<FunctionInfo, 30> kFunctions{{
    {"Left", "SN", 'S', [](auto& a, auto& c) {
         return Value::ofString(str(a[0]).left(std::max(0, integer(a[1], c, "the length"))));
     }},
    {"Right", "SN", 'S', [](auto& a, auto& c) {
         return Value::ofString(str(a[0]).right(std::max(0, integer(a[1], c, "the length"))));
     }},
    {"Mid", "SNn", 'S', [](auto& a, auto& c) {
         const int start = integer(a[1], c, "the start");
         if (start < 1)
             throw EvalError(c.offset, QStringLiteral("Mid: the start must be 1 or more"));
         const int len = a.size() > 2 ? integer(a[2], c, "the length") : -1;
         return Value::ofString(basic::mid(str(a[0]), start, len < 0 && a.size() > 2 ? 0 : len));
     }},
    {"Len", "S", 'N', [](auto& a, auto&) { return Value::ofNumber(static_cast<double>(str(a[0]).size())); }},
    {"UpperCase", "S", 'S', [](auto& a, auto&) { return Value::ofString(str(a[0]).toUpper()); }},
    {"LowerCase", "S", 'S', [](auto& a, auto&) { return Value::ofString(str(a[0]).toLower()); }},
    {"ProperCase", "S", 'S', [](auto& a, auto&) { return Value::ofString(properCase(str(a[0]))); }},
    {"Trim", "S", 'S', [](auto& a, auto&) { return Value::ofString(basic::trimSpaces(str(a[0]))); }},
    {"Replace", "SSS", 'S', [](auto& a, auto&) {
         if (str(a[1]).isEmpty())
             return Value::ofString(str(a[0]));
         return Value::ofString(QString(str(a[0])).replace(str(a[1]), str(a[2])));
     }},
    {"InStr", "SS", 'N', [](auto& a, auto&) {
         return Value::ofNumber(static_cast<double>(str(a[0]).indexOf(str(a[1])) + 1));
     }},
    {"ToText", "As", 'S', nullptr},
    {"ToNumber", "A", 'N', [](auto& a, auto& c) {
         if (a[0].type != Type::String)
             return Value::ofNumber(a[0].number);
         Value v;
         if (!Value::parse(a[0].text, Type::Number, v))
             throw EvalError(c.offset, QStringLiteral("ToNumber: \"%1\" is not a number").arg(a[0].text));
         return v;
     }},
    {"Round", "Nn", '0', [](auto& a, auto& c) {
         return Value{a[0].type, roundDecimal(a[0].number, a.size() > 1 ? integer(a[1], c, "the places") : 0, false), {}};
     }},
    {"Truncate", "Nn", '0', [](auto& a, auto& c) {
         return Value{a[0].type, roundDecimal(a[0].number, a.size() > 1 ? integer(a[1], c, "the places") : 0, true), {}};
     }},
    {"Abs", "N", '0', [](auto& a, auto&) { return Value{a[0].type, std::fabs(a[0].number), {}}; }},
    {"CurrentDate", "", 'D', [](auto&, auto&) { return dateResult(basic::Clock::now(), false); }},
    {"CurrentDateTime", "", 'T', [](auto&, auto&) { return dateResult(basic::Clock::now(), true); }},
    {"Date", "Nnn", 'D', nullptr},
    {"DateTime", "NNNnnn", 'T', [](auto& a, auto& c) {
         return classic(c, "DateTime", [&] {
             const QDateTime d = basic::dateSerial(integer(a[0], c, "the year"), integer(a[1], c, "the month"),
                                                   integer(a[2], c, "the day"));
             const double t = a.size() > 3 ? basic::toSerial(basic::timeSerial(integer(a[3], c, "the hour"),
                                                                                a.size() > 4 ? integer(a[4], c, "the minute") : 0,
                                                                                a.size() > 5 ? integer(a[5], c, "the second") : 0))
                                           : 0.0;
             return Value::ofDateTime(basic::toSerial(d) + t);
         });
     }},
    {"Year", "D", 'N', [](auto& a, auto&) { return Value::ofNumber(dateOf(a[0]).date().year()); }},
    {"Month", "D", 'N', [](auto& a, auto&) { return Value::ofNumber(dateOf(a[0]).date().month()); }},
    {"Day", "D", 'N', [](auto& a, auto&) { return Value::ofNumber(dateOf(a[0]).date().day()); }},
    {"Hour", "D", 'N', [](auto& a, auto&) { return Value::ofNumber(dateOf(a[0]).time().hour()); }},
    {"Minute", "D", 'N', [](auto& a, auto&) { return Value::ofNumber(dateOf(a[0]).time().minute()); }},
    {"Second", "D", 'N', [](auto& a, auto&) { return Value::ofNumber(dateOf(a[0]).time().second()); }},
    {"DayOfWeek", "D", 'N', [](auto& a, auto&) { return Value::ofNumber(basic::weekday(dateOf(a[0]))); }},
    {"DateAdd", "SND", '2', [](auto& a, auto& c) {
         return classic(c, "DateAdd", [&] {
             const QDateTime r = basic::dateAdd(str(a[0]), a[1].number, dateOf(a[2]));
             return a[2].type == Type::Date ? dateResult(r, false) : dateResult(r, true);
         });
     }},
    {"DateDiff", "SDD", 'N', [](auto& a, auto& c) {
         return classic(c, "DateDiff", [&] {
             return Value::ofNumber(static_cast<double>(basic::dateDiff(str(a[0]), dateOf(a[1]), dateOf(a[2]))));
         });
     }},
    {"IsNull", "A", 'B', nullptr},
    {"Space", "N", 'S', [](auto& a, auto& c) {
         return Value::ofString(QString(std::max(0, integer(a[0], c, "the length")), QLatin1Char(' ')));
     }},
}};

bool accepts(char want, Type t)
{
    if (t == Type::Null)
        return true;
    switch (std::toupper(want)) {
    case 'S': return t == Type::String;
    case 'N': return isNumeric(t);
    case 'D': return isDateLike(t);
    case 'B': return t == Type::Boolean;
    default: return true;
    }
}

QString expectedName(char want)
{
    switch (std::toupper(want)) {
    case 'S': return QStringLiteral("a string");
    case 'N': return QStringLiteral("a number");
    case 'D': return QStringLiteral("a date");
    case 'B': return QStringLiteral("a boolean");
    default: return QStringLiteral("a value");
    }
}

}  // namespace

const FunctionInfo* findFunction(const QString& name)
{
    for (const auto& f : kFunctions) {
        if (name.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

int functionIndex(const FunctionInfo* f)
{
    return static_cast<int>(f - kFunctions.data());
}

int functionMinArgs(const FunctionInfo* f)
{
    int n = 0;
    for (const char* p = f->args; *p; ++p)
        n += std::isupper(static_cast<unsigned char>(*p)) ? 1 : 0;
    return n;
}

int functionMaxArgs(const FunctionInfo* f)
{
    return static_cast<int>(std::strlen(f->args));
}

QString functionName(const FunctionInfo* f)
{
    return QString::fromLatin1(f->name);
}

CallCheck checkCall(const FunctionInfo* f, const std::vector<Type>& types)
{
    CallCheck c;
    const QString name = functionName(f);
    // Date takes a year, month and day, or one date-time.
    if (name == QLatin1String("Date")) {
        if (types.size() == 1 && (isDateLike(types[0]) || types[0] == Type::Null)) {
            c.result = Type::Date;
            return c;
        }
        if (types.size() != 3) {
            c.error = QStringLiteral("Date takes a date-time, or a year, a month and a day");
            return c;
        }
    }
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (!accepts(f->args[i], types[i])) {
            c.badArgument = static_cast<int>(i);
            c.error = QStringLiteral("%1 is expected here").arg(expectedName(f->args[i]));
            return c;
        }
    }
    switch (f->result) {
    case 'S': c.result = Type::String; break;
    case 'N': c.result = Type::Number; break;
    case 'B': c.result = Type::Boolean; break;
    case 'D': c.result = Type::Date; break;
    case 'T': c.result = Type::DateTime; break;
    case '0': c.result = types[0] == Type::Null ? Type::Number : types[0]; break;
    case '2': c.result = types[2] == Type::Null ? Type::Date : types[2]; break;
    default: break;
    }
    return c;
}

Value callFunction(int index, const std::vector<Value>& args, const Node& call)
{
    const FunctionInfo& f = kFunctions.at(static_cast<std::size_t>(index));
    const QString name = functionName(&f);
    if (name == QLatin1String("IsNull"))
        return Value::ofBoolean(args[0].isNull());
    if (name == QLatin1String("ToText")) {
        if (args.size() > 1 && args[1].isNull())
            return Value::null();
        try {
            return Value::ofString(args[0].display(args.size() > 1 ? args[1].text : QString()));
        } catch (const basic::BasicError& e) {
            throw EvalError(call.offset, QStringLiteral("ToText: %1").arg(e.description()));
        }
    }
    for (const auto& a : args) {
        if (a.isNull())
            return Value::null();
    }
    if (name == QLatin1String("Date")) {
        if (args.size() == 1)
            return Value::ofDate(std::floor(args[0].number));
        return classic(call, "Date", [&] {
            return Value::ofDate(basic::toSerial(basic::dateSerial(integer(args[0], call, "the year"),
                                                                   integer(args[1], call, "the month"),
                                                                   integer(args[2], call, "the day"))));
        });
    }
    return f.eval(args, call);
}

}  // namespace orx::reportrt::formula
