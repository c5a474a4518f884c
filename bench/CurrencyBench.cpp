// Refresh of a currency catalogue of 10,000 currencies against a plain read
// of the same file through the profile reader, in the same run. Refresh reads
// the file once, so it should cost a small multiple of that one reading
// (building the records and their patterns), not one reading per value.
#include "bench/Compare.h"
#include "platform/basic/Regional.h"
#include "platform/profile/ProfileFile.h"
#include "tools/currency/CurrencyFile.h"
#include "tools/currency/ORXCurrencies.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int kCurrencies = 10000;

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_CurrencyRefresh10000(benchmark::State& state)
{
    orx::basic::ScopedRegional us(orx::basic::RegionalSettings::unitedStates());
    QTemporaryDir dir;
    QList<orx::tools::CurrencyEntry> entries;
    for (int i = 0; i < kCurrencies; ++i)
        entries.append({QStringLiteral("Currency%1").arg(i), QStringLiteral("C%1").arg(i), short(i % 4), 1.0 + i / 8.0});
    const QString pathIni = dir.path() + QLatin1Char('/');
    QString error;
    if (!orx::tools::WriteCurrencyFile(orx::tools::CurrencyFilePath(pathIni), entries, &error)) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }

    double anchor = 0;
    double refresh = 0;
    int loaded = 0;
    for (auto _ : state) {
        // The anchor: one reading of the file and its list, nothing built.
        auto start = Clock::now();
        const orx::profile::ProfileReader reader(orx::tools::CurrencyFilePath(pathIni));
        benchmark::DoNotOptimize(orx::tools::ReadCurrencyList(reader).size());
        anchor += secondsSince(start);

        // A fresh collection each time; destroying it takes its records along.
        orx::tools::ORXCurrencies list;
        list.setPathINI(pathIni);
        start = Clock::now();
        list.Refresh();
        const double seconds = secondsSince(start);
        refresh += seconds;
        state.SetIterationTime(seconds);
        loaded = list.Count() - 1;
    }
    if (loaded != kCurrencies) {
        state.SkipWithError("Refresh did not load every currency");
        return;
    }
    const double n = double(state.iterations());
    state.counters["anchor_ms"] = anchor / n * 1e3;
    state.counters["refresh_ms"] = refresh / n * 1e3;
    state.counters["loaded"] = loaded;
}
BENCHMARK(BM_CurrencyRefresh10000)->UseManualTime()->Unit(benchmark::kMillisecond);
// Refresh may take at most ten times the plain reading of its file.
ORX_COMPARE_COUNTERS(CurrencyRefresh, "BM_CurrencyRefresh10000/manual_time", "refresh_ms",
                     "BM_CurrencyRefresh10000/manual_time", "anchor_ms", orx::bench::AtMost, 10.0);

}  // namespace
