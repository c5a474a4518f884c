#include "apps/demo/GroupsDemo.h"

#include "apps/demo/DemoWindow.h"
#include "platform/host/Extender.h"
#include "platform/host/Form.h"
#include "platform/host/Services.h"
#include "platform/testing/RecordingMessageService.h"
#include "platform/host/Twips.h"
#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/optiongroup/ORXOptionButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextStream>

using namespace orx;
using tools::ORXCheckBox;
using tools::ORXOptionButton;

namespace {

constexpr double kLeft = 240;
constexpr double kWidth = 5400;

QLabel* captionAbove(host::Form& form, const QString& text, double top)
{
    auto* label = new QLabel(text, &form);
    host::setTwipGeometry(label, {kLeft, top, kWidth, 255});
    return label;
}

template <class Control>
Control* controlNamed(QWidget& form, const char* name)
{
    auto* hostForm = qobject_cast<host::Form*>(&form);
    return hostForm ? qobject_cast<Control*>(hostForm->control(QLatin1String(name))) : nullptr;
}

// A press and release where a user would click, through the window's hit test.
void clickOn(QWidget* widget)
{
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, widget->mapTo(top, widget->rect().center()));
    QApplication::processEvents();
}

void press(QWidget* widget, Qt::Key key)
{
    QTest::keyClick(widget, key);
    QApplication::processEvents();
}

}  // namespace

std::unique_ptr<QWidget> makeGroupsForm()
{
    auto form = std::make_unique<host::Form>();
    form->setWindowTitle(QStringLiteral("ORX group controls"));
    form->setUserMode(true);
    double top = kLeft;

    captionAbove(*form, QStringLiteral("Extras (check box group, vertical)"), top);
    auto* extras = new ORXCheckBox();
    form->placeControl(extras, QStringLiteral("ORX_Tools_OCXs.ORXCheckBox"), QStringLiteral("Extras"),
                       {kLeft, top + 285, kWidth, 1140});
    extras->setNumChecks(4);
    extras->setCaptions(QStringLiteral("Gift wrap|Express delivery|Insurance|Invoice by mail"));
    top += 285 + 1140 + 180;

    captionAbove(*form, QStringLiteral("Delivery days (check box group, grid of 3, Pop frame)"), top);
    auto* days = new ORXCheckBox();
    form->placeControl(days, QStringLiteral("ORX_Tools_OCXs.ORXCheckBox"), QStringLiteral("Days"),
                       {kLeft, top + 285, kWidth, 900});
    days->setNumChecks(6);
    days->setOrientation(ORXCheckBox::ORXCK_Grid_Orient);
    days->setNumColsGrid(3);
    days->setCaptions(QStringLiteral("Monday|Tuesday|Wednesday|Thursday|Friday|Saturday"));
    days->setBorderEffect(tools::ORXCK::ORXCK_Pop_Frame);
    days->setNumericValue(0b010101);
    top += 285 + 900 + 180;

    captionAbove(*form, QStringLiteral("Payment (option button group, horizontal)"), top);
    auto* payment = new ORXOptionButton();
    form->placeControl(payment, QStringLiteral("ORX_Tools_OCXs.ORXOptionButton"), QStringLiteral("Payment"),
                       {kLeft, top + 285, kWidth, 480});
    payment->setNumOptions(3);
    payment->setOrientation(ORXOptionButton::ORXOB_Horiz_Orient);
    payment->setCaptions(QStringLiteral("Card|Cash|Cheque"));
    payment->setListValues(QStringLiteral("CARD|CASH|CHQ"));
    top += 285 + 480 + kLeft;

    form->resize(host::pixelsFromTwipsX(kWidth + 2 * kLeft), host::pixelsFromTwipsY(top));
    return form;
}

bool runGroupsDemo(QWidget& form)
{
    if (!headless()) {
        form.show();
        return true;
    }
    host::RecordingMessageService messages;
    host::setMessageService(&messages);
    auto* extras = controlNamed<ORXCheckBox>(form, "Extras");
    auto* days = controlNamed<ORXCheckBox>(form, "Days");
    auto* payment = controlNamed<ORXOptionButton>(form, "Payment");
    form.show();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();

    QTextStream out(stdout);
    QStringList events;
    QObject::connect(extras, &ORXCheckBox::Click, extras, [&](int& i, bool& v) {
        events << QStringLiteral("Click(%1, %2)").arg(i).arg(v ? QStringLiteral("True") : QStringLiteral("False"));
    });
    QObject::connect(payment, &ORXOptionButton::Click, payment, [&] { events << QStringLiteral("Click()"); });
    auto report = [&](const QString& step, const QString& values) {
        out << QStringLiteral("  %1\n      %2").arg(step, values);
        if (!events.isEmpty())
            out << QStringLiteral("  events: ") << events.join(QStringLiteral(", "));
        out << "\n";
        events.clear();
    };
    auto checkValues = [&] {
        return QStringLiteral("ListValue=%1  NumericValue=%2").arg(extras->ListValue()).arg(extras->NumericValue());
    };
    auto optionValues = [&] {
        return QStringLiteral("ListIndex=%1  Value=%2").arg(payment->ListIndex()).arg(payment->Value());
    };

    out << "\nGroup controls: clicks and keys as a user would\n";
    report(QStringLiteral("Extras at the start (captions %1)").arg(extras->Captions()), checkValues());
    clickOn(extras->checkBox(1));
    report(QStringLiteral("clicked the box of \"Express delivery\""), checkValues());
    clickOn(extras->captionLabel(3));
    report(QStringLiteral("clicked the caption \"Invoice by mail\""), checkValues());
    press(extras->checkBox(3), Qt::Key_Backtab);
    press(extras->checkBox(2), Qt::Key_Space);
    report(QStringLiteral("Shift+Tab to \"Insurance\", Space"), checkValues());
    press(extras->checkBox(2), Qt::Key_Space);
    report(QStringLiteral("Space again"), checkValues());
    out << QStringLiteral("  Days (grid, NumericValue set to 21 by the program): ListValue=%1\n").arg(days->ListValue());

    report(QStringLiteral("Payment at the start (list values %1)").arg(payment->ListValues()), optionValues());
    clickOn(payment->captionLabel(2));
    report(QStringLiteral("clicked the caption \"Cheque\""), optionValues());
    press(payment->optionButton(2), Qt::Key_Left);
    report(QStringLiteral("Left arrow"), optionValues());
    payment->setValue(QStringLiteral("CARD"));
    report(QStringLiteral("the program set Value to CARD"), optionValues());
    out.flush();

    form.hide();
    host::setMessageService(nullptr);
    return showOrRender(form, QStringLiteral("groups"));
}
