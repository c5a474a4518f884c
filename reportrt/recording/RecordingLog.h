#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

// The log of the recording runtime: every call the engine makes on the
// runtime and its viewers, in order, as one text line each, for example
//   Report.Database.Tables(1).Location = "C:\Data\Shop.mdb"
//   Report.FormulaFields(2).Check -> False
// Property reads ("... -> value") are marked as reads, so that a test can
// look at the actions alone. A test may ask for an error to be raised at the
// first line that begins with a given text (after the line is logged).
namespace orx::reportrt::recording {

class RecordingLog {
public:
    struct Entry {
        QString text;
        bool read = false;
    };

    // Logs an action (a method call or a property write).
    void call(const QString& text);
    // Logs a property read.
    void read(const QString& text);

    QStringList lines() const;    // everything, in order
    QStringList actions() const;  // without the reads
    // The lines (reads included) that begin with `prefix`.
    QStringList matching(const QString& prefix) const;
    // The actions that begin with `prefix`.
    QStringList actionsMatching(const QString& prefix) const;
    int size() const { return int(entries_.size()); }
    void clear() { entries_.clear(); }

    // The next line that begins with `lineStart` raises a RuntimeError with
    // this number, source and description, once.
    void failAt(const QString& lineStart, int number, const QString& description,
                const QString& source = QStringLiteral("Recording report runtime"));

    // Called after every line is logged (before a scripted failure), so a
    // test can act at a precise moment of a run.
    std::function<void(const QString&)> onLine;

private:
    void add(const QString& text, bool read);

    struct Failure {
        QString lineStart;
        int number = 0;
        QString source;
        QString description;
    };

    QList<Entry> entries_;
    QList<Failure> failures_;
};

// A text in double quotes, a quote inside doubled as in BASIC, and control
// characters named in angle brackets (a line feed shows as <LF>), so that a
// log line shows every character and a path keeps its backslashes.
QString quoted(const QString& text);
// A value with its type: Double(12.5), Boolean(True), String("x"),
// Date(2010-06-15 10:30:00), Long(3), Empty, Null.
QString describe(const QVariant& value);

}  // namespace orx::reportrt::recording
