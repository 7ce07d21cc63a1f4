#include "QtDialogFactory.h"

#include "DialogPlacement.h"
#include "dialogs/AliasDialog.h"
#include "dialogs/CellPropertiesDialog.h"
#include "dialogs/ExcelExportDialog.h"
#include "dialogs/ExcelImportDialog.h"
#include "dialogs/FindDialog.h"
#include "dialogs/NumberDialog.h"
#include "dialogs/ReplaceDialog.h"

#include <QGuiApplication>
#include <QScreen>

namespace cellvex::demo {

namespace {

QRect screenOf(QWidget *parent)
{
    QScreen *screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

// Shows a modeless dialog at the place `place` computes from the screen and
// the dialog's own size.
template <class Place> void showModeless(QDialog *dialog, QWidget *parent, Place place)
{
    dialog->adjustSize();
    dialog->move(place(screenOf(parent), dialog->frameGeometry().size()));
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

QtDialogFactory::QtDialogFactory(automation::ICellvex *control, const HostState &state, HostPrompts &prompts)
    : m_control(control), m_state(state), m_prompts(prompts)
{
}

void QtDialogFactory::openCellDialog(QWidget *parent)
{
    auto *dialog = new CellPropertiesDialog(m_control, m_state, m_prompts, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_cellDialog = dialog;
    showModeless(dialog, parent, besideScreenEdge);
}

void QtDialogFactory::openAliasDialog(QWidget *parent)
{
    auto *dialog = new AliasDialog(m_control, m_state, m_prompts, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_aliasDialog = dialog;
    showModeless(dialog, parent, besideScreenEdge);
}

void QtDialogFactory::openFindDialog(QWidget *parent)
{
    auto *dialog = new FindDialog(m_control, m_prompts, parent);
    m_findDialog = dialog;
    showModeless(dialog, parent, screenCentre);
}

void QtDialogFactory::openReplaceDialog(QWidget *parent)
{
    auto *dialog = new ReplaceDialog(m_control, m_prompts, parent);
    m_replaceDialog = dialog;
    showModeless(dialog, parent, screenCentre);
}

void QtDialogFactory::refreshCellDialog()
{
    if (m_cellDialog)
        m_cellDialog->refreshCurrentPage();
}

void QtDialogFactory::fillAliasDialog(int col, int row)
{
    if (m_aliasDialog)
        m_aliasDialog->fillFromInputCell(col, row);
}

NumberDialogAnswer QtDialogFactory::runNumberDialog(QWidget *parent, const NumberDialogRequest &request)
{
    NumberDialog dialog(parent);
    dialog.setup(request.caption, request.firstLabel, request.secondLabel);
    dialog.setValues(request.firstValue, request.secondValue);
    NumberDialogAnswer answer;
    answer.confirmed = m_prompts.runModal(&dialog) == QDialog::Accepted;
    answer.firstText = dialog.firstText();
    answer.secondText = dialog.secondText();
    return answer;
}

ExcelExportAnswer QtDialogFactory::runExcelExportDialog(QWidget *parent)
{
    ExcelExportDialog dialog(m_prompts, parent);
    m_prompts.runModal(&dialog);
    return {dialog.confirmed(), dialog.wholeReport(), dialog.fileName()};
}

ExcelImportAnswer QtDialogFactory::runExcelImportDialog(QWidget *parent)
{
    ExcelImportDialog dialog(m_prompts, parent);
    m_prompts.runModal(&dialog);
    return {dialog.confirmed(), dialog.fileName(), dialog.left(),
            dialog.top(),       dialog.right(),    dialog.bottom()};
}

} // namespace cellvex::demo
