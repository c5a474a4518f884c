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

void ORXTextBox::Private::onSpinBarChanged()
{
    if (!SpinArmed)
        return;
    const SpinMove move = spinMove(VS_Spin->value(), VS_Spin->property(kSpinTag).toInt(), VS_Spin->minimum(),
                                   VS_Spin->maximum());
    if (move.recentre >= 0) {
        SpinArmed = false;
        VS_Spin->setValue(move.recentre);
        SpinArmed = true;
    }
    spinStep(move.up);
    VS_Spin->setProperty(kSpinTag, VS_Spin->value());
    if (selTextAuto_)
        q->MarkSelected();
}

void ORXTextBox::Private::spinStep(bool up)
{
    if (isNumberTemplate(template_)) {
        const std::optional<double> n =
            spinNumber(textValue(), spinValue_, up, minValue_, maxValue_, sharedSeparators().decimal);
        if (n)
            q->setText(basic::numberToString(*n));
    } else if (isDateTemplate(template_)) {
        const double count = basic::roundHalfEven(spinValue_);
        q->DateIncrement(spinDateType_, up ? count : -count);
    } else if (isTimeTemplate(template_)) {
        q->TimeIncrement(spinTimeType_, up ? spinValue_ : -spinValue_);
    }
}

}  // namespace orx::tools
