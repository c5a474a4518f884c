#include "apps/demo/DemoWindow.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>

bool headless()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

bool showOrRender(QWidget& form, const QString& name)
{
    if (!headless()) {
        form.show();
        return true;
    }
    QString folder = qEnvironmentVariable("ORX_DEMO_OUT");
    if (folder.isEmpty())
        folder = QDir::current().filePath(QStringLiteral("out/demo"));
    QDir().mkpath(folder);
    const QString path = QDir(folder).absoluteFilePath(name + QStringLiteral(".png"));
    form.show();  // laid out and polished as on screen
    QGuiApplication::processEvents();
    QTextStream out(stdout);
    if (form.grab().save(path))
        out << "\n" << form.windowTitle() << ": " << path << "\n";
    else
        out << "\n" << form.windowTitle() << ": could not write " << path << "\n";
    form.hide();
    return false;
}
