#include "platform/basic/Regional.h"
#include "platform/profile/ProfileFile.h"
#include "platform/profile/RegularFile.h"
#include "tests/platform/profile/ProfileTestFiles.h"

#include <QStringEncoder>
#include <sys/stat.h>
#include <utility>
#include <vector>

using namespace orx::profile;
using orx::test::freshFolder;
using orx::test::writeBytes;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// Bytes of a literal that may hold NULs.
template <std::size_t N>
QByteArray raw(const char (&text)[N]) { return QByteArray(text, N - 1); }

// One file exercising every lookup rule at once, so that a rule which leaks
// into its neighbours shows up too.
const QByteArray kRulesFile =
    "stray=before any section\r\n"
    "[General]\r\n"
    "Name=Alpha\r\n"
    "  Spaced Key  =  spaced value  \r\n"
    "\tTabbed\t=\x0bvalue\t\r\n"
    "Quoted=\" v \"\r\n"
    "Single='x y'\r\n"
    "Mismatch=\"abc'\r\n"
    "Inline=diet ;gag\r\n"
    "Hash=#not a comment\r\n"
    ";Commented=hidden\r\n"
    "  ; Indented=hidden\r\n"
    "NoEquals\r\n"
    "Dup=first\r\n"
    "dup=second\r\n"
    "Empty=\r\n"
    "[  Padded Section  ]\r\n"
    "Key=padded\r\n"
    "[general]\r\n"
    "Name=second occurrence\r\n"
    "OnlyInSecond=invisible\r\n"
    "[CrOnly]\rA=1\rB=2\r"
    "[LfOnly]\nC=3\n"
    "[Open\r\n"
    "D=4\r\n"
    "[Note] ; words after the name\r\n"
    "E=5";

TEST(ProfileRead, LookupRules)
{
    const QString path = freshFolder(QStringLiteral("rules")) + QStringLiteral("/rules.ini");
    writeBytes(path, kRulesFile);

    struct Case { const char* section; const char* key; std::optional<const char*> expected; };
    const Case cases[] = {
        {"General", "Name", "Alpha"},
        {"GENERAL", "nAmE", "Alpha"},
        {"general", "spaced key", "spaced value"},
        {"General", "Tabbed", "value"},
        {"General", "Quoted", " v "},
        {"General", "Single", "x y"},
        {"General", "Mismatch", "\"abc'"},
        {"General", "Inline", "diet ;gag"},
        {"General", "Hash", "#not a comment"},
        {"General", "Commented", std::nullopt},
        {"General", ";Commented", std::nullopt},
        {"General", "Indented", std::nullopt},
        {"General", "NoEquals", std::nullopt},
        {"General", "Dup", "first"},
        {"General", "Empty", ""},
        {"Padded Section", "key", "padded"},
        {"  General  ", "  Name  ", "Alpha"},
        {"\tGeneral", "Name", std::nullopt},
        {"General", "OnlyInSecond", std::nullopt},
        {"", "stray", std::nullopt},
        {"CrOnly", "B", "2"},
        {"LfOnly", "C", "3"},
        {"Open", "D", std::nullopt},
        {"LfOnly", "D", "4"},
        {"Note", "E", "5"},
        {"Missing", "Name", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " / " + c.key);
        const auto value = readProfileValue(path, u(c.section), u(c.key));
        ASSERT_EQ(value.has_value(), c.expected.has_value());
        if (value) {
            EXPECT_EQ(*value, u(*c.expected));
        }
    }
}

TEST(ProfileRead, BufferRules)
{
    const QString path = freshFolder(QStringLiteral("buffer")) + QStringLiteral("/b.ini");
    const QString long300 = QString(300, QLatin1Char('x')).replace(0, 3, QStringLiteral("abc"));
    writeBytes(path, "[s]\r\nlong=" + long300.toLatin1() + "\r\nval=val1\r\nshort=ab\r\n");

    struct Case {
        const char* key;
        QString defaultValue;
        QString prepared;
        int size;
        int expectedReturn;
        QString expectedBuffer;
    };
    const QString nul(1, QChar(0));
    const Case cases[] = {
        {"long", {}, QString(255, QChar(0)), 255, 254, long300.left(254) + nul},
        {"val", {}, QStringLiteral("####"), 4, 3, QStringLiteral("val") + nul},
        {"val", {}, QStringLiteral("#####"), 5, 4, QStringLiteral("val1") + nul},
        {"val", {}, QStringLiteral("##"), 1, 0, nul + QStringLiteral("#")},
        {"val", {}, QStringLiteral("####"), 0, 0, QStringLiteral("####")},
        {"short", {}, QStringLiteral("########"), 8, 2, QStringLiteral("ab") + nul + QStringLiteral("#####")},
        {"missing", QStringLiteral("dflt   "), QString(10, QChar(0)), 10, 4, QStringLiteral("dflt") + QString(6, QChar(0))},
        {"missing", QStringLiteral(" lead "), QString(8, QChar(0)), 8, 5, QStringLiteral(" lead") + QString(3, QChar(0))},
        {"missing", QStringLiteral("defaultvalue"), QStringLiteral("####"), 4, 3, QStringLiteral("def") + nul},
        {"short", {}, QString(), 6, 2, QStringLiteral("ab") + QString(4, QChar(0))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " size " + std::to_string(c.size));
        QString buffer = c.prepared;
        EXPECT_EQ(getPrivateProfileString(QStringLiteral("s"), u(c.key), c.defaultValue, buffer, c.size, path),
                  c.expectedReturn);
        EXPECT_EQ(buffer, c.expectedBuffer);
    }
}

TEST(ProfileRead, MissingFileOrFolderGivesTheDefault)
{
    const QString folder = freshFolder(QStringLiteral("missing"));
    for (const QString& path : {folder + QStringLiteral("/none.ini"), folder + QStringLiteral("/no/such/dir/x.ini"),
                                folder /* a folder, not a file */, QString()}) {
        SCOPED_TRACE(path.toStdString());
        QString buffer(20, QChar(0));
        EXPECT_EQ(getPrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("fallback"), buffer, 20, path), 8);
        EXPECT_EQ(buffer.left(9), QStringLiteral("fallback") + QChar(0));
        EXPECT_FALSE(readProfileValue(path, QStringLiteral("s"), QStringLiteral("k")).has_value());
        EXPECT_TRUE(profileSections(path).isEmpty());
    }
}

TEST(ProfileRead, EncodingsAndJunk)
{
    QStringEncoder utf16(QStringConverter::Utf16LE);
    const QByteArray utf16File = QByteArray("\xFF\xFE", 2) + QByteArray(utf16(u("[s]\r\nk=Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\r\n")));
    struct Case { const char* name; QByteArray bytes; QString expected; };
    const Case cases[] = {
        {"windows-1252", "[s]\r\nk=caf\xE9 \x80\r\n", u("caf\xC3\xA9 \xE2\x82\xAC")},
        {"utf-8", "[s]\r\nk=caf\xC3\xA9 \xE2\x82\xAC\r\n", u("caf\xC3\xA9 \xE2\x82\xAC")},
        {"utf-8 with BOM on the first line", "\xEF\xBB\xBF[s]\r\nk=v\r\n", u("v")},
        {"utf-16 with BOM", utf16File, u("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC")},
        {"undefined windows-1252 bytes", "[s]\r\nk=\x81\x8D\x8F\x90\x9D\r\n", QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D")},
        {"NUL inside a value", raw("[s]\r\nk=a\0b\r\n"), QString::fromUtf16(u"a\0b", 3)},
        {"binary junk first", raw("\x00\xFF\xFE\xC0\x80junk\r\n\x01\x02=\x03\r\n[s]\r\nk=v"), u("v")},
        {"truncated utf-8 sequence", "[s]\r\nk=v\xC3", u("v\xC3\x83")},
    };
    const QString folder = freshFolder(QStringLiteral("encodings"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder + QLatin1Char('/') + QString::fromLatin1(c.name).replace(QLatin1Char(' '), QLatin1Char('_'));
        writeBytes(path, c.bytes);
        EXPECT_EQ(readProfileValue(path, QStringLiteral("S"), QStringLiteral("K")).value_or(QStringLiteral("<missing>")), c.expected);
    }
}

TEST(ProfileRead, HugeValuesAndLinesAreWhole)
{
    const QString path = freshFolder(QStringLiteral("huge")) + QStringLiteral("/huge.ini");
    // Past 65535 characters the old calls wrapped the length; here the value
    // comes back whole and only the caller's buffer cuts it.
    const QByteArray value70k = QByteArray(70000, 'v') + "end";
    const QByteArray junkLine(3 * 1024 * 1024, '\x9F');
    writeBytes(path, junkLine + "\r\n[s]\r\nbig=" + value70k + "\r\nafter=ok\r\n");

    const auto value = readProfileValue(path, QStringLiteral("s"), QStringLiteral("big"));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->size(), 70003);
    EXPECT_TRUE(value->endsWith(QStringLiteral("vend")));
    EXPECT_EQ(readProfileValue(path, QStringLiteral("s"), QStringLiteral("after")), QStringLiteral("ok"));

    QString buffer(70003, QChar(0));
    EXPECT_EQ(getPrivateProfileString(QStringLiteral("s"), QStringLiteral("big"), {}, buffer, 70003, path), 70002);
    EXPECT_EQ(buffer.at(70001), QLatin1Char('n'));
}

TEST(ProfileRead, Enumeration)
{
    const QString path = freshFolder(QStringLiteral("enum")) + QStringLiteral("/e.ini");
    writeBytes(path, "x=0\r\n[a]\r\nx=1\r\n;c=9\r\nnokey\r\n[ b ]\r\ny=2\r\nY=3\r\n[A]\r\nz=4\r\n");

    EXPECT_EQ(profileSections(path), QStringList({"a", "b", "A"}));
    EXPECT_EQ(profileKeys(path, QStringLiteral("A")), QStringList({"x"}));
    EXPECT_EQ(profileKeys(path, QStringLiteral("b")), QStringList({"y", "Y"}));
    EXPECT_TRUE(profileKeys(path, QStringLiteral("none")).isEmpty());

    struct Case { QString section; int size; int expectedReturn; QString expectedStart; };
    const QChar n(0);
    const Case cases[] = {
        {QString(), 20, 6, QStringLiteral("a") + n + QStringLiteral("b") + n + QStringLiteral("A") + n + n},
        {QString(), 5, 3, QStringLiteral("a") + n + QStringLiteral("b") + n + n},
        {QStringLiteral("b"), 20, 4, QStringLiteral("y") + n + QStringLiteral("Y") + n + n},
        {QStringLiteral("none"), 4, 0, QString(n) + QStringLiteral("###")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section.toStdString() + " size " + std::to_string(c.size));
        QString buffer(c.size, QLatin1Char('#'));
        EXPECT_EQ(getPrivateProfileString(c.section, QString(), {}, buffer, c.size, path), c.expectedReturn);
        EXPECT_EQ(buffer.left(c.expectedStart.size()), c.expectedStart);
    }
}

TEST(ProfileRead, IntlSectionFollowsRegionalSettings)
{
    using orx::basic::RegionalSettings;
    RegionalSettings ymd = RegionalSettings::unitedStates();
    ymd.dateOrder = orx::basic::DateOrder::YearMonthDay;
    struct Profile { const char* name; RegionalSettings settings; std::vector<std::pair<const char*, const char*>> values; };
    const Profile profiles[] = {
        {"IT", RegionalSettings::italian(),
         {{"sDecimal", ","}, {"sThousand", "."}, {"sCurrency", "\xE2\x82\xAC"}, {"iCurrDigits", "2"}, {"sDate", "/"},
          {"sTime", ":"}, {"SSHORTDATE", "dd/MM/yyyy"}, {"iDate", "1"}, {"s1159", ""}, {"sLongDate", "dddd d MMMM yyyy"}}},
        {"US", RegionalSettings::unitedStates(),
         {{"sdecimal", "."}, {"sThousand", ","}, {"sCurrency", "$"}, {"sShortDate", "M/d/yyyy"}, {"iDate", "0"},
          {" s1159 ", "AM"}, {"s2359", "PM"}, {"sList", "<default>"}}},
        {"YMD", ymd, {{"iDate", "2"}}},
    };
    for (const Profile& profile : profiles) {
        orx::basic::ScopedRegional regional(profile.settings);
        for (const auto& [key, expected] : profile.values) {
            SCOPED_TRACE(std::string(profile.name) + " " + key);
            QString buffer(40, QChar(0));
            const int length = getProfileString(QStringLiteral("Intl"), u(key), QStringLiteral("<default>"), buffer, 40);
            EXPECT_EQ(buffer.left(length + 1), u(expected) + QChar(0));
        }
    }
    QString buffer(10, QChar(0));
    EXPECT_EQ(getProfileString(QStringLiteral("windows"), QStringLiteral("sDecimal"), QStringLiteral("none"), buffer, 10), 4);
}

}  // namespace

TEST(ProfileRead, SectionNamesMatchInAnyCaseOfAnyScript)
{
    // Sections are found through an index of folded names; it must find
    // exactly the section a case-insensitive comparison names.
    const QStringList names = {u("\xC3\x89t\xC3\xA9"), u("\xCE\xA3\xCE\x91\xCE\xA3"), u("stra\xC3\x9F" "e"),
                               QStringLiteral("Plain"), u("\xC3\x85ngstr\xC3\xB6m")};
    QByteArray file;
    for (qsizetype i = 0; i < names.size(); ++i)
        file += "[" + names[i].toUtf8() + "]\r\nk=" + QByteArray::number(i) + "\r\n";
    const QString path = freshFolder(QStringLiteral("casefold")) + QStringLiteral("/c.ini");
    writeBytes(path, file);
    const QStringList lookups = {u("\xC3\xA9T\xC3\x89"), u("\xCF\x83\xCE\xB1\xCF\x82"), u("STRASSE"), u("STRA\xC3\x9F" "E"),
                                 QStringLiteral("pLAIN"), u("\xC3\xA5NGSTR\xC3\x96M"), QStringLiteral("none")};
    const ProfileReader reader(path);
    for (const QString& lookup : lookups) {
        SCOPED_TRACE(lookup.toStdString());
        std::optional<QString> expected;
        for (qsizetype i = 0; i < names.size() && !expected; ++i) {
            if (names[i].compare(lookup, Qt::CaseInsensitive) == 0)
                expected = QString::number(i);
        }
        EXPECT_EQ(reader.value(lookup, QStringLiteral("k")), expected);
    }
}

TEST(ProfileRead, OneReaderAnswersAsTheSingleCallsDo)
{
    const QString path = freshFolder(QStringLiteral("reader")) + QStringLiteral("/rules.ini");
    writeBytes(path, kRulesFile);
    const ProfileReader reader(path);
    for (const char* section : {"General", "general", "Padded Section", "CrOnly", "Missing"}) {
        EXPECT_EQ(reader.keys(u(section)), profileKeys(path, u(section))) << section;
        for (const char* key : {"Name", "Dup", "Empty", "B", "Key", "none"}) {
            EXPECT_EQ(reader.value(u(section), u(key)), readProfileValue(path, u(section), u(key))) << section << key;
            QString fromReader(8, QChar(0));
            QString fromCall(8, QChar(0));
            EXPECT_EQ(reader.getString(u(section), u(key), QStringLiteral("default  "), fromReader, 5),
                      getPrivateProfileString(u(section), u(key), QStringLiteral("default  "), fromCall, 5, path));
            EXPECT_EQ(fromReader, fromCall) << section << key;
        }
    }
    EXPECT_EQ(reader.sections(), profileSections(path));
    // The reader keeps what it read.
    writeBytes(path, "[General]\r\nName=changed\r\n");
    EXPECT_EQ(reader.value(QStringLiteral("General"), QStringLiteral("Name")), QStringLiteral("Alpha"));
}

TEST(ProfileRead, OnlyRegularFilesAreRead)
{
    const QString folder = freshFolder(QStringLiteral("regular"));
    writeBytes(folder + QStringLiteral("/plain.ini"), "[s]\r\nk=v\r\n");
    const QString fifo = folder + QStringLiteral("/pipe.ini");
    // A pipe nobody writes to: opening or reading it the plain way never returns.
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    using Status = FileContent::Status;
    struct Case { const char* name; QString path; Status status; const char* error; };
    const Case cases[] = {
        {"regular file", folder + QStringLiteral("/plain.ini"), Status::Read, ""},
        {"missing file", folder + QStringLiteral("/none.ini"), Status::Missing, ""},
        {"below a regular file", folder + QStringLiteral("/plain.ini/x.ini"), Status::Missing, ""},
        {"empty name", QString(), Status::Missing, ""},
        {"folder", folder, Status::Failed, "is a folder"},
        {"pipe", fifo, Status::Failed, "not a regular file"},
        {"device", QStringLiteral("/dev/zero"), Status::Failed, "not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileContent content = readRegularFile(c.path);
        EXPECT_EQ(content.status, c.status);
        EXPECT_TRUE(content.error.contains(QLatin1String(c.error))) << content.error.toStdString();
        if (c.status == Status::Failed) {
            EXPECT_TRUE(content.error.contains(c.path));
        }
    }
    EXPECT_EQ(readRegularFile(folder + QStringLiteral("/plain.ini")).bytes, QByteArray("[s]\r\nk=v\r\n"));
    // Every profile call goes through the same check.
    EXPECT_FALSE(readProfileValue(fifo, QStringLiteral("s"), QStringLiteral("k")).has_value());
    EXPECT_TRUE(profileSections(fifo).isEmpty());
}
