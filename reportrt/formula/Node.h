#pragma once

#include "reportrt/formula/Formula.h"

#include <memory>
#include <vector>

// The compiled form of a formula: a typed expression tree. Internal to the
// formula folder.
namespace orx::reportrt::formula {

enum class Op : unsigned char {
    Constant, Field, FormulaRef, Parameter, Summary, PageNumber, TotalPageCount, RecordNumber,
    Negate, Not, Add, Subtract, Multiply, Divide, Modulo, Power, Concat,
    Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual, And, Or, If, Call,
};

struct Node {
    Op op = Op::Constant;
    Type type = Type::Null;
    int offset = 0;  // where the node starts in the text, for errors
    int index = 0;   // field, formula, parameter, summary slot or function
    Value constant;
    std::vector<std::unique_ptr<Node>> kids;
};

Value evaluateNode(const Node& node, Env& env);

// The function table (Functions.cpp).
struct FunctionInfo;
const FunctionInfo* findFunction(const QString& name);
int functionIndex(const FunctionInfo* f);
// The result type of a call, or an error message placed at the argument it concerns.
struct CallCheck {
    Type result = Type::Null;
    int badArgument = -1;  // -1: the call as a whole
    QString error;
};
CallCheck checkCall(const FunctionInfo* f, const std::vector<Type>& argTypes);
int functionMinArgs(const FunctionInfo* f);
int functionMaxArgs(const FunctionInfo* f);
QString functionName(const FunctionInfo* f);
Value callFunction(int index, const std::vector<Value>& args, const Node& call);

}  // namespace orx::reportrt::formula
