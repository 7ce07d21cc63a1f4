#include "HostCommands.h"

#include "DispatchProperties.h"
#include "HostError.h"
#include "ReportFiles.h"

#include "automation/ICellvex.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace cellvex::demo {

namespace {

const QString kReportFilter = QStringLiteral("Cellvex文件|*.cvd|所有文件|*.*");
const QString kReportSaveFilter = QStringLiteral("Cellvex文件|*.cvd");
const QString kPictureFilter = QStringLiteral("图片文件|*.bmp");
const QString kXmlFilter = QStringLiteral("XML文件|*.xml");
const QString kTextFilter = QStringLiteral("文本文件|*.txt");
const QString kHtmlFilter = QStringLiteral("HTML文件|*.htm");

} // namespace

HostCommands::HostCommands(automation::ICellvex &control, HostState &state, HostPrompts &prompts,
                           DialogFactory &dialogs, QWidget *window, QString programFolder)
    : m_control(control), m_state(state), m_prompts(prompts), m_dialogs(dialogs), m_window(window),
      m_programFolder(std::move(programFolder)),
      m_openUrl([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
}

template <class F> void HostCommands::overSelection(F &&f) const
{
    forEachSelectedCell(m_state, [&](int c, int r) { checkCall(f(c, r)); });
}

QString HostCommands::askSaveName(const QString &filter, const QString &suffix) const
{
    return m_prompts.saveFileName(m_window, filter, suffix);
}

QString HostCommands::askOpenName(const QString &filter) const
{
    return m_prompts.openFileName(m_window, filter);
}

void HostCommands::newReport()
{
    checkCall(m_control.NewReport(6, 30));
}

void HostCommands::openReport()
{
    const QString file = askOpenName(kReportFilter);
    if (!file.isEmpty())
        checkCall(m_control.OpenReport(file));
}

bool HostCommands::saveReport()
{
    const QString file = askSaveName(kReportSaveFilter, QStringLiteral("cvd"));
    if (file.isEmpty())
        return false;
    checkCall(m_control.SaveReport(file));
    return true;
}

void HostCommands::exportXml(int type)
{
    const QString file = askSaveName(kXmlFilter, QStringLiteral("xml"));
    if (file.isEmpty())
        return;
    QString xml;
    checkCall(m_control.ExportXML(type, QString(), &xml));
    writeAnsiFile(file, xml);
}

void HostCommands::exportExcel()
{
    const ExcelExportAnswer answer = m_dialogs.runExcelExportDialog(m_window);
    if (m_window)
        m_window->repaint();
    if (!answer.confirmed)
        return;
    if (answer.wholeReport)
        checkCall(m_control.TransExcel(answer.fileName, false, -1, -1, -1, -1));
    else
        checkCall(m_control.TransExcel(answer.fileName, true, m_state.selMinX, m_state.selMinY,
                                       m_state.selMaxX, m_state.selMaxY));
}

void HostCommands::exportBase64()
{
    const QString file = askSaveName(kTextFilter, QStringLiteral("txt"));
    if (file.isEmpty())
        return;
    QString text;
    checkCall(m_control.SaveString(&text));
    writeAnsiFile(file, text);
}

void HostCommands::exportHtml()
{
    const QString file = askSaveName(kHtmlFilter, QStringLiteral("htm"));
    if (file.isEmpty())
        return;
    // The pictures go beside the page; the control wants the folder with its separator.
    const QString folder = QDir::toNativeSeparators(QFileInfo(file).absolutePath() + QLatin1Char('/'));
    QString html;
    checkCall(m_control.TransHtml(false, -1, -1, -1, -1, folder, &html));
    writeAnsiFile(file, html);
}

void HostCommands::exportText(bool asTable)
{
    const QString file = askSaveName(kTextFilter, QStringLiteral("txt"));
    if (file.isEmpty())
        return;
    QString text;
    checkCall(m_control.TransText(false, -1, -1, -1, -1, asTable,
                                  asTable ? QStringLiteral("\t") : QStringLiteral(" "), &text));
    writeAnsiFile(file, text);
}

void HostCommands::importXml()
{
    const QString file = askOpenName(kXmlFilter);
    if (!file.isEmpty())
        checkCall(m_control.ImportXML(readAnsiFile(file)));
}

void HostCommands::importExcel()
{
    const ExcelImportAnswer answer = m_dialogs.runExcelImportDialog(m_window);
    if (m_window)
        m_window->repaint();
    if (answer.confirmed)
        checkCall(
            m_control.TransFormExcel(answer.fileName, answer.left, answer.right, answer.top, answer.bottom));
}

void HostCommands::importBase64()
{
    const QString file = askOpenName(kTextFilter);
    if (!file.isEmpty())
        checkCall(m_control.OpenString(readAnsiFile(file)));
}

void HostCommands::pageSetup()
{
    checkCall(m_control.PrintSetup());
}

void HostCommands::preview()
{
    checkCall(m_control.Preview());
}

void HostCommands::print()
{
    checkCall(m_control.Print(true));
}

void HostCommands::openSample(const QString &fileName)
{
    checkCall(m_control.OpenReport(QDir(m_programFolder).filePath(fileName)));
}

void HostCommands::cut()
{
    checkCall(m_control.CutCell(m_state.selMinX, m_state.selMinY, m_state.selMaxX, m_state.selMaxY));
}

void HostCommands::copy()
{
    checkCall(m_control.CopyCell(m_state.selMinX, m_state.selMinY, m_state.selMaxX, m_state.selMaxY));
}

void HostCommands::paste()
{
    checkCall(m_control.PasteCell(m_state.selMinX, m_state.selMinY, true));
}

void HostCommands::merge()
{
    checkCall(m_control.MergeCell(m_state.selMinX, m_state.selMinY, m_state.selMaxX, m_state.selMaxY));
}

void HostCommands::split()
{
    checkCall(m_control.SplitCell(m_state.selMinX, m_state.selMinY, m_state.selMaxX, m_state.selMaxY));
}

void HostCommands::find()
{
    m_dialogs.openFindDialog(m_window);
}

void HostCommands::replace()
{
    m_dialogs.openReplaceDialog(m_window);
}

void HostCommands::cutText()
{
    checkCall(m_control.CutCellText(m_state.selMinX, m_state.selMinY, m_state.selMaxX, m_state.selMaxY));
}

void HostCommands::copyText()
{
    checkCall(m_control.CopyCellText(m_state.selMinX, m_state.selMinY, m_state.selMaxX, m_state.selMaxY));
}

void HostCommands::pasteText()
{
    checkCall(m_control.PasteCellText(m_state.selMinX, m_state.selMinY, false));
}

void HostCommands::fill(int direction)
{
    checkCall(m_control.FillCell(direction));
}

void HostCommands::cellProperties()
{
    m_dialogs.openCellDialog(m_window);
}

void HostCommands::columnWidth()
{
    const NumberDialogAnswer answer = m_dialogs.runNumberDialog(
        m_window, {QStringLiteral("列值"), QStringLiteral("列号："), QStringLiteral("列宽：")});
    if (answer.confirmed) {
        const int col = integerFromText(answer.firstText);
        checkCall(m_control.SetColWidth(col, integerFromText(answer.secondText)));
    }
}

void HostCommands::rowHeight()
{
    const NumberDialogAnswer answer = m_dialogs.runNumberDialog(
        m_window, {QStringLiteral("行值"), QStringLiteral("行号："), QStringLiteral("行高：")});
    if (answer.confirmed) {
        const int row = integerFromText(answer.firstText);
        checkCall(m_control.SetRowHeight(row, integerFromText(answer.secondText)));
    }
}

void HostCommands::insertColumn()
{
    checkCall(m_control.InsertCol(m_state.inputCol, 1));
}

void HostCommands::insertRow()
{
    checkCall(m_control.InsertRow(m_state.inputRow, 1));
}

void HostCommands::deleteColumns()
{
    checkCall(m_control.DeleteCol(m_state.selMinX, m_state.selMaxX));
}

void HostCommands::deleteRows()
{
    checkCall(m_control.DeleteRow(m_state.selMinY, m_state.selMaxY));
}

void HostCommands::appendColumn()
{
    checkCall(m_control.AppendCol(1));
}

void HostCommands::appendRow()
{
    checkCall(m_control.AppendRow(1));
}

void HostCommands::addPicture()
{
    const QString file = askOpenName(kPictureFilter);
    if (!file.isEmpty())
        overSelection([&](int c, int r) { return m_control.SetCellPicture(c, r, file, true); });
}

void HostCommands::clearPicture()
{
    overSelection([&](int c, int r) { return m_control.SetCellPicture(c, r, QString(), false); });
}

void HostCommands::setReadOnly(bool readOnly)
{
    overSelection([&](int c, int r) { return m_control.SetCellReadOnly(c, r, readOnly); });
}

void HostCommands::headerFooterRows()
{
    NumberDialogRequest request{QStringLiteral("不滚动行"), QStringLiteral("表头："),
                                QStringLiteral("表尾：")};
    request.firstValue = QString::number(getIntProperty(m_control, dispid::HeaderCount));
    request.secondValue = QString::number(getIntProperty(m_control, dispid::FooterCount));
    const NumberDialogAnswer answer = m_dialogs.runNumberDialog(m_window, request);
    if (!answer.confirmed)
        return;
    putIntProperty(m_control, dispid::HeaderCount, integerFromText(answer.firstText));
    putIntProperty(m_control, dispid::FooterCount, integerFromText(answer.secondText));
}

void HostCommands::setFormula(const QString &expression)
{
    overSelection([&](int c, int r) { return m_control.SetCellExpression(c, r, expression); });
}

void HostCommands::calculate(int order)
{
    checkCall(m_control.ExplainAllExpression(order));
}

void HostCommands::editCellScript()
{
    checkCall(m_control.EditCellScript());
}

void HostCommands::editInitScript()
{
    checkCall(m_control.EditInitScript());
}

void HostCommands::aliases()
{
    m_dialogs.openAliasDialog(m_window);
}

void HostCommands::help()
{
    // A missing help file is not worth a message: the program works without it.
    const QString file = QDir(m_programFolder).filePath(QStringLiteral("帮助文件.html"));
    if (QFileInfo::exists(file))
        m_openUrl(QUrl::fromLocalFile(file));
}

bool HostCommands::toggleMultiLine()
{
    bool multiLine = false;
    checkCall(m_control.GetMultiLine(m_state.inputCol, m_state.inputRow, &multiLine));
    overSelection([&](int c, int r) { return m_control.SetMultiLine(c, r, !multiLine); });
    return !multiLine;
}

bool HostCommands::toggleFontStyle(FontStyle style)
{
    using automation::ICellvex;
    using Getter = automation::HResult (ICellvex::*)(std::int32_t, std::int32_t, bool *);
    using Setter = automation::HResult (ICellvex::*)(std::int32_t, std::int32_t, bool);
    struct Pair
    {
        Getter get;
        Setter set;
    };
    static constexpr Pair pairs[] = {
        {&ICellvex::GetFontStyleBold, &ICellvex::SetFontStyleBold},
        {&ICellvex::GetFontStyleItalic, &ICellvex::SetFontStyleItalic},
        {&ICellvex::GetFontStyleUnderline, &ICellvex::SetFontStyleUnderline},
        {&ICellvex::GetFontStyleStrikeout, &ICellvex::SetFontStyleStrikeout},
    };
    const Pair &pair = pairs[static_cast<int>(style)];
    // The input cell alone decides; a mixed selection becomes uniform.
    bool on = false;
    checkCall((m_control.*pair.get)(m_state.inputCol, m_state.inputRow, &on));
    overSelection([&](int c, int r) { return (m_control.*pair.set)(c, r, !on); });
    return !on;
}

void HostCommands::alignHorizontally(int alignment)
{
    overSelection([&](int c, int r) { return m_control.SetLabelHAlignment(c, r, alignment); });
}

void HostCommands::alignVertically(int alignment)
{
    overSelection([&](int c, int r) { return m_control.SetLabelVAlignment(c, r, alignment); });
}

void HostCommands::setFontName(const QString &name)
{
    overSelection([&](int c, int r) { return m_control.SetFontName(c, r, name); });
}

void HostCommands::setFontSize(const QString &sizeText)
{
    const int size = integerFromText(sizeText);
    overSelection([&](int c, int r) { return m_control.SetFontSize(c, r, size); });
}

void HostCommands::fontColor()
{
    if (const auto color = m_prompts.chooseColor(m_window))
        overSelection(
            [&](int c, int r) { return m_control.SetFontColor(c, r, static_cast<std::int32_t>(*color)); });
}

void HostCommands::backColor()
{
    if (const auto color = m_prompts.chooseColor(m_window))
        overSelection([&](int c, int r) {
            return m_control.SetCellBackColor(c, r, static_cast<std::int32_t>(*color));
        });
}

void HostCommands::cyclePoles()
{
    const int mode = getIntProperty(m_control, dispid::PoleVisible);
    putIntProperty(m_control, dispid::PoleVisible, (mode + 1) % 3);
}

} // namespace cellvex::demo
