#pragma once

#include <cstdint>

namespace cellvex {

// The memory the system could give this process now without swapping, in
// bytes: the kernel's MemAvailable, lowered to what the process's address
// space limit still allows. -1 when the system does not tell.
std::int64_t availableMemoryBytes();

} // namespace cellvex
