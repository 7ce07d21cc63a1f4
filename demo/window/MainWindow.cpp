#include "MainWindow.h"

#include "DispatchProperties.h"
#include "HostError.h"

#include "automation/ICellvex.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

// The icons are compiled into this static library; a program links only
// what it references, so the resource is pulled in by name.
static void loadToolBarIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace cellvex::demo {

MainWindow::MainWindow(automation::ICellvex &control, QWidget *controlWidget, HostState &state,
                       HostPrompts &prompts, DialogFactory &dialogs, const QString &programFolder,
                       QWidget *parent)
    : QMainWindow(parent), m_control(control), m_state(state), m_prompts(prompts), m_dialogs(dialogs),
      m_commands(control, state, prompts, dialogs, this, programFolder), m_controlWidget(controlWidget)
{
    loadToolBarIcons();
    setObjectName(QStringLiteral("ExampleFrm"));
    setWindowTitle(QStringLiteral("Cellvex"));
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    setFont(font);
    setGeometry(205, 132, 1027, 774);

    m_hostsControl = m_controlWidget != nullptr;
    if (!m_controlWidget) {
        m_controlWidget = new QWidget;
        m_controlWidget->setObjectName(QStringLiteral("Cellvex1"));
    }
    setCentralWidget(m_controlWidget);

    buildMenus();
    buildPopupMenus();
    buildToolBars();
    buildStatusBar();
}

MainWindow::~MainWindow()
{
    // The control's window belongs to the control, which its creator
    // releases after this window is gone.
    if (m_hostsControl && centralWidget() == m_controlWidget) {
        takeCentralWidget();
        m_controlWidget->setParent(nullptr);
    }
}

void MainWindow::run(const std::function<void()> &command)
{
    try {
        command();
    } catch (const HostError &error) {
        m_prompts.showError(this, error.text());
    }
}

QAction *MainWindow::command(const char *name, const QString &text, const std::function<void()> &f)
{
    auto *action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, f] { run(f); });
    return action;
}

QAction *MainWindow::button(const char *name, const char *icon, const QString &hint,
                            const std::function<void()> &f)
{
    QAction *action = command(name, hint, f);
    action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
    action->setToolTip(hint);
    return action;
}

QAction *MainWindow::toggle(const char *name, const char *icon, const QString &hint,
                            const std::function<bool()> &f)
{
    QAction *action = button(name, icon, hint, {});
    action->setCheckable(true);
    disconnect(action, &QAction::triggered, this, nullptr);
    connect(action, &QAction::triggered, this, [this, action, f] {
        // The button shows the new state of the input cell, not the click.
        const bool before = !action->isChecked();
        action->setChecked(before);
        run([&] { action->setChecked(f()); });
    });
    return action;
}

void MainWindow::buildStatusBar()
{
    const int widths[3] = {240, 260, 0};
    for (int i = 0; i < 3; ++i) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (widths[i] > 0)
            panel->setFixedWidth(widths[i]);
        statusBar()->addWidget(panel, widths[i] > 0 ? 0 : 1);
        m_statusPanels[i] = panel;
    }
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    m_clock = new QTimer(this);
    m_clock->setObjectName(QStringLiteral("Timer1"));
    const auto tick = [this] { m_statusPanels[2]->setText(clockText(QDateTime::currentDateTime())); };
    connect(m_clock, &QTimer::timeout, this, tick);
    tick();
    m_clock->start(1000);
}

QString MainWindow::clockText(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy年MM月dd日 HH:mm:ss"));
}

void MainWindow::onSelectChange(int selMinX, int selMinY, int selMaxX, int selMaxY)
{
    m_state.selMinX = static_cast<std::int16_t>(selMinX);
    m_state.selMinY = static_cast<std::int16_t>(selMinY);
    m_state.selMaxX = static_cast<std::int16_t>(selMaxX);
    m_state.selMaxY = static_cast<std::int16_t>(selMaxY);
    run([this] { refreshToolBars(); });
    m_dialogs.refreshCellDialog();
}

void MainWindow::refreshToolBars()
{
    if (m_state.selMinX == -1) {
        m_statusPanels[0]->clear();
        m_fontList->setCurrentIndex(-1);
        m_sizeList->setCurrentIndex(-1);
        m_formulaEdit->clear();
        for (QAction *style : m_styleButtons)
            style->setChecked(false);
        return;
    }
    m_statusPanels[0]->setText(QStringLiteral("选择范围: (%1, %2)-(%3, %4)")
                                   .arg(m_state.selMinX)
                                   .arg(m_state.selMinY)
                                   .arg(m_state.selMaxX)
                                   .arg(m_state.selMaxY));
    const int c = m_state.inputCol;
    const int r = m_state.inputRow;
    bool on = false;
    checkCall(m_control.GetMultiLine(c, r, &on));
    m_multiLineButton->setChecked(on);
    QString text;
    checkCall(m_control.GetFontName(c, r, &text));
    m_fontList->setCurrentIndex(text.isEmpty() ? -1 : m_fontList->findText(text, Qt::MatchFixedString));
    std::int32_t size = 0;
    checkCall(m_control.GetFontSize(c, r, &size));
    m_sizeList->setCurrentIndex(m_sizeList->findText(QString::number(size), Qt::MatchExactly));
    checkCall(m_control.GetCellExpression(c, r, &text));
    m_formulaEdit->setText(text);
    bool styles[4] = {};
    checkCall(m_control.GetFontStyleBold(c, r, &styles[0]));
    checkCall(m_control.GetFontStyleItalic(c, r, &styles[1]));
    checkCall(m_control.GetFontStyleUnderline(c, r, &styles[2]));
    checkCall(m_control.GetFontStyleStrikeout(c, r, &styles[3]));
    for (int i = 0; i < 4; ++i)
        m_styleButtons[i]->setChecked(styles[i]);
}

void MainWindow::onInputChange(int col, int row)
{
    m_state.inputCol = static_cast<std::int16_t>(col);
    m_state.inputRow = static_cast<std::int16_t>(row);
    m_dialogs.fillAliasDialog(col, row);
}

void MainWindow::onPoleRClick(int, int orientation, int screenX, int screenY)
{
    (orientation != 0 ? m_rowMenu : m_columnMenu)->popup(QPoint(screenX, screenY));
}

void MainWindow::onCellRClick(int, int, int screenX, int screenY)
{
    m_cellMenu->popup(QPoint(screenX, screenY));
}

void MainWindow::onControlError(const QString &message)
{
    m_prompts.showMessage(this, QStringLiteral("错误"), message);
}

bool MainWindow::mayClose()
{
    bool saved = false;
    try {
        saved = getBoolProperty(m_control, dispid::Saved);
    } catch (const HostError &error) {
        // Not knowing is treated as unsaved: asking loses nothing.
        m_prompts.showError(this, error.text());
    }
    if (saved)
        return true;
    switch (m_prompts.askYesNoCancel(this, QStringLiteral("提示"),
                                     QStringLiteral("文件已修改，是否保存其修改的内容？"))) {
    case HostPrompts::Answer::Cancel:
        return false;
    case HostPrompts::Answer::No:
        return true;
    case HostPrompts::Answer::Yes:
        break;
    }
    // A cancelled or failed save keeps the window, and the changes, open.
    bool stored = false;
    run([&] { stored = m_commands.saveReport(); });
    return stored;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (mayClose()) {
        // Open modeless dialogs go with the window.
        for (QWidget *child : findChildren<QDialog *>(Qt::FindDirectChildrenOnly))
            child->close();
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_controlWidget->setFocus();
}

} // namespace cellvex::demo
