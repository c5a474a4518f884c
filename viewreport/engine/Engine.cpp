#include "viewreport/engine/Engine.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Convert.h"
#include "platform/basic/Strings.h"
#include "platform/host/Services.h"
#include "reportrt/RecordSelection.h"
#include "reportrt/SavedDataChoice.h"
#include "viewreport/engine/Constants.h"
#include "viewreport/engine/ORXDLLViewReport.h"
#include "viewreport/engine/ORXDLLViewReportFRM.h"
#include "viewreport/engine/RequestRules.h"
#include "viewreport/engine/RunState.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace orx::viewreport {

namespace {

constexpr const char* UnloadedProperty = "_orx_unloaded";

// Tells WaitFormUnload that a form went away.
class FormUnloadNotifier : public QObject {
    Q_OBJECT

public:
    static FormUnloadNotifier& instance()
    {
        static FormUnloadNotifier notifier;
        return notifier;
    }

Q_SIGNALS:
    void unloaded();
};

// Clears CurrentSubReport however the preparation of a sub-report ends.
struct SubReportScope {
    RunState& state;
    ~SubReportScope() { state.CurrentSubReport.reset(); }
};

// What steps 9 and 10 of a run use, taken before the run yields to the host:
// a run re-entered while its viewer loads (another Show) replaces
// CurrentRequest and CurrentReport, and this run must still print and export
// its own report as its own request asked.
struct Output {
    int mode = 0;
    QString printerName;
    int copies = 1;
    bool printSilent = true;
    QString exportFileName;
    int exportFormat = 31;
    bool exportSilent = true;
};

// The main rule for one table of the report or of a sub-report.
void PrepareTable(reportrt::DatabaseTable& table, ORXDLLViewReport& R, bool testConnectivity)
{
    if (QObject* recordset = R.Recordset()) {
        table.SetDataSource(recordset);
    } else {
        if (!R.PassWordDB().isEmpty())
            table.SetSessionInfo(QString(), QChar(10) + R.PassWordDB());
        const QString location = R.LocationDB();
        const qsizetype bang = location.indexOf(QLatin1Char('!'));
        if (bang < 0)
            table.setLocation(location);
        else
            table.SetTableLocation(location.mid(bang + 1), location.left(bang), QString());
    }
    if (testConnectivity)
        table.TestConnectivity();
}

void PrepareSubReports(reportrt::Report& report, ORXDLLViewReport& R, RunState& state)
{
    reportrt::Sections& sections = report.Sections();
    const std::int16_t sectionCount = positions(sections.Count());
    for (std::int16_t s = 1; s <= sectionCount; ++s) {
        reportrt::ReportObjects& objects = sections.Item(s).ReportObjects();
        const std::int16_t objectCount = positions(objects.Count());
        for (std::int16_t o = 1; o <= objectCount; ++o) {
            reportrt::ReportObject& object = objects.Item(o);
            if (object.member(QStringLiteral("Kind")).toInt() != reportrt::kind::SubreportObject)
                continue;
            SubReportScope scope{state};
            state.CurrentSubReport = report.OpenSubreport(object.member(QStringLiteral("SubreportName")).toString());
            reportrt::Report& sub = *state.CurrentSubReport;
            sub.setDiscardSavedData(true);
            const QString key = SubReportKey(sub);
            reportrt::DatabaseTables& tables = sub.Database().Tables();
            const std::int16_t tableCount = positions(tables.Count());
            for (std::int16_t t = 1; t <= tableCount; ++t) {
                reportrt::DatabaseTable& table = tables.Item(t);
                QObject* recordset = nullptr;
                if (R.SubReports()->Exists(key))
                    recordset = R.SubReports()->named(key)->Recordset();
                if (recordset)
                    table.SetDataSource(recordset);
                else
                    PrepareTable(table, R, false);
                table.TestConnectivity();
            }
        }
    }
}

void ApplyGroups(reportrt::Report& report, ORXDLLViewReport& R)
{
    reportrt::Areas& areas = report.Areas();
    const std::int16_t areaCount = positions(areas.Count());
    for (std::int16_t a = 1; a <= areaCount; ++a) {
        reportrt::Area& area = areas.Item(a);
        if (area.Kind() != reportrt::kind::GroupHeader)
            continue;
        // Every entry naming the group's field applies, in list order, and is
        // consumed, so it does not become a record sort field.
        for (;;) {
            reportrt::FieldDefinition* field = area.GroupConditionField();
            if (!field)
                break;
            const QString fieldName = field->Name();
            ORXRPTOrderByFields* entries = R.OrderByFields();
            const std::int16_t count = positions(entries->Count());
            std::int16_t d = 0;
            for (std::int16_t i = 1; i <= count; ++i) {
                if (sameName(entries->elements()[i - 1]->Name(), fieldName)) {
                    d = i;
                    break;
                }
            }
            if (d == 0)
                break;
            const ORXRPTOrderByField* entry = entries->elements()[d - 1];
            area.setSortDirection(entry->Order());
            if (entry->GroupCondition() != ORXVRGrpCond_NoChange)
                area.setGroupCondition(entry->GroupCondition());
            entries->Remove(d);
        }
    }
}

void ApplyRecordSortFields(reportrt::Report& report, ORXDLLViewReport& R)
{
    ORXRPTOrderByFields* entries = R.OrderByFields();
    if (entries->Count() <= 0)
        return;
    reportrt::SortFields& sortFields = report.RecordSortFields();
    while (sortFields.Count() >= 1)
        sortFields.Delete(1);
    positions(entries->Count());
    for (const ORXRPTOrderByField* entry : entries->elements()) {
        if (reportrt::FieldDefinition* field = FindDatabaseField(report, entry->Name()))
            sortFields.Add(*field, entry->Order());
    }
}

void ApplyParameters(reportrt::Report& report, ORXDLLViewReport& R)
{
    reportrt::ParameterFieldDefinitions& fields = report.ParameterFields();
    positions(R.Parameters()->Count());
    for (const ORXRPTParameter* parameter : R.Parameters()->elements()) {
        const std::int16_t count = positions(fields.Count());
        for (std::int16_t i = 1; i <= count; ++i) {
            reportrt::ParameterFieldDefinition& field = fields.Item(i);
            if (!sameName(field.ParameterFieldName(), parameter->Name()))
                continue;
            field.ClearCurrentValueAndRange();
            const QVariant value = parameter->Value();
            switch (field.ValueType()) {
            case reportrt::valuetype::Number: field.AddCurrentValue(basic::cdbl(value)); break;
            case reportrt::valuetype::Boolean: field.AddCurrentValue(basic::cbool(value)); break;
            case reportrt::valuetype::String: field.AddCurrentValue(basic::cstr(value)); break;
            default: field.SetCurrentValue(value); break;
            }
        }
    }
}

void ApplyFormulas(reportrt::Report& report, ORXDLLViewReport& R)
{
    reportrt::FormulaFieldDefinitions& fields = report.FormulaFields();
    positions(R.Formulas()->Count());
    for (const ORXRPTFormula* formula : R.Formulas()->elements()) {
        const std::int16_t count = positions(fields.Count());
        for (std::int16_t i = 1; i <= count; ++i) {
            reportrt::FormulaFieldDefinition& field = fields.Item(i);
            if (!sameName(field.FormulaFieldName(), formula->Name()))
                continue;
            QString text = formula->Text();
            if (field.ValueType() == reportrt::valuetype::String) {
                field.setText(formula->Text());
                QString error;
                // A plain word given for a string formula is meant as text:
                // retried once as a literal; the runtime decides if it holds.
                if (!field.Check(error))
                    text = QLatin1Char('"') + formula->Text() + QLatin1Char('"');
            }
            field.setText(text);
        }
    }
}

}  // namespace

std::int16_t positions(int count)
{
    if (count > std::numeric_limits<std::int16_t>::max())
        basic::raiseError(basic::err::Overflow, QString::fromLatin1(ProductName));
    return std::int16_t(std::max(count, 0));
}

QString ResolveReportFile(const QString& reportName)
{
    const QString exact = reportName + QStringLiteral(".RPT");
    if (QFileInfo(exact).isFile())
        return exact;
    // The extension in another case, as a case-insensitive file system finds
    // it; the name itself must match exactly.
    const QFileInfo info(exact);
    const QString stem = info.fileName().chopped(4);
    QStringList candidates;
    const QStringList entries = info.dir().entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.size() == stem.size() + 4 && entry.startsWith(stem, Qt::CaseSensitive)
            && entry.right(4).toUpper() == QLatin1String(".RPT"))
            candidates << entry;
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const QString& a, const QString& b) { return basic::compareBinary(a, b) < 0; });
    for (const QString& c : candidates) {
        const QString path = reportName + c.right(4);
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

void CheckReportFile(const QString& reportName)
{
    if (!ResolveReportFile(reportName).isEmpty())
        return;
    basic::raiseError(basic::objectError(1), QString::fromLatin1(ProductName),
                      QStringLiteral("Invalid Report Name:") + QChar(13) + reportName);
}

void CopyRequest(ORXDLLViewReport& source, ORXDLLViewReport& target)
{
    if (&source == &target)
        return;
    target.Clear();
    for (const ORXRPTFormula* f : source.Formulas()->elements())
        target.Formulas()->Add(f->Name(), f->Text());
    target.setLocationDB(source.LocationDB());
    for (const ORXRPTOrderByField* o : source.OrderByFields()->elements())
        target.OrderByFields()->Add(o->Name(), o->Order(), o->GroupCondition());
    for (const ORXRPTParameter* p : source.Parameters()->elements())
        target.Parameters()->Add(p->Name(), p->Value());
    for (const ORXRPTSubReport* s : source.SubReports()->elements())
        target.SubReports()->Add(s->Name(), s->Recordset());
    ORXRPTExportOptions* exportOptions = target.ExportOptions();
    exportOptions->Clear();
    exportOptions->setFileName(source.ExportOptions()->FileName());
    exportOptions->setFormatType(source.ExportOptions()->FormatType());
    exportOptions->setSilent(source.ExportOptions()->Silent());
    target.setMode(source.Mode());
    target.setPassWordDB(source.PassWordDB());
    ORXRPTPrintOptions* printOptions = target.PrintOptions();
    printOptions->Clear();
    printOptions->setCopies(source.PrintOptions()->Copies());
    printOptions->setPrinterName(source.PrintOptions()->PrinterName());
    printOptions->setSilent(source.PrintOptions()->Silent());
    target.copyReportName(source.ReportName());
    target.setReportWithData(source.ReportWithData());
    target.setRecordset(source.Recordset());
    target.setWaitUnload(source.WaitUnload());
}

void RunReport(reportrt::Viewer* viewerArgument)
{
    RunState& state = RunState::current();
    ORXDLLViewReport& R = state.currentRequest();
    QPointer<reportrt::Viewer> viewer(viewerArgument);

    // 1. Open.
    reportrt::Application& application = state.application();
    QString path = ResolveReportFile(R.ReportName());
    if (path.isEmpty())
        path = R.ReportName() + QStringLiteral(".RPT");
    state.CurrentReport = application.OpenReport(path, reportrt::OpenReportDefault);
    // This run's report, whatever a re-entrant run does to CurrentReport.
    const reportrt::ReportRef report = state.CurrentReport;
    // A report that carries saved data reads it only when the request asks for the report with its data.
    if (auto* saved = dynamic_cast<reportrt::SavedDataChoice*>(report.get()))
        saved->setReadSavedData(R.ReportWithData());

    // 2. Tables and sub-reports.
    if (!R.ReportWithData()) {
        if (!R.LocationDB().isEmpty() || R.Recordset()) {
            reportrt::DatabaseTables& tables = report->Database().Tables();
            const std::int16_t count = positions(tables.Count());
            for (std::int16_t t = 1; t <= count; ++t)
                PrepareTable(tables.Item(t), R, true);
        }
        PrepareSubReports(*report, R, state);
    }

    // 3-6. Groups, record sort fields, parameters, formulas.
    ApplyGroups(*report, R);
    ApplyRecordSortFields(*report, R);
    ApplyParameters(*report, R);
    ApplyFormulas(*report, R);
    // A non-empty SelectionFormula filters the records, where the report takes one.
    if (!state.CurrentSelectionFormula.isEmpty()) {
        if (auto* selection = dynamic_cast<reportrt::RecordSelection*>(report.get()))
            selection->setRecordSelectionFormula(state.CurrentSelectionFormula);
    }

    // 7. Options.
    report->setEnableParameterPrompting(false);
    report->setMorePrintEngineErrorMessages(true);

    Output out;
    out.mode = R.Mode();
    out.printerName = R.PrintOptions()->PrinterName();
    out.copies = R.PrintOptions()->Copies();
    out.printSilent = R.PrintOptions()->Silent();
    out.exportFileName = R.ExportOptions()->FileName();
    out.exportFormat = R.ExportOptions()->FormatType();
    out.exportSilent = R.ExportOptions()->Silent();

    // 8. Viewer. A viewer destroyed while it loads (its window or control
    // went away) ends the wait; printing and export still follow.
    if (viewer) {
        viewer->putProperty(reportrt::viewerid::ReportSource, QVariant::fromValue(report));
        viewer->call(reportrt::viewerid::ViewReport);
        while (viewer && viewer->isBusy())
            host::yieldToHost();
    }

    // 9. Printer.
    if (out.mode & ORXVR_Mode_Printer) {
        if (!basic::trimSpaces(out.printerName).isEmpty()) {
            const std::int16_t orientation = report->PaperOrientation();
            const std::int16_t size = report->PaperSize();
            const std::int16_t source = report->PaperSource();
            const QString driver = report->DriverName();
            const QString port = report->PortName();
            report->SelectPrinter(driver, out.printerName, port);
            report->setPaperOrientation(orientation);
            report->setPaperSize(size);
            report->setPaperSource(source);
        }
        report->PrintOut(!out.printSilent, std::int16_t(out.copies));
    }

    // 10. Export.
    if (out.mode & ORXVR_Mode_Export) {
        reportrt::ExportOptions& options = report->ExportOptions();
        options.Reset();
        options.setDiskFileName(out.exportFileName);
        options.setDestinationType(reportrt::ExportToDiskFile);
        options.setFormatType(out.exportFormat);
        report->Export(!out.exportSilent);
    }
}

reportrt::FieldDefinition* FindDatabaseField(reportrt::Report& report, const QString& name)
{
    reportrt::DatabaseTables& tables = report.Database().Tables();
    const std::int16_t tableCount = positions(tables.Count());
    for (std::int16_t t = 1; t <= tableCount; ++t) {
        reportrt::DatabaseFieldDefinitions& fields = tables.Item(t).Fields();
        const std::int16_t fieldCount = positions(fields.Count());
        for (std::int16_t f = 1; f <= fieldCount; ++f) {
            reportrt::FieldDefinition& field = fields.Item(f);
            if (sameName(field.Name(), name))
                return &field;
        }
    }
    return nullptr;
}

QString SubReportKey(reportrt::Report& subreport)
{
    reportrt::FormulaFieldDefinitions& fields = subreport.FormulaFields();
    const std::int16_t count = positions(fields.Count());
    for (std::int16_t i = 1; i <= count; ++i) {
        reportrt::FormulaFieldDefinition& field = fields.Item(i);
        if (field.FormulaFieldName().toUpper() == QLatin1String("ORXSUBREPORTNAME"))
            return CleanFormulaText(field.Text()).remove(QLatin1Char('"'));
    }
    return QString();
}

bool isFormLoaded(const QString& formName)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [&](const QWidget* w) {
        return w->objectName() == formName && !w->property(UnloadedProperty).toBool();
    });
}

void notifyFormUnloaded(QWidget* form)
{
    if (form)
        form->setProperty(UnloadedProperty, true);
    Q_EMIT FormUnloadNotifier::instance().unloaded();
}

void WaitFormUnload(const QString& formName)
{
    while (isFormLoaded(formName) && !QCoreApplication::closingDown()) {
        QEventLoop loop;
        QObject::connect(&FormUnloadNotifier::instance(), &FormUnloadNotifier::unloaded, &loop, &QEventLoop::quit);
        // Forms of the host that carry the name without telling us are
        // looked at again now and then.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, &QEventLoop::quit);
        poll.start(100);
        loop.exec();
    }
}

void ShowRequest(ORXDLLViewReport& request)
{
    CheckReportFile(request.ReportName());
    CopyRequest(request, RunState::current().currentRequest());
    RunState::current().CurrentSelectionFormula = request.SelectionFormula();
    if (request.Mode() & ORXVR_Mode_Viewer) {
        QPointer<ORXDLLViewReport> guard(&request);
        auto* window = new ORXDLLViewReportFRM();
        window->Load();
        if (guard && guard->WaitUnload())
            WaitFormUnload(QString::fromLatin1(PreviewFormName));
    } else {
        RunReport(nullptr);
    }
}

}  // namespace orx::viewreport

#include "Engine.moc"
