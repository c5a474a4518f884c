#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>

namespace orx::test {

namespace {
QTemporaryDir*& sandbox()
{
    static QTemporaryDir* dir = nullptr;
    return dir;
}
}  // namespace

QString sandboxFolder()
{
    return sandbox()->path();
}

QString freshFolder(const QString& name)
{
    const QString path = sandboxFolder() + QStringLiteral("/") + name + QLatin1Char('-')
        + QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
    QDir().mkpath(path);
    return path;
}

}  // namespace orx::test

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // Every per-user location points into a folder of this run.
    QTemporaryDir dir;
    orx::test::sandbox() = &dir;
    for (const char* var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "ORX_APP_PATH"}) {
        const QString path = dir.path() + QLatin1Char('/') + QString::fromLatin1(var).toLower();
        QDir().mkpath(path);
        qputenv(var, path.toLocal8Bit());
    }
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());

    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int rc = RUN_ALL_TESTS();
    orx::test::sandbox() = nullptr;
    return rc;
}
