// The `cellvex` command: headless jobs around the control.
#include "ConvertCommand.h"
#include "ScriptCommand.h"
#include "SnapshotCommand.h"

#include "common/Fonts.h"

#include <QApplication>
#include <QTextStream>

namespace {

void usage(QTextStream &s)
{
    s << "usage: cellvex <command> [arguments]\n"
         "commands:\n"
         "  snapshot OUT.png [--size WxH] [--cols N --rows N] [--pole-visible M] [--open FILE.cvd]\n"
         "      render a new control (or a stored report) headlessly to a PNG\n"
         "  convert IN.{cvd,xlsx} OUT.{cvd,html,txt,xml,pdf,png,xlsx} [--range c1,r1,c2,r2] [--by-alias]\n"
         "      write a stored report (or a workbook's used range) in the format OUT's extension names\n"
         "  script FILE.js [ARGS...] [--show]\n"
         "      run a script against a new control (global Cellvex)\n"
         "  typelib\n"
         "      print the type library\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    cellvex::installFontSubstitutions();
    QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    if (args.isEmpty()) {
        usage(err);
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("snapshot"))
        return cellvex::runSnapshot(args);
    if (command == QLatin1String("script"))
        return cellvex::runScript(args);
    if (command == QLatin1String("convert"))
        return cellvex::runConvert(args);
    if (command == QLatin1String("typelib"))
        return cellvex::runTypelib(args);
    err << "cellvex: unknown command " << command << "\n";
    usage(err);
    return 2;
}
