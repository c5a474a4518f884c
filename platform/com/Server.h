#pragma once

#include "platform/com/Component.h"
#include "platform/host/HostExport.h"

#include <QString>
#include <atomic>

// The in-process server side of a component library: class factories, the
// count of live objects, and the four standard entry points every component
// library exports with C linkage:
//   DllGetClassObject(clsid, iid, factory) - the class factory of a class
//   DllCanUnloadNow()                       - 0 when no object is alive
//   DllRegisterServer(), DllUnregisterServer()
// plus orx_TypeLibrary(), through which a loader reads the library's table.
namespace orx::com {

using HResult = int;
inline constexpr HResult S_Ok = 0;
inline constexpr HResult S_False = 1;
inline constexpr HResult E_Fail = int(0x80004005u);
inline constexpr HResult E_InvalidArg = int(0x80070057u);
inline constexpr HResult E_NoInterface = int(0x80004002u);
inline constexpr HResult Class_E_ClassNotAvailable = int(0x80040111u);
inline constexpr HResult SelfReg_E_Class = int(0x80040201u);

// "{00000001-0000-0000-C000-000000000046}", the class-factory interface.
ORX_HOST_EXPORT QUuid classFactoryIid();

// Creates instances of one class and counts them while they live.
class ORX_HOST_EXPORT ClassFactory {
public:
    ClassFactory(const TypeLibrary* library, const ClassInfo* info);
    // A new instance, or null when the class cannot be created.
    QObject* CreateInstance() const;
    const ClassInfo* classInfo() const { return info_; }

private:
    const TypeLibrary* library_;
    const ClassInfo* info_;
};

// The server of one library: answers the entry points for its table.
class ORX_HOST_EXPORT Server {
public:
    explicit Server(const TypeLibrary* library);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    HResult getClassObject(const char* clsid, const char* iid, void** factory);
    HResult canUnloadNow() const;
    HResult registerServer(const void* symbolInLibrary);
    HResult unregisterServer();

    // Counts an object until it is destroyed.
    void track(QObject* object);
    int liveObjects() const { return live_.load(); }

private:
    const TypeLibrary* library_;
    QList<ClassFactory> factories_;
    std::atomic<int> live_{0};
};

// Fills a table row with the class as built: its meta-object, its fixed
// dispatch identifiers and, for a class clients may create, a factory whose
// objects the library's server counts.
template <class T>
void setBuilt(ClassInfo& row, QList<DispatchId> dispatchIds, Server& (*server)())
{
    row.metaObject = &T::staticMetaObject;
    row.dispatchIds = std::move(dispatchIds);
    if (row.creatable) {
        row.create = [server]() -> QObject* {
            auto* object = new T();
            server().track(object);
            return object;
        };
    }
}

// The shared library file that holds `symbol` (for registration).
ORX_HOST_EXPORT QString libraryPathOf(const void* symbol);

using TypeLibraryFunction = const TypeLibrary* (*)();
inline constexpr const char* TypeLibrarySymbol = "orx_TypeLibrary";

}  // namespace orx::com

// Defines the exported entry points of a component library whose Server is
// returned by `serverFunction()` and whose table by `libraryFunction()`.
// Defines, inside the library's namespace, `libraryFunction()` (the table
// made once by `buildFunction()`) and `serverFunction()`, and makes the
// table known to the process as soon as the library is loaded.
#define ORX_DEFINE_COMPONENT_LIBRARY(libraryFunction, serverFunction, buildFunction) \
    const orx::com::TypeLibrary& libraryFunction()                                   \
    {                                                                                \
        static const orx::com::TypeLibrary library = buildFunction();                \
        return library;                                                              \
    }                                                                                \
    orx::com::Server& serverFunction()                                               \
    {                                                                                \
        static orx::com::Server server(&libraryFunction());                          \
        return server;                                                               \
    }                                                                                \
    static const bool orx_library_registered = (serverFunction(), true);

// The entry points share their names across libraries, so a library finds its
// own file through a symbol of internal linkage (an exported one could
// resolve to another library's).
#define ORX_DEFINE_SERVER_EXPORTS(serverFunction, libraryFunction)                                          \
    static const char orx_server_anchor = 0;                                                               \
    extern "C" Q_DECL_EXPORT int DllGetClassObject(const char* clsid, const char* iid, void** factory)      \
    {                                                                                                      \
        return serverFunction().getClassObject(clsid, iid, factory);                                       \
    }                                                                                                      \
    extern "C" Q_DECL_EXPORT int DllCanUnloadNow() { return serverFunction().canUnloadNow(); }            \
    extern "C" Q_DECL_EXPORT int DllRegisterServer()                                                       \
    {                                                                                                      \
        return serverFunction().registerServer(&orx_server_anchor);                                        \
    }                                                                                                      \
    extern "C" Q_DECL_EXPORT int DllUnregisterServer() { return serverFunction().unregisterServer(); }    \
    extern "C" Q_DECL_EXPORT const orx::com::TypeLibrary* orx_TypeLibrary() { return &libraryFunction(); }
