// Loading a form of 200 controls (text boxes of every template, both groups,
// command buttons) from our form file, beside QUiLoader loading the same form
// from a .ui file through the Designer plugin.
#include "bench/BenchApp.h"
#include "bench/Compare.h"
#include "platform/host/Form.h"
#include "tools/button/ORXCommandButton.h"
#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/optiongroup/ORXOptionButton.h"
#include "tools/textbox/ORXTextBox.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QUiLoader>
#include <benchmark/benchmark.h>

#include <memory>

using namespace orx;
using tools::ORXCheckBox;
using tools::ORXCommandButton;
using tools::ORXOptionButton;
using tools::ORXTextBox;

namespace {

constexpr int kControls = 200;
constexpr int kTwipsPerPixel = 15;

// One control of the form: its class, programmatic name, and the properties
// both files give it.
struct Control {
    const char* uiClass;
    const char* progId;
    QString name;
    QRect pixels;
    QList<std::pair<const char*, QVariant>> properties;
};

std::vector<Control> controls()
{
    std::vector<Control> out;
    for (int i = 0; i < kControls; ++i) {
        const QRect r((i % 10) * 170, (i / 10) * 40, 160, 34);
        const int kind = i % 20;
        if (kind <= ORXTextBox::ORXTX_Hour_Minute_Seconds) {
            out.push_back({"orx::tools::ORXTextBox", "ORX_Tools_OCXs.ORXTextBox", QStringLiteral("Text%1").arg(i), r,
                           {{"Template", kind}, {"Tag", QStringLiteral("t%1").arg(i)}}});
        } else if (kind <= 14) {
            out.push_back({"orx::tools::ORXCheckBox", "ORX_Tools_OCXs.ORXCheckBox", QStringLiteral("Check%1").arg(i), r,
                           {{"NumChecks", 3}, {"Captions", QStringLiteral("A|B|C")}}});
        } else if (kind <= 16) {
            out.push_back({"orx::tools::ORXOptionButton", "ORX_Tools_OCXs.ORXOptionButton", QStringLiteral("Option%1").arg(i),
                           r, {{"NumOptions", 3}, {"Captions", QStringLiteral("X|Y|Z")}}});
        } else {
            out.push_back({"orx::tools::ORXCommandButton", "ORX_Tools_OCXs.ORXCommandButton", QStringLiteral("Button%1").arg(i),
                           r, {{"Captions", QStringLiteral("Save|Saved")}}});
        }
    }
    return out;
}

// The form file, written by the form itself.
QString writeFormFile(const QString& folder)
{
    host::Form form;
    for (const Control& c : controls()) {
        const QRect& p = c.pixels;
        host::UserControl* u = form.addControl(QString::fromLatin1(c.progId), c.name,
                                               host::TwipRect{double(p.x() * kTwipsPerPixel), double(p.y() * kTwipsPerPixel),
                                                              double(p.width() * kTwipsPerPixel), double(p.height() * kTwipsPerPixel)});
        for (const auto& [key, value] : c.properties)
            u->setProperty(key, value);
    }
    const QString path = folder + QStringLiteral("/form200.json");
    form.save(path);
    return path;
}

QByteArray uiFile()
{
    QByteArray ui = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">\n <class>Form200</class>\n"
                    " <widget class=\"QWidget\" name=\"Form200\">\n";
    for (const Control& c : controls()) {
        const QRect& p = c.pixels;
        ui += QStringLiteral("  <widget class=\"%1\" name=\"%2\">\n   <property name=\"geometry\"><rect><x>%3</x><y>%4</y>"
                             "<width>%5</width><height>%6</height></rect></property>\n")
                  .arg(QLatin1String(c.uiClass), c.name)
                  .arg(p.x())
                  .arg(p.y())
                  .arg(p.width())
                  .arg(p.height())
                  .toUtf8();
        for (const auto& [key, value] : c.properties) {
            const QString v = value.typeId() == QMetaType::Int ? QStringLiteral("<number>%1</number>").arg(value.toInt())
                                                               : QStringLiteral("<string notr=\"true\">%1</string>").arg(value.toString());
            ui += QStringLiteral("   <property name=\"%1\">%2</property>\n").arg(QLatin1String(key), v).toUtf8();
        }
        ui += "  </widget>\n";
    }
    ui += " </widget>\n</ui>\n";
    return ui;
}

void BM_FormLoad_FormFile(benchmark::State& state)
{
    bench::application();
    QTemporaryDir dir;
    const QString path = writeFormFile(dir.path());
    for (auto _ : state) {
        host::Form form;
        form.load(path);
        if (form.controls().size() != kControls) {
            state.SkipWithError("the form file did not give every control");
            break;
        }
        benchmark::DoNotOptimize(form.controls().size());
    }
}
BENCHMARK(BM_FormLoad_FormFile)->Unit(benchmark::kMillisecond);

void BM_FormLoad_QUiLoader(benchmark::State& state)
{
    bench::application();
    QByteArray ui = uiFile();
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(ORX_DESIGNER_PLUGIN_DIR));
    for (auto _ : state) {
        QBuffer buffer(&ui);
        buffer.open(QIODevice::ReadOnly);
        std::unique_ptr<QWidget> form(loader.load(&buffer));
        if (!form || form->findChildren<host::UserControl*>(Qt::FindDirectChildrenOnly).size() != kControls) {
            state.SkipWithError("QUiLoader did not give every control (is the Designer plugin built?)");
            break;
        }
    }
}
BENCHMARK(BM_FormLoad_QUiLoader)->Unit(benchmark::kMillisecond);

}  // namespace

ORX_COMPARE(FormLoad200, "BM_FormLoad_FormFile", "BM_FormLoad_QUiLoader", orx::bench::AtMost, 2.0);
