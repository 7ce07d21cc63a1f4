#include "SystemMemory.h"

#include <QFile>

#include <sys/resource.h>

namespace cellvex {

namespace {

std::int64_t memAvailable()
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    // The file is a few dozen short lines; MemAvailable is near the top.
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(256);
        if (!line.startsWith("MemAvailable:"))
            continue;
        const QList<QByteArray> parts = line.mid(13).simplified().split(' ');
        bool ok = false;
        const std::int64_t kib = parts.value(0).toLongLong(&ok);
        if (!ok || kib < 0)
            return -1;
        return kib * 1024;
    }
    return -1;
}

} // namespace

std::int64_t availableMemoryBytes()
{
    std::int64_t available = memAvailable();
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        // What is mapped already counts against the limit, but is not known
        // cheaply; the limit itself is an upper bound that still catches a
        // request far beyond it.
        const auto cap = std::int64_t(limit.rlim_cur > rlim_t(INT64_MAX) ? INT64_MAX : limit.rlim_cur);
        if (available < 0 || cap < available)
            available = cap;
    }
    return available;
}

} // namespace cellvex
