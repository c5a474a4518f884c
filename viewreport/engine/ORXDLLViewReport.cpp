#include "viewreport/engine/ORXDLLViewReport.h"

#include "platform/basic/Strings.h"
#include "viewreport/engine/Engine.h"
#include "viewreport/engine/RequestRules.h"

namespace orx::viewreport {

ORXDLLViewReport::ORXDLLViewReport(QObject* parent)
    : QObject(parent)
{
    Clear();
}

ORXDLLViewReport::~ORXDLLViewReport() = default;

template <class T>
T* ORXDLLViewReport::owned(QPointer<T>& slot)
{
    if (!slot)
        slot = new T(this);
    return slot.data();
}

template <class T>
void ORXDLLViewReport::replace(QPointer<T>& slot, T* object)
{
    if (slot == object)
        return;
    if (slot && slot->parent() == this)
        slot->deleteLater();
    if (object && !object->parent())
        object->setParent(this);
    slot = object;
}

ORXRPTExportOptions* ORXDLLViewReport::ExportOptions() { return owned(exportOptions_); }
ORXRPTFormulas* ORXDLLViewReport::Formulas() { return owned(formulas_); }
ORXRPTOrderByFields* ORXDLLViewReport::OrderByFields() { return owned(orderByFields_); }
ORXRPTParameters* ORXDLLViewReport::Parameters() { return owned(parameters_); }
ORXRPTPrintOptions* ORXDLLViewReport::PrintOptions() { return owned(printOptions_); }
ORXRPTSubReports* ORXDLLViewReport::SubReports() { return owned(subReports_); }

void ORXDLLViewReport::replaceExportOptions(ORXRPTExportOptions* object) { replace(exportOptions_, object); }
void ORXDLLViewReport::replaceFormulas(ORXRPTFormulas* object) { replace(formulas_, object); }
void ORXDLLViewReport::replaceOrderByFields(ORXRPTOrderByFields* object) { replace(orderByFields_, object); }
void ORXDLLViewReport::replaceParameters(ORXRPTParameters* object) { replace(parameters_, object); }
void ORXDLLViewReport::replacePrintOptions(ORXRPTPrintOptions* object) { replace(printOptions_, object); }
void ORXDLLViewReport::replaceSubReports(ORXRPTSubReports* object) { replace(subReports_, object); }

void ORXDLLViewReport::setPassWordDB(const QString& password)
{
    passWordDB_ = basic::trimSpaces(password);
}

void ORXDLLViewReport::setReportName(const QString& name)
{
    reportName_ = StripReportExtension(name);
}

void ORXDLLViewReport::Clear()
{
    ExportOptions()->Clear();
    Formulas()->Clear();
    locationDB_.clear();
    mode_ = 1;
    OrderByFields()->Clear();
    Parameters()->Clear();
    passWordDB_.clear();
    PrintOptions()->Clear();
    recordset_.clear();
    reportName_.clear();
    reportWithData_ = false;
    selectionFormula_.clear();
    SubReports()->Clear();
    waitUnload_ = false;
}

void ORXDLLViewReport::Show()
{
    ShowRequest(*this);
}

}  // namespace orx::viewreport
