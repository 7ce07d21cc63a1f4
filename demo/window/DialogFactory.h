#pragma once

#include <QString>

class QWidget;

namespace cellvex::demo {

// What the number dialog is opened with: its caption, the labels of its two
// fields and their first texts.
struct NumberDialogRequest
{
    QString caption;
    QString firstLabel;
    QString secondLabel;
    QString firstValue = QStringLiteral("0");
    QString secondValue = QStringLiteral("0");
};

struct NumberDialogAnswer
{
    bool confirmed = false;
    QString firstText;
    QString secondText;
};

struct ExcelExportAnswer
{
    bool confirmed = false;
    bool wholeReport = false;
    QString fileName;
};

// The import range as the dialog's fields give it (1-based columns and rows).
struct ExcelImportAnswer
{
    bool confirmed = false;
    QString fileName;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Opens the host's dialogs for the main window. The window depends on this
// alone, so its commands can be driven with a scripted stand-in, and the
// dialogs themselves live in a library of their own.
class DialogFactory
{
public:
    virtual ~DialogFactory() = default;

    // Modeless windows: every call creates a new one and shows it without
    // waiting; the cell and alias dialogs go to the right edge of the screen,
    // find and replace to its centre.
    virtual void openCellDialog(QWidget *parent) = 0;
    virtual void openAliasDialog(QWidget *parent) = 0;
    virtual void openFindDialog(QWidget *parent) = 0;
    virtual void openReplaceDialog(QWidget *parent) = 0;

    // Follow the control while the modeless dialogs are open; nothing
    // happens when the dialog is not open.
    virtual void refreshCellDialog() = 0;
    virtual void fillAliasDialog(int col, int row) = 0;

    // Modal dialogs: they return when closed.
    virtual NumberDialogAnswer runNumberDialog(QWidget *parent, const NumberDialogRequest &request) = 0;
    virtual ExcelExportAnswer runExcelExportDialog(QWidget *parent) = 0;
    virtual ExcelImportAnswer runExcelImportDialog(QWidget *parent) = 0;
};

} // namespace cellvex::demo
