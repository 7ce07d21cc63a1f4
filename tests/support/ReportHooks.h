#pragma once

#include "report/Report.h"
#include "report/ReportListener.h"

#include <functional>

namespace cellvex::test {

// A report listener whose answers a test sets per case; an unset one does
// nothing. Installs itself on the report for its lifetime.
struct ReportHooks final : ReportListener
{
    explicit ReportHooks(Report &r) : report(r) { report.setListener(this); }
    ~ReportHooks() { report.setListener(nullptr); }
    ReportHooks(const ReportHooks &) = delete;
    ReportHooks &operator=(const ReportHooks &) = delete;

    std::function<void(int col, int row, QString &value)> changing;
    std::function<void(int col, int row, const QString &value)> changed;
    std::function<void(int col, int row, const QString &name, QString &script)> button;
    // Changes of one cell (repaints) and of anything else.
    std::function<void(int col, int row)> cellRepaint;
    std::function<void(const ReportChange &)> other;

    void reportChanged(const ReportChange &c) override
    {
        if (c.subject == ReportChange::Subject::Cell) {
            if (cellRepaint)
                cellRepaint(c.col, c.row);
        } else if (other)
            other(c);
    }
    void captionChanging(int col, int row, QString &value) override
    {
        if (changing)
            changing(col, row, value);
    }
    void captionChanged(int col, int row, const QString &value) override
    {
        if (changed)
            changed(col, row, value);
    }
    void buttonPressed(int col, int row, const QString &name, QString &script) override
    {
        if (button)
            button(col, row, name, script);
    }

    Report &report;
};

} // namespace cellvex::test
