#pragma once

#include <QString>
#include <QStringList>

namespace cellvex {

// The reference of ICellvex as Markdown: every member in vtable order with
// its dispatch id, kind, arguments, result and one line of meaning. Member
// names without a line, and lines naming no member, go to `problems`.
QString apiReferenceMarkdown(QStringList *problems);

} // namespace cellvex
