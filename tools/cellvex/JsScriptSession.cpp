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
    // Each spelling of a member name is bound once, when first used, and
    // defined on the object: a method as a function kept for good, a property
    // as an accessor whose get and set are the bridge's natives bound to the
    // member. Spellings not seen yet reach the Proxy behind the object.
    global.Cellvex = (function () {
        // A native looked up on the bridge costs more than the call itself: bind each once.
        var bind = bridge.bind.bind(bridge), get = bridge.get, set = bridge.set;
        var callList = bridge.callList.bind(bridge);
        var c0 = bridge.call0.bind(bridge), c1 = bridge.call1.bind(bridge), c2 = bridge.call2.bind(bridge);
        var c3 = bridge.call3.bind(bridge), c4 = bridge.call4.bind(bridge), c5 = bridge.call5.bind(bridge);
        var c6 = bridge.call6.bind(bridge), c7 = bridge.call7.bind(bridge), c8 = bridge.call8.bind(bridge);
        function other(h, args) { return callList(h, Array.prototype.slice.call(args)); }
        // A method taking n arguments: called with n, straight to call<n>;
        // with fewer (refused at the boundary) or more (refused here), as a list.
        var methods = [
            function (h) { return function () { return arguments.length === 0 ? c0(h) : other(h, arguments); }; },
            function (h) { return function (a) { return arguments.length === 1 ? c1(h, a) : other(h, arguments); }; },
            function (h) { return function (a, b) { return arguments.length === 2 ? c2(h, a, b) : other(h, arguments); }; },
            function (h) { return function (a, b, c) {
                return arguments.length === 3 ? c3(h, a, b, c) : other(h, arguments); }; },
            function (h) { return function (a, b, c, d) {
                return arguments.length === 4 ? c4(h, a, b, c, d) : other(h, arguments); }; },
            function (h) { return function (a, b, c, d, e) {
                return arguments.length === 5 ? c5(h, a, b, c, d, e) : other(h, arguments); }; },
            function (h) { return function (a, b, c, d, e, f) {
                return arguments.length === 6 ? c6(h, a, b, c, d, e, f) : other(h, arguments); }; },
            function (h) { return function (a, b, c, d, e, f, g) {
                return arguments.length === 7 ? c7(h, a, b, c, d, e, f, g) : other(h, arguments); }; },
            function (h) { return function (a, b, c, d, e, f, g, k) {
                return arguments.length === 8 ? c8(h, a, b, c, d, e, f, g, k) : other(h, arguments); }; }
        ];
        var members;
        // [handle, kind, count]; a known spelling is defined on members from then on.
        function learn(name) {
            var m = bind(name);
            if (m[1] === 1) {
                var fn = methods[m[2]](m[0]);
                Object.defineProperty(members, name,
                    { get: function () { return fn; }, set: set.bind(bridge, m[0]) });
            } else if (m[1] === 2) {
                Object.defineProperty(members, name, { get: get.bind(bridge, m[0]), set: set.bind(bridge, m[0]) });
            }
            return m;
        }
        members = Object.create(new Proxy({}, {
            get: function (target, name) {
                if (typeof name !== 'string' || learn(name)[1] === 0) return undefined;
                return members[name];
            },
            set: function (target, name, value) { set.call(bridge, learn(String(name))[0], value); return true; },
            has: function (target, name) { return bind(String(name))[1] !== 0; }
        }));
        return members;
    })();
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
