#include "platform/basic/BasicError.h"
#include "platform/basic/Currency.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Regional.h"

#include <gtest/gtest.h>
#include <functional>
#include <optional>

using namespace orx::basic;

namespace {

constexpr std::optional<double> no = std::nullopt;

int errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const BasicError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(NumberParse, RegionalGrammarUnderBothLocales)
{
    const struct {
        const char* text;
        std::optional<double> us;
        std::optional<double> it;
    } cases[] = {
        {"1.5", 1.5, 15}, {"1,5", 15, 1.5}, {"5555.5", 5555.5, 55555}, {"1,,000", 1000, no}, {" 12 ", 12, 12},
        {"1,000", 1000, 1}, {"$1,000", 1000, no}, {"\u20AC1.000", no, 1000}, {"1.234,50 \u20AC", no, 1234.5},
        {"(12)", -12, -12}, {"($12)", -12, no}, {"12-", -12, -12}, {"- 12", -12, -12}, {"+12", 12, 12},
        {"12+", 12, 12}, {"-12-", no, no}, {"-(12)", no, no}, {"(12", no, no}, {"12)", no, no},
        {"1e5", 100000, 100000}, {"1E-2", 0.01, 0.01}, {"1e", no, no}, {"-", no, no}, {".", no, no}, {"", no, no},
        {"   ", no, no}, {"45 Help", no, no}, {"1 2", no, no}, {".5", 0.5, no}, {",5", no, 0.5}, {"12.", 12, 12},
        {"1.2.3", no, 123}, {"&H1F", 31, 31}, {"&hFFFF", -1, -1}, {"&H10000", 65536, 65536}, {"&HFFFFFFFF", -1, -1},
        {"&O17", 15, 15}, {"-&H10", -16, -16}, {"&H", no, no}, {"&HG", no, no}, {"0x1F", no, no}, {"1e400", no, no},
        {"1e-400", 0, 0},
    };
    for (const RegionalSettings& settings : {RegionalSettings::unitedStates(), RegionalSettings::italian()}) {
        ScopedRegional scope(settings);
        const bool us = settings.decimalSeparator == QLatin1String(".");
        for (const auto& c : cases) {
            const auto expected = us ? c.us : c.it;
            const QString text = QString::fromUtf8(c.text);
            EXPECT_EQ(parseNumber(text), expected) << (us ? "US " : "IT ") << c.text;
            EXPECT_EQ(isNumericText(text), expected.has_value()) << c.text;
        }
    }
}

TEST(NumberParse, ValReadsOnlyThePoint)
{
    ScopedRegional scope(RegionalSettings::italian());
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {" 2 45 7", 2457}, {"24 and 57", 24}, {"1,000", 1}, {"&HFFFF", -1}, {"&H10", 16}, {"&hffffffff", -1},
        {"&H10000", 65536}, {"&O17", 15}, {"&H1G", 1}, {"&H", 0}, {"", 0}, {"abc", 0}, {"-1.5e2", -150},
        {"1e", 1}, {"1e+", 1}, {"1.2.3", 1.2}, {"\t-\n3", -3}, {".5", 0.5}, {"- 5", -5}, {"1\r2", 1}, {"-&H10", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(val(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(NumberParse, HalfEvenRounding)
{
    const struct {
        double value;
        int decimals;
        double round;
    } rounds[] = {
        {0.12345, 4, 0.1234}, {0.12355, 4, 0.1236}, {0.00005, 4, 0}, {2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2},
        {1.005, 2, 1.0}, {2.675, 2, 2.68}, {0.1 + 0.2, 2, 0.3}, {1.5, 20, 1.5},
        {123456789012345678.0, 0, 123456789012345678.0}, {-0.4, 0, 0},
    };
    for (const auto& c : rounds)
        EXPECT_EQ(roundHalfEven(c.value, c.decimals), c.round) << c.value << " to " << c.decimals;

    const struct {
        double value;
        int integer;  // CInt and CLng
        int byte;
        double intPart;
        double fixPart;
    } conversions[] = {
        {0.5, 0, 0, 0, 0}, {1.5, 2, 2, 1, 1}, {2.5, 2, 2, 2, 2}, {-0.5, 0, 0, -1, 0}, {-1.5, -2, -1, -2, -1},
        {254.5, 254, 254, 254, 254}, {253.5, 254, 254, 253, 253}, {-8.4, -8, -1, -9, -8}, {8.6, 9, 9, 8, 8},
    };
    for (const auto& c : conversions) {
        EXPECT_EQ(cint(c.value), c.integer) << c.value;
        EXPECT_EQ(clng(c.value), c.integer) << c.value;
        if (c.byte >= 0) {
            EXPECT_EQ(cbyte(c.value), c.byte) << c.value;
        }
        EXPECT_EQ(intPart(c.value), c.intPart) << c.value;
        EXPECT_EQ(fixPart(c.value), c.fixPart) << c.value;
    }
    EXPECT_EQ(cint(-32768.5), -32768);
    EXPECT_EQ(clng(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(csng(0.1), 0.1f);
}

TEST(NumberParse, Booleans)
{
    ScopedRegional scope(RegionalSettings::italian());
    const struct {
        const char* text;
        std::optional<bool> value;
    } cases[] = {
        {"True", true}, {"false", false}, {" TRUE ", true}, {"0", false}, {"-1", true}, {"0,0", false},
        {"1.5", true}, {"1e400", true}, {"yes", std::nullopt}, {"Vero", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseBoolean(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_EQ(booleanToString(true), QStringLiteral("True"));
    EXPECT_EQ(booleanToInteger(true), -1);
    EXPECT_EQ(booleanToByte(true), 255);
    EXPECT_TRUE(cbool(-0.1));
}

TEST(NumberParse, ErrorNumbers)
{
    ScopedRegional scope(RegionalSettings::unitedStates());
    const struct {
        const char* what;
        std::function<void()> call;
        int error;
    } cases[] = {
        {"CInt 32767.5", [] { cint(32767.5); }, err::Overflow}, {"CInt -32769", [] { cint(-32769); }, err::Overflow},
        {"CLng 2147483647.5", [] { clng(2147483647.5); }, err::Overflow},
        {"CByte -0.6", [] { cbyte(-0.6); }, err::Overflow}, {"CByte 255.5", [] { cbyte(255.5); }, err::Overflow},
        {"CInt NaN", [] { cint(std::nan("")); }, err::Overflow}, {"CSng 1e39", [] { csng(1e39); }, err::Overflow},
        {"Round -1", [] { roundHalfEven(1.5, -1); }, err::InvalidProcedureCall},
        {"CDbl abc", [] { cdbl(QStringLiteral("abc")); }, err::TypeMismatch},
        {"CDbl 1e400", [] { cdbl(QStringLiteral("1e400")); }, err::Overflow},
        {"Val 1e400", [] { val(QStringLiteral("1e400")); }, err::Overflow},
        {"CBool maybe", [] { cbool(QStringLiteral("maybe")); }, err::TypeMismatch},
        {"CCur abc", [] { ccur(QStringLiteral("abc")); }, err::TypeMismatch},
        {"CCur 1e15", [] { ccur(QStringLiteral("1e15")); }, err::Overflow}, {"CByte 255.4", [] { cbyte(255.4); }, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf(c.call), c.error) << c.what;
}
