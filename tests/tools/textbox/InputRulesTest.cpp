// Key filter, ProperCase, expansions, validity, limits and the range check.
#include "platform/basic/Regional.h"
#include "tools/textbox/InputRules.h"
#include "tools/textbox/KeyFilter.h"

#include <gtest/gtest.h>

using namespace orx::tools::textbox;
using orx::basic::RegionalSettings;
using orx::basic::ScopedRegional;

namespace {
struct Region {
    const char* name;
    RegionalSettings (*settings)();
    bool italian() const { return QString(name) == "IT"; }
};
const Region kRegions[] = {{"IT", &RegionalSettings::italian}, {"US", &RegionalSettings::unitedStates}};
}  // namespace

TEST(TextBoxKeys, FilterKeyAppliesEveryFlag)
{
    struct Case {
        const char* name;
        int characters;
        QString table;
        char typed;
        int expected;  // 0: refused
    };
    const Case cases[] = {
        {"all takes anything", kb::Ok_All, "", '#', '#'},
        {"all refuses the table with No_TabChars", kb::Ok_All + kb::No_TabChars, "#", '#', 0},
        {"all keeps the table without No_TabChars", kb::Ok_All, "#", '#', '#'},
        {"all refuses a table letter with No_TabChars", kb::Ok_All + kb::No_TabChars, "x", 'x', 0},
        {"alpha takes letters", kb::Ok_Alpha, "", 'q', 'q'},
        {"alpha refuses digits", kb::Ok_Alpha, "", '5', 0},
        {"alpha refuses space", kb::Ok_Alpha, "", ' ', 0},
        {"space flag takes space", kb::Ok_Space, "", ' ', ' '},
        {"numeric takes digits", kb::Ok_Numeric, "", '7', '7'},
        {"numeric refuses letters", kb::Ok_Numeric, "", 'a', 0},
        {"numeric refuses punctuation", kb::Ok_Numeric, "", ',', 0},
        {"table characters pass", kb::Ok_Numeric + kb::Ok_TabChars, ",-.", ',', ','},
        {"table characters pass without the table flag", kb::Ok_Numeric, "-", '-', '-'},
        {"backspace always passes", kb::Ok_Numeric, "", 8, 8},
        {"control keys are refused", kb::Ok_Numeric + kb::Ok_Alpha, "", 3, 0},
        {"control keys in the table pass", kb::Ok_Numeric, QString(QChar(22)), 22, 22},
        {"upper case", kb::Ok_Alpha + kb::Set_Ucase, "", 'b', 'B'},
        {"lower case", kb::Ok_Alpha + kb::Set_Lcase, "", 'B', 'b'},
        {"both cases leave it", kb::Ok_Alpha + kb::Set_Ucase + kb::Set_Lcase, "", 'b', 'b'},
        {"upper with all", kb::Ok_All + kb::Set_Ucase, "", 'z', 'Z'},
        {"upper leaves digits", kb::Ok_Numeric + kb::Set_Ucase, "", '4', '4'},
        {"password field", kb::Ok_Alpha + kb::Ok_Numeric + kb::Set_Ucase, "", 'k', 'K'},
        {"password field refuses punctuation", kb::Ok_Alpha + kb::Ok_Numeric + kb::Set_Ucase, "", '!', 0},
        {"accented letters are not letters", kb::Ok_Alpha, "", char(0), 0},
    };
    for (const Case& c : cases) {
        const FilterResult r = filterKey(c.typed, c.characters, c.table);
        EXPECT_EQ(r.keyAscii, c.expected) << c.name;
        EXPECT_EQ(r.rejected, c.expected == 0) << c.name;
    }
    EXPECT_TRUE(filterKey(0xE8, kb::Ok_Alpha, "").rejected);  // è
    EXPECT_FALSE(filterKey(0xE8, kb::Ok_All, "").rejected);
}

TEST(TextBoxKeys, TemplateKeyForThePoint)
{
    const Separators it{",", ".", "/", ":"};
    const Separators us{".", ",", "/", ":"};
    struct Case {
        int templ;
        Separators seps;
        int typed;
        int expected;
    };
    const Case cases[] = {
        {tpl::Numeric, it, '.', 0},
        {tpl::Currency, it, '.', ','},
        {tpl::Numeric, us, '.', '.'},  // the decimal point itself must stay typeable
        {tpl::Currency, us, '.', '.'},
        {tpl::Percent, it, '.', '.'},
        {tpl::String, it, '.', '.'},
        {tpl::Numeric, it, ',', ','},
    };
    for (const Case& c : cases)
        EXPECT_EQ(templateKey(c.templ, c.typed, c.seps), c.expected) << c.templ << " " << char(c.typed);
}

TEST(TextBoxKeys, ProperCase)
{
    struct Case {
        QString in, out;
    };
    const Case cases[] = {
        {"", ""},
        {"via roma e milano", "Via Roma e Milano"},
        {"(test) x", "(Test) x"},
        {"MacDonald", "MacDonald"},
        {"mario ROSSI", "Mario ROSSI"},
        {"a", "a"},
        {"ab", "Ab"},
        {"x [y] {zeta}", "X [y] {Zeta}"},
        {"l'aquila", "L'aquila"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(properCase(c.in), c.out) << c.in.toStdString();
}

TEST(TextBoxKeys, CharactersAndCharacterTableSetters)
{
    const Separators it{",", ".", "/", ":"};
    const Separators us{".", ",", "/", ":"};
    struct Case {
        int templ;
        Separators seps;
        int value;
        bool accepted;
        QString table;
    };
    const Case cases[] = {
        {tpl::Numeric, it, 3, false, ",-."},
        {tpl::Numeric, it, 8, true, ""},
        {tpl::Numeric, it, 24, true, ",-."},
        {tpl::Currency, us, 24, true, ".-."},
        {tpl::Percent, it, 8, false, ",%-"},
        {tpl::DayMonthYear, it, 1, false, "/"},
        {tpl::String, it, 3, true, ""},
        {tpl::String, it, 1 + 256, true, ",%-"},
    };
    for (const Case& c : cases) {
        const QString current = c.templ == tpl::String ? QString(",%-") : templateDefaults(c.templ, c.seps).characterTable;
        const CharactersChange ch = charactersChange(c.templ, c.value, current, c.seps);
        EXPECT_EQ(ch.accepted, c.accepted) << c.templ << " " << c.value;
        if (ch.accepted) {
            EXPECT_EQ(ch.table, c.table) << c.templ << " " << c.value;
        }
    }
    struct TableCase {
        int templ;
        Separators seps;
        QString table;
        bool accepted;
    };
    const TableCase tables[] = {
        {tpl::Numeric, it, ",-", true},      {tpl::Numeric, it, ".", true},     {tpl::Numeric, it, ",,", true},
        {tpl::Numeric, us, ".", false},      {tpl::Numeric, us, "-", true},     {tpl::Numeric, it, "x", false},
        {tpl::Percent, it, "%", true},       {tpl::Percent, it, ".", false},    {tpl::DayMonthYear, it, "/", true},
        {tpl::DayMonthYear, it, "-", false}, {tpl::HourMinute, it, ":", true},  {tpl::HourMinute, it, "/", false},
        {tpl::String, it, "anything", true},
    };
    for (const TableCase& c : tables)
        EXPECT_EQ(acceptsCharacterTable(c.templ, c.table, c.seps), c.accepted) << c.templ << " " << c.table.toStdString();
}

TEST(TextBoxInput, ExpandDateAndTheCenturyRule)
{
    struct Case {
        QString in;
        int order;
        QString separator;
        QString out;
    };
    const Case cases[] = {
        {"311203", 4, "/", "31/12/2003"},
        {"010130", 4, "/", "01/01/1930"},
        {"010129", 4, "/", "01/01/2029"},
        {"31122003", 4, "/", "31/12/2003"},
        {"123103", 5, "/", "12/31/2003"},
        {"031231", 6, "/", "2003/12/31"},
        {"20031231", 6, "/", "2003/12/31"},
        {"31/12/03", 4, "/", "31/12/2003"},
        {"99/12/31", 6, "/", "1999/12/31"},
        {" 31-12-99 ", 4, "-", "31/12/1999"},
        {"1/1/2003", 4, "/", "1/1/2003"},
        {"1/1/03", 4, "/", "1/1/03"},
        {"1/12/203", 4, "/", "1/12/203"},
        {"3112", 4, "/", "3112"},
        {"abc", 4, "/", "abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(expandDate(c.in, c.order, c.separator), c.out) << c.in.toStdString();
}

TEST(TextBoxInput, ExpandMonthYearTimeAndDayMonth)
{
    struct Case {
        const char* kind;
        QString in;
        int templ;
        QString out;
    };
    const QTime now(10, 30, 7);
    const Case cases[] = {
        {"my", "1203", tpl::MonthYear, "12/2003"},
        {"my", "122003", tpl::MonthYear, "12/2003"},
        {"my", "12/45", tpl::MonthYear, "12/1945"},
        {"my", "0312", tpl::YearMonth, "2003/12"},
        {"my", "200312", tpl::YearMonth, "2003/12"},
        {"my", "45/12", tpl::YearMonth, "1945/12"},
        {"my", "1/2003", tpl::MonthYear, "1/2003"},
        {"t", "1230", tpl::HourMinute, "12:30"},
        {"t", "123045", tpl::HourMinute, "12:30"},
        {"t", "123045", tpl::HourMinuteSeconds, "12:30:45"},
        {"t", "1230", tpl::HourMinuteSeconds, "12:30:07"},
        {"t", " 9.00 ", tpl::HourMinute, "9:00"},
        {"dm", "3112", tpl::DayMonth, "31/12"},
        {"dm", "31-12", tpl::DayMonth, "31/12"},
        {"dm", "312", tpl::DayMonth, "312"},
    };
    for (const Case& c : cases) {
        QString out;
        if (QString(c.kind) == "my")
            out = expandMonthYear(c.in, c.templ, "/");
        else if (QString(c.kind) == "t")
            out = expandTime(c.in, c.templ, ".", now);
        else
            out = expandDayMonth(c.in, "-");
        EXPECT_EQ(out, c.out) << c.in.toStdString();
    }
}

TEST(TextBoxInput, DayMonthValuesAreCheckedAgainstTheYear)
{
    struct Case {
        QString in;
        int templ;
        int year;
        std::optional<QString> out;
    };
    const Case cases[] = {
        {"31/12", tpl::DayMonth, 2010, "31/12"},
        {"31/02", tpl::DayMonth, 2010, std::nullopt},
        {"29/02", tpl::DayMonth, 2010, std::nullopt},
        {"29/02", tpl::DayMonth, 2012, "29/02"},
        {"03/04", tpl::MonthDay, 2010, "03/04"},
        {"12/25", tpl::MonthDay, 2010, "12/25"},
        {"25/12", tpl::MonthDay, 2010, std::nullopt},
        {"1/2", tpl::DayMonth, 2010, std::nullopt},
    };
    for (const Region& r : kRegions) {
        ScopedRegional scoped(r.settings());
        for (const Case& c : cases)
            EXPECT_EQ(validDayMonth(c.in, c.templ, c.year), c.out) << r.name << " " << c.in.toStdString();
    }
}

TEST(TextBoxInput, IsValidDateReadsFixedPositions)
{
    struct Case {
        QString text;
        int order;
        bool valid;
    };
    const Case cases[] = {
        {"31/12/2003", 4, true},  {"31/02/2003", 4, false}, {"29/02/2004", 4, true}, {"00/12/2003", 4, false},
        {"12/31/2003", 5, true},  {"31/12/2003", 5, false}, {"2003/12/31", 6, true}, {"2003/02/30", 6, false},
        {"1/1/2003", 4, false},   {"01/1/2003", 4, false},  {"31-12-2003", 4, false}, {"3a/12/2003", 4, false},
        {"31/12/0099", 4, false}, {"", 4, false},
    };
    for (const Region& r : kRegions) {
        ScopedRegional scoped(r.settings());
        for (const Case& c : cases)
            EXPECT_EQ(isValidDate(c.text, c.order), c.valid) << r.name << " " << c.text.toStdString();
    }
}

TEST(TextBoxInput, ValidityPerTemplate)
{
    struct Case {
        int templ;
        QString value;  // written for Italy; "," and "." swap for the US
        bool allowNothing;
        bool valid;
        QString stored;  // the stored form of a valid value
    };
    const Case cases[] = {
        {tpl::String, "", true, true, ""},
        {tpl::String, "", false, false, ""},
        {tpl::String, "anything", false, true, "anything"},
        {tpl::Numeric, "12,5", true, true, "12,5"},
        {tpl::Numeric, "1.234,5", true, true, "1.234,5"},
        {tpl::Numeric, "abc", true, false, ""},
        {tpl::Numeric, "", true, true, ""},
        {tpl::Currency, "-3", true, true, "-3"},
        {tpl::Percent, "12,50", true, true, "12,5%"},
        {tpl::Percent, "", true, true, "0%"},
        {tpl::Percent, "x", true, false, ""},
        {tpl::DayMonthYear, "31/12/2003", true, true, "31/12/2003"},
        {tpl::DayMonthYear, "1/1/2003", true, false, ""},
        {tpl::MonthDayYear, "12/31/2003", true, true, "12/31/2003"},
        {tpl::YearMonthDay, "2003/12/31", true, true, "2003/12/31"},
        {tpl::MonthYear, "12/2003", true, true, "12/2003"},
        {tpl::MonthYear, "13/2003", true, false, ""},
        {tpl::YearMonth, "2003/12", true, true, "2003/12"},
        {tpl::HourMinute, "9:00", true, true, "09:00"},
        {tpl::HourMinute, "25:00", true, false, ""},
        {tpl::HourMinuteSeconds, "9:5:7", true, true, "09:05:07"},
        {tpl::DayMonth, "whatever", true, true, "whatever"},
    };
    for (const Region& r : kRegions) {
        ScopedRegional scoped(r.settings());
        for (const Case& c : cases) {
            QString value = c.value, stored = c.stored;
            if (!r.italian() && isNumberTemplate(c.templ)) {
                value.replace(',', '#').replace('.', ',').replace('#', '.');
                stored.replace(',', '#').replace('.', ',').replace('#', '.');
            }
            const Validity v = isValidValue(c.templ, value, c.allowNothing);
            EXPECT_EQ(v.valid, c.valid) << r.name << " " << c.templ << " " << value.toStdString();
            if (v.valid) {
                EXPECT_EQ(storedForm(c.templ, v.value), stored) << r.name << " " << c.templ << " " << value.toStdString();
            }
        }
    }
}

TEST(TextBoxInput, LimitsMustSuitTheTemplate)
{
    struct Case {
        int templ;
        QString limit;
        QString stored;
    };
    const Case cases[] = {
        {tpl::Numeric, "10", "10"},       {tpl::Numeric, "abc", ""},          {tpl::Percent, "5", "5"},
        {tpl::DayMonthYear, "31/12/2003", "31/12/2003"}, {tpl::DayMonthYear, "2003/12/31", ""},
        {tpl::YearMonthDay, "2003/06/30", "2003/06/30"}, {tpl::DayMonth, "31/12", "31/12"},
        {tpl::DayMonth, "29/02", ""},     {tpl::MonthDay, "12/31", "12/31"},  {tpl::MonthYear, "06/2003", "06/2003"},
        {tpl::YearMonth, "2003/06", "2003/06"}, {tpl::YearMonth, "2003/13", ""}, {tpl::HourMinute, "18:00", "18:00"},
        {tpl::HourMinute, "9:00", "09:00"},     {tpl::HourMinute, "31/12/2003", ""}, {tpl::String, "M", "M"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(usableLimit(c.templ, c.limit, 2010), c.stored) << c.templ << " " << c.limit.toStdString();
}

TEST(TextBoxInput, LeadingNumberUsesTheRegionalDecimal)
{
    struct Case {
        QString text;
        QString decimal;
        double value;
    };
    const Case cases[] = {
        {"12.5", ".", 12.5}, {"12,5", ",", 12.5}, {"12,5x", ",", 12.5}, {"12.5x", ".", 12.5},
        {"-3 apples", ".", -3}, {"abc", ".", 0}, {"", ".", 0}, {"7%", ".", 7},
    };
    ScopedRegional us(RegionalSettings::unitedStates());
    for (const Case& c : cases) {
        ScopedRegional scoped(c.decimal == "," ? RegionalSettings::italian() : RegionalSettings::unitedStates());
        EXPECT_DOUBLE_EQ(leadingNumber(c.text, c.decimal), c.value) << c.text.toStdString();
    }
}

TEST(TextBoxInput, RangeCheckPerTemplate)
{
    struct Case {
        int templ;
        QString value, min, max;
        bool out;
    };
    const Case cases[] = {
        {tpl::Numeric, "9", "10", "", true},
        {tpl::Numeric, "10", "10", "", false},
        {tpl::Numeric, "10,9", "", "10", true},  // decimals count under Italian settings too
        {tpl::Numeric, "1.234", "", "1000", true},
        {tpl::Numeric, "", "10", "", false},  // nothing is never out of range
        {tpl::Currency, "-5", "-4", "4", true},
        {tpl::Percent, "50%", "", "40", true},
        {tpl::Percent, "30%", "", "40", false},
        {tpl::String, "M", "A", "L", true},
        {tpl::String, "b", "A", "Z", true},  // binary comparison: lower case after upper
        {tpl::YearMonthDay, "2003/07/01", "", "2003/06/30", true},
        {tpl::YearMonthDay, "2003/06/30", "", "2003/06/30", false},
        {tpl::DayMonthYear, "01/07/2003", "", "30/06/2003", true},
        {tpl::DayMonthYear, "30/06/2003", "01/07/2002", "", false},
        {tpl::MonthDayYear, "07/01/2003", "", "06/30/2003", true},
        {tpl::DayMonth, "01/07", "", "30/06", true},
        {tpl::MonthDay, "06/30", "07/01", "", true},
        {tpl::MonthYear, "07/2003", "", "06/2003", true},
        {tpl::MonthYear, "06/2002", "", "06/2003", false},
        {tpl::YearMonth, "2003/07", "", "2003/06", true},
        {tpl::HourMinute, "09:00", "", "18:00", false},
        {tpl::HourMinute, "19:00", "", "18:00", true},
        {tpl::HourMinute, "9:00", "", "18:00", false},
    };
    ScopedRegional it(RegionalSettings::italian());
    for (const Case& c : cases)
        EXPECT_EQ(isOutOfRange(c.templ, c.value, c.min, c.max, 2010, ","), c.out)
            << c.templ << " " << c.value.toStdString();
    ScopedRegional us(RegionalSettings::unitedStates());
    EXPECT_TRUE(isOutOfRange(tpl::Numeric, "10.9", "", "10", 2010, "."));
    EXPECT_FALSE(isOutOfRange(tpl::Numeric, "9.9", "", "10", 2010, "."));
}
