#pragma once

#include <QString>

namespace cellvex::demo {

// The host's text files hold the control's texts in its code page (GBK),
// with no byte-order mark and nothing added. Writing replaces the file as a
// whole or leaves it alone; both throw HostError when the file cannot be used.
// The largest text file the host reads for the control.
constexpr qint64 kMaxTextFileBytes = qint64(256) << 20;

void writeAnsiFile(const QString &path, const QString &text);
QString readAnsiFile(const QString &path);

} // namespace cellvex::demo
