#pragma once

#include "print/dialogs/PrintDialog.h"
#include "print/dialogs/PrintSetupValues.h"

#include <optional>

namespace cellvex {

struct PrintContext;

// The printing members that open a dialog. Each expects pending in-place
// input to be finished already.

// Print with the print dialog: after OK stores the printer, orientation and
// copies chosen, then prints the chosen pages. A page list that does not
// parse or selects no page is reported instead; the report is marked
// unsaved either way once the dialog was confirmed. Nothing changes on Cancel.
void printWithDialog(PrintContext &ctx);

// The page setup dialog: after OK every setting it shows is taken over, the
// report re-paginated and marked unsaved. Without a printer only the error
// is raised.
void printSetup(PrintContext &ctx);

// The print preview window, modal. When settings were changed inside it the
// grid's page-break lines follow the new pages and the report is marked
// unsaved.
void previewReport(PrintContext &ctx);

// The dialogs on their own, for the preview window's buttons: what was
// confirmed, nothing on Cancel.
std::optional<PrintDialogChoice> askPrintChoice(PrintContext &ctx);
std::optional<PrintSetupValues> askPrintSetup(PrintContext &ctx);

} // namespace cellvex
