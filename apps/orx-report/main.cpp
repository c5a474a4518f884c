// orx-report: checks and runs report files from the shell.
//   orx-report check FILE.RPT
//   orx-report run FILE.RPT [--param NAME=VALUE]... [--out FILE.csv]
#include "platform/basic/BasicError.h"
#include "reportrt/data/Connections.h"
#include "reportrt/definition/ReportFile.h"
#include "reportrt/export/CsvExport.h"
#include "reportrt/run/CompiledReport.h"
#include "reportrt/run/ReportRun.h"
#include "reportrt/run/RuntimeObjects.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <unistd.h>

using namespace orx::reportrt;

namespace {

void say(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

int usage()
{
    say(QStringLiteral("usage: orx-report check FILE.RPT\n"
                       "       orx-report run FILE.RPT [--param NAME=VALUE]... [--out FILE.csv]\n"
                       "run writes the detail records as displayed to FILE.csv (or to the standard output)."));
    return 2;
}

// Progress on the terminal for long runs: the records done, at most a few times a second.
class Progress : public run::RunObserver {
public:
    void progress(qint64 records) override
    {
        if (!isatty(2))
            return;
        if (!timer_.isValid())
            timer_.start();
        if (timer_.elapsed() - last_ < 250)
            return;
        last_ = timer_.elapsed();
        std::fprintf(stderr, "\r%lld records...", static_cast<long long>(records));
        shown_ = true;
    }
    void done()
    {
        if (shown_)
            std::fprintf(stderr, "\r\033[K");
    }

private:
    QElapsedTimer timer_;
    qint64 last_ = -1000;
    bool shown_ = false;
};

int check(const QString& path)
{
    auto report = run::RtReport::open(path);
    auto& state = report->state();
    // Every formula, selection, group and object: compiling the report checks them all.
    run::compileForCheck(state);
    const auto& d = *state.def;
    std::printf("%s: the report is valid (%zu tables, %zu formulas, %zu parameters, %zu groups, %zu sections, %zu sub-reports)\n",
                qPrintable(path), d.tables.size(), d.formulas.size(), d.parameters.size(), d.groups.size(), d.sections.size(),
                d.subreports.size());
    return 0;
}

int runReport(const QString& path, const QStringList& args)
{
    QString out;
    auto report = run::RtReport::open(path);
    auto& params = report->ParameterFields();
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--out") && i + 1 < args.size()) {
            out = args[++i];
        } else if (args[i] == QLatin1String("--param") && i + 1 < args.size()) {
            const QString pair = args[++i];
            const qsizetype eq = pair.indexOf(QLatin1Char('='));
            if (eq <= 0) {
                say(QStringLiteral("orx-report: --param takes NAME=VALUE, not \"%1\"").arg(pair));
                return 2;
            }
            const QString name = pair.left(eq);
            bool found = false;
            QStringList names;
            for (std::int16_t p = 1; p <= params.Count(); ++p) {
                auto& field = params.Item(p);
                names << field.ParameterFieldName();
                if (field.ParameterFieldName().compare(name, Qt::CaseInsensitive) == 0) {
                    field.SetCurrentValue(pair.mid(eq + 1));
                    found = true;
                }
            }
            if (!found) {
                say(QStringLiteral("orx-report: the report has no parameter %1 (its parameters: %2)")
                        .arg(name, names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "))));
                return 2;
            }
        } else {
            return usage();
        }
    }
    Progress progress;
    QElapsedTimer timer;
    timer.start();
    // Pages go to the CSV as they are made and are not kept: a long report needs no room for all its pages.
    exporting::CsvWriter writer;
    struct ToCsv : layout::PageSink {
        exporting::CsvWriter* writer = nullptr;
        void page(layout::Page&& page) override { writer->addPage(page); }
        void finished(int) override {}
    } sink;
    sink.writer = &writer;
    data::Connections connections;
    run::ReportRun reportRun(report->state(), connections, &progress);
    int totalPages = 0;
    if (reportRun.compiled().usesTotalPageCount()) {
        // Formulas show the page count: count the pages first.
        struct Nowhere : layout::PageSink {
            void page(layout::Page&&) override {}
            void finished(int) override {}
        } nowhere;
        totalPages = reportRun.layout(nowhere, 0);
    }
    const int pageCount = reportRun.layout(sink, totalPages);
    progress.done();
    const QByteArray csv = writer.result();
    if (out.isEmpty())
        std::fwrite(csv.constData(), 1, static_cast<std::size_t>(csv.size()), stdout);
    else
        exporting::writeCsvFile(csv, out);
    say(QStringLiteral("%1: %2 records, %3 pages in %4 ms%5").arg(QFileInfo(path).fileName()).arg(reportRun.recordsReported())
            .arg(pageCount).arg(timer.elapsed())
            .arg(out.isEmpty() ? QString() : QStringLiteral(", details written to %1").arg(out)));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return usage();
    try {
        if (args[0] == QLatin1String("check") && args.size() == 2)
            return check(args[1]);
        if (args[0] == QLatin1String("run"))
            return runReport(args[1], args.mid(2));
        return usage();
    } catch (const orx::basic::BasicError& e) {
        say(QStringLiteral("orx-report: %1 (error %2)").arg(e.description()).arg(e.number()));
        return 1;
    }
}
