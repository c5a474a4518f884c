#include "tools/common/Library.h"

namespace orx::tools {

const app::Application& App()
{
    static const app::Application application(QString::fromLatin1(app::ToolsProductName));
    return application;
}

}  // namespace orx::tools
