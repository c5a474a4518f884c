#include "samples/SqlScript.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <QUuid>

namespace {

QString runScript(QFile& script, const QString& scriptPath, const QString& temp)
{
    const QString connection = QStringLiteral("sql-script-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(temp);
        if (!db.open()) {
            error = QStringLiteral("cannot create %1: %2").arg(temp, db.lastError().text());
        } else {
            QSqlQuery q(db);
            q.exec(QStringLiteral("BEGIN"));
            QString statement;
            int line = 0, startLine = 1;
            QTextStream in(&script);
            while (!in.atEnd() && error.isEmpty()) {
                const QString text = in.readLine();
                ++line;
                if (statement.isEmpty()) {
                    if (text.trimmed().isEmpty() || text.trimmed().startsWith(QLatin1String("--")))
                        continue;
                    startLine = line;
                }
                statement += text + QLatin1Char('\n');
                if (text.trimmed().endsWith(QLatin1Char(';'))) {
                    if (!q.exec(statement))
                        error = QStringLiteral("%1:%2: %3").arg(scriptPath).arg(startLine).arg(q.lastError().text());
                    statement.clear();
                }
            }
            if (error.isEmpty() && !statement.trimmed().isEmpty())
                error = QStringLiteral("%1:%2: the last statement has no closing semicolon").arg(scriptPath).arg(startLine);
            if (!q.exec(error.isEmpty() ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK")) && error.isEmpty())
                error = QStringLiteral("cannot write %1: %2").arg(temp, q.lastError().text());
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

}  // namespace

QString buildDatabaseFromScript(const QString& scriptPath, const QString& out)
{
    QFile script(scriptPath);
    if (!script.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("cannot read %1: %2").arg(scriptPath, script.errorString());
    const QString temp = out + QStringLiteral(".building");
    QFile::remove(temp);
    const QString error = runScript(script, scriptPath, temp);
    if (!error.isEmpty()) {
        QFile::remove(temp);
        return error;
    }
    QFile::remove(out);
    if (!QFile::rename(temp, out)) {
        QFile::remove(temp);
        return QStringLiteral("cannot move the database to %1").arg(out);
    }
    return QString();
}
