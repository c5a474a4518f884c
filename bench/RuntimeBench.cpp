// The classic conversions and profile reads beside the nearest Qt facility,
// measured in the same run so the two columns compare directly.
#include "platform/basic/Convert.h"
#include "platform/basic/Dates.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Regional.h"
#include "platform/profile/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace orx::basic;

namespace {

const QStringList& numberTexts()
{
    static const QStringList texts = {
        QStringLiteral("1234,56"), QStringLiteral("-0,5"), QStringLiteral("1.234.567,891"),
        QStringLiteral("  42  "), QStringLiteral("12abc"), QStringLiteral("(17,5)"),
    };
    return texts;
}

const QStringList& dateTexts()
{
    static const QStringList texts = {
        QStringLiteral("31/12/2003"), QStringLiteral("1/2/29"), QStringLiteral("29/02/2024 13:45:10"),
        QStringLiteral("31/02/2020"), QStringLiteral("12:30"),
    };
    return texts;
}

const double kNumbers[] = {0.0, 1.5, -1234.5678, 1234567.891, 0.004999, 9.9999999};

struct Italian {
    ScopedRegional scope{RegionalSettings::italian()};
};

void BM_FormatNumber(benchmark::State& state)
{
    Italian it;
    for (auto _ : state) {
        for (double x : kNumbers)
            benchmark::DoNotOptimize(formatNumber(x, QStringLiteral("#,##0.00;-#,##0.00")));
    }
    state.SetItemsProcessed(state.iterations() * std::size(kNumbers));
}
BENCHMARK(BM_FormatNumber);

void BM_QLocaleToString(benchmark::State& state)
{
    const QLocale locale(QLocale::Italian, QLocale::Italy);
    for (auto _ : state) {
        for (double x : kNumbers)
            benchmark::DoNotOptimize(locale.toString(x, 'f', 2));
    }
    state.SetItemsProcessed(state.iterations() * std::size(kNumbers));
}
BENCHMARK(BM_QLocaleToString);

void BM_FormatDate(benchmark::State& state)
{
    Italian it;
    const QDateTime when = fromSerial(37986.5625);
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatDate(when, QStringLiteral("dd/mm/yyyy hh:nn:ss")));
        benchmark::DoNotOptimize(formatDate(when, QStringLiteral("General Date")));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_FormatDate);

void BM_QLocaleDateToString(benchmark::State& state)
{
    const QLocale locale(QLocale::Italian, QLocale::Italy);
    const QDateTime when = fromSerial(37986.5625);
    for (auto _ : state) {
        benchmark::DoNotOptimize(locale.toString(when, QStringLiteral("dd/MM/yyyy HH:mm:ss")));
        benchmark::DoNotOptimize(locale.toString(when, QLocale::ShortFormat));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_QLocaleDateToString);

void BM_IsNumeric(benchmark::State& state)
{
    Italian it;
    for (auto _ : state) {
        for (const QString& t : numberTexts())
            benchmark::DoNotOptimize(isNumericText(t));
    }
    state.SetItemsProcessed(state.iterations() * numberTexts().size());
}
BENCHMARK(BM_IsNumeric);

void BM_QLocaleToDouble(benchmark::State& state)
{
    const QLocale locale(QLocale::Italian, QLocale::Italy);
    for (auto _ : state) {
        for (const QString& t : numberTexts()) {
            bool ok = false;
            benchmark::DoNotOptimize(locale.toDouble(t, &ok));
            benchmark::DoNotOptimize(ok);
        }
    }
    state.SetItemsProcessed(state.iterations() * numberTexts().size());
}
BENCHMARK(BM_QLocaleToDouble);

void BM_CDate(benchmark::State& state)
{
    Italian it;
    for (auto _ : state) {
        for (const QString& t : dateTexts())
            benchmark::DoNotOptimize(parseDate(t));
    }
    state.SetItemsProcessed(state.iterations() * dateTexts().size());
}
BENCHMARK(BM_CDate);

void BM_QLocaleToDate(benchmark::State& state)
{
    const QLocale locale(QLocale::Italian, QLocale::Italy);
    for (auto _ : state) {
        for (const QString& t : dateTexts())
            benchmark::DoNotOptimize(locale.toDate(t, QStringLiteral("dd/MM/yyyy")));
    }
    state.SetItemsProcessed(state.iterations() * dateTexts().size());
}
BENCHMARK(BM_QLocaleToDate);

// A preset file of a realistic size: a few sections of a few dozen keys.
QString presetFile(const QTemporaryDir& dir)
{
    const QString path = dir.path() + QStringLiteral("/ORX_TxtBox.INI");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        for (int s = 0; s < 6; ++s) {
            file.write(QStringLiteral("[Section%1]\r\n").arg(s).toUtf8());
            for (int k = 0; k < 40; ++k)
                file.write(QStringLiteral("Key%1=Value %2 of section %3\r\n").arg(k).arg(k).arg(s).toUtf8());
        }
    }
    return path;
}

void BM_ProfileRead(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = presetFile(dir);
    for (auto _ : state) {
        QString buffer(255, QChar(0));
        benchmark::DoNotOptimize(orx::profile::getPrivateProfileString(
            QStringLiteral("section5"), QStringLiteral("KEY39"), QString(), buffer, 255, path));
    }
}
BENCHMARK(BM_ProfileRead);

void BM_QSettingsRead(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = presetFile(dir);
    for (auto _ : state) {
        QSettings settings(path, QSettings::IniFormat);
        benchmark::DoNotOptimize(settings.value(QStringLiteral("Section5/Key39")));
    }
}
BENCHMARK(BM_QSettingsRead);

}  // namespace

BENCHMARK_MAIN();
