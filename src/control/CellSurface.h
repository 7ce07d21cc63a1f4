#pragma once

#include <QWidget>

#include <cstdint>
#include <vector>

namespace cellvex {

class Report;
struct PageBreakLine;

// The cell surface: one widget that paints the cells in view straight from
// the report and the rulers' geometry. Its top-left corner shows the leading
// edge of the first displayed column and row; the cost of a paint depends on
// the number of visible cells only.
class CellSurface : public QWidget
{
    Q_OBJECT
public:
    explicit CellSurface(Report &report, QWidget *parent = nullptr);

    // Report coordinates of the surface's top-left pixel.
    std::int64_t originX() const;
    std::int64_t originY() const;

    // Paints the cells covering `area` (surface coordinates) with painter p.
    void paintArea(QPainter &p, const QRect &area) const;

    // Repaints one cell (a master repaints its whole block).
    void updateCell(int col, int row);

    // Page-break and header/footer lines drawn over the cells (not owned).
    void setPageBreakLines(const std::vector<PageBreakLine> *lines) { m_breakLines = lines; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintBreakLines(QPainter &p, const QRect &area) const;

    Report &m_report;
    const std::vector<PageBreakLine> *m_breakLines = nullptr;
};

} // namespace cellvex
