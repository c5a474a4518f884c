#include "reportrt/definition/ReportDefinition.h"

#include "platform/basic/Dates.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>

#include <array>

namespace orx::reportrt::definition {

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

struct TypeName {
    ValueType type;
    const char* name;
};
constexpr std::array<TypeName, 6> kTypeNames{{
    {ValueType::Number, "number"},
    {ValueType::Currency, "currency"},
    {ValueType::Boolean, "boolean"},
    {ValueType::Date, "date"},
    {ValueType::String, "string"},
    {ValueType::DateTime, "datetime"},
}};

constexpr std::array<const char*, kGroupConditionCount> kConditionNames{
    "daily", "weekly", "biweekly", "semimonthly", "monthly", "quarterly", "semiannually", "annually",
    "to-yes", "to-no", "every-yes", "every-no", "next-is-yes", "next-is-no", "any-value",
    "by-second", "by-minute", "by-hour", "by-am-pm",
};

constexpr std::array<const char*, 4> kDirectionNames{"ascending", "descending", "original", "specified"};

}  // namespace

bool ReportDefinition::operator==(const ReportDefinition& other) const
{
    if (!(name == other.name && title == other.title && page == other.page && tables == other.tables
          && links == other.links && sortFields == other.sortFields && selection == other.selection
          && formulas == other.formulas && parameters == other.parameters && groups == other.groups
          && sections == other.sections && subreports.size() == other.subreports.size()))
        return false;
    for (std::size_t i = 0; i < subreports.size(); ++i) {
        if (!(*subreports[i] == *other.subreports[i]))
            return false;
    }
    if (!savedData || !other.savedData)
        return !savedData && !other.savedData;
    return *savedData == *other.savedData;
}

bool ReportDefinition::hasSavedData() const
{
    if (savedData)
        return true;
    for (const auto& s : subreports) {
        if (s->hasSavedData())
            return true;
    }
    return false;
}

std::vector<SavedColumn> SavedData::columnsOf(const std::vector<TableDef>& tables)
{
    std::vector<SavedColumn> columns;
    for (const auto& t : tables) {
        for (const auto& f : t.fields)
            columns.push_back({t.name, f.name, f.type});
    }
    return columns;
}

QString savedText(double number, ValueType type)
{
    switch (type) {
    case ValueType::Boolean: return number != 0 ? QStringLiteral("true") : QStringLiteral("false");
    case ValueType::Date: {
        const QDateTime d = basic::fromSerial(number);
        if (d.time() == QTime(0, 0))
            return d.date().toString(Qt::ISODate);
        return d.toString(Qt::ISODateWithMs);
    }
    case ValueType::DateTime: return basic::fromSerial(number).toString(Qt::ISODateWithMs);
    case ValueType::Number:
    case ValueType::Currency:
    case ValueType::String: break;
    }
    return QString::number(number, 'g', QLocale::FloatingPointShortest);
}

bool savedNumber(const QString& text, ValueType type, double& number)
{
    switch (type) {
    case ValueType::Boolean:
        if (text != QLatin1String("true") && text != QLatin1String("false"))
            return false;
        number = text == QLatin1String("true") ? 1 : 0;
        return true;
    case ValueType::Date:
    case ValueType::DateTime: {
        QDateTime d;
        if (text.size() == 10) {
            const QDate day = QDate::fromString(text, Qt::ISODate);
            if (day.isValid())
                d = QDateTime(day, QTime(0, 0));
        } else {
            d = QDateTime::fromString(text, Qt::ISODateWithMs);
        }
        if (!d.isValid())
            return false;
        number = basic::toSerial(d);
        return true;
    }
    case ValueType::Number:
    case ValueType::Currency: {
        bool ok = false;
        number = QLocale::c().toDouble(text, &ok);
        return ok && std::isfinite(number);
    }
    case ValueType::String: break;
    }
    return false;
}

const TableDef* ReportDefinition::table(const QString& tableName) const
{
    for (const auto& t : tables) {
        if (sameName(t.name, tableName))
            return &t;
    }
    return nullptr;
}

const FormulaDef* ReportDefinition::formula(const QString& formulaName) const
{
    for (const auto& f : formulas) {
        if (sameName(f.name, formulaName))
            return &f;
    }
    return nullptr;
}

const ParameterDef* ReportDefinition::parameter(const QString& parameterName) const
{
    for (const auto& p : parameters) {
        if (sameName(p.name, parameterName))
            return &p;
    }
    return nullptr;
}

std::shared_ptr<ReportDefinition> ReportDefinition::subreport(const QString& subreportName) const
{
    for (const auto& s : subreports) {
        if (sameName(s->name, subreportName))
            return s;
    }
    return nullptr;
}

std::vector<const SectionDef*> ReportDefinition::sectionsOf(SectionKind kind, int group) const
{
    std::vector<const SectionDef*> found;
    for (const auto& s : sections) {
        if (s.kind == kind && s.group == group)
            found.push_back(&s);
    }
    return found;
}

QString valueTypeName(ValueType type)
{
    for (const auto& t : kTypeNames) {
        if (t.type == type)
            return QString::fromLatin1(t.name);
    }
    return QStringLiteral("string");
}

bool valueTypeFromName(const QString& name, ValueType& type)
{
    for (const auto& t : kTypeNames) {
        if (name == QLatin1String(t.name)) {
            type = t.type;
            return true;
        }
    }
    return false;
}

bool valueTypeFromNumber(int number, ValueType& type)
{
    for (const auto& t : kTypeNames) {
        if (static_cast<int>(t.type) == number) {
            type = t.type;
            return true;
        }
    }
    return false;
}

QString groupConditionName(GroupCondition condition)
{
    return QString::fromLatin1(kConditionNames.at(static_cast<std::size_t>(condition)));
}

bool groupConditionFromName(const QString& name, GroupCondition& condition)
{
    for (std::size_t i = 0; i < kConditionNames.size(); ++i) {
        if (name == QLatin1String(kConditionNames[i])) {
            condition = static_cast<GroupCondition>(i);
            return true;
        }
    }
    return false;
}

QString sortDirectionName(SortDirection direction)
{
    return QString::fromLatin1(kDirectionNames.at(static_cast<std::size_t>(direction)));
}

bool sortDirectionFromName(const QString& name, SortDirection& direction)
{
    for (std::size_t i = 0; i < kDirectionNames.size(); ++i) {
        if (name == QLatin1String(kDirectionNames[i])) {
            direction = static_cast<SortDirection>(i);
            return true;
        }
    }
    return false;
}

namespace {

constexpr std::array<const char*, 10> kTestNames = {"one-of", "not-one-of", "between", "not-between", "less",
                                                    "less-equal", "greater", "greater-equal", "starts-with",
                                                    "not-starts-with"};
constexpr std::array<const char*, 3> kOthersNames = {"together", "discard", "keep"};

template <class E, std::size_t N>
bool fromName(const std::array<const char*, N>& names, const QString& name, E& out)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (name == QLatin1String(names[i])) {
            out = static_cast<E>(i);
            return true;
        }
    }
    return false;
}

}  // namespace

QString namedGroupTestName(NamedGroupTest test)
{
    return QString::fromLatin1(kTestNames.at(static_cast<std::size_t>(test)));
}

bool namedGroupTestFromName(const QString& name, NamedGroupTest& test)
{
    return fromName(kTestNames, name, test);
}

std::pair<int, int> namedGroupTestArity(NamedGroupTest test)
{
    using T = NamedGroupTest;
    switch (test) {
    case T::OneOf:
    case T::NotOneOf:
    case T::StartsWith:
    case T::NotStartsWith: return {1, -1};
    case T::Between:
    case T::NotBetween: return {2, 2};
    default: break;
    }
    return {1, 1};
}

QString othersRuleName(OthersRule rule)
{
    return QString::fromLatin1(kOthersNames.at(static_cast<std::size_t>(rule)));
}

bool othersRuleFromName(const QString& name, OthersRule& rule)
{
    return fromName(kOthersNames, name, rule);
}

FieldRef FieldRef::parse(const QString& text)
{
    FieldRef ref;
    const QString t = text.trimmed();
    if (t.size() < 3 || !t.startsWith(QLatin1Char('{')) || !t.endsWith(QLatin1Char('}')))
        return ref;
    const QString inner = t.mid(1, t.size() - 2).trimmed();
    if (inner.startsWith(QLatin1Char('@'))) {
        ref.kind = Kind::Formula;
        ref.name = inner.mid(1).trimmed();
    } else if (inner.startsWith(QLatin1Char('?'))) {
        ref.kind = Kind::Parameter;
        ref.name = inner.mid(1).trimmed();
    } else {
        const qsizetype dot = inner.indexOf(QLatin1Char('.'));
        if (dot <= 0 || dot == inner.size() - 1)
            return ref;
        ref.kind = Kind::Database;
        ref.table = inner.left(dot).trimmed();
        ref.name = inner.mid(dot + 1).trimmed();
    }
    if (ref.name.isEmpty())
        ref.kind = Kind::Invalid;
    return ref;
}

QString FieldRef::text() const
{
    switch (kind) {
    case Kind::Database: return QStringLiteral("{%1.%2}").arg(table, name);
    case Kind::Formula: return QStringLiteral("{@%1}").arg(name);
    case Kind::Parameter: return QStringLiteral("{?%1}").arg(name);
    case Kind::Invalid: break;
    }
    return {};
}

}  // namespace orx::reportrt::definition
