// Errors, variants, regional settings, strings and the clock.
#include "platform/basic/BasicError.h"
#include "platform/basic/Clock.h"
#include "platform/basic/Regional.h"
#include "platform/basic/Strings.h"
#include "platform/basic/Variant.h"

#include <gtest/gtest.h>

using namespace orx::basic;

TEST(BasicErrorTest, NumbersSourcesAndDescriptions)
{
    EXPECT_EQ(objectError(1), -2147221503);
    EXPECT_EQ(objectError(2), -2147221502);

    struct Case { int number; QString description; QString expected; };
    const Case cases[] = {
        {err::GetNotSupportedAtRuntime, {}, QStringLiteral("Property cannot be read at run time")},
        {err::TypeMismatch, {}, QStringLiteral("Type mismatch")},
        {err::Overflow, {}, QStringLiteral("Overflow")},
        {err::SubscriptOutOfRange, {}, QStringLiteral("Subscript out of range")},
        {objectError(7), {}, QStringLiteral("Application-defined or object-defined error")},
        {objectError(7), QStringLiteral("Currency not found"), QStringLiteral("Currency not found")},
    };
    for (const Case& c : cases) {
        try {
            raiseError(c.number, QStringLiteral("ORXCurrency.Name"), c.description);
            ADD_FAILURE() << "no error raised for " << c.number;
        } catch (const BasicError& e) {
            EXPECT_EQ(e.number(), c.number);
            EXPECT_EQ(e.source(), QStringLiteral("ORXCurrency.Name"));
            EXPECT_EQ(e.description(), c.expected);
        }
    }
}

TEST(VariantTest, EmptyNullAndMissingAreDistinct)
{
    const QVariant values[] = {emptyVariant(), nullVariant(), missingVariant(), QVariant(QString())};
    const bool expectEmpty[] = {true, false, false, false};
    const bool expectNull[] = {false, true, false, false};
    const bool expectMissing[] = {false, false, true, false};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(isEmpty(values[i]), expectEmpty[i]) << i;
        EXPECT_EQ(isNull(values[i]), expectNull[i]) << i;
        EXPECT_EQ(isMissing(values[i]), expectMissing[i]) << i;
    }
    EXPECT_EQ(toVBool(true), -1);
    EXPECT_EQ(toVBool(false), 0);
    EXPECT_TRUE(fromVBool(1));
}

TEST(RegionalTest, LocalesGiveTheDesktopSettings)
{
    struct Case {
        QLocale locale;
        QString decimal, thousands, date, shortDate, formatPattern;
        DateOrder order;
    };
    const Case cases[] = {
        {QLocale(QLocale::Italian, QLocale::Italy), ",", ".", "/", "dd/MM/yyyy", "dd/mm/yyyy", DateOrder::DayMonthYear},
        {QLocale(QLocale::English, QLocale::UnitedStates), ".", ",", "/", "M/d/yyyy", "m/d/yyyy", DateOrder::MonthDayYear},
        {QLocale(QLocale::German, QLocale::Germany), ",", ".", ".", "dd.MM.yyyy", "dd/mm/yyyy", DateOrder::DayMonthYear},
        {QLocale(QLocale::Swedish, QLocale::Sweden), ",", "\u00A0", "-", "yyyy-MM-dd", "yyyy/mm/dd", DateOrder::YearMonthDay},
    };
    for (const Case& c : cases) {
        const RegionalSettings s = RegionalSettings::fromLocale(c.locale);
        SCOPED_TRACE(c.locale.name().toStdString());
        EXPECT_EQ(s.decimalSeparator, c.decimal);
        EXPECT_EQ(s.thousandsSeparator, c.thousands);
        EXPECT_EQ(s.dateSeparator, c.date);
        EXPECT_EQ(s.shortDatePattern, c.shortDate);
        EXPECT_EQ(s.shortDateFormatPattern(), c.formatPattern);
        EXPECT_EQ(s.dateOrder, c.order);
        EXPECT_EQ(s.timeSeparator, QStringLiteral(":"));
        EXPECT_EQ(s.monthNames.size(), 12);
        EXPECT_EQ(s.dayNames.size(), 7);
    }
    const RegionalSettings it = RegionalSettings::italian();
    EXPECT_EQ(it.currencySymbol, QStringLiteral("\u20AC"));
    EXPECT_EQ(it.currencyDigits, 2);
    EXPECT_EQ(it.monthNames.first(), QStringLiteral("gennaio"));
    EXPECT_EQ(RegionalSettings::unitedStates().dayNames.first(), QStringLiteral("Sunday"));
}

TEST(RegionalTest, ThePosixLocaleGivesTheUnitedStatesSet)
{
    if (QLocale::system().language() != QLocale::C)
        GTEST_SKIP() << "the process locale is not C (LANG/LC_ALL name another)";
    const RegionalSettings s = RegionalSettings::system();
    EXPECT_EQ(s.shortDatePattern, QStringLiteral("M/d/yyyy"));
    EXPECT_EQ(s.dateSeparator, QStringLiteral("/"));
}

TEST(RegionalTest, ScopedSettingsAreRestored)
{
    const QString before = regional().decimalSeparator;
    {
        ScopedRegional it(RegionalSettings::italian());
        EXPECT_EQ(regional().decimalSeparator, QStringLiteral(","));
        {
            ScopedRegional us(RegionalSettings::unitedStates());
            EXPECT_EQ(regional().decimalSeparator, QStringLiteral("."));
        }
        EXPECT_EQ(regional().decimalSeparator, QStringLiteral(","));
    }
    EXPECT_EQ(regional().decimalSeparator, before);
}

TEST(StringsTest, ClassicTrimMidAndBinaryOrder)
{
    EXPECT_EQ(trimSpaces(QStringLiteral("  a b \t ")), QStringLiteral("a b \t"));
    EXPECT_EQ(trimSpaces(QStringLiteral("\tx")), QStringLiteral("\tx"));
    EXPECT_TRUE(isBlank(QStringLiteral("   ")));
    EXPECT_FALSE(isBlank(QStringLiteral(" \t ")));

    EXPECT_EQ(mid(QStringLiteral("abcdef"), 2, 3), QStringLiteral("bcd"));
    EXPECT_EQ(mid(QStringLiteral("abcdef"), 5, 10), QStringLiteral("ef"));
    EXPECT_EQ(mid(QStringLiteral("abcdef"), 7), QString());
    EXPECT_THROW(mid(QStringLiteral("abc"), 0), BasicError);

    EXPECT_LT(compareBinary(QStringLiteral("A"), QStringLiteral("Z")), 0);
    EXPECT_LT(compareBinary(QStringLiteral("Z"), QStringLiteral("a")), 0);
    EXPECT_EQ(compareBinary(QStringLiteral("abc"), QStringLiteral("abc")), 0);
    EXPECT_GT(compareBinary(QStringLiteral("b"), QStringLiteral("abc")), 0);
}

TEST(ClockTest, FixedClockAndRestore)
{
    const QDateTime fixed = wallClock(QDate(2003, 12, 31), QTime(23, 59, 58));
    {
        ScopedClock clock(fixed);
        EXPECT_EQ(Clock::now(), fixed);
        EXPECT_EQ(Clock::today(), QDate(2003, 12, 31));
    }
    EXPECT_NE(Clock::today(), QDate(2003, 12, 31));
    EXPECT_EQ(Clock::now().timeSpec(), Qt::UTC);
}
