// The library's settings files and per-user settings.
#include "tools/common/Library.h"
#include "tools/common/SettingsFiles.h"

#include "platform/basic/Regional.h"
#include "platform/profile/UserSettings.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace orx;
using namespace orx::tools;

namespace {

const QString Base = QStringLiteral("ORX_TestPresets");

struct CleanFile {
    CleanFile() { DeleteSettingsFile(Base); }
    ~CleanFile() { DeleteSettingsFile(Base); }
};

}  // namespace

TEST(SettingsFilesTest, FileLivesInTheApplicationFolder)
{
    EXPECT_EQ(SettingsFilePath(QStringLiteral("ORX_TxtBox")), App().path() + QStringLiteral("/ORX_TxtBox.INI"));
    EXPECT_EQ(App().productName(), QStringLiteral("ORX_Tools_OCXs"));
}

TEST(SettingsFilesTest, WrittenValuesReadBackAsText)
{
    CleanFile clean;
    basic::ScopedRegional it(basic::RegionalSettings::italian());
    struct Case {
        const char* key;
        QVariant written;
        QVariant defaultValue;
        QVariant expected;
    };
    const Case cases[] = {
        {"Font.Name", QStringLiteral("DejaVu Sans"), QString(), QStringLiteral("DejaVu Sans")},
        {"Locked", true, false, QStringLiteral("True")},
        {"Unique", false, true, QStringLiteral("False")},
        {"Height", 1234.5, 0, QStringLiteral("1234,5")},
        {"Template", 3, 0, QStringLiteral("3")},
        {"Long", QString(300, QLatin1Char('x')), QString(), QString(254, QLatin1Char('x'))},
        {"Empty", QString(), 7, 7},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(WriteSettingsKey(Base, QStringLiteral("General"), QString::fromLatin1(c.key), c.written)) << c.key;
    for (const Case& c : cases) {
        const QVariant read = ReadSettingsKey(Base, QStringLiteral("general"), QString::fromLatin1(c.key), c.defaultValue);
        EXPECT_EQ(read, c.expected) << c.key;
        EXPECT_EQ(read.metaType(), c.expected.metaType()) << c.key << ": the default comes back unchanged, a value as text";
    }
    EXPECT_EQ(ReadSettingsKey(Base, QStringLiteral("Other"), QStringLiteral("Locked"), 5), QVariant(5));
}

TEST(SettingsFilesTest, MissingFileGivesTheDefaultAndDeletingTwiceIsSilent)
{
    CleanFile clean;
    const QVariant defaultValue = QVariant(QStringLiteral("fallback"));
    EXPECT_EQ(ReadSettingsKey(Base, QStringLiteral("General"), QStringLiteral("Any"), defaultValue), defaultValue);
    WriteSettingsKey(Base, QStringLiteral("General"), QStringLiteral("Any"), QStringLiteral("value"));
    EXPECT_TRUE(QFile::exists(SettingsFilePath(Base)));
    DeleteSettingsFile(Base);
    DeleteSettingsFile(Base);
    EXPECT_FALSE(QFile::exists(SettingsFilePath(Base)));
    EXPECT_EQ(ReadSettingsKey(Base, QStringLiteral("General"), QStringLiteral("Any"), defaultValue), defaultValue);
}

TEST(SettingsFilesTest, UserSettingsOfTheProduct)
{
    EXPECT_EQ(GetUserSetting(QStringLiteral("Currency"), QStringLiteral("Path"), QStringLiteral("none")),
              QVariant(QStringLiteral("none")));
    profile::saveSetting(QStringLiteral("ORX_Tools_OCXs"), QStringLiteral("Currency"), QStringLiteral("Path"),
                         QStringLiteral("/srv/currencies/"));
    EXPECT_EQ(GetUserSetting(QStringLiteral("currency"), QStringLiteral("PATH"), QStringLiteral("none")),
              QVariant(QStringLiteral("/srv/currencies/")));
    profile::saveSetting(QStringLiteral("ORX_Tools_OCXs"), QStringLiteral("Currency"), QStringLiteral("Default"), QString());
    EXPECT_EQ(GetUserSetting(QStringLiteral("Currency"), QStringLiteral("Default"), 1), QVariant(QString()))
        << "a stored empty value is a value";
    profile::deleteSetting(QStringLiteral("ORX_Tools_OCXs"), QStringLiteral("Currency"));
}

TEST(SettingsFilesTest, ReplaceTextRules)
{
    const QString nul(QChar(0));
    struct Case {
        QString text, find, repl, expected;
    };
    const Case cases[] = {
        {QStringLiteral("a-b-c"), QStringLiteral("-"), QStringLiteral("--"), QStringLiteral("a--b--c")},
        {QStringLiteral("aaa"), QStringLiteral("a"), QStringLiteral("aa"), QStringLiteral("aaaaaa")},
        {QStringLiteral("abcabc"), QStringLiteral("bc"), QString(), QStringLiteral("aa")},
        {QStringLiteral("Value") + nul + nul, nul, QString(), QStringLiteral("Value")},
        {QStringLiteral("   "), QStringLiteral(" "), QStringLiteral("x"), QStringLiteral("   ")},
        {QStringLiteral("\t"), QStringLiteral("\t"), QStringLiteral("x"), QStringLiteral("x")},
        {QStringLiteral("Case"), QStringLiteral("case"), QStringLiteral("x"), QStringLiteral("Case")},
        {QStringLiteral("same"), QStringLiteral("s"), QStringLiteral("s"), QStringLiteral("same")},
        {QStringLiteral("text"), QString(), QStringLiteral("x"), QStringLiteral("text")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceText(c.text, c.find, c.repl), c.expected) << c.text.toStdString();
}
