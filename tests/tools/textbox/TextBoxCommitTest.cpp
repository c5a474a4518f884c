// The commit: restored, fixed by a handler, or left in error; the messages
// and events with their arguments; limits and the range check in the control.
#include "tests/tools/textbox/CommitRuleCheck.h"
#include "tests/tools/textbox/TextBoxTestSupport.h"

#include "platform/basic/Regional.h"
#include "platform/host/Extender.h"

#include <QListWidget>

using namespace orx;
using orx::test::TextBoxFixture;

class TextBoxCommit : public TextBoxFixture {};

TEST_F(TextBoxCommit, InvalidValuesPerPath)
{
    struct Case {
        const char* name;
        int templ;
        bool ifErrUndo;
        bool ifErrMess;
        int handler;  // 0 none, 1 sets a valid value, 2 sets another invalid value
        QString typed;
        QString text;
        bool error;
        QString label;
        QStringList events;
        int messages;
    };
    const Case cases[] = {
        {"restored", TB::ORXTX_Numeric, true, true, 0, "1-2", "12345", false, "12.345", {}, 1},
        {"restored quietly", TB::ORXTX_Numeric, true, false, 0, "1-2", "12345", false, "12.345", {}, 0},
        {"fixed by handler", TB::ORXTX_Numeric, false, true, 1, "1-2", "0", false, "0", {"Invalid(1-2,12345)"}, 1},
        {"left in error", TB::ORXTX_Numeric, false, true, 0, "1-2", "1-2", true, "Error", {"Invalid(1-2,12345)"}, 1},
        {"handler still wrong", TB::ORXTX_Numeric, false, false, 2, "--", "zz", true, "Error", {"Invalid(--,12345)"}, 0},
        {"date restored", TB::ORXTX_Day_Month_Year, true, true, 0, "1/1/2003", "15/06/2010", false, "15/06/2010", {}, 1},
        {"date left in error", TB::ORXTX_Day_Month_Year, false, false, 0, "1/1/2003", "1/1/2003", true, "Error",
         {"Invalid(1/1/2003,15/06/2010)"}, 0},
        {"percent fixed", TB::ORXTX_Percent, false, false, 1, "1-2", "0%", false, "0,00%", {"Invalid(1-2,50%)"}, 0},
        {"day-month emptied", TB::ORXTX_Day_Month, false, true, 0, "3102", "", false, "", {}, 1},
        {"day-month restored", TB::ORXTX_Day_Month, true, true, 0, "3102", "15/06", false, "15/06", {}, 1},
        {"time restored", TB::ORXTX_Hour_Minute, true, true, 0, "2561", "10:30", false, "10:30", {}, 1},
    };
    for (const Case& c : cases) {
        TB* tb = box(c.templ, QString::fromLatin1(c.name).remove(' ').remove('-'));
        tb->setIfErrUndo(c.ifErrUndo);
        tb->setIfErrMess(c.ifErrMess);
        const QVariant rawBefore = tb->RawText();
        if (c.handler) {
            QObject::connect(tb, &TB::Invalid, [&c](QVariant& text, const QVariant&) {
                text = c.handler == 1 ? QStringLiteral("0") : QStringLiteral("zz");
            });
        }
        messages().clear();
        log.clear();
        enter(tb, c.typed);
        EXPECT_EQ(tb->Text().toString(), c.text) << c.name;
        EXPECT_EQ(tb->ErrorFlag(), c.error) << c.name;
        EXPECT_EQ(tb->displayLabel()->text(), c.label) << c.name;
        EXPECT_EQ(events({"Invalid", "OutOfRange"}), c.events) << c.name;
        ASSERT_EQ(messages().messages.size(), c.messages) << c.name;
        if (c.messages) {
            // The message shows the value as normalised: 3102 was read as 31/02.
            const QString shown = c.templ == TB::ORXTX_Day_Month ? QString("31/02")
                : c.templ == TB::ORXTX_Hour_Minute               ? QString("25:61")
                                                                 : c.typed;
            EXPECT_EQ(messages().messages[0].text, "Warning !!! Invalid input value:\n\n" + shown) << c.name;
            EXPECT_EQ(messages().messages[0].style, host::mb::Critical) << c.name;
            EXPECT_EQ(messages().messages[0].title, "") << c.name;
        }
        if (c.error) {
            EXPECT_EQ(tb->RawText(), rawBefore) << "raw form kept in error: " << c.name;
        }
        EXPECT_EQ(tb->reverted(), c.ifErrUndo || c.handler == 1) << c.name;
    }
}

TEST_F(TextBoxCommit, OutOfRangePerPath)
{
    struct Case {
        const char* name;
        int templ;
        QString min, max;
        bool ifErrUndo;
        bool handler;  // sets the minimum
        QString typed;
        QString text;
        bool error;
        int messages;
    };
    const Case cases[] = {
        {"in range", TB::ORXTX_Numeric, "10", "", true, false, "12", "12", false, 0},
        {"below, restored", TB::ORXTX_Numeric, "10", "", true, false, "9", "12345", false, 1},
        {"below, fixed", TB::ORXTX_Numeric, "10", "", false, true, "9", "10", false, 1},
        {"below, left", TB::ORXTX_Numeric, "10", "", false, false, "9", "9", true, 1},
        {"decimals count", TB::ORXTX_Numeric, "", "10", true, false, "10,5", "12345", false, 1},
        {"date above", TB::ORXTX_Year_Month_Day, "", "2003/06/30", false, false, "2003/07/01", "2003/07/01", true, 1},
        {"date at the limit", TB::ORXTX_Year_Month_Day, "", "2003/06/30", false, false, "20030630", "2003/06/30", false, 0},
        {"unpadded time below the limit", TB::ORXTX_Hour_Minute, "", "18:00", false, false, "9:00", "09:00", false, 0},
        {"time above", TB::ORXTX_Hour_Minute, "", "18:00", false, false, "1801", "18:01", true, 1},
        {"string", TB::ORXTX_String, "B", "M", false, false, "Z", "Z", true, 1},
        {"empty is nothing", TB::ORXTX_Numeric, "10", "", false, false, "", "", false, 0},
    };
    for (const Case& c : cases) {
        TB* tb = box(c.templ, QString::fromLatin1(c.name).remove(' ').remove(','));
        tb->setMinValue(c.min);
        tb->setMaxValue(c.max);
        tb->setIfErrUndo(c.ifErrUndo);
        if (c.handler) {
            QObject::connect(tb, &TB::OutOfRange, [](QVariant& text, const QVariant&, const QString& mn, const QString&) {
                text = mn;
            });
        }
        const QVariant last = tb->Text();
        messages().clear();
        log.clear();
        enter(tb, c.typed);
        EXPECT_EQ(tb->Text().toString(), c.text) << c.name;
        EXPECT_EQ(tb->ErrorFlag(), c.error) << c.name;
        ASSERT_EQ(messages().messages.size(), c.messages) << c.name;
        if (c.messages) {
            EXPECT_EQ(messages().messages[0].text,
                      "Warning !!! Input value out of range:\n\n" + tb->MinValue() + "\n\n" + tb->MaxValue())
                << c.name;
        }
        const QStringList raised = events({"OutOfRange"});
        if (c.messages && !c.ifErrUndo) {
            ASSERT_EQ(raised.size(), 1) << c.name;
            EXPECT_TRUE(raised[0].startsWith("OutOfRange(" + (c.templ == TB::ORXTX_Hour_Minute ? QString("18:01") : c.typed)))
                << raised[0].toStdString();
            EXPECT_TRUE(raised[0].contains(last.toString())) << c.name;
        } else {
            EXPECT_TRUE(raised.isEmpty()) << c.name;
        }
    }
}

TEST_F(TextBoxCommit, EmptyValueWithoutAllowNothingIsInvalid)
{
    TB* tb = box(TB::ORXTX_Numeric);
    tb->setAllowNothing(false);
    enter(tb, "");
    EXPECT_EQ(tb->Text().toString(), "12345");
    ASSERT_EQ(messages().messages.size(), 1);
    EXPECT_EQ(messages().messages[0].text, "Warning !!! Invalid input value:\n\n");
}

TEST_F(TextBoxCommit, ProgramAssignmentIsCommittedLikeTyping)
{
    TB* tb = box(TB::ORXTX_Numeric);
    tb->setText("12");
    log.clear();
    messages().clear();
    tb->setText("abc");
    EXPECT_EQ(tb->Text().toString(), "12");
    EXPECT_EQ(tb->LastText().toString(), "12");
    EXPECT_EQ(messages().messages.size(), 1);
    tb->setText(" 42 ");
    EXPECT_EQ(tb->Text().toString(), "42");
    EXPECT_EQ(tb->LastText().toString(), "12");
    EXPECT_EQ(tb->editField()->text(), "42");
    EXPECT_EQ(events({"Change"}).size(), 1);  // the field changed once, to 42
}

TEST_F(TextBoxCommit, ErrorDescAndErrorFlagRedisplay)
{
    TB* tb = box(TB::ORXTX_Numeric);
    tb->setErrorFlag(true);
    EXPECT_EQ(tb->displayLabel()->text(), "Error");
    EXPECT_EQ(tb->FormattedText(), "Error");
    tb->setErrorDesc("Wrong");
    EXPECT_EQ(tb->displayLabel()->text(), "Wrong");
    tb->setErrorFlag(false);
    EXPECT_EQ(tb->displayLabel()->text(), "12.345");
}

TEST_F(TextBoxCommit, LimitsMustSuitTheTemplate)
{
    struct Case {
        int templ;
        QString limit;
        QString stored;
    };
    const Case cases[] = {
        {TB::ORXTX_Numeric, "abc", ""},      {TB::ORXTX_Numeric, "10", "10"},
        {TB::ORXTX_Day_Month, "31/12", "31/12"}, {TB::ORXTX_Month_Year, "13/2003", ""},
        {TB::ORXTX_Hour_Minute, "9:00", "09:00"}, {TB::ORXTX_String, "anything", "anything"},
    };
    for (const Case& c : cases) {
        TB* tb = box(c.templ, QStringLiteral("L%1").arg(form().controls().size()));
        tb->setMinValue(c.limit);
        tb->setMaxValue(c.limit);
        EXPECT_EQ(tb->MinValue(), c.stored) << c.templ << " " << c.limit.toStdString();
        EXPECT_EQ(tb->MaxValue(), c.stored) << c.templ << " " << c.limit.toStdString();
        tb->setTemplate(TB::ORXTX_Template_Constants(c.templ));
        EXPECT_EQ(tb->MinValue(), "") << "a template clears the limits";
    }
}

TEST_F(TextBoxCommit, BoundControlSetsDataChanged)
{
    TB* tb = box(TB::ORXTX_Numeric);
    tb->extender()->setDataField("Amount");
    tb->extender()->setDataChanged(false);
    enter(tb, "7");
    EXPECT_TRUE(tb->extender()->dataChanged());
    EXPECT_FALSE(tb->Modified()) << "a bound control is never Modified";
    tb->extender()->setDataChanged(false);
    tb->setBoundText("8");
    EXPECT_EQ(tb->Text().toString(), "8");
    EXPECT_TRUE(tb->extender()->dataChanged());

    form().propertyChangePolicy = [](host::UserControl*, const QString& name) { return name != "BoundText" && name != "Text"; };
    tb->setBoundText("9");
    tb->setText("10");
    EXPECT_EQ(tb->Text().toString(), "8");
}

TEST_F(TextBoxCommit, NullTextGoesThroughTheTemplate)
{
    struct Case {
        int templ;
        QString given;
        QString stored;
    };
    const Case cases[] = {
        {TB::ORXTX_Numeric, "5", "5"},
        {TB::ORXTX_Numeric, "x", "0"},
        {TB::ORXTX_Day_Month_Year, "010203", "01/02/2003"},
        {TB::ORXTX_Day_Month_Year, "junk", "01/01/1900"},
        {TB::ORXTX_Percent, "7", "7%"},
        {TB::ORXTX_Hour_Minute_Seconds, "bad", "00:00:00"},
    };
    for (const Case& c : cases) {
        TB* tb = box(c.templ, QStringLiteral("N%1").arg(form().controls().size()));
        messages().clear();
        tb->setNullText(c.given);
        EXPECT_EQ(tb->NullText(), c.stored) << c.templ << " " << c.given.toStdString();
        EXPECT_TRUE(messages().messages.isEmpty());
        EXPECT_FALSE(tb->ErrorFlag());
    }
}

// The edit field's length limits typing only: a value a program assigns, or
// a data source delivers, is kept whole.
TEST_F(TextBoxCommit, AssignedValuesLongerThanTheFieldAreKept)
{
    struct Case {
        int templ;
        const char* layout;  // "" keeps the template's
        const char* assigned;
        const char* shown;
    } cases[] = {
        {TB::ORXTX_Numeric, "", "123456", "123.456"},
        {TB::ORXTX_Numeric, "", "-98765", "-98.765"},
        {TB::ORXTX_String, ">>>", "abcdef", "ABCDEF"},
    };
    for (const Case& c : cases) {
        TB* tb = box(c.templ, QStringLiteral("Long%1").arg(form().controls().size()));
        if (*c.layout)
            tb->setLayout(QString::fromUtf8(c.layout));
        log.clear();
        tb->setText(QString::fromUtf8(c.assigned));
        EXPECT_EQ(tb->Text().toString(), QString::fromUtf8(c.assigned)) << c.assigned;
        EXPECT_EQ(tb->displayLabel()->text(), QString::fromUtf8(c.shown)) << c.assigned;
        EXPECT_EQ(tb->editField()->text(), QString::fromUtf8(c.assigned)) << c.assigned;
    }
}

// Values that reach Text while the user is still editing (a program's
// assignment, a list pick, a step) are checked against the value from before
// the edit, never against the unchecked typing.
TEST_F(TextBoxCommit, AnUndoDuringAnEditRestoresTheCommittedValue)
{
    struct Case {
        const char* name;
        int templ;
        QString start, typed, assigned;
        QString text;  // after the assignment and after leaving
    };
    const Case cases[] = {
        {"time", TB::ORXTX_Hour_Minute_Seconds, "10:00:00", "1", "02,", "10:00:00"},
        {"date", TB::ORXTX_Day_Month_Year, "01/01/2005", "8", "25:61", "01/01/2005"},
        {"year-month", TB::ORXTX_Year_Month, "2005/01", "17", "x", "2005/01"},
        {"percent", TB::ORXTX_Percent, "5%", "69463", "abc", "5%"},
    };
    for (const Case& c : cases) {
        TB* tb = box(c.templ, QStringLiteral("Undo%1").arg(c.templ));
        tb->setText(c.start);
        focus(tb);
        tb->editField()->selectAll();
        type(tb->editField(), c.typed);
        messages().clear();
        tb->setText(c.assigned);
        EXPECT_EQ(tb->Text().toString(), c.text) << c.name;
        EXPECT_EQ(tb->LastText().toString(), c.start) << c.name;
        EXPECT_EQ(messages().messages.size(), 1) << c.name;
        leave();
        EXPECT_EQ(tb->Text().toString(), c.text) << c.name;
        EXPECT_FALSE(tb->ErrorFlag()) << c.name;
    }
}

TEST_F(TextBoxCommit, AListPickDuringAnEditIsCommitted)
{
    TB* tb = box(TB::ORXTX_Day_Month_Year);
    tb->setComboItems("12:30|25:61");
    tb->setComboButtonVisible(true);
    tb->setText("01/01/2005");
    focus(tb);
    type(tb->editField(), "8");
    messages().clear();
    withOpenList(
        tb, [tb] { QTest::keyClick(tb->editField(), Qt::Key_Down, Qt::AltModifier); },
        [tb] {
            QTest::keyClick(tb->comboListBox(), Qt::Key_Down);
            QTest::keyClick(tb->comboListBox(), Qt::Key_Return);
        });
    EXPECT_EQ(tb->Text().toString(), "01/01/2005");
    EXPECT_EQ(messages().messages.size(), 1);
    leave();
    EXPECT_EQ(tb->Text().toString(), "01/01/2005");
    EXPECT_FALSE(tb->ErrorFlag());
}

// A value restored by the undo is the one the user had: limits the program
// set after it was accepted are not applied to it again.
TEST_F(TextBoxCommit, TheUndoRestoresAValueAcceptedUnderEarlierLimits)
{
    TB* tb = box(TB::ORXTX_Numeric);
    tb->setText("12345");
    tb->setMinValue("10");
    tb->setMaxValue("99,99");
    enter(tb, "5");
    EXPECT_EQ(tb->Text().toString(), "12345");
    EXPECT_FALSE(tb->ErrorFlag());
    EXPECT_TRUE(tb->reverted());
}

// Day-Month and Month-Day report their own invalid values; their commit still
// starts from a clear error state, so that a range error is not kept for a
// value that replaced the faulty one.
TEST_F(TextBoxCommit, ADayMonthValueClearsAnEarlierRangeError)
{
    TB* tb = box(TB::ORXTX_Month_Day);
    tb->setIfErrUndo(false);
    tb->setMinValue("03/01");
    tb->setMaxValue("09/30");
    enter(tb, "1015");
    EXPECT_TRUE(tb->ErrorFlag());
    for (const QString& typed : {QString(), QStringLiteral("0615")}) {
        enter(tb, "1015");
        enter(tb, typed);
        EXPECT_EQ(tb->Text().toString(), typed.isEmpty() ? QString() : QStringLiteral("06/15"));
        EXPECT_FALSE(tb->ErrorFlag()) << typed.toStdString();
    }
}

// Found by the key-sequence fuzzer: a Month-Day box that may not be empty,
// given a value it cannot read, must not end empty with ErrorFlag clear.
TEST_F(TextBoxCommit, AMonthDayBoxThatMayNotBeEmptyNeverCommitsNothing)
{
    TB* tb = box(TB::ORXTX_Month_Day);
    tb->setSpinButtons(true);
    tb->setIfErrUndo(false);
    tb->setAllowNothing(false);
    tb->setMinValue("03/01");
    tb->setMaxValue("09/30");
    tb->setText("06/15");
    focus(tb);
    for (const Qt::Key k : {Qt::Key_Z, Qt::Key_Z, Qt::Key_Escape, Qt::Key_0, Qt::Key_1, Qt::Key_4})
        QTest::keyClick(QApplication::focusWidget(), k);
    leave();
    QString why;
    EXPECT_TRUE(test::commitIsSound(tb, &why)) << why.toStdString();
    EXPECT_TRUE(tb->ErrorFlag());
    EXPECT_EQ(tb->Text().toString(), QStringLiteral("014")) << "what was typed is kept";
}
