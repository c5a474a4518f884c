#include "platform/basic/Logging.h"

namespace orx {

Q_LOGGING_CATEGORY(lcPlatform, "orx.platform")
Q_LOGGING_CATEGORY(lcHost, "orx.host")
Q_LOGGING_CATEGORY(lcTools, "orx.tools")
Q_LOGGING_CATEGORY(lcTextBox, "orx.tools.textbox")
Q_LOGGING_CATEGORY(lcCurrency, "orx.tools.currency")
Q_LOGGING_CATEGORY(lcReport, "orx.report")

}  // namespace orx
