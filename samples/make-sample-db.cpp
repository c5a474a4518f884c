// Builds an SQLite database from an SQL script: make-sample-db SCRIPT.sql OUT.db.
// Statements end with a semicolon at the end of a line; "--" lines are comments.
// The database is built beside its final name and moved there when complete.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make-sample-db SCRIPT.sql OUT.db\n");
        return 2;
    }
    QFile script(args[1]);
    if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "make-sample-db: cannot read %s: %s\n", qPrintable(args[1]), qPrintable(script.errorString()));
        return 1;
    }
    const QString temp = args[2] + QStringLiteral(".building");
    QFile::remove(temp);
    int rc = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("build"));
        db.setDatabaseName(temp);
        if (!db.open()) {
            std::fprintf(stderr, "make-sample-db: cannot create %s: %s\n", qPrintable(temp), qPrintable(db.lastError().text()));
            return 1;
        }
        QSqlQuery q(db);
        q.exec(QStringLiteral("BEGIN"));
        QString statement;
        int line = 0, startLine = 1;
        QTextStream in(&script);
        while (!in.atEnd()) {
            const QString text = in.readLine();
            ++line;
            if (statement.isEmpty()) {
                if (text.trimmed().isEmpty() || text.trimmed().startsWith(QLatin1String("--")))
                    continue;
                startLine = line;
            }
            statement += text + QLatin1Char('\n');
            if (text.trimmed().endsWith(QLatin1Char(';'))) {
                if (!q.exec(statement)) {
                    std::fprintf(stderr, "%s:%d: %s\n", qPrintable(args[1]), startLine, qPrintable(q.lastError().text()));
                    rc = 1;
                    break;
                }
                statement.clear();
            }
        }
        if (rc == 0 && !statement.trimmed().isEmpty()) {
            std::fprintf(stderr, "%s:%d: the last statement has no closing semicolon\n", qPrintable(args[1]), startLine);
            rc = 1;
        }
        q.exec(rc == 0 ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("build"));
    if (rc != 0) {
        QFile::remove(temp);
        return rc;
    }
    QFile::remove(args[2]);
    if (!QFile::rename(temp, args[2])) {
        std::fprintf(stderr, "make-sample-db: cannot move the database to %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
