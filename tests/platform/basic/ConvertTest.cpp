// Conversions of variants: the value's type chooses the rule.
#include "platform/basic/BasicError.h"
#include "platform/basic/Clock.h"
#include "platform/basic/Convert.h"
#include "platform/basic/Regional.h"
#include "platform/basic/Variant.h"

#include <gtest/gtest.h>

using namespace orx::basic;

namespace {

QVariant date(int y, int m, int d, int h = 0, int n = 0, int s = 0)
{
    return QVariant(wallClock(QDate(y, m, d), QTime(h, n, s)));
}

int errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const BasicError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(ConvertTest, FormatChoosesTheRuleByValueAndPattern)
{
    struct Case {
        const char* what;
        QVariant value;
        QString pattern;
        QString italian;
        QString us;
    };
    const Case cases[] = {
        {"number, number pattern", 1234.5, QStringLiteral("#,##0.00"), QStringLiteral("1.234,50"), QStringLiteral("1,234.50")},
        {"number, empty pattern", 1234.5, QString(), QStringLiteral("1234,5"), QStringLiteral("1234.5")},
        {"number as a date serial", 36475.5, QStringLiteral("dd/mm/yyyy hh:nn"), QStringLiteral("11/11/1999 12:00"), QStringLiteral("11/11/1999 12:00")},
        {"date as a number", date(1999, 11, 11, 12), QStringLiteral("0.00"), QStringLiteral("36475,50"), QStringLiteral("36475.50")},
        {"date, empty pattern", date(2003, 12, 31), QString(), QStringLiteral("31/12/2003"), QStringLiteral("12/31/2003")},
        {"date and time, named", date(2003, 12, 31, 13, 45), QStringLiteral("Short Time"), QStringLiteral("13:45"), QStringLiteral("13:45")},
        {"numeric text read regionally", QStringLiteral("5555.5"), QStringLiteral("###,###.00"), QStringLiteral("55.555,00"), QStringLiteral("5,555.50")},
        {"date text with a date pattern", QStringLiteral("2003-12-31"), QStringLiteral("yyyy mm dd"), QStringLiteral("2003 12 31"), QStringLiteral("2003 12 31")},
        {"text, no pattern", QStringLiteral("abc"), QString(), QStringLiteral("abc"), QStringLiteral("abc")},
        {"text placeholders", QStringLiteral("ab"), QStringLiteral("(@@@)"), QStringLiteral("( ab)"), QStringLiteral("( ab)")},
        {"text placeholders from the left", QStringLiteral("ab"), QStringLiteral("!(@@@)"), QStringLiteral("(ab )"), QStringLiteral("(ab )")},
        {"text more than placeholders", QStringLiteral("abcd"), QStringLiteral("@-@"), QStringLiteral("abc-d"), QStringLiteral("abc-d")},
        {"text optional placeholders", QStringLiteral("ab"), QStringLiteral("&&&"), QStringLiteral("ab"), QStringLiteral("ab")},
        {"text upper case", QStringLiteral("Mixed"), QStringLiteral(">"), QStringLiteral("MIXED"), QStringLiteral("MIXED")},
        {"boolean, no pattern", true, QString(), QStringLiteral("True"), QStringLiteral("True")},
        {"boolean as a number", true, QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("-1")},
        {"null, four sections", nullVariant(), QStringLiteral("0;-0;\"zero\";\"nothing\""), QStringLiteral("nothing"), QStringLiteral("nothing")},
        {"null, one section", nullVariant(), QStringLiteral("0.00"), QString(), QString()},
        {"empty, no pattern", QVariant(), QString(), QString(), QString()},
        {"empty with a pattern is zero", QVariant(), QStringLiteral("0.0"), QStringLiteral("0,0"), QStringLiteral("0.0")},
    };
    for (const Case& c : cases) {
        {
            ScopedRegional it(RegionalSettings::italian());
            EXPECT_EQ(format(c.value, c.pattern), c.italian) << c.what << " (Italian)";
        }
        {
            ScopedRegional us(RegionalSettings::unitedStates());
            EXPECT_EQ(format(c.value, c.pattern), c.us) << c.what << " (US)";
        }
    }
}

TEST(ConvertTest, ConversionsOfEachType)
{
    ScopedRegional it(RegionalSettings::italian());
    EXPECT_EQ(cstr(true), QStringLiteral("True"));
    EXPECT_EQ(cstr(0.1 + 0.2), QStringLiteral("0,3"));
    EXPECT_EQ(cstr(QVariant::fromValue(Currency::fromRaw(10864292))), QStringLiteral("1086,4292"));
    EXPECT_EQ(cstr(date(2003, 12, 31, 13, 45, 10)), QStringLiteral("31/12/2003 13:45:10"));
    EXPECT_EQ(cstr(QVariant()), QString());
    EXPECT_EQ(cstr(QVariant(QDate(2003, 12, 31))), QStringLiteral("31/12/2003"));

    EXPECT_EQ(cdbl(QStringLiteral("1.5")), 15.0) << "the thousands separator is not position-checked";
    EXPECT_EQ(cdbl(QStringLiteral("1,5")), 1.5);
    EXPECT_EQ(cdbl(true), -1.0);
    EXPECT_EQ(cdbl(date(1899, 12, 30, 6)), 0.25);
    EXPECT_EQ(cdbl(QVariant()), 0.0);
    EXPECT_EQ(cint(QVariant(2.5)), 2);
    EXPECT_EQ(cint(QStringLiteral("3,5")), 4);
    EXPECT_EQ(clng(QVariant(-2.5)), -2);
    EXPECT_EQ(ccur(QStringLiteral("1086,429176")).raw(), 10864292);
    EXPECT_EQ(cdate(QStringLiteral("31/12/2003")), date(2003, 12, 31).toDateTime());
    EXPECT_EQ(cdate(36475.25), date(1999, 11, 11, 6).toDateTime());
    EXPECT_EQ(cdate(QStringLiteral("36475")), date(1999, 11, 11).toDateTime());
    EXPECT_TRUE(cbool(QStringLiteral("tRUE")));
    EXPECT_FALSE(cbool(QStringLiteral("0")));
    EXPECT_TRUE(cbool(QVariant(0.5)));

    struct Failure {
        const char* what;
        std::function<void()> call;
        int number;
    };
    const Failure failures[] = {
        {"CStr of Null", [] { cstr(nullVariant()); }, err::InvalidUseOfNull},
        {"CDbl of text", [] { cdbl(QStringLiteral("abc")); }, err::TypeMismatch},
        {"CDbl of Null", [] { cdbl(nullVariant()); }, err::InvalidUseOfNull},
        {"CInt overflow", [] { cint(QVariant(40000)); }, err::Overflow},
        {"CLng overflow", [] { clng(QVariant(3e9)); }, err::Overflow},
        {"CDate of text", [] { cdate(QStringLiteral("31/02/2020")); }, err::TypeMismatch},
        {"CBool of text", [] { cbool(QStringLiteral("yes")); }, err::TypeMismatch},
        {"CCur overflow", [] { ccur(1e300); }, err::Overflow},
    };
    for (const Failure& f : failures)
        EXPECT_EQ(errorOf(f.call), f.number) << f.what;
}

TEST(ConvertTest, NumericAndDateTestsByType)
{
    ScopedRegional us(RegionalSettings::unitedStates());
    struct Case {
        const char* what;
        QVariant value;
        bool numeric;
        bool isDateValue;
    };
    const Case cases[] = {
        {"Empty", QVariant(), true, false},
        {"Null", nullVariant(), false, false},
        {"a number", 12.5, true, false},
        {"a boolean", false, true, false},
        {"a date", date(2003, 12, 31), false, true},
        {"numeric text", QStringLiteral("$1,000"), true, false},
        {"text with words", QStringLiteral("45 Help"), false, false},
        {"date text", QStringLiteral("12/31/2003"), false, true},
        {"a time with a period", QStringLiteral("2.5"), true, true},
        {"impossible date", QStringLiteral("2/31/2020"), false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isNumeric(c.value), c.numeric) << c.what;
        EXPECT_EQ(isDate(c.value), c.isDateValue) << c.what;
    }
}
