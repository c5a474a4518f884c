// The text box's presets in ORX_TxtBox.INI.
#include "tests/tools/textbox/CurrencyTestSupport.h"

#include <QDir>
#include <map>

namespace orx::test {
namespace {

// The keys of one section of a profile file, in file order, with values.
std::vector<std::pair<QString, QString>> sectionOf(const QByteArray& file, const QString& name)
{
    std::vector<std::pair<QString, QString>> keys;
    bool inside = false;
    for (const QByteArray& raw : file.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inside = line == QLatin1Char('[') + name + QLatin1Char(']');
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inside && eq > 0)
            keys.emplace_back(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

QStringList namesOf(const std::vector<std::pair<QString, QString>>& keys)
{
    QStringList names;
    for (const auto& k : keys)
        names << k.first;
    return names;
}

QString valueOf(const std::vector<std::pair<QString, QString>>& keys, const char* key)
{
    for (const auto& k : keys) {
        if (k.first == QLatin1String(key))
            return k.second;
    }
    return QStringLiteral("<missing>");
}

}  // namespace

class TextBoxPresets : public CurrencyBoxFixture {
protected:
    void SetUp() override
    {
        CurrencyBoxFixture::SetUp();
        setUserMode(false);  // presets are a design-time matter
    }
    TB* designBox(int templ, const char* name)
    {
        return box(templ, QString::fromLatin1(name));
    }
    QByteArray presets() const { return readFile("ORX_TxtBox.INI"); }
    QStringList lastMessage()
    {
        if (messages().messages.isEmpty())
            return {};
        const auto& m = messages().messages.back();
        return {m.text, QString::number(m.style), m.title};
    }
};

TEST_F(TextBoxPresets, SavingWritesGeneralThenTheTemplateSection)
{
    writeFile("ORXCurrency.INI", "[Tre]\r\nSymbol=T\r\nDecimals=2\r\nEuroChange=3\r\n[Complete]\r\nList=Tre\r\n");
    TB* tb = designBox(TB::ORXTX_Currency, "Importo");
    tb->setSelCurrency(QStringLiteral("Tre"));
    tb->setForeColor(host::OleColor{0x00FF8000});
    tb->setSaveSettings(false);  // the value assigned is not looked at
    EXPECT_EQ(lastMessage(), QStringList({"Properties Saved.", QString::number(host::mb::Information), "Importo"}));

    const QByteArray file = presets();
    const auto general = sectionOf(file, QStringLiteral("General"));
    EXPECT_EQ(namesOf(general),
              QStringList({"Appearance", "SelCurrency", "AllowNothing", "AllowPaste", "BackColor", "BorderEffect",
                           "BorderStyle", "CheckBoxVisible", "ComboButtonVisible", "FocusRectColor", "Font.Bold",
                           "Font.Charset", "Font.Italic", "Font.Name", "Font.Size", "Font.Strikethrough",
                           "Font.Underline", "Font.Weight", "ForeColor", "ErrorBeep", "ErrorDesc", "ErrorMess",
                           "ErrOutOfRangeMess", "CurrencyDisplayCapt", "HandleCurrencyChanges", "IfErrMess",
                           "IfErrUndo", "LockSize", "PasswordChar", "SpinButtons", "SelTextAuto", "Template",
                           "Unique", "ShowFocusRect"}));
    const auto currency = sectionOf(file, QStringLiteral("2Template"));
    EXPECT_EQ(namesOf(currency),
              QStringList({"Alignment", "Characters", "CharacterTable", "LayOut", "MaxValue", "MinValue",
                           "ShowSymbolCurrency", "SpinValue", "SpinDateType", "SpinTimeType", "NullText",
                           "UseDefaultCurrency", "UseNullValueDefault"}));
    EXPECT_TRUE(sectionOf(file, QStringLiteral("0Template")).empty());

    // Values as text: colours as signed 32-bit numbers, booleans as words,
    // numbers in the regional (Italian) writing.
    const std::map<const char*, const char*> values = {
        {"FocusRectColor", "-2147483635"}, {"BackColor", "-2147483643"}, {"ForeColor", "16744448"},
        {"SelCurrency", "Tre"}, {"AllowNothing", "True"}, {"Unique", "False"}, {"Template", "2"},
        {"Appearance", "1"}, {"BorderEffect", "2"}, {"ErrorDesc", "Error"},
    };
    for (const auto& [key, value] : values)
        EXPECT_EQ(valueOf(general, key), QString::fromLatin1(value)) << key;
    EXPECT_EQ(valueOf(general, "Font.Size"), QString::number(tb->Font().size).replace('.', ','));
    EXPECT_EQ(valueOf(currency, "Alignment"), "1");
    EXPECT_EQ(valueOf(currency, "LayOut"), "\\T #,##0.00;\\T -#,##0.00");
    EXPECT_EQ(valueOf(currency, "CharacterTable"), ",-.");
    EXPECT_EQ(valueOf(currency, "SpinValue"), "1");
}

TEST_F(TextBoxPresets, PresetsPerTemplate)
{
    TB* number = designBox(TB::ORXTX_Numeric, "Numero");
    number->setLayout(QStringLiteral("#,##0.00"));
    number->setMaxValue(QStringLiteral("500"));
    number->setNullText(QStringLiteral("0"));
    number->setAlignment(TB::ORXTX_Center);
    number->setSpinValue(2.5);
    number->setSaveSettings(true);

    struct Case {
        int templ;
        const char* layout;
        const char* maxValue;
        int alignment;
        double spin;
        const char* nullText;
    };
    const Case cases[] = {
        {TB::ORXTX_Numeric, "#,##0.00", "500", TB::ORXTX_Center, 2.5, "0"},
        // Nothing saved for Percent: the command's defaults.
        {TB::ORXTX_Percent, "", "", TB::ORXTX_Left_Justify, 1.0, ""},
    };
    for (const Case& c : cases) {
        TB* tb = designBox(c.templ, "Other");
        tb->setLayout(QStringLiteral("0.0"));
        tb->setMaxValue(QStringLiteral("9"));
        tb->setLoadTemplateSettings(false);
        EXPECT_EQ(lastMessage(), QStringList({"Properties Loaded.", QString::number(host::mb::Information), "Other"}));
        EXPECT_EQ(tb->Layout(), QString::fromLatin1(c.layout)) << c.templ;
        EXPECT_EQ(tb->MaxValue(), QString::fromLatin1(c.maxValue)) << c.templ;
        EXPECT_EQ(int(tb->Alignment()), c.alignment) << c.templ;
        EXPECT_EQ(tb->SpinValue(), c.spin) << c.templ;
        EXPECT_EQ(tb->NullText(), QString::fromLatin1(c.nullText)) << c.templ;
    }
}

// A new box reads "General" (its template too), applies the template, then
// that template's presets, so saved presets reach it.
TEST_F(TextBoxPresets, NewBoxesStartFromThePresets)
{
    writeFile("ORXCurrency.INI", "[Tre]\r\nSymbol=T\r\nDecimals=2\r\nEuroChange=3\r\n[Complete]\r\nList=Tre\r\n");
    struct Case {
        int templ;
        const char* selCurrency;
        const char* layout;      // set before saving ("" leaves the template's)
        const char* expectedLayout;
        const char* shown;
    };
    const Case cases[] = {
        {TB::ORXTX_Numeric, "", "#,##0.000", "#,##0.000", "12.345,000"},
        {TB::ORXTX_Currency, "Tre", "", "\\T #,##0.00;\\T -#,##0.00", "T 12.345,00"},
        {TB::ORXTX_Percent, "", "0.0", "0.0%", "50,0%"},
    };
    for (const Case& c : cases) {
        QFile::remove(file("ORX_TxtBox.INI"));
        TB* model = designBox(c.templ, "Model");
        if (*c.selCurrency)
            model->setSelCurrency(QString::fromLatin1(c.selCurrency));
        if (*c.layout)
            model->setLayout(QString::fromLatin1(c.layout));
        model->setMinValue(QStringLiteral("1"));
        model->setAlignment(TB::ORXTX_Center);
        model->setForeColor(host::OleColor{host::syscolor::Highlight});
        model->setErrorDesc(QStringLiteral("Errore"));
        model->setSaveSettings(true);

        TB* fresh = designBox(TB::ORXTX_String, "Fresh");  // created, then given no template
        EXPECT_EQ(int(fresh->Template()), c.templ);
        EXPECT_EQ(fresh->Layout(), QString::fromLatin1(c.expectedLayout)) << c.templ;
        EXPECT_EQ(fresh->FormattedText(), QString::fromUtf8(c.shown)) << c.templ;
        EXPECT_EQ(fresh->MinValue(), "1") << c.templ;
        EXPECT_EQ(int(fresh->Alignment()), TB::ORXTX_Center) << c.templ;
        EXPECT_EQ(fresh->ForeColor(), host::OleColor{host::syscolor::Highlight}) << c.templ;
        EXPECT_EQ(fresh->ErrorDesc(), "Errore") << c.templ;
        EXPECT_EQ(fresh->SelCurrency(), QString::fromLatin1(c.selCurrency)) << c.templ;
    }
}

TEST_F(TextBoxPresets, ResetAndMissingFile)
{
    TB* tb = designBox(TB::ORXTX_Numeric, "Numero");
    tb->setSaveSettings(true);
    ASSERT_FALSE(presets().isEmpty());
    struct Step {
        const char* command;
        const char* message;
        int icon;
    };
    const Step steps[] = {
        {"ResetSettings", "Saved Properties Deleted.", host::mb::Information},
        {"LoadTemplateSettings", "Properties Are Not Saved.", host::mb::Exclamation},
        {"ResetSettings", "Saved Properties Deleted.", host::mb::Information},  // twice is fine
    };
    for (const Step& s : steps) {
        tb->setProperty(s.command, true);
        EXPECT_EQ(lastMessage(), QStringList({s.message, QString::number(s.icon), "Numero"})) << s.command;
        EXPECT_FALSE(QFile::exists(file("ORX_TxtBox.INI")));
    }
}

TEST_F(TextBoxPresets, RefusedAtRunTime)
{
    setUserMode(true);
    TB* tb = designBox(TB::ORXTX_Numeric, "Numero");
    messages().clear();
    for (const char* command : {"SaveSettings", "LoadTemplateSettings", "ResetSettings"}) {
        for (bool set : {false, true}) {
            const auto e = errorOf([&] {
                if (set) {
                    if (QString::fromLatin1(command) == QLatin1String("SaveSettings"))
                        tb->setSaveSettings(true);
                    else if (QString::fromLatin1(command) == QLatin1String("ResetSettings"))
                        tb->setResetSettings(true);
                    else
                        tb->setLoadTemplateSettings(true);
                } else {
                    if (QString::fromLatin1(command) == QLatin1String("SaveSettings"))
                        (void)tb->SaveSettings();
                    else if (QString::fromLatin1(command) == QLatin1String("ResetSettings"))
                        (void)tb->ResetSettings();
                    else
                        (void)tb->LoadTemplateSettings();
                }
            });
            ASSERT_TRUE(e.has_value()) << command << (set ? " set" : " get");
            EXPECT_EQ(e->number(), 393) << command;
        }
    }
    EXPECT_FALSE(QFile::exists(file("ORX_TxtBox.INI")));
    EXPECT_TRUE(messages().messages.isEmpty());
    // At design time they read false.
    setUserMode(false);
    EXPECT_FALSE(tb->SaveSettings());
    EXPECT_FALSE(tb->LoadTemplateSettings());
    EXPECT_FALSE(tb->ResetSettings());
}

// A save that wrote nothing is not announced as done.
TEST_F(TextBoxPresets, FailedSaveIsReported)
{
    ASSERT_TRUE(QDir().mkpath(file("ORX_TxtBox.INI")));  // a folder where the file belongs
    TB* tb = designBox(TB::ORXTX_Numeric, "Numero");
    tb->setSaveSettings(true);
    ASSERT_EQ(messages().messages.size(), 1);
    EXPECT_TRUE(messages().messages[0].text.startsWith("Properties Not Saved")) << messages().messages[0].text.toStdString();
    EXPECT_EQ(messages().messages[0].style, host::mb::Critical);
    tb->setResetSettings(true);
    EXPECT_TRUE(lastMessage().value(0).startsWith("Saved Properties Not Deleted")) << lastMessage().value(0).toStdString();
}

// A hand-edited preset that is not a number or a boolean counts as missing.
TEST_F(TextBoxPresets, DamagedPresetsFallBackToDefaults)
{
    writeFile("ORX_TxtBox.INI", "[General]\r\nTemplate=1\r\nAllowNothing=perhaps\r\nLockSize=x\r\nFocusRectColor=red\r\n"
                                "[1Template]\r\nAlignment=centre\r\nMaxValue=99\r\n");
    TB* tb = designBox(TB::ORXTX_String, "Numero");
    EXPECT_EQ(int(tb->Template()), TB::ORXTX_Numeric);
    EXPECT_TRUE(tb->AllowNothing());
    EXPECT_EQ(int(tb->LockSize()), 0);
    EXPECT_EQ(tb->FocusRectColor(), host::OleColor{host::syscolor::Highlight});
    EXPECT_EQ(int(tb->Alignment()), TB::ORXTX_Right_Justify);  // the Numeric template's
    EXPECT_EQ(tb->MaxValue(), "99");
}

}  // namespace orx::test
