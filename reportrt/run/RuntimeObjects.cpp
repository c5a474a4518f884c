#include "reportrt/run/RuntimeObjects.h"

#include "platform/basic/BasicError.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"
#include "reportrt/data/Connections.h"
#include "reportrt/definition/ReportFile.h"
#include "reportrt/export/Exporters.h"
#include "reportrt/render/Printing.h"
#include "reportrt/run/CompiledReport.h"
#include "reportrt/run/ReportRun.h"
#include "reportrt/run/SaveWithData.h"

#include <QAbstractItemModel>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <algorithm>
#include <QPrinter>
#include <QPrinterInfo>

namespace orx::reportrt::run {

using namespace definition;

namespace {

constexpr int kNoSuchMember = 438;

template <class I, class T>
class List : public Collection<I> {
public:
    int Count() override { return static_cast<int>(items.size()); }
    I& Item(std::int16_t position) override
    {
        if (position < 1 || position > static_cast<int>(items.size()))
            raiseRuntimeError(rterr::BadIndex, rterr::source(),
                              QStringLiteral("Subscript out of range: %1 is not a position from 1 to %2").arg(position).arg(items.size()));
        return *items[static_cast<std::size_t>(position - 1)];
    }
    std::vector<std::unique_ptr<T>> items;
};

class RtField : public FieldDefinition {
public:
    explicit RtField(QString name)
        : name_(std::move(name))
    {
    }
    QString Name() override { return name_; }

private:
    QString name_;
};

class RtTable : public DatabaseTable {
public:
    RtTable(RtReport& report, int index)
        : report_(report), index_(index)
    {
        const auto& t = def();
        for (const auto& f : t.fields)
            fields_.items.push_back(std::make_unique<RtField>(QStringLiteral("{%1.%2}").arg(t.name, f.name)));
    }

    void SetSessionInfo(const QString& user, const QString& password) override
    {
        auto& b = binding();
        b.user = user;
        // The password arrives after a line feed.
        b.password = password.startsWith(QLatin1Char('\n')) ? password.mid(1) : password;
        report_.changed();
    }
    void setLocation(const QString& location) override
    {
        // An empty location keeps the one the report was designed with.
        auto& b = binding();
        b.location = location;
        if (!location.isEmpty())
            b.hasModel = false;
        report_.changed();
    }
    void SetTableLocation(const QString& location, const QString& subLocation, const QString& connect) override
    {
        Q_UNUSED(connect);
        auto& b = binding();
        b.location = location;
        b.source = subLocation;
        b.hasModel = false;
        report_.changed();
    }
    void SetDataSource(QObject* recordset) override
    {
        auto* model = qobject_cast<QAbstractItemModel*>(recordset);
        if (!model)
            raiseRuntimeError(rterr::DataUnavailable, rterr::source(),
                              QStringLiteral("Table %1: the data source given is not a recordset (a QAbstractItemModel)").arg(def().name));
        auto& b = binding();
        b.model = model;
        b.hasModel = true;
        report_.changed();
    }
    bool TestConnectivity() override
    {
        data::Connections connections;
        data::testTable({&def(), binding()}, report_.state().baseDir, connections);
        return true;
    }
    DatabaseFieldDefinitions& Fields() override { return fields_; }

private:
    const TableDef& def() { return report_.state().def->tables.at(static_cast<std::size_t>(index_)); }
    data::TableBinding& binding() { return report_.state().bindings.at(static_cast<std::size_t>(index_)); }

    RtReport& report_;
    int index_;
    List<FieldDefinition, RtField> fields_;
};

class RtDatabase : public Database {
public:
    DatabaseTables& Tables() override { return tables; }
    List<DatabaseTable, RtTable> tables;
};

class RtObject : public ReportObject {
public:
    RtObject(RtReport& report, int section, int object)
        : report_(report), section_(section), object_(object)
    {
    }
    QVariant member(const QString& name) override
    {
        const ObjectDef& o = report_.state().def->sections.at(static_cast<std::size_t>(section_)).objects.at(static_cast<std::size_t>(object_));
        const QString n = name.toLower();
        if (n == QLatin1String("kind"))
            return static_cast<int>(o.kind);
        if (n == QLatin1String("name"))
            return o.name;
        if (n == QLatin1String("left"))
            return o.x;
        if (n == QLatin1String("top"))
            return o.y;
        if (n == QLatin1String("width"))
            return o.width;
        if (n == QLatin1String("height"))
            return o.height;
        if (n == QLatin1String("subreportname") && o.kind == ObjectKind::Subreport)
            return o.subreport;
        if (n == QLatin1String("text") && o.kind == ObjectKind::Text)
            return o.text;
        if (n == QLatin1String("datasource") && o.kind == ObjectKind::Field)
            return o.source;
        raiseRuntimeError(kNoSuchMember, rterr::source(),
                          QStringLiteral("Object doesn't support this property or method: %1").arg(name));
    }

private:
    RtReport& report_;
    int section_, object_;
};

class RtSection : public Section {
public:
    reportrt::ReportObjects& ReportObjects() override { return objects; }
    List<ReportObject, RtObject> objects;
};

class RtArea : public Area {
public:
    RtArea(RtReport& report, SectionKind kind, int group)
        : report_(report), kind_(kind), group_(group)
    {
        if (group > 0)
            field_ = std::make_unique<RtField>(groupDef().field);
    }
    int Kind() override { return static_cast<int>(kind_); }
    FieldDefinition* GroupConditionField() override { return field_.get(); }
    void setSortDirection(int direction) override
    {
        if (direction < 0 || direction > 3)
            raiseRuntimeError(basic::err::InvalidPropertyValue, rterr::source(),
                              QStringLiteral("%1 is not a sort direction (0 to 3)").arg(direction));
        if (group_ == 0)
            raiseRuntimeError(basic::err::InvalidProcedureCall, rterr::source(), QStringLiteral("This area is not a group"));
        groupDef().direction = static_cast<SortDirection>(direction);
        report_.changed();
    }
    void setGroupCondition(int condition) override
    {
        if (condition < 0 || condition >= kGroupConditionCount)
            raiseRuntimeError(basic::err::InvalidPropertyValue, rterr::source(),
                              QStringLiteral("%1 is not a group condition (0 to %2)").arg(condition).arg(kGroupConditionCount - 1));
        if (group_ == 0)
            raiseRuntimeError(basic::err::InvalidProcedureCall, rterr::source(), QStringLiteral("This area is not a group"));
        groupDef().condition = static_cast<GroupCondition>(condition);
        report_.changed();
    }

private:
    GroupDef& groupDef() { return report_.state().def->groups.at(static_cast<std::size_t>(group_ - 1)); }

    RtReport& report_;
    SectionKind kind_;
    int group_;
    std::unique_ptr<RtField> field_;
};

class RtSortFields : public SortFields {
public:
    explicit RtSortFields(RtReport& report)
        : report_(report)
    {
    }
    int Count() override { return static_cast<int>(report_.state().def->sortFields.size()); }
    void Delete(std::int16_t position) override
    {
        auto& s = report_.state().def->sortFields;
        if (position < 1 || position > static_cast<int>(s.size()))
            raiseRuntimeError(rterr::BadIndex, rterr::source(),
                              QStringLiteral("Subscript out of range: %1 is not a sort field position").arg(position));
        s.erase(s.begin() + (position - 1));
        report_.changed();
    }
    void Add(FieldDefinition& field, int sortDirection) override
    {
        if (sortDirection < 0 || sortDirection > 1)
            raiseRuntimeError(basic::err::InvalidPropertyValue, rterr::source(),
                              QStringLiteral("%1 is not a record sort direction (0 ascending, 1 descending)").arg(sortDirection));
        report_.state().def->sortFields.push_back({field.Name(), static_cast<SortDirection>(sortDirection)});
        report_.changed();
    }

private:
    RtReport& report_;
};

class RtFormula : public FormulaFieldDefinition {
public:
    RtFormula(RtReport& report, int index)
        : report_(report), index_(index)
    {
    }
    QString FormulaFieldName() override { return def().name; }
    int ValueType() override { return static_cast<int>(def().type); }
    QString Text() override { return def().text; }
    void setText(const QString& text) override
    {
        def().text = text;
        report_.changed();
    }
    bool Check(QString& errorText) override
    {
        errorText = CompiledReport::check(report_.state(), index_, def().text);
        return errorText.isEmpty();
    }

private:
    FormulaDef& def() { return report_.state().def->formulas.at(static_cast<std::size_t>(index_)); }
    RtReport& report_;
    int index_;
};

class RtParameter : public ParameterFieldDefinition {
public:
    RtParameter(RtReport& report, int index)
        : report_(report), index_(index)
    {
    }
    QString ParameterFieldName() override { return def().name; }
    int ValueType() override { return static_cast<int>(def().type); }
    void ClearCurrentValueAndRange() override
    {
        values().clear();
        report_.changed();
    }
    // A list (an array of the caller's) gives each of its items; every item
    // is checked before any is taken.
    void AddCurrentValue(const QVariant& value) override
    {
        const auto items = itemsOf(value);
        values().insert(values().end(), items.begin(), items.end());
        report_.changed();
    }
    void SetCurrentValue(const QVariant& value) override
    {
        values() = itemsOf(value);
        report_.changed();
    }

private:
    std::vector<QVariant> itemsOf(const QVariant& value)
    {
        std::vector<QVariant> items;
        if (value.metaType().id() == QMetaType::QVariantList || value.metaType().id() == QMetaType::QStringList) {
            for (const QVariant& item : value.toList())
                items.push_back(item);
        } else {
            items.push_back(value);
        }
        for (const QVariant& item : items)
            checked(item);
        return items;
    }

    void checked(const QVariant& value)
    {
        formula::Value v;
        if (!formula::Value::parse(value, formula::typeOf(def().type), v))
            raiseRuntimeError(rterr::ParameterInvalid, rterr::source(),
                              QStringLiteral("The value \"%1\" does not suit the parameter %2, which takes %3")
                                  .arg(value.toString(), def().name, formula::typeName(formula::typeOf(def().type))));
    }
    const ParameterDef& def() { return report_.state().def->parameters.at(static_cast<std::size_t>(index_)); }
    std::vector<QVariant>& values() { return report_.state().parameterValues.at(static_cast<std::size_t>(index_)); }
    RtReport& report_;
    int index_;
};

class RtExportOptions : public ExportOptions {
public:
    void Reset() override
    {
        fileName.clear();
        destination = 0;
        format = 0;
    }
    void setDiskFileName(const QString& name) override { fileName = name; }
    void setDestinationType(int d) override { destination = d; }
    void setFormatType(int f) override { format = f; }
    QString fileName;
    int destination = 0;
    int format = 0;
};

}  // namespace

struct RtReport::Parts {
    RtDatabase database;
    List<Section, RtSection> sections;
    List<Area, RtArea> areas;
    List<FormulaFieldDefinition, RtFormula> formulas;
    List<ParameterFieldDefinition, RtParameter> parameters;
    std::unique_ptr<RtSortFields> sortFields;
    RtExportOptions exportOptions;
};

RtReport::RtReport(std::shared_ptr<ReportState> state, std::weak_ptr<RtReport> parent)
    : state_(std::move(state)), parent_(std::move(parent)), parts_(std::make_unique<Parts>())
{
    auto& d = *state_->def;
    for (std::size_t t = 0; t < d.tables.size(); ++t)
        parts_->database.tables.items.push_back(std::make_unique<RtTable>(*this, static_cast<int>(t)));
    for (std::size_t s = 0; s < d.sections.size(); ++s) {
        auto section = std::make_unique<RtSection>();
        for (std::size_t o = 0; o < d.sections[s].objects.size(); ++o)
            section->objects.items.push_back(std::make_unique<RtObject>(*this, static_cast<int>(s), static_cast<int>(o)));
        parts_->sections.items.push_back(std::move(section));
    }
    // One area per part of the report, groups in print order.
    const int groups = static_cast<int>(d.groups.size());
    parts_->areas.items.push_back(std::make_unique<RtArea>(*this, SectionKind::ReportHeader, 0));
    parts_->areas.items.push_back(std::make_unique<RtArea>(*this, SectionKind::PageHeader, 0));
    for (int g = 1; g <= groups; ++g)
        parts_->areas.items.push_back(std::make_unique<RtArea>(*this, SectionKind::GroupHeader, g));
    parts_->areas.items.push_back(std::make_unique<RtArea>(*this, SectionKind::Details, 0));
    for (int g = groups; g >= 1; --g)
        parts_->areas.items.push_back(std::make_unique<RtArea>(*this, SectionKind::GroupFooter, g));
    parts_->areas.items.push_back(std::make_unique<RtArea>(*this, SectionKind::PageFooter, 0));
    parts_->areas.items.push_back(std::make_unique<RtArea>(*this, SectionKind::ReportFooter, 0));
    for (std::size_t f = 0; f < d.formulas.size(); ++f)
        parts_->formulas.items.push_back(std::make_unique<RtFormula>(*this, static_cast<int>(f)));
    for (std::size_t p = 0; p < d.parameters.size(); ++p)
        parts_->parameters.items.push_back(std::make_unique<RtParameter>(*this, static_cast<int>(p)));
    parts_->sortFields = std::make_unique<RtSortFields>(*this);
}

RtReport::~RtReport() = default;

std::shared_ptr<RtReport> RtReport::open(const QString& path)
{
    auto def = std::make_shared<ReportDefinition>(readReportFile(path));
    const QFileInfo info(path);
    return std::make_shared<RtReport>(ReportState::make(def, info.absoluteFilePath(), info.absolutePath()), std::weak_ptr<RtReport>());
}

void RtReport::changed()
{
    pages_.reset();
    ++generation_;
    if (auto parent = parent_.lock())
        parent->changed();
}

std::shared_ptr<const layout::PageModel> RtReport::pages(RunObserver* observer)
{
    if (!pages_) {
        auto model = std::make_shared<layout::PageModel>();
        data::Connections connections;
        ReportRun run(*state_, connections, observer);
        run.layout(*model);
        pages_ = std::move(model);
    }
    return pages_;
}

void RtReport::adoptPages(std::shared_ptr<const layout::PageModel> model, quint64 generation)
{
    if (generation == generation_ && !pages_)
        pages_ = std::move(model);
}

reportrt::Database& RtReport::Database() { return parts_->database; }
reportrt::Sections& RtReport::Sections() { return parts_->sections; }
reportrt::Areas& RtReport::Areas() { return parts_->areas; }
FormulaFieldDefinitions& RtReport::FormulaFields() { return parts_->formulas; }
ParameterFieldDefinitions& RtReport::ParameterFields() { return parts_->parameters; }
SortFields& RtReport::RecordSortFields() { return *parts_->sortFields; }
reportrt::ExportOptions& RtReport::ExportOptions() { return parts_->exportOptions; }

std::shared_ptr<Report> RtReport::OpenSubreport(const QString& name)
{
    const QString key = name.toUpper();
    if (const auto it = subreports_.find(key); it != subreports_.end())
        return it->second;
    auto sub = state_->subreport(name);
    if (!sub)
        raiseRuntimeError(rterr::NoSuchSubreport, rterr::source(),
                          QStringLiteral("The report %1 has no sub-report %2").arg(state_->filePath, name));
    auto report = std::make_shared<RtReport>(sub, weak_from_this());
    subreports_.emplace(key, report);
    return report;
}

std::int16_t RtReport::PaperOrientation() { return static_cast<std::int16_t>(state_->def->page.orientation); }
void RtReport::setPaperOrientation(std::int16_t value)
{
    if (value != 1 && value != 2)
        raiseRuntimeError(basic::err::InvalidPropertyValue, rterr::source(),
                          QStringLiteral("%1 is not a paper orientation (1 portrait, 2 landscape)").arg(value));
    state_->def->page.orientation = value;
    changed();
}
std::int16_t RtReport::PaperSize() { return static_cast<std::int16_t>(state_->def->page.paperSize); }
void RtReport::setPaperSize(std::int16_t value)
{
    state_->def->page.paperSize = value;
    changed();
}
std::int16_t RtReport::PaperSource() { return static_cast<std::int16_t>(state_->def->page.paperSource); }
void RtReport::setPaperSource(std::int16_t value) { state_->def->page.paperSource = value; }

namespace {

QString knownPrinters()
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    return names.isEmpty() ? QStringLiteral("no printer is installed") : QStringLiteral("the printers are: ") + names.join(QStringLiteral(", "));
}

// The paper size numbers of the page set-up that name a standard paper.
struct PaperName {
    int number;
    QPageSize::PageSizeId id;
};
constexpr PaperName kPapers[] = {{1, QPageSize::Letter}, {5, QPageSize::Legal}, {8, QPageSize::A3}, {9, QPageSize::A4}, {11, QPageSize::A5}};

}  // namespace

void RtReport::SelectPrinter(const QString& driverName, const QString& printerName, const QString& portName)
{
    const QString name = printerName.trimmed();
    if (name.isEmpty()) {
        // No name: back to the system's default printer.
        driver_ = driverName;
        printer_.clear();
        port_ = portName;
        return;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        raiseRuntimeError(rterr::PrinterUnavailable, rterr::source(),
                          QStringLiteral("SelectPrinter: there is no printer named \"%1\"; %2").arg(name, knownPrinters()));
    printer_ = info.printerName();
    // What the chosen printer reports about itself wins over what the caller supposed.
    driver_ = info.makeAndModel().isEmpty() ? driverName : info.makeAndModel();
    port_ = info.location().isEmpty() ? portName : info.location();
}

QPrinterInfo RtReport::chosenPrinter() const
{
    const QPrinterInfo info = printer_.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(printer_);
    if (info.isNull())
        raiseRuntimeError(rterr::PrinterUnavailable, rterr::source(),
                          printer_.isEmpty() ? QStringLiteral("Report %1: there is no printer to print on (%2)").arg(state_->filePath, knownPrinters())
                                             : QStringLiteral("Report %1: the printer \"%2\" is no longer there; %3")
                                                   .arg(state_->filePath, printer_, knownPrinters()));
    return info;
}

void RtReport::PrintOut(std::optional<bool> promptUser, std::optional<std::int16_t> numberOfCopies)
{
    const int copies = numberOfCopies.value_or(1);
    if (copies < 1)
        raiseRuntimeError(basic::err::InvalidProcedureCall, rterr::source(),
                          QStringLiteral("PrintOut: %1 copies; at least one is printed").arg(copies));
    QPrinter printer(chosenPrinter(), QPrinter::HighResolution);
    printOn(printer, promptUser.value_or(true), copies);
}

bool RtReport::printOn(QPrinter& printer, bool prompt, int copies)
{
    // Laid out already: printed from the pages kept. Otherwise the report is laid out as it
    // prints, a page at a time, so a long report takes the memory of one page.
    const std::shared_ptr<const layout::PageModel> kept = pages_;
    data::Connections connections;
    ReportRun run(*state_, connections);
    layout::PageModel paper;
    layout::setPaper(paper, state_->def->page);
    render::setPrinterPaper(printer, kept ? *kept : paper);
    render::setPrinterPaperSource(printer, state_->def->page.paperSource);
    printer.setCopyCount(copies);
    if (prompt) {
        QPrintDialog dialog(&printer);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        copies = printer.copyCount();
    }
    const QString title = QFileInfo(state_->filePath).completeBaseName();
    const auto failed = [&] {
        raiseRuntimeError(rterr::PrinterUnavailable, rterr::source(),
                          QStringLiteral("Report %1: printing on \"%2\" failed").arg(state_->filePath,
                                                                                 printer.outputFileName().isEmpty() ? printer.printerName()
                                                                                                                   : printer.outputFileName()));
    };
    // Copies the printer does not make itself are sent page by page again: from pages kept.
    if (kept || (copies > 1 && !printer.supportsMultipleCopies())) {
        if (!render::printPages(kept ? *kept : *pages(), printer, copies, title))
            failed();
        return true;
    }
    class PrintSink : public layout::PageSink {
    public:
        PrintSink(render::PageStreamPrinter& out, const ReportRun& run)
            : out_(out), run_(run)
        {
        }
        void page(layout::Page&& page) override
        {
            ++number_;
            if (run_.totalPages() > 0)
                layout::PageModel::fillTotalPages(page, number_, QString::number(run_.totalPages()));
            if (ok && !out_.print(page, run_.styles().styles()))
                ok = false;
        }
        void finished(int) override {}
        bool ok = true;

    private:
        render::PageStreamPrinter& out_;
        const ReportRun& run_;
        int number_ = 0;
    };
    render::PageStreamPrinter out(printer, title);
    if (!out.started())
        failed();
    PrintSink sink(out, run);
    run.layoutPages(sink, run.showsTotalPageCount());
    if (!out.finish() || !sink.ok)
        failed();
    return true;
}

void RtReport::PrinterSetup(qintptr)
{
    QPrinter printer(chosenPrinter(), QPrinter::HighResolution);
    setUpPageOn(printer);
}

bool RtReport::setUpPageOn(QPrinter& printer)
{
    layout::PageModel paper;
    layout::setPaper(paper, state_->def->page);
    render::setPrinterPaper(printer, paper);
    QPageSetupDialog dialog(&printer);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    applyPrinterPaper(printer);
    return true;
}

void RtReport::applyPrinterPaper(const QPrinter& printer)
{
    auto& page = state_->def->page;
    const QPageLayout layout = printer.pageLayout();
    page.orientation = layout.orientation() == QPageLayout::Landscape ? 2 : 1;
    for (const auto& p : kPapers)
        if (p.id == layout.pageSize().id())
            page.paperSize = p.number;
    page.paperSource = render::printerPaperSource(printer);
    changed();
}

void RtReport::Export(std::optional<bool> promptUser)
{
    auto& o = parts_->exportOptions;
    // The format is checked before anything runs: an unknown or unwritten format is a clear error.
    exporting::requireExportFormat(o.format);
    if (o.destination != ExportToDiskFile)
        raiseRuntimeError(rterr::NotAvailable, rterr::source(),
                          QStringLiteral("Export to destination %1 is not available; only a disk file (1) is").arg(o.destination));
    if (promptUser.value_or(true)) {
        // The file dialog offers every format this runtime writes, the chosen one first selected,
        // starting from DiskFileName; the filter chosen sets the format; a cancel exports nothing.
        QFileDialog dialog(nullptr, QStringLiteral("Export %1").arg(QFileInfo(state_->filePath).completeBaseName()));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        QStringList filters;
        std::vector<int> numbers;
        for (const int n : exporting::exportFormats()) {
            const QString filter = QStringLiteral("%1 (*.%2)").arg(exporting::formatName(n), exporting::formatSuffix(n));
            if (exporting::canExport(n) && !filters.contains(filter)) {
                filters << filter;
                numbers.push_back(n);
            }
        }
        const auto chosen = std::find(numbers.begin(), numbers.end(), o.format);
        const QString suffix = exporting::formatSuffix(o.format);
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.at(chosen != numbers.end() ? chosen - numbers.begin() : 0));
        dialog.setDefaultSuffix(suffix);
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
            const auto at = filters.indexOf(filter);
            if (at >= 0)
                dialog.setDefaultSuffix(exporting::formatSuffix(numbers[static_cast<std::size_t>(at)]));
        });
        const QFileInfo start(o.fileName.trimmed().isEmpty() ? QFileInfo(state_->filePath).completeBaseName() + QLatin1Char('.') + suffix
                                                             : o.fileName);
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        o.fileName = dialog.selectedFiles().constFirst();
        const auto at = filters.indexOf(dialog.selectedNameFilter());
        if (at >= 0)
            o.format = numbers[static_cast<std::size_t>(at)];
    }
    if (o.fileName.trimmed().isEmpty())
        raiseRuntimeError(basic::err::BadFileNameOrNumber, rterr::source(), QStringLiteral("Export: no file name is given"));
    if (o.format == exporting::format::OwnFormat) {
        // The report with its data is made from the records, not from the pages.
        saveReportWithData(*state_, o.fileName);
        return;
    }
    exporting::exportPages(o.format, *pages(), o.fileName, QFileInfo(state_->filePath).completeBaseName());
}

void RtReport::setReadSavedData(bool on)
{
    state_->useSavedData(on);
    changed();
}

bool RtReport::hasSavedData() const
{
    return state_->def->hasSavedData();
}

void RtReport::exportAsked()
{
    auto& o = parts_->exportOptions;
    o.destination = ExportToDiskFile;
    if (!exporting::canExport(o.format))
        o.format = exporting::format::Pdf;
    Export(true);
}

void RtReport::setRecordSelectionFormula(const QString& text)
{
    state_->extraSelection = text;
    changed();
}

ReportRef RtApplication::OpenReport(const QString& filePath, std::int16_t openMethod)
{
    Q_UNUSED(openMethod);
    return RtReport::open(filePath);
}

}  // namespace orx::reportrt::run
