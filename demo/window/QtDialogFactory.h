#pragma once

#include "DialogFactory.h"
#include "HostPrompts.h"
#include "HostState.h"

#include <QPointer>

namespace cellvex::automation {
class ICellvex;
}

namespace cellvex::demo {

class AliasDialog;
class CellPropertiesDialog;
class FindDialog;
class ReplaceDialog;

// The dialogs of the demo program, created for each command. The cell and
// alias dialogs delete themselves when closed, which clears the pointers
// kept here; the find and replace pointers designate the last ones opened.
class QtDialogFactory final : public DialogFactory
{
public:
    QtDialogFactory(automation::ICellvex *control, const HostState &state, HostPrompts &prompts);

    void openCellDialog(QWidget *parent) override;
    void openAliasDialog(QWidget *parent) override;
    void openFindDialog(QWidget *parent) override;
    void openReplaceDialog(QWidget *parent) override;
    void refreshCellDialog() override;
    void fillAliasDialog(int col, int row) override;
    NumberDialogAnswer runNumberDialog(QWidget *parent, const NumberDialogRequest &request) override;
    ExcelExportAnswer runExcelExportDialog(QWidget *parent) override;
    ExcelImportAnswer runExcelImportDialog(QWidget *parent) override;

private:
    automation::ICellvex *m_control;
    const HostState &m_state;
    HostPrompts &m_prompts;
    QPointer<CellPropertiesDialog> m_cellDialog;
    QPointer<AliasDialog> m_aliasDialog;
    QPointer<FindDialog> m_findDialog;
    QPointer<ReplaceDialog> m_replaceDialog;
};

} // namespace cellvex::demo
