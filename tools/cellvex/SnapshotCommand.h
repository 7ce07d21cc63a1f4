#pragma once

#include <QStringList>

namespace cellvex {

// `cellvex snapshot OUT.png [--size WxH] [--cols N --rows N] [--pole-visible M]
// [--open FILE.cvd]`: renders a new control, or one showing a stored report,
// headlessly into a PNG. Returns the process exit code.
int runSnapshot(const QStringList &args);

} // namespace cellvex
