#pragma once

#include "script/vbscript/Value.h"

#include <QHash>

#include <memory>
#include <unordered_map>
#include <vector>

namespace cellvex::vbs {

struct ProcDef;
class ClassInstance;

// One activation: the global code's frame or a procedure call's. Slots point
// at the frame's own storage or, for ByRef parameters, at the caller's.
struct Frame
{
    const ProcDef *proc = nullptr;
    Ref<ClassInstance> me;
    std::vector<Value> own;
    std::vector<Value *> vars;
    // Variables a procedure creates by assigning to an undeclared name;
    // node-based so that ByRef pointers into it stay valid.
    std::unique_ptr<std::unordered_map<QString, Value>> implicit;
    std::vector<Value> withObjects;
    bool resumeNext = false;
    bool explicitVars = false;
};

} // namespace cellvex::vbs
