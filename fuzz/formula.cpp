// Formulas: any text compiles or gives a compile error with an offset inside
// the text; what compiles evaluates to a value of its type, or fails with an
// evaluation error, against fields of every type (null ones included).
#include "fuzz/FuzzSupport.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Regional.h"
#include "reportrt/formula/Formula.h"

#include <vector>

using namespace orx;
using namespace orx::reportrt;
using namespace orx::reportrt::formula;

namespace {

// Table T with one field of each type (named by type), a null twin of each
// (Z + the name), a formula @F and parameter ?P of each type, group {T.S}.
class Fields : public Scope, public Env {
public:
    Fields()
    {
        add(QStringLiteral("N"), Value::ofNumber(12.5));
        add(QStringLiteral("C"), Value::ofCurrency(10.25));
        add(QStringLiteral("S"), Value::ofString(QStringLiteral("abc")));
        add(QStringLiteral("D"), Value::ofDate(45366));
        add(QStringLiteral("DT"), Value::ofDateTime(45366.6041));
        add(QStringLiteral("B"), Value::ofBoolean(true));
    }

    std::optional<Symbol> field(const QString& table, const QString& name) override
    {
        if (table.compare(QLatin1String("T"), Qt::CaseInsensitive) != 0)
            return std::nullopt;
        return find(name);
    }
    std::optional<Symbol> formula(const QString& name) override { return find(name); }
    std::optional<Symbol> parameter(const QString& name) override { return find(name); }
    std::optional<int> groupLevel(const QString& reference) override
    {
        return reference.compare(QLatin1String("{T.S}"), Qt::CaseInsensitive) == 0 ? std::optional<int>(1)
                                                                                  : std::nullopt;
    }
    int summary(definition::SummaryOp, const QString&, int) override { return 0; }

    const Value& field(int index) override { return values_.at(size_t(index)); }
    Value formula(int index) override { return values_.at(size_t(index)); }
    const Value& parameter(int index) override { return values_.at(size_t(index)); }
    Value summary(int) override { return Value::ofNumber(7); }
    int pageNumber() override { return 2; }
    int totalPageCount() override { return 3; }
    qint64 recordNumber() override { return 5; }

private:
    void add(const QString& name, const Value& value)
    {
        names_.push_back(name);
        values_.push_back(value);
        names_.push_back(QStringLiteral("Z") + name);
        values_.push_back(Value::null());
        types_.push_back(value.type);
        types_.push_back(value.type);
    }
    std::optional<Symbol> find(const QString& name) const
    {
        for (size_t i = 0; i < names_.size(); ++i) {
            if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
                return Symbol{int(i), types_[i]};
        }
        return std::nullopt;
    }

    std::vector<QString> names_;
    std::vector<Value> values_;
    std::vector<Type> types_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::setUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const basic::ScopedRegional regional(basic::RegionalSettings::unitedStates());
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    Fields fields;
    CompileError error;
    const std::unique_ptr<Formula> formula = Formula::compile(text, fields, error);
    if (!formula) {
        ORX_FUZZ_CHECK(!error.message.isEmpty(), text);
        ORX_FUZZ_CHECK(error.offset >= 0 && error.offset <= text.size(),
                       QStringLiteral("offset %1 in %2").arg(error.offset).arg(text));
        (void)error.describe(text);
        return 0;
    }
    try {
        const Value value = formula->evaluate(fields);
        ORX_FUZZ_CHECK(value.isNull() || value.type == formula->type(),
                       QStringLiteral("%1 gave %2 for %3").arg(text, typeName(value.type), typeName(formula->type())));
        (void)value.display();
    } catch (const EvalError& e) {
        ORX_FUZZ_CHECK(!e.message().isEmpty(), text);
    }
    return 0;
}
