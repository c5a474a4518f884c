#pragma once

#include "platform/basic/PlatformExport.h"

#include <QString>

namespace orx::app {

// The application object of a component library (App.Path, App.ProductName,
// App.Major, App.Minor, App.Revision).
//
// Path is the folder of the library's preset and currency files. The folder
// of an installed library is not writable, so it is a per-user folder:
//   $ORX_APP_PATH when set, else <XDG data home>/<ProductName>
// (~/.local/share/ORX_Tools_OCXs for the control library). It is created
// on first use.
class ORX_PLATFORM_EXPORT Application {
public:
    explicit Application(QString productName);

    const QString& productName() const { return productName_; }
    QString path() const;

    static int major();
    static int minor();
    static int revision();
    // "Major.Minor.Revision".
    static QString versionText();

    // The environment variable that overrides Path.
    static constexpr const char* PathVariable = "ORX_APP_PATH";

private:
    QString productName_;
};

// The product names of the two libraries.
inline constexpr const char* ToolsProductName = "ORX_Tools_OCXs";
inline constexpr const char* ViewReportProductName = "ORXOCX_ViewReport";

}  // namespace orx::app
