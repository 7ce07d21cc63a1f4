#pragma once

#include "report/Report.h"

#include <cstdint>

namespace cellvex {

// One call out of the control into code that may call back: an event raised
// to the host, or a step of a chain of formula computations and cell scripts
// that start each other through caption changes. Such calls share the
// report's one depth limit, so a host answering an event with the same event,
// or a chain alternating between computations and handlers, ends instead of
// exhausting the stack: a call that would pass the limit is not entered and
// the caller skips its work. Afterwards the scope tells whether the code it
// called replaced or reshaped the report, in which case no cell or position
// held from before may be used.
class HostCallScope
{
public:
    explicit HostCallScope(Report &report)
        : m_report(report), m_generation(report.generation()), m_entered(report.enterChain())
    {
    }
    ~HostCallScope()
    {
        if (m_entered)
            m_report.leaveChain();
    }
    HostCallScope(const HostCallScope &) = delete;
    HostCallScope &operator=(const HostCallScope &) = delete;

    bool entered() const { return m_entered; }
    // The report was rebuilt or its lines moved since the scope began.
    bool reportReplaced() const { return m_report.generation() != m_generation; }

private:
    Report &m_report;
    std::uint64_t m_generation;
    bool m_entered;
};

} // namespace cellvex
