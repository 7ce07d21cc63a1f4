#pragma once

#include "control/EventRaiser.h"
#include "control/PaintSuspension.h"
#include "print/PageBreakLines.h"
#include "print/Pagination.h"
#include "print/dialogs/PrintHost.h"
#include "report/Report.h"
#include "report/ReportListener.h"

#include <vector>

namespace cellvex {

// What the service asks of the widget frame around the report.
class ReportFrame
{
public:
    // Finishes in-place input: the open editor's value goes into the input cell.
    virtual void commitInput() = 0;
    // Drops in-place input unwritten (the report it belonged to goes away).
    virtual void discardInput() = 0;
    // The report changed: repaint what shows it, follow geometry and view.
    virtual void showChange(const ReportChange &change) = 0;
    // The report was replaced: the frame takes the stored ruler mode and
    // places the (empty) selection frame again.
    virtual void reportReplaced() = 0;
    // The page-break lines were rebuilt.
    virtual void pageBreakLinesChanged() = 0;
    // The panel whose painting bulk changes suspend.
    virtual QWidget *paintedPanel() = 0;

protected:
    ~ReportFrame() = default;
};

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

    // --- report-wide settings ----------------------------------------------------------
    // Stored as given; pagination resets the counts when the rows do not fit.
    void setHeaderCount(int count);
    void setFooterCount(int count);

private:
    // ReportListener
    void reportChanged(const ReportChange &change) override;
    void captionChanging(int col, int row, QString &value) override;
    void captionChanged(int col, int row, const QString &value) override;
    void buttonPressed(int col, int row, const QString &name, QString &script) override;

    Report &m_report;
    EventRaiser &m_events;
    ReportFrame &m_frame;
    Pagination m_pagination;
    std::vector<PageBreakLine> m_breakLines;
};

} // namespace cellvex
