#include "platform/profile/ProfileFile.h"
#include "tests/platform/profile/ProfileTestFiles.h"

#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <csignal>
#include <sys/stat.h>
#include <thread>
#include <vector>
#include <sys/resource.h>
#include <unistd.h>

using namespace orx::profile;
using orx::test::folderEntries;
using orx::test::freshFolder;
using orx::test::readBytes;
using orx::test::writeBytes;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

QByteArray utf16File(const char* utf8)
{
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return QByteArray("\xFF\xFE", 2) + QByteArray(encoder(u(utf8)));
}

struct WriteCase {
    const char* name;
    std::optional<QByteArray> before;  // nothing: no file yet
    const char* section;
    std::optional<const char*> key;
    std::optional<const char*> value;
    std::optional<QByteArray> after;  // nothing: still no file
};

TEST(ProfileWrite, FilesAreByteExact)
{
    const WriteCase cases[] = {
        {"new file", std::nullopt, "sec", "key", "value", "[sec]\r\nkey=value\r\n"},
        {"argument spaces go", std::nullopt, "  sec  ", "  key  ", "v", "[sec]\r\nkey=v\r\n"},
        {"replace in place keeps the key's spelling", "; top\r\n[Sec]\r\n  MyKey = old \r\nother=1\r\n", "sec", "MYKEY", "new",
         "; top\r\n[Sec]\r\nMyKey=new\r\nother=1\r\n"},
        {"insert after the last key line", "[s]\r\na=1\r\n; trailing note\r\n\r\n[t]\r\nb=2\r\n", "S", "c", "3",
         "[s]\r\na=1\r\nc=3\r\n; trailing note\r\n\r\n[t]\r\nb=2\r\n"},
        {"insert into a section without keys", "[s]\r\n; note\r\n[t]\r\n", "s", "k", "v", "[s]\r\nk=v\r\n; note\r\n[t]\r\n"},
        {"append a section without a blank line", "[a]\r\nx=1\r\n", "b", "y", "2", "[a]\r\nx=1\r\n[b]\r\ny=2\r\n"},
        {"file without a final line end", "[a]\r\nx=1", "a", "y", "2", "[a]\r\nx=1\r\ny=2\r\n"},
        {"LF file stays LF", "[a]\nx=1\n", "b", "y", "2", "[a]\nx=1\n[b]\ny=2\n"},
        {"CR file stays CR", "[a]\rx=1\r", "a", "x", "9", "[a]\rx=9\r"},
        {"only the first section occurrence is written", "[a]\r\n[b]\r\n[A]\r\nx=1\r\n", "a", "x", "2",
         "[a]\r\nx=2\r\n[b]\r\n[A]\r\nx=1\r\n"},
        {"delete a key, the section stays", "[a]\r\nx=1\r\n[b]\r\ny=2\r\n", "a", "X", std::nullopt, "[a]\r\n[b]\r\ny=2\r\n"},
        {"delete every copy of a key", "[a]\r\nx=1\r\nX=2\r\ny=3\r\n", "a", "x", std::nullopt, "[a]\r\ny=3\r\n"},
        {"delete a section, its comments and blank lines stay",
         "top=0\r\n[a]\r\nx=1\r\n; about a\r\n\r\njunk line\r\ny=2\r\n[b]\r\nz=3\r\n", "A", std::nullopt, std::nullopt,
         "top=0\r\n; about a\r\n\r\n[b]\r\nz=3\r\n"},
        {"delete every occurrence of a section", "[a]\r\nx=1\r\n[b]\r\n[ A ]\r\nx=2\r\n", "a", std::nullopt, std::nullopt, "[b]\r\n"},
        {"delete a missing key leaves the file", "[a]\nx=1", "a", "nope", std::nullopt, "[a]\nx=1"},
        {"delete from a missing file creates none", std::nullopt, "a", "x", std::nullopt, std::nullopt},
        {"UTF-8 BOM is kept", "\xEF\xBB\xBF[a]\r\nx=1\r\n", "a", "x", "\xC3\xA8", "\xEF\xBB\xBF[a]\r\nx=\xC3\xA8\r\n"},
        {"Windows-1252 is kept", "[a]\r\nx=caf\xE9\r\n", "a", "y", "\xC3\xA8\xE2\x82\xAC", "[a]\r\nx=caf\xE9\r\ny=\xE8\x80\r\n"},
        {"Windows-1252 moves to UTF-8 for a character it lacks", "[a]\r\nx=caf\xE9\r\n", "a", "y", "\xE6\x97\xA5",
         "[a]\r\nx=caf\xC3\xA9\r\ny=\xE6\x97\xA5\r\n"},
        {"UTF-16 is kept", utf16File("[a]\r\nx=1\r\n"), "a", "x", "\xC3\xA8", utf16File("[a]\r\nx=\xC3\xA8\r\n")},
        {"a lone surrogate in UTF-16 is whole text and kept", utf16File("[a]\r\nm=") + QByteArray("\x00\xD8", 2) + utf16File("\r\n").mid(2),
         "a", "x", "1", utf16File("[a]\r\nm=") + QByteArray("\x00\xD8", 2) + utf16File("\r\nx=1\r\n").mid(2)},
        {"Windows-1252 that would read back as UTF-8 moves to UTF-8", "[a]\r\nx=\xC3\xA9\r\ny=\xE9\r\n", "a", "y",
         std::nullopt, "[a]\r\nx=\xC3\x83\xC2\xA9\r\n"},
        {"junk lines survive byte for byte", "\x01\xFF junk\r\n[a]\r\n\x81\x8D\xC0\r\n", "a", "k", "v",
         "\x01\xFF junk\r\n[a]\r\nk=v\r\n\x81\x8D\xC0\r\n"},
        {"outer blanks are quoted", std::nullopt, "s", "k", " padded ", "[s]\r\nk=\" padded \"\r\n"},
        {"an outer quote pair is quoted", std::nullopt, "s", "k", "'q'", "[s]\r\nk=\"'q'\"\r\n"},
        {"inner quotes and spaces are verbatim", std::nullopt, "s", "k", "a \"b\" c", "[s]\r\nk=a \"b\" c\r\n"},
        {"a key starting with ';' writes a comment", "[s]\r\nk=1\r\n", "s", ";note", "hi", "[s]\r\nk=1\r\n;note=hi\r\n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = freshFolder(QStringLiteral("write"));
        const QString path = folder + QStringLiteral("/p.ini");
        if (c.before)
            writeBytes(path, *c.before);
        const std::optional<QString> key = c.key ? std::optional<QString>(u(*c.key)) : std::nullopt;
        const std::optional<QString> value = c.value ? std::optional<QString>(u(*c.value)) : std::nullopt;
        QString error;
        EXPECT_TRUE(writePrivateProfileString(u(c.section), key, value, path, &error)) << error.toStdString();
        EXPECT_EQ(readBytes(path), c.after);
        // No temporary file is left beside the result.
        EXPECT_EQ(folderEntries(folder), c.after ? QStringList{QStringLiteral("p.ini")} : QStringList{});
    }
}

TEST(ProfileWrite, ValuesReadBackUnchanged)
{
    const QString path = freshFolder(QStringLiteral("roundtrip")) + QStringLiteral("/r.ini");
    const QString values[] = {
        QStringLiteral(" lead"), QStringLiteral("trail "), QStringLiteral("\"quoted\""), QStringLiteral("'single'"),
        QStringLiteral("\""), QStringLiteral("a=b=c"), QStringLiteral("semi;colon #hash"), QStringLiteral("\ttabs\t"),
        QString(), QStringLiteral("C:\\dir\\file.txt"), u("\xC3\xBC\xC3\xB1\xC3\xAF \xE2\x82\xAC \xE6\x97\xA5"),
        QString(70000, QLatin1Char('z')),
    };
    for (const QString& value : values) {
        SCOPED_TRACE(value.left(20).toStdString());
        ASSERT_TRUE(writePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), value, path));
        EXPECT_EQ(readProfileValue(path, QStringLiteral("s"), QStringLiteral("k")), value);
    }
}

TEST(ProfileWrite, NamesAndValuesThatCannotBeStoredAreRefused)
{
    const QByteArray before = "[s]\r\nk=1\r\n";
    struct Case { const char* section; const char* key; const char* value; };
    const Case cases[] = {
        {"s", "k", "one\r\nk2=injected"},
        {"s", "a=b", "v"},
        {"s", "[x]", "v"},
        {"s", "\t[x]", "v"},
        {"a]b", "k", "v"},
        {"a\nb", "k", "v"},
        {"", "k", "v"},
    };
    const QString path = freshFolder(QStringLiteral("refused")) + QStringLiteral("/r.ini");
    writeBytes(path, before);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " / " + c.key);
        QString error;
        EXPECT_FALSE(writePrivateProfileString(u(c.section), u(c.key), u(c.value), path, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(readBytes(path), before);
    }
}

TEST(ProfileWrite, FailedWritesLeaveEverythingAsItWas)
{
    const QString folder = freshFolder(QStringLiteral("fail"));
    const QByteArray plainBytes = "not a folder\r\n";
    writeBytes(folder + QStringLiteral("/plain.txt"), plainBytes);
    QDir(folder).mkpath(QStringLiteral("dir.ini"));

    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + QStringLiteral("/pipe.ini")).constData(), 0600), 0);

    struct Case { const char* name; QString path; const char* reason; };
    const Case cases[] = {
        {"target is a pipe", folder + QStringLiteral("/pipe.ini"), "not a regular file"},
        {"folder does not exist", folder + QStringLiteral("/missing/x.ini"), "does not exist"},
        {"parent is a regular file", folder + QStringLiteral("/plain.txt/x.ini"), "does not exist"},
        {"target is a folder", folder + QStringLiteral("/dir.ini"), "folder"},
        {"no file name", QString(), "no file name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_FALSE(writePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"), c.path, &error));
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << error.toStdString();
    }
    EXPECT_EQ(folderEntries(folder), QStringList({"dir.ini", "pipe.ini", "plain.txt"}));
    EXPECT_FALSE(readProfileValue(folder + QStringLiteral("/pipe.ini"), QStringLiteral("s"), QStringLiteral("k")).has_value());
    EXPECT_EQ(readBytes(folder + QStringLiteral("/plain.txt")), plainBytes);
    EXPECT_TRUE(folderEntries(folder + QStringLiteral("/dir.ini")).isEmpty());
}

TEST(ProfileWrite, FullDiskKeepsTheOldFile)
{
    const QString folder = freshFolder(QStringLiteral("full"));
    const QString path = folder + QStringLiteral("/f.ini");
    const QByteArray before = "[s]\r\nk=old\r\n";
    writeBytes(path, before);

    // A file size limit makes every write past 64 bytes fail as a full disk would.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool written = writePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QString(200, QLatin1Char('n')), path, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(folderEntries(folder), QStringList({"f.ini"}));
}

TEST(ProfileWrite, FileThatCannotBeReplacedKeepsItsContent)
{
    // A folder the writer may read but not change: the file itself is
    // world-writable, yet it cannot be replaced by a complete new copy, so
    // it must not be touched at all.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.path() + QStringLiteral("/locked.ini");
    const QByteArray before = "[s]\r\nk=old\r\n";
    writeBytes(path, before);
    const auto all = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther
        | QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    ASSERT_TRUE(QFile::setPermissions(path, all));
    const auto readOnlyFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
        | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnlyFolder));

    // Root may write anywhere, so a root run writes as an ordinary user.
    const bool asRoot = geteuid() == 0;
    if (asRoot && seteuid(65534) != 0) {
        QFile::setPermissions(dir.path(), readOnlyFolder | QFileDevice::WriteOwner);
        GTEST_SKIP() << "cannot act as an ordinary user";
    }
    QString error;
    const bool written = writePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("new"), path, &error);
    const bool valueStillRead = readProfileValue(path, QStringLiteral("s"), QStringLiteral("k")) == QStringLiteral("old");
    if (asRoot) {
        ASSERT_EQ(seteuid(0), 0);
    }
    QFile::setPermissions(dir.path(), readOnlyFolder | QFileDevice::WriteOwner);

    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(valueStillRead);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(folderEntries(dir.path()), QStringList({"locked.ini"}));
}

TEST(ProfileWrite, ConcurrentWritersLoseNothing)
{
    const QString path = freshFolder(QStringLiteral("threads")) + QStringLiteral("/t.ini");
    constexpr int kThreads = 4;
    constexpr int kKeys = 25;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &path] {
            for (int k = 0; k < kKeys; ++k)
                writePrivateProfileString(QStringLiteral("s%1").arg(t), QStringLiteral("k%1").arg(k), QString::number(t * 100 + k), path);
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(profileKeys(path, QStringLiteral("s%1").arg(t)).size(), kKeys);
        EXPECT_EQ(readProfileValue(path, QStringLiteral("s%1").arg(t), QStringLiteral("k%1").arg(kKeys - 1)),
                  QString::number(t * 100 + kKeys - 1));
    }
}

TEST(ProfileWrite, PermissionsAreKept)
{
    const QString path = freshFolder(QStringLiteral("perm")) + QStringLiteral("/p.ini");
    writeBytes(path, "[s]\r\nk=1\r\n");
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, permissions));
    ASSERT_TRUE(writePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("2"), path));
    EXPECT_EQ(readBytes(path), QByteArray("[s]\r\nk=2\r\n"));
    EXPECT_EQ(QFileInfo(path).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser), permissions);
}

TEST(ProfileWrite, BareNamesAndBackslashesUseTheirFolders)
{
    const QString folder = freshFolder(QStringLiteral("bare"));
    QDir(folder).mkpath(QStringLiteral("sub"));
    setBareNameFolder(folder);
    EXPECT_TRUE(writePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"), QStringLiteral("bare.ini")));
    setBareNameFolder(QString());
    EXPECT_TRUE(writePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("w"), folder + QStringLiteral("\\sub\\w.ini")));

    EXPECT_EQ(readBytes(folder + QStringLiteral("/bare.ini")), QByteArray("[s]\r\nk=v\r\n"));
    EXPECT_EQ(readProfileValue(folder + QStringLiteral("\\sub\\w.ini"), QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("w"));
    EXPECT_EQ(resolveProfilePath(QStringLiteral("bare.ini")), QDir::currentPath() + QStringLiteral("/bare.ini"));
    EXPECT_EQ(readBytes(folder + QStringLiteral("/sub/w.ini")), QByteArray("[s]\r\nk=w\r\n"));
    EXPECT_FALSE(QFileInfo::exists(QDir::currentPath() + QStringLiteral("/bare.ini")));
}

}  // namespace

TEST(ProfileWrite, AWriteThatSucceedsReadsBack)
{
    // Files with a UTF-16LE mark and an odd number of bytes after it: the
    // mark makes them UTF-16LE, the stray byte makes them impossible to
    // write back whole. Each write either reads back or fails and leaves the
    // file as it was.
    const QString folder = freshFolder(QStringLiteral("readback"));
    quint32 seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<char>((seed >> 16) & 0xFF);
    };
    int refused = 0;
    for (int n = 0; n < 60; ++n) {
        QByteArray before("\xFF\xFE", 2);
        const int length = 2 * (n % 7) + 1;
        for (int i = 0; i < length; ++i)
            before.append(next());
        const QString path = folder + QStringLiteral("/f%1.ini").arg(n);
        writeBytes(path, before);
        QString error;
        if (writePrivateProfileString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("plain"), path, &error)) {
            EXPECT_EQ(readProfileValue(path, QStringLiteral("S"), QStringLiteral("K")), QStringLiteral("plain")) << n;
        } else {
            ++refused;
            EXPECT_FALSE(error.isEmpty());
            EXPECT_EQ(readBytes(path), before) << n;
        }
    }
    EXPECT_EQ(refused, 60) << "an odd number of bytes after the mark is never whole UTF-16";
}

TEST(ProfileWrite, DamagedUtf16FilesAreReadAsFarAsTheyGoAndNotRewritten)
{
    struct Case { const char* name; QByteArray bytes; const char* value; };
    const Case cases[] = {
        {"a stray byte at the end", utf16File("[s]\r\nk=v\r\n") + "A", "v"},
        {"a stray byte after a last line without a line end", utf16File("[s]\r\nk=v") + "A", "v"},
        {"an odd number of ASCII bytes after the mark", QByteArray("\xFF\xFE[s]\r\nk=vv\r\n"), nullptr},
    };
    const QString folder = freshFolder(QStringLiteral("damaged"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder + QStringLiteral("/d.ini");
        writeBytes(path, c.bytes);
        const std::optional<QString> read = readProfileValue(path, QStringLiteral("s"), QStringLiteral("k"));
        EXPECT_EQ(read, c.value ? std::optional<QString>(u(c.value)) : std::nullopt);
        for (const std::optional<QString>& value : {std::optional<QString>(QStringLiteral("new")), std::optional<QString>()}) {
            QString error;
            EXPECT_FALSE(writePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), value, path, &error));
            EXPECT_TRUE(error.contains(QLatin1String("UTF-16"))) << error.toStdString();
            EXPECT_EQ(readBytes(path), c.bytes);
        }
    }
}
