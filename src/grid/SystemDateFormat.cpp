#include "grid/SystemDateFormat.h"

#include "grid/LocaleDateFormat.h"

namespace cellvex {

namespace {

// The control runs on one thread; the conventions are process-wide as the
// platform's are.
std::shared_ptr<const SystemDateFormat> &current()
{
    static std::shared_ptr<const SystemDateFormat> format = std::make_shared<LocaleDateFormat>();
    return format;
}

} // namespace

const SystemDateFormat &systemDateFormat()
{
    return *current();
}

void setSystemDateFormat(std::shared_ptr<const SystemDateFormat> format)
{
    current() = format ? std::move(format) : std::make_shared<LocaleDateFormat>();
}

} // namespace cellvex
