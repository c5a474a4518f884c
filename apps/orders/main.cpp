// orx-orders: order entry over the sample shop database, on every ORX
// control. With a display it opens the form; without one (the offscreen
// platform) it plays a scripted session and writes its pictures, the invoice
// PDF and a transcript under <out>/orders ($ORX_DEMO_OUT, else out/demo),
// keeping its data and settings there too.
#include "apps/demo/DemoWindow.h"
#include "apps/orders/OrderForm.h"
#include "apps/orders/OrderStore.h"
#include "apps/orders/ScriptedSession.h"
#include "platform/basic/Clock.h"
#include "platform/basic/Regional.h"
#include "tools/common/Library.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

using namespace orx;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orx-orders"));
    const bool scripted = headless();
    const QString out = QDir(demoOutFolder()).filePath(QStringLiteral("orders"));
    if (scripted)
        useOwnFolders(out);

    QTextStream err(stderr);
    const QString samples = samplesFolder();
    if (samples.isEmpty()) {
        err << "orx-orders: the sample folder is not found; set ORX_SAMPLES\n";
        return 1;
    }
    // The currency catalogue the price box reads: the sample's, unless the user has one.
    const QString catalogue = QDir(tools::App().path()).filePath(QStringLiteral("ORXCurrency.INI"));
    if (!QFileInfo::exists(catalogue)) {
        QDir().mkpath(tools::App().path());
        QFile::copy(QDir(samples).filePath(QStringLiteral("ORXCurrency.INI")), catalogue);
    }

    // A fixed setting and day in the scripted session, so that every run reads the same.
    std::unique_ptr<basic::ScopedRegional> italian;
    std::unique_ptr<basic::ScopedClock> clock;
    if (scripted) {
        italian = std::make_unique<basic::ScopedRegional>(basic::RegionalSettings::italian());
        clock = std::make_unique<basic::ScopedClock>(basic::wallClock(QDate(2024, 7, 8), QTime(9, 0)));
    }

    orders::OrderStore store;
    QString error;
    const QString reports = QDir(samples).filePath(QStringLiteral("reports"));
    if (!store.open(orders::OrderStore::defaultPath(), QDir(reports).filePath(QStringLiteral("shop.sql")), &error)) {
        err << "orx-orders: " << error << "\n";
        return 1;
    }
    orders::OrderForm form(store, reports);
    if (scripted)
        return orders::runScriptedSession(form, out) ? 0 : 1;
    QObject::connect(&form, &orders::OrderForm::exitRequested, &form, &QWidget::close);
    form.show();
    return app.exec();
}
