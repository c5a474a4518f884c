#pragma once

// What every fuzz target shares: the application object, a private folder for
// the files a target writes, and a check that stops the run with a message.
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace orx::fuzz {

// A broken promise: the input that led here is kept by libFuzzer as a crash.
[[noreturn]] inline void broken(const char* what, const QString& detail = QString())
{
    std::fprintf(stderr, "orx fuzz: %s\n%s\n", what, detail.toLocal8Bit().constData());
    std::abort();
}

#define ORX_FUZZ_CHECK(condition, detail)                 \
    do {                                                  \
        if (!(condition))                                 \
            ::orx::fuzz::broken(#condition, (detail));    \
    } while (0)

// The application (offscreen, no window system needed) and a folder of the
// run's own for every per-user location, made once per process.
inline QString setUp(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir root;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, QFile::encodeName(root.path() + QLatin1Char('/') + QLatin1String(name)));
    // Made once and never destroyed: at exit the targets' hosts and widgets
    // are still alive, and tearing the application down under them crashed
    // in Qt's own exit handlers after a clean run.
    static QApplication* app = new QApplication(*argc, *argv);
    Q_UNUSED(app);
    return root.path();
}

inline QString text(FuzzedDataProvider& input, size_t maxBytes)
{
    return QString::fromUtf8(QByteArray::fromStdString(input.ConsumeRandomLengthString(maxBytes)));
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        broken("cannot prepare the input file", path);
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace orx::fuzz
