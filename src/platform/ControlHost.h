#pragma once

#include "automation/HResult.h"

#include <QString>

namespace cellvex {
namespace automation {
class ICellvex;
}

// The container's side of creating a control: looks the class up in the
// per-user server registry by ProgID or class identifier, loads the library
// and asks its class factory for a new control. On success *control holds
// one reference; on failure `error` says why.
automation::HResult createControl(const QString &progIdOrClassId, automation::ICellvex **control,
                                  QString *error = nullptr);

} // namespace cellvex
