#pragma once

#include <QDialog>

class QTabWidget;

namespace cellvex::automation {
class ICellvex;
}

namespace cellvex::demo {

class CellPage;
class HostPrompts;
struct HostState;

// The modeless cell-properties dialog: seven pages, each showing one group of
// properties of the input cell; "应用" writes the current page to every
// selected cell. It stays on top and frees itself when closed (the main
// window holds it through a QPointer).
class CellPropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    CellPropertiesDialog(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                         QWidget *parent = nullptr);

    // Shows the input cell on the current page (the main window calls it on
    // every selection change).
    void refreshCurrentPage();
    // Writes the current page to the selected cells ("应用").
    void applyCurrentPage();

protected:
    void showEvent(QShowEvent *event) override;

private:
    HostPrompts &m_prompts;
    QTabWidget *m_pages;
};

} // namespace cellvex::demo
