// CellvexDemo: the desktop program that shows the control at work.
//   cellvex-demo [REPORT.cvd]          the main window, with a report open
//   cellvex-demo --headless OUT_DIR    pictures and PDFs of the samples, no screen needed
#include "HostError.h"
#include "HostState.h"
#include "window/HeadlessRun.h"
#include "window/HostEventSink.h"
#include "window/MainWindow.h"
#include "window/QtHostPrompts.h"
#ifdef CELLVEX_DEMO_HAS_DIALOGS
#include "window/QtDialogFactory.h"
#else
#include "window/UnavailableDialogFactory.h"
#endif

#include "automation/ComInterfaces.h"
#include "automation/ICellvex.h"
#include "automation/TypeLibrary.h"
#include "platform/ControlHost.h"

#include <QApplication>
#include <QTextStream>

#include <memory>

using namespace cellvex;
using namespace cellvex::automation;
using namespace cellvex::demo;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CellvexDemo"));
    QTextStream err(stderr);

    QStringList args = QApplication::arguments().mid(1);
    QString headlessDir;
    if (const qsizetype at = args.indexOf(QStringLiteral("--headless")); at >= 0) {
        if (at + 1 >= args.size()) {
            err << "usage: cellvex-demo [REPORT.cvd] | --headless OUT_DIR\n";
            return 2;
        }
        headlessDir = args.at(at + 1);
        args.remove(at, 2);
    }

    // The control is an in-process server registered for the current user;
    // registering this build's library first makes the class identifier
    // name the control that came with the program.
    if (failed(DllRegisterServer())) {
        err << "cellvex-demo: cannot register the control\n";
        return 1;
    }
    ICellvex *control = nullptr;
    QString why;
    if (failed(createControl(TypeLibrary::kCoclassId.toString(), &control, &why))) {
        err << "cellvex-demo: " << why << "\n";
        return 1;
    }
    void *widget = nullptr;
    control->QueryInterface(IID_IQtWidget, &widget);

    const QString programFolder = QApplication::applicationDirPath();
    HostState state;
    QtHostPrompts prompts;
#ifdef CELLVEX_DEMO_HAS_DIALOGS
    QtDialogFactory dialogs(control, state, prompts);
#else
    UnavailableDialogFactory dialogs(prompts);
#endif
    auto window = std::make_unique<MainWindow>(*control, static_cast<QWidget *>(widget), state, prompts,
                                               dialogs, programFolder);
    HostEventSink sink(*window);
    IConnectionPoint *point = nullptr;
    std::uint32_t cookie = 0;
    if (succeeded(control->QueryInterface(IID_IConnectionPoint, reinterpret_cast<void **>(&point))) && point)
        point->Advise(&sink, &cookie);

    int status = 0;
    if (!headlessDir.isEmpty()) {
        status = runHeadless(*window, *control, programFolder, headlessDir);
    } else {
        window->showMaximized();
        if (!args.isEmpty()) {
            try {
                checkCall(control->OpenReport(args.constFirst()));
            } catch (const HostError &error) {
                prompts.showError(window.get(), error.text());
            }
        }
        status = QApplication::exec();
    }

    if (point) {
        point->Unadvise(cookie);
        control->Release(); // the reference QueryInterface added
    }
    window.reset();
    control->Release();
    return status;
}
