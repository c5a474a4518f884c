#pragma once

#include "reportrt/ReportRTExport.h"

#include "platform/basic/BasicError.h"

namespace orx::reportrt {

// An error raised by the report runtime. The engine lets these pass to its
// caller unchanged (number, source and description as the runtime gave them).
class ORX_REPORTRT_EXPORT RuntimeError : public basic::BasicError {
public:
    RuntimeError(int number, QString source, QString description);
};

// Raises a runtime error.
[[noreturn]] ORX_REPORTRT_EXPORT void raiseRuntimeError(int number, const QString& source, const QString& description);

}  // namespace orx::reportrt
