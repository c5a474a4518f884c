#include "platform/com/Dispatch.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Variant.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QMetaMethod>
#include <QMetaProperty>

namespace orx::com {

namespace {

constexpr int NoSuchMember = 438;

[[noreturn]] void noSuchMember(const QObject* object, const QString& member)
{
    basic::raiseError(NoSuchMember, QString::fromLatin1(object->metaObject()->className()),
                      QCoreApplication::translate("Dispatch", "Object doesn't support this property or method: %1")
                          .arg(member));
}

// The meta-object levels that make up a class's own interface: the class and
// its bases up to the first Qt class or the control base.
QList<const QMetaObject*> interfaceLevels(const QMetaObject* mo)
{
    QList<const QMetaObject*> levels;
    for (; mo; mo = mo->superClass()) {
        const QByteArray name = mo->className();
        if (name.startsWith('Q') || name == "orx::host::UserControl")
            break;
        levels.prepend(mo);
    }
    return levels;
}

int findProperty(const QMetaObject* mo, const QString& name)
{
    for (const QMetaObject* level : interfaceLevels(mo)) {
        for (int i = level->propertyOffset(); i < level->propertyCount(); ++i) {
            if (QString::fromLatin1(level->property(i).name()).compare(name, Qt::CaseInsensitive) == 0)
                return i;
        }
    }
    return -1;
}

QList<QMetaMethod> findMethods(const QMetaObject* mo, const QString& name, QMetaMethod::MethodType type)
{
    QList<QMetaMethod> out;
    for (const QMetaObject* level : interfaceLevels(mo)) {
        for (int i = level->methodOffset(); i < level->methodCount(); ++i) {
            const QMetaMethod m = level->method(i);
            if (m.methodType() == type && m.access() == QMetaMethod::Public
                && QString::fromLatin1(m.name()).compare(name, Qt::CaseInsensitive) == 0)
                out << m;
        }
    }
    return out;
}

QVariant callMethod(QObject* object, const QMetaMethod& method, const QVariantList& args)
{
    QVariantList converted;
    for (int i = 0; i < method.parameterCount(); ++i) {
        const QMetaType want = method.parameterMetaType(i);
        // An optional argument the caller left out arrives as Missing when the
        // parameter is a variant, else as the type's default value.
        QVariant v = i < args.size() ? args[i]
                                     : (want.id() == QMetaType::QVariant ? basic::missingVariant() : QVariant(want));
        if (want.id() != QMetaType::QVariant && v.metaType() != want && !v.convert(want))
            basic::raiseError(basic::err::TypeMismatch, QString::fromLatin1(object->metaObject()->className()),
                              QCoreApplication::translate("Dispatch", "argument %1 of %2")
                                  .arg(i + 1).arg(QString::fromLatin1(method.name())));
        converted << v;
    }
    // The arguments point at the type names: they must live until the call.
    QByteArray typeNames[10];
    QGenericArgument a[10];
    for (int i = 0; i < converted.size() && i < 10; ++i) {
        const bool isVariant = method.parameterMetaType(i).id() == QMetaType::QVariant;
        typeNames[i] = method.parameterTypeName(i);
        a[i] = QGenericArgument(typeNames[i].constData(),
                                isVariant ? static_cast<const void*>(&converted[i]) : converted[i].constData());
    }
    QVariant result;
    QGenericReturnArgument ret;
    if (method.returnMetaType().isValid() && method.returnMetaType().id() != QMetaType::Void) {
        result = QVariant(method.returnMetaType(), nullptr);
        ret = QGenericReturnArgument(method.typeName(), method.returnMetaType().id() == QMetaType::QVariant
                                                            ? static_cast<void*>(&result)
                                                            : result.data());
    }
    if (!method.invoke(object, Qt::DirectConnection, ret, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9]))
        noSuchMember(object, QString::fromLatin1(method.name()));
    return result;
}

QString typeName(const QByteArray& cppType)
{
    return QString::fromLatin1(cppType);
}

}  // namespace

ClassRef classOf(const QObject* object)
{
    if (!object)
        return {};
    for (const TypeLibrary* lib : loadedTypeLibraries()) {
        for (const ClassInfo& c : lib->classes) {
            for (const QMetaObject* mo = object->metaObject(); mo; mo = mo->superClass()) {
                if (c.metaObject == mo)
                    return ClassRef{lib, &c};
            }
        }
    }
    return {};
}

std::optional<int> dispatchIdOf(const ClassInfo& info, const QString& member)
{
    for (const DispatchId& d : info.dispatchIds) {
        if (d.member.compare(member, Qt::CaseInsensitive) == 0)
            return d.dispid;
    }
    return std::nullopt;
}

QString memberOfDispatchId(const ClassInfo& info, int dispid)
{
    for (const DispatchId& d : info.dispatchIds) {
        if (d.dispid == dispid)
            return d.member;
    }
    return QString();
}

QVariant invoke(QObject* object, const QString& member, const QVariantList& args, DispatchKind kind)
{
    if (!object)
        basic::raiseError(basic::err::ObjectNotSet, QStringLiteral("invoke"));
    const QMetaObject* mo = object->metaObject();
    const int p = findProperty(mo, member);
    if (p >= 0 && (kind != DispatchKind::Method || args.isEmpty())) {
        QMetaProperty prop = mo->property(p);
        if (kind == DispatchKind::PropertyPut) {
            if (args.size() != 1 || !prop.isWritable())
                basic::raiseError(basic::err::SetNotSupportedReadOnly, QString::fromLatin1(mo->className()),
                                  QCoreApplication::translate("Dispatch", "%1 is read-only").arg(member));
            QVariant v = args.first();
            if (prop.metaType().id() != QMetaType::QVariant && v.metaType() != prop.metaType() && !v.convert(prop.metaType()))
                basic::raiseError(basic::err::TypeMismatch, QString::fromLatin1(mo->className()), member);
            prop.write(object, v);
            return QVariant();
        }
        return prop.read(object);
    }
    // An indexed property is a pair of invokables of its name: the get takes
    // the index, the put the index and then the value.
    const bool indexedPut = kind == DispatchKind::PropertyPut && args.size() >= 2;
    if (kind == DispatchKind::Method || kind == DispatchKind::PropertyGet || indexedPut) {
        // Left-out optional arguments: variant parameters receive Missing, so
        // the full method is preferred when every omitted parameter is a
        // variant; otherwise the overload (or moc's copy for default
        // arguments) with exactly as many parameters, else the shortest that
        // takes them all.
        std::optional<QMetaMethod> best;
        int bestScore = 0;
        for (const QMetaMethod& m : findMethods(mo, member, QMetaMethod::Method)) {
            if (m.parameterCount() < args.size())
                continue;
            bool omittedAreVariants = true;
            for (int i = int(args.size()); i < m.parameterCount(); ++i)
                omittedAreVariants = omittedAreVariants && m.parameterMetaType(i).id() == QMetaType::QVariant;
            const int score = omittedAreVariants && !(m.attributes() & QMetaMethod::Cloned)
                ? 0
                : (m.parameterCount() == args.size() ? 1 : 2 + m.parameterCount());
            if (!best || score < bestScore)
                best = m, bestScore = score;
        }
        if (best)
            return callMethod(object, *best, args);
    }
    noSuchMember(object, member);
}

QVariant invoke(QObject* object, int dispid, const QVariantList& args, DispatchKind kind)
{
    const ClassRef ref = classOf(object);
    const QString member = ref ? memberOfDispatchId(*ref.info, dispid) : QString();
    if (member.isEmpty())
        noSuchMember(object, QCoreApplication::translate("Dispatch", "dispatch identifier %1").arg(dispid));
    return invoke(object, member, args, kind);
}

QJsonDocument typeLibrariesJson(const QList<const TypeLibrary*>& libraries)
{
    QJsonArray libs;
    for (const TypeLibrary* lib : libraries) {
        QJsonArray classes;
        for (const ClassInfo& c : lib->classes) {
            QJsonArray members;
            auto dispid = [&](const QString& name) -> QJsonValue {
                const std::optional<int> id = dispatchIdOf(c, name);
                return id ? QJsonValue(*id) : QJsonValue(QJsonValue::Null);
            };
            if (c.metaObject) {
                for (const QMetaObject* level : interfaceLevels(c.metaObject)) {
                    for (int i = level->propertyOffset(); i < level->propertyCount(); ++i) {
                        const QMetaProperty p = level->property(i);
                        const QString name = QString::fromLatin1(p.name());
                        members.append(QJsonObject{{QStringLiteral("name"), name},
                                                   {QStringLiteral("kind"), QStringLiteral("property")},
                                                   {QStringLiteral("dispid"), dispid(name)},
                                                   {QStringLiteral("readonly"), !p.isWritable()},
                                                   {QStringLiteral("type"), typeName(p.typeName())},
                                                   {QStringLiteral("params"), QJsonArray()}});
                    }
                    for (int i = level->methodOffset(); i < level->methodCount(); ++i) {
                        const QMetaMethod m = level->method(i);
                        // moc adds a copy of a method for each default argument: list it once.
                        if (m.access() != QMetaMethod::Public || (m.attributes() & QMetaMethod::Cloned)
                            || (m.methodType() != QMetaMethod::Method && m.methodType() != QMetaMethod::Signal))
                            continue;
                        QJsonArray params;
                        for (int k = 0; k < m.parameterCount(); ++k) {
                            params.append(QJsonObject{{QStringLiteral("name"), QString::fromLatin1(m.parameterNames().value(k))},
                                                      {QStringLiteral("type"), typeName(m.parameterTypeName(k))}});
                        }
                        const QString name = QString::fromLatin1(m.name());
                        const bool isEvent = m.methodType() == QMetaMethod::Signal;
                        QJsonObject member{{QStringLiteral("name"), name},
                                           {QStringLiteral("kind"), isEvent ? QStringLiteral("event") : QStringLiteral("method")},
                                           {QStringLiteral("dispid"), dispid(name)},
                                           {QStringLiteral("readonly"), false},
                                           {QStringLiteral("params"), params}};
                        if (!isEvent)
                            member.insert(QStringLiteral("returns"), typeName(m.typeName()));
                        members.append(member);
                    }
                }
            }
            auto iface = [](const InterfaceId& i) {
                return QJsonObject{{QStringLiteral("name"), i.name},
                                   {QStringLiteral("iid"), i.iid.toString(QUuid::WithBraces).toUpper()}};
            };
            classes.append(QJsonObject{
                {QStringLiteral("name"), c.name},
                {QStringLiteral("clsid"), c.clsid.toString(QUuid::WithBraces).toUpper()},
                {QStringLiteral("progid"), lib->progId(c)},
                {QStringLiteral("kind"), c.kindText},
                {QStringLiteral("creatable"), c.creatable},
                {QStringLiteral("built"), c.metaObject != nullptr},
                {QStringLiteral("interface"), iface(c.defaultInterface)},
                {QStringLiteral("events"), c.eventInterface ? QJsonValue(iface(*c.eventInterface)) : QJsonValue(QJsonValue::Null)},
                {QStringLiteral("members"), members}});
        }
        libs.append(QJsonObject{{QStringLiteral("name"), lib->name},
                                {QStringLiteral("guid"), lib->guid.toString(QUuid::WithBraces).toUpper()},
                                {QStringLiteral("version"), QStringLiteral("%1.%2").arg(lib->majorVersion).arg(lib->minorVersion)},
                                {QStringLiteral("lcid"), lib->lcid},
                                {QStringLiteral("classes"), classes}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("libraries"), libs}});
}

}  // namespace orx::com
