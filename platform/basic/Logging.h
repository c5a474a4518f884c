#pragma once

#include "platform/basic/PlatformExport.h"

#include <QLoggingCategory>

// The logging categories of every ORX library, declared once here so that
// each library (ORX_Tools, ORXOCXViewReport and the report runtime included)
// logs under the same names without a second declaration. An error that is
// caught and not shown to the user is logged with qCWarning under the
// category of the code that caught it; warnings are on unless a
// QT_LOGGING_RULES setting such as "orx.*.warning=false" turns them off.
namespace orx {

ORX_PLATFORM_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcPlatform)  // "orx.platform": classic runtime, profile files
ORX_PLATFORM_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcHost)      // "orx.host": form host, drawing, component server
ORX_PLATFORM_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcTools)     // "orx.tools": ORX_Tools outside its controls
ORX_PLATFORM_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcTextBox)   // "orx.tools.textbox": the text box
ORX_PLATFORM_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcCurrency)  // "orx.tools.currency": currency catalogue and list
ORX_PLATFORM_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcReport)    // "orx.report": report runtime, engine and viewer

}  // namespace orx
