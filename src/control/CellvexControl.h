#pragma once

#include "control/EventRaiser.h"
#include "control/FormProperties.h"
#include "control/ReportActions.h"
#include "control/RulerInput.h"
#include "control/input/InPlaceEditor.h"
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
class RulerWidget;
class CellSurface;
class LinePanel;
class GridViewport; // layout: scrolling, wheel, viewport resizes, column/row sizes
class SelectionController;
class CellMouseInput;
class KeyNavigator;
class SelectionEventAdapter;
class CellWidgetMouse;
class ChartMarkerMouse;
class PrinterService;
class DialogRunner;

// The report control: the widget frame of named child windows (rulers, cell
// surface, scroll bars, corner boxes, in-place editors, selection frame)
// around one Report. Every member and every user action runs through its
// ReportActions service; the frame paints, lays out, translates window input
// and answers what the service, the selection, the rulers and the layout ask
// of the windows.
class CellvexControl : public QWidget,
                       private ReportFrame,
                       private RulerInputHost,
                       private SelectionHost,
                       private LayoutListener,
                       private InPlaceEditorHost
{
    Q_OBJECT
public:
    explicit CellvexControl(QWidget *parent = nullptr);
    ~CellvexControl() override;

    Report &report() override { return *m_report; }
    const Report &report() const { return *m_report; }
    // The service every member and user action goes through.
    ReportActions &actions() { return *m_actions; }
    EventRaiser &events() { return m_events; }

    // --- the form ----------------------------------------------------------------------
    FormProperties &form() override { return m_form; }
    FontObject &fontObject() override { return *m_fontObject; }
    ColorRef formColor() const override { return m_formColor; }
    void setFormColor(ColorRef c) override;
    void setFormCursor(short cursor) override;
    bool isActiveForm() const override { return m_active; }
    // The ruler display mode 0-2 (none, poles, poles with millimetre strips);
    // other values are only stored.
    void setPoleVisible(int mode) override;

    // --- printing: printer and modal dialogs ------------------------------------
    // The printers the print members and dialogs use: the system's, unless a
    // host or a test installed another service.
    std::shared_ptr<PrinterService> printerService() override;
    void setPrinterService(std::shared_ptr<PrinterService> service) { m_printer = std::move(service); }
    // Shows the control's modal dialogs; their own exec() unless replaced.
    DialogRunner &dialogRunner() override;
    void setDialogRunner(std::shared_ptr<DialogRunner> runner) { m_dialogRunner = std::move(runner); }

    // Finishes in-place input: writes the open editor's value into the input
    // cell and hides it (input/InPlaceEditor).
    void commitInput() override;
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
        if (m_actions)
            m_actions->setSuppressControlError(false);
    }

    // --- children ----------------------------------------------------------------
    RulerWidget *columnRuler() const { return m_polex; }
    RulerWidget *rowRuler() const { return m_poley; }
    CellSurface *cellSurface() const { return m_cellSurface; }
    QWidget *mainPanel() const { return m_main; }
    GridViewport &viewport() { return *m_viewport; } // layout
    SelectionController &selection() override { return *m_selection; }
    InPlaceEditor &inPlaceEditor() { return *m_inPlace; } // the editors over the input cell
    RulerInput &rulerInput() { return *m_rulerInput; }    // ruler drags (RulerInput.cpp)

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildChildren();
    void layoutChildren();
    // ReportFrame (commitInput and the form are public)
    ScrollController &scroll() override;
    PoleSizer &sizer() override;
    QWidget &formWidget() override { return *this; }
    void closeInputMethod() override;
    void discardInput() override;
    void showChange(const ReportChange &change) override;
    void reportReplaced() override;
    void pageBreakLinesChanged() override;
    QWidget *paintedPanel() override { return m_main; }
    // RulerInputHost (focusInput also for the selection)
    void poleDown(Orientation orientation, int pole, bool left) override;
    void applyResize(Orientation orientation, int pole) override;
    void focusInput() override;
    // InPlaceEditorHost (report and selection are public)
    void runGuarded(const std::function<void()> &handler) override { guarded(handler); }
    void dropListClosed() override { m_rulerInput->setSkipRulerPrepare(true); }
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
    std::shared_ptr<PrinterService> m_printer;
    std::shared_ptr<DialogRunner> m_dialogRunner;
    ColorRef m_formColor = kButtonFace;
    FormProperties m_form;
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
    std::unique_ptr<ChartMarkerMouse> m_chartMouse;
    std::unique_ptr<RulerInput> m_rulerInput;
};

} // namespace cellvex
