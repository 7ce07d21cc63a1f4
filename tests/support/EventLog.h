#pragma once

#include "EventReplies.h"
#include "RaisedEvent.h"
#include "ReplyingSink.h"

#include "automation/EventSink.h"
#include "automation/EventTable.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <span>
#include <string_view>
#include <vector>

namespace cellvex::test {

// An event sink for tests: keeps every event it receives, writes the ones
// a test watches as short lines ("select 1,1,2,2", "changed 2,3=x"), and
// answers them with the replies the test scripted (see EventReplies).
class EventLog : public automation::IEventSink, public EventReplies
{
public:
    // Writes down the events with these names (as in the event table), or
    // every event when none are given.
    explicit EventLog(std::span<const std::string_view> written = {})
    {
        for (std::string_view name : written) {
            const auto events = automation::eventTable();
            const auto row = std::find_if(events.begin(), events.end(),
                                          [&](const automation::EventRow &e) { return e.name == name; });
            if (row == events.end())
                ADD_FAILURE() << "no event " << name;
            else
                m_written.push_back(row->dispId);
        }
    }
    EventLog(const EventLog &) = delete;
    EventLog &operator=(const EventLog &) = delete;

    // The watched events as lines, in the order raised; a test may clear it.
    std::vector<QString> log;
    // Every event received, in order; clear() empties it.
    std::vector<RaisedEvent> raised;

    automation::HResult Invoke(automation::DispId dispId, std::vector<automation::Variant> &args) override
    {
        const automation::EventRow *row = automation::findEvent(dispId);
        raised.push_back({dispId, row ? row->name : std::string_view(), args});
        if (m_written.empty() || std::count(m_written.begin(), m_written.end(), dispId))
            log.push_back(line(dispId, args));
        // Replies may raise events of their own: nothing above is held across them.
        automation::HResult hr = m_typed.Invoke(dispId, args);
        if (auto answer = reply)
            hr = answer(dispId, args);
        return hr;
    }

    // The lines written since the last take() or clear().
    QStringList take()
    {
        QStringList out(log.begin(), log.end());
        log.clear();
        return out;
    }
    void clear()
    {
        log.clear();
        raised.clear();
    }
    // How many events with this name came.
    int count(std::string_view name) const
    {
        return int(std::count_if(raised.begin(), raised.end(),
                                 [&](const RaisedEvent &e) { return e.name == name; }));
    }
    // The dispatch ids of the events, in order.
    std::vector<automation::DispId> dispIds() const
    {
        std::vector<automation::DispId> ids;
        for (const RaisedEvent &e : raised)
            ids.push_back(e.dispId);
        return ids;
    }
    // The messages of the OnError events, in order.
    QStringList errors() const
    {
        QStringList out;
        for (const RaisedEvent &e : raised)
            if (e.name == "OnError" && !e.args.empty())
                out << e.args[0].asString();
        return out;
    }

    // An event as a line: a word, the numbers, then the text after "=" (or
    // after the word when there are no numbers): "changed 2,3=x", "error m".
    static QString line(automation::DispId dispId, const std::vector<automation::Variant> &args)
    {
        struct Shape
        {
            const char *word;
            std::size_t numbers;
            bool text;
        };
        // By dispatch id, from 1.
        static constexpr Shape kShapes[] = {
            {"activate", 0, false}, {"button", 2, true},    {"create", 0, false},     {"select", 4, false},
            {"error", 0, true},     {"destroy", 0, false},  {"deactivate", 0, false}, {"input", 2, false},
            {"pole", 2, false},     {"rpole", 2, false},    {"key", 1, false},        {"lclick", 2, false},
            {"rclick", 2, false},   {"dblclick", 2, false}, {"changed", 2, true},     {"paint", 0, false},
            {"top", 1, false},      {"left", 1, false},     {"changing", 2, true},    {"series", 3, false},
        };
        if (dispId < 1 || std::size_t(dispId) > std::size(kShapes))
            return QString("event %1").arg(dispId);
        const Shape &shape = kShapes[dispId - 1];
        auto arg = [&](std::size_t i) { return i < args.size() ? args[i] : automation::Variant(); };
        QStringList numbers;
        for (std::size_t i = 0; i < shape.numbers; ++i) {
            const automation::Variant v = arg(i);
            numbers << QString::number(v.type() == automation::VarType::Short ? v.asShort() : v.asLong());
        }
        QString out = QString::fromLatin1(shape.word);
        if (!numbers.isEmpty())
            out += QLatin1Char(' ') + numbers.join(QLatin1Char(','));
        if (shape.text)
            out += (numbers.isEmpty() ? QLatin1Char(' ') : QLatin1Char('=')) + arg(shape.numbers).asString();
        return out;
    }

private:
    std::vector<automation::DispId> m_written;
    ReplyingSink m_typed{*this};
};

} // namespace cellvex::test
