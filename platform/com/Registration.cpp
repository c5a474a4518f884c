#include "platform/com/Registration.h"

#include "platform/com/Component.h"
#include "platform/com/Server.h"
#include "platform/profile/AtomicFile.h"
#include "platform/profile/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>
#include <QStandardPaths>

namespace orx::com {

namespace {

QJsonObject readRegistry(bool* ok = nullptr)
{
    if (ok)
        *ok = true;
    // A registry that is not a regular file (a pipe would block for ever)
    // counts as unreadable, like one that cannot be opened.
    const profile::FileContent content = profile::readRegularFile(registryFilePath());
    if (content.status == profile::FileContent::Status::Missing)
        return QJsonObject();
    if (content.status == profile::FileContent::Status::Failed) {
        if (ok)
            *ok = false;
        return QJsonObject();
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(content.bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        if (ok)
            *ok = false;
        return QJsonObject();
    }
    return doc.object();
}

bool writeRegistry(const QJsonObject& registry, QString* error)
{
    const QString path = registryFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return profile::replaceFileAtomically(path, QJsonDocument(registry).toJson(QJsonDocument::Indented), error);
}

QString guidText(const QUuid& id)
{
    return id.toString(QUuid::WithBraces).toUpper();
}

}  // namespace

QString registryFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/ORX/registry.json");
}

namespace {

// Writes (with a server path) or removes (without one) every entry of a
// library: its classes, programmatic names, interfaces and type library.
bool updateRegistry(const TypeLibrary& library, const std::optional<QString>& serverPath, QString* error)
{
    bool readable = true;
    QJsonObject registry = readRegistry(&readable);
    if (!readable) {
        if (error)
            *error = QCoreApplication::translate("Registration", "%1 is not a readable registry file; it was left as it is")
                         .arg(registryFilePath());
        return false;
    }
    QJsonObject classes = registry.value(QStringLiteral("classes")).toObject();
    QJsonObject progIds = registry.value(QStringLiteral("progids")).toObject();
    QJsonObject interfaces = registry.value(QStringLiteral("interfaces")).toObject();
    QJsonObject typeLibs = registry.value(QStringLiteral("typelibs")).toObject();
    const QString libId = guidText(library.guid);
    const QString path = serverPath ? QFileInfo(*serverPath).absoluteFilePath() : QString();
    auto setInterface = [&](const InterfaceId& i) {
        if (serverPath)
            interfaces.insert(guidText(i.iid), QJsonObject{{QStringLiteral("name"), i.name}, {QStringLiteral("typelib"), libId}});
        else
            interfaces.remove(guidText(i.iid));
    };
    for (const ClassInfo& c : library.classes) {
        const QString clsid = guidText(c.clsid);
        if (serverPath) {
            classes.insert(clsid, QJsonObject{{QStringLiteral("name"), c.name},
                                              {QStringLiteral("progid"), library.progId(c)},
                                              {QStringLiteral("server"), path},
                                              {QStringLiteral("typelib"), libId},
                                              {QStringLiteral("kind"), c.kindText},
                                              {QStringLiteral("creatable"), c.creatable}});
            progIds.insert(library.progId(c), clsid);
        } else {
            classes.remove(clsid);
            progIds.remove(library.progId(c));
        }
        setInterface(c.defaultInterface);
        if (c.eventInterface)
            setInterface(*c.eventInterface);
    }
    if (serverPath) {
        typeLibs.insert(libId, QJsonObject{{QStringLiteral("name"), library.name},
                                           {QStringLiteral("version"), QStringLiteral("%1.%2").arg(library.majorVersion).arg(library.minorVersion)},
                                           {QStringLiteral("lcid"), library.lcid},
                                           {QStringLiteral("server"), path}});
    } else {
        typeLibs.remove(libId);
    }
    registry.insert(QStringLiteral("classes"), classes);
    registry.insert(QStringLiteral("progids"), progIds);
    registry.insert(QStringLiteral("interfaces"), interfaces);
    registry.insert(QStringLiteral("typelibs"), typeLibs);
    return writeRegistry(registry, error);
}

}  // namespace

bool registerServer(const TypeLibrary& library, const QString& serverPath, QString* error)
{
    return updateRegistry(library, serverPath, error);
}

bool unregisterServer(const TypeLibrary& library, QString* error)
{
    return updateRegistry(library, std::nullopt, error);
}

const TypeLibrary* loadRegisteredServer(const QString& key)
{
    const QJsonObject registry = readRegistry();
    QString clsid = key;
    if (!key.startsWith(QLatin1Char('{'))) {
        const QJsonObject progIds = registry.value(QStringLiteral("progids")).toObject();
        for (auto it = progIds.begin(); it != progIds.end(); ++it) {
            if (it.key().compare(key, Qt::CaseInsensitive) == 0)
                clsid = it.value().toString();
        }
    }
    const QUuid id = QUuid::fromString(clsid);
    if (id.isNull())
        return nullptr;
    const QJsonObject entry = registry.value(QStringLiteral("classes")).toObject().value(guidText(id)).toObject();
    const QString server = entry.value(QStringLiteral("server")).toString();
    if (server.isEmpty())
        return nullptr;
    QLibrary library(server);
    if (!library.load())
        return nullptr;
    auto typeLibrary = reinterpret_cast<TypeLibraryFunction>(library.resolve(TypeLibrarySymbol));
    if (!typeLibrary)
        return nullptr;
    const TypeLibrary* lib = typeLibrary();
    if (lib)
        registerTypeLibrary(lib);
    return lib;
}

}  // namespace orx::com
