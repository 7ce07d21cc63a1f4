#pragma once

#include "script/vbscript/Value.h"

#include <QString>

#include <vector>

namespace cellvex::vbs {

class Runtime;

using BuiltinFn = Value (*)(Runtime &rt, std::vector<Value> &args);

// A function or constant of the language. A constant has no fn.
struct Builtin
{
    const char *name;
    int minArgs;
    int maxArgs;
    BuiltinFn fn;
    Value constant;
};

// The whole table, by lower-case name; null when the name is none.
const Builtin *findBuiltin(const QString &key);

// The groups, one file each.
void addConversionBuiltins(std::vector<Builtin> &out);
void addMathBuiltins(std::vector<Builtin> &out);
void addStringBuiltins(std::vector<Builtin> &out);
void addFormatBuiltins(std::vector<Builtin> &out);
void addArrayBuiltins(std::vector<Builtin> &out);
void addTypeBuiltins(std::vector<Builtin> &out);
void addDateBuiltins(std::vector<Builtin> &out);
void addHostBuiltins(std::vector<Builtin> &out);
void addConstants(std::vector<Builtin> &out);

// Helpers for the groups.
namespace arg {
bool given(const std::vector<Value> &args, std::size_t i);
// Raises 94 when the argument is Null.
void notNull(const Value &v);
} // namespace arg

} // namespace cellvex::vbs
