// The component registry file: whatever it holds, a look-up answers (null
// for nothing usable) and registering either succeeds, leaving a file that
// lists the library, or fails with a reason and leaves the file byte for
// byte as it was.
#include "fuzz/FuzzSupport.h"

#include "platform/com/Component.h"
#include "platform/com/Registration.h"
#include "tools/common/Components.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

using namespace orx;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::setUp(argc, argv);
    QDir().mkpath(QFileInfo(com::registryFilePath()).absolutePath());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString key = fuzz::text(input, 48);
    const bool remove = input.ConsumeBool();
    const QByteArray bytes = QByteArray::fromStdString(input.ConsumeRemainingBytesAsString());
    const QString path = com::registryFilePath();
    fuzz::writeFile(path, bytes);

    // Only a library nobody registered can be named: nothing may be loaded.
    (void)com::loadRegisteredServer(key.startsWith(QLatin1Char('{')) ? key : QStringLiteral("ORX_Fuzz.") + key);

    const com::TypeLibrary& library = tools::ToolsTypeLibrary();
    QString error;
    const bool done = remove ? com::unregisterServer(library, &error)
                             : com::registerServer(library, QStringLiteral("/nowhere/libORX_Tools.so"), &error);
    if (!done) {
        ORX_FUZZ_CHECK(!error.isEmpty(), QStringLiteral("a refused registration without a reason"));
        ORX_FUZZ_CHECK(fuzz::readFile(path) == bytes, QStringLiteral("a refused registration changed the file"));
        return 0;
    }
    const QJsonDocument written = QJsonDocument::fromJson(fuzz::readFile(path));
    ORX_FUZZ_CHECK(written.isObject(), QStringLiteral("the registry written is not a JSON object"));
    const QJsonObject progIds = written.object().value(QStringLiteral("progids")).toObject();
    const QString progId = library.progId(library.classes.front());
    ORX_FUZZ_CHECK(progIds.contains(progId) != remove, progId);
    return 0;
}
