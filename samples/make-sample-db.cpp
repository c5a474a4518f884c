// Builds an SQLite database from an SQL script: make-sample-db SCRIPT.sql OUT.db.
// The rules of the script are those of buildDatabaseFromScript.
#include "samples/SqlScript.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make-sample-db SCRIPT.sql OUT.db\n");
        return 2;
    }
    const QString error = buildDatabaseFromScript(args[1], args[2]);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "make-sample-db: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
