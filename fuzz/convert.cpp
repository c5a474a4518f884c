// The conversions of texts: CDate, IsDate, Val, IsNumeric and CDbl never fail
// but by a raised error, and agree with each other: a text IsDate accepts
// converts with CDate, a text IsNumeric accepts converts with CDbl (unless
// it is beyond the Double range, which is an overflow).
#include "fuzz/FuzzSupport.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Convert.h"
#include "platform/basic/Dates.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Regional.h"

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
    const QString text = QString::fromUtf8(QByteArray::fromStdString(input.ConsumeRemainingBytesAsString()));
    const QVariant variant(text);

    if (basic::isDate(variant)) {
        try {
            (void)basic::cdate(variant);
        } catch (const basic::BasicError& e) {
            fuzz::broken("IsDate is true but CDate fails", text + QStringLiteral(": ") + e.description());
        }
    }
    const bool isDate = basic::isDateText(text);
    ORX_FUZZ_CHECK(isDate == basic::parseDate(text).has_value(), text);

    if (basic::isNumeric(variant)) {
        try {
            (void)basic::cdbl(variant);
        } catch (const basic::BasicError& e) {
            if (e.number() != basic::err::Overflow)
                fuzz::broken("IsNumeric is true but CDbl fails", text + QStringLiteral(": ") + e.description());
        }
    }
    if (basic::isNumericText(text))
        ORX_FUZZ_CHECK(basic::scanNumber(text).has_value(), text);
    try {
        (void)basic::val(text);
    } catch (const basic::BasicError& e) {
        ORX_FUZZ_CHECK(e.number() == basic::err::Overflow, text + QStringLiteral(": ") + e.description());
    }
    try {
        (void)basic::cdate(variant);
    } catch (const basic::BasicError&) {
    }
    return 0;
}
