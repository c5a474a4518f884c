// The formula language: every operator and function on real values, nulls,
// type errors with their column, and failures while evaluating.
#include "platform/basic/Clock.h"
#include "platform/basic/Dates.h"
#include "platform/basic/Regional.h"
#include "reportrt/formula/Formula.h"

#include <QDateTime>
#include <gtest/gtest.h>
#include <map>

using namespace orx;
using namespace orx::reportrt;
using namespace orx::reportrt::formula;

namespace {

double serial(int y, int m, int d, int h = 0, int n = 0, int s = 0)
{
    return basic::toSerial(QDateTime(QDate(y, m, d), QTime(h, n, s), Qt::UTC));
}

// A report with fields T.N (12.5), T.S ("abc"), T.D (15 Mar 2024), T.DT
// (15 Mar 2024 14:30:05), T.B (true), T.Z (null number), T.C (currency 10);
// formulas @Double ({T.N} * 2) and @Text; parameter ?P (3); a group on {T.S}.
class TestReport : public Scope, public Env {
public:
    TestReport()
    {
        fields_ = {{QStringLiteral("N"), Value::ofNumber(12.5)}, {QStringLiteral("S"), Value::ofString(QStringLiteral("abc"))},
                   {QStringLiteral("D"), Value::ofDate(serial(2024, 3, 15))},
                   {QStringLiteral("DT"), Value::ofDateTime(serial(2024, 3, 15, 14, 30, 5))},
                   {QStringLiteral("B"), Value::ofBoolean(true)}, {QStringLiteral("Z"), {Type::Null, 0, {}}},
                   {QStringLiteral("C"), Value::ofCurrency(10)}};
        types_ = {Type::Number, Type::String, Type::Date, Type::DateTime, Type::Boolean, Type::Number, Type::Currency};
    }

    std::optional<Symbol> field(const QString& table, const QString& name) override
    {
        if (table != QLatin1String("T"))
            return std::nullopt;
        for (int i = 0; i < static_cast<int>(fields_.size()); ++i) {
            if (fields_[i].first.compare(name, Qt::CaseInsensitive) == 0)
                return Symbol{i, types_[i]};
        }
        return std::nullopt;
    }
    std::optional<Symbol> formula(const QString& name) override
    {
        if (name.compare(QLatin1String("Double"), Qt::CaseInsensitive) == 0)
            return Symbol{0, Type::Number};
        return std::nullopt;
    }
    std::optional<Symbol> parameter(const QString& name) override
    {
        if (name == QLatin1String("P"))
            return Symbol{0, Type::Number};
        return std::nullopt;
    }
    std::optional<int> groupLevel(const QString& reference) override
    {
        if (reference == QLatin1String("{T.S}"))
            return 1;
        return std::nullopt;
    }
    int summary(definition::SummaryOp op, const QString& reference, int level) override
    {
        summaries.push_back(QStringLiteral("%1 %2 %3").arg(static_cast<int>(op)).arg(reference).arg(level));
        return static_cast<int>(summaries.size()) - 1;
    }

    const Value& field(int index) override { return fields_.at(index).second; }
    Value formula(int) override { return Value::ofNumber(fields_[0].second.number * 2); }
    const Value& parameter(int) override { return param_; }
    Value summary(int slot) override { return Value::ofNumber(100 + slot); }
    int pageNumber() override { return 4; }
    int totalPageCount() override { return 9; }
    qint64 recordNumber() override { return 17; }

    QStringList summaries;

private:
    std::vector<std::pair<QString, Value>> fields_;
    std::vector<Type> types_;
    Value param_ = Value::ofNumber(3);
};

struct Result {
    Type type;
    QString shown;  // the value's general display (US conventions); "<null>" for null
};

Result run(const QString& text)
{
    TestReport r;
    CompileError e;
    auto f = Formula::compile(text, r, e);
    if (!f)
        return {Type::Null, QStringLiteral("error: ") + e.describe(text)};
    const Value v = f->evaluate(r);
    EXPECT_TRUE(v.isNull() || v.type == f->type() || f->type() == Type::Null) << text.toStdString();
    return {f->type(), v.isNull() ? QStringLiteral("<null>") : v.display()};
}

class FormulaLanguage : public ::testing::Test {
protected:
    basic::ScopedRegional us{basic::RegionalSettings::unitedStates()};
    basic::ScopedClock clock{QDateTime(QDate(2025, 6, 30), QTime(9, 15, 0), Qt::UTC)};
};

TEST_F(FormulaLanguage, OperatorsLiteralsAndReferences)
{
    const struct {
        const char* text;
        Type type;
        const char* shown;
    } cases[] = {
        {"1 + 2 * 3", Type::Number, "7"},
        {"(1 + 2) * 3", Type::Number, "9"},
        {"2 ^ 3 ^ 2", Type::Number, "512"},
        {"-2 ^ 2", Type::Number, "-4"},
        {"7 mod 3", Type::Number, "1"},
        {"10 / 4", Type::Number, "2.5"},
        {"1.5e2", Type::Number, "150"},
        {"\"it's\" & ' \"ok\"'", Type::String, "it's \"ok\""},
        {"'don''t'", Type::String, "don't"},
        {"\"a\" + \"b\"", Type::String, "ab"},
        {"\"n=\" & 3", Type::String, "n=3"},
        {"{T.N} * 2 + {?P}", Type::Number, "28"},
        {"{@Double} + 1", Type::Number, "26"},
        {"{T.C} * 2", Type::Currency, "20"},
        {"{T.D} + 1", Type::Date, "3/16/2024"},
        {"{T.D} - #2024-03-01#", Type::Number, "14"},
        {"#2024-02-29 08:00#", Type::DateTime, "2/29/2024 8:00:00 AM"},
        {"1 < 2 and not (2 < 1)", Type::Boolean, "True"},
        {"1 = 2 or {T.B}", Type::Boolean, "True"},
        {"'abc' = {T.S}", Type::Boolean, "True"},
        {"'abc' <> 'abd'", Type::Boolean, "True"},
        {"{T.D} >= #2024-03-15#", Type::Boolean, "True"},
        {"if {T.N} > 10 then 'big' else 'small'", Type::String, "big"},
        {"if false then 1", Type::Number, "<null>"},
        {"if {T.Z} > 1 then 'yes' else 'no'", Type::String, "no"},
        {"{T.Z} + 1", Type::Number, "<null>"},
        {"{T.Z} = 0", Type::Boolean, "<null>"},
        {"'x' & {T.Z} & 'y'", Type::String, "xy"},
        {"true", Type::Boolean, "True"},
        {"null", Type::Null, "<null>"},
        {"", Type::Null, "<null>"},
        {"// a comment\n  3 // and another", Type::Number, "3"},
        {"PageNumber & ' of ' & TotalPageCount()", Type::String, "4 of 9"},
        {"RecordNumber", Type::Number, "17"},
    };
    for (const auto& c : cases) {
        const Result r = run(QString::fromUtf8(c.text));
        EXPECT_EQ(r.shown.toStdString(), c.shown) << c.text;
        if (!r.shown.startsWith(QLatin1String("error"))) {
            EXPECT_EQ(static_cast<int>(r.type), static_cast<int>(c.type)) << c.text;
        }
    }
}

TEST_F(FormulaLanguage, Functions)
{
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"Left('Report', 3)", "Rep"}, {"Right('Report', 4)", "port"}, {"Mid('Report', 3)", "port"},
        {"Mid('Report', 3, 2)", "po"}, {"Len('Report')", "6"}, {"UpperCase('abc')", "ABC"},
        {"LowerCase('AbC')", "abc"}, {"ProperCase('mary o''neil-smith')", "Mary O'neil-Smith"},
        {"Trim('  a b  ')", "a b"}, {"Replace('a-b-c', '-', '+')", "a+b+c"}, {"InStr('abcabc', 'ca')", "3"},
        {"InStr('abc', 'z')", "0"}, {"ToText(1234.5, '#,##0.00')", "1,234.50"}, {"ToText({T.D}, 'yyyy-mm-dd')", "2024-03-15"},
        {"ToText(true)", "True"}, {"ToText({T.Z})", ""}, {"ToNumber('12.75') + 1", "13.75"},
        {"Round(2.345, 2)", "2.35"}, {"Round(-2.5)", "-3"}, {"Round(1.005, 2)", "1.01"},
        {"Truncate(2.349, 2)", "2.34"}, {"Truncate(-7.9)", "-7"}, {"Abs(-4)", "4"},
        {"CurrentDate", "6/30/2025"}, {"Year(CurrentDateTime) * 100 + Month(CurrentDate)", "202506"},
        {"Date(2024, 2, 30)", "3/1/2024"}, {"Date({T.DT})", "3/15/2024"}, {"Year({T.D})", "2024"},
        {"Month({T.D})", "3"}, {"Day({T.D})", "15"}, {"Hour({T.DT}) & ':' & Minute({T.DT}) & ':' & Second({T.DT})", "14:30:5"},
        {"DateAdd('m', 1, #2024-01-31#)", "2/29/2024"}, {"DateDiff('d', #2024-01-01#, {T.D})", "74"},
        {"DateTime(2024, 1, 2, 3, 4, 5)", "1/2/2024 3:04:05 AM"},
        {"IsNull({T.Z}) and not IsNull({T.N})", "True"}, {"Left(if {T.B} then null else 'x', 2)", "<null>"},
        {"Sum({T.N}) + Count({T.S}, {T.S})", "201"}, {"Maximum({T.N})", "100"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(QString::fromUtf8(c.text)).shown.toStdString(), c.shown) << c.text;
    }
}

TEST_F(FormulaLanguage, SummariesAreRegisteredWithTheirGroup)
{
    TestReport r;
    CompileError e;
    auto f = Formula::compile(QStringLiteral("Sum({T.N}) / Average({T.N}, {T.S}) + DistinctCount({T.S})"), r, e);
    ASSERT_TRUE(f) << e.message.toStdString();
    EXPECT_TRUE(f->usesSummaries());
    EXPECT_EQ(r.summaries, (QStringList{QStringLiteral("1 {T.N} 0"), QStringLiteral("3 {T.N} 1"), QStringLiteral("6 {T.S} 0")}));
}

TEST_F(FormulaLanguage, MistakesAreExplainedWithTheirColumn)
{
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"1 + 'a'", "a number is expected here (column 5)"},
        {"'a' - 1", "a number is expected here (column 1)"},
        {"{T.N} * {T.S}", "a number is expected here (column 9)"},
        {"if 1 then 2 else 3", "a boolean is expected here (column 4)"},
        {"if {T.B} then 2 else 'x'", "a number is expected here, like the other branch (column 22)"},
        {"if {T.B} 2", "then is expected here (column 10)"},
        {"{T.S} = 1", "a string is expected here, to compare with the left side (column 9)"},
        {"{T.Nope} + 1", "there is no {T.Nope} (column 1)"},
        {"{@Missing}", "there is no {@Missing} (column 1)"},
        {"{?Q}", "there is no {?Q} (column 1)"},
        {"{T.N", "a closing } is expected for this field (column 1)"},
        {"'open", "this text has no closing ' (column 1)"},
        {"#2024-13-01#", "a date is expected here, written #yyyy-mm-dd# or #yyyy-mm-dd hh:mm:ss# (column 1)"},
        {"Lefty('a', 1)", "Lefty is not a function (column 1)"},
        {"Left('a')", "Left takes 2 arguments here (column 1)"},
        {"Mid('a', 'b')", "a number is expected here (column 10)"},
        {"Year('2024')", "a date is expected here (column 6)"},
        {"Sum({T.S})", "a number is expected here (column 5)"},
        {"Sum({T.N}, {T.N})", "the report has no group on {T.N} (column 12)"},
        {"Sum({?P})", "not a parameter (column 5)"},
        {"(1 + 2", "a closing parenthesis is expected here (column 7)"},
        {"1 2", "an operator or the end of the formula is expected here (column 3)"},
        {"1 +", "the formula ends too early (column 4)"},
        {"3 $ 4", "the character $ is not part of the language (column 3)"},
        {"1 +\n  'x'", "a number is expected here (line 2, column 3)"},
        {"-----------------------------------------------------------------------------------------------------"
         "-----------------------------------------------------------------------------------------------------1",
         "a simpler formula is expected here; it is nested too deeply (column 199)"},
    };
    for (const auto& c : cases) {
        const QString r = run(QString::fromUtf8(c.text)).shown;
        EXPECT_TRUE(r.startsWith(QLatin1String("error: ")) && r.endsWith(QString::fromUtf8(c.error)))
            << c.text << " gave " << r.toStdString();
    }
}

TEST_F(FormulaLanguage, FailuresWhileEvaluatingNameThePlace)
{
    const struct {
        const char* text;
        int offset;
        const char* message;
    } cases[] = {
        {"{T.N} / (2 - 2)", 8, "division by zero"},
        {"5 mod 0", 6, "division by zero (mod)"},
        {"(-8) ^ 0.5", 0, "the power has no real value"},
        {"10 ^ 400", 0, "the result is too large to be a number"},
        {"ToNumber('abc')", 0, "ToNumber: \"abc\" is not a number"},
        {"DateAdd('zz', 1, {T.D})", 0, "DateAdd: "},
        {"Mid('abc', 0)", 0, "Mid: the start must be 1 or more"},
    };
    for (const auto& c : cases) {
        TestReport r;
        CompileError e;
        auto f = Formula::compile(QString::fromUtf8(c.text), r, e);
        ASSERT_TRUE(f) << c.text;
        try {
            f->evaluate(r);
            ADD_FAILURE() << c.text << " did not fail";
        } catch (const EvalError& err) {
            EXPECT_EQ(err.offset(), c.offset) << c.text;
            EXPECT_TRUE(err.message().startsWith(QString::fromUtf8(c.message))) << err.message().toStdString();
        }
    }
}

}  // namespace
