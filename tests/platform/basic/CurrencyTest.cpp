#include "platform/basic/BasicError.h"
#include "platform/basic/Currency.h"
#include "platform/basic/Regional.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <optional>

using namespace orx::basic;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// The raw value of a call, or its error number.
template <class F>
std::int64_t rawOrError(F&& call, int* error)
{
    *error = 0;
    try {
        return call().raw();
    } catch (const BasicError& e) {
        *error = e.number();
    }
    return 0;
}

}  // namespace

TEST(Currency, FromDoubleRoundsTheDecimalValueHalfEven)
{
    const struct {
        double value;
        std::int64_t raw;
        int error;
    } cases[] = {
        {1086.429176, 10864292, 0}, {0.00005, 0, 0}, {0.00015, 2, 0}, {0.00025, 2, 0}, {-0.00015, -2, 0},
        {0.1 + 0.2, 3000, 0}, {1.00005, 10000, 0}, {-1234.56785, -12345678, 0}, {922337203685477.0, 9223372036854770000, 0},
        {1e15, 0, err::Overflow}, {-1e15, 0, err::Overflow}, {std::nan(""), 0, err::Overflow},
    };
    for (const auto& c : cases) {
        int error = 0;
        const auto raw = rawOrError([&] { return Currency::fromDouble(c.value); }, &error);
        EXPECT_EQ(error, c.error) << c.value;
        if (c.error == 0) {
            EXPECT_EQ(raw, c.raw) << c.value;
        }
    }
    EXPECT_EQ(Currency::fromRaw(10864292).toDouble(), 1086.4292);
    EXPECT_EQ(Currency::fromInt(-7).raw(), -70000);
    int error = 0;
    rawOrError([] { return Currency::fromInt(922337203685478); }, &error);
    EXPECT_EQ(error, err::Overflow);
}

TEST(Currency, TextAndParsingUnderBothLocales)
{
    const struct {
        std::int64_t raw;
        const char* us;
        const char* it;
    } texts[] = {
        {10864292, "1086.4292", "1086,4292"}, {50000, "5", "5"}, {-5000, "-0.5", "-0,5"},
        {12345678900000, "1234567890", "1234567890"}, {kMin, "-922337203685477.5808", "-922337203685477,5808"},
    };
    const struct {
        const char* text;
        std::optional<std::int64_t> us;
        std::optional<std::int64_t> it;
    } parses[] = {
        {"1086.429176", 10864292, 10864291760000}, {"922337203685477.5807", kMax, std::nullopt},
        {"922337203685477,5807", std::nullopt, kMax}, {"-922337203685477.5808", kMin, std::nullopt},
        {"922337203685477.5808", std::nullopt, std::nullopt}, {"0.00005", 0, 50000}, {"0.00015", 2, 150000},
        {"$1,234.56", 12345600, std::nullopt}, {"1.234,56 \u20AC", std::nullopt, 12345600}, {"(3)", -30000, -30000},
        {"&HFFFF", -10000, -10000}, {"abc", std::nullopt, std::nullopt},
    };
    for (const RegionalSettings& settings : {RegionalSettings::unitedStates(), RegionalSettings::italian()}) {
        ScopedRegional scope(settings);
        const bool us = settings.decimalSeparator == QLatin1String(".");
        for (const auto& c : texts)
            EXPECT_EQ(Currency::fromRaw(c.raw).toString(), QString::fromUtf8(us ? c.us : c.it));
        for (const auto& c : parses) {
            const auto parsed = parseCurrency(QString::fromUtf8(c.text));
            EXPECT_EQ(parsed ? std::optional<std::int64_t>(parsed->raw()) : std::nullopt, us ? c.us : c.it)
                << (us ? "US " : "IT ") << c.text;
        }
    }
}

TEST(Currency, ExactArithmetic)
{
    const struct {
        std::int64_t a;
        char op;
        std::int64_t b;
        std::int64_t raw;
        int error;
    } cases[] = {
        {15000, '*', 15000, 22500, 0},
        {1, '*', 5000, 0, 0},        // 0.00005 goes to the even 0
        {3, '*', 5000, 2, 0},        // 0.00015 goes to the even 0.0002
        {-3, '*', 5000, -2, 0},
        {kMax, '*', 10000, kMax, 0},  // the product needs more than 64 bits
        {kMax, '*', 20000, 0, err::Overflow}, {10000, '/', 30000, 3333, 0}, {20000, '/', 30000, 6667, 0},
        {1, '/', 20000, 0, 0}, {3, '/', 20000, 2, 0}, {-5, '/', 20000, -2, 0}, {kMax, '/', 10000, kMax, 0},
        {10000, '/', 0, 0, err::DivisionByZero}, {kMax, '+', 1, 0, err::Overflow}, {kMin, '-', 1, 0, err::Overflow},
        {kMin, '+', kMax, -1, 0}, {kMin, 'n', 0, 0, err::Overflow}, {-10000, 'n', 0, 10000, 0},
    };
    for (const auto& c : cases) {
        const Currency a = Currency::fromRaw(c.a);
        const Currency b = Currency::fromRaw(c.b);
        int error = 0;
        const auto raw = rawOrError(
            [&] {
                switch (c.op) {
                case '*': return a * b;
                case '/': return a / b;
                case '+': return a + b;
                case '-': return a - b;
                default: return -a;
                }
            },
            &error);
        EXPECT_EQ(error, c.error) << c.a << c.op << c.b;
        if (c.error == 0) {
            EXPECT_EQ(raw, c.raw) << c.a << c.op << c.b;
        }
    }
}
