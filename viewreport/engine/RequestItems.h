#pragma once

#include "viewreport/engine/ViewReportExport.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

// The element classes of a report request. Each runs Clear when created, so
// a new element holds its cleared values. Properties store what they are
// given, except PrintOptions.Copies (its absolute value).
namespace orx::viewreport {

class ORX_VIEWREPORT_EXPORT ORXRPTFormula : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(QString Text READ Text WRITE setText)

public:
    explicit ORXRPTFormula(QObject* parent = nullptr);

    QString Name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    QString Text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

    Q_INVOKABLE void Clear();

private:
    QString name_;
    QString text_;
};

class ORX_VIEWREPORT_EXPORT ORXRPTParameter : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(QVariant Value READ Value WRITE setValue)

public:
    explicit ORXRPTParameter(QObject* parent = nullptr);

    QString Name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    QVariant Value() const { return value_; }
    void setValue(const QVariant& value) { value_ = value; }

    // Name "", Value the empty string (a string, not an Empty variant).
    Q_INVOKABLE void Clear();

private:
    QString name_;
    QVariant value_;
};

class ORX_VIEWREPORT_EXPORT ORXRPTSubReport : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(QObject* Recordset READ Recordset WRITE setRecordset)

public:
    explicit ORXRPTSubReport(QObject* parent = nullptr);

    QString Name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    // The caller's recordset, held by reference: it reads as none once the
    // caller has destroyed it.
    QObject* Recordset() const { return recordset_.data(); }
    void setRecordset(QObject* recordset) { recordset_ = recordset; }

    Q_INVOKABLE void Clear();

private:
    QString name_;
    QPointer<QObject> recordset_;
};

class ORX_VIEWREPORT_EXPORT ORXRPTOrderByField : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(int Order READ Order WRITE setOrder)
    Q_PROPERTY(int GroupCondition READ GroupCondition WRITE setGroupCondition)

public:
    explicit ORXRPTOrderByField(QObject* parent = nullptr);

    QString Name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    int Order() const { return order_; }  // ORXVRSortDirectionConstants
    void setOrder(int order) { order_ = order; }
    int GroupCondition() const { return groupCondition_; }  // ORXVRGroupConditionConstants
    void setGroupCondition(int condition) { groupCondition_ = condition; }

    // Name "", Order ascending (0), GroupCondition no change (-1).
    Q_INVOKABLE void Clear();

private:
    QString name_;
    int order_ = 0;
    int groupCondition_ = -1;
};

class ORX_VIEWREPORT_EXPORT ORXRPTExportOptions : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FileName READ FileName WRITE setFileName)
    Q_PROPERTY(int FormatType READ FormatType WRITE setFormatType)
    Q_PROPERTY(bool Silent READ Silent WRITE setSilent)

public:
    explicit ORXRPTExportOptions(QObject* parent = nullptr);

    QString FileName() const { return fileName_; }
    void setFileName(const QString& name) { fileName_ = name; }
    int FormatType() const { return formatType_; }  // ORXVRExpFormatTypeConstants
    void setFormatType(int type) { formatType_ = type; }
    bool Silent() const { return silent_; }
    void setSilent(bool on) { silent_ = on; }

    // FileName "", FormatType PDF (31), Silent true.
    Q_INVOKABLE void Clear();

private:
    QString fileName_;
    int formatType_ = 31;
    bool silent_ = true;
};

class ORX_VIEWREPORT_EXPORT ORXRPTPrintOptions : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Copies READ Copies WRITE setCopies)
    Q_PROPERTY(QString PrinterName READ PrinterName WRITE setPrinterName)
    Q_PROPERTY(bool Silent READ Silent WRITE setSilent)

public:
    explicit ORXRPTPrintOptions(QObject* parent = nullptr);

    // A 16-bit count, stored as the absolute value of the number given
    // (-32768 and numbers outside 16 bits raise the overflow error).
    int Copies() const { return copies_; }
    void setCopies(int copies);
    QString PrinterName() const { return printerName_; }
    void setPrinterName(const QString& name) { printerName_ = name; }
    bool Silent() const { return silent_; }
    void setSilent(bool on) { silent_ = on; }

    // Copies 1, PrinterName "", Silent true.
    Q_INVOKABLE void Clear();

private:
    int copies_ = 1;
    QString printerName_;
    bool silent_ = true;
};

}  // namespace orx::viewreport
