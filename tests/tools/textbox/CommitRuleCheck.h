#pragma once

// The commit rule, checked on a text box after the focus has left it: its
// value is valid and in range for its template, or ErrorFlag is set. Used by
// the random-sequence test and by the key-sequence fuzz target.
#include "platform/basic/Clock.h"
#include "platform/basic/Variant.h"
#include "tools/textbox/InputRules.h"
#include "tools/textbox/LibraryState.h"
#include "tools/textbox/ORXTextBox.h"

#include <QString>

namespace orx::test {

// Whether a committed value obeys the rule: valid in its template's internal
// form and inside the limits. `why` says what is wrong when it does not.
inline bool commitIsSound(tools::ORXTextBox* tb, QString* why)
{
    using namespace tools::textbox;
    if (tb->ErrorFlag() || basic::isNull(tb->Text()))
        return true;
    const int templ = tb->Template();
    const QString text = tb->Text().toString();
    const int year = basic::Clock::today().year();
    bool valid = false;
    if (templ == tpl::DayMonth || templ == tpl::MonthDay) {
        valid = text.isEmpty() ? tb->AllowNothing() : validDayMonth(text, templ, year) == text;
    } else if (templ == tpl::Percent) {
        QString number = text;
        valid = number.endsWith(QLatin1Char('%'));
        number.chop(1);
        const Validity v = isValidValue(templ, number, tb->AllowNothing());
        valid = valid && v.valid && storedForm(templ, v.value) == text;
    } else {
        const Validity v = isValidValue(templ, text, tb->AllowNothing());
        valid = v.valid && storedForm(templ, v.value) == text;
    }
    if (!valid) {
        *why = QStringLiteral("Text \"%1\" is not a valid value and ErrorFlag is clear").arg(text);
        return false;
    }
    if (isOutOfRange(templ, text, tb->MinValue(), tb->MaxValue(), year, sharedSeparators().decimal)) {
        *why = QStringLiteral("Text \"%1\" is out of range and ErrorFlag is clear").arg(text);
        return false;
    }
    return true;
}

}  // namespace orx::test
