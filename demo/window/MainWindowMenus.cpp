// The main menu and the pop-up menus of the main window.
#include "MainWindow.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace cellvex::demo {

namespace {

QMenu *addMenu(QWidget *owner, QMenu *into, const char *name, const QString &title)
{
    auto *menu = new QMenu(title, owner);
    menu->setObjectName(QString::fromLatin1(name));
    into->addMenu(menu);
    return menu;
}

QMenu *addTopMenu(QMenuBar *bar, const char *name, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void MainWindow::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    buildSystemMenu();
    buildEditMenu();
    buildFormatMenu();
    buildOtherMenus();
}

void MainWindow::buildSystemMenu()
{
    HostCommands &c = m_commands;
    QMenu *menu = addTopMenu(menuBar(), "menuSystem", QStringLiteral("&S. 系统"));
    menu->addAction(command("miNew", QStringLiteral("新建"), [&c] { c.newReport(); }));
    menu->addAction(command("miOpen", QStringLiteral("打开"), [&c] { c.openReport(); }));
    menu->addAction(command("miSave", QStringLiteral("保存"), [&c] { c.saveReport(); }));
    menu->addSeparator();

    QMenu *out = addMenu(this, menu, "menuExport", QStringLiteral("输出"));
    out->addAction(command("miExportXml0", QStringLiteral("XML0"), [&c] { c.exportXml(0); }));
    out->addAction(command("miExportXml1", QStringLiteral("XML1"), [&c] { c.exportXml(1); }));
    out->addAction(command("miExportExcel", QStringLiteral("Excel"), [&c] { c.exportExcel(); }));
    out->addAction(command("miExportBase64", QStringLiteral("Base64"), [&c] { c.exportBase64(); }));
    out->addSeparator();
    out->addAction(command("miExportHtml", QStringLiteral("Html"), [&c] { c.exportHtml(); }));
    out->addAction(command("miExportText1", QStringLiteral("Text1"), [&c] { c.exportText(true); }));
    out->addAction(command("miExportText2", QStringLiteral("Text2"), [&c] { c.exportText(false); }));

    QMenu *in = addMenu(this, menu, "menuImport", QStringLiteral("输入"));
    in->addAction(command("miImportXml0", QStringLiteral("XML0"), [&c] { c.importXml(); }));
    in->addAction(command("miImportXml1", QStringLiteral("XML1"), [&c] { c.importXml(); }));
    in->addAction(command("miImportExcel", QStringLiteral("Excel"), [&c] { c.importExcel(); }));
    in->addAction(command("miImportBase64", QStringLiteral("Base64"), [&c] { c.importBase64(); }));
    menu->addSeparator();

    menu->addAction(command("miPageSetup", QStringLiteral("页面设置"), [&c] { c.pageSetup(); }));
    menu->addAction(command("miPreview", QStringLiteral("打印预览"), [&c] { c.preview(); }));
    menu->addAction(command("miPrint", QStringLiteral("打印"), [&c] { c.print(); }));
    menu->addSeparator();

    QMenu *samples = addMenu(this, menu, "menuSamples", QStringLiteral("报表示例"));
    samples->addAction(
        command("miSampleChart", QStringLiteral("图表"), [&c] { c.openSample(QStringLiteral("图表.cvd")); }));
    samples->addAction(command("miSampleReport", QStringLiteral("报告"),
                               [&c] { c.openSample(QStringLiteral("报告.cvd")); }));
    samples->addAction(command("miSampleAccount", QStringLiteral("帐表"),
                               [&c] { c.openSample(QStringLiteral("帐表.cvd")); }));
    menu->addSeparator();
    menu->addAction(command("miExit", QStringLiteral("退出"), [this] { close(); }));
}

void MainWindow::buildEditMenu()
{
    HostCommands &c = m_commands;
    QMenu *menu = addTopMenu(menuBar(), "menuEdit", QStringLiteral("&E. 编辑"));
    menu->addAction(command("miCut", QStringLiteral("剪切"), [&c] { c.cut(); }));
    menu->addAction(command("miCopy", QStringLiteral("复制"), [&c] { c.copy(); }));
    menu->addAction(command("miPaste", QStringLiteral("粘贴"), [&c] { c.paste(); }));
    menu->addSeparator();
    menu->addAction(command("miMerge", QStringLiteral("合并"), [&c] { c.merge(); }));
    menu->addAction(command("miSplit", QStringLiteral("分割"), [&c] { c.split(); }));
    menu->addSeparator();
    menu->addAction(command("miFind", QStringLiteral("查找"), [&c] { c.find(); }));
    menu->addAction(command("miReplace", QStringLiteral("替换"), [&c] { c.replace(); }));
    menu->addSeparator();
    menu->addAction(command("miCutText", QStringLiteral("剪切数据"), [&c] { c.cutText(); }));
    menu->addAction(command("miCopyText", QStringLiteral("复制数据"), [&c] { c.copyText(); }));
    menu->addAction(command("miPasteText", QStringLiteral("粘贴数据"), [&c] { c.pasteText(); }));
    menu->addSeparator();
    QMenu *fill = addMenu(this, menu, "menuFill", QStringLiteral("填充"));
    const char *names[6] = {"miFill1", "miFill2", "miFill3", "miFill4", "miFill5", "miFill6"};
    const QString captions[6] = {QStringLiteral("向右填充"), QStringLiteral("向左填充"),
                                 QStringLiteral("向下填充"), QStringLiteral("向上填充"),
                                 QStringLiteral("横向填充"), QStringLiteral("纵向填充")};
    for (int i = 0; i < 6; ++i)
        fill->addAction(command(names[i], captions[i], [&c, i] { c.fill(i + 1); }));
}

void MainWindow::buildFormatMenu()
{
    HostCommands &c = m_commands;
    QMenu *menu = addTopMenu(menuBar(), "menuFormat", QStringLiteral("&F. 格式"));
    menu->addAction(command("miCell", QStringLiteral("单元格"), [&c] { c.cellProperties(); }));
    menu->addSeparator();
    menu->addAction(command("miColWidth", QStringLiteral("列宽"), [&c] { c.columnWidth(); }));
    menu->addAction(command("miRowHeight", QStringLiteral("行高"), [&c] { c.rowHeight(); }));
    menu->addSeparator();
    menu->addAction(command("miInsertCol", QStringLiteral("插入列"), [&c] { c.insertColumn(); }));
    menu->addAction(command("miInsertRow", QStringLiteral("插入行"), [&c] { c.insertRow(); }));
    menu->addAction(command("miDeleteCol", QStringLiteral("删除列"), [&c] { c.deleteColumns(); }));
    menu->addAction(command("miDeleteRow", QStringLiteral("删除行"), [&c] { c.deleteRows(); }));
    menu->addAction(command("miAppendCol", QStringLiteral("追加列"), [&c] { c.appendColumn(); }));
    menu->addAction(command("miAppendRow", QStringLiteral("追加行"), [&c] { c.appendRow(); }));
    menu->addSeparator();
    menu->addAction(command("miAddPicture", QStringLiteral("添加图片"), [&c] { c.addPicture(); }));
    menu->addAction(command("miClearPicture", QStringLiteral("删除图片"), [&c] { c.clearPicture(); }));
    menu->addSeparator();
    menu->addAction(command("miReadOnly", QStringLiteral("只读"), [&c] { c.setReadOnly(true); }));
    menu->addAction(command("miReadWrite", QStringLiteral("可读写"), [&c] { c.setReadOnly(false); }));
    menu->addSeparator();
    menu->addAction(command("miFixedRows", QStringLiteral("不滚动行"), [&c] { c.headerFooterRows(); }));
}

void MainWindow::buildOtherMenus()
{
    HostCommands &c = m_commands;
    QMenu *formula = addTopMenu(menuBar(), "menuFormula", QStringLiteral("&R. 公式"));
    formula->addAction(command("miSetFormula", QStringLiteral("设置公式"),
                               [this] { m_commands.setFormula(m_formulaEdit->text()); }));
    formula->addSeparator();
    formula->addAction(command("miCalcCols", QStringLiteral("纵向计算"), [&c] { c.calculate(0); }));
    formula->addAction(command("miCalcRows", QStringLiteral("横向计算"), [&c] { c.calculate(1); }));

    QMenu *script = addTopMenu(menuBar(), "menuScript", QStringLiteral("&P. 脚本 "));
    script->addAction(command("miCellScript", QStringLiteral("编写脚本"), [&c] { c.editCellScript(); }));
    script->addSeparator();
    script->addAction(command("miInitScript", QStringLiteral("初始脚本"), [&c] { c.editInitScript(); }));

    QMenu *alias = addTopMenu(menuBar(), "menuAlias", QStringLiteral("&A. 别名"));
    alias->addAction(command("miAlias", QStringLiteral("别名设置"), [&c] { c.aliases(); }));

    QMenu *help = addTopMenu(menuBar(), "menuHelp", QStringLiteral("&H. 帮助"));
    help->addAction(command("miHelp", QStringLiteral("帮助文件"), [&c] { c.help(); }));
}

void MainWindow::buildPopupMenus()
{
    HostCommands &c = m_commands;
    m_columnMenu = new QMenu(this);
    m_columnMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_columnMenu->addAction(command("pmInsertCol", QStringLiteral("插入列"), [&c] { c.insertColumn(); }));
    m_columnMenu->addAction(command("pmAppendCol", QStringLiteral("追加列"), [&c] { c.appendColumn(); }));
    m_columnMenu->addAction(command("pmDeleteCol", QStringLiteral("删除列"), [&c] { c.deleteColumns(); }));

    m_rowMenu = new QMenu(this);
    m_rowMenu->setObjectName(QStringLiteral("PopupMenu2"));
    m_rowMenu->addAction(command("pmInsertRow", QStringLiteral("插入行"), [&c] { c.insertRow(); }));
    m_rowMenu->addAction(command("pmAppendRow", QStringLiteral("追加行"), [&c] { c.appendRow(); }));
    m_rowMenu->addAction(command("pmDeleteRow", QStringLiteral("删除行"), [&c] { c.deleteRows(); }));

    m_cellMenu = new QMenu(this);
    m_cellMenu->setObjectName(QStringLiteral("PopupMenu3"));
    m_cellMenu->addAction(command("pmCut", QStringLiteral("剪切"), [&c] { c.cut(); }));
    m_cellMenu->addAction(command("pmCopy", QStringLiteral("复制"), [&c] { c.copy(); }));
    m_cellMenu->addAction(command("pmPaste", QStringLiteral("粘贴"), [&c] { c.paste(); }));
    m_cellMenu->addSeparator();
    m_cellMenu->addAction(command("pmMerge", QStringLiteral("合并"), [&c] { c.merge(); }));
    m_cellMenu->addAction(command("pmSplit", QStringLiteral("拆分"), [&c] { c.split(); }));
}

} // namespace cellvex::demo
