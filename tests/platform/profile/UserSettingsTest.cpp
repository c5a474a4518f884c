#include "platform/basic/BasicError.h"
#include "platform/profile/UserSettings.h"
#include "tests/platform/profile/ProfileTestFiles.h"

#include <QStandardPaths>

using namespace orx::profile;
using orx::basic::BasicError;
using orx::test::readBytes;
using orx::test::writeBytes;

namespace {

QString configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// The error number a call raises, or 0 when it raises none.
template <typename Call>
int raisedNumber(Call call)
{
    try {
        call();
    } catch (const BasicError& e) {
        return e.number();
    }
    return 0;
}

TEST(UserSettings, SavedValuesComeBackAndLiveInTheConfigFolder)
{
    const QString values[] = {
        QStringLiteral("plain"), QStringLiteral("  spaced  "), QStringLiteral("C:\\Data\\file.rpt"),
        QStringLiteral("a;b #c"), QStringLiteral("x,y,z"), QStringLiteral("'quoted'"), QString(),
        QString::fromUtf8("\xE2\x82\xAC 1.234,56"),
    };
    for (const QString& value : values) {
        SCOPED_TRACE(value.toStdString());
        saveSetting(QStringLiteral("RoundTrip"), QStringLiteral("Main"), QStringLiteral("Key"), value);
        EXPECT_EQ(getSetting(QStringLiteral("RoundTrip"), QStringLiteral("Main"), QStringLiteral("Key"), QStringLiteral("dflt")), value);
    }
    saveSetting(QStringLiteral("RoundTrip"), QStringLiteral("Main"), QStringLiteral("Key"), QStringLiteral("last"));
    EXPECT_EQ(settingsFilePath(QStringLiteral("RoundTrip")), configFolder() + QStringLiteral("/RoundTrip/settings.ini"));
    EXPECT_EQ(readBytes(configFolder() + QStringLiteral("/RoundTrip/settings.ini")), QByteArray("[Main]\r\nKey=last\r\n"));
}

TEST(UserSettings, NamesIgnoreCase)
{
    saveSetting(QStringLiteral("CaseApp"), QStringLiteral("Window"), QStringLiteral("Left"), QStringLiteral("10"));
    saveSetting(QStringLiteral("caseapp"), QStringLiteral("WINDOW"), QStringLiteral("left"), QStringLiteral("20"));
    saveSetting(QStringLiteral("CASEAPP"), QStringLiteral("window"), QStringLiteral("\tTop "), QStringLiteral("30"));

    struct Case { const char* app; const char* section; const char* key; const char* expected; };
    const Case cases[] = {
        {"CaseApp", "Window", "Left", "20"},
        {"CASEAPP", "window", "LEFT", "20"},
        {"caseApp", " Window ", "top", "30"},
        {"CaseApp", "Window", "Width", "none"},
        {"CaseApp", "Other", "Left", "none"},
        {"OtherApp", "Window", "Left", "none"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.app) + " " + c.section + " " + c.key);
        EXPECT_EQ(getSetting(QString::fromUtf8(c.app), QString::fromUtf8(c.section), QString::fromUtf8(c.key), QStringLiteral("none")),
                  QString::fromUtf8(c.expected));
    }
    // One folder and one file, spelled as first saved.
    EXPECT_EQ(QDir(configFolder()).entryList({QStringLiteral("caseapp")}, QDir::Dirs), QStringList{QStringLiteral("CaseApp")});
    EXPECT_EQ(readBytes(configFolder() + QStringLiteral("/CaseApp/settings.ini")), QByteArray("[Window]\r\nLeft=20\r\nTop=30\r\n"));
}

TEST(UserSettings, BackslashesInSectionsAndApplications)
{
    saveSetting(QStringLiteral("Vendor\\Product"), QStringLiteral("Forms\\Main"), QStringLiteral("State"), QStringLiteral("2"));
    EXPECT_EQ(readBytes(configFolder() + QStringLiteral("/Vendor/Product/settings.ini")), QByteArray("[Forms\\Main]\r\nState=2\r\n"));
    EXPECT_EQ(getSetting(QStringLiteral("vendor/product"), QStringLiteral("forms\\main"), QStringLiteral("state")), QStringLiteral("2"));
    EXPECT_EQ(getSetting(QStringLiteral("Vendor\\Product"), QStringLiteral("Forms"), QStringLiteral("State")), QString());
}

TEST(UserSettings, Deleting)
{
    const QString app = QStringLiteral("DeleteApp");
    saveSetting(app, QStringLiteral("A"), QStringLiteral("One"), QStringLiteral("1"));
    saveSetting(app, QStringLiteral("A"), QStringLiteral("Two"), QStringLiteral("2"));
    saveSetting(app, QStringLiteral("B"), QStringLiteral("Three"), QStringLiteral("3"));

    deleteSetting(app, QStringLiteral("a"), QStringLiteral("ONE"));
    EXPECT_EQ(getSetting(app, QStringLiteral("A"), QStringLiteral("One"), QStringLiteral("gone")), QStringLiteral("gone"));
    EXPECT_EQ(getSetting(app, QStringLiteral("A"), QStringLiteral("Two")), QStringLiteral("2"));
    deleteSetting(app, QStringLiteral("A"));
    EXPECT_EQ(getSetting(app, QStringLiteral("A"), QStringLiteral("Two"), QStringLiteral("gone")), QStringLiteral("gone"));
    EXPECT_EQ(readBytes(settingsFilePath(app)), QByteArray("[B]\r\nThree=3\r\n"));

    struct Case { const char* section; const char* key; };
    const Case missing[] = {{"A", ""}, {"A", "Two"}, {"B", "Four"}, {"C", "Three"}, {"", ""}};
    for (const Case& c : missing) {
        SCOPED_TRACE(std::string(c.section) + " " + c.key);
        EXPECT_EQ(raisedNumber([&] { deleteSetting(app, QString::fromUtf8(c.section), QString::fromUtf8(c.key)); }),
                  orx::basic::err::InvalidProcedureCall);
    }
    EXPECT_EQ(raisedNumber([] { deleteSetting(QStringLiteral("NeverSaved"), QStringLiteral("A")); }),
              orx::basic::err::InvalidProcedureCall);
    EXPECT_EQ(readBytes(settingsFilePath(app)), QByteArray("[B]\r\nThree=3\r\n"));
}

TEST(UserSettings, FaultsRaiseErrors)
{
    // A regular file where the application's folder belongs, and a folder
    // where another application's settings file belongs.
    writeBytes(configFolder() + QStringLiteral("/FileInTheWay"), "x");
    QDir(configFolder()).mkpath(QStringLiteral("FolderInTheWay/settings.ini"));

    struct Case { const char* name; const char* app; const char* section; const char* key; QString value; int number; };
    const Case cases[] = {
        {"app folder is a file", "FileInTheWay", "S", "K", QStringLiteral("v"), orx::basic::err::PathFileAccessError},
        {"settings file is a folder", "FolderInTheWay", "S", "K", QStringLiteral("v"), orx::basic::err::PathFileAccessError},
        {"empty app", "", "S", "K", QStringLiteral("v"), orx::basic::err::InvalidProcedureCall},
        {"app leaves the config folder", "..\\Escape", "S", "K", QStringLiteral("v"), orx::basic::err::InvalidProcedureCall},
        {"empty section", "Faults", "", "K", QStringLiteral("v"), orx::basic::err::InvalidProcedureCall},
        {"empty key", "Faults", "S", " ", QStringLiteral("v"), orx::basic::err::InvalidProcedureCall},
        {"key with '='", "Faults", "S", "a=b", QStringLiteral("v"), orx::basic::err::InvalidProcedureCall},
        {"key that would be a comment", "Faults", "S", ";k", QStringLiteral("v"), orx::basic::err::InvalidProcedureCall},
        {"value with a line break", "Faults", "S", "K", QStringLiteral("a\nb=c"), orx::basic::err::InvalidProcedureCall},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(raisedNumber([&] { saveSetting(QString::fromUtf8(c.app), QString::fromUtf8(c.section), QString::fromUtf8(c.key), c.value); }),
                  c.number);
        EXPECT_EQ(getSetting(QString::fromUtf8(c.app), QString::fromUtf8(c.section), QString::fromUtf8(c.key), QStringLiteral("dflt")),
                  QStringLiteral("dflt"));
    }
    EXPECT_FALSE(QFileInfo::exists(configFolder() + QStringLiteral("/Faults")));
    EXPECT_FALSE(QFileInfo::exists(configFolder() + QStringLiteral("/../Escape")));
    EXPECT_EQ(readBytes(configFolder() + QStringLiteral("/FileInTheWay")), QByteArray("x"));
}

}  // namespace
