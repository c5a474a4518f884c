#include "reportrt/data/Connections.h"

#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <QUrlQuery>

namespace orx::reportrt::data {

namespace {

[[noreturn]] void unavailable(const QString& table, const Location& location, const QString& why)
{
    raiseRuntimeError(rterr::DataUnavailable, rterr::source(),
                      QStringLiteral("Cannot open the data of table %1 at %2: %3").arg(table, location.shown, why));
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
        // A DSN string may carry PWD=...; keep it out of messages.
        QStringList parts = l.database.split(QLatin1Char(';'));
        for (QString& p : parts) {
            if (p.trimmed().startsWith(QLatin1String("PWD="), Qt::CaseInsensitive))
                p = QStringLiteral("PWD=***");
        }
        l.shown = QStringLiteral("odbc:") + parts.join(QLatin1Char(';'));
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
        db.setUserName(user.isEmpty() ? location.user : user);
        db.setPassword(password.isEmpty() ? location.urlPassword : password);
        db.setConnectOptions(QStringLiteral("connect_timeout=10"));
        if (location.kind == Location::Kind::Odbc)
            db.setConnectOptions(QString());
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
