// The text box on the real event path beside a bare QLineEdit given the same
// keys in the same run: one filtered keystroke, and one typed-and-left commit
// with its display, for a date and for a number.
#include "platform/basic/Regional.h"
#include "platform/host/Form.h"
#include "platform/host/Services.h"
#include "tools/textbox/ORXTextBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

using orx::tools::ORXTextBox;

namespace {

// One shown form for every benchmark: a text box per template measured, a
// bare line edit, and somewhere to move the focus to.
struct Bench {
    Bench()
        : regional(orx::basic::RegionalSettings::italian())
    {
        orx::host::setMessageService(&messages);
        form.resize(600, 200);
        form.setUserMode(true);
        date = place(ORXTextBox::ORXTX_Day_Month_Year, "Date", 0);
        number = place(ORXTextBox::ORXTX_Numeric, "Number", 450);
        plain = new QLineEdit(&form);
        plain->setGeometry(10, 100, 160, 24);
        away = new QLineEdit(&form);
        away->setGeometry(200, 100, 160, 24);
        form.show();
        QApplication::setActiveWindow(&form);
        QApplication::processEvents();
    }

    ORXTextBox* place(int templ, const char* name, double top)
    {
        auto* box = new ORXTextBox();
        form.placeControl(box, QStringLiteral("ORX_Tools_OCXs.ORXTextBox"), QString::fromLatin1(name),
                          {120, 120 + top, 2400, 375});
        box->setTemplate(ORXTextBox::ORXTX_Template_Constants(templ));
        return box;
    }

    static Bench& get()
    {
        static int argc = 1;
        static char name[] = "orx-bench";
        static char* argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Both live until the process ends and are never destroyed: the
        // form's controls reach library-wide state whose own destruction
        // order at exit is not ours to choose.
        static QApplication* app = new QApplication(argc, argv);
        static Bench* bench = new Bench;
        Q_UNUSED(app);
        return *bench;
    }

    orx::basic::ScopedRegional regional;
    orx::host::RecordingMessageService messages;
    orx::host::Form form;
    ORXTextBox* date = nullptr;
    ORXTextBox* number = nullptr;
    QLineEdit* plain = nullptr;
    QLineEdit* away = nullptr;
};

void focusOn(QWidget* w)
{
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

// A digit and the backspace that takes it away again: two keys, each through
// key-down, the filter, key-press, the field's change and key-up.
void BM_Keystroke_TextBox(benchmark::State& state)
{
    Bench& b = Bench::get();
    focusOn(b.number);
    QLineEdit* field = b.number->editField();
    field->clear();
    for (auto _ : state) {
        QTest::keyClick(field, Qt::Key_5);
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    benchmark::DoNotOptimize(b.number->Text());
    focusOn(b.away);
}
BENCHMARK(BM_Keystroke_TextBox);

void BM_Keystroke_QLineEdit(benchmark::State& state)
{
    Bench& b = Bench::get();
    focusOn(b.plain);
    b.plain->clear();
    for (auto _ : state) {
        QTest::keyClick(b.plain, Qt::Key_5);
        QTest::keyClick(b.plain, Qt::Key_Backspace);
    }
    benchmark::DoNotOptimize(b.plain->text());
}
BENCHMARK(BM_Keystroke_QLineEdit);

// Enter the field, type the value, leave: the commit normalises, checks and
// shows it.
void typeAndLeave(QWidget* target, QLineEdit* field, QLineEdit* away, const QString& keys)
{
    focusOn(target);
    field->selectAll();
    QTest::keyClicks(field, keys);
    focusOn(away);
}

void BM_CommitDate_TextBox(benchmark::State& state)
{
    Bench& b = Bench::get();
    for (auto _ : state)
        typeAndLeave(b.date, b.date->editField(), b.away, QStringLiteral("311203"));
    if (b.date->FormattedText() != QStringLiteral("31/12/2003"))
        state.SkipWithError("the date was not committed");
}
BENCHMARK(BM_CommitDate_TextBox);

void BM_CommitNumber_TextBox(benchmark::State& state)
{
    Bench& b = Bench::get();
    for (auto _ : state)
        typeAndLeave(b.number, b.number->editField(), b.away, QStringLiteral("1234"));
    if (b.number->FormattedText() != QStringLiteral("1.234"))
        state.SkipWithError("the number was not committed");
}
BENCHMARK(BM_CommitNumber_TextBox);

void BM_TypeAndLeave_QLineEdit(benchmark::State& state)
{
    Bench& b = Bench::get();
    for (auto _ : state)
        typeAndLeave(b.plain, b.plain, b.away, QStringLiteral("311203"));
    benchmark::DoNotOptimize(b.plain->text());
}
BENCHMARK(BM_TypeAndLeave_QLineEdit);

}  // namespace
