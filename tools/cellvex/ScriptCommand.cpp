#include "ScriptCommand.h"

#include "ScriptBridge.h"
#include "UiScriptObject.h"
#include "VbsScriptRun.h"

#include "automation/ComInterfaces.h"
#include "automation/ICellvex.h"
#include "automation/TypeLibrary.h"
#include "automation/TypeLibraryPrinter.h"
#include "control/CellvexControl.h"
#include "control/CellvexObject.h"
#include "platform/ControlHost.h"
#include "platform/ServerRegistry.h"
#include "print/dialogs/DialogRunner.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QJSEngine>
#include <QTextStream>
#include <QVBoxLayout>

namespace cellvex {

using namespace automation;

namespace {

// Host.resize / Host.processEvents / print for the script.
class HostObject : public QObject
{
    Q_OBJECT
public:
    explicit HostObject(QWidget &window) : m_window(window) {}
    Q_INVOKABLE void resize(int w, int h) { m_window.resize(w, h); }
    Q_INVOKABLE void processEvents() { QApplication::processEvents(); }
    Q_INVOKABLE void print(const QString &line)
    {
        QTextStream out(stdout);
        out << line << "\n";
        out.flush();
    }
    Q_INVOKABLE QStringList args() const { return m_args; }
    // Renders the control's window into a PNG file; false when it cannot be written.
    Q_INVOKABLE bool snapshot(const QString &path)
    {
        QApplication::processEvents();
        return m_window.grab().toImage().save(path, "PNG");
    }
    QStringList m_args;

private:
    QWidget &m_window;
};

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

int runScript(const QStringList &argsIn)
{
    QTextStream err(stderr);
    QStringList args = argsIn;
    const bool show = args.removeAll(QStringLiteral("--show")) > 0;
    if (args.isEmpty()) {
        err << "usage: cellvex script FILE.js|FILE.vbs [ARGS...] [--show]\n";
        return 2;
    }
    const QString path = args.takeFirst();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "script: cannot read " << path << "\n";
        return 2;
    }
    const QString source = QString::fromUtf8(file.readAll());

    // Make sure the class the script asks for is this build's library.
    if (failed(DllRegisterServer())) {
        err << "script: cannot register the control in " << ServerRegistry::defaultPath() << "\n";
        return 1;
    }
    ICellvex *control = nullptr;
    QString why;
    if (failed(createControl(QString::fromLatin1(TypeLibrary::kProgId.data()), &control, &why))) {
        err << "script: " << why << "\n";
        return 1;
    }
    void *widgetPtr = nullptr;
    control->QueryInterface(IID_IQtWidget, &widgetPtr);
    auto *widget = static_cast<QWidget *>(widgetPtr);
    auto *controlWidget = qobject_cast<CellvexControl *>(widget);
    if (!controlWidget) {
        err << "script: the created object is not this build's control\n";
        control->Release();
        return 1;
    }

    if (!show) {
        // Headless, no one can answer a dialog: each closes as if cancelled.
        struct CancellingRunner : DialogRunner
        {
            int exec(QDialog &dialog) override
            {
                QTextStream(stderr) << "script: dialog \"" << dialog.windowTitle()
                                    << "\" cancelled (no --show)\n";
                return QDialog::Rejected;
            }
        };
        controlWidget->setDialogRunner(std::make_shared<CancellingRunner>());
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral("Cellvex"));
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget);
    window.resize(640, 480);
    if (show)
        window.show();

    int status = 0;
    if (path.endsWith(QLatin1String(".vbs"), Qt::CaseInsensitive)) {
        status = runVbScript(*control, *controlWidget, window, path, source, args, show);
    } else {
        QJSEngine engine;
        engine.installExtensions(QJSEngine::ConsoleExtension);
        ScriptBridge bridge(engine, *control);
        HostObject host(window);
        host.m_args = args;
        ScriptEventSink sink(engine, bridge);
        IConnectionPoint *cp = nullptr;
        std::uint32_t cookie = 0;
        if (succeeded(control->QueryInterface(IID_IConnectionPoint, reinterpret_cast<void **>(&cp))) && cp)
            cp->Advise(&sink, &cookie);

        UiScriptObject ui(*controlWidget);
        // These live on this stack frame: the engine must never delete them.
        for (QObject *o : std::initializer_list<QObject *>{&bridge, &host, &ui})
            QJSEngine::setObjectOwnership(o, QJSEngine::CppOwnership);
        engine.evaluate(QString::fromUtf8(kPrelude))
            .callWithInstance(engine.globalObject(),
                              {engine.newQObject(&bridge), engine.newQObject(&host), engine.newQObject(&ui)});
        QStringList stack;
        const QJSValue result = engine.evaluate(source, path, 1, &stack);
        if (result.isError() || !stack.isEmpty()) {
            err << path << ":" << result.property(QStringLiteral("lineNumber")).toInt() << ": "
                << result.toString() << "\n";
            status = 1;
        } else if (show) {
            QApplication::exec();
        }
        if (cp) {
            cp->Unadvise(cookie);
            // QueryInterface added a reference to the object behind the connection point.
            control->Release();
        }
        engine.collectGarbage();
    }
    layout->removeWidget(widget);
    widget->setParent(nullptr);
    control->Release();
    return status;
}

int runTypelib(const QStringList &)
{
    QTextStream out(stdout);
    out << typeLibraryText();
    return 0;
}

} // namespace cellvex

#include "ScriptCommand.moc"
