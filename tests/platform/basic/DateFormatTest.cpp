#include "platform/basic/BasicError.h"
#include "platform/basic/Dates.h"
#include "tests/platform/basic/RegionalProfiles.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace orx::basic;
using orx::test::Profile;
using orx::test::settingsOf;
using orx::test::nameOf;

namespace {

struct FormatCase {
    Profile profile;
    double serial;
    const char* pattern;
    const char* expected;
};

void runCases(std::initializer_list<FormatCase> cases)
{
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2 \"%3\"").arg(QLatin1String(nameOf(c.profile))).arg(c.serial)
                         .arg(QString::fromUtf8(c.pattern)).toStdString());
        ScopedRegional regional(settingsOf(c.profile));
        EXPECT_EQ(formatDate(fromSerial(c.serial), QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected));
    }
}

// 2.525 is Mon 1 Jan 1900 12:36:00, 2.725 the same day at 17:24:00.
TEST(DateFormat, TokensAsMeasured)
{
    runCases({
        {Profile::US, 2.525, "am/pm", "pm"},
        {Profile::US, 2.525, "AM/PM", "PM"},
        {Profile::US, 2.525, "A/P", "P"},
        {Profile::US, 2.525, "a/p", "p"},
        {Profile::US, 2.525, "q", "1"},
        {Profile::US, 2.525, "d", "1"},
        {Profile::US, 2.525, "dd", "01"},
        {Profile::US, 2.525, "ddd", "Mon"},
        {Profile::US, 2.525, "dddd", "Monday"},
        {Profile::US, 2.525, "mmm", "Jan"},
        {Profile::US, 2.525, "mmmm", "January"},
        {Profile::US, 2.525, "mmmmm", "January1"},
        {Profile::US, 2.525, "y", "1"},
        {Profile::US, 2.525, "yy", "00"},
        {Profile::US, 2.525, "yyy", "001"},
        {Profile::US, 2.525, "yyyy", "1900"},
        {Profile::US, 0.0, "w", "7"},
        {Profile::US, 0.0, "ww", "52"},
        {Profile::US, 2.525, "dd mm yyyy hh:mm:ss", "01 01 1900 12:36:00"},
        {Profile::US, 2.525, "dd mm yyyy mm", "01 01 1900 01"},
        {Profile::US, 2.525, "dd mm yyyy :mm", "01 01 1900 :01"},
        {Profile::US, 2.525, "dd mm yyyy hh:mm", "01 01 1900 12:36"},
        {Profile::US, 2.525, "mm mm", "01 01"},
        {Profile::US, 2.525, "mm :mm:ss", "01 :01:00"},
        {Profile::US, 2.525, "mm :ss:mm", "01 :00:01"},
        {Profile::US, 2.525, "hh:mm :ss:mm", "12:36 :00:01"},
        {Profile::US, 2.525, "hh:dd :mm:mm", "12:01 :01:01"},
        {Profile::US, 2.525, "dd:hh :mm:mm", "01:12 :36:01"},
        {Profile::US, 2.525, "hh :mm:mm", "12 :36:01"},
        {Profile::US, 2.525, "dd :mm:mm", "01 :01:01"},
        {Profile::US, 2.525, "dd :mm:nn", "01 :01:36"},
        {Profile::US, 2.525, "h \"at\" m", "12 at 36"},
        {Profile::US, 2.725, "hh:nn:ss A/P", "05:24:00 P"},
        {Profile::US, 2.725, "h:n:s", "17:24:0"},
        {Profile::US, 0.0, "hh A/P", "12 A"},
        {Profile::US, 2.525, "DD/MM/YYYY HH:MM", "01/01/1900 12:36"},
        {Profile::IT, 2.525, "hh:dd :mm:mm", "12:01 :01:01"},
        {Profile::IT, 2.525, "ddd dddd mmm mmmm", "lun lunedì gen gennaio"},
        {Profile::IT, 2.725, "hh:nn:ss A/P", "05:24:00 P"},
    });
}

TEST(DateFormat, SystemPicturesAndAmPm)
{
    runCases({
        {Profile::US, 2.525, "c", "1/1/1900 12:36:00 PM"},
        {Profile::US, 2.0, "c", "1/1/1900"},
        {Profile::US, 0.5, "c", "12:00:00 PM"},
        {Profile::US, 36475.7, "ddddd", "11/11/1999"},
        {Profile::US, 36475.7, "dddddd", "Thursday, November 11, 1999"},
        {Profile::US, 36475.7, "ttttt", "4:48:00 PM"},
        {Profile::US, 36475.7, "tt", "tt"},
        {Profile::US, 2.725, "h AMPM", "5 PM"},
        {Profile::IT, 36475.7, "c", "11/11/1999 16:48:00"},
        {Profile::IT, 36475.7, "dddddd", "giovedì 11 novembre 1999"},
        {Profile::IT, 36475.7, "ttttt", "16:48:00"},
        // No designators: the clock stays at 24 hours rather than losing the half of the day.
        {Profile::IT, 2.725, "h AMPM", "17 "},
        {Profile::ItalianDotTime, 2.525, "hh:nn", "12.36"},
        {Profile::ItalianDotTime, 2.525, "ttttt", "12.36.00"},
        {Profile::DashDates, 36475.0, "dd/mm/yyyy", "11-11-1999"},
    });
}

TEST(DateFormat, LiteralsStayAsWritten)
{
    runCases({
        {Profile::US, 2.525, "\\h\\h hh", "hh 12"},
        {Profile::US, 2.525, "\"dd/mm\" dd", "dd/mm 01"},
        {Profile::US, 2.525, "dddd \\d d", "Monday d 1"},
        {Profile::US, 2.525, "\"open", "open"},
        {Profile::US, 2.525, "dd\\", "01"},
        {Profile::US, 2.525, "[dd]", "[01]"},
        {Profile::IT, 2.525, "\"ore\" hh:nn", "ore 12:36"},
    });
}

TEST(DateFormat, NamedFormatsAndGeneralDate)
{
    // 36475.7 is Thu 11 Nov 1999 16:48:00.
    runCases({
        {Profile::US, 36475.7, "General Date", "11/11/1999 4:48:00 PM"},
        {Profile::US, 36475.7, "Long Date", "Thursday, November 11, 1999"},
        {Profile::US, 36475.7, "Medium Date", "11-Nov-99"},
        {Profile::US, 36475.7, "Short Date", "11/11/1999"},
        {Profile::US, 36475.7, "Long Time", "4:48:00 PM"},
        {Profile::US, 36475.7, "Medium Time", "04:48 PM"},
        {Profile::US, 36475.7, "Short Time", "16:48"},
        {Profile::US, 2.525, "short time", "12:36"},
        {Profile::US, 36475.7, "SHORT DATE", "11/11/1999"},
        {Profile::US, 36475.7, "", "11/11/1999 4:48:00 PM"},
        {Profile::US, 0.0, "General Date", "12:00:00 AM"},
        {Profile::US, 0.5, "", "12:00:00 PM"},
        {Profile::US, 36475.0, "General Date", "11/11/1999"},
        {Profile::US, -1.25, "General Date", "12/29/1899 6:00:00 AM"},
        {Profile::IT, 36475.7, "General Date", "11/11/1999 16:48:00"},
        {Profile::IT, 36475.7, "Long Date", "giovedì 11 novembre 1999"},
        {Profile::IT, 36475.7, "Medium Date", "11-nov-99"},
        {Profile::IT, 36475.7, "Short Date", "11/11/1999"},
        {Profile::IT, 36475.7, "Long Time", "16:48:00"},
        {Profile::IT, 36475.7, "Medium Time", "16:48"},
        {Profile::IT, 36475.7, "Short Time", "16:48"},
        {Profile::IT, 0.0, "", "00:00:00"},
        {Profile::IT, -1.25, "", "29/12/1899 06:00:00"},
        {Profile::ItalianDotTime, 36475.7, "Short Time", "16.48"},
        {Profile::ItalianDotTime, 36475.7, "General Date", "11/11/1999 16.48.00"},
    });
}

TEST(DateFormat, ReadsTheWallClockInWholeSeconds)
{
    ScopedRegional us(RegionalSettings::unitedStates());
    EXPECT_EQ(formatDate(wallClock(QDate(2000, 1, 1), QTime(12, 36, 0, 600)), QStringLiteral("hh:nn:ss")),
              QStringLiteral("12:36:01"));
    EXPECT_EQ(formatDate(wallClock(QDate(2000, 12, 31), QTime(23, 59, 59, 500)), QStringLiteral("yyyy-mm-dd hh:nn:ss")),
              QStringLiteral("2001-01-01 00:00:00"));
    EXPECT_EQ(formatDate(QDateTime(QDate(2000, 1, 1), QTime(12, 0), Qt::LocalTime), QStringLiteral("hh:nn")),
              QStringLiteral("12:00"));
    try {
        formatDate(QDateTime(), QStringLiteral("dd"));
        ADD_FAILURE() << "an invalid date was formatted";
    } catch (const BasicError& e) {
        EXPECT_EQ(e.number(), err::TypeMismatch);
    }
}

TEST(DateFormat, RecognisesDatePatterns)
{
    struct Case {
        const char* pattern;
        bool isDate;
    };
    const Case cases[] = {
        {"General Date", true},  {"long time", true},    {"Medium Date", true}, {"dd/mm/yyyy", true},
        {"hh", true},            {"n", true},            {"q", true},           {"c", true},
        {"ttttt", true},         {"AM/PM", true},        {"a/p", true},         {"AMPM", true},
        {"0 \\d", false},        {"\"day\" 0", false},   {"tt", false},         {"", false},
        {"#,##0.00", false},     {"0.00E+00", false},    {"0%", false},         {"$#,##0;($#,##0)", false},
        {"General Number", false}, {"Currency", false}, {"Standard", false},    {"Yes/No", false},
        {"True/False", false},   {"On/Off", false},      {"Scientific", false}, {"0 \"items\" d", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(isDatePattern(QString::fromUtf8(c.pattern)), c.isDate);
    }
}

}  // namespace
