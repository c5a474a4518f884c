#include "platform/app/Application.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using orx::app::Application;

TEST(ApplicationTest, PathComesFromTheOverrideElseTheDataFolder)
{
    const QByteArray saved = qgetenv(Application::PathVariable);
    const QString override = orx::test::sandboxFolder() + QStringLiteral("/override/presets");
    qputenv(Application::PathVariable, override.toLocal8Bit());
    Application app(QStringLiteral("ORX_Tools_OCXs"));
    EXPECT_EQ(app.path(), override);
    EXPECT_TRUE(QFileInfo(override).isDir()) << "the folder is created on first use";

    qunsetenv(Application::PathVariable);
    const QString expected = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/ORX_Tools_OCXs");
    EXPECT_EQ(app.path(), expected);
    EXPECT_TRUE(QFileInfo(expected).isDir());
    qputenv(Application::PathVariable, saved);
}

TEST(ApplicationTest, VersionText)
{
    EXPECT_EQ(Application::versionText(),
              QStringLiteral("%1.%2.%3").arg(Application::major()).arg(Application::minor()).arg(Application::revision()));
    EXPECT_GE(Application::major(), 1);
    EXPECT_EQ(Application(QStringLiteral("ORXOCX_ViewReport")).productName(), QStringLiteral("ORXOCX_ViewReport"));
}
