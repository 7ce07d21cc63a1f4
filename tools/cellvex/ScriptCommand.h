#pragma once

#include <QStringList>

namespace cellvex {

// `cellvex script FILE.js [ARGS...] [--show]`: runs a script against a new
// control created through its class factory. Exit 0 when the script ends, 1
// when it throws, 2 for a usage error.
int runScript(const QStringList &args);

// `cellvex typelib`: prints the type library.
int runTypelib(const QStringList &args);

} // namespace cellvex
