#pragma once

#include <QDialog>

class QLineEdit;
class QTreeWidget;

namespace cellvex::automation {
class ICellvex;
}

namespace cellvex::demo {

class HostPrompts;
struct HostState;

// The modeless alias dialog: lists every aliased cell, adds an alias to a
// cell, and removes aliases by cell, by name or all listed at once. It frees
// itself when closed (the main window holds it through a QPointer).
class AliasDialog : public QDialog
{
    Q_OBJECT
public:
    AliasDialog(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                QWidget *parent = nullptr);

    // Puts the cell and its alias into all three sections (the main window
    // calls it when the input cell changes while the dialog is open).
    void fillFromInputCell(int col, int row);
    // Rebuilds the list from the control's aliases.
    void refreshList();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void addAlias();
    void deleteByPosition();
    void deleteByName();
    void deleteListed();

    automation::ICellvex *m_control;
    const HostState &m_state;
    HostPrompts &m_prompts;
    QTreeWidget *m_list;
    QLineEdit *m_addCol;
    QLineEdit *m_addRow;
    QLineEdit *m_addAlias;
    QLineEdit *m_deleteCol;
    QLineEdit *m_deleteRow;
    QLineEdit *m_deleteAlias;
};

} // namespace cellvex::demo
