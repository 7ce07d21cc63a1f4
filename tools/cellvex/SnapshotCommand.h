#pragma once

#include <QStringList>

namespace cellvex {

// `cellvex snapshot OUT.png [--size WxH] [--cols N --rows N] [--pole-visible M]`:
// renders a new control headlessly into a PNG. Returns the process exit code.
int runSnapshot(const QStringList &args);

} // namespace cellvex
