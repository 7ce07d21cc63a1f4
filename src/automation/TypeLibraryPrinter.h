#pragma once

#include <QString>

namespace cellvex::automation {

// The type library as IDL-like text: the library, the enumerations,
// ICellvex with every member in vtable order (slot, dispatch id, kind,
// arguments), ICellvexEvents and the coclass. For hosts' developers and for
// checking the binary interface by eye.
QString typeLibraryText();

} // namespace cellvex::automation
