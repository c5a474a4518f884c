#include "platform/profile/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <sys/file.h>
#include <unistd.h>

namespace orx::profile {

namespace {
bool fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

std::atomic<int> injectedFailure{0};

// Whether some writer holds a lock on the file: an exclusive flock, or an
// fcntl write lock on any part of it (whether its own process's or another's).
bool lockedByWriter(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool locked = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    if (!locked) {
        struct flock probe {};
        probe.l_type = F_RDLCK;
        probe.l_whence = SEEK_SET;
        locked = ::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    }
    ::close(fd);
    return locked;
}
}  // namespace

void injectWriteFailureForTesting(int errorCode)
{
    injectedFailure = errorCode;
}

bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        return fail(error, QCoreApplication::translate("AtomicFile", "Cannot write %1: the folder %2 does not exist")
                               .arg(path, folder));
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile())
        return fail(error, QCoreApplication::translate("AtomicFile", "Cannot write %1: it is not a regular file")
                               .arg(path));
    if (lockedByWriter(path))
        return fail(error, QCoreApplication::translate("AtomicFile", "Cannot write %1: another program is writing it "
                                                                     "(the file is locked)")
                               .arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, QCoreApplication::translate("AtomicFile", "Cannot write %1: %2")
                               .arg(path, file.errorString()));
    const auto abandon = [&](const QString& why) {
        file.cancelWriting();
        return fail(error, QCoreApplication::translate("AtomicFile", "Cannot write %1: %2").arg(path, why));
    };
    // QSaveFile::commit() does not notice a write that fails while it closes
    // the temporary file, nor a failed sync (where a full disk often shows
    // first), and would put a torn file in place; so all of it is checked
    // here before the commit.
    if (const int code = injectedFailure.load()) {
        file.write(bytes.left(bytes.size() / 2));
        return abandon(QString::fromLocal8Bit(std::strerror(code)));
    }
    if (file.write(bytes) != bytes.size() || !file.flush())
        return abandon(file.errorString());
    if (file.size() != bytes.size())
        return abandon(QCoreApplication::translate("AtomicFile", "the new text was written only in part"));
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return abandon(QString::fromLocal8Bit(std::strerror(errno)));
    if (!file.commit())
        return fail(error, QCoreApplication::translate("AtomicFile", "Cannot write %1: %2")
                               .arg(path, file.errorString()));
    return true;
}

}  // namespace orx::profile
