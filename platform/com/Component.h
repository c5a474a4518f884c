#pragma once

#include "platform/host/HostExport.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>
#include <functional>
#include <optional>

// Component identities: the type libraries of the two component libraries,
// their classes with fixed class and interface identifiers, programmatic
// names and class factories, and object creation by either name.
namespace orx::com {

enum class ClassKind { Control, Class, PropertyPage };

struct ORX_HOST_EXPORT InterfaceId {
    QString name;  // "_ORXTextBox", "__ORXTextBox"
    QUuid iid;
};

// A member whose dispatch identifier is fixed.
struct ORX_HOST_EXPORT DispatchId {
    int dispid;
    QString member;
};

struct ORX_HOST_EXPORT ClassInfo {
    QString name;  // "ORXTextBox"
    QUuid clsid;
    ClassKind kind = ClassKind::Class;
    QString kindText;  // as the type library describes it ("control", "property page", ...)
    bool creatable = false;  // clients may create it by class identifier or name
    InterfaceId defaultInterface;
    std::optional<InterfaceId> eventInterface;
    // The class as built; null while the class has no implementation yet.
    const QMetaObject* metaObject = nullptr;
    // Creates an instance; empty when the class is not built or not creatable.
    std::function<QObject*()> create;
    QList<DispatchId> dispatchIds;
};

struct ORX_HOST_EXPORT TypeLibrary {
    QString name;  // "ORX_Tools_OCXs"
    QUuid guid;
    int majorVersion = 1;
    int minorVersion = 0;
    int lcid = 0x409;
    QString fileName;  // the shared library that serves the classes ("libORX_Tools.so")
    QList<ClassInfo> classes;

    QString progId(const ClassInfo& c) const { return name + QLatin1Char('.') + c.name; }
    const ClassInfo* find(const QString& progIdOrClsidOrName) const;
};

// A class identifier or interface identifier from its text.
ORX_HOST_EXPORT QUuid guid(const char* text);

// A row of a type library's class table: the default interface is named "_"
// plus the class name, the event interface (when given) "__" plus it.
ORX_HOST_EXPORT ClassInfo classRow(const char* name, const char* clsid, const char* iid, ClassKind kind,
                                   const QString& kindText, bool creatable, const char* eventIid = nullptr);

// The type libraries of the component libraries loaded in this process
// (each registers its own when it loads).
ORX_HOST_EXPORT void registerTypeLibrary(const TypeLibrary* library);
ORX_HOST_EXPORT void unregisterTypeLibrary(const TypeLibrary* library);
ORX_HOST_EXPORT QList<const TypeLibrary*> loadedTypeLibraries();

struct ORX_HOST_EXPORT ClassRef {
    const TypeLibrary* library = nullptr;
    const ClassInfo* info = nullptr;
    explicit operator bool() const { return info != nullptr; }
};

// Finds a class by programmatic name ("ORX_Tools_OCXs.ORXTextBox") or class
// identifier ("{90FE4057-...}") among the loaded libraries, then in the
// registration file (loading the library that serves it).
ORX_HOST_EXPORT ClassRef findClass(const QString& progIdOrClsid);

// Creates an object by programmatic name or class identifier. Raises error
// 429 ("ActiveX component can't create object") when no registered class
// answers, and 429 with the class's name when the class is not creatable.
ORX_HOST_EXPORT QObject* createObject(const QString& progIdOrClsid);

}  // namespace orx::com
