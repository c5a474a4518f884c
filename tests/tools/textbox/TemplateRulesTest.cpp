// The template table, separators, layouts, display and the raw and bound
// forms, under Italian and US settings.
#include "platform/basic/Regional.h"
#include "tools/textbox/Templates.h"

#include <gtest/gtest.h>

using namespace orx::tools::textbox;
using orx::basic::RegionalSettings;
using orx::basic::ScopedRegional;

namespace {

struct Region {
    const char* name;
    RegionalSettings (*settings)();
};
const Region kRegions[] = {{"IT", &RegionalSettings::italian}, {"US", &RegionalSettings::unitedStates}};

}  // namespace

TEST(TextBoxTemplates, SeparatorsAreReadByFormattingKnownValues)
{
    struct Case {
        RegionalSettings settings;
        Separators expected;
    };
    RegionalSettings odd = RegionalSettings::italian();
    odd.dateSeparator = "-";
    odd.shortDatePattern = "dd-MM-yyyy";
    odd.timeSeparator = ".";
    const Case cases[] = {
        {RegionalSettings::italian(), {",", ".", "/", ":"}},
        {RegionalSettings::unitedStates(), {".", ",", "/", ":"}},
        {odd, {",", ".", "-", "."}},
    };
    for (const Case& c : cases) {
        ScopedRegional r(c.settings);
        const Separators s = Separators::read();
        EXPECT_EQ(s.decimal, c.expected.decimal);
        EXPECT_EQ(s.thousands, c.expected.thousands);
        EXPECT_EQ(s.date, c.expected.date);
        EXPECT_EQ(s.time, c.expected.time);
    }
}

TEST(TextBoxTemplates, EachTemplateSetsItsRow)
{
    const Separators it{",", ".", "/", ":"};
    const Separators dash{".", ",", "-", "."};
    struct Case {
        int templ;
        Separators seps;
        QString layout;
        int editLength;
        int characters;
        QString table;
        int alignment;
        int spinDate, spinTime;
        QString nullText;
    };
    const Case cases[] = {
        {tpl::String, it, "", 0, 1, "", 0, 0, 0, ""},
        {tpl::Numeric, it, "#,##0;-#,##0", 5, 24, ",-.", 1, 0, 0, "0"},
        {tpl::Numeric, dash, "#,##0;-#,##0", 5, 24, ".-.", 1, 0, 0, "0"},
        {tpl::Currency, it, "#,##0;-#,##0", 15, 24, ",-.", 1, 0, 0, "0"},
        {tpl::Percent, it, "#,##0.00%;-#,##0.00%", 9, 24, ",%-", 1, 0, 0, "0"},
        {tpl::DayMonthYear, it, "dd/mm/yyyy", 10, 24, "/", 2, 1, 0, "01/01/1900"},
        {tpl::MonthDayYear, dash, "mm-dd-yyyy", 10, 24, "-", 2, 1, 0, "01/01/1900"},
        {tpl::YearMonthDay, it, "yyyy/mm/dd", 10, 24, "/", 2, 1, 0, "1900/01/01"},
        {tpl::DayMonth, it, "dd/mm", 5, 24, "/", 2, 1, 0, "01/01"},
        {tpl::MonthDay, it, "mm/dd", 5, 24, "/", 2, 1, 0, "01/01"},
        {tpl::MonthYear, it, "mm/yyyy", 7, 24, "/", 2, 3, 0, "01/1900"},
        {tpl::YearMonth, dash, "yyyy-mm", 7, 24, "-", 2, 3, 0, "1900/01"},
        {tpl::HourMinute, dash, "hh.nn", 5, 24, ".", 2, 0, 2, "00:00"},
        {tpl::HourMinuteSeconds, it, "hh:nn:ss", 8, 24, ":", 2, 0, 1, "00:00:00"},
    };
    for (const Case& c : cases) {
        const TemplateDefaults d = templateDefaults(c.templ, c.seps);
        EXPECT_EQ(d.layout, c.layout) << c.templ;
        EXPECT_EQ(d.fixedEditLength.value_or(maxLengthFromLayout(d.layout, 0)), c.editLength) << c.templ;
        EXPECT_EQ(d.characters, c.characters) << c.templ;
        EXPECT_EQ(d.characterTable, c.table) << c.templ;
        EXPECT_EQ(d.alignment, c.alignment) << c.templ;
        EXPECT_EQ(d.spinDateType, c.spinDate) << c.templ;
        EXPECT_EQ(d.spinTimeType, c.spinTime) << c.templ;
        EXPECT_EQ(d.nullText, c.nullText) << c.templ;
    }
}

TEST(TextBoxTemplates, SampleAndClearValuesFollowTheClock)
{
    const QDateTime now(QDate(2010, 6, 5), QTime(9, 7, 3), Qt::UTC);
    struct Case {
        int templ;
        QString sample;
        QString clear;
    };
    const Case cases[] = {
        {tpl::String, "", ""},
        {tpl::Numeric, "12345", "0"},
        {tpl::Currency, "12345", "0"},
        {tpl::Percent, "50%", "0"},
        {tpl::DayMonthYear, "05/06/2010", "05/06/2010"},
        {tpl::MonthDayYear, "06/05/2010", "06/05/2010"},
        {tpl::YearMonthDay, "2010/06/05", "2010/06/05"},
        {tpl::DayMonth, "05/06", "05/06"},
        {tpl::MonthDay, "06/05", "06/05"},
        {tpl::MonthYear, "06/2010", "06/2010"},
        {tpl::YearMonth, "2010/06", "2010/06"},
        {tpl::HourMinute, "09:07", "09:07"},
        {tpl::HourMinuteSeconds, "09:07:03", "09:07:03"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sampleText(c.templ, now), c.sample) << c.templ;
        EXPECT_EQ(clearValue(c.templ, now), c.clear) << c.templ;
    }
}

TEST(TextBoxTemplates, MaxLengthFromLayout)
{
    struct Case {
        QString layout;
        int start;
        int expected;
    };
    const Case cases[] = {
        {"", 7, 7},
        {"#,##0;-#,##0", 0, 5},
        {"#,##0.00%;-#,##0.00%", 0, 9},
        {"dd/mm/yyyy", 0, 10},
        {"#,###,###", 0, 7},
        {"0;-#,##0.00", 0, 8},
        {"0.0;", 3, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(maxLengthFromLayout(c.layout, c.start), c.expected) << c.layout.toStdString();
}

TEST(TextBoxTemplates, PercentLayoutKeepsOnePercentPerSection)
{
    struct Case {
        QString pattern;
        QString stored;
    };
    const Case cases[] = {
        {"0.0%", "0.0%"},
        {"0.0", "0.0%"},
        {"%0%.0%", "0.0%"},
        {" #,##0.00 ", "#,##0.00%"},
        {"#,##0.00%;-#,##0.00%", "#,##0.00%;-#,##0.00%"},
        {"0.0;-0.0", "0.0%;-0.0%"},
        {"", "%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(percentLayout(c.pattern), c.stored) << c.pattern.toStdString();
}

TEST(TextBoxTemplates, DisplayFormatsEachTemplate)
{
    struct Case {
        int templ;
        QString text;
        QString layout;
        QString it, us;
    };
    const Case cases[] = {
        {tpl::Numeric, "1234", "#,##0;-#,##0", "1.234", "1,234"},
        {tpl::Numeric, "-1234", "#,##0;-#,##0", "-1.234", "-1,234"},
        {tpl::Numeric, "12", "#,##0.", "12", "12"},
        {tpl::Numeric, "abc", "", "abc", "abc"},
        {tpl::Currency, "1234", "#,##0.00", "1.234,00", "1,234.00"},
        {tpl::Currency, "abc", "#,##0", "0", "0"},
        {tpl::Percent, "50%", "#,##0.00%;-#,##0.00%", "50,00%", "50.00%"},
        {tpl::Percent, "7%", "0.%", "7%", "7%"},
        {tpl::DayMonthYear, "31/12/2003", "dd/mm/yyyy", "31/12/2003", "31/12/2003"},
        {tpl::MonthDayYear, "12/31/2003", "mm/dd/yyyy", "12/31/2003", "12/31/2003"},
        {tpl::YearMonthDay, "2003/12/31", "yyyy-mm-dd", "2003-12-31", "2003-12-31"},
        {tpl::DayMonth, "29/02", "dd/mm", "29/02", "29/02"},
        {tpl::MonthDay, "02/29", "mm/dd", "02/29", "02/29"},
        {tpl::MonthYear, "07/2003", "mm/yyyy", "07/2003", "07/2003"},
        {tpl::YearMonth, "2003/07", "yyyy/mm", "2003/07", "2003/07"},
        {tpl::HourMinute, "09:05", "hh:nn", "09:05", "09:05"},
        {tpl::HourMinuteSeconds, "23:59:58", "hh:nn:ss", "23:59:58", "23:59:58"},
        {tpl::String, "abc", "", "abc", "abc"},
        {tpl::String, "abc", ">", "ABC", "ABC"},
    };
    for (const Region& r : kRegions) {
        ScopedRegional scoped(r.settings());
        const Separators seps = Separators::read();
        for (const Case& c : cases)
            EXPECT_EQ(displayText(c.templ, c.text, c.layout, seps), QString(r.name) == "IT" ? c.it : c.us)
                << r.name << " " << c.templ << " " << c.text.toStdString();
    }
}

TEST(TextBoxTemplates, RawTextOfEachTemplate)
{
    const qint64 to1900 = QDate(100, 1, 1).daysTo(QDate(1900, 1, 1));
    struct Case {
        int templ;
        QString value;
        QString table;
        QVariant raw;
    };
    const Case cases[] = {
        {tpl::DayMonthYear, "01/01/1900", "/", int(to1900)},
        {tpl::MonthDayYear, "01/02/1900", "/", int(to1900 + 1)},
        {tpl::YearMonthDay, "1900/01/03", "/", int(to1900 + 2)},
        {tpl::MonthYear, "01/1900", "/", int(to1900)},
        {tpl::YearMonth, "1900/02", "/", int(to1900 + 31)},
        {tpl::HourMinute, "01:02", ":", 3720},
        {tpl::HourMinuteSeconds, "01:02:05", ":", 3725},
        {tpl::Numeric, "1234,5", ",-.", "1234,5"},
        {tpl::String, "a-b-c", "-", "abc"},
        {tpl::DayMonth, "31/12", "/", "3112"},
        {tpl::MonthDay, "12/31", "/", "1231"},
        {tpl::String, "a-b", "", "a-b"},
        {tpl::DayMonthYear, "", "/", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rawTextOf(c.templ, c.value, c.table), c.raw) << c.templ << " " << c.value.toStdString();
}

TEST(TextBoxTemplates, RawTextConvertsBackToTheInternalForm)
{
    const double to1900 = double(QDate(100, 1, 1).daysTo(QDate(1900, 1, 1)));
    struct Case {
        int templ;
        double raw;
        std::optional<QString> text;
    };
    const Case cases[] = {
        {tpl::DayMonthYear, to1900, "01/01/1900"},
        {tpl::MonthDayYear, to1900 + 40, "02/10/1900"},
        {tpl::YearMonthDay, to1900 + 40, "1900/02/10"},
        {tpl::MonthYear, to1900 + 40, "02/1900"},
        {tpl::YearMonth, to1900 + 40, "1900/02"},
        {tpl::HourMinuteSeconds, 3725, "01:02:05"},
        {tpl::HourMinute, 3725, "01:02"},
        {tpl::Numeric, 5, std::nullopt},
        {tpl::String, 5, std::nullopt},
        {tpl::DayMonth, 5, std::nullopt},
        {tpl::DayMonthYear, -1, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textFromRaw(c.templ, c.raw), c.text) << c.templ << " " << c.raw;
}

TEST(TextBoxTemplates, BoundTextOfPercentIsTheFraction)
{
    struct Case {
        int templ;
        QString value;
        QString it, us;
    };
    const Case cases[] = {
        {tpl::Percent, "50%", "0,5", "0.5"},
        {tpl::Percent, "", "", ""},
        {tpl::Percent, "x%", "x%", "x%"},
        {tpl::Numeric, "12", "12", "12"},
        {tpl::DayMonthYear, "31/12/2003", "31/12/2003", "31/12/2003"},
    };
    for (const Region& r : kRegions) {
        ScopedRegional scoped(r.settings());
        for (const Case& c : cases) {
            QString value = c.value;
            if (QString(r.name) == "US")
                value.replace(',', '.');
            EXPECT_EQ(boundTextOf(c.templ, value), QString(r.name) == "IT" ? c.it : c.us) << r.name;
        }
    }
}
