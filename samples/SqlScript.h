#pragma once

#include <QString>

// Builds an SQLite database from an SQL script. Statements end with a
// semicolon at the end of a line; "--" lines are comments. The database is
// built beside its final name ("<out>.building") in one transaction and moved
// there only when every statement ran, so `out` is either complete or absent.
// Returns an empty string on success, otherwise what went wrong (with the
// script's line for a failed statement); nothing is left behind then.
QString buildDatabaseFromScript(const QString& scriptPath, const QString& out);
