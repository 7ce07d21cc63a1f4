#pragma once

#include "print/dialogs/PrintHost.h"

#include <QString>

class QWidget;

namespace cellvex {

class DialogRunner;
class Pagination;
class PrinterService;
class Report;
struct PageSettings;

// What the printing dialogs and the preview window work on: one report with
// its page settings and pagination, the printer, how modal dialogs are shown,
// and the host that cuts the pages again and reports errors. The control
// builds one for each member call; tests build one around a bare report.
struct PrintContext
{
    Report &report;
    PageSettings &settings;
    // The report's current pages; the host recomputes them in place.
    const Pagination &pagination;
    PrinterService &printer;
    DialogRunner &runner;
    PrintHost &host;
    // Owner of the dialogs (they are centred on the screen regardless).
    QWidget *parent = nullptr;
    QString jobTitle = QStringLiteral("Cellvex");
};

} // namespace cellvex
