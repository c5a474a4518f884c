// The classic conversions and profile reads beside the nearest Qt facility,
// measured in the same run so the two columns compare directly.
#include "bench/Compare.h"
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
    if (formatNumber(1234.5678, QStringLiteral("#,##0.00;-#,##0.00")) != QLatin1String("1.234,57"))
        state.SkipWithError("Format gave a wrong result");
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
    if (locale.toString(1234.5678, 'f', 2) != QLatin1String("1.234,57"))
        state.SkipWithError("QLocale gave a wrong result");
    for (auto _ : state) {
        for (double x : kNumbers)
            benchmark::DoNotOptimize(locale.toString(x, 'f', 2));
    }
    state.SetItemsProcessed(state.iterations() * std::size(kNumbers));
}
BENCHMARK(BM_QLocaleToString);
ORX_COMPARE(FormatNumber, "BM_FormatNumber", "BM_QLocaleToString", orx::bench::AtMost, 3.0);

void BM_FormatDate(benchmark::State& state)
{
    Italian it;
    const QDateTime when = fromSerial(37986.5625);
    if (formatDate(when, QStringLiteral("dd/mm/yyyy hh:nn:ss")) != QLatin1String("31/12/2003 13:30:00"))
        state.SkipWithError("Format gave a wrong date");
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
ORX_COMPARE(FormatDate, "BM_FormatDate", "BM_QLocaleDateToString", orx::bench::AtMost, 3.0);

void BM_IsNumeric(benchmark::State& state)
{
    Italian it;
    if (!isNumericText(QStringLiteral("1234,56")) || isNumericText(QStringLiteral("12abc")))
        state.SkipWithError("IsNumeric gave a wrong result");
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
ORX_COMPARE(IsNumeric, "BM_IsNumeric", "BM_QLocaleToDouble", orx::bench::AtMost, 3.0);

void BM_CDate(benchmark::State& state)
{
    Italian it;
    const std::optional<QDateTime> probe = parseDate(QStringLiteral("31/12/2003"));
    if (!probe || probe->date() != QDate(2003, 12, 31))
        state.SkipWithError("CDate gave a wrong date");
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
ORX_COMPARE(CDate, "BM_CDate", "BM_QLocaleToDate", orx::bench::AtMost, 5.0);

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
    long wrong = 0;
    for (auto _ : state) {
        QString buffer(255, QChar(0));
        const int n = orx::profile::getPrivateProfileString(QStringLiteral("section5"), QStringLiteral("KEY39"),
                                                            QString(), buffer, 255, path);
        wrong += buffer.left(n) != QLatin1String("Value 39 of section 5");
    }
    if (wrong != 0)
        state.SkipWithError("the profile read did not find the key");
}
BENCHMARK(BM_ProfileRead);

void BM_QSettingsRead(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = presetFile(dir);
    long wrong = 0;
    for (auto _ : state) {
        QSettings settings(path, QSettings::IniFormat);
        wrong += settings.value(QStringLiteral("Section5/Key39")).toString() != QLatin1String("Value 39 of section 5");
    }
    if (wrong != 0)
        state.SkipWithError("QSettings did not find the key");
}
BENCHMARK(BM_QSettingsRead);
// The profile rules re-read the file on every call (QSettings caches it);
// presets are read a handful of times per control, so the budget is loose.
ORX_COMPARE(ProfileRead, "BM_ProfileRead", "BM_QSettingsRead", orx::bench::AtMost, 20.0);

}  // namespace


