#include "platform/profile/ProfileFile.h"

#include "platform/basic/Regional.h"
#include "platform/basic/Strings.h"
#include "platform/profile/AtomicFile.h"
#include "platform/profile/IniDocument.h"
#include "platform/profile/RegularFile.h"

#include <algorithm>
#include <mutex>
#include <QCoreApplication>
#include <QDir>
#include <utility>

namespace orx::profile {

namespace {

std::mutex& bareFolderMutex()
{
    static std::mutex mutex;
    return mutex;
}

QString& bareFolderStorage()
{
    static QString folder;
    return folder;
}

// Reading, editing and replacing a file is one step for the whole process,
// so two threads writing the same file cannot lose each other's change.
std::mutex& writeMutex()
{
    static std::mutex mutex;
    return mutex;
}

struct Loaded {
    enum class Status { Missing, Read, Failed } status = Status::Missing;
    IniDocument document;
    QString error;
};

// Settings files are small; one past this size is not read at all, so that
// every look-up and write stays quick and small (each one reads the file
// whole). Reading it gives the callers' defaults, writing it an error.
constexpr qint64 kMaxProfileBytes = 16 * 1024 * 1024;

Loaded load(const QString& path)
{
    Loaded result;
    FileContent content = readRegularFile(path, kMaxProfileBytes);
    switch (content.status) {
    case FileContent::Status::Missing:
        return result;
    case FileContent::Status::Failed:
        result.status = Loaded::Status::Failed;
        result.error = content.error;
        return result;
    case FileContent::Status::Read:
        break;
    }
    result.status = Loaded::Status::Read;
    result.document = IniDocument::parse(content.bytes);
    return result;
}

void ensureBuffer(QString& buffer, int size)
{
    if (buffer.size() < size)
        buffer.append(QString(size - buffer.size(), QChar(0)));
}

int copyValue(const QString& text, QString& buffer, int size)
{
    if (size <= 0)
        return 0;
    ensureBuffer(buffer, size);
    const qsizetype count = std::min<qsizetype>(text.size(), size - 1);
    buffer.replace(qsizetype(0), count, text.constData(), count);
    buffer[count] = QChar(0);
    return static_cast<int>(count);
}

int copyList(const QStringList& names, QString& buffer, int size)
{
    if (size <= 0)
        return 0;
    ensureBuffer(buffer, size);
    QString list;
    for (const QString& name : names)
        list += name + QChar(0);
    list += QChar(0);
    if (list.size() <= size) {
        buffer.replace(0, list.size(), list);
        return static_cast<int>(list.size() - 1);
    }
    if (size < 2) {
        buffer[0] = QChar(0);
        return 0;
    }
    const qsizetype count = size - 2;
    buffer.replace(qsizetype(0), count, list.constData(), count);
    buffer[count] = QChar(0);
    buffer[count + 1] = QChar(0);
    return static_cast<int>(count);
}

QList<std::pair<QString, QString>> intlValues()
{
    const basic::RegionalSettings& r = basic::regional();
    QString order;
    switch (r.dateOrder) {
    case basic::DateOrder::MonthDayYear: order = QStringLiteral("0"); break;
    case basic::DateOrder::DayMonthYear: order = QStringLiteral("1"); break;
    case basic::DateOrder::YearMonthDay: order = QStringLiteral("2"); break;
    }
    return {
        {QStringLiteral("sDecimal"), r.decimalSeparator},
        {QStringLiteral("sThousand"), r.thousandsSeparator},
        {QStringLiteral("sCurrency"), r.currencySymbol},
        {QStringLiteral("iCurrDigits"), QString::number(r.currencyDigits)},
        {QStringLiteral("sDate"), r.dateSeparator},
        {QStringLiteral("sTime"), r.timeSeparator},
        {QStringLiteral("sShortDate"), r.shortDatePattern},
        {QStringLiteral("iDate"), order},
        {QStringLiteral("s1159"), r.amDesignator},
        {QStringLiteral("s2359"), r.pmDesignator},
        {QStringLiteral("sLongDate"), r.longDatePattern},
    };
}

}  // namespace

void setBareNameFolder(const QString& folder)
{
    std::lock_guard lock(bareFolderMutex());
    bareFolderStorage() = folder;
}

QString bareNameFolder()
{
    std::lock_guard lock(bareFolderMutex());
    return bareFolderStorage().isEmpty() ? QDir::currentPath() : bareFolderStorage();
}

QString resolveProfilePath(const QString& fileName)
{
    QString path = fileName;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.isEmpty() && !path.contains(QLatin1Char('/')))
        path = bareNameFolder() + QLatin1Char('/') + path;
    return path;
}

ProfileReader::ProfileReader(const QString& fileName)
{
    if (fileName.isEmpty())
        return;
    Loaded loaded = load(resolveProfilePath(fileName));
    if (loaded.status == Loaded::Status::Read)
        document_ = std::move(loaded.document);
}

std::optional<QString> ProfileReader::value(const QString& section, const QString& key) const
{
    return document_.value(basic::trimSpaces(section), basic::trimSpaces(key));
}

int ProfileReader::getString(const QString& section, const QString& key, const QString& defaultValue,
                             QString& buffer, int size) const
{
    if (section.isNull())
        return copyList(sections(), buffer, size);
    if (key.isNull())
        return copyList(keys(section), buffer, size);
    const std::optional<QString> found = value(section, key);
    return copyValue(found ? *found : basic::trimTrailingSpaces(defaultValue), buffer, size);
}

QStringList ProfileReader::sections() const
{
    return document_.sections();
}

QStringList ProfileReader::keys(const QString& section) const
{
    return document_.keys(basic::trimSpaces(section));
}

std::optional<QString> readProfileValue(const QString& fileName, const QString& section, const QString& key)
{
    return ProfileReader(fileName).value(section, key);
}

QStringList profileSections(const QString& fileName)
{
    return ProfileReader(fileName).sections();
}

QStringList profileKeys(const QString& fileName, const QString& section)
{
    return ProfileReader(fileName).keys(section);
}

int getPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                            QString& buffer, int size, const QString& fileName)
{
    return ProfileReader(fileName).getString(section, key, defaultValue, buffer, size);
}

bool writePrivateProfileString(const QString& section, const std::optional<QString>& key,
                               const std::optional<QString>& value, const QString& fileName,
                               QString* error)
{
    QString reason;
    const auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (error)
        error->clear();
    if (fileName.isEmpty())
        return fail(QCoreApplication::translate("ProfileFile", "no file name"));

    const QString sectionName = basic::trimSpaces(section);
    const std::optional<QString> keyName = key ? std::optional<QString>(basic::trimSpaces(*key)) : std::nullopt;
    // Only a stored value must survive the trip through one line; deleting
    // a name no line can hold simply finds nothing.
    if (keyName && value) {
        reason = unstorableReason(sectionName, *keyName, *value);
        if (!reason.isEmpty())
            return fail(QCoreApplication::translate("ProfileFile", "Cannot write %1: %2").arg(fileName, reason));
    }

    const QString path = resolveProfilePath(fileName);
    std::lock_guard lock(writeMutex());
    Loaded loaded = load(path);
    if (loaded.status == Loaded::Status::Failed)
        return fail(loaded.error);
    // A file whose text could only be read in part would lose the rest.
    if (!loaded.document.isExact())
        return fail(QCoreApplication::translate("ProfileFile",
                                                "Cannot write %1: its text is not whole UTF-16 after its byte-order mark "
                                                "(an odd number of bytes)")
                        .arg(path));

    bool changed = false;
    if (!keyName)
        changed = loaded.document.removeSection(sectionName);
    else if (!value)
        changed = loaded.document.removeKey(sectionName, *keyName);
    else
        changed = loaded.document.setValue(sectionName, *keyName, *value);

    // Nothing to delete, or the same value again: the file already says
    // what was asked, and a missing file is not created just to stay empty.
    if (!changed)
        return true;
    // What goes to disk must read back as the text meant, and a stored value
    // as itself (a key whose first non-blank character is ';' is a comment
    // line by design).
    const QByteArray bytes = loaded.document.serialize();
    const IniDocument readBack = IniDocument::parse(bytes);
    const bool storedValueReads = !keyName || !value || trimBlanks(*keyName).startsWith(QLatin1Char(';'))
        || readBack.value(sectionName, *keyName) == *value;
    if (!readBack.sameText(loaded.document) || !storedValueReads)
        return fail(QCoreApplication::translate("ProfileFile", "Cannot write %1: the new text would not read back as written")
                        .arg(path));
    if (!replaceFileAtomically(path, bytes, &reason))
        return fail(reason);
    return true;
}

int getProfileString(const QString& section, const QString& key, const QString& defaultValue,
                     QString& buffer, int size)
{
    const auto values = intlValues();
    const bool isIntl = basic::trimSpaces(section).compare(QLatin1String("intl"), Qt::CaseInsensitive) == 0;
    if (section.isNull())
        return copyList({QStringLiteral("intl")}, buffer, size);
    if (key.isNull()) {
        QStringList names;
        if (isIntl) {
            for (const auto& entry : values)
                names << entry.first;
        }
        return copyList(names, buffer, size);
    }
    if (isIntl) {
        const QString name = basic::trimSpaces(key);
        for (const auto& entry : values) {
            if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
                return copyValue(entry.second, buffer, size);
        }
    }
    return copyValue(basic::trimTrailingSpaces(defaultValue), buffer, size);
}

}  // namespace orx::profile
