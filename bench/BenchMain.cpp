// The benchmark main: runs the benchmarks as usual, keeps each result, then
// prints every comparison of Compare.h: the ratio beside its target.
#include "bench/Compare.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace orx::bench {

std::vector<Comparison>& comparisons()
{
    static std::vector<Comparison> all;
    return all;
}

namespace {

// The console output as usual, and each run's figures kept by name.
class KeepingReporter : public benchmark::ConsoleReporter {
public:
    struct Figures {
        double cpuTimePerIteration = 0;
        std::map<std::string, double> counters;
        bool failed = false;
    };

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            Figures& f = figures[run.benchmark_name()];
            f.failed = run.error_occurred;
            // Processor time: steadier than wall time on a busy machine,
            // and every benchmark here runs on one thread.
            f.cpuTimePerIteration = run.GetAdjustedCPUTime();
            for (const auto& [name, counter] : run.counters)
                f.counters[name] = counter.value;
        }
    }

    std::map<std::string, Figures> figures;
};

double figureOf(const KeepingReporter::Figures& f, const std::string& counter, bool& found)
{
    if (counter.empty()) {
        found = f.cpuTimePerIteration > 0;
        return f.cpuTimePerIteration;
    }
    const auto it = f.counters.find(counter);
    found = it != f.counters.end() && it->second > 0;
    return found ? it->second : 0;
}

// Prints the comparisons; returns how many missed their target.
int printComparisons(const KeepingReporter& reporter)
{
    if (comparisons().empty())
        return 0;
    int missed = 0;
    std::printf("\n%-28s %10s  %-14s %s\n", "comparison", "ratio", "target", "verdict");
    for (const Comparison& c : comparisons()) {
        const auto s = reporter.figures.find(c.subject);
        const auto a = reporter.figures.find(c.anchor);
        const char* sign = c.direction == AtMost ? "<=" : ">=";
        if (s == reporter.figures.end() || a == reporter.figures.end()) {
            std::printf("%-28s %10s  %s %.2fx  not run (filtered out)\n", c.name.c_str(), "-", sign, c.target);
            continue;
        }
        bool subjectFound = false, anchorFound = false;
        const double subject = figureOf(s->second, c.counter, subjectFound);
        const double anchor =
            figureOf(a->second, c.anchorCounter.empty() ? c.counter : c.anchorCounter, anchorFound);
        if (s->second.failed || a->second.failed || !subjectFound || !anchorFound) {
            std::printf("%-28s %10s  %s %.2fx  FAILED: a run did not take its real path\n", c.name.c_str(), "-",
                        sign, c.target);
            ++missed;
            continue;
        }
        const double ratio = subject / anchor;
        const bool met = c.direction == AtMost ? ratio <= c.target : ratio >= c.target;
        missed += met ? 0 : 1;
        const std::string what = c.counter.empty()
                                     ? c.subject + " / " + c.anchor
                                     : c.subject + "[" + c.counter + "] / " + c.anchor + "[" +
                                           (c.anchorCounter.empty() ? c.counter : c.anchorCounter) + "]";
        char target[32];
        std::snprintf(target, sizeof target, "%s %.2fx", sign, c.target);
        std::printf("%-28s %9.2fx  %-14s %-7s (%s)\n", c.name.c_str(), ratio, target, met ? "met" : "MISSED",
                    what.c_str());
    }
    return missed;
}

}  // namespace
}  // namespace orx::bench

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    orx::bench::KeepingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    orx::bench::printComparisons(reporter);
    return 0;
}
