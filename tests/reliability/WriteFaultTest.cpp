// Every write path against the faults a disk and other programs can put in
// its way: a full disk, a folder it may not change, a folder where its file
// should be, and a file another program is writing (and holds locked). Each
// time the caller hears of it as the path's own error says, and the old file
// is left byte for byte as it was, with nothing left beside it.
#include "tests/platform/profile/ProfileTestFiles.h"
#include "tests/support/HostFixture.h"

#include "platform/basic/BasicError.h"
#include "platform/com/Registration.h"
#include "platform/host/Form.h"
#include "platform/profile/AtomicFile.h"
#include "platform/profile/ProfileFile.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/definition/ReportFile.h"
#include "reportrt/export/ExportFile.h"
#include "tools/common/Components.h"
#include "tools/currency/ORXCurrencies.h"
#include "tools/textbox/ORXTextBox.h"

#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orx;
using orx::test::folderEntries;
using orx::test::readBytes;

namespace {

// What a write told its caller: nothing (it succeeded), or its error.
struct Outcome {
    bool failed = false;
    int number = 0;  // the raised error's number, 0 for a path that answers false
    QString text;    // the reason, the error's description or the message shown
};

Outcome raised(const std::function<void()>& write)
{
    try {
        write();
    } catch (const basic::BasicError& e) {
        return {true, e.number(), e.description()};
    }
    return {};
}

Outcome answered(bool written, const QString& reason)
{
    return {!written, 0, reason};
}

// Points the per-user locations of the libraries (application folder, data
// folder of the registry) at one folder while it lives.
class ScopedLocations {
public:
    explicit ScopedLocations(const QString& folder)
        : app_(qgetenv("ORX_APP_PATH")), data_(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("ORX_APP_PATH", QFile::encodeName(folder));
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder));
    }
    ~ScopedLocations()
    {
        qputenv("ORX_APP_PATH", app_);
        qputenv("XDG_DATA_HOME", data_);
    }

private:
    QByteArray app_, data_;
};

enum class Fault { FullDisk, ReadOnlyFolder, TargetIsFolder, LockedByFlock, LockedByFcntl };

const char* faultName(Fault f)
{
    switch (f) {
    case Fault::FullDisk: return "full disk";
    case Fault::ReadOnlyFolder: return "read-only folder";
    case Fault::TargetIsFolder: return "target replaced by a folder";
    case Fault::LockedByFlock: return "locked by a writer (flock)";
    case Fault::LockedByFcntl: return "locked by a writer in another process (fcntl)";
    }
    return "";
}

// A small file system of its own that the test fills up, when the test may
// mount one (as root); otherwise the write routine is told to fail as a full
// disk does.
class FullDisk {
public:
    explicit FullDisk(const QString& folder)
        : folder_(folder)
    {
        mounted_ = geteuid() == 0
            && ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=256k,mode=0755") == 0;
    }
    ~FullDisk()
    {
        profile::injectWriteFailureForTesting(0);
        if (mounted_)
            ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

    // From now on nothing more fits: a filler takes every free block.
    void fill()
    {
        if (!mounted_) {
            profile::injectWriteFailureForTesting(ENOSPC);
            return;
        }
        const QString filler = folder_ + QStringLiteral("/.filler");
        QFile file(filler);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (file.write(block) == block.size() && file.flush()) {
        }
    }

private:
    QString folder_;
    bool mounted_ = false;
};

// Holds a lock on a file as another writer would: an exclusive flock from
// this process, or an fcntl write lock from a child process.
class LockHolder {
public:
    LockHolder(const QString& path, bool fromChild)
    {
        const QByteArray native = QFile::encodeName(path);
        if (!fromChild) {
            fd_ = ::open(native.constData(), O_RDWR | O_CLOEXEC);
            held_ = fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
            return;
        }
        int ready[2], release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0)
            return;
        child_ = ::fork();
        if (child_ == 0) {
            // Only its own ends: the release comes as the end of the pipe.
            ::close(ready[0]);
            ::close(release[1]);
            const int fd = ::open(native.constData(), O_RDWR);
            struct flock lock {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            char ok = (fd >= 0 && ::fcntl(fd, F_SETLK, &lock) == 0) ? 'y' : 'n';
            (void)!::write(ready[1], &ok, 1);
            char done;
            (void)!::read(release[0], &done, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        char ok = 'n';
        held_ = ::read(ready[0], &ok, 1) == 1 && ok == 'y';
        ::close(ready[0]);
        release_ = release[1];
    }
    ~LockHolder()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (child_ > 0) {
            ::close(release_);
            ::waitpid(child_, nullptr, 0);
        }
    }
    bool held() const { return held_; }

private:
    int fd_ = -1;
    pid_t child_ = -1;
    int release_ = -1;
    bool held_ = false;
};

}  // namespace

class WriteFault : public test::HostFixture {
protected:
    // One write path: `name` is its file inside the folder; `prepare` writes
    // the first version through the path itself, `write` tries a second one.
    struct Path {
        const char* what;
        QString name;
        std::function<void(const QString& folder)> prepare;
        std::function<Outcome(const QString& folder)> write;
        int number;  // the error number the path raises, or 0 when it answers false
        const char* says;  // what its error or message says
    };

    std::vector<Path> paths()
    {
        auto profileWrite = [](const QString& folder, const QString& value) {
            QString error;
            const bool ok = profile::writePrivateProfileString(QStringLiteral("Main"), QStringLiteral("Key"), value,
                                                               folder + QStringLiteral("/user.ini"), &error);
            return answered(ok, error);
        };
        auto presets = [this](const QString&, const QString& errorDesc) {
            setUserMode(false);
            auto* tb = place<tools::ORXTextBox>(QStringLiteral("Preset%1").arg(++boxes_));
            tb->setErrorDesc(errorDesc);
            messages().clear();
            tb->setSaveSettings(true);
            form().removeControl(tb);
            setUserMode(true);
            const bool saved = !messages().messages.isEmpty()
                && messages().messages.last().text == QLatin1String("Properties Saved.");
            return Outcome{!saved, 0, messages().messages.isEmpty() ? QString() : messages().messages.last().text};
        };
        auto currencies = [](const QString& folder, const QString& symbol) {
            tools::ORXCurrencies catalogue;
            catalogue.setPathINI(folder + QLatin1Char('/'));
            tools::ORXCurrency* c = catalogue.NewCurrency();
            c->setName(QStringLiteral("Lira"));
            c->setSymbol(symbol);
            return raised([&] { catalogue.Update(); });
        };
        auto formSave = [](const QString& folder, const QString& name) {
            host::Form f;
            f.addControl(QStringLiteral("ORX_Tools_OCXs.ORXTextBox"), name, host::TwipRect{0, 0, 2400, 375});
            return raised([&] { f.save(folder + QStringLiteral("/order.json")); });
        };
        auto registry = [](const QString&, bool on) {
            QString error;
            const bool ok = on ? com::registerServer(tools::ToolsTypeLibrary(), QStringLiteral("/opt/orx/libORX_Tools.so"), &error)
                               : com::unregisterServer(tools::ToolsTypeLibrary(), &error);
            return answered(ok, error);
        };
        auto reportSave = [](const QString& folder, const QString& title) {
            reportrt::definition::ReportDefinition report;
            report.name = QStringLiteral("Sales");
            report.title = title;
            return raised([&] { reportrt::definition::saveReportFile(report, folder + QStringLiteral("/sales.rpt")); });
        };
        auto reportExport = [](const QString& folder, const QByteArray& bytes) {
            return raised([&] { reportrt::exporting::writeExportFile(bytes, folder + QStringLiteral("/sales.csv"), QStringLiteral("CSV")); });
        };
        return {
            {"profile key", QStringLiteral("user.ini"), [=](const QString& f) { profileWrite(f, QStringLiteral("old")); },
             [=](const QString& f) { return profileWrite(f, QStringLiteral("new")); }, 0, "user.ini"},
            {"text box presets", QStringLiteral("ORX_TxtBox.INI"), [=](const QString& f) { presets(f, QStringLiteral("Old")); },
             [=](const QString& f) { return presets(f, QStringLiteral("New")); }, 0, "Properties Not Saved"},
            {"currency file Update", QStringLiteral("ORXCurrency.INI"), [=](const QString& f) { currencies(f, QStringLiteral("L.")); },
             [=](const QString& f) { return currencies(f, QStringLiteral("Lit")); }, basic::err::PathFileAccessError,
             "ORXCurrency.INI"},
            {"form file", QStringLiteral("order.json"), [=](const QString& f) { formSave(f, QStringLiteral("Old")); },
             [=](const QString& f) { return formSave(f, QStringLiteral("New")); }, basic::err::ErrorSavingToFile,
             "order.json"},
            {"registry", QStringLiteral("ORX"), [=](const QString& f) { registry(f, true); },
             [=](const QString& f) { return registry(f, false); }, 0, "registry.json"},
            {"report file", QStringLiteral("sales.rpt"), [=](const QString& f) { reportSave(f, QStringLiteral("Old")); },
             [=](const QString& f) { return reportSave(f, QStringLiteral("New")); }, reportrt::rterr::ReportFileUnwritable,
             "sales.rpt"},
            {"report export", QStringLiteral("sales.csv"), [=](const QString& f) { reportExport(f, "old\r\n"); },
             [=](const QString& f) { return reportExport(f, "new\r\n"); }, reportrt::rterr::ReportFileUnwritable,
             "sales.csv"},
        };
    }

    // A folder's entries but the full disk's filler, which no write makes.
    static QStringList listing(const QString& folder)
    {
        QStringList all = folderEntries(folder);
        all.removeAll(QStringLiteral(".filler"));
        return all;
    }

    // The file a path writes: the registry keeps its file one folder down.
    static QString target(const QString& folder, const Path& p)
    {
        return folder + QLatin1Char('/') + p.name + (p.name == QLatin1String("ORX") ? QStringLiteral("/registry.json") : QString());
    }

    void check(const Path& p, Fault fault)
    {
        SCOPED_TRACE(std::string(p.what) + ", " + faultName(fault));
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        // Everyone may enter, so that the write can run as an ordinary user.
        QFile::setPermissions(root.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                               | QFileDevice::ReadOther | QFileDevice::ExeOther | QFileDevice::ReadGroup
                                               | QFileDevice::ExeGroup);
        const QString folder = root.path() + QStringLiteral("/files");
        ASSERT_TRUE(QDir().mkpath(folder));
        std::optional<FullDisk> disk;
        if (fault == Fault::FullDisk)
            disk.emplace(folder);
        const ScopedLocations locations(folder);

        const QString file = target(folder, p);
        if (fault == Fault::TargetIsFolder) {
            ASSERT_TRUE(QDir().mkpath(file + QStringLiteral("/inside")));
        } else {
            p.prepare(folder);
            ASSERT_TRUE(readBytes(file).has_value()) << "the first write did not write " << file.toStdString();
        }
        const std::optional<QByteArray> before = readBytes(file);
        const QStringList entries = listing(folder);
        const QStringList inner = listing(QFileInfo(file).absolutePath());

        Outcome outcome;
        switch (fault) {
        case Fault::FullDisk:
            disk->fill();
            outcome = p.write(folder);
            break;
        case Fault::ReadOnlyFolder: {
            const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                | QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup;
            const QString where = QFileInfo(file).absolutePath();
            ASSERT_TRUE(QFile::setPermissions(where, readOnly));
            // Root may change any folder: the write runs as an ordinary user.
            const bool asRoot = geteuid() == 0;
            if (asRoot && ::seteuid(65534) != 0) {
                QFile::setPermissions(where, readOnly | QFileDevice::WriteOwner);
                GTEST_SKIP() << "cannot act as an ordinary user";
            }
            outcome = p.write(folder);
            if (asRoot) {
                ASSERT_EQ(::seteuid(0), 0);
            }
            QFile::setPermissions(where, readOnly | QFileDevice::WriteOwner);
            break;
        }
        case Fault::TargetIsFolder: outcome = p.write(folder); break;
        case Fault::LockedByFlock:
        case Fault::LockedByFcntl: {
            const LockHolder lock(file, fault == Fault::LockedByFcntl);
            ASSERT_TRUE(lock.held());
            outcome = p.write(folder);
            break;
        }
        }

        EXPECT_TRUE(outcome.failed) << "the write reported success";
        EXPECT_EQ(outcome.number, p.number) << outcome.text.toStdString();
        EXPECT_TRUE(outcome.text.contains(QLatin1String(p.says))) << outcome.text.toStdString();
        EXPECT_EQ(readBytes(file), before);
        if (fault == Fault::TargetIsFolder) {
            EXPECT_EQ(folderEntries(file), QStringList{QStringLiteral("inside")});
        }
        EXPECT_EQ(listing(folder), entries);
        EXPECT_EQ(listing(QFileInfo(file).absolutePath()), inner);
    }

    int boxes_ = 0;
};

TEST_F(WriteFault, EveryWritePathKeepsTheOldFileAndSaysWhy)
{
    for (Fault fault : {Fault::FullDisk, Fault::ReadOnlyFolder, Fault::TargetIsFolder, Fault::LockedByFlock,
                        Fault::LockedByFcntl}) {
        for (const Path& p : paths())
            check(p, fault);
    }
}

TEST_F(WriteFault, AWriteThatIsNotBlockedStillSucceeds)
{
    // The same paths with nothing in their way write their second version:
    // the faults above are what made them fail.
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const ScopedLocations locations(root.path());
    for (const Path& p : paths()) {
        SCOPED_TRACE(p.what);
        p.prepare(root.path());
        const std::optional<QByteArray> before = readBytes(target(root.path(), p));
        const Outcome outcome = p.write(root.path());
        EXPECT_FALSE(outcome.failed) << outcome.text.toStdString();
        EXPECT_NE(readBytes(target(root.path(), p)), before);
    }
}
