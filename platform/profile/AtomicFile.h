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
// existing path must be a regular file.
ORX_PLATFORM_EXPORT bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace orx::profile
