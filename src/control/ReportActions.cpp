#include "ReportActions.h"

#include "document/ReportDocument.h"
#include "grid/selection/SelectionController.h"
#include "print/PageSetup.h"

#include <optional>

namespace cellvex {

ReportActions::ReportActions(Report &report, EventRaiser &events, ReportFrame &frame)
    : m_report(report), m_events(events), m_frame(frame),
      m_pageSetup(report, report.pageSettings(), [this] { paginate(); })
{
    m_report.setListener(this);
}

ReportActions::~ReportActions()
{
    m_report.setListener(nullptr);
}

void ReportActions::paginate()
{
    recomputePagination();
    rebuildPageBreakLines();
}

void ReportActions::recomputePagination()
{
    m_pagination.paginate(m_report, m_report.pageSettings());
}

void ReportActions::rebuildPageBreakLines()
{
    // Pagination may have dropped header/footer rows the lines are drawn from.
    Pagination::validateHeaderFooter(m_report, m_report.pageSettings());
    m_breakLines = cellvex::pageBreakLines(m_report, m_pagination);
    m_frame.pageBreakLinesChanged();
}

QStringList ReportActions::installedFonts()
{
    return PageSetup::systemFonts();
}

void ReportActions::newReport(int cols, int rows)
{
    m_report.checkNewReportSize(cols, rows); // refuse before discarding anything
    replaceReport([cols, rows](Report &r) {
        r.newReport(cols, rows);
        r.pageSettings().resetToDefaults();
    });
}

void ReportActions::openReport(LoadedReport &&loaded)
{
    replaceReport([&loaded](Report &r) { applyLoadedReport(r, r.pageSettings(), std::move(loaded)); });
}

FormulaErrorHandler ReportActions::formulaErrors()
{
    return [this](const QString &message) { m_events.error(message); };
}

bool ReportActions::runEdit(bool polesChanged,
                            const std::function<bool(const std::function<void()> &beforeChange)> &edit)
{
    std::optional<PaintSuspension> suspend;
    const auto beforeChange = [&] {
        m_frame.closeInputMethod();
        suspend.emplace(m_frame.paintedPanel());
    };
    if (!edit(beforeChange))
        return false;
    SelectionController &sel = selection();
    sel.markRulerSelection();
    sel.placeSelectionFrame();
    if (polesChanged)
        paginate();
    suspend.reset();
    sel.focusInput();
    sel.prepareInput(false);
    return true;
}

void ReportActions::setHeaderCount(int count)
{
    m_report.setHeaderCount(count);
    paginate();
}

void ReportActions::setFooterCount(int count)
{
    m_report.setFooterCount(count);
    paginate();
}

void ReportActions::setInputColor(ColorRef color)
{
    m_report.setInputColor(color);
    m_frame.showChange(ReportChange::report(ReportChange::Appearance));
}

void ReportActions::setSelectedColor(ColorRef color)
{
    m_report.setSelectedColor(color);
    m_frame.showChange(ReportChange::report(ReportChange::Appearance));
}

QRect ReportActions::selectedRange() const
{
    return m_report.hasSelection() ? m_report.selection() : QRect(QPoint(-1, -1), QPoint(-1, -1));
}

void ReportActions::reportChanged(const ReportChange &change)
{
    m_frame.showChange(change);
}

void ReportActions::captionChanging(int col, int row, QString &value)
{
    m_events.cellChanging(col + 1, row + 1, value);
}

void ReportActions::captionChanged(int col, int row, const QString &value)
{
    const std::uint64_t generation = m_report.generation();
    m_events.cellChanged(col + 1, row + 1, value);
    // The cell's script runs right after the event, on the cell as it is then.
    if (m_report.generation() == generation)
        runScriptAfterChange(col, row);
}

void ReportActions::buttonPressed(int col, int row, const QString &name, QString &script)
{
    // Without a sink the event is skipped and the stored list stays as it is.
    m_events.buttonClick(col + 1, row + 1, name, script);
}

} // namespace cellvex
