#include "reportrt/RuntimeError.h"

namespace orx::reportrt {

RuntimeError::RuntimeError(int number, QString source, QString description)
    : basic::BasicError(number, std::move(source), std::move(description))
{
}

void raiseRuntimeError(int number, const QString& source, const QString& description)
{
    throw RuntimeError(number, source, description);
}

}  // namespace orx::reportrt
