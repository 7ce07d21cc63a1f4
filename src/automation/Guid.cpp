#include "automation/Guid.h"

namespace cellvex::automation {

QString Guid::toString() const
{
    return QString::asprintf("%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X", data1, unsigned(data2),
                             unsigned(data3), data4[0], data4[1], data4[2], data4[3], data4[4], data4[5],
                             data4[6], data4[7]);
}

} // namespace cellvex::automation
