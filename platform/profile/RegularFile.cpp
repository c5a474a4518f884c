#include "platform/profile/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QCoreApplication>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace orx::profile {

namespace {

FileContent failed(const QString& why)
{
    FileContent result;
    result.status = FileContent::Status::Failed;
    result.error = why;
    return result;
}

QString systemReason(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

}  // namespace

FileContent readRegularFile(const QString& path, qint64 maxBytes)
{
    // Opening without delay and then asking the open file what it is leaves
    // no gap in which a regular file could be swapped for a pipe; a pipe
    // opened this way does not wait for a writer.
    const QByteArray native = QFile::encodeName(path);
    int fd = -1;
    do {
        fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int code = errno;
        if (code == ENOENT || code == ENOTDIR)
            return {};
        return failed(QCoreApplication::translate("RegularFile", "Cannot read %1: %2").arg(path, systemReason(code)));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return failed(QCoreApplication::translate("RegularFile", "Cannot read %1: %2").arg(path, systemReason(errno)));
    if (S_ISDIR(info.st_mode))
        return failed(QCoreApplication::translate("RegularFile", "%1 is a folder, not a file").arg(path));
    if (!S_ISREG(info.st_mode))
        return failed(QCoreApplication::translate("RegularFile", "%1 is not a regular file").arg(path));

    const auto tooLarge = [&] {
        return failed(QCoreApplication::translate("RegularFile", "Cannot read %1: it is larger than %2 bytes")
                          .arg(path)
                          .arg(maxBytes));
    };
    if (maxBytes >= 0 && info.st_size > maxBytes)
        return tooLarge();

    FileContent result;
    result.status = FileContent::Status::Read;
    result.bytes.reserve(static_cast<qsizetype>(info.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(QCoreApplication::translate("RegularFile", "Cannot read %1: %2")
                              .arg(path, systemReason(errno)));
        if (n == 0)
            break;
        result.bytes.append(chunk, n);
        // A file that grows while it is read is held to the same bound.
        if (maxBytes >= 0 && result.bytes.size() > maxBytes)
            return tooLarge();
    }
    return result;
}

}  // namespace orx::profile
