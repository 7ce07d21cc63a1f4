#pragma once

#include "automation/EventSink.h"
#include "automation/ICellvex.h"
#include "automation/MemberRow.h"

#include <QHash>
#include <QJSValue>
#include <QObject>
#include <QVariant>

#include <deque>
#include <span>
#include <vector>

class QJSEngine;

namespace cellvex {

// Gives a script late-bound access to a control: every member is found by
// name (any letter case) and reached through Invoke, as a late-bound client
// would. The script prelude binds each spelling of a member name once to a
// handle and keeps a function per method and an accessor per property, so a
// call costs one native call. Values cross as QVariant: a QJSValue held here
// would take a persistent slot in the engine on every call.
class ScriptBridge : public QObject
{
    Q_OBJECT
public:
    ScriptBridge(QJSEngine &engine, automation::ICellvex &control, QObject *parent = nullptr);

    // [handle, kind, count] for a spelling of a member name: kind 0 unknown,
    // 1 method, 2 property; count the arguments a script passes to a method
    // (its in and in/out ones).
    Q_INVOKABLE QVariantList bind(const QString &name);

    // A method called with as many arguments as it takes.
    Q_INVOKABLE QVariant call0(int handle);
    Q_INVOKABLE QVariant call1(int handle, const QVariant &a1);
    Q_INVOKABLE QVariant call2(int handle, const QVariant &a1, const QVariant &a2);
    Q_INVOKABLE QVariant call3(int handle, const QVariant &a1, const QVariant &a2, const QVariant &a3);
    Q_INVOKABLE QVariant call4(int handle, const QVariant &a1, const QVariant &a2, const QVariant &a3,
                               const QVariant &a4);
    Q_INVOKABLE QVariant call5(int handle, const QVariant &a1, const QVariant &a2, const QVariant &a3,
                               const QVariant &a4, const QVariant &a5);
    Q_INVOKABLE QVariant call6(int handle, const QVariant &a1, const QVariant &a2, const QVariant &a3,
                               const QVariant &a4, const QVariant &a5, const QVariant &a6);
    Q_INVOKABLE QVariant call7(int handle, const QVariant &a1, const QVariant &a2, const QVariant &a3,
                               const QVariant &a4, const QVariant &a5, const QVariant &a6,
                               const QVariant &a7);
    Q_INVOKABLE QVariant call8(int handle, const QVariant &a1, const QVariant &a2, const QVariant &a3,
                               const QVariant &a4, const QVariant &a5, const QVariant &a6, const QVariant &a7,
                               const QVariant &a8);
    // A method called with any other number of arguments: too few reach the
    // boundary short, which refuses them; too many are refused here.
    Q_INVOKABLE QVariant callList(int handle, const QVariantList &args);
    Q_INVOKABLE QVariant get(int handle);
    Q_INVOKABLE void set(int handle, const QVariant &value);

    // For event handlers, which the engine calls with QJSValue arguments.
    QJSValue toJs(const automation::Variant &v);
    automation::Variant fromJs(const QJSValue &v) const;

private:
    // One spelling of a member name and the rows a call, a get and a put run.
    struct Binding
    {
        QString name;
        automation::DispId dispId = 0;
        const automation::MemberRow *callRow = nullptr;
        const automation::MemberRow *getRow = nullptr;
        const automation::MemberRow *putRow = nullptr;
        int kind = 0;
    };

    const Binding *binding(int handle) const;
    QVariant call(int handle, std::span<const QVariant *const> given);
    QVariant invoke(const Binding &b, std::uint16_t flags, std::vector<automation::Variant> &args,
                    const automation::MemberRow &row);
    QVariant toVariant(const automation::Variant &v);
    static automation::Variant fromVariant(const QVariant &v);

    QJSEngine &m_engine;
    automation::ICellvex &m_control;
    // A deque: an event handler run inside a call may bind new spellings,
    // and the call's binding must stay where it is meanwhile.
    std::deque<Binding> m_bindings;
    QHash<QString, int> m_handleOfName;
};

// Calls the script's global function Cellvex_<EventName> for each event the
// script defines a handler for; a handler's return value, when not undefined,
// replaces the event's in/out argument.
class ScriptEventSink : public automation::IEventSink
{
public:
    ScriptEventSink(QJSEngine &engine, ScriptBridge &bridge);
    automation::HResult Invoke(automation::DispId dispId, std::vector<automation::Variant> &args) override;

private:
    QJSEngine &m_engine;
    ScriptBridge &m_bridge;
    // Held for the sink's life: while one persistent value lives, the engine
    // keeps its storage page instead of mapping a new one for every event.
    QJSValue m_global;
};

} // namespace cellvex
