#include "platform/com/Server.h"

#include "platform/basic/Logging.h"
#include "platform/com/Registration.h"

#include <dlfcn.h>

namespace orx::com {

QUuid classFactoryIid()
{
    return QUuid(0x00000001, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);
}

ClassFactory::ClassFactory(const TypeLibrary* library, const ClassInfo* info)
    : library_(library)
    , info_(info)
{
}

QObject* ClassFactory::CreateInstance() const
{
    Q_UNUSED(library_);
    return info_->create ? info_->create() : nullptr;
}

Server::Server(const TypeLibrary* library)
    : library_(library)
{
    for (const ClassInfo& c : library->classes)
        factories_.append(ClassFactory(library, &c));
    registerTypeLibrary(library);
}

Server::~Server()
{
    // The library is being unloaded: its table goes with it.
    unregisterTypeLibrary(library_);
}

HResult Server::getClassObject(const char* clsid, const char* iid, void** factory)
{
    if (!factory)
        return E_InvalidArg;
    *factory = nullptr;
    const QUuid wanted = QUuid::fromString(QLatin1String(clsid ? clsid : ""));
    if (wanted.isNull())
        return E_InvalidArg;
    if (iid && QUuid::fromString(QLatin1String(iid)) != classFactoryIid())
        return E_NoInterface;
    for (ClassFactory& f : factories_) {
        if (f.classInfo()->clsid == wanted && f.classInfo()->creatable && f.classInfo()->create) {
            *factory = &f;
            return S_Ok;
        }
    }
    return Class_E_ClassNotAvailable;
}

HResult Server::canUnloadNow() const
{
    return live_.load() == 0 ? S_Ok : S_False;
}

HResult Server::registerServer(const void* symbolInLibrary)
{
    QString error;
    const QString path = libraryPathOf(symbolInLibrary);
    if (path.isEmpty() || !com::registerServer(*library_, path, &error)) {
        qCWarning(lcHost) << "registration of" << library_->name << "failed:" << error;
        return SelfReg_E_Class;
    }
    return S_Ok;
}

HResult Server::unregisterServer()
{
    QString error;
    if (!com::unregisterServer(*library_, &error)) {
        qCWarning(lcHost) << "unregistration of" << library_->name << "failed:" << error;
        return SelfReg_E_Class;
    }
    return S_Ok;
}

void Server::track(QObject* object)
{
    if (!object)
        return;
    ++live_;
    QObject::connect(object, &QObject::destroyed, [this] { --live_; });
}

QString libraryPathOf(const void* symbol)
{
    Dl_info info{};
    if (dladdr(symbol, &info) == 0 || !info.dli_fname)
        return QString();
    return QString::fromLocal8Bit(info.dli_fname);
}

}  // namespace orx::com
