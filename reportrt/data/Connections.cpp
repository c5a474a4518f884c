#include "reportrt/data/Connections.h"

#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <QUrlQuery>

#include <vector>

namespace orx::reportrt::data {

namespace {

[[noreturn]] void unavailable(const QString& table, const Location& location, const QString& why)
{
    raiseRuntimeError(rterr::DataUnavailable, rterr::source(),
                      QStringLiteral("Cannot open the data of table %1 at %2: %3").arg(table, location.shown, why));
}

// The key=value pairs of an ODBC connection string; a value in braces may
// hold ";" and "=". A part without "=" (a bare DSN) has a null value.
std::vector<std::pair<QString, QString>> odbcPairs(const QString& text)
{
    std::vector<std::pair<QString, QString>> pairs;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype end = i;
        while (end < text.size() && text[end] != QLatin1Char(';') && text[end] != QLatin1Char('='))
            ++end;
        const QString key = text.mid(i, end - i);
        if (end >= text.size() || text[end] == QLatin1Char(';')) {
            if (!key.trimmed().isEmpty())
                pairs.emplace_back(key, QString());
            i = end + 1;
            continue;
        }
        qsizetype v = end + 1;
        while (v < text.size() && text[v] == QLatin1Char(' '))
            ++v;
        if (v < text.size() && text[v] == QLatin1Char('{')) {
            // up to the closing brace ("}}" stands for one brace inside)
            qsizetype j = v + 1;
            while (j < text.size()) {
                if (text[j] == QLatin1Char('}')) {
                    if (j + 1 < text.size() && text[j + 1] == QLatin1Char('}')) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            v = j;
        }
        const qsizetype stop = text.indexOf(QLatin1Char(';'), v);
        const qsizetype valueEnd = stop < 0 ? text.size() : stop;
        pairs.emplace_back(key, text.mid(end + 1, valueEnd - end - 1));
        i = valueEnd + 1;
    }
    return pairs;
}

bool isOdbcPasswordKey(const QString& key)
{
    return key.compare(QLatin1String("PWD"), Qt::CaseInsensitive) == 0
           || key.compare(QLatin1String("PASSWORD"), Qt::CaseInsensitive) == 0;
}

QString unbraced(const QString& value)
{
    if (value.size() >= 2 && value.startsWith(QLatin1Char('{')) && value.endsWith(QLatin1Char('}')))
        return value.mid(1, value.size() - 2).replace(QStringLiteral("}}"), QStringLiteral("}"));
    return value;
}

// A value as a connection string holds it: in braces when it has ; { } or
// blanks at its ends.
QString odbcValue(const QString& value)
{
    if (!value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('{')) && !value.contains(QLatin1Char('}'))
        && value.trimmed() == value)
        return value;
    return QLatin1Char('{') + QString(value).replace(QStringLiteral("}"), QStringLiteral("}}")) + QLatin1Char('}');
}

// The text handed to Qt's ODBC driver for a location: a DSN name, or a
// connection string, with a log-on (user, password) put in place of the
// string's own. Qt's driver puts "DSN=" in front of any text that names no
// DRIVER or SERVER and adds the log-on unquoted, so the DSN goes first,
// without its key, and the log-on is written here, quoted when it must be.
QString odbcConnectText(const QString& database, const QString& user, const QString& password)
{
    const auto pairs = odbcPairs(database);
    if (pairs.size() == 1 && pairs.front().second.isNull() && user.isEmpty() && password.isEmpty())
        return database.trimmed();  // a bare DSN
    QString dsn;
    QStringList rest;
    bool named = false;  // DRIVER=, SERVER= or FILEDSN=: Qt takes the string as it is
    for (const auto& [key, value] : pairs) {
        const QString k = key.trimmed();
        if (value.isNull() || k.compare(QLatin1String("DSN"), Qt::CaseInsensitive) == 0) {
            dsn = value.isNull() ? k : value.trimmed();
            continue;
        }
        if ((!user.isEmpty() && k.compare(QLatin1String("UID"), Qt::CaseInsensitive) == 0)
            || (!password.isEmpty() && isOdbcPasswordKey(k)))
            continue;
        if (k.compare(QLatin1String("DRIVER"), Qt::CaseInsensitive) == 0
            || k.compare(QLatin1String("SERVER"), Qt::CaseInsensitive) == 0
            || k.compare(QLatin1String("FILEDSN"), Qt::CaseInsensitive) == 0)
            named = true;
        rest << k + QLatin1Char('=') + value;
    }
    if (!user.isEmpty())
        rest << QStringLiteral("UID=") + odbcValue(user);
    if (!password.isEmpty())
        rest << QStringLiteral("PWD=") + odbcValue(password);
    if (!dsn.isEmpty())
        rest.prepend(named ? QStringLiteral("DSN=") + dsn : dsn);
    return rest.join(QLatin1Char(';'));
}

}  // namespace

Location Location::parse(const QString& text, const QString& baseDir)
{
    Location l;
    l.text = text;
    l.shown = text;
    if (text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive)) {
        const QUrl url(text);
        l.kind = Kind::PostgreSQL;
        l.driver = QStringLiteral("QPSQL");
        l.user = url.userName();
        l.urlPassword = url.password();
        l.host = url.host();
        l.port = url.port(-1);
        l.database = url.path().mid(1);
        const QUrlQuery q(url);
        if (q.hasQueryItem(QStringLiteral("host")))  // a socket folder: postgresql://user@/db?host=/run/pg
            l.host = q.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
        QUrl shown = url;
        shown.setPassword(QString());
        l.shown = shown.toString();
        return l;
    }
    if (text.startsWith(QLatin1String("odbc:"), Qt::CaseInsensitive)) {
        l.kind = Kind::Odbc;
        l.driver = QStringLiteral("QODBC");
        l.database = text.mid(5);
        // A connection string may carry PWD=...; keep it out of messages.
        QStringList shown;
        for (const auto& [key, value] : odbcPairs(l.database)) {
            const QString k = key.trimmed();
            if (isOdbcPasswordKey(k)) {
                l.urlPassword = unbraced(value.trimmed());
                shown << k + QStringLiteral("=***");
            } else {
                shown << (value.isNull() ? key : key + QLatin1Char('=') + value);
            }
        }
        l.shown = QStringLiteral("odbc:") + shown.join(QLatin1Char(';'));
        return l;
    }
    l.kind = Kind::SQLite;
    l.driver = QStringLiteral("QSQLITE");
    l.database = QFileInfo(text).isAbsolute() || baseDir.isEmpty() ? text : QDir(baseDir).filePath(text);
    l.database = QDir::cleanPath(l.database);
    l.shown = l.database;
    return l;
}

Connections::Connections()
{
    static QAtomicInteger<quint64> counter;
    prefix_ = QStringLiteral("orx-report-%1-").arg(++counter);
}

Connections::~Connections()
{
    for (const QString& name : std::as_const(names_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
}

QSqlDatabase Connections::open(const Location& location, const QString& user, const QString& password, const QString& table)
{
    const QString key = location.driver + QLatin1Char('|') + location.database + QLatin1Char('|') + location.host
                        + QLatin1Char('|') + QString::number(location.port) + QLatin1Char('|')
                        + (user.isEmpty() ? location.user : user);
    if (const auto it = names_.constFind(key); it != names_.constEnd())
        return QSqlDatabase::database(*it, false);

    if (!QSqlDatabase::isDriverAvailable(location.driver))
        unavailable(table, location, QStringLiteral("the database driver %1 is not installed").arg(location.driver));
    if (location.kind == Location::Kind::SQLite) {
        if (location.database.isEmpty())
            unavailable(table, location, QStringLiteral("no database file is given"));
        // SQLite would create a missing file; a report never writes, so a missing file is an error.
        if (!QFileInfo(location.database).isFile())
            unavailable(table, location, QStringLiteral("the database file does not exist"));
    }
    const QString name = prefix_ + QString::number(names_.size());
    QSqlDatabase db = QSqlDatabase::addDatabase(location.driver, name);
    db.setDatabaseName(location.database);
    if (location.kind == Location::Kind::SQLite) {
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    } else {
        if (!location.host.isEmpty())
            db.setHostName(location.host);
        if (location.port > 0)
            db.setPort(location.port);
        if (location.kind == Location::Kind::Odbc) {
            db.setDatabaseName(odbcConnectText(location.database, user, password));
        } else {
            db.setUserName(user.isEmpty() ? location.user : user);
            db.setPassword(password.isEmpty() ? location.urlPassword : password);
            db.setConnectOptions(QStringLiteral("connect_timeout=10"));
        }
    }
    names_.insert(key, name);
    if (!db.open()) {
        QString why = db.lastError().text();
        for (const QString& secret : {password, location.urlPassword}) {
            if (!secret.isEmpty())
                why.replace(secret, QStringLiteral("***"));
        }
        unavailable(table, location, why.isEmpty() ? QStringLiteral("the connection was refused") : why);
    }
    return db;
}

QString quoteIdentifier(const QString& name)
{
    QStringList parts = name.split(QLatin1Char('.'));
    for (QString& p : parts)
        p = QLatin1Char('"') + QString(p).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return parts.join(QLatin1Char('.'));
}

}  // namespace orx::reportrt::data
