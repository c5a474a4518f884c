#include "platform/basic/BasicError.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Regional.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace orx::basic;

namespace {

// Expected text under United States and Italian settings.
struct FormatCase {
    double value;
    const char* pattern;
    const char* us;
    const char* it;
};

const FormatCase kFormatCases[] = {
    {1000, "#,###", "1,000", "1.000"}, {0, "#,###", "", ""}, {0, "#", "", ""}, {1, "#.#", "1.", "1,"},
    {123456789, "#,#.#", "123,456,789.", "123.456.789,"}, {0, "#.#", ".", ","}, {0.0049, "#.##", ".", ","},
    {0.1, ".", ".", ","}, {0.17, "#.00", ".17", ",17"}, {4711, "#0", "4711", "4711"},
    {100000, "#,###,###,###", "100,000", "100.000"}, {5, "0,000", "0,005", "0.005"},
    {1e20, "#,##0", "100,000,000,000,000,000,000", "100.000.000.000.000.000.000"}, {100000000, "##0,,", "100", "100"},
    {1234567, "#,##0,", "1,235", "1.235"}, {5, "0.00%", "500.00%", "500,00%"},
    {1, "00\\c\\o\\p\\y", "01copy", "01copy"}, {1234, "$#,##0", "$1,234", "$1.234"},
    {5, "\"Total: \"0 kg", "Total: 5 kg", "Total: 5 kg"}, {12345, "00-00", "123-45", "123-45"},
    {5, "(00)", "(05)", "(05)"}, {-1, "#;-#", "-1", "-1"}, {-1234.5, "$#,##0;($#,##0)", "($1,235)", "($1.235)"},
    {-1.57, "0.00", "-1.57", "-1,57"}, {-0.1, ".#", "-.1", "-,1"}, {-0.001, "0.00", "0.00", "0,00"},
    {0, "0;-0;\"zero\"", "zero", "zero"}, {0, "0.0;-0.0", "0.0", "0,0"}, {-5, "0;;\"zero\"", "-5", "-5"},
    {5, ";(0)", "5", "5"}, {1.7, "#0", "2", "2"}, {9.9999999, "#0.000000", "10.000000", "10,000000"},
    {0.5, "0", "1", "1"}, {2.5, "0", "3", "3"}, {-2.5, "0", "-3", "-3"}, {1.005, "0.00", "1.01", "1,01"},
    {1234.5678, "#,##0.00", "1,234.57", "1.234,57"}, {0.05, ".#0", ".05", ",05"},
    {12345, "0.00E+00", "1.23E+04", "1,23E+04"}, {99999, "0.00E+00", "1.00E+05", "1,00E+05"},
    {0.00012345, "0.00e-00", "1.23e-04", "1,23e-04"}, {12345, "0.0E-0", "1.2E4", "1,2E4"},
    {12345, "00.0E+00", "12.3E+03", "12,3E+03"}, {1234, ",#", ",1234", ",1234"}, {1.25, "0.0,0", "1.25", "1,25"},
    {0, "0.0E+00", "0.0E+00", "0,0E+00"}, {5, "", "5", "5"}, {-1.5, "", "-1.5", "-1,5"},
    {1234.5, "General Number", "1234.5", "1234,5"}, {1234.5, "Currency", "$1,234.50", "1.234,50 \u20AC"},
    {-1234.5, "currency", "-$1,234.50", "-1.234,50 \u20AC"}, {1234.5, "Fixed", "1234.50", "1234,50"},
    {1234.5, "Standard", "1,234.50", "1.234,50"}, {0.125, "Percent", "12.50%", "12,50%"},
    {1234.5, "Scientific", "1.23E+03", "1,23E+03"}, {0, "Yes/No", "No", "No"}, {-1, "YES/NO", "Yes", "Yes"},
    {2, "True/False", "True", "True"}, {0, "on/off", "Off", "Off"},
};

struct Locale {
    const char* name;
    RegionalSettings settings;
};

const Locale kLocales[] = {{"US", RegionalSettings::unitedStates()}, {"IT", RegionalSettings::italian()}};

}  // namespace

TEST(NumberFormat, PatternsUnderBothLocales)
{
    for (const Locale& locale : kLocales) {
        ScopedRegional scope(locale.settings);
        const bool us = locale.settings.decimalSeparator == QLatin1String(".");
        for (const FormatCase& c : kFormatCases) {
            SCOPED_TRACE(std::string(locale.name) + " " + c.pattern + " value " + std::to_string(c.value));
            EXPECT_EQ(formatNumber(c.value, QString::fromUtf8(c.pattern)), QString::fromUtf8(us ? c.us : c.it));
        }
    }
}

TEST(NumberFormat, DateAndTimeSeparatorsComeFromTheSettings)
{
    RegionalSettings settings = RegionalSettings::italian();
    settings.dateSeparator = QStringLiteral("-");
    settings.timeSeparator = QStringLiteral(".");
    ScopedRegional scope(settings);
    EXPECT_EQ(formatNumber(311299, QStringLiteral("00/00/00")), QStringLiteral("31-12-99"));
    EXPECT_EQ(formatNumber(1230, QStringLiteral("00:00")), QStringLiteral("12.30"));
    EXPECT_EQ(formatNumber(1230, QStringLiteral("00\\:00")), QStringLiteral("12:30"));
}

TEST(NumberFormat, NullSection)
{
    const struct {
        const char* pattern;
        const char* text;
    } cases[] = {
        {"0;-0;0;\"Null\"", "Null"}, {"#;#;#;\\N\\/\\A", "N/A"}, {"0;-0;\"a;b\"", ""},
        {"0;-0;0;\"x\";\"fifth\"", "x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNullWithPattern(QString::fromUtf8(c.pattern)), QString::fromUtf8(c.text)) << c.pattern;
}

TEST(NumberFormat, GeneralTextOfDoublesAndSingles)
{
    const struct {
        double value;
        bool single;
        const char* us;
        const char* it;
    } cases[] = {
        {0.1 + 0.2, false, "0.3", "0,3"}, {123456, false, "123456", "123456"},
        {1.0 / 3, false, "0.333333333333333", "0,333333333333333"},
        {2.0 / 3, false, "0.666666666666667", "0,666666666666667"},
        {999999999999999, false, "999999999999999", "999999999999999"}, {999999999999999.9, false, "1E+15", "1E+15"},
        {123456789012345678.0, false, "1.23456789012346E+17", "1,23456789012346E+17"},
        {1e100, false, "1E+100", "1E+100"}, {0.0001, false, "0.0001", "0,0001"}, {0.00001, false, "1E-05", "1E-05"},
        {-0.000012345, false, "-1.2345E-05", "-1,2345E-05"}, {-0.0, false, "0", "0"}, {1.1f, true, "1.1", "1,1"},
        {1234567, true, "1234567", "1234567"}, {1e7, true, "1E+07", "1E+07"},
        {1.0f / 3, true, "0.3333333", "0,3333333"},
    };
    for (const Locale& locale : kLocales) {
        ScopedRegional scope(locale.settings);
        const bool us = locale.settings.decimalSeparator == QLatin1String(".");
        for (const auto& c : cases) {
            const QString text = c.single ? singleToString(static_cast<float>(c.value)) : numberToString(c.value);
            EXPECT_EQ(text, QString::fromUtf8(us ? c.us : c.it)) << locale.name << " " << c.us;
        }
    }
}

TEST(NumberFormat, StrAlwaysUsesThePoint)
{
    ScopedRegional scope(RegionalSettings::italian());
    const struct {
        double value;
        const char* text;
    } cases[] = {{459, " 459"},     {-459.65, "-459.65"}, {0.5, " .5"},     {0.24, " .24"},
                 {-0.5, "-.5"},     {0, " 0"},            {1e15, " 1E+15"}, {1.5, " 1.5"},
                 {-1.25, "-1.25"},  {1e-5, " 1E-05"},     {0.0001, " .0001"}};
    for (const auto& c : cases)
        EXPECT_EQ(strText(c.value), QString::fromUtf8(c.text));
    // CStr keeps the zero Str drops.
    EXPECT_EQ(numberToString(0.24), QStringLiteral("0,24"));
}

TEST(NumberFormat, NonFiniteValuesOverflow)
{
    for (double v : {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        for (auto call : {+[](double x) { formatNumber(x, QStringLiteral("0")); }, +[](double x) { numberToString(x); }}) {
            try {
                call(v);
                ADD_FAILURE() << "no error for " << v;
            } catch (const BasicError& e) {
                EXPECT_EQ(e.number(), err::Overflow);
            }
        }
    }
}
