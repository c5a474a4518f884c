// The general form of a number shown by a report: its quick path for numbers
// with a few decimals gives exactly the text of the general conversion, under
// either decimal separator.
#include "platform/basic/Numbers.h"
#include "platform/basic/Regional.h"
#include "reportrt/formula/Value.h"

#include <gtest/gtest.h>

using namespace orx;
using orx::reportrt::formula::Value;

TEST(NumberText, TheGeneralFormWithEitherSeparator)
{
    std::vector<double> values = {0.5, -0.25, 12.3, 0.0001, 0.00015, 0.00001, 1.0 / 3, 2.0 / 3, 123456.789, -98765.4321,
                                  999999999.999999, 1e9 + 0.5, 0.1 + 0.2, 1.005, 4.35, 1e-4 * 3, 1234567.1234567,
                                  100.000001, 0.1234565, 5e-5, -0.0001, 1e15 + 0.5};
    for (int i = -3000; i <= 3000; ++i) {
        values.push_back(i / 10.0);
        values.push_back(i * 0.01);
        values.push_back(i * 37 % 1000 / 10.0 + i * 1e-6);
        values.push_back(i / 7.0);
    }
    const basic::RegionalSettings conventions[] = {basic::RegionalSettings::unitedStates(), basic::RegionalSettings::italian()};
    for (const auto& convention : conventions) {
        basic::ScopedRegional scope{convention};
        int mismatches = 0;
        for (double v : values) {
            const QString shown = Value::ofNumber(v).display();
            if (shown != basic::numberToString(v) && ++mismatches <= 5)
                ADD_FAILURE() << v << " shows " << shown.toStdString() << ", the general form is "
                              << basic::numberToString(v).toStdString();
        }
        EXPECT_EQ(mismatches, 0) << convention.decimalSeparator.toStdString();
    }
}
