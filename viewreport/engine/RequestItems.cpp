#include "viewreport/engine/RequestItems.h"

#include "viewreport/engine/RequestRules.h"

namespace orx::viewreport {

ORXRPTFormula::ORXRPTFormula(QObject* parent)
    : QObject(parent)
{
    Clear();
}

void ORXRPTFormula::Clear()
{
    name_.clear();
    text_.clear();
}

ORXRPTParameter::ORXRPTParameter(QObject* parent)
    : QObject(parent)
{
    Clear();
}

void ORXRPTParameter::Clear()
{
    name_.clear();
    value_ = QVariant(QString(QLatin1String("")));
}

ORXRPTSubReport::ORXRPTSubReport(QObject* parent)
    : QObject(parent)
{
    Clear();
}

void ORXRPTSubReport::Clear()
{
    name_.clear();
    recordset_.clear();
}

ORXRPTOrderByField::ORXRPTOrderByField(QObject* parent)
    : QObject(parent)
{
    Clear();
}

void ORXRPTOrderByField::Clear()
{
    name_.clear();
    order_ = 0;
    groupCondition_ = -1;
}

ORXRPTExportOptions::ORXRPTExportOptions(QObject* parent)
    : QObject(parent)
{
    Clear();
}

void ORXRPTExportOptions::Clear()
{
    fileName_.clear();
    formatType_ = 31;
    silent_ = true;
}

ORXRPTPrintOptions::ORXRPTPrintOptions(QObject* parent)
    : QObject(parent)
{
    Clear();
}

void ORXRPTPrintOptions::setCopies(int copies)
{
    copies_ = absoluteCopies(copies);
}

void ORXRPTPrintOptions::Clear()
{
    copies_ = 1;
    printerName_.clear();
    silent_ = true;
}

}  // namespace orx::viewreport
