#pragma once

#include "BorderCommands.h"
#include "DialogFactory.h"
#include "HostCommands.h"
#include "HostPrompts.h"
#include "HostState.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class QToolBar;

namespace cellvex::automation {
class ICellvex;
}

namespace cellvex::demo {

// The demo program's main window: the control in the middle, the main menu,
// ten movable toolbars, three pop-up menus and a status bar with the
// selection and a clock. Every command is an action named after its place
// ("mi…" menu items, "tb…" and "ToolButton…" toolbar buttons, "pm…" pop-up
// items) and runs the matching HostCommands function; a failure is shown in
// the standard error box.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // controlWidget is the control's window; with none (tests) an empty
    // widget takes its place.
    MainWindow(automation::ICellvex &control, QWidget *controlWidget, HostState &state, HostPrompts &prompts,
               DialogFactory &dialogs, const QString &programFolder, QWidget *parent = nullptr);
    ~MainWindow() override;

    HostCommands &commands() { return m_commands; }
    QWidget *controlWidget() const { return m_controlWidget; }

    // The control's events, as its sink hands them on.
    void onSelectChange(int selMinX, int selMinY, int selMaxX, int selMaxY);
    void onInputChange(int col, int row);
    void onPoleRClick(int index, int orientation, int screenX, int screenY);
    void onCellRClick(int col, int row, int screenX, int screenY);
    void onControlError(const QString &message);

    // "yyyy年MM月dd日 HH:mm:ss".
    static QString clockText(const QDateTime &time);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Runs a command, showing its failure in the standard error box.
    void run(const std::function<void()> &command);
    QAction *command(const char *name, const QString &text, const std::function<void()> &f);
    QAction *button(const char *name, const char *icon, const QString &hint, const std::function<void()> &f);
    QAction *toggle(const char *name, const char *icon, const QString &hint, const std::function<bool()> &f);

    void buildMenus();
    void buildSystemMenu();
    void buildEditMenu();
    void buildFormatMenu();
    void buildOtherMenus();
    void buildPopupMenus();
    void buildToolBars();
    void buildCellToolBars();
    void buildBorderToolBar();
    QToolBar *addBar(const char *name);
    void buildStatusBar();
    void refreshToolBars();
    bool mayClose();

    automation::ICellvex &m_control;
    HostState &m_state;
    HostPrompts &m_prompts;
    DialogFactory &m_dialogs;
    HostCommands m_commands;
    QWidget *m_controlWidget = nullptr;
    bool m_hostsControl = false;

    QMenu *m_columnMenu = nullptr;
    QMenu *m_rowMenu = nullptr;
    QMenu *m_cellMenu = nullptr;
    QComboBox *m_fontList = nullptr;
    QComboBox *m_sizeList = nullptr;
    QLineEdit *m_formulaEdit = nullptr;
    QAction *m_multiLineButton = nullptr;
    QAction *m_styleButtons[4] = {};
    QLabel *m_statusPanels[3] = {};
    QTimer *m_clock = nullptr;
};

} // namespace cellvex::demo
