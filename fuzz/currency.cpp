// The currency file: any ORXCurrency.INI loads (Refresh) or raises a
// BasicError; Update then writes the catalogue held, and reading that file
// gives the same catalogue back. A refused Update leaves the old file byte
// for byte as it was.
#include "fuzz/FuzzSupport.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Regional.h"
#include "tools/currency/ORXCurrencies.h"

#include <QCoreApplication>

using namespace orx;

namespace {

QString folder;

QStringList describe(const tools::ORXCurrencies& catalogue)
{
    QStringList out;
    for (int i = 1; i <= catalogue.Count(); ++i) {
        const tools::ORXCurrency* c = catalogue.CurrencyByIndex(i);
        // A currency without a name has no section of its own in the file
        // (only its place in the list), so only its place is compared.
        if (c->Name().isEmpty()) {
            out << QString();
            continue;
        }
        out << QStringLiteral("%1|%2|%3|%4").arg(c->Name(), c->Symbol()).arg(c->Decimals()).arg(c->EuroChange(), 0, 'g', 17);
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    folder = fuzz::setUp(argc, argv) + QStringLiteral("/");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const basic::ScopedRegional regional(basic::RegionalSettings::italian());
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    tools::ORXCurrencies catalogue;
    catalogue.setPathINI(folder);
    const QString path = catalogue.filePath();
    fuzz::writeFile(path, bytes);
    try {
        catalogue.Refresh();
    } catch (const basic::BasicError&) {
    }
    const QStringList held = describe(catalogue);
    try {
        catalogue.Update();
    } catch (const basic::BasicError& e) {
        ORX_FUZZ_CHECK(fuzz::readFile(path) == bytes, QStringLiteral("a refused Update changed the file: ")
                                                          + e.description());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return 0;
    }
    tools::ORXCurrencies reread;
    reread.setPathINI(folder);
    try {
        reread.Refresh();
    } catch (const basic::BasicError& e) {
        fuzz::broken("the file Update wrote does not load", e.description());
    }
    ORX_FUZZ_CHECK(describe(reread) == held, held.join(QLatin1Char('\n')) + QStringLiteral("\n---\n")
                                                 + describe(reread).join(QLatin1Char('\n')));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
