#pragma once

#include "platform/com/Component.h"
#include "platform/host/HostExport.h"

#include <QJsonDocument>
#include <QVariant>

// Late binding: reaching an object's members by name or by dispatch
// identifier, as a script host or a property page does. Names compare
// without regard to case. A name or identifier the object does not have
// raises error 438 ("Object doesn't support this property or method").
namespace orx::com {

enum class DispatchKind { Method, PropertyGet, PropertyPut };

// The class of an object among the loaded type libraries (by meta-object).
ORX_HOST_EXPORT ClassRef classOf(const QObject* object);

// The fixed dispatch identifier of a member, or nullopt.
ORX_HOST_EXPORT std::optional<int> dispatchIdOf(const ClassInfo& info, const QString& member);
// The member a dispatch identifier stands for, or an empty string.
ORX_HOST_EXPORT QString memberOfDispatchId(const ClassInfo& info, int dispid);

// Property get or method call by name: a property of that name is read (or
// written with one argument and DispatchKind::PropertyPut); otherwise the
// invokable method of that name is called with the arguments converted to its
// parameter types. Returns the property value or the method's result. A put
// with an index and a value reaches the invokable of that name taking both
// (an indexed property).
ORX_HOST_EXPORT QVariant invoke(QObject* object, const QString& member, const QVariantList& args = {},
                                DispatchKind kind = DispatchKind::Method);
// The same by dispatch identifier.
ORX_HOST_EXPORT QVariant invoke(QObject* object, int dispid, const QVariantList& args = {},
                                DispatchKind kind = DispatchKind::Method);

// The type libraries as JSON: libraries, their classes with identifiers and
// the members each class has as built (properties, methods, events), read
// from the classes' meta-objects and dispatch tables.
ORX_HOST_EXPORT QJsonDocument typeLibrariesJson(const QList<const TypeLibrary*>& libraries);

}  // namespace orx::com
