// Uses one thing of each installed library and checks what it gives.
#include "platform/basic/BasicError.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Regional.h"
#include "platform/host/Form.h"
#include "tools/textbox/ORXTextBox.h"
#include "viewreport/engine/ORXDLLViewReport.h"
#include "viewreport/engine/RequestRules.h"

#include <QApplication>
#include <QVariant>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    auto check = [&](bool ok, const char* what, const QString& got) {
        std::printf("%s %s: %s\n", ok ? "ok  " : "FAIL", what, qPrintable(got));
        failures += ok ? 0 : 1;
    };

    orx::basic::ScopedRegional italian(orx::basic::RegionalSettings::italian());
    const QString number = orx::basic::formatNumber(1234.5, QStringLiteral("#,##0.00"));
    check(number == QStringLiteral("1.234,50"), "ORX::Platform formats a number", number);

    orx::host::Form form;
    form.setUserMode(true);
    auto* box = new orx::tools::ORXTextBox();
    form.placeControl(box, QStringLiteral("ORX_Tools_OCXs.ORXTextBox"), QStringLiteral("Amount"), {120, 120, 2400, 375});
    box->setTemplate(orx::tools::ORXTextBox::ORXTX_Numeric);
    box->setText(QStringLiteral("1234"));
    check(box->FormattedText() == QStringLiteral("1.234"), "ORX::Tools shows a number", box->FormattedText());

    check(orx::viewreport::StripReportExtension(QStringLiteral("Orders.RPT")) == QStringLiteral("Orders"),
          "ORX::ViewReport strips the extension", orx::viewreport::StripReportExtension(QStringLiteral("Orders.RPT")));
    orx::viewreport::ORXDLLViewReport request;
    request.setReportName(QStringLiteral("/nowhere/Missing"));
    QString error;
    try {
        request.Show();
    } catch (const orx::basic::BasicError& e) {
        error = e.description();
    }
    check(!error.isEmpty(), "ORX::ViewReport refuses a missing report", error);
    return failures == 0 ? 0 : 1;
}
