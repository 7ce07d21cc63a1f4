#include "ScriptCommand.h"

#include "JsScriptSession.h"
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

// The line of a script's error: a member's failure is thrown from inside the
// prelude's functions, so the innermost frame of the script's own file says
// where the script was (frames read "function:line:column:file").
int scriptLine(const QJSValue &error, const QStringList &stack)
{
    for (const QString &frame : stack)
        if (!frame.section(QLatin1Char(':'), 3).isEmpty())
            return frame.section(QLatin1Char(':'), 1, 1).toInt();
    return error.property(QStringLiteral("lineNumber")).toInt();
}

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
        JsScriptSession session(*control, *controlWidget, window, args);
        QStringList stack;
        const QJSValue result = session.engine().evaluate(source, path, 1, &stack);
        if (result.isError() || !stack.isEmpty()) {
            err << path << ":" << scriptLine(result, stack) << ": " << result.toString() << "\n";
            status = 1;
        } else if (show) {
            QApplication::exec();
        }
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
