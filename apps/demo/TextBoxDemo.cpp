#include "apps/demo/TextBoxDemo.h"

#include "apps/demo/DemoWindow.h"
#include "platform/basic/Regional.h"
#include "platform/basic/Variant.h"
#include "platform/host/Extender.h"
#include "platform/host/Form.h"
#include "platform/host/Services.h"
#include "platform/testing/RecordingMessageService.h"
#include "tools/common/Library.h"
#include "tools/textbox/ORXTextBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QScrollBar>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextStream>

#include <functional>
#include <memory>

using namespace orx;
using tools::ORXTextBox;

namespace {

struct Entry {
    const char* caption;
    int templ;
    const char* typed;
    const char* name;
};

// What a user types into each box; the last two show a correction and a refusal.
const Entry kEntries[] = {
    {"String (capitals)", ORXTextBox::ORXTX_String, "via roma e milano", "Street"},
    {"Numeric", ORXTextBox::ORXTX_Numeric, "1234", "Amount"},
    {"Currency", ORXTextBox::ORXTX_Currency, "99.5", "Price"},
    {"Percent", ORXTextBox::ORXTX_Percent, "12,5", "Rate"},
    {"Day_Month_Year", ORXTextBox::ORXTX_Day_Month_Year, "311203", "Due"},
    {"Month_Day_Year", ORXTextBox::ORXTX_Month_Day_Year, "123103", "DueUS"},
    {"Year_Month_Day", ORXTextBox::ORXTX_Year_Month_Day, "031231", "DueISO"},
    {"Day_Month", ORXTextBox::ORXTX_Day_Month, "2512", "Holiday"},
    {"Month_Day", ORXTextBox::ORXTX_Month_Day, "1225", "HolidayUS"},
    {"Month_Year", ORXTextBox::ORXTX_Month_Year, "0603", "Period"},
    {"Year_Month", ORXTextBox::ORXTX_Year_Month, "0306", "PeriodISO"},
    {"Hour_Minute", ORXTextBox::ORXTX_Hour_Minute, "0930", "Opens"},
    {"Hour_Minute_Seconds", ORXTextBox::ORXTX_Hour_Minute_Seconds, "235959", "Stamp"},
    {"Numeric, at least 10", ORXTextBox::ORXTX_Numeric, "5", "Quantity"},
    {"Day_Month_Year, bad date", ORXTextBox::ORXTX_Day_Month_Year, "310203", "Bad"},
};

// The template and the rules of an entry; applied again when the regional
// settings change, since a template takes the separators in force.
void configure(ORXTextBox* box, const Entry& e)
{
    box->setTemplate(ORXTextBox::ORXTX_Template_Constants(e.templ));
    if (e.templ == ORXTextBox::ORXTX_String)
        box->setCharacters(ORXTextBox::ORXTX_KB_Ok_All + ORXTextBox::ORXTX_KB_Set_UFirst);
    if (QLatin1String(e.name) == QLatin1String("Quantity"))
        box->setMinValue(QStringLiteral("10"));
}

// An amount held in Lire, shown in the currency picked from its list; the
// catalogue is the sample, copied into the demo's own library folder.
constexpr const char* kCurrencyBox = "PriceLire";

void configureCurrency(ORXTextBox* box)
{
    // A fresh copy each run, so that every run starts from the same catalogue.
    const QString catalogue = tools::App().path() + QStringLiteral("/ORXCurrency.INI");
    const QString samples = samplesFolder();
    QFile::remove(catalogue);
    if (samples.isEmpty() || !QFile::copy(samples + QStringLiteral("/ORXCurrency.INI"), catalogue))
        QTextStream(stderr) << "orx-demo: the sample ORXCurrency.INI was not found (set ORX_SAMPLES)\n";
    box->setTemplate(ORXTextBox::ORXTX_Currency);
    box->setSelCurrency(QStringLiteral("Lira"));
    box->setHandleCurrencyChanges(true);
    box->setText(QStringLiteral("193627"));
}

constexpr double kRow = 450, kLeft = 240, kCaptionWidth = 2700, kBoxWidth = 2400, kHeight = 330;

QString shown(const QVariant& v)
{
    if (basic::isNull(v))
        return QStringLiteral("Null");
    return v.toString();
}

ORXTextBox* boxNamed(host::Form& form, const char* name)
{
    return qobject_cast<ORXTextBox*>(form.control(QLatin1String(name)));
}

// Runs `whileOpen` once the box's list is showing (inside the list's wait).
void whenListOpen(ORXTextBox* box, std::function<void()> whileOpen)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [box, whileOpen, poll] {
        if (!box->comboListBox()->isVisible()) {
            QTimer::singleShot(10, *poll);
            return;
        }
        whileOpen();
    };
    QTimer::singleShot(0, *poll);
}

// The finished control's parts, used as a user would: a click on the spin
// bar, a drop-down list opened and picked (its picture taken while open), a
// pick-only list stepped with Ctrl+Down, the check box unticked and ticked.
void exerciseParts(host::Form& form, QTextStream& out)
{
    out << "\nThe parts of the control, used\n";
    if (ORXTextBox* spin = boxNamed(form, "SpinDays")) {
        const QString before = shown(spin->Text());
        QScrollBar* bar = spin->spinBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, 3));
        QApplication::processEvents();
        out << QStringLiteral("  spin box: %1, one click on the up arrow: %2\n").arg(before, shown(spin->Text()));
    }
    if (ORXTextBox* combo = boxNamed(form, "ComboColour")) {
        QString picture;
        whenListOpen(combo, [&] {
            picture = saveSnapshot(*combo->window(), QStringLiteral("textbox-list"));
            QListWidget* list = combo->comboListBox();
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
        });
        QTest::mouseClick(combo->dropDownButton(), Qt::LeftButton);
        QApplication::processEvents();
        out << QStringLiteral("  combo list opened by its button, Down and Enter: Text=%1\n").arg(shown(combo->Text()));
        if (!picture.isEmpty())
            out << QStringLiteral("  the open list: %1\n").arg(picture);
    }
    if (ORXTextBox* pick = boxNamed(form, "ListColour")) {
        pick->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QTest::keyClick(pick, Qt::Key_Up, Qt::ControlModifier);
        QTest::keyClick(pick, Qt::Key_Up, Qt::ControlModifier);
        out << QStringLiteral("  pick-only list, Ctrl+Up twice: Text=%1\n").arg(shown(pick->Text()));
    }
    if (ORXTextBox* checked = boxNamed(form, "CheckedAmount")) {
        QCheckBox* check = checked->checkBox();
        QTest::mouseClick(check, Qt::LeftButton);
        QApplication::processEvents();
        out << QStringLiteral("  check box unticked: Text=%1, shown \"%2\"\n").arg(shown(checked->Text()), checked->FormattedText());
        QTest::mouseClick(check, Qt::LeftButton);
        QApplication::processEvents();
        out << QStringLiteral("  check box ticked again: Text=%1\n").arg(shown(checked->Text()));
    }
}

}  // namespace

std::unique_ptr<QWidget> makeTextBoxForm()
{
    auto form = std::make_unique<host::Form>();
    form->setWindowTitle(QStringLiteral("ORX text boxes"));
    form->setUserMode(true);
    double top = kLeft;
    for (const Entry& e : kEntries) {
        auto* caption = new QLabel(QString::fromLatin1(e.caption), form.get());
        host::setTwipGeometry(caption, {kLeft, top, kCaptionWidth, kHeight});
        auto* box = new ORXTextBox();
        form->placeControl(box, QStringLiteral("ORX_Tools_OCXs.ORXTextBox"), QString::fromLatin1(e.name),
                           {kLeft + kCaptionWidth, top, kBoxWidth, kHeight});
        configure(box, e);
        top += kRow;
    }
    auto* caption = new QLabel(QStringLiteral("Currency, with its list"), form.get());
    host::setTwipGeometry(caption, {kLeft, top, kCaptionWidth, kHeight});
    auto* currency = new ORXTextBox();
    form->placeControl(currency, QStringLiteral("ORX_Tools_OCXs.ORXTextBox"), QLatin1String(kCurrencyBox),
                       {kLeft + kCaptionWidth, top, kBoxWidth, kHeight});
    configureCurrency(currency);
    top += kRow;
    // The finished control's own parts: a painted caption in a Pop frame, a
    // spin box, a combo-type and a list-type drop-down, and a check box.
    auto addLook = [&](const char* name, int templ) {
        auto* box = new ORXTextBox();
        form->placeControl(box, QStringLiteral("ORX_Tools_OCXs.ORXTextBox"), QLatin1String(name),
                           {kLeft, top, kCaptionWidth + kBoxWidth, kHeight + 45});
        box->setTemplate(ORXTextBox::ORXTX_Template_Constants(templ));
        box->setCapWidth(float(kCaptionWidth));
        box->setCapAlignment(ORXTextBox::ORXTX_MiddleLeft_CaptAlign);
        top += kRow + 45;
        return box;
    };
    ORXTextBox* spin = addLook("SpinDays", ORXTextBox::ORXTX_Day_Month_Year);
    spin->setCaption(QStringLiteral("Spin, a day a click"));
    spin->setBorderEffect(orx::tools::ORXTX::ORXTX_Pop_Frame);
    spin->setSpinButtons(true);
    spin->setText(QStringLiteral("31/01/2003"));
    for (const char* name : {"ComboColour", "ListColour"}) {
        ORXTextBox* list = addLook(name, ORXTextBox::ORXTX_String);
        const bool pickOnly = QLatin1String(name) == QLatin1String("ListColour");
        list->setCaption(pickOnly ? QStringLiteral("Pick-only list") : QStringLiteral("Combo, type or pick"));
        list->setComboItems(QStringLiteral("Red|Green|Blue"));
        list->setComboButtonVisible(true);
        list->setComboType(pickOnly ? ORXTextBox::ORXTX_List_Type : ORXTextBox::ORXTX_Combo_Type);
    }
    ORXTextBox* checked = addLook("CheckedAmount", ORXTextBox::ORXTX_Numeric);
    checked->setCaption(QStringLiteral("With a check box"));
    checked->setNullText(QStringLiteral("0"));
    checked->setCheckBoxVisible(true);
    checked->setText(QStringLiteral("42"));
    form->resize(host::pixelsFromTwipsX(2 * kLeft + kCaptionWidth + kBoxWidth), host::pixelsFromTwipsY(top + kLeft));
    return form;
}

bool runTextBoxDemo(QWidget& form)
{
    if (!headless()) {
        form.show();
        return true;
    }
    // A fixed setting so that every run prints the same: Italian separators.
    basic::ScopedRegional italian(basic::RegionalSettings::italian());
    host::RecordingMessageService messages;
    host::setMessageService(&messages);

    auto* hostForm = qobject_cast<host::Form*>(&form);
    auto* away = new QLineEdit(&form);
    away->setGeometry(0, 0, 1, 1);
    form.show();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();

    QTextStream out(stdout);
    out << "\nText boxes (Italian settings): typed, then left\n";
    int i = 0;
    for (host::UserControl* control : hostForm->controls()) {
        auto* box = qobject_cast<ORXTextBox*>(control);
        if (!box || box->extender()->name() == QLatin1String(kCurrencyBox) || i >= int(std::size(kEntries)))
            continue;
        const Entry& e = kEntries[i++];
        box->SystemSettingRefresh();
        configure(box, e);
        messages.clear();
        const QString before = shown(box->Text());
        box->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        box->editField()->selectAll();
        QTest::keyClicks(box->editField(), QString::fromLatin1(e.typed));
        away->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        out << QStringLiteral("  %1 typed %2\n").arg(QString::fromLatin1(e.caption), -26).arg(QString::fromLatin1(e.typed));
        out << QStringLiteral("      Text=%1  FormattedText=%2  RawText=%3  BoundText=%4\n")
                   .arg(shown(box->Text()), box->FormattedText(), shown(box->RawText()), shown(box->BoundText()));
        for (const host::RecordingMessageService::Message& m : messages.messages) {
            out << "      message: " << QString(m.text).replace(QLatin1Char('\n'), QStringLiteral(" | ")) << "\n";
            const bool range = m.text.startsWith(box->ErrOutOfRangeMess());
            if (shown(box->Text()) == before)
                out << QStringLiteral("      %1: the previous value %2 is restored\n")
                           .arg(range ? QStringLiteral("out of range (minimum %1, maximum %2)")
                                                .arg(box->MinValue().isEmpty() ? QStringLiteral("none") : box->MinValue(),
                                                     box->MaxValue().isEmpty() ? QStringLiteral("none") : box->MaxValue())
                                      : QStringLiteral("not a valid value"),
                                before);
        }
    }
    // The currency box: the display currency picked through its own list.
    for (host::UserControl* control : hostForm->controls()) {
        auto* box = qobject_cast<ORXTextBox*>(control);
        if (!box || box->extender()->name() != QLatin1String(kCurrencyBox))
            continue;
        configureCurrency(box);
        out << QStringLiteral("  Currency box: Text=%1 in %2, shown %3\n")
                   .arg(shown(box->Text()), box->SelCurrency(), box->FormattedText());
        QString offered;
        std::function<void()> pick = [&] {
            QListWidget* list = box->comboListBox();
            if (!list->isVisible()) {
                QTimer::singleShot(10, pick);
                return;
            }
            for (int row = 0; row < list->count(); ++row)
                offered += (row ? QStringLiteral(", ") : QString()) + list->item(row)->text();
            const QList<QListWidgetItem*> euro = list->findItems(QStringLiteral("Euro"), Qt::MatchExactly);
            if (!euro.isEmpty())
                list->setCurrentItem(euro.front());
            QTest::keyClick(list, Qt::Key_Return);
        };
        QTimer::singleShot(0, pick);
        QTest::mouseClick(box->dropDownButton(), Qt::LeftButton);
        QApplication::processEvents();
        out << QStringLiteral("      list offers %1; picked %2: shown %3 (Text still %4 in %5)\n")
                   .arg(offered, box->dropDownButton()->toolTip(), box->FormattedText(), shown(box->Text()),
                        box->SelCurrency());
    }
    exerciseParts(*hostForm, out);
    out.flush();
    delete away;
    form.hide();
    host::setMessageService(nullptr);
    return showOrRender(form, QStringLiteral("textbox"));
}
