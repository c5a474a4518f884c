// The text box's keystroke filter and commit on random key sequences, for
// every template: after the focus leaves the box its value is valid and in
// range for its template, or ErrorFlag is set (the commit rule the unit tests
// check on seeded sequences, tests/tools/textbox/CommitRuleCheck.h).
#include "fuzz/FuzzSupport.h"

#include "platform/basic/Clock.h"
#include "platform/basic/Regional.h"
#include "platform/host/Form.h"
#include "platform/host/Services.h"
#include "platform/testing/RecordingMessageService.h"
#include "tests/tools/textbox/CommitRuleCheck.h"
#include "tools/textbox/ORXTextBox.h"

#include <QLineEdit>
#include <QTest>

using namespace orx;
using TB = tools::ORXTextBox;

namespace {

struct Host {
    basic::ScopedRegional regional{basic::RegionalSettings::italian()};
    basic::ScopedClock clock{basic::wallClock(QDate(2010, 6, 15), QTime(10, 30, 0))};
    host::RecordingMessageService messages;
    host::Form form;
    QLineEdit* elsewhere = nullptr;

    Host()
    {
        host::setMessageService(&messages);
        form.resize(640, 480);
        form.setUserMode(true);
        form.show();
        elsewhere = new QLineEdit(&form);
        elsewhere->setGeometry(400, 400, 100, 24);
        elsewhere->show();
        QApplication::setActiveWindow(&form);
    }
};

Host* host_ = nullptr;

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Limits a box may be given: none, and a pair for each kind of template.
const char* const kLimits[][2] = {
    {"", ""}, {"10", "99,99"}, {"-5", "5"}, {"01/01/2000", "31/12/2010"}, {"03/01", "09/30"}, {"08:00", "18:00"},
};

const Qt::Key kKeys[] = {
    Qt::Key_0,      Qt::Key_1,         Qt::Key_2,      Qt::Key_3,     Qt::Key_4,         Qt::Key_5,
    Qt::Key_6,      Qt::Key_7,         Qt::Key_8,      Qt::Key_9,     Qt::Key_Comma,     Qt::Key_Period,
    Qt::Key_Slash,  Qt::Key_Colon,     Qt::Key_Percent, Qt::Key_Minus, Qt::Key_Plus,     Qt::Key_E,
    Qt::Key_A,      Qt::Key_Z,         Qt::Key_Space,  Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
    Qt::Key_Right,  Qt::Key_Home,      Qt::Key_End,    Qt::Key_Return, Qt::Key_Escape,   Qt::Key_Up,
    Qt::Key_Down,
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::setUp(argc, argv);
    host_ = new Host;
    settle();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int templ = input.ConsumeIntegralInRange(0, int(TB::ORXTX_Hour_Minute_Seconds));
    const bool spin = input.ConsumeBool();
    const bool undo = input.ConsumeBool();
    const bool allowNothing = input.ConsumeBool();
    const auto& limits = kLimits[input.ConsumeIntegralInRange<size_t>(0, std::size(kLimits) - 1)];

    auto* tb = new TB();
    host_->form.placeControl(tb, QStringLiteral("ORX_Tools.ORXTextBox"), QStringLiteral("Fuzz"),
                             host::TwipRect{120, 120, 2400, 375});
    tb->setTemplate(TB::ORXTX_Template_Constants(templ));
    tb->setSpinButtons(spin);
    tb->setIfErrUndo(undo);
    tb->setAllowNothing(allowNothing);
    tb->setMinValue(QString::fromLatin1(limits[0]));
    tb->setMaxValue(QString::fromLatin1(limits[1]));
    settle();
    // The rule is about what a commit leaves: a template's first value need
    // not lie inside limits given after it, and a box the keys never changed
    // (or whose bad value was undone) still holds it.
    const QVariant start = tb->Text();

    QApplication::setActiveWindow(&host_->form);
    tb->setFocus(Qt::OtherFocusReason);
    settle();
    while (input.remaining_bytes() > 0) {
        const uint8_t step = input.ConsumeIntegral<uint8_t>();
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : static_cast<QWidget*>(tb);
        if (step < 200) {
            QTest::keyClick(target, kKeys[step % std::size(kKeys)]);
        } else if (step < 215) {
            QTest::keyClick(target, step % 2 ? Qt::Key_Up : Qt::Key_Down, Qt::ControlModifier);
        } else if (step < 225) {
            tb->setText(fuzz::text(input, 12));
        } else if (step < 235) {
            tb->setFocus(Qt::OtherFocusReason);
        } else if (step < 245) {
            host_->elsewhere->setFocus(Qt::OtherFocusReason);
        } else {
            // Typed text: printable ASCII, as QTest can only type that.
            QString typed;
            for (const char c : input.ConsumeBytesAsString(input.ConsumeIntegralInRange(0, 8)))
                typed += QLatin1Char(char(0x20 + (static_cast<unsigned char>(c) % 95)));
            QTest::keyClicks(target, typed);
        }
        settle();
    }
    host_->elsewhere->setFocus(Qt::OtherFocusReason);
    settle();

    QString why;
    const bool sound = tb->Text() == start || test::commitIsSound(tb, &why);
    if (!sound)
        fuzz::broken("the commit rule does not hold", QStringLiteral("template %1, starting from %2 (%3): %4")
                                                          .arg(templ)
                                                          .arg(start.toString(), QString::fromLatin1(start.typeName()), why));
    host_->form.removeControl(tb);
    host_->messages.clear();
    settle();
    return 0;
}
