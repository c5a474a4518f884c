#include "apps/demo/DemoWindow.h"

#include "platform/app/Application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>

bool headless()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

QString demoOutFolder()
{
    const QString folder = qEnvironmentVariable("ORX_DEMO_OUT");
    return QDir(folder.isEmpty() ? QDir::current().filePath(QStringLiteral("out/demo")) : folder).absolutePath();
}

QString samplesFolder()
{
    const QString given = qEnvironmentVariable("ORX_SAMPLES");
    if (!given.isEmpty())
        return QFileInfo(given).isDir() ? QDir(given).absolutePath() : QString();
    QDir dir(QCoreApplication::applicationDirPath());
    for (int up = 0; up < 4; ++up) {
        if (QFileInfo(dir.filePath(QStringLiteral("samples/ORXCurrency.INI"))).isFile())
            return dir.filePath(QStringLiteral("samples"));
        if (QFileInfo(dir.filePath(QStringLiteral("share/orx/samples"))).isDir())
            return dir.filePath(QStringLiteral("share/orx/samples"));
        if (!dir.cdUp())
            break;
    }
    return QString();
}

void useOwnFolders(const QString& out)
{
    const QDir base(out);
    const auto own = [&](const char* variable, const char* name) {
        const QString path = base.filePath(QLatin1String(name));
        QDir().mkpath(path);
        qputenv(variable, QFile::encodeName(path));
    };
    own(orx::app::Application::PathVariable, "app");
    own("XDG_CONFIG_HOME", "config");
    own("XDG_DATA_HOME", "data");
    own("XDG_CACHE_HOME", "cache");
}

QString saveSnapshot(QWidget& form, const QString& name)
{
    const QString folder = demoOutFolder();
    QDir().mkpath(folder);
    const QString path = QDir(folder).absoluteFilePath(name + QStringLiteral(".png"));
    return form.grab().save(path) ? path : QString();
}

bool showOrRender(QWidget& form, const QString& name)
{
    if (!headless()) {
        form.show();
        return true;
    }
    form.show();  // laid out and polished as on screen
    QGuiApplication::processEvents();
    const QString path = saveSnapshot(form, name);
    QTextStream out(stdout);
    if (!path.isEmpty())
        out << "\n" << form.windowTitle() << ": " << path << "\n";
    else
        out << "\n" << form.windowTitle() << ": could not write " << name << ".png\n";
    form.hide();
    return false;
}
