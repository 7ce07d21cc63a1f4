#pragma once

#include "control/EventRaiser.h"
#include "control/FormProperties.h"
#include "control/ReportActions.h"
#include "control/RulerInput.h"
#include "grid/layout/LayoutListener.h"
#include "grid/selection/SelectionHost.h"
#include "report/Report.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QLineEdit;
class QComboBox;
class QDateEdit;
class QLabel;
class QScrollBar;
class QFrame;

namespace cellvex {

class FontObject;
class PageSetup;
class RulerWidget;
class CellSurface;
class LinePanel;
class GridViewport; // layout: scrolling, wheel, viewport resizes, column/row sizes
class SelectionController;
class CellMouseInput;
class KeyNavigator;
class SelectionEventAdapter;
class InPlaceEditor;
class CellWidgetMouse;
class PrinterService;
class DialogRunner;

// The report control: the frame of named child windows (rulers, cell
// surface, scroll bars, corner boxes, in-place editors, selection frame)
// around one Report. Members take 1-based coordinates, column first; a cell,
// row or column outside the grid makes a setter do nothing and a getter
// return its empty value.
class CellvexControl : public QWidget,
                       private ReportFrame,
                       private RulerInputHost,
                       private SelectionHost,
                       private LayoutListener
{
    Q_OBJECT
public:
    explicit CellvexControl(QWidget *parent = nullptr);
    ~CellvexControl() override;

    Report &report() { return *m_report; }
    const Report &report() const { return *m_report; }
    // The service every member and user action goes through.
    ReportActions &actions() { return *m_actions; }
    EventRaiser &events() { return m_events; }
    FormProperties &form() { return m_form; }
    FontObject &fontObject() { return *m_fontObject; }
    ColorRef formColor() const { return m_formColor; }
    void setFormColor(ColorRef c);
    void setFormCursor(short cursor);
    bool isActiveForm() const { return m_active; }
    void setInputColor(ColorRef c);
    void setSelectedColor(ColorRef c);

    // --- pages ---------------------------------------------------------------------
    PageSettings &pageSettings() { return m_report->pageSettings(); }
    PageSetup &pageSetup() { return *m_pageSetup; }
    const Pagination &pagination() const { return m_actions->pagination(); }
    const std::vector<PageBreakLine> &pageBreakLines() const { return m_actions->pageBreakLines(); }
    void paginate() { m_actions->paginate(); }
    void recomputePagination() { m_actions->recomputePagination(); }
    void rebuildPageBreakLines() { m_actions->rebuildPageBreakLines(); }

    // --- printing: printer and modal dialogs ------------------------------------
    // The printers the print members and dialogs use: the system's, unless a
    // host or a test installed another service.
    std::shared_ptr<PrinterService> printerService();
    void setPrinterService(std::shared_ptr<PrinterService> service) { m_printer = std::move(service); }
    // Shows the control's modal dialogs; their own exec() unless replaced.
    DialogRunner &dialogRunner();
    void setDialogRunner(std::shared_ptr<DialogRunner> runner) { m_dialogRunner = std::move(runner); }

    // Finishes in-place input: writes the open editor's value into the input
    // cell and hides it (input/InPlaceEditor).
    void commitInput() override;
    bool suppressControlError() const { return m_suppressControlError; }
    void setSuppressControlError(bool v) { m_suppressControlError = v; }
    // Runs a window handler: anything it throws becomes OnError("控件错误，" ...)
    // unless already reported; the suppression ends with the handler.
    template <typename F> void guarded(F &&handler)
    {
        try {
            handler();
        } catch (const std::exception &e) {
            reportControlError(QString::fromUtf8(e.what()));
        } catch (...) {
            reportControlError(QStringLiteral("未知错误"));
        }
        m_suppressControlError = false;
    }
    // 0-based cell of an alias: the first match (columns, then rows) or the last.
    bool findAlias(const QString &alias, int &col, int &row) const
    {
        return m_report->findAlias(alias, col, row);
    }
    bool findLastAlias(const QString &alias, int &col, int &row) const
    {
        return m_report->findLastAlias(alias, col, row);
    }

    // --- report lifecycle and counts ------------------------------------------
    void NewReport(int aCols, int aRows) { m_actions->newReport(aCols, aRows); }
    int ColCount() const { return m_report->colCount(); }
    int RowCount() const { return m_report->rowCount(); }
    int HeaderCount() const { return m_report->headerCount(); }
    void setHeaderCount(int v) { m_actions->setHeaderCount(v); }
    int FooterCount() const { return m_report->footerCount(); }
    void setFooterCount(int v) { m_actions->setFooterCount(v); }
    bool Saved() const { return m_report->saved(); }
    void setSaved(bool v) { m_report->setSaved(v); }
    int PoleVisible() const { return m_report->poleVisible(); }
    void setPoleVisible(int mode);
    int GetColWidth(int aCol) const { return m_report->colWidth(ix(aCol)); }
    int GetRowHeight(int aRow) const { return m_report->rowHeight(ix(aRow)); }
    void RefreshAllBorders() { m_report->refreshAllBorders(); }
    // Selected range and input cell, 1-based; -1 (input: 0) when there is none.
    void GetSelectedCell(int &minCol, int &minRow, int &maxCol, int &maxRow) const;
    void GetInputingCell(int &col, int &row) const;

    // --- cell attributes ---------------------------------------------------------
    void SetFontName(int aCol, int aRow, const QString &aFontName);
    QString GetFontName(int aCol, int aRow) const;
    void SetFontSize(int aCol, int aRow, int aFontSize);
    int GetFontSize(int aCol, int aRow) const;
    void SetFontColor(int aCol, int aRow, ColorRef aFontColor);
    ColorRef GetFontColor(int aCol, int aRow) const;
    void SetFontStyleBold(int aCol, int aRow, bool on) { setStyle(aCol, aRow, 0, on); }
    void SetFontStyleItalic(int aCol, int aRow, bool on) { setStyle(aCol, aRow, 1, on); }
    void SetFontStyleUnderline(int aCol, int aRow, bool on) { setStyle(aCol, aRow, 2, on); }
    void SetFontStyleStrikeout(int aCol, int aRow, bool on) { setStyle(aCol, aRow, 3, on); }
    bool GetFontStyleBold(int aCol, int aRow) const;
    bool GetFontStyleItalic(int aCol, int aRow) const;
    bool GetFontStyleUnderline(int aCol, int aRow) const;
    bool GetFontStyleStrikeout(int aCol, int aRow) const;
    void SetLabelHAlignment(int aCol, int aRow, int aHAlignment);
    int GetLabelHAlignment(int aCol, int aRow) const;
    void SetLabelVAlignment(int aCol, int aRow, int aVAlignment);
    int GetLabelVAlignment(int aCol, int aRow) const;
    void SetCellBorders(int aCol, int aRow, int aBorderType, int aBorderWidth);
    int GetCellBorders(int aCol, int aRow, int aBorderType) const;
    void SetCellBackColor(int aCol, int aRow, ColorRef aBackColor);
    ColorRef GetCellBackColor(int aCol, int aRow) const;
    void SetMultiLine(int aCol, int aRow, bool aMultiLine);
    bool GetMultiLine(int aCol, int aRow) const;
    void SetCellAlias(int aCol, int aRow, const QString &alias);
    void DeleteAlias(const QString &alias);
    QString GetCellAlias(int aCol, int aRow) const;
    QString GetAllAlias() const { return m_report->allAliases(); }
    void GetCellReferenceByAlias(const QString &alias, int &col, int &row) const;
    void SetAppendRange(int aCol, int aRow, int aAppendRange);
    int GetAppendRange(int aCol, int aRow) const;
    void SetAppendString(int aCol, int aRow, int aIndex, const QString &aValue);
    QString GetAppendString(int aCol, int aRow, int aIndex) const;

    // --- children ----------------------------------------------------------------
    RulerWidget *columnRuler() const { return m_polex; }
    RulerWidget *rowRuler() const { return m_poley; }
    CellSurface *cellSurface() const { return m_cellSurface; }
    QWidget *mainPanel() const { return m_main; }
    GridViewport &viewport() { return *m_viewport; } // layout
    SelectionController &selection() { return *m_selection; }
    InPlaceEditor &inPlaceEditor() { return *m_inPlace; } // the editors over the input cell
    RulerInput &rulerInput() { return *m_rulerInput; }    // ruler drags (RulerInput.cpp)

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildChildren();
    void layoutChildren();
    // ReportFrame (commitInput is public)
    void discardInput() override;
    void showChange(const ReportChange &change) override;
    void reportReplaced() override;
    void pageBreakLinesChanged() override;
    QWidget *paintedPanel() override { return m_main; }
    // RulerInputHost (focusInput also for the selection)
    void poleDown(Orientation orientation, int pole, bool left) override;
    void applyResize(Orientation orientation, int pole) override;
    void focusInput() override;
    // LayoutListener
    void viewMoved() override;
    void firstPoleChanged(Orientation axis, int position) override;
    void beforeResize() override;
    void geometryChanged(Orientation axis) override;
    // SelectionHost (CellvexControlInput.cpp)
    void prepareInput(bool dropOnPrepare) override;
    void openTypingEditor() override;
    void scrollSelectionIntoView() override;
    void keepColumnInView(int col) override;
    void keepRowInView(int row) override;
    void frameChanged() override;
    void repaintCells() override;
    PageBands pageBands() override;
    bool dateEditorShown() override;
    void acceptDateEditor() override;
    bool dropListOpen() override;
    // 1-based interface index to 0-based; anything below 1 is outside the grid.
    static int ix(int a) { return a > 0 ? a - 1 : -1; }
    const Cell *cellAt(int aCol, int aRow) const { return m_report->cell(ix(aCol), ix(aRow)); }
    void setStyle(int aCol, int aRow, int style, bool on);
    void reportControlError(const QString &message);
    void focusChanged(QWidget *old, QWidget *now);
    // Selection, mouse and keys on the cells (CellvexControlInput.cpp).
    void buildSelection();
    void placeSelectionLines();
    bool cellSurfaceMouse(QEvent *event);
    bool previewKey(QWidget *receiver, QKeyEvent *event);

    std::unique_ptr<Report> m_report;
    EventRaiser m_events;
    std::unique_ptr<ReportActions> m_actions;
    FontObject *m_fontObject = nullptr;
    std::unique_ptr<PageSetup> m_pageSetup;
    std::shared_ptr<PrinterService> m_printer;
    std::shared_ptr<DialogRunner> m_dialogRunner;
    ColorRef m_formColor = kButtonFace;
    FormProperties m_form;
    bool m_suppressControlError = false;
    bool m_active = false;
    bool m_inKeyPreview = false;
    // The key event last previewed and where, to recognise its propagation to parents.
    const QEvent *m_lastKeyEvent = nullptr;
    QPointer<QWidget> m_lastKeyReceiver;

    QWidget *m_main = nullptr;
    QWidget *m_header = nullptr;
    QFrame *m_lmargin = nullptr;
    QLabel *m_lmarginCaption = nullptr;
    RulerWidget *m_polex = nullptr;
    RulerWidget *m_poley = nullptr;
    QWidget *m_client = nullptr;
    CellSurface *m_cellSurface = nullptr;
    QLineEdit *m_edtInput = nullptr;
    QComboBox *m_cbbInput = nullptr;
    QWidget *m_datetime = nullptr;
    LinePanel *m_selLines[4] = {};
    QWidget *m_right = nullptr;
    QFrame *m_rmargin = nullptr;
    QScrollBar *m_scrollY = nullptr;
    QWidget *m_footer = nullptr;
    QWidget *m_scroll = nullptr;
    QWidget *m_xscroll = nullptr;
    QWidget *m_smargin = nullptr;
    QScrollBar *m_scrollX = nullptr;
    std::unique_ptr<GridViewport> m_viewport; // layout
    std::unique_ptr<SelectionEventAdapter> m_selectionEvents;
    std::unique_ptr<SelectionController> m_selection;
    std::unique_ptr<CellMouseInput> m_cellMouse;
    std::unique_ptr<KeyNavigator> m_keys;
    std::unique_ptr<InPlaceEditor> m_inPlace;
    std::unique_ptr<CellWidgetMouse> m_widgetMouse;
    std::unique_ptr<RulerInput> m_rulerInput;
};

} // namespace cellvex
