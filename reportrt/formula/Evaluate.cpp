#include "reportrt/formula/Node.h"

#include <cmath>

namespace orx::reportrt::formula {

namespace {

// In and, or, not and if a null condition counts as false.
bool truth(const Value& v)
{
    return v.type == Type::Boolean && v.number != 0;
}

Value numeric(Type type, double n, const Node& node)
{
    if (!std::isfinite(n))
        throw EvalError(node.offset, QStringLiteral("the result is too large to be a number"));
    return {type, n, {}};
}

// Whether `a` equals one of the values of `list` (a list, or one value);
// null when `a` is null. Null items match nothing.
Value anyOf(const Value& a, const Node& list, Env& env)
{
    if (a.isNull())
        return Value::null();
    if (!list.list) {
        const Value b = evaluateNode(list, env);
        return b.isNull() ? Value::null() : Value::ofBoolean(Value::compare(a, b) == 0);
    }
    for (const auto& k : list.kids) {
        const Value b = evaluateNode(*k, env);
        if (!b.isNull() && Value::compare(a, b) == 0)
            return Value::ofBoolean(true);
    }
    return Value::ofBoolean(false);
}

Value compareNodes(const Node& node, Env& env)
{
    if (node.kids[0]->list || node.kids[1]->list) {  // = any of the list, <> none of it
        const bool leftList = node.kids[0]->list;
        Value r = anyOf(evaluateNode(*node.kids[leftList ? 1 : 0], env), *node.kids[leftList ? 0 : 1], env);
        if (node.op == Op::NotEqual && !r.isNull())
            r.number = r.number != 0 ? 0 : 1;
        return r;
    }
    const Value a = evaluateNode(*node.kids[0], env);
    const Value b = evaluateNode(*node.kids[1], env);
    if (a.isNull() || b.isNull())
        return Value::null();
    const int c = Value::compare(a, b);
    bool r = false;
    switch (node.op) {
    case Op::Equal: r = c == 0; break;
    case Op::NotEqual: r = c != 0; break;
    case Op::Less: r = c < 0; break;
    case Op::LessEqual: r = c <= 0; break;
    case Op::Greater: r = c > 0; break;
    case Op::GreaterEqual: r = c >= 0; break;
    default: break;
    }
    return Value::ofBoolean(r);
}

Value arithmetic(const Node& node, Env& env)
{
    const Value a = evaluateNode(*node.kids[0], env);
    const Value b = evaluateNode(*node.kids[1], env);
    if (a.isNull() || b.isNull())
        return Value::null();
    const double x = a.number, y = b.number;
    switch (node.op) {
    case Op::Add: return numeric(node.type, x + y, node);
    case Op::Subtract: return numeric(node.type, x - y, node);
    case Op::Multiply: return numeric(node.type, x * y, node);
    case Op::Divide:
        if (y == 0)
            throw EvalError(node.kids[1]->offset, QStringLiteral("division by zero"));
        return numeric(node.type, x / y, node);
    case Op::Modulo:
        if (y == 0)
            throw EvalError(node.kids[1]->offset, QStringLiteral("division by zero (mod)"));
        return numeric(node.type, std::fmod(x, y), node);
    case Op::Power: {
        const double r = std::pow(x, y);
        if (std::isnan(r))
            throw EvalError(node.offset, QStringLiteral("the power has no real value"));
        return numeric(node.type, r, node);
    }
    default: break;
    }
    return Value::null();
}

}  // namespace

Value evaluateNode(const Node& node, Env& env)
{
    switch (node.op) {
    case Op::Constant: return node.constant;
    case Op::Field: return env.field(node.index);
    case Op::FormulaRef: return env.formula(node.index);
    case Op::Parameter: return env.parameter(node.index);
    case Op::Summary: return env.summary(node.index);
    case Op::PageNumber: return Value::ofNumber(env.pageNumber());
    case Op::TotalPageCount: return Value::ofNumber(env.totalPageCount());
    case Op::RecordNumber: return Value::ofNumber(static_cast<double>(env.recordNumber()));
    case Op::Negate: {
        Value v = evaluateNode(*node.kids[0], env);
        if (!v.isNull())
            v.number = -v.number;
        return v;
    }
    case Op::Not: return Value::ofBoolean(!truth(evaluateNode(*node.kids[0], env)));
    case Op::Add:
    case Op::Subtract:
    case Op::Multiply:
    case Op::Divide:
    case Op::Modulo:
    case Op::Power: return arithmetic(node, env);
    case Op::Concat: {
        const Value a = evaluateNode(*node.kids[0], env);
        const Value b = evaluateNode(*node.kids[1], env);
        return Value::ofString((a.type == Type::String ? a.text : a.display())
                               + (b.type == Type::String ? b.text : b.display()));
    }
    case Op::Equal:
    case Op::NotEqual:
    case Op::Less:
    case Op::LessEqual:
    case Op::Greater:
    case Op::GreaterEqual: return compareNodes(node, env);
    case Op::And:
        return Value::ofBoolean(truth(evaluateNode(*node.kids[0], env)) && truth(evaluateNode(*node.kids[1], env)));
    case Op::Or:
        return Value::ofBoolean(truth(evaluateNode(*node.kids[0], env)) || truth(evaluateNode(*node.kids[1], env)));
    case Op::If: {
        Value v = evaluateNode(*node.kids[truth(evaluateNode(*node.kids[0], env)) ? 1 : 2], env);
        if (!v.isNull() && v.type != node.type && node.type != Type::Null)
            v.type = node.type;  // a number branch of a currency if, a date branch of a date-time if
        return v;
    }
    case Op::GroupName: return Value::ofString(env.groupName(node.index));
    case Op::In: return anyOf(evaluateNode(*node.kids[0], env), *node.kids[1], env);
    case Op::List: {  // a list on its own shows its values, separated by ", "
        QString text;
        for (const auto& k : node.kids) {
            const Value v = evaluateNode(*k, env);
            if (k != node.kids.front())
                text += QStringLiteral(", ");
            text += v.type == Type::String ? v.text : v.display();
        }
        return Value::ofString(text);
    }
    case Op::Call: {
        std::vector<Value> args;
        args.reserve(node.kids.size());
        for (const auto& k : node.kids)
            args.push_back(evaluateNode(*k, env));
        return callFunction(node.index, args, node);
    }
    }
    return Value::null();
}

}  // namespace orx::reportrt::formula
