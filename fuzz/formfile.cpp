// Form files and property bags: any file either loads or raises a
// BasicError, never more; a form that loaded saves, and that file loads and
// saves again to the same bytes. Any JSON object read as a property bag gives
// the same bag back through its JSON form.
#include "fuzz/FuzzSupport.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Regional.h"
#include "platform/host/Form.h"
#include "platform/host/PropertyBag.h"
#include "platform/host/Services.h"
#include "platform/testing/RecordingMessageService.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace orx;

namespace {
QString folder;
host::RecordingMessageService* messages = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    folder = fuzz::setUp(argc, argv);
    messages = new host::RecordingMessageService;
    host::setMessageService(messages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const basic::ScopedRegional regional(basic::RegionalSettings::italian());

    const QJsonDocument json = QJsonDocument::fromJson(bytes);
    if (json.isObject()) {
        try {
            const host::PropertyBag bag = host::PropertyBag::fromJson(json.object(), QStringLiteral("fuzz"));
            const QJsonObject once = bag.toJson();
            const QJsonObject twice = host::PropertyBag::fromJson(once, QStringLiteral("fuzz")).toJson();
            ORX_FUZZ_CHECK(once == twice, QString::fromUtf8(QJsonDocument(once).toJson()));
        } catch (const basic::BasicError&) {
        }
    }

    const QString path = folder + QStringLiteral("/form.json");
    const QString first = folder + QStringLiteral("/first.json");
    const QString second = folder + QStringLiteral("/second.json");
    fuzz::writeFile(path, bytes);
    host::Form form;
    bool loaded = false;
    try {
        form.load(path);
        loaded = true;
    } catch (const basic::BasicError& e) {
        ORX_FUZZ_CHECK(e.description().contains(path), e.description());
        ORX_FUZZ_CHECK(form.controls().isEmpty(), QStringLiteral("a failed load left controls"));
    }
    if (loaded) {
        try {
            form.save(first);
        } catch (const basic::BasicError& e) {
            // A loaded control may still refuse to write what it holds.
            return 0;
        }
        host::Form again;
        try {
            again.load(first);
        } catch (const basic::BasicError& e) {
            fuzz::broken("a saved form does not load", e.description());
        }
        again.save(second);
        ORX_FUZZ_CHECK(fuzz::readFile(first) == fuzz::readFile(second),
                       QString::fromUtf8(fuzz::readFile(first)) + QStringLiteral("\n---\n")
                           + QString::fromUtf8(fuzz::readFile(second)));
    }
    messages->clear();
    return 0;
}
