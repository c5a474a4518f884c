// Inputs the fuzz targets (fuzz/) found that broke a promise, each kept as a
// regression test beside the fault it found.
#include "platform/basic/BasicError.h"
#include "reportrt/formula/Formula.h"

#include <gtest/gtest.h>

using namespace orx::reportrt::formula;

namespace {

class Nothing : public Scope, public Env {
public:
    std::optional<Symbol> field(const QString&, const QString&) override { return std::nullopt; }
    std::optional<Symbol> formula(const QString&) override { return std::nullopt; }
    std::optional<Symbol> parameter(const QString&) override { return std::nullopt; }
    std::optional<int> groupLevel(const QString&) override { return std::nullopt; }
    int summary(orx::reportrt::definition::SummaryOp, const QString&, int) override { return 0; }
    const Value& field(int) override { return none_; }
    Value formula(int) override { return none_; }
    const Value& parameter(int) override { return none_; }
    Value summary(int) override { return none_; }
    int pageNumber() override { return 1; }
    int totalPageCount() override { return 1; }
    qint64 recordNumber() override { return 1; }

private:
    Value none_;
};

}  // namespace

// fuzz target formula: a number literal past the Double range compiled to an
// infinite constant, whose display then raised Overflow out of the report.
TEST(FuzzFindings, NumberLiteralsPastTheRangeOfNumbersAreRefused)
{
    struct Case { const char* text; bool compiles; double value; };
    const Case cases[] = {
        {"1.13333333377777E177777", false, 0},
        {"1e309", false, 0},
        {"2 * 1e400", false, 0},
        {"1.7976931348623157e308", true, 1.7976931348623157e308},
        {"1e-400", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Nothing scope;
        CompileError error;
        const auto formula = Formula::compile(QString::fromLatin1(c.text), scope, error);
        ASSERT_EQ(formula != nullptr, c.compiles) << error.message.toStdString();
        if (!formula) {
            EXPECT_TRUE(error.message.contains(QLatin1String("no larger than"))) << error.message.toStdString();
            continue;
        }
        const Value value = formula->evaluate(scope);
        EXPECT_EQ(value.number, c.value);
        EXPECT_NO_THROW((void)value.display());
    }
}
