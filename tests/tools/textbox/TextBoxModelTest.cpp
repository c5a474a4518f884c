// The control's model: template application, the value's forms, the
// property setters' rules, design-time members, and the property bag.
#include "tests/tools/textbox/TextBoxTestSupport.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Regional.h"
#include "platform/com/Component.h"
#include "platform/com/Dispatch.h"
#include "platform/host/Extender.h"
#include "platform/host/PropertyBag.h"
#include "tests/support/TestSupport.h"
#include "tools/common/Components.h"

#include <QCheckBox>
#include <QScrollBar>

using namespace orx;
using orx::test::TextBoxFixture;

class TextBoxModel : public TextBoxFixture {
protected:
    template <class F>
    int errorOf(F&& f)
    {
        try {
            f();
        } catch (const basic::BasicError& e) {
            return e.number();
        }
        return 0;
    }
};

TEST_F(TextBoxModel, ApplyingATemplateSetsValueAndForms)
{
    struct Case {
        int templ;
        QString text;
        QString formatted;
        QString bound;
        int alignment;
        int maxLength;
    };
    const Case cases[] = {
        {TB::ORXTX_String, "Text1", "Text1", "Text1", 0, 0},
        {TB::ORXTX_Numeric, "12345", "12.345", "12345", 1, 5},
        {TB::ORXTX_Currency, "12345", "€ 12.345,00", "12345", 1, 11},  // the regional currency's pattern
        {TB::ORXTX_Percent, "50%", "50,00%", "0,5", 1, 9},
        {TB::ORXTX_Day_Month_Year, "15/06/2010", "15/06/2010", "15/06/2010", 2, 10},
        {TB::ORXTX_Month_Year, "06/2010", "06/2010", "06/2010", 2, 7},
        {TB::ORXTX_Hour_Minute_Seconds, "10:30:00", "10:30:00", "10:30:00", 2, 8},
    };
    TB* tb = box();
    for (const Case& c : cases) {
        tb->setTemplate(TB::ORXTX_Template_Constants(c.templ));
        EXPECT_EQ(tb->Text().toString(), c.text) << c.templ;
        EXPECT_EQ(tb->LastText().toString(), c.text) << c.templ;
        EXPECT_EQ(tb->FormattedText(), c.formatted) << c.templ;
        EXPECT_EQ(tb->BoundText().toString(), c.bound) << c.templ;
        EXPECT_EQ(int(tb->Alignment()), c.alignment) << c.templ;
        EXPECT_EQ(tb->MaxLength(), c.maxLength) << c.templ;
        EXPECT_FALSE(tb->Modified());
    }
}

TEST_F(TextBoxModel, BoundControlsTakeFullDatesOnly)
{
    TB* tb = box();
    tb->extender()->setDataField("Born");
    struct Case {
        int given, stored;
    };
    const Case cases[] = {{9, 4}, {7, 4}, {10, 4}, {5, 4}, {6, 4}, {11, 11}, {1, 1}};
    for (const Case& c : cases) {
        tb->setTemplate(TB::ORXTX_Template_Constants(c.given));
        EXPECT_EQ(int(tb->Template()), c.stored) << c.given;
    }
}

TEST_F(TextBoxModel, RawTextBothWays)
{
    TB* tb = box(TB::ORXTX_Day_Month_Year);
    tb->setText("01/01/1900");
    const int to1900 = int(QDate(100, 1, 1).daysTo(QDate(1900, 1, 1)));
    EXPECT_EQ(tb->RawText().toInt(), to1900);
    tb->setText("02/02/2002");
    tb->setRawText(to1900);
    EXPECT_EQ(tb->Text().toString(), "01/01/1900");
    tb->setTemplate(TB::ORXTX_Hour_Minute_Seconds);
    tb->setRawText(3725);
    EXPECT_EQ(tb->Text().toString(), "01:02:05");
    tb->setTemplate(TB::ORXTX_Numeric);
    EXPECT_EQ(errorOf([&] { tb->setRawText(5); }), basic::err::GetNotSupportedAtRuntime);
    setUserMode(false);
    tb->setRawText(5);
    EXPECT_EQ(tb->RawText().toInt(), 5);
}

TEST_F(TextBoxModel, DateMethods)
{
    TB* tb = box(TB::ORXTX_Year_Month_Day);
    const int d = int(QDate(100, 1, 1).daysTo(QDate(2003, 12, 31)));
    struct Case {
        int format;
        QString value;
        int raw;
    };
    const Case cases[] = {{4, "311203", d}, {5, "12/31/2003", d}, {6, "031231", d}, {4, "31/02/2003", 0}, {7, "3112", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(tb->GetRawDate(c.format, c.value), c.raw) << c.value.toStdString();
    tb->LetDate(4, "311203");
    EXPECT_EQ(tb->Text().toString(), "2003/12/31");
    tb->LetDate(4, "310203");  // not a date: nothing changes
    EXPECT_EQ(tb->Text().toString(), "2003/12/31");
    tb->setTemplate(TB::ORXTX_Month_Year);
    tb->LetDate(4, "010101");  // only full-date templates take it
    EXPECT_EQ(tb->Text().toString(), "06/2010");
    tb->Clear();
    EXPECT_EQ(tb->Text().toString(), "06/2010");
    tb->setTemplate(TB::ORXTX_Numeric);
    tb->Clear();
    EXPECT_EQ(tb->Text().toString(), "0");
}

TEST_F(TextBoxModel, LayoutRules)
{
    TB* tb = box(TB::ORXTX_Percent);
    struct Case {
        int templ;
        QString given;
        QString stored;
        QString shown;
    };
    const Case cases[] = {
        {TB::ORXTX_Percent, "0.0%", "0.0%", "50,0%"},
        {TB::ORXTX_Percent, "0.0", "0.0%", "50,0%"},
        {TB::ORXTX_Percent, "0.00;-0.00", "0.00%;-0.00%", "50,00%"},
        {TB::ORXTX_Numeric, " #,##0.00 ", "#,##0.00", "12.345,00"},
        {TB::ORXTX_Numeric, "#,##0.", "#,##0.", "12.345"},
        {TB::ORXTX_String, ">", ">", "TEXT1"},
        {TB::ORXTX_Day_Month_Year, "yyyy", "dd/mm/yyyy", "15/06/2010"},
        {TB::ORXTX_Currency, "0.00", "\\€ #,##0.00;\\€ -#,##0.00", "€ 12.345,00"},
    };
    for (const Case& c : cases) {
        if (int(tb->Template()) != c.templ)
            tb->setTemplate(TB::ORXTX_Template_Constants(c.templ));
        tb->setLayout(c.given);
        EXPECT_EQ(tb->Layout(), c.stored) << c.given.toStdString();
        EXPECT_EQ(tb->FormattedText(), c.shown) << c.given.toStdString();
    }
}

TEST_F(TextBoxModel, SystemSettingRefreshRebuildsDateLayoutsOnly)
{
    TB* date = box(TB::ORXTX_Day_Month_Year, "D");
    TB* number = box(TB::ORXTX_Numeric, "N");
    number->setLayout("#,##0.00");
    basic::RegionalSettings dashes = basic::RegionalSettings::italian();
    dashes.dateSeparator = "-";
    dashes.shortDatePattern = "dd-MM-yyyy";
    useRegional(dashes);
    date->SystemSettingRefresh();
    number->SystemSettingRefresh();
    EXPECT_EQ(date->Layout(), "dd-mm-yyyy");
    EXPECT_EQ(date->CharacterTable(), "-");
    EXPECT_EQ(date->FormattedText(), "15-06-2010");
    EXPECT_EQ(number->Layout(), "#,##0.00");
}

TEST_F(TextBoxModel, CharactersAndTableThroughTheControl)
{
    TB* tb = box(TB::ORXTX_Numeric);
    tb->setCharacters(3);
    EXPECT_EQ(tb->Characters(), 24);
    tb->setCharacters(8);
    EXPECT_EQ(tb->Characters(), 8);
    EXPECT_EQ(tb->CharacterTable(), "");
    tb->setCharacters(24);
    EXPECT_EQ(tb->CharacterTable(), ",-.");
    tb->setCharacterTable("x");
    EXPECT_EQ(tb->CharacterTable(), ",-.");
    tb->setTemplate(TB::ORXTX_Day_Month_Year);
    tb->setMaxLength(3);
    EXPECT_EQ(tb->MaxLength(), 10);
    tb->setTemplate(TB::ORXTX_Currency);
    tb->setMaxLength(3);
    EXPECT_EQ(tb->MaxLength(), 15);
}

TEST_F(TextBoxModel, CouplingOfSideFeatures)
{
    TB* tb = box(TB::ORXTX_Numeric);
    tb->setAllowNothing(false);
    tb->setCheckBoxVisible(true);
    EXPECT_TRUE(tb->AllowNothing());
    tb->setSpinButtons(true);
    EXPECT_TRUE(tb->SpinButtons());
    EXPECT_TRUE(tb->spinBar()->isVisibleTo(tb));
    tb->setComboButtonVisible(true);
    EXPECT_FALSE(tb->SpinButtons());
    EXPECT_FALSE(tb->spinBar()->isVisibleTo(tb));
    tb->setTemplate(TB::ORXTX_String);
    tb->setSpinButtons(true);
    EXPECT_FALSE(tb->SpinButtons());
    tb->setCheckBoxEnabled(false);
    EXPECT_FALSE(tb->ComboButtonEnabled());
    tb->setComboButtonEnabled(true);
    EXPECT_FALSE(tb->ComboButtonEnabled());
    tb->setAppearance(tools::ORXTX::ORXTX_Flat);
    EXPECT_EQ(int(tb->BorderEffect()), 0);
    tb->setBorderStyle(tools::ORXTX::ORXTX_Fixed_Single);
    EXPECT_EQ(int(tb->BorderStyle()), 1);
    tb->setAppearance(tools::ORXTX::ORXTX_3D);
    EXPECT_EQ(int(tb->BorderStyle()), 0);
    EXPECT_EQ(int(tb->BorderEffect()), 2);
}

TEST_F(TextBoxModel, CheckBoxSavesAndRestoresTheValue)
{
    TB* tb = box(TB::ORXTX_Numeric);
    tb->setCheckBoxVisible(true);
    tb->setText("77");
    log.clear();
    tb->checkBox()->click();
    EXPECT_EQ(tb->Text().toString(), "0");
    EXPECT_TRUE(tb->Blanked());
    EXPECT_FALSE(tb->CheckBoxValue());
    tb->checkBox()->click();
    EXPECT_EQ(tb->Text().toString(), "77");
    EXPECT_FALSE(tb->Blanked());
    EXPECT_EQ(events({"CheckBoxClick"}), QStringList({"CheckBoxClick(0)", "CheckBoxClick(1)"}));
    TB* hidden = box(TB::ORXTX_Numeric, "Hidden");
    hidden->setCheckBoxValue(false);
    EXPECT_TRUE(hidden->CheckBoxValue());
}

TEST_F(TextBoxModel, DesignTimeOnlyMembers)
{
    TB* tb = box();
    struct Case {
        const char* member;
        std::function<void()> use;
    };
    const Case cases[] = {
        {"FormattedText", [&] { tb->setFormattedText("x"); }},
        {"SaveSettings get", [&] { (void)tb->SaveSettings(); }},
        {"SaveSettings", [&] { tb->setSaveSettings(true); }},
        {"ResetSettings", [&] { tb->setResetSettings(true); }},
        {"LoadTemplateSettings", [&] { tb->setLoadTemplateSettings(true); }},
        {"DesignHeight", [&] { tb->setDesignHeight(100); }},
        {"DesignWidth", [&] { tb->setDesignWidth(100); }},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorOf(c.use), basic::err::GetNotSupportedAtRuntime) << c.member;
    setUserMode(false);
    for (const Case& c : cases)
        EXPECT_EQ(errorOf(c.use), 0) << c.member;
    EXPECT_FALSE(tb->SaveSettings());
    EXPECT_EQ(tb->FormattedText(), "Text1");
    EXPECT_EQ(tb->DesignHeight(), 100.0f);
}

TEST_F(TextBoxModel, DataNamesComeFromTheExtender)
{
    struct Case {
        QString field, source;
        QString name, index;
    };
    const Case cases[] = {
        {"Amount", "Orders(12)", "Orders", "12"},
        {"Amount", "Data1", "Data1", ""},
        {"", "Orders(12)", "", ""},
        {"  ", "Orders(12)", "", ""},
    };
    for (const Case& c : cases) {
        TB* tb = box(TB::ORXTX_Numeric, QStringLiteral("B%1").arg(form().controls().size()));
        tb->extender()->setDataField(c.field);
        tb->extender()->setDataSource(c.source);
        host::PropertyBag bag;
        tb->WriteProperties(bag);
        EXPECT_EQ(bag.ReadProperty("DataName", QString()).toString(), c.name) << c.source.toStdString();
        EXPECT_EQ(bag.ReadProperty("DataIndex", QString()).toString(), c.index) << c.source.toStdString();
        EXPECT_EQ(tb->DataName(), c.name);
    }
}

TEST_F(TextBoxModel, EmptyBagGivesTheDefaults)
{
    TB* tb = box();
    host::PropertyBag empty;
    tb->ReadProperties(empty);
    EXPECT_EQ(int(tb->BorderEffect()), 2);
    EXPECT_EQ(int(tb->Appearance()), 1);
    EXPECT_EQ(int(tb->CapAlignment()), 4);
    EXPECT_EQ(tb->Characters(), 1);
    EXPECT_EQ(tb->SpinValue(), 1.0);
    for (const char* p : {"AllowNothing", "AllowPaste", "IfErrMess", "IfErrUndo", "SelTextAuto", "ShowSymbolCurrency",
                          "UseDefaultCurrency", "CheckBoxValue", "CheckBoxEnabled", "ComboButtonEnabled", "Enabled"})
        EXPECT_TRUE(tb->property(p).toBool()) << p;
    for (const char* p : {"Blanked", "CheckBoxVisible", "ComboButtonVisible", "ErrorBeep", "SpinButtons", "Unique"})
        EXPECT_FALSE(tb->property(p).toBool()) << p;
    EXPECT_EQ(tb->ErrorMess(), "Warning !!! Invalid input value:");
    EXPECT_EQ(tb->CurrencyDisplayCapt(), "Current Currency");
    EXPECT_EQ(tb->BackColor(), host::OleColor{0x80000005u});
    EXPECT_EQ(tb->FocusRectColor(), host::OleColor{0x8000000Du});
}

TEST_F(TextBoxModel, BagRoundTripInKeyOrder)
{
    TB* tb = box(TB::ORXTX_Percent);
    tb->setLayout("0.0");
    tb->setText("12,5");
    tb->setAlignment(TB::ORXTX_Center);
    tb->setCaption("Rate");
    tb->setMinValue("1");
    tb->setMaxValue("99");
    tb->setErrorDesc("??");
    tb->setBackColor(host::OleColor{0x00FF00});
    tb->setTagMore("more");
    tb->setSpinValue(2.5);
    tb->setComboItems("a|b");
    tb->setComboItemKeys("1|2");
    tb->setToolTipText("tip");
    tb->setUnique(true);
    tb->setAppearance(tools::ORXTX::ORXTX_Flat);
    host::PropertyBag bag;
    tb->WriteProperties(bag);

    const QStringList order = {
        "Alignment", "BackColor", "Enabled", "Font", "ForeColor", "FocusRectColor", "Locked", "MaxLength",
        "MouseIcon", "MousePointer", "SelLength", "SelStart", "SelText", "Text", "ToolTipText", "Tag", "Blanked",
        "BorderStyle", "BorderEffect", "Appearance", "Caption", "CapAlignment", "CapWidth", "Characters",
        "CharacterTable", "CheckBoxValue", "CheckBoxEnabled", "CheckBoxVisible", "ComboButtonVisible",
        "RaiseCBClickOnCKTrue", "ComboRows", "ComboType", "CurrencyDisplayCapt", "HandleCurrencyChanges",
        "ShowFocusRect", "ShowSymbolCurrency", "SelTextAuto", "SpinButtons", "SpinDateType", "SpinTimeType",
        "SpinValue", "DataIndex", "DataName", "DesignHeight", "DesignWidth", "AllowPaste", "PasswordChar",
        "ErrorBeep", "ErrorDesc", "ErrorMess", "ErrOutOfRangeMess", "NullText", "LastText", "LayOut",
        "FormattedText", "Template", "BoundText", "ComboButtonEnabled", "ComboItems", "ComboItemKeys", "RawText",
        "TagMore", "IfErrMess", "IfErrUndo", "AllowNothing", "SelCurrency", "LockSize", "MinValue", "MaxValue",
        "Unique", "UseDefaultCurrency", "UseNullValueDefault"};
    qsizetype at = -1;
    for (const QString& k : bag.keys()) {
        const qsizetype i = order.indexOf(k);
        ASSERT_GE(i, 0) << "unexpected key " << k.toStdString();
        EXPECT_GT(i, at) << "out of order: " << k.toStdString();
        at = i;
    }
    EXPECT_TRUE(bag.keys().contains("LayOut"));
    EXPECT_FALSE(bag.keys().contains("Layout"));
    EXPECT_FALSE(bag.contains("SelCurrency"));
    EXPECT_EQ(bag.ReadProperty("LayOut", QString()).toString(), "0.0%");

    TB* copy = box(TB::ORXTX_String, "Copy");
    copy->ReadProperties(bag);
    for (const char* p : {"Template", "Layout", "Text", "FormattedText", "RawText", "BoundText", "Alignment", "Caption",
                          "MinValue", "MaxValue", "ErrorDesc", "TagMore", "SpinValue", "ComboItems", "ComboItemKeys",
                          "ToolTipText", "Unique", "Appearance", "BorderEffect", "CharacterTable", "Characters", "NullText"})
        EXPECT_EQ(copy->property(p), tb->property(p)) << p;
    EXPECT_EQ(copy->BackColor(), tb->BackColor());
    // The field's length follows the layout: "0.0%" leaves three characters
    // for the number, so 12,5 was committed as 12.
    EXPECT_EQ(tb->Text().toString(), "12%");
    EXPECT_EQ(copy->displayLabel()->text(), "12,0%");
}

TEST_F(TextBoxModel, CurrencySelectionIsSavedOnlyForTheCurrencyTemplate)
{
    TB* tb = box(TB::ORXTX_Currency);
    tb->setSelCurrency("Dollar");
    host::PropertyBag bag;
    tb->WriteProperties(bag);
    EXPECT_EQ(bag.ReadProperty("SelCurrency", QString()).toString(), "Dollar");
    tb->setTemplate(TB::ORXTX_Numeric);
    host::PropertyBag other;
    tb->WriteProperties(other);
    EXPECT_FALSE(other.contains("SelCurrency"));
}

TEST_F(TextBoxModel, ReachableByNameAndIdentifier)
{
    const com::ClassInfo* info = tools::ToolsTypeLibrary().find("ORXTextBox");
    ASSERT_TRUE(info && info->metaObject);
    QObject* created = com::createObject("ORX_Tools_OCXs.ORXTextBox");
    ASSERT_NE(qobject_cast<TB*>(created), nullptr);
    delete created;
    TB* tb = box(TB::ORXTX_Numeric);
    com::invoke(tb, 0, {"77"}, com::DispatchKind::PropertyPut);
    EXPECT_EQ(com::invoke(tb, "Text").toString(), "77");
    EXPECT_EQ(com::memberOfDispatchId(*info, 9), "Invalid");
    EXPECT_EQ(com::memberOfDispatchId(*info, 17), "OutOfRange");
    EXPECT_EQ(com::invoke(tb, "VersionName").toString(), "ORX_Tools_OCXs");
    EXPECT_EQ(com::invoke(tb, "VersionNumber").toString(), "1.0.0");
    QObject* list = qvariant_cast<QObject*>(com::invoke(tb, "NewORXList"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(com::invoke(list, "ListCount").toInt(), 0);
    delete list;
}

TEST_F(TextBoxModel, DateAndTimeSteps)
{
    struct Case {
        int templ;
        QString start;
        QString max;
        bool time;
        int type;
        double value;
        QString result;
    };
    const Case cases[] = {
        {TB::ORXTX_Day_Month_Year, "31/01/2003", "", false, 3, 1, "28/02/2003"},
        {TB::ORXTX_Day_Month_Year, "31/12/2003", "", false, 1, 1, "01/01/2004"},
        {TB::ORXTX_Month_Day_Year, "01/15/2003", "", false, 2, -1, "01/08/2003"},
        {TB::ORXTX_Year_Month_Day, "2003/06/30", "2003/06/30", false, 1, 1, "2003/06/30"},
        {TB::ORXTX_Day_Month_Year, "15/06/2003", "", false, 9, 5, "15/06/2003"},
        {TB::ORXTX_Month_Year, "01/2003", "", false, 3, -1, "12/2002"},
        {TB::ORXTX_Year_Month, "2003/05", "", false, 4, 1, "2004/05"},
        {TB::ORXTX_Day_Month, "28/02", "", false, 1, 1, "01/03"},
        {TB::ORXTX_Month_Day, "12/31", "", false, 1, 1, "01/01"},
        {TB::ORXTX_Hour_Minute, "23:59", "", true, 2, 1, "00:00"},
        {TB::ORXTX_Hour_Minute_Seconds, "10:30:00", "", true, 3, -11, "23:30:00"},
        {TB::ORXTX_Hour_Minute, "11:59", "12:00", true, 2, 2, "11:59"},
        {TB::ORXTX_Hour_Minute_Seconds, "00:00:10", "", true, 1, 2.5, "00:00:12"},
    };
    for (const Case& c : cases) {
        TB* tb = box(c.templ, QStringLiteral("S%1").arg(form().controls().size()));
        tb->setText(c.start);
        tb->setMaxValue(c.max);
        if (c.time)
            tb->TimeIncrement(c.type, c.value);
        else
            tb->DateIncrement(c.type, c.value);
        EXPECT_EQ(tb->Text().toString(), c.result) << c.templ << " " << c.start.toStdString();
    }
}

TEST_F(TextBoxModel, ResetDesignSizeAndFactories)
{
    TB* tb = box();
    setUserMode(false);
    tb->setDesignHeight(600);
    tb->setDesignWidth(3000);
    setUserMode(true);
    tb->ResetDesignSize();
    EXPECT_EQ(tb->extender()->height(), 600.0);
    EXPECT_EQ(tb->extender()->width(), 3000.0);
    std::unique_ptr<QObject> currency(tb->NewORXCurrency());
    std::unique_ptr<QObject> currencies(tb->NewORXCurrencies());
    EXPECT_STREQ(currency->metaObject()->className(), "orx::tools::ORXCurrency");
    EXPECT_STREQ(currencies->metaObject()->className(), "orx::tools::ORXCurrencies");
}

TEST_F(TextBoxModel, FormFileRoundTrip)
{
    auto* tb = qobject_cast<TB*>(form().addControl("ORX_Tools_OCXs.ORXTextBox", "Due", {120, 2000, 2400, 375}));
    ASSERT_NE(tb, nullptr);
    tb->setTemplate(TB::ORXTX_Day_Month_Year);
    tb->setText("311203");
    tb->setMaxValue("31/12/2010");
    tb->setErrorMess("Bad date:");
    const QString path = test::freshFolder("textbox") + "/form.json";
    form().save(path);
    form().load(path);
    auto* loaded = qobject_cast<TB*>(form().control("Due"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(int(loaded->Template()), TB::ORXTX_Day_Month_Year);
    EXPECT_EQ(loaded->Text().toString(), "31/12/2003");
    EXPECT_EQ(loaded->MaxValue(), "31/12/2010");
    EXPECT_EQ(loaded->ErrorMess(), "Bad date:");
    EXPECT_EQ(loaded->Layout(), "dd/mm/yyyy");
    EXPECT_EQ(loaded->displayLabel()->text(), "31/12/2003");
}

// Loading applies Blanked only when it changes something: passing an
// unblanked box through the setter would enable the drop-down button and
// tick the check box against what was saved, and commit the saved value
// with a message box before the form is even shown.
TEST_F(TextBoxModel, LoadingKeepsWhatAnUnblankedBoxSaved)
{
    struct Case {
        const char* key;
        bool stored;
        const char* property;
        bool want;
    } cases[] = {
        {"ComboButtonEnabled", false, "ComboButtonEnabled", false},
        {"CheckBoxValue", false, "CheckBoxValue", false},
        {"CheckBoxEnabled", false, "ComboButtonEnabled", true},  // read as saved: each key its own
    };
    for (const Case& c : cases) {
        host::PropertyBag bag;
        bag.WriteProperty("Template", int(TB::ORXTX_Numeric), 0);
        bag.WriteProperty("Text", QStringLiteral("abc"), QString());
        bag.WriteProperty("CheckBoxVisible", true, false);
        bag.WriteProperty("ComboButtonVisible", true, false);
        bag.WriteProperty(QLatin1String(c.key), c.stored, !c.stored);
        TB* tb = box(TB::ORXTX_String, QStringLiteral("Loaded%1").arg(form().controls().size()));
        messages().messages.clear();
        tb->ReadProperties(bag);
        EXPECT_EQ(tb->property(c.property).toBool(), c.want) << c.key;
        EXPECT_EQ(tb->checkBox()->isChecked(), tb->CheckBoxValue()) << c.key;
        EXPECT_TRUE(messages().messages.isEmpty()) << c.key;
        EXPECT_EQ(tb->Text().toString(), "abc") << c.key;
    }
}
