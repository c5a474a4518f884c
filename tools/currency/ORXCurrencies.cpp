#include "tools/currency/ORXCurrencies.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Convert.h"
#include "platform/basic/Numbers.h"
#include "platform/profile/ProfileFile.h"
#include "tools/currency/CurrencyFile.h"

namespace orx::tools {

namespace {

// A value of the user's regional settings, read like a value of the file.
QVariant intlValue(const char* key, const QVariant& defaultValue)
{
    QString buffer(255, QChar(0));
    const int length = profile::getProfileString(QStringLiteral("intl"), QLatin1String(key), QString(), buffer, 255);
    if (length == 0)
        return defaultValue;
    return buffer.remove(QChar(0));
}

}  // namespace

ORXCurrencies::ORXCurrencies(QObject* parent)
    : QObject(parent)
{
}

ORXCurrency* ORXCurrencies::CurrencyByIndex(int Index) const
{
    if (Index < 1 || Index > Count())
        return nullptr;
    return records_[Index - 1];
}

ORXCurrency* ORXCurrencies::CurrencyByName(const QString& Name) const
{
    for (ORXCurrency* record : records_) {
        if (record->Name().compare(Name, Qt::CaseInsensitive) == 0)
            return record;
    }
    return nullptr;
}

bool ORXCurrencies::ExistsCurrency(const QString& Name) const
{
    return CurrencyByName(Name) != nullptr;
}

void ORXCurrencies::setPathINI(const QString& path)
{
    pathIni_ = path;
    partialLoad_.clear();
    // A folder written the Linux way already ends in its separator.
    if (!pathIni_.isEmpty() && !pathIni_.endsWith(QLatin1Char('\\')) && !pathIni_.endsWith(QLatin1Char('/')))
        pathIni_ += QLatin1Char('\\');
}

QString ORXCurrencies::filePath() const
{
    return CurrencyFilePath(pathIni_);
}

void ORXCurrencies::removeAt(qsizetype index)
{
    // A caller may still be reading the record it came from (a handler
    // that removes it, say); it goes once control is back in the event loop.
    records_.takeAt(index)->deleteLater();
}

void ORXCurrencies::Clear()
{
    while (!records_.isEmpty())
        removeAt(records_.size() - 1);
    partialLoad_.clear();
}

void ORXCurrencies::Compact()
{
    while (!records_.isEmpty() && records_.last()->IsClear())
        removeAt(records_.size() - 1);
}

void ORXCurrencies::Fill(short NewCount)
{
    while (Count() < NewCount)
        NewCurrency();
}

ORXCurrency* ORXCurrencies::NewCurrency()
{
    auto* record = new ORXCurrency(this);
    record->setNameGuard(true);
    records_.append(record);
    return record;
}

int ORXCurrencies::RemoveCurrency(int Index)
{
    if (Index >= 1 && Index <= Count())
        removeAt(Index - 1);
    return Count();
}

ORXCurrency* ORXCurrencies::LoadCurrency(const profile::ProfileReader& file, const QString& name)
{
    ORXCurrency* record = NewCurrency();
    record->setName(name);
    record->setSymbol(ReadCurrencyValue(file, name, QStringLiteral("Symbol"), QString()).toString());
    const QVariant decimals = ReadCurrencyValue(file, name, QStringLiteral("Decimals"), 0);
    record->setDecimals(basic::cint(decimals.typeId() == QMetaType::QString ? LeadingNumber(decimals.toString())
                                                                              : decimals.toDouble()));
    record->setLayout(BuildLayout(record->Symbol(), record->Decimals()));
    record->setLayoutNoSymb(BuildLayout(QString(), record->Decimals()));
    record->setEuroChange(basic::cdbl(ReadCurrencyValue(file, name, QStringLiteral("EuroChange"), 0.0)));
    return record;
}

void ORXCurrencies::Refresh()
{
    Clear();
    ORXCurrency* system = NewCurrency();
    system->setNameGuard(false);
    system->setName(SystemCurrencyName());
    system->setSymbol(intlValue("sCurrency", QString()).toString());
    system->setDecimals(basic::cint(intlValue("ICurrDigits", 0)));
    system->setLayout(BuildLayout(system->Symbol(), system->Decimals()));
    system->setLayoutNoSymb(BuildLayout(QString(), system->Decimals()));
    system->setEuroChange(0.0);
    system->setNameGuard(true);

    // The file is read once; every currency is looked up in that reading.
    const profile::ProfileReader file(filePath());
    const QString list = ReadCurrencyList(file);
    if (list.isEmpty())
        return;
    // Empty elements are loaded too: each keeps a cleared record's place.
    try {
        for (const QString& name : list.split(CurrencyListSeparator, Qt::KeepEmptyParts))
            LoadCurrency(file, name);
    } catch (const basic::BasicError& e) {
        partialLoad_ = e.description();
        throw;
    } catch (...) {
        partialLoad_ = tr("it could not be read");
        throw;
    }
}

void ORXCurrencies::Update()
{
    if (!partialLoad_.isEmpty())
        basic::raiseError(basic::err::PathFileAccessError, QStringLiteral("ORXCurrencies.Update"),
                          tr("%1 was read only in part (%2); it is not replaced by the currencies read before the "
                             "failure. Refresh it once it is mended, or Clear the list to write a new one.")
                              .arg(filePath(), partialLoad_));
    QList<CurrencyEntry> entries;
    for (const ORXCurrency* record : std::as_const(records_)) {
        // Exactly the name a stored currency cannot have, as Refresh refuses
        // it: "system" in another case is an ordinary currency and is kept.
        if (record->Name() == SystemCurrencyName())
            continue;
        entries.append({record->Name(), record->Symbol(), record->Decimals(), record->EuroChange()});
    }
    QString error;
    if (!WriteCurrencyFile(filePath(), entries, &error))
        basic::raiseError(basic::err::PathFileAccessError, QStringLiteral("ORXCurrencies.Update"), error);
}

}  // namespace orx::tools
