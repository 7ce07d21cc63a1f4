#pragma once

#include "common/Colors.h"
#include "report/ReportChange.h"

#include <memory>

class QWidget;

namespace cellvex {

class DialogRunner;
class FontObject;
class PoleSizer;
class PrinterService;
class ScrollController;
class SelectionController;
struct FormProperties;

// What the service asks of the widget frame around the report.
class ReportFrame
{
public:
    // Finishes in-place input: the open editor's value goes into the input cell.
    virtual void commitInput() = 0;
    // Drops in-place input unwritten (the report it belonged to goes away).
    virtual void discardInput() = 0;
    // The report changed: repaint what shows it, follow geometry and view.
    virtual void showChange(const ReportChange &change) = 0;
    // The report was replaced: the frame takes the stored ruler mode and
    // places the (empty) selection frame again.
    virtual void reportReplaced() = 0;
    // The page-break lines were rebuilt.
    virtual void pageBreakLinesChanged() = 0;
    // The panel whose painting bulk changes suspend.
    virtual QWidget *paintedPanel() = 0;
    // The input method of the in-place editor closes (before cells move).
    virtual void closeInputMethod() = 0;
    // The stored ruler display mode (0-2) takes effect; others are only stored.
    virtual void setPoleVisible(int mode) = 0;

    // --- the parts of the frame the service drives ---------------------------------
    virtual SelectionController &selection() = 0;
    virtual ScrollController &scroll() = 0;
    virtual PoleSizer &sizer() = 0;
    // The control's window and its form attributes.
    virtual QWidget &formWidget() = 0;
    virtual FormProperties &form() = 0;
    virtual FontObject &fontObject() = 0;
    virtual ColorRef formColor() const = 0;
    virtual void setFormColor(ColorRef color) = 0;
    virtual void setFormCursor(short cursor) = 0;
    virtual bool isActiveForm() const = 0;
    // Printing: the printers and how modal dialogs are shown.
    virtual std::shared_ptr<PrinterService> printerService() = 0;
    virtual DialogRunner &dialogRunner() = 0;

protected:
    ~ReportFrame() = default;
};

} // namespace cellvex
