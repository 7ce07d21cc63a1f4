#include "JsScriptSession.h"

#include "automation/ComInterfaces.h"
#include "automation/ICellvex.h"

#include <initializer_list>

namespace cellvex {

using namespace automation;

namespace {

const char *kPrelude = R"JS(
(function (bridge, host, ui) {
    var global = this;
    global.print = function () {
        host.print(Array.prototype.map.call(arguments, function (a) { return String(a); }).join(' '));
    };
    global.Host = {
        resize: function (w, h) { host.resize(w, h); },
        processEvents: function () { host.processEvents(); },
        snapshot: function (path) { return host.snapshot(String(path)); },
        args: host.args()
    };
    // User input as a person gives it; every step throws when it cannot be taken.
    global.Ui = (function () {
        function check(error) { if (error) throw new Error(error); }
        function opt(v) { return v === undefined || v === null ? '' : String(v); }
        function at(v) { return v === undefined || v === null ? -1 : Math.round(v); }
        function reading(v) { if (typeof v === 'string') throw new Error(v); return v; }
        return {
            clickCell: function (c, r, b) { check(ui.clickCell(c, r, opt(b))); },
            doubleClickCell: function (c, r) { check(ui.doubleClickCell(c, r)); },
            pressCell: function (c, r, b, x, y) { check(ui.pressCell(c, r, opt(b), at(x), at(y))); },
            moveToCell: function (c, r, x, y) { check(ui.moveToCell(c, r, at(x), at(y))); },
            releaseCell: function (c, r, b, x, y) { check(ui.releaseCell(c, r, opt(b), at(x), at(y))); },
            chartPoint: function (c, r, s, p) { return reading(ui.chartPoint(c, r, s, p)); },
            chartPosition: function (c, r, s, x, y) { return reading(ui.chartPosition(c, r, s, x, y)); },
            clickPole: function (o, i, b) { check(ui.clickPole(o, i, opt(b))); },
            dragPoles: function (o, from, to) { check(ui.dragPoles(o, from, to)); },
            dragPoleEdge: function (o, i, d) { check(ui.dragPoleEdge(o, i, d)); },
            key: function (name, mods) { check(ui.key(String(name), opt(mods))); },
            type: function (text) { check(ui.type(String(text))); },
            wheel: function (d) { check(ui.wheel(d)); },
            click: function (name) { check(ui.click(String(name))); },
            doubleClick: function (name) { check(ui.doubleClick(String(name))); },
            snapshot: function (path) { check(ui.snapshot(String(path))); }
        };
    })();
    global.Cellvex = new Proxy({}, {
        get: function (target, name) {
            if (typeof name !== 'string') return undefined;
            var kind = bridge.kindOf(name);
            if (kind === 1) return function () { return bridge.call(name, Array.prototype.slice.call(arguments)); };
            if (kind === 2) return bridge.get(name);
            return undefined;
        },
        set: function (target, name, value) { bridge.set(String(name), value); return true; },
        has: function (target, name) { return bridge.kindOf(String(name)) !== 0; }
    });
})
)JS";

} // namespace

JsScriptSession::JsScriptSession(ICellvex &control, CellvexControl &widget, QWidget &window,
                                 const QStringList &args)
    : m_control(control), m_bridge(m_engine, control), m_host(window, args), m_sink(m_engine, m_bridge),
      m_ui(widget)
{
    m_engine.installExtensions(QJSEngine::ConsoleExtension);
    if (succeeded(control.QueryInterface(IID_IConnectionPoint, reinterpret_cast<void **>(&m_connection))) &&
        m_connection)
        m_connection->Advise(&m_sink, &m_cookie);
    // These live as long as the session: the engine must never delete them.
    for (QObject *o : std::initializer_list<QObject *>{&m_bridge, &m_host, &m_ui})
        QJSEngine::setObjectOwnership(o, QJSEngine::CppOwnership);
    m_engine.evaluate(QString::fromUtf8(kPrelude))
        .callWithInstance(
            m_engine.globalObject(),
            {m_engine.newQObject(&m_bridge), m_engine.newQObject(&m_host), m_engine.newQObject(&m_ui)});
}

JsScriptSession::~JsScriptSession()
{
    if (m_connection) {
        m_connection->Unadvise(m_cookie);
        // QueryInterface added a reference to the object behind the connection point.
        m_control.Release();
    }
    m_engine.collectGarbage();
}

} // namespace cellvex
