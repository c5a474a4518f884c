// Component identities: registration round trip through a separately built
// server library, creation by name and identifier, late binding, and the
// type libraries of both component libraries.
#include "platform/basic/BasicError.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Registration.h"
#include "platform/com/Server.h"
#include "tools/common/Components.h"
#include "viewreport/engine/Components.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace orx;

namespace {

const QString GadgetProgId = QStringLiteral("ORX_TestServer.Gadget");
const char* GadgetClsid = "{5E1F0000-0000-4000-8000-0000000000A2}";

QJsonObject registryFile()
{
    QFile file(com::registryFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

int callEntry(QLibrary& lib, const char* name)
{
    auto entry = reinterpret_cast<int (*)()>(lib.resolve(name));
    return entry ? entry() : -1;
}

}  // namespace

TEST(ComTest, RegisterCreateByNameAndUnregister)
{
    QLibrary lib(QStringLiteral(ORX_TEST_SERVER_PATH));
    ASSERT_TRUE(lib.load()) << lib.errorString().toStdString();
    ASSERT_EQ(callEntry(lib, "DllRegisterServer"), 0);
    const QJsonObject registry = registryFile();
    EXPECT_EQ(registry[QStringLiteral("progids")].toObject()[GadgetProgId].toString(), QLatin1String(GadgetClsid));
    EXPECT_TRUE(registry[QStringLiteral("classes")].toObject()[QLatin1String(GadgetClsid)].toObject()[QStringLiteral("server")]
                    .toString()
                    .endsWith(QStringLiteral("orx_test_server.so")));
    // Unload it, so that creation has to go through the registry file.
    ASSERT_TRUE(lib.unload());
    EXPECT_FALSE(com::findClass(QStringLiteral("ORX_TestServer.Nothing")));

    QObject* gadget = com::createObject(GadgetProgId);
    ASSERT_NE(gadget, nullptr);
    EXPECT_STREQ(gadget->metaObject()->className(), "Gadget");
    QObject* second = com::createObject(QLatin1String(GadgetClsid));
    ASSERT_NE(second, nullptr);

    QLibrary again(QStringLiteral(ORX_TEST_SERVER_PATH));
    ASSERT_TRUE(again.load());
    EXPECT_EQ(callEntry(again, "DllCanUnloadNow"), 1) << "two objects are alive";
    void* factory = nullptr;
    auto getClassObject = reinterpret_cast<int (*)(const char*, const char*, void**)>(again.resolve("DllGetClassObject"));
    ASSERT_NE(getClassObject, nullptr);
    EXPECT_EQ(getClassObject(GadgetClsid, nullptr, &factory), com::S_Ok);
    ASSERT_NE(factory, nullptr);
    QObject* third = static_cast<com::ClassFactory*>(factory)->CreateInstance();
    EXPECT_NE(third, nullptr);
    EXPECT_EQ(getClassObject("{5E1F0000-0000-4000-8000-0000000000A4}", nullptr, &factory), com::Class_E_ClassNotAvailable);
    EXPECT_EQ(getClassObject("not a guid", nullptr, &factory), com::E_InvalidArg);
    delete gadget;
    delete second;
    delete third;
    EXPECT_EQ(callEntry(again, "DllCanUnloadNow"), 0);

    try {
        com::createObject(QStringLiteral("ORX_TestServer.Hidden"));
        ADD_FAILURE() << "a class clients may not create was created";
    } catch (const basic::BasicError& e) {
        EXPECT_EQ(e.number(), basic::err::CannotCreateObject);
    }

    ASSERT_EQ(callEntry(again, "DllUnregisterServer"), 0);
    EXPECT_FALSE(registryFile()[QStringLiteral("progids")].toObject().contains(GadgetProgId));
    again.unload();
    EXPECT_THROW(com::createObject(GadgetProgId), basic::BasicError);
}

TEST(ComTest, LateBindingByNameAndByDispatchId)
{
    QLibrary lib(QStringLiteral(ORX_TEST_SERVER_PATH));
    ASSERT_TRUE(lib.load());
    QObject* gadget = com::ClassRef(com::findClass(QLatin1String(GadgetClsid))).info->create();
    ASSERT_NE(gadget, nullptr);

    com::invoke(gadget, QStringLiteral("caption"), {QStringLiteral("Total")}, com::DispatchKind::PropertyPut);
    EXPECT_EQ(com::invoke(gadget, 0, {}, com::DispatchKind::PropertyGet), QVariant(QStringLiteral("Total")));
    EXPECT_EQ(com::invoke(gadget, QStringLiteral("ADD"), {2, QStringLiteral("40")}), QVariant(42));
    EXPECT_EQ(com::invoke(gadget, 0x60030001, {1, 2}), QVariant(3));
    EXPECT_EQ(com::invoke(gadget, 0x68030000, {}, com::DispatchKind::PropertyGet), QVariant(3));
    EXPECT_EQ(com::invoke(gadget, QStringLiteral("Join"), {QStringLiteral("a"), 7}), QVariant(QStringLiteral("a7")));
    EXPECT_EQ(com::invoke(gadget, QStringLiteral("Describe")), QVariant(QStringLiteral("missing")))
        << "a left-out variant argument arrives as Missing";
    EXPECT_EQ(com::invoke(gadget, QStringLiteral("Describe"), {5}), QVariant(QStringLiteral("5")));
    EXPECT_EQ(com::invoke(gadget, QStringLiteral("Scale"), {4}), QVariant(40)) << "a left-out typed argument takes its default";
    EXPECT_EQ(com::invoke(gadget, QStringLiteral("Scale"), {4, 2}), QVariant(8));

    struct Failure {
        const char* what;
        std::function<void()> call;
        int number;
    };
    const Failure failures[] = {
        {"unknown name", [&] { com::invoke(gadget, QStringLiteral("Nothing")); }, 438},
        {"unknown identifier", [&] { com::invoke(gadget, 12345); }, 438},
        {"read-only property", [&] { com::invoke(gadget, QStringLiteral("Total"), {1}, com::DispatchKind::PropertyPut); }, basic::err::SetNotSupportedReadOnly},
        {"argument of the wrong type", [&] { com::invoke(gadget, QStringLiteral("Add"), {QStringLiteral("x"), 1}); }, basic::err::TypeMismatch},
    };
    for (const Failure& f : failures) {
        try {
            f.call();
            ADD_FAILURE() << f.what << ": no error";
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), f.number) << f.what;
        }
    }
    delete gadget;
}

TEST(ComTest, TypeLibrariesListEveryClassWithItsIdentifiers)
{
    const QJsonObject root = com::typeLibrariesJson({&tools::ToolsTypeLibrary(), &viewreport::ViewReportTypeLibrary()}).object();
    const QJsonArray libs = root[QStringLiteral("libraries")].toArray();
    ASSERT_EQ(libs.size(), 2);
    struct Expect {
        const char* library;
        const char* guid;
        int classes;
        const char* someClass;
        const char* clsid;
        const char* progid;
        const char* events;
    };
    const Expect expects[] = {
        {"ORX_Tools_OCXs", "{C5916142-CC3A-4905-BA7C-463830F93248}", 15, "ORXTextBox",
         "{90FE4057-D1A2-4CAA-8CA7-5D978310AB47}", "ORX_Tools_OCXs.ORXTextBox", "{0C9CA210-CC86-46C6-8609-9E7D124F35BB}"},
        {"ORXOCX_ViewReport", "{982F3929-2C96-494E-8F17-30F03666BF28}", 12, "ORXOCXViewReport",
         "{556CEFD8-7240-437B-A3AC-84CB36429E65}", "ORXOCX_ViewReport.ORXOCXViewReport", "{842A37DB-7E3B-440A-B86A-186576B93B91}"},
    };
    for (int i = 0; i < 2; ++i) {
        const QJsonObject lib = libs[i].toObject();
        const Expect& e = expects[i];
        EXPECT_EQ(lib[QStringLiteral("name")].toString(), QLatin1String(e.library));
        EXPECT_EQ(lib[QStringLiteral("guid")].toString(), QLatin1String(e.guid));
        EXPECT_EQ(lib[QStringLiteral("version")].toString(), QStringLiteral("1.0"));
        const QJsonArray classes = lib[QStringLiteral("classes")].toArray();
        EXPECT_EQ(classes.size(), e.classes);
        QSet<QString> clsids;
        for (const QJsonValue& v : classes)
            clsids.insert(v[QStringLiteral("clsid")].toString());
        EXPECT_EQ(clsids.size(), e.classes) << "class identifiers are unique";
        bool found = false;
        for (const QJsonValue& v : classes) {
            const QJsonObject c = v.toObject();
            if (c[QStringLiteral("name")].toString() != QLatin1String(e.someClass))
                continue;
            found = true;
            EXPECT_EQ(c[QStringLiteral("clsid")].toString(), QLatin1String(e.clsid));
            EXPECT_EQ(c[QStringLiteral("progid")].toString(), QLatin1String(e.progid));
            EXPECT_EQ(c[QStringLiteral("events")][QStringLiteral("iid")].toString(), QLatin1String(e.events));
            EXPECT_EQ(c[QStringLiteral("interface")][QStringLiteral("name")].toString(), QStringLiteral("_") + QLatin1String(e.someClass));
        }
        EXPECT_TRUE(found) << e.someClass;
    }
}

TEST(ComTest, TypeLibraryMembersComeFromTheMetaObject)
{
    QLibrary lib(QStringLiteral(ORX_TEST_SERVER_PATH));
    ASSERT_TRUE(lib.load());
    const com::ClassRef ref = com::findClass(GadgetProgId);
    ASSERT_TRUE(ref);
    const QJsonObject json = com::typeLibrariesJson({ref.library}).object();
    const QJsonArray members =
        json[QStringLiteral("libraries")][0][QStringLiteral("classes")][0][QStringLiteral("members")].toArray();
    QMap<QString, QJsonObject> byName;
    for (const QJsonValue& m : members)
        byName.insert(m[QStringLiteral("name")].toString(), m.toObject());
    ASSERT_EQ(members.size(), 7) << "Caption, Total, Add, Join, Describe, Scale, Clicked: each once, nothing inherited";
    ASSERT_EQ(byName.size(), 7);
    EXPECT_EQ(byName[QStringLiteral("Caption")][QStringLiteral("dispid")].toInt(), 0);
    EXPECT_TRUE(byName[QStringLiteral("Total")][QStringLiteral("readonly")].toBool());
    EXPECT_EQ(byName[QStringLiteral("Add")][QStringLiteral("kind")].toString(), QStringLiteral("method"));
    EXPECT_EQ(byName[QStringLiteral("Add")][QStringLiteral("params")].toArray().size(), 2);
    EXPECT_EQ(byName[QStringLiteral("Clicked")][QStringLiteral("kind")].toString(), QStringLiteral("event"));
    EXPECT_EQ(byName[QStringLiteral("Clicked")][QStringLiteral("dispid")].toInt(), 1);
    EXPECT_TRUE(byName[QStringLiteral("Join")][QStringLiteral("dispid")].isNull());
}

TEST(ComTest, ARegistryThatIsNotARegularFileIsNeitherWaitedOnNorReplaced)
{
    // A pipe nobody writes to in the registry's place: a plain read of it
    // never ends. It counts as an unreadable registry and stays.
    const QString path = com::registryFilePath();
    const QString saved = path + QStringLiteral(".saved");
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(saved);
    const bool hadFile = QFile::exists(path) && QFile::rename(path, saved);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

    EXPECT_EQ(com::loadRegisteredServer(QStringLiteral("ORX_TestServer.Gadget")), nullptr);
    QString error;
    EXPECT_FALSE(com::registerServer(tools::ToolsTypeLibrary(), QStringLiteral("/nowhere/libORX_Tools.so"), &error));
    EXPECT_TRUE(error.contains(QLatin1String("not a readable registry file"))) << error.toStdString();
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    QFile::remove(path);
    if (hadFile)
        QFile::rename(saved, path);
}
