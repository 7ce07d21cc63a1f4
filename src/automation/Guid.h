#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace cellvex::automation {

// A 128-bit interface or class identifier in the usual field layout.
struct Guid
{
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    friend constexpr bool operator==(const Guid &, const Guid &) = default;

    // Registry form without braces, upper case: 373AE5FA-7210-4777-BCD2-F16A7EC201B3.
    QString toString() const;
};

} // namespace cellvex::automation
