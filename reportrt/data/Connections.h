#pragma once

#include "reportrt/ReportRTExport.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>

// Where a table's data is and how to reach it. A location is the path of an
// SQLite database file (relative paths are taken from the report file's
// folder), `postgresql://user@host:port/database`, or `odbc:` followed by a
// DSN or an ODBC connection string. One
// Connections object opens each location once for a run (a sub-report run
// per record reuses the connection) and closes them all when it goes.
// Passwords are used to log on and are never part of an error text.
namespace orx::reportrt::data {

struct ORX_REPORTRT_EXPORT Location {
    enum class Kind { SQLite, PostgreSQL, Odbc } kind = Kind::SQLite;
    QString text;       // as given, for keys
    QString shown;      // for messages: without any password
    QString driver;     // Qt SQL driver name
    QString database;   // file path, database name or DSN
    QString host;
    int port = -1;
    QString user;
    QString urlPassword;  // a password written in the location (URL, or PWD= of a connection string)

    // Parses `text`; relative SQLite paths are resolved against `baseDir`.
    static Location parse(const QString& text, const QString& baseDir);
};

class ORX_REPORTRT_EXPORT Connections {
public:
    Connections();
    ~Connections();
    Connections(const Connections&) = delete;
    Connections& operator=(const Connections&) = delete;

    // The open connection to a location, opened on first use with the given
    // log-on. Raises DataUnavailable naming the table and location when it
    // cannot be opened.
    QSqlDatabase open(const Location& location, const QString& user, const QString& password, const QString& table);

private:
    QString prefix_;
    QHash<QString, QString> names_;  // location key -> connection name
};

// Quotes an SQL identifier ("schema"."table" for a dotted name).
ORX_REPORTRT_EXPORT QString quoteIdentifier(const QString& name);

}  // namespace orx::reportrt::data
