// Spin steps through the real scroll bar and the keys.
#include "tests/tools/textbox/TextBoxTestSupport.h"

#include "platform/host/Extender.h"

#include <QScrollBar>

using namespace orx;
using orx::test::TextBoxFixture;

class TextBoxSpin : public TextBoxFixture {
protected:
    TB* spinBox(int templ)
    {
        TB* tb = box(templ, QStringLiteral("Spin%1").arg(++count_));
        tb->extender()->setHeight(600);  // arrows of a comfortable size
        tb->setSpinButtons(true);
        settle();
        return tb;
    }
    // A click on the bar's upper or lower arrow.
    void arrow(TB* tb, bool up)
    {
        QScrollBar* bar = tb->spinBar();
        click(bar, QPoint(bar->width() / 2, up ? 3 : bar->height() - 4));
    }
    int count_ = 0;
};

TEST_F(TextBoxSpin, ArrowsStepEachTemplate)
{
    struct Case {
        const char* name;
        int templ;
        QString start;
        double step;
        int unit;  // SpinDateType or SpinTimeType, 0 to keep the template's
        QString min, max;
        bool up;
        QString want;
    } cases[] = {
        {"numeric up", TB::ORXTX_Numeric, "5", 2.5, 0, "", "", true, "7,5"},
        {"numeric up past the maximum", TB::ORXTX_Numeric, "5", 2.5, 0, "", "7", true, "5"},
        {"numeric down", TB::ORXTX_Numeric, "5", 2.5, 0, "", "", false, "2,5"},
        {"numeric down past the minimum", TB::ORXTX_Numeric, "5", 2.5, 0, "4", "", false, "5"},
        {"percent", TB::ORXTX_Percent, "50%", 1, 0, "", "", true, "51%"},
        {"month clamps the day", TB::ORXTX_Day_Month_Year, "31/01/2003", 1, TB::ORXTX_DI_Months, "", "", true,
         "28/02/2003"},
        {"days down", TB::ORXTX_Day_Month_Year, "01/03/2003", 1, 0, "", "", false, "28/02/2003"},
        {"weeks, rounded step", TB::ORXTX_Day_Month_Year, "01/03/2003", 1.4, TB::ORXTX_DI_Weeks, "", "", true,
         "08/03/2003"},
        {"date above the maximum", TB::ORXTX_Day_Month_Year, "31/12/2003", 1, 0, "", "31/12/2003", true,
         "31/12/2003"},
        {"month-year", TB::ORXTX_Month_Year, "12/2003", 1, 0, "", "", true, "01/2004"},
        {"hour-minute wraps", TB::ORXTX_Hour_Minute, "23:59", 1, 0, "", "", true, "00:00"},
        {"seconds wrap back", TB::ORXTX_Hour_Minute_Seconds, "00:00:00", 1, 0, "", "", false, "23:59:59"},
        {"hours", TB::ORXTX_Hour_Minute_Seconds, "10:30:00", 2, TB::ORXTX_TI_Hours, "", "", true, "12:30:00"},
    };
    for (const Case& c : cases) {
        TB* tb = spinBox(c.templ);
        tb->setText(c.start);
        tb->setSpinValue(c.step);
        if (c.unit && tb->Template() >= TB::ORXTX_Hour_Minute)
            tb->setSpinTimeType(TB::ORXTX_TimeInc_Constants(c.unit));
        else if (c.unit)
            tb->setSpinDateType(TB::ORXTX_DateInc_Constants(c.unit));
        tb->setMinValue(c.min);
        tb->setMaxValue(c.max);
        arrow(tb, c.up);
        EXPECT_EQ(tb->Text().toString(), c.want) << c.name;
        EXPECT_TRUE(messages().messages.isEmpty()) << c.name;
        messages().clear();
    }
}

TEST_F(TextBoxSpin, RepeatedClicksEndsAndTheArmedFlag)
{
    TB* tb = spinBox(TB::ORXTX_Numeric);
    tb->setText(QStringLiteral("10"));
    arrow(tb, true);
    arrow(tb, true);
    arrow(tb, false);
    EXPECT_EQ(tb->Text().toString(), "11");
    // The ends of the bar count as one more step the same way.
    tb->spinBar()->setValue(tb->spinBar()->minimum());
    EXPECT_EQ(tb->Text().toString(), "12");
    EXPECT_EQ(tb->spinBar()->value(), 15000);
    tb->spinBar()->setValue(tb->spinBar()->maximum());
    EXPECT_EQ(tb->Text().toString(), "11");
    EXPECT_EQ(tb->spinBar()->value(), 15000);
}

TEST_F(TextBoxSpin, KeysStepAndSelectTheText)
{
    struct Case {
        Qt::Key key;
        bool selTextAuto;
        QString want;
        int selected;
    } cases[] = {
        {Qt::Key_Up, true, "6", 1},
        {Qt::Key_Down, true, "4", 1},
        {Qt::Key_Down, false, "4", 0},
    };
    for (const Case& c : cases) {
        TB* tb = spinBox(TB::ORXTX_Numeric);
        tb->setText(QStringLiteral("5"));
        tb->setSelTextAuto(c.selTextAuto);
        focus(tb);
        tb->editField()->deselect();
        log.clear();
        key(tb->editField(), c.key, Qt::ControlModifier);
        EXPECT_EQ(tb->Text().toString(), c.want) << c.key;
        EXPECT_EQ(tb->SelLength(), c.selected) << c.key;
        for (const QString& e : events({"KeyDown"}))
            EXPECT_FALSE(e.startsWith("KeyDown(38") || e.startsWith("KeyDown(40")) << "the step takes the key";
        leave();
    }
}

TEST_F(TextBoxSpin, SpinButtonsRulesAndRefusedUnits)
{
    TB* text = box(TB::ORXTX_String, QStringLiteral("S"));
    text->setSpinButtons(true);
    EXPECT_FALSE(text->SpinButtons());
    EXPECT_FALSE(text->spinBar()->isVisibleTo(text));

    TB* number = box(TB::ORXTX_Numeric, QStringLiteral("N"));
    number->setComboButtonVisible(true);
    number->setSpinButtons(true);
    EXPECT_TRUE(number->SpinButtons());
    EXPECT_FALSE(number->ComboButtonVisible());
    EXPECT_TRUE(number->spinBar()->isVisibleTo(number));

    struct Case {
        int templ;
        bool date;
        int unit;
        bool accepted;
    } cases[] = {
        {TB::ORXTX_Day_Month, true, TB::ORXTX_DI_Years, false},
        {TB::ORXTX_Month_Day, true, TB::ORXTX_DI_Months, true},
        {TB::ORXTX_Month_Year, true, TB::ORXTX_DI_Days, false},
        {TB::ORXTX_Year_Month, true, TB::ORXTX_DI_Weeks, false},
        {TB::ORXTX_Year_Month, true, TB::ORXTX_DI_Years, true},
        {TB::ORXTX_Hour_Minute, false, TB::ORXTX_TI_Seconds, false},
        {TB::ORXTX_Hour_Minute_Seconds, false, TB::ORXTX_TI_Seconds, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        TB* tb = box(c.templ, QStringLiteral("U%1").arg(++n));
        const int before = c.date ? int(tb->SpinDateType()) : int(tb->SpinTimeType());
        if (c.date)
            tb->setSpinDateType(TB::ORXTX_DateInc_Constants(c.unit));
        else
            tb->setSpinTimeType(TB::ORXTX_TimeInc_Constants(c.unit));
        const int after = c.date ? int(tb->SpinDateType()) : int(tb->SpinTimeType());
        EXPECT_EQ(after, c.accepted ? c.unit : before) << c.templ << " " << c.unit;
    }
}

// Setting SpinButtons, on or off, puts the spinner back in the middle for
// every template that spins; the next step is judged from there.
TEST_F(TextBoxSpin, SettingSpinButtonsRecentresTheBar)
{
    struct Case {
        int templ;
        bool on;
        int want;  // the bar's value afterwards
    } cases[] = {
        {TB::ORXTX_Numeric, false, 15000},
        {TB::ORXTX_Numeric, true, 15000},
        {TB::ORXTX_Day_Month_Year, false, 15000},
        {TB::ORXTX_String, false, 15001},  // no spin: nothing to recentre
    };
    for (const Case& c : cases) {
        TB* tb = spinBox(c.templ);
        tb->spinBar()->setValue(15001);
        tb->setSpinButtons(c.on);
        EXPECT_EQ(tb->spinBar()->value(), c.want) << c.templ << " " << c.on;
        EXPECT_EQ(tb->spinBar()->property("orxTag").toInt(), tb->spinBar()->value()) << c.templ << " " << c.on;
    }
}
