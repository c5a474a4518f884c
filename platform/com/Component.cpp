#include "platform/com/Component.h"

#include "platform/basic/BasicError.h"
#include "platform/com/Registration.h"

#include <QCoreApplication>

namespace orx::com {

namespace {

QList<const TypeLibrary*>& libraries()
{
    static QList<const TypeLibrary*> list;
    return list;
}

bool isClsidText(const QString& text)
{
    return text.startsWith(QLatin1Char('{')) && !QUuid::fromString(text).isNull();
}

}  // namespace

QUuid guid(const char* text)
{
    return QUuid::fromString(QLatin1String(text));
}

ClassInfo classRow(const char* name, const char* clsid, const char* iid, ClassKind kind, const QString& kindText,
                   bool creatable, const char* eventIid)
{
    const QString n = QString::fromLatin1(name);
    ClassInfo c;
    c.name = n;
    c.clsid = guid(clsid);
    c.kind = kind;
    c.kindText = kindText;
    c.creatable = creatable;
    c.defaultInterface = InterfaceId{QLatin1Char('_') + n, guid(iid)};
    if (eventIid)
        c.eventInterface = InterfaceId{QStringLiteral("__") + n, guid(eventIid)};
    return c;
}

const ClassInfo* TypeLibrary::find(const QString& key) const
{
    const bool byClsid = isClsidText(key);
    const QUuid clsid = byClsid ? QUuid::fromString(key) : QUuid();
    for (const ClassInfo& c : classes) {
        if (byClsid ? c.clsid == clsid
                    : (progId(c).compare(key, Qt::CaseInsensitive) == 0 || c.name.compare(key, Qt::CaseInsensitive) == 0))
            return &c;
    }
    return nullptr;
}

void registerTypeLibrary(const TypeLibrary* library)
{
    if (!libraries().contains(library))
        libraries().append(library);
}

void unregisterTypeLibrary(const TypeLibrary* library)
{
    libraries().removeAll(library);
}

QList<const TypeLibrary*> loadedTypeLibraries()
{
    return libraries();
}

ClassRef findClass(const QString& key)
{
    const bool byClsid = isClsidText(key);
    for (const TypeLibrary* lib : libraries()) {
        // A bare class name is not a programmatic name: only class identifiers
        // and "Library.Class" reach a class from outside.
        if (!byClsid && !key.contains(QLatin1Char('.')))
            continue;
        if (const ClassInfo* c = lib->find(key))
            return ClassRef{lib, c};
    }
    if (const TypeLibrary* lib = loadRegisteredServer(key))
        if (const ClassInfo* c = lib->find(key))
            return ClassRef{lib, c};
    return ClassRef{};
}

QObject* createObject(const QString& key)
{
    const ClassRef ref = findClass(key);
    if (!ref) {
        basic::raiseError(basic::err::CannotCreateObject, QStringLiteral("CreateObject"),
                          QCoreApplication::translate("Component", "ActiveX component can't create object: %1")
                              .arg(key));
    }
    if (!ref.info->creatable || !ref.info->create) {
        basic::raiseError(basic::err::CannotCreateObject, QStringLiteral("CreateObject"),
                          QCoreApplication::translate("Component",
                                                      "ActiveX component can't create object: %1 cannot be created by clients")
                              .arg(ref.library->progId(*ref.info)));
    }
    return ref.info->create();
}

}  // namespace orx::com
