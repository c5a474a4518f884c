#pragma once

#include "platform/basic/Clock.h"
#include "platform/basic/Regional.h"

#include <QString>

namespace orx::test {

// The folder of this run's per-user files ($HOME, XDG folders and the
// application folder all point below it).
QString sandboxFolder();

// A fresh empty folder below the sandbox.
QString freshFolder(const QString& name);

}  // namespace orx::test
