#pragma once

#include <QStringList>

class QWidget;

namespace cellvex {

class CellvexControl;
namespace automation {
class ICellvex;
}

// Runs a VBScript file against the control, the way `cellvex script` runs
// JavaScript: Cellvex (late-bound by name), WScript (Echo, Arguments,
// ScriptName), print, Host and Ui, and Sub Cellvex_<Event> handlers.
// Returns the exit status: 0 when the script ends, 1 on a script error.
int runVbScript(automation::ICellvex &control, CellvexControl &widget, QWidget &window, const QString &path,
                const QString &source, const QStringList &args, bool show);

} // namespace cellvex
