// Format with random patterns and values: numbers, dates, texts, Null and
// Empty meet every pattern under two regional settings. An error is only
// ever a raised BasicError (overflow for a value no pattern can show).
#include "fuzz/FuzzSupport.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Convert.h"
#include "platform/basic/Dates.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Regional.h"
#include "platform/basic/Variant.h"

#include <QDateTime>

using namespace orx;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::setUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const basic::ScopedRegional regional(input.ConsumeBool() ? basic::RegionalSettings::italian()
                                                             : basic::RegionalSettings::unitedStates());
    const int kind = input.ConsumeIntegralInRange(0, 5);
    QVariant value;
    switch (kind) {
    case 0: value = input.ConsumeFloatingPoint<double>(); break;
    case 1: value = double(input.ConsumeIntegral<int32_t>()) / 100.0; break;
    case 2:
        value = basic::fromSerial(input.ConsumeFloatingPointInRange<double>(-657434.0, 2958465.99));
        break;
    case 3: value = fuzz::text(input, 40); break;
    case 4: value = basic::nullVariant(); break;
    default: break;  // Empty
    }
    const QString pattern = fuzz::text(input, 64);
    try {
        const QString shown = basic::format(value, pattern);
        (void)shown;
    } catch (const basic::BasicError&) {
    }
    try {
        if (kind <= 1)
            (void)basic::formatNumber(value.toDouble(), pattern);
        if (kind == 2)
            (void)basic::formatDate(value.toDateTime(), pattern);
        if (kind == 3)
            (void)basic::formatText(value.toString(), pattern);
        (void)basic::formatNullWithPattern(pattern);
        (void)basic::isDatePattern(pattern);
    } catch (const basic::BasicError&) {
    }
    return 0;
}
