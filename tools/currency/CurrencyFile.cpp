#include "tools/currency/CurrencyFile.h"

#include "platform/basic/Convert.h"
#include "platform/basic/Strings.h"
#include "platform/profile/AtomicFile.h"
#include "platform/profile/IniDocument.h"
#include "platform/profile/ProfileFile.h"

#include <cmath>
#include <QCoreApplication>
#include <QFileInfo>
#include <string>

namespace orx::tools {

namespace {

// The profile service fills a buffer of this many characters.
constexpr int BufferLength = 255;

QString withoutNuls(QString text)
{
    text.remove(QChar(0));
    return text;
}

bool fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

QString nameProblem(const QString& name)
{
    if (name.contains(CurrencyListSeparator))
        return QCoreApplication::translate("CurrencyFile", "the currency name \"%1\" holds the list separator '|'")
                   .arg(name);
    if (basic::isBlank(name))
        return QCoreApplication::translate("CurrencyFile", "the currency name \"%1\" is made of spaces only").arg(name);
    return {};
}

}  // namespace

QString CurrencyFilePath(const QString& pathIni)
{
    return pathIni + QLatin1String(CurrencyFileName);
}

QVariant ReadCurrencyValue(const profile::ProfileReader& file, const QString& section, const QString& key,
                           const QVariant& defaultValue)
{
    QString buffer(BufferLength, QChar(0));
    const int length = file.getString(section, key, QString(), buffer, BufferLength);
    if (length == 0)
        return defaultValue;
    return withoutNuls(buffer);
}

QString ReadCurrencyList(const profile::ProfileReader& file)
{
    const std::optional<QString> list = file.value(QLatin1String(CurrencyListSection), QLatin1String(CurrencyListKey));
    return list ? withoutNuls(*list) : QString();
}

double LeadingNumber(const QString& text)
{
    std::string number;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        number += char(text[i++].unicode());
    bool digits = false;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        number += char(text[i].unicode());
        digits = true;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        number += '.';
        for (++i; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
            number += char(text[i].unicode());
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    // The "C" locale's strtod reads exactly this grammar; a run of digits
    // beyond the Double range becomes infinity, which the caller's integer
    // conversion refuses as an overflow.
    return std::strtod(number.c_str(), nullptr);
}

bool BuildCurrencyFileText(const QList<CurrencyEntry>& entries, QByteArray& text, QString* error)
{
    profile::IniDocument document = profile::IniDocument::parse(QByteArray());
    QString list;
    for (const CurrencyEntry& entry : entries) {
        list += CurrencyListSeparator + entry.name;
        if (entry.name.isEmpty())
            continue;
        if (const QString problem = nameProblem(entry.name); !problem.isEmpty())
            return fail(error, problem);
        // A rate without a number's text would come back as a type
        // mismatch on the next Refresh.
        if (!std::isfinite(entry.euroChange))
            return fail(error, QCoreApplication::translate("CurrencyFile", "currency \"%1\": the rate %2 is not a finite number")
                                   .arg(entry.name, QString::number(entry.euroChange)));
        // The profile service trims names; so does reading them back.
        const QString section = basic::trimSpaces(entry.name);
        const std::pair<const char*, QString> values[] = {
            {"Symbol", entry.symbol},
            {"Decimals", QString::number(entry.decimals)},
            {"EuroChange", basic::cstr(entry.euroChange)},
        };
        for (const auto& [key, value] : values) {
            const QString problem = profile::unstorableReason(section, QLatin1String(key), value);
            if (!problem.isEmpty())
                return fail(error, QStringLiteral("currency \"%1\": %2").arg(entry.name, problem));
            document.setValue(section, QLatin1String(key), value);
        }
    }
    list.remove(0, 1);
    if (!list.isEmpty()) {
        const QString problem = profile::unstorableReason(QLatin1String(CurrencyListSection),
                                                          QLatin1String(CurrencyListKey), list);
        if (!problem.isEmpty())
            return fail(error, problem);
        document.setValue(QLatin1String(CurrencyListSection), QLatin1String(CurrencyListKey), list);
    }
    text = document.serialize();
    return true;
}

bool WriteCurrencyFile(const QString& file, const QList<CurrencyEntry>& entries, QString* error)
{
    QByteArray text;
    if (!BuildCurrencyFileText(entries, text, error))
        return false;
    const QString path = profile::resolveProfilePath(file);
    if (!text.isEmpty())
        return profile::replaceFileAtomically(path, text, error);
    QFile old(path);
    // Only a catalogue file is deleted; a pipe or a folder of that name stays.
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile())
        return fail(error, QCoreApplication::translate("CurrencyFile", "Cannot delete %1: it is not a regular file")
                               .arg(path));
    if (old.exists() && !old.remove())
        return fail(error, QCoreApplication::translate("CurrencyFile", "Cannot delete %1: %2")
                               .arg(path, old.errorString()));
    return true;
}

}  // namespace orx::tools
