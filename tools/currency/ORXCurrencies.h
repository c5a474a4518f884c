#pragma once

#include "tools/common/ToolsExport.h"
#include "tools/currency/ORXCurrency.h"

#include "platform/profile/ProfileFile.h"

#include <QList>
#include <QObject>
#include <QString>

namespace orx::tools {

// The ordered currency catalogue of a Currency text box: first the system
// currency taken from the user's regional settings, then the currencies of
// the file ORXCurrency.INI in the folder PathINI. Positions are 1-based;
// names are looked up without regard to case.
//
// The collection owns its records. A record taken out of it (RemoveCurrency,
// Clear, Refresh) is deleted once control returns to the event loop, so a
// pointer obtained earlier must not be kept past that.
class ORX_TOOLS_EXPORT ORXCurrencies : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)
    Q_PROPERTY(QString EuroCurrencyName READ EuroCurrencyName CONSTANT)
    Q_PROPERTY(QString PathINI READ PathINI WRITE setPathINI)
    Q_PROPERTY(QString SystemCurrencyName READ SystemCurrencyName CONSTANT)

public:
    explicit ORXCurrencies(QObject* parent = nullptr);

    int Count() const { return int(records_.size()); }
    // The record at a position, or null outside 1..Count.
    Q_INVOKABLE orx::tools::ORXCurrency* CurrencyByIndex(int Index) const;
    // The first record named `Name` without regard to case, or null.
    Q_INVOKABLE orx::tools::ORXCurrency* CurrencyByName(const QString& Name) const;
    static QString EuroCurrencyName() { return QStringLiteral("Euro"); }
    Q_INVOKABLE bool ExistsCurrency(const QString& Name) const;
    QString PathINI() const { return pathIni_; }
    // A folder name gets a final separator so that the file name can follow
    // it directly; a backslash is added unless it ends in "\" or "/".
    void setPathINI(const QString& path);
    static QString SystemCurrencyName() { return QStringLiteral("System"); }

    Q_INVOKABLE void Clear();
    // Drops cleared records from the end only.
    Q_INVOKABLE void Compact();
    // Appends cleared records until there are at least NewCount.
    Q_INVOKABLE void Fill(short NewCount);
    // A new cleared record with the reserved name guarded, at the end.
    Q_INVOKABLE orx::tools::ORXCurrency* NewCurrency();
    // The system currency, then every currency the file lists, in its
    // order. A failure (a stored currency named "System", a rate that is not
    // a number) stops it and keeps the records loaded so far.
    Q_INVOKABLE void Refresh();
    // Removes the record at Index when it is in 1..Count; the new Count.
    Q_INVOKABLE int RemoveCurrency(int Index);
    // Rewrites the file from the list, every record but the system currency
    // (the one named exactly "System", the name Refresh refuses to load).
    // The old file is replaced only by a complete new one; when that cannot
    // be written, or a name cannot be stored, the old file stays as it was
    // and error 75 (source "ORXCurrencies.Update") says why. After a Refresh
    // of the file that failed, the records are only the part read before the
    // failure: Update refuses to replace that file with them (the rest would
    // be lost) until a Refresh succeeds, Clear empties the list or PathINI
    // names another folder.
    Q_INVOKABLE void Update();

    // The file the collection reads and writes.
    QString filePath() const;

private:
    ORXCurrency* LoadCurrency(const profile::ProfileReader& file, const QString& name);
    void removeAt(qsizetype index);

    QList<ORXCurrency*> records_;
    QString pathIni_;
    // Why the last Refresh stopped part-way (empty when it did not).
    QString partialLoad_;
};

}  // namespace orx::tools
