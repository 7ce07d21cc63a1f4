#pragma once

#include "automation/EventSink.h"
#include "automation/ICellvex.h"
#include "automation/MemberRow.h"

#include <QJSValue>
#include <QObject>

class QJSEngine;

namespace cellvex {

// Gives a script late-bound access to a control: every member is found by
// name (any letter case) and reached through Invoke, as a late-bound client
// would. A JavaScript Proxy built around this object turns method names into
// functions and property names into properties.
class ScriptBridge : public QObject
{
    Q_OBJECT
public:
    ScriptBridge(QJSEngine &engine, automation::ICellvex &control, QObject *parent = nullptr);

    // 0 unknown, 1 method, 2 property.
    Q_INVOKABLE int kindOf(const QString &name) const;
    Q_INVOKABLE QJSValue call(const QString &name, const QJSValue &args);
    Q_INVOKABLE QJSValue get(const QString &name);
    Q_INVOKABLE void set(const QString &name, const QJSValue &value);

    QJSValue toJs(const automation::Variant &v);
    automation::Variant fromJs(const QJSValue &v) const;

private:
    QJSValue invoke(const QString &name, std::uint16_t flags, std::vector<automation::Variant> &args,
                    const automation::MemberRow *row);

    QJSEngine &m_engine;
    automation::ICellvex &m_control;
};

// Calls the script's global function Cellvex_<EventName> for each event the
// script defines a handler for; a handler's return value, when not undefined,
// replaces the event's in/out argument.
class ScriptEventSink : public automation::IEventSink
{
public:
    ScriptEventSink(QJSEngine &engine, ScriptBridge &bridge) : m_engine(engine), m_bridge(bridge) {}
    automation::HResult Invoke(automation::DispId dispId, std::vector<automation::Variant> &args) override;

private:
    QJSEngine &m_engine;
    ScriptBridge &m_bridge;
};

} // namespace cellvex
