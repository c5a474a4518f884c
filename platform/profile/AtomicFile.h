#pragma once

#include "platform/basic/PlatformExport.h"

#include <QByteArray>
#include <QString>

namespace orx::profile {

// Replaces a file's content as a whole: the new bytes go to a temporary file
// beside the old one, every byte is checked to have reached the disk, and
// only then is it renamed over the old file. A crash, a full disk or any
// failure leaves the old file as it was (or no file, when there was none).
// Returns false with a readable reason; the folder must exist and an
// existing path must be a regular file. A file another program holds a lock
// on (flock or fcntl: it is writing the file now) is not replaced, since one
// of the two writes would be lost.
ORX_PLATFORM_EXPORT bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// For tests only: while `errorCode` is not 0, every write stops half way with
// that system error (ENOSPC: the disk is full), taking the same failure path
// as a real one. 0 turns it off.
ORX_PLATFORM_EXPORT void injectWriteFailureForTesting(int errorCode);

}  // namespace orx::profile
