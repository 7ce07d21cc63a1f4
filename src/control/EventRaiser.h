#pragma once

#include "automation/EventId.h"
#include "automation/EventSink.h"
#include "report/Report.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace cellvex {

// Raises the control's events on the host's sink, synchronously. Without a
// sink every event is skipped and by-reference arguments keep their values.
// A sink that fails is ignored. Every event is a host call of the report
// (HostCallScope): events raised from inside a handler nest, up to the
// report's depth limit beyond which they are dropped, so a host that answers
// an event by causing the same event cannot recurse without end.
class EventRaiser
{
public:
    static constexpr int kMaxNesting = Report::kMaxChainDepth;

    explicit EventRaiser(Report &report) : m_report(report) {}

    void connect(automation::IEventSink *sink) { m_sink = sink; }
    void disconnect() { m_sink = nullptr; }
    automation::IEventSink *sink() const { return m_sink; }
    bool connected() const { return m_sink != nullptr; }

    // Raises the event with its arguments in the event table's order. When a
    // sink took it, each in/out argument holds what the host left in it,
    // converted to the table's type, or the value it was raised with when it
    // has no such reading. Returns false when the event was skipped (no sink,
    // or nested too deep); the arguments are then untouched.
    bool raise(automation::EventId id, std::vector<automation::Variant> &args);
    bool raise(automation::EventId id, std::vector<automation::Variant> &&args = {})
    {
        return raise(id, args);
    }

    // Typed forms of the events the control raises.
    void activate() { raise(automation::EventId::OnActivate); }
    void buttonClick(int col, int row, const QString &name, QString &script);
    void create() { raise(automation::EventId::OnCreate); }
    void selectChange(int minCol, int minRow, int maxCol, int maxRow);
    void error(const QString &message);
    void destroy() { raise(automation::EventId::OnDestroy); }
    void deactivate() { raise(automation::EventId::OnDeactivate); }
    void inputChange(int col, int row);
    void poleLClick(int index, int orientation);
    void poleRClick(int index, int orientation, int screenX, int screenY);
    void keyPress(std::int16_t &key);
    void cellLClick(int col, int row);
    void cellRClick(int col, int row, int screenX, int screenY);
    void cellLDblClick(int col, int row);
    void cellChanged(int col, int row, const QString &value);
    void paint() { raise(automation::EventId::OnPaint); }
    void topChange(int top);
    void leftChange(int left);
    void cellChanging(int col, int row, QString &value);
    void adjustedSeries(int col, int row, int seriesType, const QString &sign, const QString &data);

    // How deep host calls nest right now.
    int depth() const { return m_report.chainDepth(); }

private:
    automation::IEventSink *m_sink = nullptr;
    Report &m_report;
};

} // namespace cellvex
