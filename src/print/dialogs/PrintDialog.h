#pragma once

#include "print/dialogs/FixedDialog.h"

#include <QString>

class QLineEdit;
class QRadioButton;

namespace cellvex {

class PrinterChoiceBox;
class PrinterService;
struct PageSettings;

// What the print dialog was confirmed with.
struct PrintDialogChoice
{
    QString printerName;
    bool landscape = false;
    int copies = 1;
    bool allPages = true;
    QString pageField; // the "选定表页" list as typed
};

// The print dialog "打印对话框": printer, orientation, pages and copies,
// started from the report's settings. Nothing is changed by the dialog
// itself; the caller applies choice() after OK.
class PrintDialog : public FixedDialog
{
    Q_OBJECT
public:
    PrintDialog(const PageSettings &settings, const PrinterService &printers, QWidget *parent = nullptr);

    PrintDialogChoice choice() const;

private:
    // OK: an empty copies field means one copy.
    void confirm();

    PrinterChoiceBox *m_printerBox = nullptr;
    QRadioButton *m_landscape = nullptr;
    QRadioButton *m_portrait = nullptr;
    QRadioButton *m_allPages = nullptr;
    QRadioButton *m_partPages = nullptr;
    QLineEdit *m_pages = nullptr;
    QLineEdit *m_copies = nullptr;
};

} // namespace cellvex
