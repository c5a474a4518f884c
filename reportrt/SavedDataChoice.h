#pragma once

#include "reportrt/ReportRTExport.h"

// A report that can carry the records of a run saved in its file (our own
// export format). A runner tells it whether to read them, when it has them,
// or its tables; a report asked for its saved data that has none reads its
// tables. Reports of our runtime offer this; the engine asks for it and
// passes the request's ReportWithData.
namespace orx::reportrt {

class ORX_REPORTRT_EXPORT SavedDataChoice {
public:
    virtual ~SavedDataChoice() = default;
    virtual void setReadSavedData(bool on) = 0;
    virtual bool hasSavedData() const = 0;
};

}  // namespace orx::reportrt
