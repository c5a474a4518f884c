// Profile files: any bytes read as a document give the same text back when
// written unchanged; a key written into them reads back as written, and a
// refused write leaves the file byte for byte as it was.
#include "fuzz/FuzzSupport.h"

#include "platform/profile/IniDocument.h"
#include "platform/profile/ProfileFile.h"

using namespace orx;

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
    FuzzedDataProvider input(data, size);
    const QString section = fuzz::text(input, 24);
    const QString key = fuzz::text(input, 24);
    const QString value = fuzz::text(input, 64);
    const int action = input.ConsumeIntegralInRange(0, 2);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray bytes = QByteArray::fromStdString(rest);

    const profile::IniDocument document = profile::IniDocument::parse(bytes);
    if (document.isExact())
        ORX_FUZZ_CHECK(document.serialize() == bytes, QStringLiteral("an untouched document changed"));
    (void)document.sections();
    (void)document.keys(section);
    (void)document.value(section, key);

    const QString path = folder + QStringLiteral("/fuzz.ini");
    fuzz::writeFile(path, bytes);
    QString error;
    std::optional<QString> k = key, v = value;
    if (action == 1)
        v.reset();
    if (action == 2)
        k.reset();
    const bool written = profile::writePrivateProfileString(section, k, v, path, &error);
    if (!written) {
        ORX_FUZZ_CHECK(!error.isEmpty(), QStringLiteral("a refused write without a reason"));
        ORX_FUZZ_CHECK(fuzz::readFile(path) == bytes, QStringLiteral("a refused write changed the file: ") + error);
        return 0;
    }
    const std::optional<QString> back = profile::readProfileValue(path, section, key);
    // A key whose first non-blank character is ';' is written as a comment line.
    if (action == 0 && !profile::trimBlanks(key).startsWith(QLatin1Char(';')))
        ORX_FUZZ_CHECK(back == value, QStringLiteral("[%1] %2=%3 read back as %4")
                                          .arg(section, key, value, back.value_or(QStringLiteral("<none>"))));
    return 0;
}
