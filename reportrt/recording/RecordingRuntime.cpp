#include "reportrt/recording/RecordingRuntime.h"

#include "reportrt/RuntimeError.h"

#include <QFileInfo>

namespace orx::reportrt::recording {

namespace {

QString boolText(bool b)
{
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

using LogRef = std::shared_ptr<RecordingLog>;

// A 1-based collection of objects made by the recording runtime, logging its
// count and item reads under its path ("Report.Database.Tables").
template <class Interface, class Impl>
class RecCollection : public Collection<Interface> {
public:
    RecCollection(LogRef log, QString path)
        : log_(std::move(log)), path_(std::move(path))
    {
    }

    int Count() override
    {
        log_->read(QStringLiteral("%1.Count -> %2").arg(path_).arg(items.size()));
        return int(items.size());
    }

    Interface& Item(std::int16_t position) override
    {
        log_->read(QStringLiteral("%1.Item(%2)").arg(path_).arg(position));
        if (position < 1 || position > std::int16_t(qMin<size_t>(items.size(), 32767)))
            raiseRuntimeError(rterr::SubscriptOutOfRange, QStringLiteral("Recording report runtime"),
                              QStringLiteral("Subscript out of range: %1(%2)").arg(path_).arg(position));
        return *items[size_t(position - 1)];
    }

    QString elementPath(int position) const { return QStringLiteral("%1(%2)").arg(path_).arg(position); }
    const QString& path() const { return path_; }

    std::vector<std::unique_ptr<Impl>> items;

private:
    LogRef log_;
    QString path_;
};

class RecField : public FieldDefinition {
public:
    RecField(LogRef log, QString path, QString name)
        : log_(std::move(log)), path_(std::move(path)), name_(std::move(name))
    {
    }
    QString Name() override
    {
        log_->read(QStringLiteral("%1.Name -> %2").arg(path_, name_));
        return name_;
    }
    const QString& name() const { return name_; }

private:
    LogRef log_;
    QString path_;
    QString name_;
};

class RecTable : public DatabaseTable {
public:
    RecTable(LogRef log, QString path, const TableScript& script)
        : log_(log), path_(path), fields_(log, path + QStringLiteral(".Fields"))
    {
        for (const QString& f : script.fields)
            fields_.items.push_back(std::make_unique<RecField>(log, fields_.elementPath(int(fields_.items.size()) + 1), f));
    }

    void SetSessionInfo(const QString& user, const QString& password) override
    {
        log_->call(QStringLiteral("%1.SetSessionInfo(%2, %3)").arg(path_, quoted(user), quoted(password)));
    }
    void setLocation(const QString& location) override
    {
        log_->call(QStringLiteral("%1.Location = %2").arg(path_, quoted(location)));
    }
    void SetTableLocation(const QString& location, const QString& subLocation, const QString& connect) override
    {
        log_->call(QStringLiteral("%1.SetTableLocation(%2, %3, %4)")
                       .arg(path_, quoted(location), quoted(subLocation), quoted(connect)));
    }
    void SetDataSource(QObject* recordset) override
    {
        QString what = QStringLiteral("Nothing");
        if (recordset)
            what = recordset->objectName().isEmpty() ? QStringLiteral("<recordset>") : recordset->objectName();
        log_->call(QStringLiteral("%1.SetDataSource(%2)").arg(path_, what));
    }
    bool TestConnectivity() override
    {
        log_->call(path_ + QStringLiteral(".TestConnectivity"));
        return true;
    }
    DatabaseFieldDefinitions& Fields() override { return fields_; }

private:
    LogRef log_;
    QString path_;
    RecCollection<FieldDefinition, RecField> fields_;
};

class RecDatabase : public Database {
public:
    RecDatabase(LogRef log, const QString& reportPath, const QList<TableScript>& tables)
        : tables_(log, reportPath + QStringLiteral(".Database.Tables"))
    {
        for (const TableScript& t : tables)
            tables_.items.push_back(std::make_unique<RecTable>(log, tables_.elementPath(int(tables_.items.size()) + 1), t));
    }
    DatabaseTables& Tables() override { return tables_; }

private:
    RecCollection<DatabaseTable, RecTable> tables_;
};

class RecReportObject : public ReportObject {
public:
    RecReportObject(LogRef log, QString path, ReportObjectScript script)
        : log_(std::move(log)), path_(std::move(path)), script_(std::move(script))
    {
    }
    QVariant member(const QString& name) override
    {
        QVariant v;
        if (name.compare(QLatin1String("Kind"), Qt::CaseInsensitive) == 0)
            v = script_.kind;
        else if (name.compare(QLatin1String("SubreportName"), Qt::CaseInsensitive) == 0 && script_.kind == kind::SubreportObject)
            v = script_.subreportName;
        else
            raiseRuntimeError(438, QStringLiteral("Recording report runtime"),
                              QStringLiteral("Object doesn't support this property or method: %1").arg(name));
        log_->read(QStringLiteral("%1.%2 -> %3").arg(path_, name, v.toString()));
        return v;
    }

private:
    LogRef log_;
    QString path_;
    ReportObjectScript script_;
};

class RecSection : public Section {
public:
    RecSection(LogRef log, const QString& path, const SectionScript& script)
        : objects_(log, path + QStringLiteral(".ReportObjects"))
    {
        for (const ReportObjectScript& o : script.objects)
            objects_.items.push_back(std::make_unique<RecReportObject>(log, objects_.elementPath(int(objects_.items.size()) + 1), o));
    }
    reportrt::ReportObjects& ReportObjects() override { return objects_; }

private:
    RecCollection<ReportObject, RecReportObject> objects_;
};

class RecArea : public Area {
public:
    RecArea(LogRef log, QString path, const AreaScript& script)
        : log_(log), path_(path), kind_(script.kind)
    {
        if (!script.groupConditionField.isEmpty())
            field_ = std::make_unique<RecField>(log, path + QStringLiteral(".GroupConditionField"), script.groupConditionField);
    }
    int Kind() override
    {
        log_->read(QStringLiteral("%1.Kind -> %2").arg(path_).arg(kind_));
        return kind_;
    }
    FieldDefinition* GroupConditionField() override
    {
        log_->read(QStringLiteral("%1.GroupConditionField").arg(path_));
        return field_.get();
    }
    void setSortDirection(int direction) override
    {
        log_->call(QStringLiteral("%1.SortDirection = %2").arg(path_).arg(direction));
    }
    void setGroupCondition(int condition) override
    {
        log_->call(QStringLiteral("%1.GroupCondition = %2").arg(path_).arg(condition));
    }

private:
    LogRef log_;
    QString path_;
    int kind_;
    std::unique_ptr<RecField> field_;
};

class RecSortFields : public SortFields {
public:
    RecSortFields(LogRef log, QString path, QStringList names)
        : log_(std::move(log)), path_(std::move(path)), names_(std::move(names))
    {
    }
    int Count() override
    {
        log_->read(QStringLiteral("%1.Count -> %2").arg(path_).arg(names_.size()));
        return int(names_.size());
    }
    void Delete(std::int16_t position) override
    {
        log_->call(QStringLiteral("%1.Delete(%2)").arg(path_).arg(position));
        if (position < 1 || position > names_.size())
            raiseRuntimeError(rterr::SubscriptOutOfRange, QStringLiteral("Recording report runtime"),
                              QStringLiteral("Subscript out of range: %1.Delete(%2)").arg(path_).arg(position));
        names_.removeAt(position - 1);
    }
    void Add(FieldDefinition& field, int sortDirection) override
    {
        // The field's name as the runtime knows it, without logging a read:
        // the engine passed the field, it did not read it.
        const auto* rec = dynamic_cast<RecField*>(&field);
        const QString name = rec ? rec->name() : field.Name();
        log_->call(QStringLiteral("%1.Add(%2, %3)").arg(path_, name).arg(sortDirection));
        names_.append(name);
    }

private:
    LogRef log_;
    QString path_;
    QStringList names_;
};

class RecFormula : public FormulaFieldDefinition {
public:
    RecFormula(LogRef log, QString path, FormulaScript script)
        : log_(std::move(log)), path_(std::move(path)), script_(std::move(script))
    {
    }
    QString FormulaFieldName() override
    {
        log_->read(QStringLiteral("%1.FormulaFieldName -> %2").arg(path_, script_.name));
        return script_.name;
    }
    int ValueType() override
    {
        log_->read(QStringLiteral("%1.ValueType -> %2").arg(path_).arg(script_.valueType));
        return script_.valueType;
    }
    QString Text() override
    {
        log_->read(QStringLiteral("%1.Text -> %2").arg(path_, quoted(script_.text)));
        return script_.text;
    }
    void setText(const QString& text) override
    {
        log_->call(QStringLiteral("%1.Text = %2").arg(path_, quoted(text)));
        script_.text = text;
    }
    bool Check(QString& errorText) override
    {
        const bool ok = script_.accepts ? script_.accepts(script_.text) : acceptedByDefault(script_.text);
        errorText = ok ? QString() : QStringLiteral("The remaining text does not appear to be part of the formula.");
        log_->call(QStringLiteral("%1.Check -> %2").arg(path_, boolText(ok)));
        return ok;
    }

private:
    LogRef log_;
    QString path_;
    FormulaScript script_;
};

class RecParameter : public ParameterFieldDefinition {
public:
    RecParameter(LogRef log, QString path, ParameterScript script)
        : log_(std::move(log)), path_(std::move(path)), script_(std::move(script))
    {
    }
    QString ParameterFieldName() override
    {
        log_->read(QStringLiteral("%1.ParameterFieldName -> %2").arg(path_, script_.name));
        return script_.name;
    }
    int ValueType() override
    {
        log_->read(QStringLiteral("%1.ValueType -> %2").arg(path_).arg(script_.valueType));
        return script_.valueType;
    }
    void ClearCurrentValueAndRange() override { log_->call(path_ + QStringLiteral(".ClearCurrentValueAndRange")); }
    void AddCurrentValue(const QVariant& value) override
    {
        log_->call(QStringLiteral("%1.AddCurrentValue(%2)").arg(path_, describe(value)));
    }
    void SetCurrentValue(const QVariant& value) override
    {
        log_->call(QStringLiteral("%1.SetCurrentValue(%2)").arg(path_, describe(value)));
    }

private:
    LogRef log_;
    QString path_;
    ParameterScript script_;
};

class RecExportOptions : public ExportOptions {
public:
    RecExportOptions(LogRef log, QString path)
        : log_(std::move(log)), path_(std::move(path))
    {
    }
    void Reset() override { log_->call(path_ + QStringLiteral(".Reset")); }
    void setDiskFileName(const QString& fileName) override
    {
        log_->call(QStringLiteral("%1.DiskFileName = %2").arg(path_, quoted(fileName)));
    }
    void setDestinationType(int destination) override
    {
        log_->call(QStringLiteral("%1.DestinationType = %2").arg(path_).arg(destination));
    }
    void setFormatType(int format) override { log_->call(QStringLiteral("%1.FormatType = %2").arg(path_).arg(format)); }

private:
    LogRef log_;
    QString path_;
};

class RecReport : public Report {
public:
    RecReport(LogRef log, const ReportScript& script, QString label, QString filePath)
        : log_(log),
          label_(std::move(label)),
          filePath_(std::move(filePath)),
          script_(script),
          database_(log, label_, script.tables),
          sections_(log, label_ + QStringLiteral(".Sections")),
          areas_(log, label_ + QStringLiteral(".Areas")),
          formulas_(log, label_ + QStringLiteral(".FormulaFields")),
          parameters_(log, label_ + QStringLiteral(".ParameterFields")),
          sortFields_(log, label_ + QStringLiteral(".RecordSortFields"), script.recordSortFields),
          export_(log, label_ + QStringLiteral(".ExportOptions"))
    {
        for (const SectionScript& s : script.sections)
            sections_.items.push_back(std::make_unique<RecSection>(log, sections_.elementPath(int(sections_.items.size()) + 1), s));
        for (const AreaScript& a : script.areas)
            areas_.items.push_back(std::make_unique<RecArea>(log, areas_.elementPath(int(areas_.items.size()) + 1), a));
        for (const FormulaScript& f : script.formulaFields)
            formulas_.items.push_back(std::make_unique<RecFormula>(log, formulas_.elementPath(int(formulas_.items.size()) + 1), f));
        for (const ParameterScript& p : script.parameterFields)
            parameters_.items.push_back(
                std::make_unique<RecParameter>(log, parameters_.elementPath(int(parameters_.items.size()) + 1), p));
    }

    reportrt::Database& Database() override { return database_; }
    reportrt::Sections& Sections() override { return sections_; }
    reportrt::Areas& Areas() override { return areas_; }
    FormulaFieldDefinitions& FormulaFields() override { return formulas_; }
    ParameterFieldDefinitions& ParameterFields() override { return parameters_; }
    SortFields& RecordSortFields() override { return sortFields_; }
    reportrt::ExportOptions& ExportOptions() override { return export_; }

    ReportRef OpenSubreport(const QString& name) override
    {
        log_->call(QStringLiteral("%1.OpenSubreport(%2)").arg(label_, quoted(name)));
        for (const ReportScript& s : script_.subreports) {
            if (s.subreportName.compare(name, Qt::CaseInsensitive) == 0)
                return std::make_shared<RecReport>(log_, s, QStringLiteral("Subreport(%1)").arg(s.subreportName), filePath_);
        }
        raiseRuntimeError(rterr::NoSuchSubreport, QStringLiteral("Recording report runtime"),
                          QStringLiteral("Invalid subreport name: %1").arg(name));
    }

    void setEnableParameterPrompting(bool on) override { option(QStringLiteral("EnableParameterPrompting"), on); }
    void setMorePrintEngineErrorMessages(bool on) override { option(QStringLiteral("MorePrintEngineErrorMessages"), on); }
    void setDiscardSavedData(bool on) override { option(QStringLiteral("DiscardSavedData"), on); }

    QString DriverName() override { return readText(QStringLiteral("DriverName"), script_.driverName); }
    QString PortName() override { return readText(QStringLiteral("PortName"), script_.portName); }
    std::int16_t PaperOrientation() override { return readNumber(QStringLiteral("PaperOrientation"), script_.paperOrientation); }
    void setPaperOrientation(std::int16_t v) override { writeNumber(QStringLiteral("PaperOrientation"), script_.paperOrientation, v); }
    std::int16_t PaperSize() override { return readNumber(QStringLiteral("PaperSize"), script_.paperSize); }
    void setPaperSize(std::int16_t v) override { writeNumber(QStringLiteral("PaperSize"), script_.paperSize, v); }
    std::int16_t PaperSource() override { return readNumber(QStringLiteral("PaperSource"), script_.paperSource); }
    void setPaperSource(std::int16_t v) override { writeNumber(QStringLiteral("PaperSource"), script_.paperSource, v); }

    void SelectPrinter(const QString& driverName, const QString& printerName, const QString& portName) override
    {
        log_->call(QStringLiteral("%1.SelectPrinter(%2, %3, %4)").arg(label_, quoted(driverName), quoted(printerName), quoted(portName)));
        // Choosing a printer resets the page set-up to that printer's defaults.
        script_.paperOrientation = 1;
        script_.paperSize = 1;
        script_.paperSource = 1;
    }
    void PrintOut(std::optional<bool> promptUser, std::optional<std::int16_t> copies) override
    {
        QStringList args;
        if (promptUser)
            args << boolText(*promptUser);
        if (copies)
            args << QString::number(*copies);
        log_->call(QStringLiteral("%1.PrintOut(%2)").arg(label_, args.join(QStringLiteral(", "))));
    }
    void PrinterSetup(qintptr windowHandle) override
    {
        log_->call(QStringLiteral("%1.PrinterSetup(%2)").arg(label_).arg(windowHandle));
    }
    void Export(std::optional<bool> promptUser) override
    {
        log_->call(QStringLiteral("%1.Export(%2)").arg(label_, promptUser ? boolText(*promptUser) : QString()));
    }

    int pageCount() const { return script_.pageCount; }
    const QString& filePath() const { return filePath_; }

private:
    void option(const QString& name, bool on) { log_->call(QStringLiteral("%1.%2 = %3").arg(label_, name, boolText(on))); }
    QString readText(const QString& name, const QString& value)
    {
        log_->read(QStringLiteral("%1.%2 -> %3").arg(label_, name, quoted(value)));
        return value;
    }
    std::int16_t readNumber(const QString& name, std::int16_t value)
    {
        log_->read(QStringLiteral("%1.%2 -> %3").arg(label_, name).arg(value));
        return value;
    }
    void writeNumber(const QString& name, std::int16_t& slot, std::int16_t value)
    {
        log_->call(QStringLiteral("%1.%2 = %3").arg(label_, name).arg(value));
        slot = value;
    }

    LogRef log_;
    QString label_;
    QString filePath_;
    ReportScript script_;
    RecDatabase database_;
    RecCollection<Section, RecSection> sections_;
    RecCollection<Area, RecArea> areas_;
    RecCollection<FormulaFieldDefinition, RecFormula> formulas_;
    RecCollection<ParameterFieldDefinition, RecParameter> parameters_;
    RecSortFields sortFields_;
    RecExportOptions export_;
};

class RecApplication : public Application {
public:
    explicit RecApplication(RecordingRuntime* runtime)
        : runtime_(runtime)
    {
    }
    ReportRef OpenReport(const QString& filePath, std::int16_t openMethod) override
    {
        runtime_->log().call(QStringLiteral("Application.OpenReport(%1, %2)").arg(quoted(filePath)).arg(openMethod));
        return runtime_->open(filePath);
    }

private:
    RecordingRuntime* runtime_;
};

}  // namespace

bool acceptedByDefault(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return true;
    if (t.size() >= 2) {
        const QChar first = t.front(), last = t.back();
        if ((first == QLatin1Char('"') && last == QLatin1Char('"')) || (first == QLatin1Char('\'') && last == QLatin1Char('\''))
            || (first == QLatin1Char('{') && last == QLatin1Char('}')))
            return true;
    }
    return false;
}

RecordingRuntime::RecordingRuntime()
    : log_(std::make_shared<RecordingLog>())
{
}

std::shared_ptr<Application> RecordingRuntime::createApplication()
{
    log_->call(QStringLiteral("Runtime.CreateApplication"));
    ++applications_;
    return std::make_shared<RecApplication>(this);
}

Viewer* RecordingRuntime::createViewer(QWidget* parent)
{
    auto* viewer = new RecordingViewer(log_, QStringLiteral("Viewer%1").arg(++viewerCount_), parent);
    viewer->setBusyPolls(busyPolls_);
    viewers_.append(viewer);
    return viewer;
}

void RecordingRuntime::addReport(const QString& fileName, ReportScript script)
{
    reports_.insert(fileName, std::move(script));
}

void RecordingRuntime::failToOpen(const QString& fileName, int number, const QString& description)
{
    openFailures_.insert(fileName, OpenFailure{number, description});
}

QList<RecordingViewer*> RecordingRuntime::viewers() const
{
    QList<RecordingViewer*> out;
    for (const QPointer<RecordingViewer>& v : viewers_)
        out << v.data();
    return out;
}

RecordingViewer* RecordingRuntime::lastViewer() const
{
    return viewers_.isEmpty() ? nullptr : viewers_.last().data();
}

ReportRef RecordingRuntime::open(const QString& filePath)
{
    const QString fileName = QFileInfo(filePath).fileName();
    const auto failure = openFailures_.constFind(fileName);
    if (failure != openFailures_.constEnd())
        raiseRuntimeError(failure->number, QStringLiteral("Recording report runtime"), failure->description);
    const auto script = reports_.constFind(fileName);
    const QString label = labelByFile_ ? QStringLiteral("Report[%1]").arg(fileName) : QStringLiteral("Report");
    return makeRecordedReport(log_, script != reports_.constEnd() ? *script : default_, label, filePath);
}

ReportRef makeRecordedReport(std::shared_ptr<RecordingLog> log, const ReportScript& script, const QString& label,
                             const QString& filePath)
{
    return std::make_shared<RecReport>(std::move(log), script, label, filePath);
}

int recordedPageCount(const ReportRef& report)
{
    const auto* rec = dynamic_cast<const RecReport*>(report.get());
    return rec ? rec->pageCount() : 0;
}

QString recordedFilePath(const ReportRef& report)
{
    const auto* rec = dynamic_cast<const RecReport*>(report.get());
    return rec ? rec->filePath() : QString();
}

}  // namespace orx::reportrt::recording
