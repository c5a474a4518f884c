#include "platform/basic/Dates.h"
#include "reportrt/definition/ReportDefinition.h"
#include "reportrt/formula/Node.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>

namespace orx::reportrt::formula {

namespace {

enum class Tok { End, Number, String, Date, Ident, Ref, Op, LParen, RParen, Comma, LBracket, RBracket };

struct Token {
    Tok kind = Tok::End;
    QString text;  // identifier, operator, reference (with braces), string value
    double number = 0;
    Value date;
    int offset = 0;
};

struct Failure {
    CompileError error;
};

[[noreturn]] void fail(int offset, const QString& message)
{
    throw Failure{{offset, message}};
}

class Lexer {
public:
    explicit Lexer(const QString& text)
        : s_(text)
    {
    }

    Token next()
    {
        skipBlanks();
        Token t;
        t.offset = static_cast<int>(i_);
        if (i_ >= s_.size())
            return t;
        const QChar c = s_[i_];
        if (c.isDigit() || (c == QLatin1Char('.') && i_ + 1 < s_.size() && s_[i_ + 1].isDigit()))
            return number(t);
        if (c == QLatin1Char('"') || c == QLatin1Char('\''))
            return string(t, c);
        if (c == QLatin1Char('#'))
            return date(t);
        if (c == QLatin1Char('{')) {
            const qsizetype end = s_.indexOf(QLatin1Char('}'), i_);
            if (end < 0)
                fail(t.offset, QStringLiteral("a closing } is expected for this field"));
            t.kind = Tok::Ref;
            t.text = s_.mid(i_, end - i_ + 1);
            i_ = end + 1;
            return t;
        }
        if (c.isLetter() || c == QLatin1Char('_')) {
            const qsizetype start = i_;
            while (i_ < s_.size() && (s_[i_].isLetterOrNumber() || s_[i_] == QLatin1Char('_')))
                ++i_;
            t.kind = Tok::Ident;
            t.text = s_.mid(start, i_ - start);
            return t;
        }
        ++i_;
        switch (c.unicode()) {
        case '(': t.kind = Tok::LParen; return t;
        case ')': t.kind = Tok::RParen; return t;
        case ',': t.kind = Tok::Comma; return t;
        case '[': t.kind = Tok::LBracket; return t;
        case ']': t.kind = Tok::RBracket; return t;
        case '+': case '-': case '*': case '/': case '^': case '&': case '=':
            t.kind = Tok::Op;
            t.text = c;
            return t;
        case '<':
            t.kind = Tok::Op;
            t.text = QStringLiteral("<");
            if (i_ < s_.size() && (s_[i_] == QLatin1Char('=') || s_[i_] == QLatin1Char('>')))
                t.text += s_[i_++];
            return t;
        case '>':
            t.kind = Tok::Op;
            t.text = QStringLiteral(">");
            if (i_ < s_.size() && s_[i_] == QLatin1Char('='))
                t.text += s_[i_++];
            return t;
        default: break;
        }
        fail(t.offset, QStringLiteral("the character %1 is not part of the language").arg(c));
    }

private:
    void skipBlanks()
    {
        for (;;) {
            while (i_ < s_.size() && s_[i_].isSpace())
                ++i_;
            if (i_ + 1 < s_.size() && s_[i_] == QLatin1Char('/') && s_[i_ + 1] == QLatin1Char('/')) {
                while (i_ < s_.size() && s_[i_] != QLatin1Char('\n'))
                    ++i_;
                continue;
            }
            return;
        }
    }

    Token number(Token& t)
    {
        const qsizetype start = i_;
        while (i_ < s_.size() && s_[i_].isDigit())
            ++i_;
        if (i_ < s_.size() && s_[i_] == QLatin1Char('.')) {
            ++i_;
            while (i_ < s_.size() && s_[i_].isDigit())
                ++i_;
        }
        if (i_ < s_.size() && (s_[i_] == QLatin1Char('e') || s_[i_] == QLatin1Char('E'))) {
            qsizetype j = i_ + 1;
            if (j < s_.size() && (s_[j] == QLatin1Char('+') || s_[j] == QLatin1Char('-')))
                ++j;
            if (j < s_.size() && s_[j].isDigit()) {
                i_ = j;
                while (i_ < s_.size() && s_[i_].isDigit())
                    ++i_;
            }
        }
        t.kind = Tok::Number;
        t.number = s_.mid(start, i_ - start).toDouble();
        // A literal past the range of numbers would be infinite, which no
        // value may be (results of arithmetic are held to the same rule).
        if (!std::isfinite(t.number))
            fail(t.offset, QStringLiteral("a number no larger than 1.7976931348623157e308 is expected here"));
        return t;
    }

    Token string(Token& t, QChar quote)
    {
        ++i_;
        QString value;
        for (;;) {
            if (i_ >= s_.size())
                fail(t.offset, QStringLiteral("this text has no closing %1").arg(quote));
            if (s_[i_] == quote) {
                if (i_ + 1 < s_.size() && s_[i_ + 1] == quote) {  // a doubled quote stands for one
                    value += quote;
                    i_ += 2;
                    continue;
                }
                ++i_;
                break;
            }
            value += s_[i_++];
        }
        t.kind = Tok::String;
        t.text = value;
        return t;
    }

    Token date(Token& t)
    {
        const qsizetype end = s_.indexOf(QLatin1Char('#'), i_ + 1);
        if (end < 0)
            fail(t.offset, QStringLiteral("a date is expected here, written #yyyy-mm-dd# or #yyyy-mm-dd hh:mm:ss#"));
        const QString inner = s_.mid(i_ + 1, end - i_ - 1).trimmed();
        i_ = end + 1;
        const QDate d = QDate::fromString(inner.left(10), QStringLiteral("yyyy-MM-dd"));
        QTime tm(0, 0);
        bool hasTime = inner.size() > 10;
        if (hasTime) {
            const QString timeText = inner.mid(10).trimmed();
            tm = QTime::fromString(timeText, QStringLiteral("HH:mm:ss"));
            if (!tm.isValid())
                tm = QTime::fromString(timeText, QStringLiteral("HH:mm"));
        }
        if (!d.isValid() || !tm.isValid() || !basic::isInDateRange(d))
            fail(t.offset, QStringLiteral("a date is expected here, written #yyyy-mm-dd# or #yyyy-mm-dd hh:mm:ss#"));
        const double serial = basic::toSerial(QDateTime(d, tm, Qt::UTC));
        t.kind = Tok::Date;
        t.date = hasTime ? Value::ofDateTime(serial) : Value::ofDate(serial);
        return t;
    }

    const QString& s_;
    qsizetype i_ = 0;
};

bool isWord(const Token& t, const char* word)
{
    return t.kind == Tok::Ident && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

std::unique_ptr<Node> makeNode(Op op, Type type, int offset)
{
    auto n = std::make_unique<Node>();
    n->op = op;
    n->type = type;
    n->offset = offset;
    return n;
}

definition::SummaryOp summaryOp(const QString& name)
{
    using S = definition::SummaryOp;
    static const std::pair<const char*, S> ops[] = {
        {"sum", S::Sum}, {"count", S::Count}, {"average", S::Average}, {"minimum", S::Minimum},
        {"maximum", S::Maximum}, {"distinctcount", S::DistinctCount},
    };
    for (const auto& [n, op] : ops) {
        if (name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
            return op;
    }
    return S::None;
}

}  // namespace

class Parser {
public:
    Parser(const QString& text, Scope& scope, Formula& out)
        : lexer_(text), scope_(scope), out_(out)
    {
        advance();
    }

    std::unique_ptr<Node> parseAll()
    {
        if (tok_.kind == Tok::End)
            return makeNode(Op::Constant, Type::Null, 0);
        auto n = expression();
        if (tok_.kind != Tok::End)
            fail(tok_.offset, QStringLiteral("an operator or the end of the formula is expected here"));
        for (const auto& k : n->kids)
            onlyWhereListsGo(*n, *k);
        return n;
    }

private:
    void advance() { tok_ = lexer_.next(); }

    // A list is a whole formula, the right side of in, or a side of = and
    // <>; anywhere else a single value is expected.
    static void onlyWhereListsGo(const Node& parent, const Node& n)
    {
        const bool allowed = parent.op == Op::Equal || parent.op == Op::NotEqual
                             || (parent.op == Op::In && &n == parent.kids[1].get()) || parent.op == Op::List;
        if (n.list && !allowed)
            fail(n.offset, QStringLiteral("a single value is expected here, not a list; use in, = or <> with a list"));
        for (const auto& k : n.kids)
            onlyWhereListsGo(n, *k);
    }

    bool isOp(const char* op) const { return tok_.kind == Tok::Op && tok_.text == QLatin1String(op); }

    void expect(Tok kind, const char* what)
    {
        if (tok_.kind != kind)
            fail(tok_.offset, QStringLiteral("%1 is expected here").arg(QString::fromLatin1(what)));
        advance();
    }

    static void require(const Node& n, bool ok, const QString& expected)
    {
        if (!ok)
            fail(n.offset, QStringLiteral("%1 is expected here").arg(expected));
    }
    static bool numericOrNull(Type t) { return isNumeric(t) || t == Type::Null; }
    static bool boolOrNull(Type t) { return t == Type::Boolean || t == Type::Null; }

    // Nesting is bounded, so that no formula text can exhaust the stack.
    struct Depth {
        explicit Depth(Parser& p)
            : p_(p)
        {
            if (++p_.depth_ > 200)
                fail(p_.tok_.offset, QStringLiteral("a simpler formula is expected here; it is nested too deeply"));
        }
        ~Depth() { --p_.depth_; }
        Parser& p_;
    };

    std::unique_ptr<Node> expression()
    {
        Depth guard(*this);
        if (isWord(tok_, "if")) {
            const int at = tok_.offset;
            advance();
            auto cond = expression();
            require(*cond, boolOrNull(cond->type), QStringLiteral("a boolean"));
            if (!isWord(tok_, "then"))
                fail(tok_.offset, QStringLiteral("then is expected here"));
            advance();
            auto yes = expression();
            std::unique_ptr<Node> no;
            if (isWord(tok_, "else")) {
                advance();
                no = expression();
            } else {
                no = makeNode(Op::Constant, Type::Null, tok_.offset);
            }
            const Type t = unify(*yes, *no);
            auto n = makeNode(Op::If, t, at);
            n->kids.push_back(std::move(cond));
            n->kids.push_back(std::move(yes));
            n->kids.push_back(std::move(no));
            return sized(std::move(n));
        }
        return orExpr();
    }

    // The type of a value that is one of two: the same kind of value, or null.
    static Type unify(const Node& a, const Node& b)
    {
        if (a.type == Type::Null)
            return b.type;
        if (b.type == Type::Null || a.type == b.type)
            return a.type;
        if (isNumeric(a.type) && isNumeric(b.type))
            return Type::Number;
        if (isDateLike(a.type) && isDateLike(b.type))
            return Type::DateTime;
        fail(b.offset, QStringLiteral("%1 is expected here, like the other branch").arg(typeName(a.type)));
    }

    // A node with its operands attached. Operators in a row ("1+1+...")
    // build a tree as deep as the row is long without nesting the text, and
    // evaluating or freeing a tree recurses its depth, so the depth of the
    // tree is bounded as well as the nesting of the text.
    std::unique_ptr<Node> sized(std::unique_ptr<Node> n)
    {
        for (const auto& kid : n->kids)
            n->height = std::max(n->height, kid->height + 1);
        if (n->height > 2000)
            fail(n->offset, QStringLiteral("a simpler formula is expected here; it is nested too deeply"));
        return n;
    }

    std::unique_ptr<Node> binary(Op op, Type type, std::unique_ptr<Node> a, std::unique_ptr<Node> b)
    {
        auto n = makeNode(op, type, a->offset);
        n->kids.push_back(std::move(a));
        n->kids.push_back(std::move(b));
        return sized(std::move(n));
    }

    std::unique_ptr<Node> orExpr()
    {
        auto a = andExpr();
        while (isWord(tok_, "or")) {
            advance();
            auto b = andExpr();
            require(*a, boolOrNull(a->type), QStringLiteral("a boolean"));
            require(*b, boolOrNull(b->type), QStringLiteral("a boolean"));
            a = binary(Op::Or, Type::Boolean, std::move(a), std::move(b));
        }
        return a;
    }

    std::unique_ptr<Node> andExpr()
    {
        auto a = notExpr();
        while (isWord(tok_, "and")) {
            advance();
            auto b = notExpr();
            require(*a, boolOrNull(a->type), QStringLiteral("a boolean"));
            require(*b, boolOrNull(b->type), QStringLiteral("a boolean"));
            a = binary(Op::And, Type::Boolean, std::move(a), std::move(b));
        }
        return a;
    }

    std::unique_ptr<Node> notExpr()
    {
        Depth guard(*this);
        if (isWord(tok_, "not")) {
            const int at = tok_.offset;
            advance();
            auto a = notExpr();
            require(*a, boolOrNull(a->type), QStringLiteral("a boolean"));
            auto n = makeNode(Op::Not, Type::Boolean, at);
            n->kids.push_back(std::move(a));
            return sized(std::move(n));
        }
        return comparison();
    }

    static bool comparable(Type a, Type b)
    {
        if (a == Type::Null || b == Type::Null || a == b)
            return true;
        return (isNumeric(a) && isNumeric(b)) || (isDateLike(a) && isDateLike(b));
    }

    std::unique_ptr<Node> comparison()
    {
        auto a = concat();
        if (isWord(tok_, "in")) {
            advance();
            auto b = concat();
            if (a->list)
                fail(a->offset, QStringLiteral("a single value is expected here, to look for in the list"));
            if (!comparable(a->type, b->type))
                fail(b->offset, QStringLiteral("a list of %1 is expected here")
                                    .arg(typeName(isNumeric(a->type) ? Type::Number : a->type)));
            return binary(Op::In, Type::Boolean, std::move(a), std::move(b));
        }
        static const std::pair<const char*, Op> ops[] = {{"=", Op::Equal}, {"<>", Op::NotEqual}, {"<", Op::Less},
                                                         {"<=", Op::LessEqual}, {">", Op::Greater},
                                                         {">=", Op::GreaterEqual}};
        for (const auto& [text, op] : ops) {
            if (isOp(text)) {
                advance();
                auto b = concat();
                if ((a->list || b->list) && op != Op::Equal && op != Op::NotEqual)
                    fail((a->list ? a : b)->offset, QStringLiteral("a single value is expected here; a list is only "
                                                                   "compared with = and <>, or used with in"));
                if (a->list && b->list)
                    fail(b->offset, QStringLiteral("a single value is expected here, to compare with the list"));
                if (!comparable(a->type, b->type))
                    fail(b->offset, QStringLiteral("%1 is expected here, to compare with the left side")
                                        .arg(typeName(isNumeric(a->type) ? Type::Number : a->type)));
                return binary(op, Type::Boolean, std::move(a), std::move(b));
            }
        }
        return a;
    }

    std::unique_ptr<Node> concat()
    {
        auto a = additive();
        while (isOp("&")) {
            advance();
            auto b = additive();
            a = binary(Op::Concat, Type::String, std::move(a), std::move(b));
        }
        return a;
    }

    std::unique_ptr<Node> additive()
    {
        auto a = multiplicative();
        for (;;) {
            const bool plus = isOp("+");
            if (!plus && !isOp("-"))
                return a;
            advance();
            auto b = multiplicative();
            const Type ta = a->type, tb = b->type;
            Type result;
            if (plus && (ta == Type::String || (ta == Type::Null && tb == Type::String))) {
                require(*b, tb == Type::String || tb == Type::Null, QStringLiteral("a string"));
                a = binary(Op::Concat, Type::String, std::move(a), std::move(b));
                continue;
            }
            if (numericOrNull(ta) && !isDateLike(tb)) {
                require(*b, numericOrNull(tb), QStringLiteral("a number"));
                result = (ta == Type::Currency || tb == Type::Currency) ? Type::Currency : Type::Number;
            } else if (isDateLike(ta)) {
                if (!plus && isDateLike(tb)) {
                    result = Type::Number;  // days between
                } else {
                    require(*b, numericOrNull(tb), QStringLiteral("a number of days"));
                    result = ta;
                }
            } else if (plus && isDateLike(tb)) {
                require(*a, numericOrNull(ta), QStringLiteral("a number of days"));
                result = tb;
            } else {
                require(*a, false, QStringLiteral("a number"));
                result = Type::Number;
            }
            a = binary(plus ? Op::Add : Op::Subtract, result, std::move(a), std::move(b));
        }
    }

    std::unique_ptr<Node> multiplicative()
    {
        auto a = unary();
        for (;;) {
            Op op;
            if (isOp("*")) op = Op::Multiply;
            else if (isOp("/")) op = Op::Divide;
            else if (isWord(tok_, "mod")) op = Op::Modulo;
            else return a;
            advance();
            auto b = unary();
            require(*a, numericOrNull(a->type), QStringLiteral("a number"));
            require(*b, numericOrNull(b->type), QStringLiteral("a number"));
            const Type t = (op == Op::Multiply && (a->type == Type::Currency || b->type == Type::Currency))
                                   || (op == Op::Divide && a->type == Type::Currency && b->type != Type::Currency)
                               ? Type::Currency
                               : Type::Number;
            a = binary(op, t, std::move(a), std::move(b));
        }
    }

    std::unique_ptr<Node> unary()
    {
        Depth guard(*this);
        if (isOp("-") || isOp("+")) {
            const bool minus = isOp("-");
            const int at = tok_.offset;
            advance();
            auto a = unary();
            require(*a, numericOrNull(a->type), QStringLiteral("a number"));
            if (!minus)
                return a;
            auto n = makeNode(Op::Negate, a->type, at);
            n->kids.push_back(std::move(a));
            return sized(std::move(n));
        }
        return power();
    }

    std::unique_ptr<Node> power()
    {
        auto a = primary();
        if (isOp("^")) {
            advance();
            auto b = unary();
            require(*a, numericOrNull(a->type), QStringLiteral("a number"));
            require(*b, numericOrNull(b->type), QStringLiteral("a number"));
            return binary(Op::Power, Type::Number, std::move(a), std::move(b));
        }
        return a;
    }

    std::unique_ptr<Node> constant(const Value& v, int at)
    {
        auto n = makeNode(Op::Constant, v.type, at);
        n->constant = v;
        return n;
    }

    std::unique_ptr<Node> primary()
    {
        const Token t = tok_;
        switch (t.kind) {
        case Tok::Number: advance(); return constant(Value::ofNumber(t.number), t.offset);
        case Tok::String: advance(); return constant(Value::ofString(t.text), t.offset);
        case Tok::Date: advance(); return constant(t.date, t.offset);
        case Tok::Ref: advance(); return reference(t);
        case Tok::LParen: {
            advance();
            auto n = expression();
            expect(Tok::RParen, "a closing parenthesis");
            n->offset = t.offset;  // errors about a parenthesised part point at its parenthesis
            return n;
        }
        case Tok::Ident: return word();
        case Tok::LBracket: return listLiteral();
        case Tok::End: fail(t.offset, QStringLiteral("a value is expected here; the formula ends too early"));
        default: break;
        }
        fail(t.offset, QStringLiteral("a value is expected here"));
    }

    // [a, b, ...]: values of one kind (nulls allowed).
    std::unique_ptr<Node> listLiteral()
    {
        const int at = tok_.offset;
        advance();
        auto n = makeNode(Op::List, Type::Null, at);
        n->list = true;
        if (tok_.kind != Tok::RBracket) {
            for (;;) {
                auto item = expression();
                if (item->list)
                    fail(item->offset, QStringLiteral("a single value is expected here; lists do not nest"));
                n->type = n->kids.empty() ? item->type : unify(*n, *item);
                n->kids.push_back(std::move(item));
                if (tok_.kind != Tok::Comma)
                    break;
                advance();
            }
        }
        expect(Tok::RBracket, "a comma or a closing bracket ]");
        return n;
    }

    std::unique_ptr<Node> reference(const Token& t)
    {
        const auto ref = definition::FieldRef::parse(t.text);
        using K = definition::FieldRef::Kind;
        std::optional<Symbol> s;
        Op op = Op::Field;
        switch (ref.kind) {
        case K::Database:
            s = scope_.field(ref.table, ref.name);
            if (!s)
                fail(t.offset, QStringLiteral("a field of the report's tables is expected here; there is no %1").arg(t.text));
            break;
        case K::Formula:
            s = scope_.formula(ref.name);
            op = Op::FormulaRef;
            if (!s)
                fail(t.offset, QStringLiteral("a formula of the report is expected here; there is no %1").arg(t.text));
            out_.formulaRefs_.push_back(s->index);
            break;
        case K::Parameter:
            s = scope_.parameter(ref.name);
            op = Op::Parameter;
            if (!s)
                fail(t.offset, QStringLiteral("a parameter of the report is expected here; there is no %1").arg(t.text));
            break;
        case K::Invalid:
            fail(t.offset, QStringLiteral("a field is expected here, written {Table.Field}, {@Formula} or {?Parameter}"));
        }
        if (s->list) {  // a parameter holding a list: its values, as a list written in the formula
            auto n = makeNode(Op::List, s->type, t.offset);
            n->list = true;
            for (const Value& v : s->values)
                n->kids.push_back(constant(v, t.offset));
            return n;
        }
        auto n = makeNode(op, s->type, t.offset);
        n->index = s->index;
        return n;
    }

    std::unique_ptr<Node> word()
    {
        const Token t = tok_;
        advance();
        if (isWord(t, "true") || isWord(t, "false"))
            return constant(Value::ofBoolean(isWord(t, "true")), t.offset);
        if (isWord(t, "null"))
            return constant(Value::null(), t.offset);
        if (isWord(t, "PageNumber") || isWord(t, "TotalPageCount") || isWord(t, "RecordNumber")) {
            optionalEmptyParens();
            const Op op = isWord(t, "PageNumber") ? Op::PageNumber
                        : isWord(t, "TotalPageCount") ? Op::TotalPageCount
                                                      : Op::RecordNumber;
            if (op == Op::PageNumber)
                out_.usesPageNumber_ = true;
            if (op == Op::TotalPageCount)
                out_.usesTotalPageCount_ = true;
            return makeNode(op, Type::Number, t.offset);
        }
        if (const auto sop = summaryOp(t.text); sop != definition::SummaryOp::None)
            return summary(t, sop);
        if (isWord(t, "GroupName"))
            return groupName(t);
        const FunctionInfo* f = findFunction(t.text);
        if (!f) {
            if (isWord(t, "then") || isWord(t, "else") || isWord(t, "and") || isWord(t, "or") || isWord(t, "mod"))
                fail(t.offset, QStringLiteral("a value is expected here, before %1").arg(t.text));
            fail(t.offset, QStringLiteral("a function, field or value is expected here; %1 is not a function").arg(t.text));
        }
        std::vector<std::unique_ptr<Node>> args;
        if (tok_.kind == Tok::LParen) {
            advance();
            if (tok_.kind != Tok::RParen) {
                for (;;) {
                    args.push_back(expression());
                    if (tok_.kind == Tok::Comma) {
                        advance();
                        continue;
                    }
                    break;
                }
            }
            expect(Tok::RParen, "a comma or a closing parenthesis");
        }
        const int n = static_cast<int>(args.size());
        if (n < functionMinArgs(f) || n > functionMaxArgs(f)) {
            const int lo = functionMinArgs(f), hi = functionMaxArgs(f);
            fail(t.offset, QStringLiteral("%1 takes %2 argument%3 here")
                               .arg(functionName(f),
                                    lo == hi ? QString::number(lo) : QStringLiteral("%1 to %2").arg(lo).arg(hi),
                                    hi == 1 ? QString() : QStringLiteral("s")));
        }
        std::vector<Type> types;
        for (const auto& a : args)
            types.push_back(a->type);
        const CallCheck check = checkCall(f, types);
        if (!check.error.isEmpty())
            fail(check.badArgument >= 0 ? args[check.badArgument]->offset : t.offset, check.error);
        auto call = makeNode(Op::Call, check.result, t.offset);
        call->index = functionIndex(f);
        call->kids = std::move(args);
        return sized(std::move(call));
    }

    void optionalEmptyParens()
    {
        if (tok_.kind == Tok::LParen) {
            advance();
            expect(Tok::RParen, "a closing parenthesis (this takes no arguments)");
        }
    }

    // GroupName({field of a group})
    std::unique_ptr<Node> groupName(const Token& t)
    {
        expect(Tok::LParen, "an opening parenthesis");
        if (tok_.kind != Tok::Ref)
            fail(tok_.offset, QStringLiteral("the field of a group is expected here"));
        const auto level = scope_.groupLevel(tok_.text);
        if (!level)
            fail(tok_.offset, QStringLiteral("the field of a group is expected here; the report has no group on %1").arg(tok_.text));
        advance();
        expect(Tok::RParen, "a closing parenthesis");
        auto n = makeNode(Op::GroupName, Type::String, t.offset);
        n->index = *level;
        return n;
    }

    std::unique_ptr<Node> summary(const Token& t, definition::SummaryOp op)
    {
        expect(Tok::LParen, "an opening parenthesis");
        if (tok_.kind != Tok::Ref)
            fail(tok_.offset, QStringLiteral("a field to summarise is expected here, written {Table.Field} or {@Formula}"));
        const Token fieldTok = tok_;
        auto field = reference(fieldTok);
        advance();
        if (field->op == Op::Parameter)
            fail(fieldTok.offset, QStringLiteral("a field to summarise is expected here, not a parameter"));
        if ((op == definition::SummaryOp::Sum || op == definition::SummaryOp::Average) && !isNumeric(field->type))
            fail(fieldTok.offset, QStringLiteral("a number is expected here"));
        int level = 0;
        if (tok_.kind == Tok::Comma) {
            advance();
            if (tok_.kind != Tok::Ref)
                fail(tok_.offset, QStringLiteral("the field of a group is expected here"));
            const auto lv = scope_.groupLevel(tok_.text);
            if (!lv)
                fail(tok_.offset, QStringLiteral("the field of a group is expected here; the report has no group on %1")
                                      .arg(tok_.text));
            level = *lv;
            advance();
        }
        expect(Tok::RParen, "a comma or a closing parenthesis");
        Type type = Type::Number;
        if (op == definition::SummaryOp::Minimum || op == definition::SummaryOp::Maximum)
            type = field->type;
        else if (op == definition::SummaryOp::Sum && field->type == Type::Currency)
            type = Type::Currency;
        auto n = makeNode(Op::Summary, type, t.offset);
        n->index = scope_.summary(op, fieldTok.text, level);
        out_.usesSummaries_ = true;
        return n;
    }

    Lexer lexer_;
    Scope& scope_;
    Formula& out_;
    Token tok_;
    int depth_ = 0;
};

Formula::~Formula() = default;

std::unique_ptr<Formula> Formula::compile(const QString& text, Scope& scope, CompileError& error)
{
    std::unique_ptr<Formula> f(new Formula);
    try {
        Parser p(text, scope, *f);
        f->root_ = p.parseAll();
        f->type_ = f->root_->list ? Type::String : f->root_->type;  // a list shows as text
    } catch (const Failure& failure) {
        error = failure.error;
        return nullptr;
    }
    return f;
}

Value Formula::evaluate(Env& env) const
{
    return evaluateNode(*root_, env);
}

std::pair<int, int> lineAndColumn(const QString& text, int offset)
{
    int line = 1, column = 1;
    for (int i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n')) {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return {line, column};
}

QString CompileError::describe(const QString& text) const
{
    const auto [line, column] = lineAndColumn(text, offset);
    if (text.contains(QLatin1Char('\n')))
        return QStringLiteral("%1 (line %2, column %3)").arg(message).arg(line).arg(column);
    return QStringLiteral("%1 (column %2)").arg(message).arg(column);
}

}  // namespace orx::reportrt::formula
