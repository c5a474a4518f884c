#pragma once

#include "viewreport/engine/ElementList.h"
#include "viewreport/engine/RequestItems.h"
#include "viewreport/engine/ViewReportExport.h"

#include <QObject>
#include <QVariant>

// The request's four collections. Each holds an ordered list of its element
// class without keys (two elements may share a name): Count, Item (position
// or name), Exists (by name), Add (appends), Clear (last to first), Remove.
namespace orx::viewreport {

class ORX_VIEWREPORT_EXPORT ORXRPTFormulas : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)

public:
    explicit ORXRPTFormulas(QObject* parent = nullptr);

    int Count() const { return list_.count(); }
    Q_INVOKABLE orx::viewreport::ORXRPTFormula* Item(const QVariant& Index) const { return list_.item(Index); }
    Q_INVOKABLE bool Exists(const QString& Name) const { return list_.exists(Name); }
    Q_INVOKABLE void Add(const QString& sName, const QString& sText);
    Q_INVOKABLE void Clear() { list_.clear(); }
    Q_INVOKABLE int Remove(int Index) { return list_.remove(Index); }

    const QList<ORXRPTFormula*>& elements() const { return list_.elements(); }

private:
    ElementList<ORXRPTFormula> list_;
};

class ORX_VIEWREPORT_EXPORT ORXRPTParameters : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)

public:
    explicit ORXRPTParameters(QObject* parent = nullptr);

    int Count() const { return list_.count(); }
    Q_INVOKABLE orx::viewreport::ORXRPTParameter* Item(const QVariant& Index) const { return list_.item(Index); }
    Q_INVOKABLE bool Exists(const QString& Name) const { return list_.exists(Name); }
    Q_INVOKABLE void Add(const QString& sName, const QVariant& vValue);
    Q_INVOKABLE void Clear() { list_.clear(); }
    Q_INVOKABLE int Remove(int Index) { return list_.remove(Index); }

    const QList<ORXRPTParameter*>& elements() const { return list_.elements(); }

private:
    ElementList<ORXRPTParameter> list_;
};

class ORX_VIEWREPORT_EXPORT ORXRPTSubReports : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)

public:
    explicit ORXRPTSubReports(QObject* parent = nullptr);

    int Count() const { return list_.count(); }
    Q_INVOKABLE orx::viewreport::ORXRPTSubReport* Item(const QVariant& Index) const { return list_.item(Index); }
    Q_INVOKABLE bool Exists(const QString& Name) const { return list_.exists(Name); }
    Q_INVOKABLE void Add(const QString& sName, QObject* oRecordset);
    Q_INVOKABLE void Clear() { list_.clear(); }
    Q_INVOKABLE int Remove(int Index) { return list_.remove(Index); }

    const QList<ORXRPTSubReport*>& elements() const { return list_.elements(); }
    // The entry of that name (upper-cased), never a position: a sub-report
    // key is a name even when it reads as a number.
    ORXRPTSubReport* named(const QString& name) const { return list_.named(name); }

private:
    ElementList<ORXRPTSubReport> list_;
};

class ORX_VIEWREPORT_EXPORT ORXRPTOrderByFields : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)

public:
    explicit ORXRPTOrderByFields(QObject* parent = nullptr);

    int Count() const { return list_.count(); }
    Q_INVOKABLE orx::viewreport::ORXRPTOrderByField* Item(const QVariant& Index) const { return list_.item(Index); }
    Q_INVOKABLE bool Exists(const QString& Name) const { return list_.exists(Name); }
    // The name is stored in braces (WrapOrderByName). The group condition is
    // optional: left out (Empty or Missing) it is -1, no change.
    Q_INVOKABLE void Add(const QString& sName, int xOrder, const QVariant& xGroupCondition);
    void Add(const QString& sName, int xOrder, int xGroupCondition = ORXVRGrpCond_NoChange);
    Q_INVOKABLE void Clear() { list_.clear(); }
    Q_INVOKABLE int Remove(int Index) { return list_.remove(Index); }

    const QList<ORXRPTOrderByField*>& elements() const { return list_.elements(); }

private:
    ElementList<ORXRPTOrderByField> list_;
};

}  // namespace orx::viewreport
