#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace cellvex {

class DialogRunner;
class Pagination;
class PrinterService;
class Report;
struct PageSettings;

// What the printing dialogs and the preview window work on: one report with
// its page settings and pagination, the printer, how modal dialogs are shown,
// and the control's ways of cutting pages and reporting errors. The control
// builds one for each member call; tests build one around a bare report.
struct PrintContext
{
    Report &report;
    PageSettings &settings;
    // The report's current pages; the callbacks below recompute them in place.
    const Pagination &pagination;
    PrinterService &printer;
    DialogRunner &runner;
    // Page breaks and the grid's page-break lines, as every setting change does.
    std::function<void()> repaginate;
    // Page breaks only: the preview window leaves the grid alone while open...
    std::function<void()> recomputePagination;
    // ...and the lines follow the new breaks once it has closed.
    std::function<void()> rebuildPageBreakLines;
    // The control's OnError.
    std::function<void(const QString &)> onError;
    // The screen fonts the page setup dialog offers; the system's when unset.
    std::function<QStringList()> installedFonts;
    // Owner of the dialogs (they are centred on the screen regardless).
    QWidget *parent = nullptr;
    QString jobTitle = QStringLiteral("Cellvex");
};

} // namespace cellvex
