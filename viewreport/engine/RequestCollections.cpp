#include "viewreport/engine/RequestCollections.h"

namespace orx::viewreport {

ORXRPTFormulas::ORXRPTFormulas(QObject* parent)
    : QObject(parent), list_(this)
{
}

void ORXRPTFormulas::Add(const QString& sName, const QString& sText)
{
    auto* f = new ORXRPTFormula;
    f->setName(sName);
    f->setText(sText);
    list_.append(f);
}

ORXRPTParameters::ORXRPTParameters(QObject* parent)
    : QObject(parent), list_(this)
{
}

void ORXRPTParameters::Add(const QString& sName, const QVariant& vValue)
{
    auto* p = new ORXRPTParameter;
    p->setName(sName);
    p->setValue(vValue);
    list_.append(p);
}

ORXRPTSubReports::ORXRPTSubReports(QObject* parent)
    : QObject(parent), list_(this)
{
}

void ORXRPTSubReports::Add(const QString& sName, QObject* oRecordset)
{
    auto* s = new ORXRPTSubReport;
    s->setName(sName);
    s->setRecordset(oRecordset);
    list_.append(s);
}

ORXRPTOrderByFields::ORXRPTOrderByFields(QObject* parent)
    : QObject(parent), list_(this)
{
}

void ORXRPTOrderByFields::Add(const QString& sName, int xOrder, const QVariant& xGroupCondition)
{
    // A late-bound caller that leaves the argument out may hand over an empty
    // variant wrapped in a variant.
    const QVariant given = xGroupCondition.metaType() == QMetaType::fromType<QVariant>() ? xGroupCondition.value<QVariant>()
                                                                                         : xGroupCondition;
    const bool omitted = basic::isEmpty(given) || basic::isMissing(given);
    Add(sName, xOrder, omitted ? int(ORXVRGrpCond_NoChange) : basic::clng(given));
}

void ORXRPTOrderByFields::Add(const QString& sName, int xOrder, int xGroupCondition)
{
    auto* o = new ORXRPTOrderByField;
    o->setName(WrapOrderByName(sName));
    o->setOrder(xOrder);
    o->setGroupCondition(xGroupCondition);
    list_.append(o);
}

}  // namespace orx::viewreport
