// Inputs far past any real size: a profile line of 100 MB, formulas and form
// files nested 100,000 deep, a form of 10,000 controls, caption and item lists
// of 100,000 entries. Each ends in a clear error or completes, within a
// bounded amount of memory; none overflows the stack, hangs or runs out of
// memory. (A report of a million rows is a manual check: docs/reliability.md.)
#include "tests/platform/profile/ProfileTestFiles.h"
#include "tests/support/HostFixture.h"

#include "platform/basic/BasicError.h"
#include "platform/host/Form.h"
#include "platform/host/PropertyBag.h"
#include "platform/profile/ProfileFile.h"
#include "reportrt/formula/Formula.h"
#include "tools/button/ORXCommandButton.h"
#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/textbox/ORXTextBox.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QLabel>
#include <sys/resource.h>

using namespace orx;
using orx::test::freshFolder;
using orx::test::writeBytes;

namespace {

// The process's peak resident memory so far, in megabytes.
long peakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

QByteArray fileDigest(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result() : QByteArray();
}

QString repeated(const QString& unit, int times)
{
    QString out;
    out.reserve(unit.size() * times);
    for (int i = 0; i < times; ++i)
        out += unit;
    return out;
}

QString numberedList(int count)
{
    QStringList items;
    items.reserve(count);
    for (int i = 1; i <= count; ++i)
        items << QStringLiteral("Item %1").arg(i);
    return items.join(QLatin1Char('|'));
}

class NoNames : public reportrt::formula::Scope, public reportrt::formula::Env {
public:
    std::optional<reportrt::formula::Symbol> field(const QString&, const QString&) override { return std::nullopt; }
    std::optional<reportrt::formula::Symbol> formula(const QString&) override { return std::nullopt; }
    std::optional<reportrt::formula::Symbol> parameter(const QString&) override { return std::nullopt; }
    std::optional<int> groupLevel(const QString&) override { return std::nullopt; }
    int summary(reportrt::definition::SummaryOp, const QString&, int) override { return 0; }
    const reportrt::formula::Value& field(int) override { return none_; }
    reportrt::formula::Value formula(int) override { return none_; }
    const reportrt::formula::Value& parameter(int) override { return none_; }
    reportrt::formula::Value summary(int) override { return none_; }
    int pageNumber() override { return 1; }
    int totalPageCount() override { return 1; }
    qint64 recordNumber() override { return 1; }

private:
    reportrt::formula::Value none_;
};

}  // namespace

TEST(Limits, AProfileFileWithALineOf100MegabytesIsNotReadNorReplaced)
{
    // Settings files stop at 16 MB: past that a file is neither read (its
    // look-ups give the defaults) nor rewritten (a write fails, saying why),
    // so no look-up reads and decodes 100 MB each time.
    const QString path = freshFolder(QStringLiteral("huge")) + QStringLiteral("/huge.ini");
    {
        // Written in pieces, so that the test itself never holds 100 MB.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[s]\r\nbefore=1\r\nlong=");
        const QByteArray piece(1024 * 1024, 'x');
        for (int i = 0; i < 100; ++i)
            ASSERT_EQ(file.write(piece), piece.size());
        file.write("\r\nafter=2\r\n");
    }
    const QByteArray digest = fileDigest(path);
    const long before = peakMegabytes();
    EXPECT_EQ(profile::readProfileValue(path, QStringLiteral("s"), QStringLiteral("after")), std::nullopt);
    QString buffer;
    EXPECT_EQ(profile::getPrivateProfileString(QStringLiteral("s"), QStringLiteral("long"), QStringLiteral("none"), buffer, 255, path), 4);
    EXPECT_EQ(buffer.left(4), QStringLiteral("none"));
    QString error;
    EXPECT_FALSE(profile::writePrivateProfileString(QStringLiteral("s"), QStringLiteral("after"), QStringLiteral("3"), path, &error));
    EXPECT_TRUE(error.contains(QLatin1String("larger than"))) << error.toStdString();
    EXPECT_LT(peakMegabytes() - before, 50);
    EXPECT_EQ(fileDigest(path), digest);

    // Under the bound, a line of 4 MB is read and written.
    QByteArray large = "[s]\r\nlong=";
    large.append(QByteArray(4 * 1024 * 1024, 'y'));
    large.append("\r\nafter=2\r\n");
    writeBytes(path, large);
    EXPECT_EQ(profile::readProfileValue(path, QStringLiteral("s"), QStringLiteral("long"))->size(), 4 * 1024 * 1024);
    EXPECT_TRUE(profile::writePrivateProfileString(QStringLiteral("s"), QStringLiteral("after"), QStringLiteral("3"), path, &error))
        << error.toStdString();
    EXPECT_EQ(profile::readProfileValue(path, QStringLiteral("s"), QStringLiteral("after")), QStringLiteral("3"));
}

TEST(Limits, FormulasNested100000DeepEndInAClearError)
{
    constexpr int kDepth = 100000;
    struct Shape { const char* what; QString text; };
    const Shape shapes[] = {
        {"parentheses", repeated(QStringLiteral("("), kDepth) + QStringLiteral("1") + repeated(QStringLiteral(")"), kDepth)},
        {"unary minus", repeated(QStringLiteral("-"), kDepth) + QStringLiteral("1")},
        {"not", repeated(QStringLiteral("not "), kDepth) + QStringLiteral("true")},
        {"powers", repeated(QStringLiteral("2^"), kDepth) + QStringLiteral("1")},
        {"function calls", repeated(QStringLiteral("abs("), kDepth) + QStringLiteral("1") + repeated(QStringLiteral(")"), kDepth)},
        {"if-then-else", repeated(QStringLiteral("if true then "), kDepth) + QStringLiteral("1") + repeated(QStringLiteral(" else 0"), kDepth)},
        {"additions in a row", repeated(QStringLiteral("1+"), kDepth) + QStringLiteral("1")},
        {"comparisons and ands in a row", repeated(QStringLiteral("1 < 2 and "), kDepth) + QStringLiteral("true")},
        {"concatenations in a row", repeated(QStringLiteral("'a' & "), kDepth) + QStringLiteral("'b'")},
    };
    for (const Shape& s : shapes) {
        SCOPED_TRACE(s.what);
        NoNames names;
        reportrt::formula::CompileError error;
        const auto formula = reportrt::formula::Formula::compile(s.text, names, error);
        ASSERT_EQ(formula, nullptr);
        EXPECT_TRUE(error.message.contains(QLatin1String("nested too deeply"))) << error.message.toStdString();
    }
    // A long row within the bound compiles and evaluates.
    NoNames names;
    reportrt::formula::CompileError error;
    const auto sum = reportrt::formula::Formula::compile(repeated(QStringLiteral("1+"), 1500) + QStringLiteral("1"), names, error);
    ASSERT_NE(sum, nullptr) << error.message.toStdString();
    EXPECT_EQ(sum->evaluate(names).number, 1501);
}

class LimitsOnForms : public test::HostFixture {};

TEST_F(LimitsOnForms, AFormFileNested100000DeepIsRefused)
{
    const QString folder = freshFolder(QStringLiteral("deep"));
    const QString nested = repeated(QStringLiteral("{\"a\":"), 100000) + QStringLiteral("1") + repeated(QStringLiteral("}"), 100000);
    struct Case { const char* what; QString text; };
    const Case cases[] = {
        {"the whole file", nested},
        {"a property value", QStringLiteral("{\"format\":\"ORX form\",\"version\":1,\"controls\":[{\"progid\":"
                                            "\"ORX_Tools_OCXs.ORXTextBox\",\"extender\":{\"Name\":\"T\"},"
                                            "\"properties\":{\"Text\":%1}}]}").arg(nested)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = folder + QStringLiteral("/deep.json");
        writeBytes(path, c.text.toUtf8());
        try {
            form().load(path);
            ADD_FAILURE() << "loaded";
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), basic::err::ErrorLoadingFromFile) << e.description().toStdString();
        }
        EXPECT_TRUE(form().controls().isEmpty());
    }
}

TEST(Limits, AFormFileOf10000ControlsLoads)
{
    // Loaded before the form is shown, as an application loads its forms
    // (into a form on screen it takes about as long: see docs/reliability.md).
    host::Form form;
    constexpr int kControls = 10000;
    QStringList controls;
    for (int i = 0; i < kControls; ++i) {
        controls << QStringLiteral("{\"progid\":\"ORX_Tools_OCXs.ORXCommandButton\",\"extender\":{\"Name\":\"B%1\","
                                   "\"Left\":%2,\"Top\":%3,\"Width\":600,\"Height\":300}}")
                        .arg(i).arg(i % 100 * 60).arg(i / 100 * 30);
    }
    const QString path = freshFolder(QStringLiteral("many")) + QStringLiteral("/many.json");
    writeBytes(path, QStringLiteral("{\"format\":\"ORX form\",\"version\":1,\"controls\":[%1]}")
                         .arg(controls.join(QLatin1Char(','))).toUtf8());
    const long before = peakMegabytes();
    form.load(path);
    EXPECT_EQ(form.controls().size(), kControls);
    EXPECT_NE(form.control(QStringLiteral("B9999")), nullptr);
    EXPECT_LT(peakMegabytes() - before, 1500);
}

TEST_F(LimitsOnForms, CaptionAndItemListsOf100000Entries)
{
    constexpr int kEntries = 100000;
    const QString list = numberedList(kEntries);

    auto* button = place<tools::ORXCommandButton>(QStringLiteral("Button1"));
    button->setCaptions(list);
    EXPECT_EQ(button->CapCount(), kEntries);
    button->setCapIndex(kEntries);
    EXPECT_EQ(button->Caption(kEntries), QStringLiteral("Item %1").arg(kEntries));
    settle();

    auto* group = place<tools::ORXCheckBox>(QStringLiteral("Check1"));
    group->setNumChecks(3);
    group->setCaptions(list);
    settle();
    ASSERT_NE(group->captionLabel(2), nullptr);
    EXPECT_EQ(group->captionLabel(2)->text(), QStringLiteral("Item 3"));

    auto* box = place<tools::ORXTextBox>(QStringLiteral("Text1"));
    box->setComboItems(list);
    EXPECT_EQ(box->ComboCount(), kEntries);
}
