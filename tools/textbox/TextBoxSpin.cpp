// The spin bar: each change of the endless spinner is one step of the value.
#include "tools/textbox/ORXTextBox_p.h"

#include "platform/basic/Numbers.h"
#include "tools/textbox/LibraryState.h"
#include "tools/textbox/SpinRules.h"
#include "tools/textbox/Templates.h"

#include <QScrollBar>

namespace orx::tools {

using namespace textbox;

namespace {
const char* const kSpinTag = "orxTag";
}

void ORXTextBox::onSpinBarChanged()
{
    if (!d->SpinArmed)
        return;
    const SpinMove move = spinMove(d->VS_Spin->value(), d->VS_Spin->property(kSpinTag).toInt(), d->VS_Spin->minimum(),
                                   d->VS_Spin->maximum());
    if (move.recentre >= 0) {
        d->SpinArmed = false;
        d->VS_Spin->setValue(move.recentre);
        d->SpinArmed = true;
    }
    spinStep(move.up);
    d->VS_Spin->setProperty(kSpinTag, d->VS_Spin->value());
    if (d->selTextAuto_)
        MarkSelected();
}

void ORXTextBox::spinStep(bool up)
{
    if (isNumberTemplate(d->template_)) {
        const std::optional<double> n =
            spinNumber(textValue(), d->spinValue_, up, d->minValue_, d->maxValue_, sharedSeparators().decimal);
        if (n)
            setText(basic::numberToString(*n));
    } else if (isDateTemplate(d->template_)) {
        const double count = basic::roundHalfEven(d->spinValue_);
        DateIncrement(d->spinDateType_, up ? count : -count);
    } else if (isTimeTemplate(d->template_)) {
        TimeIncrement(d->spinTimeType_, up ? d->spinValue_ : -d->spinValue_);
    }
}

}  // namespace orx::tools
