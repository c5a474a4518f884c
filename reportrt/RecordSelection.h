#pragma once

#include "reportrt/ReportRTExport.h"

#include <QString>

// A report that takes a program's record selection formula, added to the
// report's own with "and". Reports of our runtime take one; a runner asks for
// this interface and applies a non-empty selection where it is offered.
namespace orx::reportrt {

class ORX_REPORTRT_EXPORT RecordSelection {
public:
    virtual ~RecordSelection() = default;
    virtual void setRecordSelectionFormula(const QString& text) = 0;
};

}  // namespace orx::reportrt
