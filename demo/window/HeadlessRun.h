#pragma once

#include <QString>

namespace cellvex::automation {
class ICellvex;
}

namespace cellvex::demo {

class MainWindow;

// The program without a screen: opens each sample beside the program in the
// main window, writes a picture of the window (demo-chart.png,
// demo-report.png, demo-account.png) and the sample's printed pages as PDF
// into outDir, and names what it wrote on standard output. Returns the exit
// status (0 when everything was written).
int runHeadless(MainWindow &window, automation::ICellvex &control, const QString &programFolder,
                const QString &outDir);

} // namespace cellvex::demo
