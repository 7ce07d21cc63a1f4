// The ten toolbars of the main window, in their order in the toolbar area.
#include "MainWindow.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>

namespace cellvex::demo {

QToolBar *MainWindow::addBar(const char *name)
{
    auto *bar = new QToolBar(QString::fromLatin1(name), this);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(true);
    bar->setIconSize(QSize(20, 20));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void MainWindow::buildToolBars()
{
    HostCommands &c = m_commands;
    QToolBar *bar = addBar("ToolBar1");
    bar->addAction(button("tbColWidth", "col-width", QStringLiteral("列宽"), [&c] { c.columnWidth(); }));
    bar->addAction(button("tbRowHeight", "row-height", QStringLiteral("行高"), [&c] { c.rowHeight(); }));
    bar->addSeparator();
    bar->addAction(button("tbInsertCol", "insert-col", QStringLiteral("插入列"), [&c] { c.insertColumn(); }));
    bar->addAction(button("tbInsertRow", "insert-row", QStringLiteral("插入行"), [&c] { c.insertRow(); }));
    bar->addAction(
        button("tbDeleteCol", "delete-col", QStringLiteral("删除列"), [&c] { c.deleteColumns(); }));
    bar->addAction(button("tbDeleteRow", "delete-row", QStringLiteral("删除行"), [&c] { c.deleteRows(); }));
    bar->addAction(button("tbAppendCol", "append-col", QStringLiteral("追加列"), [&c] { c.appendColumn(); }));
    bar->addAction(button("tbAppendRow", "append-row", QStringLiteral("追加行"), [&c] { c.appendRow(); }));

    bar = addBar("ToolBar2");
    bar->addAction(button("tbCut", "cut", QStringLiteral("剪切"), [&c] { c.cut(); }));
    bar->addAction(button("tbCopy", "copy", QStringLiteral("复制"), [&c] { c.copy(); }));
    bar->addAction(button("tbPaste", "paste", QStringLiteral("粘贴"), [&c] { c.paste(); }));
    bar->addSeparator();
    bar->addAction(button("tbMerge", "merge", QStringLiteral("合并"), [&c] { c.merge(); }));
    bar->addAction(button("tbSplit", "split", QStringLiteral("分割"), [&c] { c.split(); }));

    bar = addBar("ToolBar3");
    bar->addAction(button("tbNew", "new", QStringLiteral("新建"), [&c] { c.newReport(); }));
    bar->addAction(button("tbOpen", "open", QStringLiteral("打开"), [&c] { c.openReport(); }));
    bar->addAction(button("tbSave", "save", QStringLiteral("保存"), [&c] { c.saveReport(); }));
    bar->addSeparator();
    bar->addAction(button("tbPageSetup", "page-setup", QStringLiteral("打印设置"), [&c] { c.pageSetup(); }));
    bar->addAction(button("tbPreview", "preview", QStringLiteral("打印预览"), [&c] { c.preview(); }));
    bar->addAction(button("tbPrint", "print", QStringLiteral("打印"), [&c] { c.print(); }));

    bar = addBar("ToolBar4");
    m_multiLineButton =
        toggle("tbMultiLine", "multi-line", QStringLiteral("多行"), [&c] { return c.toggleMultiLine(); });
    bar->addAction(m_multiLineButton);
    const char *hNames[3] = {"tbAlignLeft", "tbAlignCenter", "tbAlignRight"};
    const char *hIcons[3] = {"align-left", "align-center", "align-right"};
    const QString hHints[3] = {QStringLiteral("居左"), QStringLiteral("居中"), QStringLiteral("居右")};
    for (int i = 0; i < 3; ++i)
        bar->addAction(button(hNames[i], hIcons[i], hHints[i], [&c, i] { c.alignHorizontally(i); }));
    const char *vNames[3] = {"tbAlignTop", "tbAlignMiddle", "tbAlignBottom"};
    const char *vIcons[3] = {"align-top", "align-middle", "align-bottom"};
    const QString vHints[3] = {QStringLiteral("居上"), QStringLiteral("居中"), QStringLiteral("居下")};
    for (int i = 0; i < 3; ++i)
        bar->addAction(button(vNames[i], vIcons[i], vHints[i], [&c, i] { c.alignVertically(i); }));
    bar->addSeparator();
    bar->addAction(button("tbReadOnly", "read-only", QStringLiteral("只读"), [&c] { c.setReadOnly(true); }));
    bar->addAction(
        button("tbReadWrite", "read-write", QStringLiteral("读写"), [&c] { c.setReadOnly(false); }));

    buildCellToolBars();
    buildBorderToolBar();
}

void MainWindow::buildCellToolBars()
{
    HostCommands &c = m_commands;
    // Three rows that fit a 1280-pixel screen without hiding buttons.
    addToolBarBreak(Qt::TopToolBarArea);
    QToolBar *bar = addBar("ToolBar7");
    m_fontList = new QComboBox(bar);
    m_fontList->setObjectName(QStringLiteral("ComboBox1"));
    m_fontList->setToolTip(QStringLiteral("字体"));
    m_fontList->setEditable(false);
    // The installed fonts; the two names reports use most come first when
    // they are not installed under those names, since the control draws them
    // with the font that stands in for them.
    QStringList families = QFontDatabase::families();
    for (const QString &common : {QStringLiteral("黑体"), QStringLiteral("宋体")})
        if (!families.contains(common, Qt::CaseInsensitive))
            families.prepend(common);
    m_fontList->addItems(families);
    m_fontList->setMinimumContentsLength(10);
    m_fontList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_fontList->setCurrentIndex(-1);
    connect(m_fontList, &QComboBox::activated, this, [this](int index) {
        run([&] { m_commands.setFontName(m_fontList->itemText(index)); });
        m_controlWidget->setFocus();
    });
    bar->addWidget(m_fontList);
    m_sizeList = new QComboBox(bar);
    m_sizeList->setObjectName(QStringLiteral("ComboBox2"));
    m_sizeList->setToolTip(QStringLiteral("字号"));
    for (int size : {5,  6,  7,  8,  9,  10, 11, 12,  14,  16,  18,  20,  22,   24,
                     26, 28, 30, 36, 42, 48, 72, 100, 150, 300, 500, 800, 1200, 2000})
        m_sizeList->addItem(QString::number(size));
    m_sizeList->setMinimumContentsLength(4);
    m_sizeList->setCurrentIndex(-1);
    connect(m_sizeList, &QComboBox::activated, this, [this](int index) {
        run([&] { m_commands.setFontSize(m_sizeList->itemText(index)); });
        m_controlWidget->setFocus();
    });
    bar->addWidget(m_sizeList);
    const char *names[4] = {"tbBold", "tbItalic", "tbUnderline", "tbStrikeout"};
    const char *icons[4] = {"bold", "italic", "underline", "strikeout"};
    const QString hints[4] = {QStringLiteral("粗体"), QStringLiteral("斜体"), QStringLiteral("下划线"),
                              QStringLiteral("删除线")};
    for (int i = 0; i < 4; ++i) {
        const auto style = static_cast<HostCommands::FontStyle>(i);
        m_styleButtons[i] =
            toggle(names[i], icons[i], hints[i], [&c, style] { return c.toggleFontStyle(style); });
        bar->addAction(m_styleButtons[i]);
    }
    bar->addAction(button("tbFontColor", "font-color", QStringLiteral("字体颜色"), [&c] { c.fontColor(); }));
    bar->addAction(button("tbBackColor", "back-color", QStringLiteral("背景颜色"), [&c] { c.backColor(); }));

    bar = addBar("ToolBar6");
    bar->addAction(button("tbPoles", "poles", QStringLiteral("标杆"), [&c] { c.cyclePoles(); }));

    bar = addBar("ToolBar9");
    bar->addAction(
        button("tbCellScript", "cell-script", QStringLiteral("编写脚本"), [&c] { c.editCellScript(); }));
    bar->addAction(
        button("tbInitScript", "init-script", QStringLiteral("初始脚本"), [&c] { c.editInitScript(); }));

    bar = addBar("ToolBar5");
    auto *caption = new QLabel(QStringLiteral(" 公式= "), bar);
    caption->setObjectName(QStringLiteral("Panel1"));
    bar->addWidget(caption);
    m_formulaEdit = new QLineEdit(bar);
    m_formulaEdit->setObjectName(QStringLiteral("Edit1"));
    m_formulaEdit->setToolTip(QStringLiteral("公式"));
    m_formulaEdit->setMinimumWidth(220);
    bar->addWidget(m_formulaEdit);
    bar->addAction(button("tbSetFormula", "set-formula", QStringLiteral("设置公式"),
                          [this] { m_commands.setFormula(m_formulaEdit->text()); }));
    bar->addSeparator();
    bar->addAction(button("tbCalcCols", "calc-cols", QStringLiteral("纵向计算"), [&c] { c.calculate(0); }));
    bar->addAction(button("tbCalcRows", "calc-rows", QStringLiteral("横向计算"), [&c] { c.calculate(1); }));

    addToolBarBreak(Qt::TopToolBarArea);
    bar = addBar("ToolBar8");
    bar->addAction(
        button("tbAddPicture", "add-picture", QStringLiteral("添加图片"), [&c] { c.addPicture(); }));
    bar->addAction(
        button("tbClearPicture", "clear-picture", QStringLiteral("清除图片"), [&c] { c.clearPicture(); }));
}

void MainWindow::buildBorderToolBar()
{
    struct Entry
    {
        const char *name;
        const char *icon;
        BorderButton button;
    };
    static constexpr Entry entries[] = {
        {"ToolButton26", "border-all", BorderButton::AllLines},
        {"ToolButton27", "border-outline", BorderButton::Outline},
        {"ToolButton32", "border-none", BorderButton::NoLines},
        {"ToolButton43", "border-inner", BorderButton::InnerLines},
        {"ToolButton52", "border-left", BorderButton::LeftEdge},
        {"ToolButton53", "border-top", BorderButton::TopEdge},
        {"ToolButton54", "border-right", BorderButton::RightEdge},
        {"ToolButton55", "border-bottom", BorderButton::BottomEdge},
        {"ToolButton56", "border-thick", BorderButton::ThickOutline},
        {"ToolButton58", "diagonal-down", BorderButton::DiagonalDown},
        {"ToolButton59", "diagonal-up", BorderButton::DiagonalUp},
        {"ToolButton60", "diagonal-fan", BorderButton::DiagonalFan},
        {"ToolButton62", "diagonal-none", BorderButton::NoDiagonal},
    };
    QToolBar *bar = addBar("ToolBar11");
    for (const Entry &entry : entries) {
        if (entry.button == BorderButton::DiagonalDown)
            bar->addSeparator();
        const BorderButton which = entry.button;
        bar->addAction(button(entry.name, entry.icon, QStringLiteral("边框"),
                              [this, which] { applyBorderButton(m_control, m_state, which); }));
    }
}

} // namespace cellvex::demo
