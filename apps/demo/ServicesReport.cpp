// The runtime services report of the demo: the classic conversions under two
// regional settings, the profile-file rules, the library's settings files
// and per-user settings.
#include "apps/demo/ServicesReport.h"

#include "platform/app/Application.h"
#include "platform/basic/BasicError.h"
#include "platform/basic/Convert.h"
#include "platform/basic/Dates.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Regional.h"
#include "platform/profile/ProfileFile.h"
#include "platform/profile/UserSettings.h"
#include "tools/common/Library.h"
#include "tools/common/SettingsFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

using namespace orx;
using namespace orx::basic;

namespace {

QTextStream out(stdout);

void heading(const QString& text)
{
    out << "\n" << text << "\n" << QString(text.size(), QLatin1Char('-')) << "\n";
}

// Runs one call and prints its result, or the error it raises.
void row(const QString& call, const std::function<QString()>& result)
{
    QString text;
    try {
        text = QLatin1Char('"') + result() + QLatin1Char('"');
    } catch (const BasicError& e) {
        text = QStringLiteral("error %1 (%2)").arg(e.number()).arg(e.description());
    }
    out << "  " << call.leftJustified(44) << " " << text << "\n";
}

QString yesNo(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }

void conversions(const QString& title, const RegionalSettings& settings)
{
    ScopedRegional scope(settings);
    heading(title);
    out << "  decimal '" << settings.decimalSeparator << "', thousands '" << settings.thousandsSeparator
        << "', date '" << settings.dateSeparator << "', short date " << settings.shortDatePattern
        << ", currency " << settings.currencySymbol << " with " << settings.currencyDigits << " digits\n\n";

    const QDateTime newYearsEve = dateSerial(2003, 12, 31).addSecs(13 * 3600 + 45 * 60);
    row(QStringLiteral("Format(1234567.891, \"#,##0.00\")"), [] { return format(1234567.891, QStringLiteral("#,##0.00")); });
    row(QStringLiteral("Format(0, \"#,###\")"), [] { return format(0.0, QStringLiteral("#,###")); });
    row(QStringLiteral("Format(1, \"#.#\")"), [] { return format(1.0, QStringLiteral("#.#")); });
    row(QStringLiteral("Format(0.5, \"0\"), Format(2.5, \"0\")"), [] { return format(0.5, QStringLiteral("0")) + QStringLiteral(", ") + format(2.5, QStringLiteral("0")); });
    row(QStringLiteral("Format(-1234.5, \"#,##0.00;(#,##0.00)\")"), [] { return format(-1234.5, QStringLiteral("#,##0.00;(#,##0.00)")); });
    row(QStringLiteral("Format(0.175, \"0.0%\")"), [] { return format(0.175, QStringLiteral("0.0%")); });
    row(QStringLiteral("Format(\"5555.5\", \"###,###.00\")"), [] { return format(QStringLiteral("5555.5"), QStringLiteral("###,###.00")); });
    row(QStringLiteral("Format(31/12/2003 13:45, \"dd/mm/yyyy hh:nn\")"), [&] { return format(newYearsEve, QStringLiteral("dd/mm/yyyy hh:nn")); });
    row(QStringLiteral("Format(31/12/2003 13:45, \"General Date\")"), [&] { return format(newYearsEve, QStringLiteral("General Date")); });
    row(QStringLiteral("Format(31/12/2003, \"dddd d mmmm yyyy\")"), [&] { return format(newYearsEve, QStringLiteral("dddd d mmmm yyyy")); });
    row(QStringLiteral("CStr(0.1 + 0.2)"), [] { return cstr(0.1 + 0.2); });
    row(QStringLiteral("Str(459)"), [] { return strText(459); });
    row(QStringLiteral("Val(\" 2 45 7\"), Val(\"&HFFFF\")"), [] { return cstr(val(QStringLiteral(" 2 45 7"))) + QStringLiteral(", ") + cstr(val(QStringLiteral("&HFFFF"))); });
    row(QStringLiteral("CDbl(\"1.5\")"), [] { return cstr(cdbl(QStringLiteral("1.5"))); });
    row(QStringLiteral("CDbl(\"1,5\")"), [] { return cstr(cdbl(QStringLiteral("1,5"))); });
    row(QStringLiteral("CDbl(\"abc\")"), [] { return cstr(cdbl(QStringLiteral("abc"))); });
    row(QStringLiteral("IsNumeric(\"(12)\"), IsNumeric(\"45 Help\")"), [] { return yesNo(isNumeric(QStringLiteral("(12)"))) + QStringLiteral(", ") + yesNo(isNumeric(QStringLiteral("45 Help"))); });
    row(QStringLiteral("CInt(0.5), CInt(1.5), CInt(2.5)"), [] { return QStringLiteral("%1, %2, %3").arg(cint(QVariant(0.5))).arg(cint(QVariant(1.5))).arg(cint(QVariant(2.5))); });
    row(QStringLiteral("CInt(40000)"), [] { return cstr(cint(QVariant(40000))); });
    row(QStringLiteral("Round(0.12345, 4), Round(0.12355, 4)"), [] { return cstr(roundHalfEven(0.12345, 4)) + QStringLiteral(", ") + cstr(roundHalfEven(0.12355, 4)); });
    row(QStringLiteral("CCur(1086.429176)"), [] { return ccur(1086.429176).toString(); });
    row(QStringLiteral("IsDate(\"31/12/2003\"), IsDate(\"31/02/2020\")"), [] { return yesNo(isDate(QStringLiteral("31/12/2003"))) + QStringLiteral(", ") + yesNo(isDate(QStringLiteral("31/02/2020"))); });
    row(QStringLiteral("CDate(\"1/2/29\")"), [] { return cstr(cdate(QStringLiteral("1/2/29"))); });
    row(QStringLiteral("IsDate(\"2.5\") (a time)"), [] { return yesNo(isDate(QStringLiteral("2.5"))); });
    row(QStringLiteral("DateAdd(\"m\", 1, 31/01/1996)"), [] { return cstr(dateAdd(QStringLiteral("m"), 1, dateSerial(1996, 1, 31))); });
    row(QStringLiteral("DateSerial(1990 - 10, 8 - 2, 1 - 1)"), [] { return cstr(dateSerial(1980, 6, 0)); });
    row(QStringLiteral("DateDiff(\"d\", 31/12/2003, 1/3/2004)"), [] { return cstr(static_cast<double>(dateDiff(QStringLiteral("d"), dateSerial(2003, 12, 31), dateSerial(2004, 3, 1)))); });
}

void profiles()
{
    heading(QStringLiteral("Profile files"));
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/demo.ini");
    QFile seed(file);
    if (seed.open(QIODevice::WriteOnly))
        seed.write("; kept comment\r\n[Colours]\r\nBack = \" light grey \"\r\nFore=black ;not a comment\r\n");
    seed.close();
    profile::writePrivateProfileString(QStringLiteral("COLOURS"), QStringLiteral("fore"), QStringLiteral("navy"), file);
    profile::writePrivateProfileString(QStringLiteral("Sizes"), QStringLiteral("Width"), QStringLiteral("1500"), file);
    auto read = [&](const QString& section, const QString& key, int size) {
        QString buffer(size, QChar(0));
        const int n = profile::getPrivateProfileString(section, key, QStringLiteral("(default)"), buffer, size, file);
        return QStringLiteral("%1 (%2 characters)").arg(buffer.left(n)).arg(n);
    };
    row(QStringLiteral("colours/BACK (quotes removed, spaces kept)"), [&] { return read(QStringLiteral("colours"), QStringLiteral("BACK"), 255); });
    row(QStringLiteral("Colours/Fore after writing \"navy\""), [&] { return read(QStringLiteral("Colours"), QStringLiteral("Fore"), 255); });
    row(QStringLiteral("Colours/Back with a 6-character buffer"), [&] { return read(QStringLiteral("Colours"), QStringLiteral("Back"), 6); });
    row(QStringLiteral("Colours/Missing"), [&] { return read(QStringLiteral("Colours"), QStringLiteral("Missing"), 255); });
    QFile written(file);
    written.open(QIODevice::ReadOnly);
    out << "\n  the file now reads:\n";
    for (const QByteArray& line : written.readAll().split('\n'))
        if (!line.isEmpty())
            out << "    " << QString::fromUtf8(line).remove(QLatin1Char('\r')) << "\n";
    ScopedRegional italian(RegionalSettings::italian());
    QString intl(255, QChar(0));
    const int n = profile::getProfileString(QStringLiteral("intl"), QStringLiteral("sCurrency"), QString(), intl, 255);
    row(QStringLiteral("intl/sCurrency (Italian settings)"), [&] { return intl.left(n); });
}

void settingsFiles()
{
    heading(QStringLiteral("Library settings files (") + tools::App().path() + QStringLiteral(")"));
    const QString base = QStringLiteral("ORX_Demo");
    tools::WriteSettingsKey(base, QStringLiteral("General"), QStringLiteral("FontName"), QStringLiteral("DejaVu Sans"));
    tools::WriteSettingsKey(base, QStringLiteral("General"), QStringLiteral("Locked"), true);
    tools::WriteSettingsKey(base, QStringLiteral("General"), QStringLiteral("Height"), 1234.5);
    tools::WriteSettingsKey(base, QStringLiteral("General"), QStringLiteral("Long"), QString(300, QLatin1Char('x')));
    row(QStringLiteral("ReadSettingsKey FontName"), [&] { return tools::ReadSettingsKey(base, QStringLiteral("General"), QStringLiteral("FontName"), QString()).toString(); });
    row(QStringLiteral("ReadSettingsKey Locked (text, not boolean)"), [&] { return tools::ReadSettingsKey(base, QStringLiteral("General"), QStringLiteral("Locked"), false).toString(); });
    row(QStringLiteral("ReadSettingsKey Height"), [&] { return tools::ReadSettingsKey(base, QStringLiteral("General"), QStringLiteral("Height"), 0).toString(); });
    row(QStringLiteral("ReadSettingsKey Long: length"), [&] { return QString::number(tools::ReadSettingsKey(base, QStringLiteral("General"), QStringLiteral("Long"), QString()).toString().size()); });
    tools::DeleteSettingsFile(base);
    tools::DeleteSettingsFile(base);
    row(QStringLiteral("after DeleteSettingsFile twice: FontName"), [&] { return tools::ReadSettingsKey(base, QStringLiteral("General"), QStringLiteral("FontName"), QStringLiteral("(default)")).toString(); });
    row(QStringLiteral("GetUserSetting Currency/Path"), [] { return tools::GetUserSetting(QStringLiteral("Currency"), QStringLiteral("Path"), QStringLiteral("(not set)")).toString(); });
    row(QStringLiteral("ReplaceText(\"a-b-c\", \"-\", \"--\")"), [] { return tools::ReplaceText(QStringLiteral("a-b-c"), QStringLiteral("-"), QStringLiteral("--")); });
}

}  // namespace

void printServicesReport()
{
    out << "ORX runtime services, " << tools::App().productName() << " " << app::Application::versionText() << "\n";
    conversions(QStringLiteral("Conversions, Italian regional settings"), RegionalSettings::italian());
    conversions(QStringLiteral("Conversions, United States regional settings"), RegionalSettings::unitedStates());
    profiles();
    settingsFiles();
    out.flush();
}

