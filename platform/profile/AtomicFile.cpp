#include "platform/profile/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <unistd.h>

namespace orx::profile {

namespace {
bool fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}
}  // namespace

bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        return fail(error, QCoreApplication::translate("AtomicFile", "Cannot write %1: the folder %2 does not exist")
                               .arg(path, folder));
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile())
        return fail(error, QCoreApplication::translate("AtomicFile", "Cannot write %1: it is not a regular file")
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
