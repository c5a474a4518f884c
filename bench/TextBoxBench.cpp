// The text box on the real event path beside a bare QLineEdit given the same
// keys in the same run: one filtered keystroke, and one typed-and-left commit
// with its display, for a date and for a number.
#include "bench/Compare.h"
#include "platform/basic/Regional.h"
#include "platform/host/Form.h"
#include "platform/host/Services.h"
#include "platform/testing/RecordingMessageService.h"
#include "tools/textbox/ORXTextBox.h"

#include <QApplication>
#include "bench/BenchApp.h"
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
        // Lives until the process ends and is never destroyed, as the application does.
        orx::bench::application();
        static Bench* bench = new Bench;
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
// key-down, the filter, key-press, the field's change and key-up. Every key
// must reach the edit field and be shown there, or the run does not count.
void BM_Keystroke_TextBox(benchmark::State& state)
{
    Bench& b = Bench::get();
    focusOn(b.number);
    QLineEdit* field = b.number->editField();
    field->clear();
    if (!field->hasFocus()) {
        state.SkipWithError("the edit field does not have the focus");
        return;
    }
    long filtered = 0, changed = 0;
    const QMetaObject::Connection c1 = QObject::connect(b.number, &ORXTextBox::KeyPress, [&](int&) { ++filtered; });
    const QMetaObject::Connection c2 = QObject::connect(field, &QLineEdit::textChanged, [&] { ++changed; });
    for (auto _ : state) {
        QTest::keyClick(field, Qt::Key_5);
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    QTest::keyClick(field, Qt::Key_7);
    const bool shown = field->text() == QLatin1String("7") && b.number->Text().toString() == QLatin1String("7");
    QObject::disconnect(c1);
    QObject::disconnect(c2);
    const long keys = 2 * long(state.iterations()) + 1;
    if (filtered != keys || changed != keys || !shown)
        state.SkipWithError("a key did not go through the filter into the edit field");
    state.SetItemsProcessed(2 * state.iterations());
    focusOn(b.away);
}
BENCHMARK(BM_Keystroke_TextBox);

void BM_Keystroke_QLineEdit(benchmark::State& state)
{
    Bench& b = Bench::get();
    focusOn(b.plain);
    b.plain->clear();
    long changed = 0;
    const QMetaObject::Connection c = QObject::connect(b.plain, &QLineEdit::textChanged, [&] { ++changed; });
    for (auto _ : state) {
        QTest::keyClick(b.plain, Qt::Key_5);
        QTest::keyClick(b.plain, Qt::Key_Backspace);
    }
    QObject::disconnect(c);
    if (changed != 2 * long(state.iterations()) || !b.plain->hasFocus())
        state.SkipWithError("a key did not reach the line edit");
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_Keystroke_QLineEdit);
ORX_COMPARE(Keystroke, "BM_Keystroke_TextBox", "BM_Keystroke_QLineEdit", orx::bench::AtMost, 1.0);

// Enter the field, type the value, leave: the commit normalises, checks and
// shows it.
void typeAndLeave(QWidget* target, QLineEdit* field, QLineEdit* away, const QString& keys)
{
    focusOn(target);
    field->selectAll();
    QTest::keyClicks(field, keys);
    focusOn(away);
}

// Each round commits a different date, so that a round which did not commit
// (or showed the previous value) is caught.
void BM_CommitDate_TextBox(benchmark::State& state)
{
    Bench& b = Bench::get();
    static const char* const typed[] = {"311203", "010130"};
    static const char* const shown[] = {"31/12/2003", "01/01/1930"};
    long rounds = 0, wrong = 0;
    for (auto _ : state) {
        const int i = int(rounds++ % 2);
        typeAndLeave(b.date, b.date->editField(), b.away, QLatin1String(typed[i]));
        wrong += b.date->FormattedText() != QLatin1String(shown[i]) || b.date->editField()->isVisible();
    }
    if (wrong != 0)
        state.SkipWithError("a date was not committed and shown");
}
BENCHMARK(BM_CommitDate_TextBox);

void BM_CommitNumber_TextBox(benchmark::State& state)
{
    Bench& b = Bench::get();
    static const char* const typed[] = {"1234", "5678"};
    static const char* const shown[] = {"1.234", "5.678"};
    long rounds = 0, wrong = 0;
    for (auto _ : state) {
        const int i = int(rounds++ % 2);
        typeAndLeave(b.number, b.number->editField(), b.away, QLatin1String(typed[i]));
        wrong += b.number->FormattedText() != QLatin1String(shown[i]);
    }
    if (wrong != 0)
        state.SkipWithError("a number was not committed and shown");
}
BENCHMARK(BM_CommitNumber_TextBox);

void BM_TypeAndLeave_QLineEdit(benchmark::State& state)
{
    Bench& b = Bench::get();
    static const char* const typed[] = {"311203", "010130"};
    long rounds = 0, wrong = 0;
    for (auto _ : state) {
        const int i = int(rounds++ % 2);
        typeAndLeave(b.plain, b.plain, b.away, QLatin1String(typed[i]));
        wrong += b.plain->text() != QLatin1String(typed[i]);
    }
    if (wrong != 0)
        state.SkipWithError("the line edit did not take the keys");
}
BENCHMARK(BM_TypeAndLeave_QLineEdit);
ORX_COMPARE(CommitDate, "BM_CommitDate_TextBox", "BM_TypeAndLeave_QLineEdit", orx::bench::AtMost, 1.2);

}  // namespace
