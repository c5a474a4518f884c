// Report files: any bytes read as a report either give a definition or
// raise a BasicError naming what is wrong; a definition written out reads
// back to the same canonical text; and checking it (compiling every formula,
// selection, group and object, as orx-report check does) ends in a clear
// error or a compiled report.
#include "fuzz/FuzzSupport.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Regional.h"
#include "reportrt/definition/ReportFile.h"
#include "reportrt/run/CompiledReport.h"
#include "reportrt/run/ReportState.h"
#include "reportrt/run/RuntimeObjects.h"

using namespace orx;
using namespace orx::reportrt;

namespace {
QString folder;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    folder = fuzz::setUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const basic::ScopedRegional regional(basic::RegionalSettings::unitedStates());
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QByteArray canonical;
    try {
        canonical = definition::writeReport(definition::parseReport(bytes, QStringLiteral("fuzz.rpt")));
    } catch (const basic::BasicError& e) {
        ORX_FUZZ_CHECK(!e.description().isEmpty(), QString());
        return 0;
    }
    try {
        const QByteArray again = definition::writeReport(definition::parseReport(canonical, QStringLiteral("canonical")));
        ORX_FUZZ_CHECK(again == canonical, QString::fromUtf8(canonical) + QStringLiteral("\n---\n") + QString::fromUtf8(again));
    } catch (const basic::BasicError& e) {
        fuzz::broken("a written report does not read back", e.description() + QLatin1Char('\n') + QString::fromUtf8(canonical));
    }

    const QString path = folder + QStringLiteral("/fuzz.rpt");
    fuzz::writeFile(path, canonical);
    try {
        auto report = run::RtReport::open(path);
        auto& state = report->state();
        run::compileForCheck(state);
    } catch (const basic::BasicError& e) {
        ORX_FUZZ_CHECK(!e.description().isEmpty(), QString());
    }
    return 0;
}
