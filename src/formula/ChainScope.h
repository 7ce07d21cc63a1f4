#pragma once

#include "report/Report.h"

namespace cellvex {

// One step of a chain of formula computations and cell scripts that start
// each other through caption changes. A step that would pass the report's
// shared limit is not entered: the caller then skips its work.
class ChainScope
{
public:
    explicit ChainScope(Report &report) : m_report(report), m_entered(report.enterChain()) {}
    ~ChainScope()
    {
        if (m_entered)
            m_report.leaveChain();
    }
    ChainScope(const ChainScope &) = delete;
    ChainScope &operator=(const ChainScope &) = delete;

    bool entered() const { return m_entered; }

private:
    Report &m_report;
    bool m_entered;
};

} // namespace cellvex
