#include "tools/currency/CurrencyConversion.h"

#include <cmath>

namespace orx::tools {

namespace {

const QString Source = QStringLiteral("ORX_TxtBox.ConvertCurrency");

[[noreturn]] void notExists(const QString& name)
{
    basic::raiseError(CurrencyConversionErrors::NotExistsCurrency, Source,
                      QStringLiteral("Currency not exists in current ORXCurrency.INI : '") + name
                          + QLatin1Char('\''));
}

[[noreturn]] void invalidChange(const QString& from, const QString& to)
{
    basic::raiseError(CurrencyConversionErrors::InvalidChangeValue, Source,
                      QStringLiteral("Invalid change value for currencies : '") + from + QStringLiteral("' to '")
                          + to + QLatin1Char('\''));
}

bool isEuro(const QString& name)
{
    return name.compare(ORXCurrencies::EuroCurrencyName(), Qt::CaseInsensitive) == 0;
}

// A rate of infinity or NaN would turn every amount into 0 or nothing at all.
void checkRate(double rate, const QString& from, const QString& to)
{
    if (!std::isfinite(rate))
        invalidChange(from, to);
}

// Asks the host for a missing rate; one still 0 ends the conversion.
double fetchRate(const ChangeValueFetchHandler& fetch, const QString& fetchFrom, const QString& fetchTo,
                 const QString& from, const QString& to)
{
    double rate = 0.0;
    if (fetch)
        fetch(fetchFrom, fetchTo, rate);
    if (rate == 0.0)
        invalidChange(from, to);
    checkRate(rate, from, to);
    return rate;
}

// A step's result back in the fixed-point type, to four decimals.
basic::Currency rounded(double result)
{
    if (!std::isfinite(result))
        basic::raiseError(basic::err::Overflow);
    return basic::Currency::fromDouble(result);
}

}  // namespace

CurrencyConversionResult ConvertCurrency(const ORXCurrencies& currencies, const QString& FromCurrency,
                                         const QString& ToCurrency, basic::Currency Value, bool ReportMissing,
                                         const ChangeValueFetchHandler& fetch)
{
    const ORXCurrency* from = currencies.CurrencyByName(FromCurrency);
    if (!from) {
        if (ReportMissing)
            notExists(FromCurrency);
        return {Value, std::nullopt};
    }
    if (ToCurrency.isEmpty())
        return {Value, std::nullopt};
    const ORXCurrency* to = currencies.CurrencyByName(ToCurrency);
    if (!to) {
        if (ReportMissing)
            notExists(ToCurrency);
        return {Value, std::nullopt};
    }
    // Through the Euro and back the amount would pick up the rounding of
    // the Euro step (100 Lire would come back as 99.9115).
    if (from == to)
        return {Value, to->Layout()};

    double r1 = from->EuroChange();
    double r2 = to->EuroChange();
    checkRate(r1, FromCurrency, ToCurrency);
    checkRate(r2, FromCurrency, ToCurrency);
    const QString euro = ORXCurrencies::EuroCurrencyName();
    basic::Currency v = Value;
    if (r1 != 0.0) {
        v = rounded(Value.toDouble() / std::fabs(r1));
        if (r2 == 0.0 && !isEuro(ToCurrency))
            r2 = fetchRate(fetch, euro, ToCurrency, FromCurrency, ToCurrency);
        if (r2 != 0.0)
            v = rounded(v.toDouble() * std::fabs(r2));
    } else {
        // From here on v starts as the amount itself: the Euro needs no
        // rate of its own, so an amount in Euro goes straight to the target.
        if (r2 == 0.0)
            r1 = fetchRate(fetch, FromCurrency, ToCurrency, FromCurrency, ToCurrency);
        else if (!isEuro(FromCurrency))
            r1 = fetchRate(fetch, FromCurrency, euro, FromCurrency, ToCurrency);
        if (r1 != 0.0)
            v = rounded(Value.toDouble() / std::fabs(r1));
        if (r2 != 0.0)
            v = rounded(v.toDouble() * std::fabs(r2));
    }
    return {v, to->Layout()};
}

}  // namespace orx::tools
