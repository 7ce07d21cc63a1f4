#pragma once

#include "grid/layout/ScrollController.h"
#include "report/Report.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace cellvex::test {

// A layout listener whose answers a test sets per case.
struct LayoutHooks final : LayoutListener
{
    std::function<void(int position)> leftChange, topChange;
    std::function<void(Orientation axis)> geometry;

    void viewMoved() override {}
    void firstPoleChanged(Orientation axis, int position) override
    {
        const auto &f = axis == Orientation::Horizontal ? leftChange : topChange;
        if (f)
            f(position);
    }
    void beforeResize() override {}
    void geometryChanged(Orientation axis) override
    {
        if (geometry)
            geometry(axis);
    }
};

// A report of cols x rows default cells seen through a viewport of the given
// size, with the scroll events written down in order.
struct View
{
    Report report;
    ScrollController scroll{report};
    LayoutHooks hooks;
    QStringList events;

    View(int cols, int rows, int width, int height)
    {
        report.newReport(cols, rows);
        scroll.viewportResized(width, height);
        scroll.setListener(&hooks);
        hooks.leftChange = [this](int p) { events << QStringLiteral("left %1").arg(p); };
        hooks.topChange = [this](int p) { events << QStringLiteral("top %1").arg(p); };
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
