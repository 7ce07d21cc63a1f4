#pragma once

#include "HostScriptObject.h"
#include "ScriptBridge.h"
#include "UiScriptObject.h"

#include <QJSEngine>
#include <QStringList>

#include <cstdint>

class QWidget;

namespace cellvex {

class CellvexControl;
namespace automation {
class ICellvex;
class IConnectionPoint;
} // namespace automation

// The JavaScript engine of one `cellvex script` run with the globals a script
// sees (Cellvex, Host, Ui, print) and the script's event handlers connected
// to the control for as long as the session lives.
class JsScriptSession
{
public:
    JsScriptSession(automation::ICellvex &control, CellvexControl &widget, QWidget &window,
                    const QStringList &args);
    ~JsScriptSession();
    JsScriptSession(const JsScriptSession &) = delete;
    JsScriptSession &operator=(const JsScriptSession &) = delete;

    QJSEngine &engine() { return m_engine; }

private:
    automation::ICellvex &m_control;
    QJSEngine m_engine;
    ScriptBridge m_bridge;
    HostScriptObject m_host;
    ScriptEventSink m_sink;
    UiScriptObject m_ui;
    automation::IConnectionPoint *m_connection = nullptr;
    std::uint32_t m_cookie = 0;
};

} // namespace cellvex
