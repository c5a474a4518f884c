#pragma once

#include "platform/profile/ProfileFile.h"
#include "tools/common/ToolsExport.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

// The currency file ORXCurrency.INI: one section per stored currency with
// "Symbol", "Decimals" and "EuroChange", then "Complete"/"List" naming the
// currencies in order, joined by "|". Values are text in the user's
// regional format.
namespace orx::tools {

inline constexpr const char* CurrencyFileName = "ORXCurrency.INI";
inline constexpr const char* CurrencyListSection = "Complete";
inline constexpr const char* CurrencyListKey = "List";
inline constexpr QChar CurrencyListSeparator = QLatin1Char('|');

// The file in a folder given the way PathINI holds it (ending in a
// separator, or empty for the profile service's folder of bare names).
ORX_TOOLS_EXPORT QString CurrencyFilePath(const QString& pathIni);

// One value as the profile service hands it over: at most 254 characters,
// NULs removed; `defaultValue` unchanged when the file, section or key is
// missing or the value is empty. `file` is the file as read once for a
// whole refresh.
ORX_TOOLS_EXPORT QVariant ReadCurrencyValue(const profile::ProfileReader& file, const QString& section,
                                            const QString& key, const QVariant& defaultValue);

// "Complete"/"List" read whole, however long, NULs removed; "" when missing.
// A cut list would make a later Update drop the currencies past the cut.
ORX_TOOLS_EXPORT QString ReadCurrencyList(const profile::ProfileReader& file);

// The leading number of a text: an optional sign, digits and a "." fraction,
// up to the first other character; 0 when the text does not start with one.
ORX_TOOLS_EXPORT double LeadingNumber(const QString& text);

// A currency as the file holds it.
struct ORX_TOOLS_EXPORT CurrencyEntry {
    QString name;
    QString symbol;
    short decimals = 0;
    double euroChange = 0.0;
};

// The complete text of a file for these currencies, in order: each named
// currency's section, then "Complete"/"List" when the list is not empty.
// An empty name is kept as an empty element of the list and has no section.
// Empty when there is nothing to store. Fails (returning false with the
// reason) for a name or a value the file cannot hold so that it reads back
// the same: a name with "|", "]" or a line break, a name of blanks only, a
// symbol with a line break, a rate that is infinite or not a number.
ORX_TOOLS_EXPORT bool BuildCurrencyFileText(const QList<CurrencyEntry>& entries, QByteArray& text,
                                            QString* error = nullptr);

// Replaces the file with the text of these currencies in one step: the new
// file is written completely beside the old one and then takes its place,
// so a crash or a full disk leaves the old catalogue whole. Nothing to
// store deletes the file. Returns false with the reason when the text
// cannot be built or the file cannot be written or deleted; the old file is
// then left as it was.
ORX_TOOLS_EXPORT bool WriteCurrencyFile(const QString& file, const QList<CurrencyEntry>& entries,
                                        QString* error = nullptr);

}  // namespace orx::tools
