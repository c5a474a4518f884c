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

QString saveSnapshot(QWidget& form, const QString& name)
{
    QString folder = qEnvironmentVariable("ORX_DEMO_OUT");
    if (folder.isEmpty())
        folder = QDir::current().filePath(QStringLiteral("out/demo"));
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
