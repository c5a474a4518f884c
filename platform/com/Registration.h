#pragma once

#include "platform/host/HostExport.h"

#include <QString>

namespace orx::com {

struct TypeLibrary;

// Registration of in-process servers on a platform without a system
// registry: one JSON registry file per user (see docs). Registering writes
// the class, interface, type-library and programmatic-name entries of every
// class of the library with the path of the shared library that serves it;
// unregistering removes them. Both return false with a reason on failure;
// the previous registry file is then left intact.
ORX_HOST_EXPORT QString registryFilePath();
ORX_HOST_EXPORT bool registerServer(const TypeLibrary& library, const QString& serverPath, QString* error = nullptr);
ORX_HOST_EXPORT bool unregisterServer(const TypeLibrary& library, QString* error = nullptr);

// Loads the shared library registered for a programmatic name or class
// identifier, asks it for its type library and returns it; null when nothing
// is registered under that key or the server cannot be loaded.
ORX_HOST_EXPORT const TypeLibrary* loadRegisteredServer(const QString& progIdOrClsid);

}  // namespace orx::com
