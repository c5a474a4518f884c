// Converting amounts between currencies through the Euro.
#include "tests/tools/currency/CurrencyTestFiles.h"

#include "platform/basic/Regional.h"
#include "tools/currency/CurrencyConversion.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>

using namespace orx;
using namespace orx::tools;
using basic::Currency;

namespace {

constexpr int NotExists = -2147221503;
constexpr int InvalidChange = -2147221502;
constexpr double NoAnswer = 0.0;

// A catalogue with every kind of rate: name, rate.
void addCatalogue(ORXCurrencies& list)
{
    const std::pair<const char*, double> rates[] = {
        {"Euro", 0},   {"Two", 2},      {"Three", 3},     {"Lira", 1936.27}, {"MinusTwo", -2},         {"NoRate", 0},
        {"NoRateEither", 0}, {"Tiny", 1e-300}, {"Huge", 1e10}, {"Broken", std::nan("")},
    };
    for (const auto& [name, rate] : rates) {
        ORXCurrency* c = list.NewCurrency();
        c->setName(QString::fromLatin1(name));
        c->setEuroChange(rate);
        c->setLayout(QStringLiteral("layout of ") + QString::fromLatin1(name));
    }
}

Currency amount(const char* text)
{
    basic::ScopedRegional us(basic::RegionalSettings::unitedStates());
    return basic::ccur(QString::fromLatin1(text));
}

}  // namespace

TEST(CurrencyConversion, ConvertsThroughTheEuro)
{
    struct Case {
        const char* from;
        const char* to;
        const char* value;
        double answer;  // what the host's handler sets
        bool reportMissing;
        const char* result;  // the amount, when no error is raised
        std::optional<int> error;
        QStringList fetches;  // "from>to" of every question to the host
        const char* layout;  // nullptr: the pattern is not touched
    };
    const Case cases[] = {
        {"Two", "Three", "100", NoAnswer, true, "150", {}, {}, "layout of Three"},
        {"Three", "Euro", "100", NoAnswer, true, "33.3333", {}, {}, "layout of Euro"},
        {"Lira", "Euro", "100000", NoAnswer, true, "51.6457", {}, {}, "layout of Euro"},
        {"Euro", "Lira", "51.6456", NoAnswer, true, "99999.8259", {}, {}, "layout of Lira"},
        // Halves go to the even ten-thousandth.
        {"Two", "Euro", "0.0001", NoAnswer, true, "0", {}, {}, "layout of Euro"},
        {"Two", "Euro", "0.0003", NoAnswer, true, "0.0002", {}, {}, "layout of Euro"},
        // A negative rate counts by its magnitude on both sides.
        {"MinusTwo", "Three", "100", NoAnswer, true, "150", {}, {}, "layout of Three"},
        {"three", "MINUSTWO", "300", NoAnswer, true, "200", {}, {}, "layout of MinusTwo"},
        // Both rates missing: one direct rate divides the amount.
        {"NoRate", "NoRateEither", "100", 4, true, "25", {}, {"NoRate>NoRateEither"}, "layout of NoRateEither"},
        {"NoRate", "NoRateEither", "100", NoAnswer, true, nullptr, InvalidChange, {"NoRate>NoRateEither"}, nullptr},
        {"NoRate", "Euro", "100", 5, true, "20", {}, {"NoRate>Euro"}, "layout of Euro"},
        // One rate missing: asked for against the Euro.
        {"Two", "NoRate", "100", 5, true, "250", {}, {"Euro>NoRate"}, "layout of NoRate"},
        {"Two", "NoRate", "100", NoAnswer, false, nullptr, InvalidChange, {"Euro>NoRate"}, nullptr},
        {"NoRate", "Two", "100", 4, true, "50", {}, {"NoRate>Euro"}, "layout of Two"},
        {"NoRate", "Two", "100", -4, true, "50", {}, {"NoRate>Euro"}, "layout of Two"},
        {"NoRate", "Two", "100", std::nan(""), true, nullptr, InvalidChange, {"NoRate>Euro"}, nullptr},
        // The Euro needs no rate: from it the amount goes straight to the target.
        {"Euro", "Two", "100", NoAnswer, true, "200", {}, {}, "layout of Two"},
        // An amount in its own currency stays as it is.
        {"Lira", "lira", "100", NoAnswer, true, "100", {}, {}, "layout of Lira"},
        {"NoRate", "NoRate", "100", NoAnswer, true, "100", {}, {}, "layout of NoRate"},
        // No target, or a currency not in the catalogue: the amount comes back.
        {"Two", "", "100", NoAnswer, true, "100", {}, {}, nullptr},
        {"Dollar", "", "100", NoAnswer, false, "100", {}, {}, nullptr},
        {"Dollar", "", "100", NoAnswer, true, nullptr, NotExists, {}, nullptr},
        {"Two", "Dollar", "100", NoAnswer, false, "100", {}, {}, nullptr},
        {"Two", "Dollar", "100", NoAnswer, true, nullptr, NotExists, {}, nullptr},
        // Beyond the fixed-point range.
        {"Two", "Huge", "900000000000", NoAnswer, true, nullptr, basic::err::Overflow, {}, nullptr},
        {"Tiny", "Two", "1", NoAnswer, true, nullptr, basic::err::Overflow, {}, nullptr},
        {"Two", "Three", "922337203685477.5807", NoAnswer, true, nullptr, basic::err::Overflow, {}, nullptr},
        {"Broken", "Two", "1", NoAnswer, true, nullptr, InvalidChange, {}, nullptr},
    };
    ORXCurrencies list;
    addCatalogue(list);
    for (const Case& c : cases) {
        const QString what =
            QStringLiteral("%1 -> %2, %3").arg(QLatin1String(c.from), QLatin1String(c.to), QLatin1String(c.value));
        QStringList fetches;
        const auto handler = [&](const QString& from, const QString& to, double& rate) {
            EXPECT_EQ(rate, 0.0) << what.toStdString() << ": the rate enters as 0";
            fetches << from + '>' + to;
            rate = c.answer;
        };
        std::optional<CurrencyConversionResult> result;
        const auto error = test::errorOf([&] {
            result = ConvertCurrency(list, QLatin1String(c.from), QLatin1String(c.to), amount(c.value),
                                     c.reportMissing, handler);
        });
        EXPECT_EQ(fetches, c.fetches) << what.toStdString();
        if (c.error) {
            ASSERT_TRUE(error) << what.toStdString();
            EXPECT_EQ(error->number(), *c.error) << what.toStdString();
            continue;
        }
        ASSERT_TRUE(result) << what.toStdString() << ": raised " << (error ? error->number() : 0);
        EXPECT_EQ(result->value, amount(c.result)) << what.toStdString() << " gave " << result->value.toDouble();
        EXPECT_EQ(result->layout, c.layout ? std::optional<QString>(QLatin1String(c.layout)) : std::nullopt)
            << what.toStdString();
    }
    for (const char* name : {"NoRate", "NoRateEither"})
        EXPECT_EQ(list.CurrencyByName(QLatin1String(name))->EuroChange(), 0.0) << "an answered rate is not stored";
}

TEST(CurrencyConversion, ErrorsNameTheCurrencies)
{
    ORXCurrencies list;
    addCatalogue(list);
    const std::tuple<const char*, const char*, int, const char*> cases[] = {
        {"Yen", "Two", NotExists, "Currency not exists in current ORXCurrency.INI : 'Yen'"},
        {"Two", "Yen", NotExists, "Currency not exists in current ORXCurrency.INI : 'Yen'"},
        {"norate", "Two", InvalidChange, "Invalid change value for currencies : 'norate' to 'Two'"},
    };
    for (const auto& [from, to, number, description] : cases) {
        // No handler at all: nobody answers.
        const auto error = test::errorOf(
            [&] { ConvertCurrency(list, QLatin1String(from), QLatin1String(to), Currency::fromInt(1), true); });
        ASSERT_TRUE(error) << from << " -> " << to;
        EXPECT_EQ(error->number(), number);
        EXPECT_EQ(error->source(), QStringLiteral("ORX_TxtBox.ConvertCurrency"));
        EXPECT_EQ(error->description(), QLatin1String(description));
    }
}
