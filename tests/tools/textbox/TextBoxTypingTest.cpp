// A hosted text box typed into through the real key path and left: the
// value's normalisation, validity, display, raw and bound forms per template,
// the key filter, the events and the commit paths.
#include "tests/tools/textbox/TextBoxTestSupport.h"

#include "platform/basic/Regional.h"
#include "platform/host/Extender.h"

#include <QApplication>
#include <QClipboard>

using namespace orx;
using orx::test::TextBoxFixture;

namespace {

struct TemplateCase {
    int templ;
    QString keys;
    QString text, formatted;
    QVariant raw;
    QString bound;
};

int days(int y, int m, int d)
{
    return int(QDate(100, 1, 1).daysTo(QDate(y, m, d)));
}

}  // namespace

class TextBoxTyping : public TextBoxFixture {
protected:
    void check(const TemplateCase& c, const char* region)
    {
        messages().clear();
        TB* tb = box(c.templ, QStringLiteral("T%1").arg(c.templ));
        enter(tb, c.keys);
        const QString what = QStringLiteral("%1 template %2 typed %3").arg(region).arg(c.templ).arg(c.keys);
        EXPECT_EQ(tb->Text().toString(), c.text) << what.toStdString();
        EXPECT_EQ(tb->FormattedText(), c.formatted) << what.toStdString();
        EXPECT_EQ(tb->displayLabel()->text(), c.formatted) << what.toStdString();
        EXPECT_EQ(tb->RawText(), c.raw) << what.toStdString();
        EXPECT_EQ(tb->BoundText().toString(), c.bound) << what.toStdString();
        EXPECT_FALSE(tb->ErrorFlag()) << what.toStdString();
        EXPECT_TRUE(messages().messages.isEmpty()) << what.toStdString();
        EXPECT_FALSE(tb->editField()->isVisible());
        EXPECT_TRUE(tb->displayLabel()->isVisible());
    }
};

TEST_F(TextBoxTyping, EachTemplateUnderItalianSettings)
{
    const TemplateCase cases[] = {
        {TB::ORXTX_String, "Via Roma", "Via Roma", "Via Roma", "Via Roma", "Via Roma"},
        {TB::ORXTX_Numeric, "1234", "1234", "1.234", "1234", "1234"},
        {TB::ORXTX_Numeric, "12,5", "12,5", "13", "12,5", "12,5"},
        {TB::ORXTX_Numeric, "123456", "12345", "12.345", "12345", "12345"},  // the layout allows five
        {TB::ORXTX_Numeric, "-12", "-12", "-12", "-12", "-12"},
        {TB::ORXTX_Currency, "1234.56", "1234,56", "€ 1.234,56", "1234,56", "1234,56"},
        {TB::ORXTX_Percent, "12,5", "12,5%", "12,50%", "0,125", "0,125"},
        {TB::ORXTX_Day_Month_Year, "311203", "31/12/2003", "31/12/2003", days(2003, 12, 31), "31/12/2003"},
        {TB::ORXTX_Month_Day_Year, "123103", "12/31/2003", "12/31/2003", days(2003, 12, 31), "12/31/2003"},
        {TB::ORXTX_Year_Month_Day, "20031231", "2003/12/31", "2003/12/31", days(2003, 12, 31), "2003/12/31"},
        {TB::ORXTX_Day_Month, "3112", "31/12", "31/12", "3112", "31/12"},
        {TB::ORXTX_Month_Day, "1231", "12/31", "12/31", "1231", "12/31"},
        {TB::ORXTX_Month_Year, "1203", "12/2003", "12/2003", days(2003, 12, 1), "12/2003"},
        {TB::ORXTX_Year_Month, "0312", "2003/12", "2003/12", days(2003, 12, 1), "2003/12"},
        {TB::ORXTX_Hour_Minute, "1230", "12:30", "12:30", 45000, "12:30"},
        {TB::ORXTX_Hour_Minute_Seconds, "1230", "12:30:00", "12:30:00", 45000, "12:30:00"},
        {TB::ORXTX_Hour_Minute, "9:05", "09:05", "09:05", 32700, "09:05"},
    };
    for (const TemplateCase& c : cases)
        check(c, "IT");
}

TEST_F(TextBoxTyping, EachTemplateUnderUnitedStatesSettings)
{
    useRegional(basic::RegionalSettings::unitedStates());
    const TemplateCase cases[] = {
        {TB::ORXTX_Numeric, "12.5", "12.5", "13", "12.5", "12.5"},
        {TB::ORXTX_Numeric, "1234", "1234", "1,234", "1234", "1234"},
        {TB::ORXTX_Currency, "1234.4", "1234.40", "$ 1,234.40", "1234.40", "1234.40"},
        {TB::ORXTX_Percent, "12.5", "12.5%", "12.50%", "0.125", "0.125"},
        {TB::ORXTX_Day_Month_Year, "010130", "01/01/1930", "01/01/1930", days(1930, 1, 1), "01/01/1930"},
        {TB::ORXTX_Month_Day_Year, "03/04/05", "03/04/2005", "03/04/2005", days(2005, 3, 4), "03/04/2005"},
        {TB::ORXTX_Month_Day, "0304", "03/04", "03/04", "0304", "03/04"},
        {TB::ORXTX_Day_Month, "0304", "03/04", "03/04", "0304", "03/04"},
        {TB::ORXTX_Hour_Minute_Seconds, "123045", "12:30:45", "12:30:45", 45045, "12:30:45"},
    };
    for (const TemplateCase& c : cases)
        check(c, "US");
}

TEST_F(TextBoxTyping, TheTypicalRequest)
{
    TB* tb = box(TB::ORXTX_Day_Month_Year);
    focus(tb);
    EXPECT_TRUE(tb->HasFocus());
    EXPECT_TRUE(tb->editField()->isVisible());
    EXPECT_FALSE(tb->displayLabel()->isVisible());
    tb->editField()->selectAll();
    log.clear();
    type(tb->editField(), "311203");
    EXPECT_EQ(events({"Change"}).size(), 6);
    leave();
    EXPECT_FALSE(tb->HasFocus());
    EXPECT_EQ(tb->Text().toString(), "31/12/2003");
    EXPECT_EQ(tb->FormattedText(), "31/12/2003");
    EXPECT_EQ(tb->RawText().toInt(), days(2003, 12, 31));
    EXPECT_TRUE(tb->Modified());
}

TEST_F(TextBoxTyping, KeyFilterThroughRealKeystrokes)
{
    struct Case {
        const char* region;
        int templ;
        int characters;  // 0: the template's own
        QString keys;
        QString field;
        int beeps;
    };
    const Case cases[] = {
        {"IT", TB::ORXTX_Numeric, 0, "1.5", "15", 1},
        {"IT", TB::ORXTX_Numeric, 0, "1,5", "1,5", 0},
        {"IT", TB::ORXTX_Numeric, 0, "-7a", "-7", 1},
        {"IT", TB::ORXTX_Currency, 0, "1.5", "1,5", 0},
        {"US", TB::ORXTX_Numeric, 0, "1.5", "1.5", 0},
        {"US", TB::ORXTX_Currency, 0, "2.25", "2.25", 0},
        {"IT", TB::ORXTX_Numeric, 8, "1,5-", "15", 2},
        {"IT", TB::ORXTX_String, 2 + 32, "ab1 c", "ABC", 2},
        {"IT", TB::ORXTX_String, 2 + 4 + 64, "Ab C", "ab c", 0},
        {"IT", TB::ORXTX_String, 1 + 256, "a/b", "ab", 1},
        {"IT", TB::ORXTX_Day_Month_Year, 0, "31/12/03x", "31/12/03", 1},
        {"IT", TB::ORXTX_Hour_Minute, 0, "12:3a0", "12:30", 1},
    };
    for (const Case& c : cases) {
        useRegional(QString(c.region) == "IT" ? basic::RegionalSettings::italian() : basic::RegionalSettings::unitedStates());
        TB* tb = box(c.templ, QStringLiteral("K%1").arg(form().controls().size()));
        tb->SystemSettingRefresh();
        if (c.templ == TB::ORXTX_String && c.characters & 256)
            tb->setCharacterTable("/");
        if (c.characters)
            tb->setCharacters(c.characters);
        tb->setErrorBeep(true);
        messages().clear();
        focus(tb);
        tb->editField()->clear();
        type(tb->editField(), c.keys);
        EXPECT_EQ(tb->editField()->text(), c.field) << c.region << " " << c.templ << " " << c.keys.toStdString();
        EXPECT_EQ(messages().beeps, c.beeps) << c.region << " " << c.templ << " " << c.keys.toStdString();
        leave();
    }
}

TEST_F(TextBoxTyping, PasswordFieldTakesCapitalsAndDigitsAndShowsTheMask)
{
    TB* tb = box();
    tb->setPasswordChar("  *x");
    EXPECT_EQ(tb->PasswordChar(), "*");
    EXPECT_EQ(tb->Template(), TB::ORXTX_String);
    EXPECT_EQ(tb->Characters(), 42);
    EXPECT_FALSE(tb->AllowPaste());
    tb->setAllowPaste(true);  // ignored while masked
    EXPECT_FALSE(tb->AllowPaste());
    enter(tb, "ab-12");
    EXPECT_EQ(tb->Text().toString(), "AB12");
    EXPECT_EQ(tb->displayLabel()->text(), "****");
    EXPECT_EQ(tb->FormattedText(), "AB12");
    tb->setTemplate(TB::ORXTX_Numeric);  // ignored while masked
    EXPECT_EQ(tb->Template(), TB::ORXTX_String);
}

TEST_F(TextBoxTyping, PasteFollowsTheTypingRules)
{
    struct Case {
        int characters;
        QString clip;
        QString field;
    };
    const Case cases[] = {
        {8, "123", "123"},
        {8, "12a", ""},
        {1, "any text", "any text"},
        {2 + 32, "abc", "ABC"},
    };
    for (const Case& c : cases) {
        TB* tb = box(TB::ORXTX_String, QStringLiteral("P%1").arg(form().controls().size()));
        tb->setCharacters(c.characters);
        focus(tb);
        tb->editField()->clear();
        QApplication::clipboard()->setText(c.clip);
        key(tb->editField(), Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(tb->editField()->text(), c.field) << c.clip.toStdString();
        tb->editField()->clear();
        key(tb->editField(), Qt::Key_V, Qt::ControlModifier);
        // Ctrl+V is a control key: only a field that takes everything lets it through.
        EXPECT_EQ(tb->editField()->text(), c.characters & 1 ? c.field : QString()) << c.clip.toStdString();
        leave();
    }
    TB* locked = box(TB::ORXTX_String, "NoPaste");
    locked->setAllowPaste(false);
    locked->setErrorBeep(true);
    messages().clear();
    focus(locked);
    locked->editField()->clear();
    QApplication::clipboard()->setText("x");
    key(locked->editField(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(locked->editField()->text(), "");
    EXPECT_EQ(messages().beeps, 1);
}

TEST_F(TextBoxTyping, KeyEventsInOrder)
{
    TB* tb = box(TB::ORXTX_Numeric);
    focus(tb);
    tb->editField()->clear();
    log.clear();
    key(tb->editField(), Qt::Key_5);
    key(tb->editField(), Qt::Key_Return);
    key(tb->editField(), Qt::Key_A);
    EXPECT_EQ(log, QStringList({"KeyDown(53,0)", "KeyPress(53)", "Change", "KeyUp(53,0)", "KeyDown(13,0)",
                                "KeyEnterPressed", "KeyUp(13,0)", "KeyDown(65,0)", "KeyPress(0)", "KeyUp(65,0)"}));
}

TEST_F(TextBoxTyping, HandlersMayChangeKeys)
{
    TB* tb = box();
    QObject::connect(tb, &TB::KeyPress, [](int& a) {
        if (a == 'x')
            a = 'y';
        else if (a == 'z')
            a = 0;
    });
    QObject::connect(tb, &TB::KeyDown, [](int& code, int&) {
        if (code == 'Q')
            code = 0;
    });
    focus(tb);
    tb->editField()->clear();
    type(tb->editField(), "axzqb");
    EXPECT_EQ(tb->editField()->text(), "ayb");
}

TEST_F(TextBoxTyping, EndOfLineFollowsChangeAtTheLastCharacter)
{
    TB* tb = box(TB::ORXTX_String);
    tb->setMaxLength(5);
    EXPECT_EQ(tb->MaxLength(), 5);
    focus(tb);
    tb->editField()->clear();
    log.clear();
    type(tb->editField(), "abcdef");
    EXPECT_EQ(tb->editField()->text(), "abcde");
    EXPECT_EQ(events({"Change", "EndOfLine"}), QStringList({"Change", "Change", "Change", "Change", "Change", "EndOfLine"}));
}

// The limit holds typing and pasting; a selection makes room.
TEST_F(TextBoxTyping, TheLimitHoldsTypingAndPasting)
{
    struct Case {
        const char* start;
        int selectFrom;  // -1: the cursor at the end, nothing selected
        int selectLength;
        bool paste;
        const char* input;
        const char* field;
    } cases[] = {
        {"abcd", -1, 0, false, "xyz", "abcdx"},
        {"abcde", -1, 0, false, "x", "abcde"},
        {"abcde", 1, 2, false, "xyz", "axyde"},  // the selection makes room for two
        {"abc", -1, 0, true, "xyz", "abcxy"},
        {"abcde", -1, 0, true, "xyz", "abcde"},
        {"abcde", 0, 5, true, "123456", "12345"},
    };
    for (const Case& c : cases) {
        TB* tb = box(TB::ORXTX_String, QStringLiteral("Full%1").arg(form().controls().size()));
        tb->setMaxLength(5);
        tb->setText(QString::fromUtf8(c.start));
        focus(tb);
        if (c.selectFrom < 0)
            tb->editField()->end(false);
        else
            tb->editField()->setSelection(c.selectFrom, c.selectLength);
        if (c.paste) {
            QApplication::clipboard()->setText(QString::fromUtf8(c.input));
            key(tb->editField(), Qt::Key_Insert, Qt::ShiftModifier);
        } else {
            type(tb->editField(), QString::fromUtf8(c.input));
        }
        EXPECT_EQ(tb->editField()->text(), QString::fromUtf8(c.field)) << c.start << " + " << c.input;
        leave();
    }
}

TEST_F(TextBoxTyping, BlankedControlSwallowsKeysAndNeverEdits)
{
    TB* tb = box();
    tb->setText("kept");
    tb->setBlanked(true);
    EXPECT_EQ(tb->displayLabel()->text(), "");
    focus(tb);
    EXPECT_FALSE(tb->editField()->isVisible());
    type(tb->editField(), "abc");
    EXPECT_EQ(tb->Text().toString(), "kept");
    leave();
    tb->setBlanked(false);
    EXPECT_EQ(tb->displayLabel()->text(), "kept");
}

TEST_F(TextBoxTyping, LabelMouseBeginsEditing)
{
    TB* tb = box();
    log.clear();
    click(tb->displayLabel());
    EXPECT_EQ(events({"MouseDown", "Click", "MouseUp"}), QStringList({"MouseDown(1)", "Click", "MouseUp(1)"}));
    EXPECT_TRUE(tb->editField()->isVisible());
    EXPECT_TRUE(tb->editField()->hasFocus());
    EXPECT_EQ(tb->SelLength(), tb->Text().toString().size());
}

TEST_F(TextBoxTyping, EditingUsesTheRegionalSeparators)
{
    basic::RegionalSettings dashes = basic::RegionalSettings::italian();
    dashes.dateSeparator = "-";
    dashes.shortDatePattern = "dd-MM-yyyy";
    useRegional(dashes);
    TB* tb = box(TB::ORXTX_Day_Month_Year);
    tb->SystemSettingRefresh();
    EXPECT_EQ(tb->Layout(), "dd-mm-yyyy");
    tb->setText("31/12/2003");
    focus(tb);
    EXPECT_EQ(tb->editField()->text(), "31-12-2003");
    tb->editField()->selectAll();
    type(tb->editField(), "01-02-2004");
    leave();
    EXPECT_EQ(tb->Text().toString(), "01/02/2004");
    EXPECT_EQ(tb->FormattedText(), "01-02-2004");
}

TEST_F(TextBoxTyping, TabMovesBetweenBoxesAndCommits)
{
    TB* first = box(TB::ORXTX_Day_Month_Year, "First");
    TB* second = box(TB::ORXTX_Numeric, "Second");
    focus(first);
    first->editField()->selectAll();
    type(first->editField(), "010203");
    key(first->editField(), Qt::Key_Tab);
    EXPECT_EQ(first->Text().toString(), "01/02/2003");
    EXPECT_FALSE(first->HasFocus());
    EXPECT_TRUE(second->HasFocus());
    EXPECT_TRUE(second->editField()->hasFocus());
    EXPECT_EQ(second->SelLength(), 5);  // the whole value is selected on entry
    key(second->editField(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(first->HasFocus());
    EXPECT_FALSE(second->HasFocus());
    EXPECT_TRUE(first->editField()->hasFocus());
}
