#include "script/vbscript/Array.h"
#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/ScriptError.h"

namespace cellvex::vbs {

namespace {

using Args = std::vector<Value>;

Value boundOf(Args &a, bool upper)
{
    const Array *arr = a[0].asArray();
    if (!arr) {
        raise(err::TypeMismatch, upper ? QStringLiteral("UBound") : QStringLiteral("LBound"));
    }
    std::int32_t dim = a.size() > 1 ? conv::toLong(a[1]) : 1;
    if (dim < 1 || std::size_t(dim) > arr->upper.size()) {
        raise(err::SubscriptOutOfRange);
    }
    return Value::longValue(upper ? arr->upper[std::size_t(dim) - 1] : 0);
}

} // namespace

void addArrayBuiltins(std::vector<Builtin> &out)
{
    out.push_back({"Array",
                   0,
                   1 << 20,
                   [](Runtime &, Args &a) -> Value {
                       auto *arr = new Array;
                       arr->upper.push_back(std::int32_t(a.size()) - 1);
                       arr->items = a;
                       return Value::array(arr);
                   },
                   {}});
    out.push_back({"LBound", 1, 2, [](Runtime &, Args &a) { return boundOf(a, false); }, {}});
    out.push_back({"UBound", 1, 2, [](Runtime &, Args &a) { return boundOf(a, true); }, {}});
}

} // namespace cellvex::vbs
