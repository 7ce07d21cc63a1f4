#pragma once

#include "control/ClipboardPort.h"
#include "control/EventRaiser.h"
#include "control/PaintSuspension.h"
#include "control/ReportFrame.h"
#include "export/xlsx/SpreadsheetProgram.h"
#include "formula/FormulaRecalculation.h"
#include "platform/FileShell.h"
#include "print/PageBreakLines.h"
#include "print/PageSetup.h"
#include "print/Pagination.h"
#include "print/dialogs/PrintHost.h"
#include "report/Report.h"
#include "report/ReportListener.h"
#include "script/ScriptEngine.h"

#include <QRect>

#include <functional>
#include <memory>
#include <vector>

namespace cellvex {

class PoleSizer;
class ScrollController;
class SelectionController;
struct FindRequest;
struct LoadedReport;
struct ReplaceRequest;

// The application-service layer of one control: every user action and every
// interface member that changes the report runs through here, so that the
// steps around an edit (finishing input, suspending painting, cutting the
// pages again, the Saved flag, the events) are written once. It is the
// report's listener: caption changes and button presses become host events,
// every other change goes to the frame. Coordinates are 0-based.
class ReportActions final : public ReportListener, public PrintHost
{
public:
    ReportActions(Report &report, EventRaiser &events, ReportFrame &frame);
    ~ReportActions();
    ReportActions(const ReportActions &) = delete;
    ReportActions &operator=(const ReportActions &) = delete;

    Report &report() { return m_report; }
    const Report &report() const { return m_report; }
    EventRaiser &events() { return m_events; }
    ReportFrame &frame() { return m_frame; }
    SelectionController &selection() { return m_frame.selection(); }
    ScrollController &scroll() { return m_frame.scroll(); }
    PoleSizer &sizer() { return m_frame.sizer(); }
    PageSetup &pageSetup() { return m_pageSetup; }

    // --- input and errors -----------------------------------------------------------
    // Finishes in-place input (members whose row says so, before they run).
    void commitInput() { m_frame.commitInput(); }
    // A failure a handler of the host already reported must not be reported
    // again as a control error; the suppression ends with the call.
    bool suppressControlError() const { return m_suppressControlError; }
    void setSuppressControlError(bool v) { m_suppressControlError = v; }
    // Formula failures become OnError, which is skipped when no host listens.
    FormulaErrorHandler formulaErrors();

    // --- running an edit ---------------------------------------------------------------
    // Runs a structure edit with the steps every one shares. `edit` gets the
    // callback the model runs once it accepted the edit and before anything
    // changes: the input method closes and painting is suspended. After an
    // accepted edit the ruler highlights and the frame follow the selection,
    // the pages are cut again when `polesChanged`, painting resumes and the
    // editor is set up for the input cell. Returns whether the edit acted.
    bool runEdit(bool polesChanged,
                 const std::function<bool(const std::function<void()> &beforeChange)> &edit);

    // --- pages ---------------------------------------------------------------------
    const Pagination &pagination() const { return m_pagination; }
    const std::vector<PageBreakLine> &pageBreakLines() const { return m_breakLines; }
    // Cuts the report into pages again and rebuilds the page-break lines.
    void paginate();
    // The two halves of paginate() for the print preview, which cuts the
    // pages again while it is open and hands the grid lines over on closing.
    void recomputePagination() override;
    void rebuildPageBreakLines() override;
    // PrintHost: what the printing dialogs ask.
    void repaginate() override { paginate(); }
    void reportError(const QString &message) override { m_events.error(message); }
    QStringList installedFonts() override;

    // --- replacing the report --------------------------------------------------------
    // Throws ReportError, changing nothing, for counts newReport refuses.
    void newReport(int cols, int rows);
    // Replaces the report by what `build` puts into it (an empty report, a
    // stored one already read and checked): unfinished input is discarded,
    // painting suspended, the pages cut again; then the host hears that
    // there is no input cell and no selection.
    template <typename Build> void replaceReport(Build &&build)
    {
        {
            PaintSuspension suspend(m_frame.paintedPanel());
            m_frame.discardInput();
            build(m_report);
            m_frame.reportReplaced();
            paginate();
        }
        m_events.inputChange(-1, -1);
        m_events.selectChange(-1, -1, -1, -1);
    }

    // Replaces the report by one read from a stored form; reading has already
    // succeeded, so until now the report and any input being typed were left alone.
    void openReport(LoadedReport &&loaded);

    // --- report-wide settings ----------------------------------------------------------
    // Stored as given; pagination resets the counts when the rows do not fit.
    void setHeaderCount(int count);
    void setFooterCount(int count);
    void setInputColor(ColorRef color);
    void setSelectedColor(ColorRef color);
    // The selected range and the input cell, 0-based; -1 when there is none.
    QRect selectedRange() const;

    // --- cell attributes (ReportActionsCells.cpp) -------------------------------------
    // A cell outside the grid makes a setter do nothing and a getter return
    // its empty value (the boundary answers for those before they get here).
    void setFontName(int col, int row, const QString &name) { m_report.setFontName(col, row, name); }
    QString fontName(int col, int row) const;
    void setFontSize(int col, int row, int size) { m_report.setFontSize(col, row, size); }
    int fontSize(int col, int row) const;
    void setFontColor(int col, int row, ColorRef color) { m_report.setFontColor(col, row, color); }
    ColorRef fontColor(int col, int row) const;
    // style: 0 bold, 1 italic, 2 underline, 3 strike-through.
    void setFontStyle(int col, int row, int style, bool on) { m_report.setFontStyle(col, row, style, on); }
    bool fontStyle(int col, int row, int style) const;
    // 0 left, 1 centre, 2 right (top, middle, bottom); other values do nothing.
    void setHAlignment(int col, int row, int alignment);
    int hAlignment(int col, int row) const;
    void setVAlignment(int col, int row, int alignment);
    int vAlignment(int col, int row) const;
    void setBorder(int col, int row, int type, int width) { m_report.setCellBorders(col, row, type, width); }
    int border(int col, int row, int type) const { return m_report.cellBorders(col, row, type); }
    void setBackColor(int col, int row, ColorRef color) { m_report.setBackColor(col, row, color); }
    ColorRef backColor(int col, int row) const;
    void setMultiLine(int col, int row, bool on) { m_report.setMultiLine(col, row, on); }
    bool multiLine(int col, int row) const;
    void setAlias(int col, int row, const QString &alias) { m_report.setCellAlias(col, row, alias); }
    QString alias(int col, int row) const;
    void deleteAlias(const QString &alias) { m_report.deleteAlias(alias); }
    QString allAliases() const { return m_report.allAliases(); }
    // The first cell with the alias (columns, then rows); false when none.
    bool findAlias(const QString &alias, int &col, int &row) const
    {
        return m_report.findAlias(alias, col, row);
    }
    bool findLastAlias(const QString &alias, int &col, int &row) const
    {
        return m_report.findLastAlias(alias, col, row);
    }
    void setAppendRange(int col, int row, int count) { m_report.setAppendRange(col, row, count); }
    int appendRange(int col, int row) const;
    void setAppendString(int col, int row, int index, const QString &value)
    {
        m_report.setAppendString(col, row, index, value);
    }
    QString appendString(int col, int row, int index) const;

    // --- kinds and input attributes (ReportActionsCells.cpp) ---------------------------
    // A change of how a cell is edited that lands on the input cell sets its
    // editor up again, so no editor of the old kind stays over it.
    void setTextCell(int col, int row, int textLength);
    void setDropCell(int col, int row, const QString &items);
    void setDateTimeCell(int col, int row);
    void setCheckCell(int col, int row, const QString &text);
    void setButtonCell(int col, int row, const QString &name, const QString &actions);
    void setPicture(int col, int row, const QString &fileName, bool stretch);
    void setFormat(int col, int row, int formatType, const QString &formatText);
    void setIme(int col, int row, const QString &ime);
    void setReadOnly(int col, int row, bool on);
    void setPrintHide(int col, int row, bool on);
    // The 0-based target of Enter, kept in 64 bit so that no value can wrap.
    void setNextPos(int col, int row, std::int64_t nextCol, std::int64_t nextRow);

    // --- cell scripts (ReportActionsScripts.cpp) -------------------------------------------
    // While false, value changes run no cell scripts (an import, an editor's test run).
    bool scriptsEnabled() const { return m_report.scriptsEnabled(); }
    void setScriptsEnabled(bool on) { m_report.setScriptsEnabled(on); }
    // The init script when `init`, else the cell's; out of range: nothing.
    void setCellScript(bool init, int col, int row, const QString &type, const QString &text);
    void cellScript(bool init, int col, int row, QString &type, QString &text) const;
    // Runs the cell's script whatever ScriptsEnabled says; a preparation
    // error goes to OnError, an engine error fails the call.
    void explainCellScript(int col, int row);
    // After a value change: the changed cell's script, when scripts are on.
    void runScriptAfterChange(int col, int row);
    // Runs a script of the cell (-1, -1 for the init script). A preparation
    // error is reported through OnError; an engine failure has been reported
    // when this throws ReportError, so that the operation fails.
    void runCellScriptOf(int col, int row, const QString &text, const QString &language);
    // The action list of a button cell (pressed by the user after
    // OnButtonClick, or by a script without it).
    void runButtonActions(int col, int row);
    // Where action lists send files to be opened, printed or explored;
    // tests put a recorder here.
    void setFileShell(std::shared_ptr<FileShell> shell) { m_fileShell = std::move(shell); }

    // --- the script editor (ReportActionsScriptEditor.cpp) -------------------------------
    // EditCellScript: with a selection, the editor opens on the input cell's
    // script; OK stores the text (or, when it is only blanks, clears the
    // script) in every cell of the selection. Saved turns false on OK, and
    // after Cancel when a test run may have changed the report.
    void editCellScript();
    // EditInitScript: the same for the report's init script; Cancel changes nothing.
    void editInitScript();
    // A test run from the editor, as the script of (col, row) ((-1, -1) for
    // the init script), with cell scripts off for the run: its SetCell values
    // and button presses are carried out in the report, engine errors go to
    // `engineErrors` and not to OnError. Returns what else stopped the run.
    QString testRunScript(int col, int row, const QString &text, const QString &language,
                          const ScriptErrorHandler &engineErrors);

    // --- chart cells (ReportActionsCharts.cpp) --------------------------------------------
    void setChartCell(int col, int row, const QString &title, const QString &horizontal,
                      const QString &vertical);
    void addChartSeries(int col, int row, int type, const QString &signText, const QString &dataText);
    void clearChartSeries(int col, int row);
    void clearChartSeriesByAlias(const QString &alias);
    // Charts whose cells changed size are drawn again before anything reads
    // their snapshots (painting, printing, export).
    void refreshChartSnapshots();
    // A marker drag finished on a chart cell: the host hears of the new data.
    void chartSeriesAdjusted(int col, int row, int type, const QString &signText, const QString &dataText);

    // --- values and formulas -----------------------------------------------------------------
    // Every value from the host goes through the one assignment path.
    void setCellValue(int col, int row, const QString &value);
    QString cellValue(int col, int row) const;
    void explainCellExpression(int col, int row);
    void explainAllExpression(int mode);

    // --- structure (ReportActionsStructure.cpp) ------------------------------------------
    // Columns or rows (poles of the orientation): InsertCol / InsertRow /
    // AppendCol / AppendRow (at == count appends) and DeleteCol / DeleteRow
    // (first..last): OnInputChange then OnSelectChange when the edit moved
    // the selection.
    void insertPoles(Orientation orientation, int at, int count);
    void deletePoles(Orientation orientation, int first, int last);
    // MergeCell / SplitCell: each selection event only when its value changed.
    void mergeCells(int col1, int row1, int col2, int row2);
    void splitCells(int col1, int row1, int col2, int row2);
    void fillCells(int mode);
    // Selects the found cell (both events, also when it was the input cell).
    bool findText(const FindRequest &request);
    void replaceText(const ReplaceRequest &request);

    // --- cell XML (ReportActionsXml.cpp) ----------------------------------------------------
    // ExportXML: the "CellXML" text by position (0) or alias (1); throws
    // ReportError for an encoding the system rejects.
    QString exportXml(int type, const QString &encoding);
    // ImportXML: the text is read whole first, so one that cannot be read
    // changes nothing; then the grid's values are emptied and the text's
    // written, the init script runs and the selection is cleared. Saved
    // stays as it was.
    void importXml(const QString &text);
    // The report's init script, when it has one; an engine failure throws.
    void runInitialScript();

    // --- workbooks (ReportActionsExcel.cpp) -------------------------------------------------
    // TransExcel: the range (0-based; the whole report unless `selected`) as
    // a new .xlsx workbook. A range outside the report, or no spreadsheet
    // program, does nothing; a failed save throws ReportError and keeps an
    // older file. Saved is not changed.
    void transExcel(const QString &fileName, bool selected, int col1, int row1, int col2, int row2);
    // TransFormExcel: the report replaced by a range of the workbook's first
    // sheet (1-based worksheet columns and rows). A file or range that cannot
    // be imported throws ReportError and changes nothing; Saved becomes true
    // only with the replaced report.
    void transFormExcel(const QString &fileName, int firstCol, int lastCol, int firstRow, int lastRow);
    // Where the workbook members find the spreadsheet program; a factory
    // answering nullptr makes the program missing. Null puts the default back.
    void setSpreadsheetProgram(xlsx::SpreadsheetProgramFactory factory)
    {
        m_spreadsheetProgram = factory ? std::move(factory) : xlsx::fileSpreadsheetProgram();
    }

    // --- the clipboard (ReportActionsClipboard.cpp) -----------------------------------------
    // CopyCell / CutCell (full) and CopyCellText / CutCellText: a range
    // outside the grid or cutting through a merged block does nothing.
    void copyCells(int col1, int row1, int col2, int row2, bool full, bool cut);
    // PasteCell (full) and PasteCellText at the target cell: clipboard text
    // without the shape's prefix is ignored; one with it that cannot be read
    // throws ReportError and changes nothing.
    void pasteCells(int col, int row, bool addCell, bool full);
    // Null puts the system clipboard back.
    void setClipboard(ClipboardPort *port) { m_clipboard = port ? port : &m_systemClipboard; }
    ClipboardPort &clipboard() { return *m_clipboard; }

private:
    // OnInputChange when the input cell moved, then OnSelectChange when the
    // selection did, unless the report was replaced meanwhile.
    void raiseSelectionChanges(int oldCol, int oldRow, const QRect &oldSelection, std::uint64_t generation);

    // ReportListener
    void reportChanged(const ReportChange &change) override;
    void captionChanging(int col, int row, QString &value) override;
    void captionChanged(int col, int row, const QString &value) override;
    void buttonPressed(int col, int row, const QString &name, QString &script) override;

    // The program copies the page setup from and to a printer's only when one is installed.
    bool printerInstalled();

    // After an input attribute of (col, row) changed.
    void inputAttributesChanged(int col, int row);

    Report &m_report;
    EventRaiser &m_events;
    ReportFrame &m_frame;
    PageSetup m_pageSetup;
    Pagination m_pagination;
    std::vector<PageBreakLine> m_breakLines;
    bool m_suppressControlError = false;
    std::shared_ptr<FileShell> m_fileShell = desktopFileShell();
    int m_scriptDepth = 0;       // script runs in progress, nested through value changes
    bool m_chainStopped = false; // one of them met the chain limit
    bool m_scriptEditorOpen = false;
    SystemClipboard m_systemClipboard;
    xlsx::SpreadsheetProgramFactory m_spreadsheetProgram = xlsx::fileSpreadsheetProgram();
    ClipboardPort *m_clipboard = &m_systemClipboard;
};

} // namespace cellvex
