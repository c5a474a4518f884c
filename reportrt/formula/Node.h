#pragma once

#include "reportrt/ReportRTExport.h"

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
    List, In,  // a list of values [a, b] (or a parameter's); x in list
    GroupName,
};

struct ORX_REPORTRT_EXPORT Node {
    Op op = Op::Constant;
    Type type = Type::Null;
    int offset = 0;  // where the node starts in the text, for errors
    int index = 0;   // field, formula, parameter, summary slot or function
    bool list = false;  // a List node: `type` is the type of its items
    Value constant;
    std::vector<std::unique_ptr<Node>> kids;
    int height = 1;  // levels of nodes from this one down (evaluation recurses this deep)
};

ORX_REPORTRT_EXPORT Value evaluateNode(const Node& node, Env& env);

// The function table (Functions.cpp).
struct FunctionInfo;
ORX_REPORTRT_EXPORT const FunctionInfo* findFunction(const QString& name);
ORX_REPORTRT_EXPORT int functionIndex(const FunctionInfo* f);
// The result type of a call, or an error message placed at the argument it concerns.
struct ORX_REPORTRT_EXPORT CallCheck {
    Type result = Type::Null;
    int badArgument = -1;  // -1: the call as a whole
    QString error;
};
ORX_REPORTRT_EXPORT CallCheck checkCall(const FunctionInfo* f, const std::vector<Type>& argTypes);
ORX_REPORTRT_EXPORT int functionMinArgs(const FunctionInfo* f);
ORX_REPORTRT_EXPORT int functionMaxArgs(const FunctionInfo* f);
ORX_REPORTRT_EXPORT QString functionName(const FunctionInfo* f);
ORX_REPORTRT_EXPORT Value callFunction(int index, const std::vector<Value>& args, const Node& call);

}  // namespace orx::reportrt::formula
