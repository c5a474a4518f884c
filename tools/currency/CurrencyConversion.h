#pragma once

#include "platform/basic/BasicError.h"
#include "platform/basic/Currency.h"
#include "tools/common/ToolsExport.h"
#include "tools/currency/ORXCurrencies.h"

#include <QString>
#include <functional>
#include <optional>

namespace orx::tools {

// The errors a conversion raises, under the text box's names
// ORXTX_Err_NotExistsCurrency and ORXTX_Err_InvalidChangeValue, with the
// source "ORX_TxtBox.ConvertCurrency".
struct ORX_TOOLS_EXPORT CurrencyConversionErrors {
    static constexpr int NotExistsCurrency = basic::objectError(1);
    static constexpr int InvalidChangeValue = basic::objectError(2);
};

// The host's answer when a rate is missing (the text box's ChangeValueFetch
// event): `Value` enters as 0 and the handler may set it. What it leaves
// there serves this conversion only; it is not stored in the records.
using ChangeValueFetchHandler =
    std::function<void(const QString& FromCurrency, const QString& ToCurrency, double& Value)>;

struct ORX_TOOLS_EXPORT CurrencyConversionResult {
    basic::Currency value;
    // The target currency's Layout when the conversion reached it, which
    // then becomes the text box's pattern; nullopt when the amount came back
    // as it was (no target, or a currency missing) and the pattern stays.
    std::optional<QString> layout;
};

// Converts a fixed-point amount between two currencies of the collection
// through the Euro: divided by the source's rate, then multiplied by the
// target's (rates are units per Euro; their magnitudes count), each step
// rounded to four decimals with halves to even. A missing rate is asked of
// `fetch`: the target's as "Euro" to the target, the source's as source to
// "Euro", and when both are missing one direct rate from source to target
// by which the amount is divided. A rate still 0 (or not finite) raises
// InvalidChangeValue. An empty target gives the amount back unchanged; a
// currency not in the collection gives it back too, after raising
// NotExistsCurrency when `reportMissing`. A result beyond the fixed-point
// range raises overflow (6). An amount converted to its own currency comes
// back unchanged.
ORX_TOOLS_EXPORT CurrencyConversionResult ConvertCurrency(const ORXCurrencies& currencies, const QString& FromCurrency,
                                                          const QString& ToCurrency, basic::Currency Value, bool ReportMissing,
                                                          const ChangeValueFetchHandler& fetch = {});

}  // namespace orx::tools
