#pragma once

#include "grid/layout/ScrollController.h"
#include "report/Report.h"

#include <QString>
#include <QStringList>

namespace cellvex::test {

// A report of cols x rows default cells seen through a viewport of the given
// size, with the scroll events written down in order.
struct View
{
    Report report;
    ScrollController scroll{report};
    QStringList events;

    View(int cols, int rows, int width, int height)
    {
        report.newReport(cols, rows);
        scroll.viewportResized(width, height);
        scroll.onLeftChange = [this](int p) { events << QStringLiteral("left %1").arg(p); };
        scroll.onTopChange = [this](int p) { events << QStringLiteral("top %1").arg(p); };
    }
    // Events since the last call.
    QStringList take()
    {
        QStringList out;
        out.swap(events);
        return out;
    }
};

} // namespace cellvex::test
