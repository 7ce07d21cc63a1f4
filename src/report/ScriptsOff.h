#pragma once

#include "report/Report.h"

namespace cellvex {

// Keeps value changes from running cell scripts while it lives (an import
// writing its values, a test run from the script editor), and puts the
// setting back however the work ends, an exception included.
class ScriptsOff
{
public:
    explicit ScriptsOff(Report &report) : m_report(report), m_was(report.scriptsEnabled())
    {
        report.setScriptsEnabled(false);
    }
    ~ScriptsOff() { m_report.setScriptsEnabled(m_was); }
    ScriptsOff(const ScriptsOff &) = delete;
    ScriptsOff &operator=(const ScriptsOff &) = delete;

private:
    Report &m_report;
    bool m_was;
};

} // namespace cellvex
