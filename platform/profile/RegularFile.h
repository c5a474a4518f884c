#pragma once

#include "platform/basic/PlatformExport.h"

#include <QByteArray>
#include <QString>

namespace orx::profile {

// The whole content of a file that every reader of settings, catalogues,
// forms and registrations goes through. Only a regular file is read: a
// folder, a pipe, a socket or a device fails without being waited on (a pipe
// with no writer would block a plain open or read for ever, a device might
// never end).
struct ORX_PLATFORM_EXPORT FileContent {
    enum class Status { Read, Missing, Failed };
    Status status = Status::Missing;
    QByteArray bytes;
    QString error;  // why it failed, naming the file
};

// Missing when the file or one of its folders does not exist. A file of more
// than `maxBytes` bytes (when not negative) fails unread, saying so.
ORX_PLATFORM_EXPORT FileContent readRegularFile(const QString& path, qint64 maxBytes = -1);

}  // namespace orx::profile
