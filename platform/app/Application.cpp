#include "platform/app/Application.h"

#include <QDir>
#include <QStandardPaths>

namespace orx::app {

Application::Application(QString productName)
    : productName_(std::move(productName))
{
}

QString Application::path() const
{
    QString folder = qEnvironmentVariable(PathVariable);
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + QLatin1Char('/') + productName_;
    }
    QDir().mkpath(folder);
    return QDir::cleanPath(folder);
}

int Application::major() { return ORX_VERSION_MAJOR; }
int Application::minor() { return ORX_VERSION_MINOR; }
int Application::revision() { return ORX_VERSION_REVISION; }

QString Application::versionText()
{
    return QStringLiteral("%1.%2.%3").arg(major()).arg(minor()).arg(revision());
}

}  // namespace orx::app
