#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace cellvex::fuzzing {

// Drives a new control through Invoke as a late-bound client would: the
// bytes pick members from the member table and their arguments (numbers
// near the limits, odd strings, GBK edge bytes, formulas, scripts,
// documents and clipboard texts), while an event sink calls back into the
// control, the report replaced among it. After every call the report must
// still hold together: the answer names the first thing that did not
// (the call's number and the invariant), empty when everything held.
// Files the members write go into `fileDir`. A QApplication must exist.
QString driveMembers(const std::uint8_t *data, std::size_t size, const QString &fileDir);

} // namespace cellvex::fuzzing
