#pragma once

#include "platform/host/HostExport.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariant>

namespace orx::host {

// A control's saved properties, key by key. Values are typed: strings,
// numbers, booleans, OLE colours (OleColor), fonts (StdFont), pictures
// (QImage), dates, currency amounts, Null and Empty.
//
// WriteProperty does not store a value equal to its default (and removes an
// earlier one), so a bag holds only what differs from the control's defaults.
// ReadProperty returns the stored value converted to the type of the default;
// a stored value that cannot be converted raises "Type mismatch" (13) whose
// description names the bag's context (file and control) and the key.
// Keys compare without regard to case; the bag keeps the order of writing.
class ORX_HOST_EXPORT PropertyBag {
public:
    explicit PropertyBag(QString context = QString());

    QVariant ReadProperty(const QString& key, const QVariant& defaultValue = QVariant()) const;
    void WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue = QVariant());

    bool contains(const QString& key) const;
    QStringList keys() const;
    QVariant value(const QString& key) const;  // as stored, Empty when absent
    void setValue(const QString& key, const QVariant& value);  // stores unconditionally
    void remove(const QString& key);
    void clear() { entries_.clear(); }
    int count() const { return int(entries_.size()); }

    const QString& context() const { return context_; }
    void setContext(const QString& context) { context_ = context; }

    // JSON form of the bag (see docs/form-files.md). fromJson raises
    // "Type mismatch" naming the context and key for a value it cannot read.
    QJsonObject toJson() const;
    static PropertyBag fromJson(const QJsonObject& json, const QString& context);

    static QJsonValue valueToJson(const QVariant& value);
    static QVariant valueFromJson(const QJsonValue& json, bool* ok);

private:
    qsizetype indexOf(const QString& key) const;

    QString context_;
    QList<std::pair<QString, QVariant>> entries_;
};

// True when two property values are the same for the bag's default rule:
// numbers (and booleans and colours) by value, strings exactly, fonts by
// every attribute, pictures by pixels, Null with Null, Empty with Empty.
ORX_HOST_EXPORT bool samePropertyValue(const QVariant& a, const QVariant& b);

}  // namespace orx::host
