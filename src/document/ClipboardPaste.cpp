#include "ClipboardPaste.h"

#include "cells/CellWidgets.h"
#include "cells/ChartCell.h"
#include "common/ReportError.h"
#include "grid/ValueAssignment.h"
#include "grid/structure/MergeBlocks.h"
#include "report/ChartCellOps.h"
#include "report/Report.h"

#include <algorithm>
#include <limits>

namespace cellvex {

namespace {

void requireSameReport(const Report &report, std::uint64_t generation)
{
    if (report.generation() != generation)
        throw ReportError(QStringLiteral("粘贴时报表已被替换，粘贴已停止"));
}

} // namespace

QRect pasteArea(const Report &report, int col, int row, const ClipboardBlock &block, bool grow)
{
    std::int64_t right = std::int64_t(col) + block.cols - 1;
    std::int64_t bottom = std::int64_t(row) + block.rows - 1;
    if (!grow) {
        right = std::min<std::int64_t>(right, report.colCount() - 1);
        bottom = std::min<std::int64_t>(bottom, report.rowCount() - 1);
    }
    constexpr std::int64_t most = std::numeric_limits<int>::max() - 1;
    return QRect(QPoint(col, row), QPoint(int(std::min(right, most)), int(std::min(bottom, most))));
}

void dissolveCutBlocks(Report &report, const QRect &area)
{
    for (int c = area.left(); c <= area.right(); ++c)
        for (int r = area.top(); r <= area.bottom(); ++r) {
            const Cell *cell = report.cell(c, r);
            if (!cell || cell->sign() == MergeSign::None)
                continue;
            const BlockBounds b = cell->block();
            const QRect blockRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom));
            if (!area.contains(blockRect))
                dissolveBlocks(report, b.left, b.top, b.left, b.top);
        }
}

void pasteCells(Report &report, const ClipboardBlock &block, const QRect &area)
{
    dissolveCutBlocks(report, area);
    resetCells(report, area.left(), area.top(), area.right(), area.bottom());
    for (const ClipboardCell &source : block.cells) {
        const int col = area.left() + source.col, row = area.top() + source.row;
        if (!area.contains(col, row))
            continue;
        Cell &target = *report.cell(col, row);
        target = source.cell;
        target.setTag(col, row);
    }
    report.cellsReplaced();
    for (const QRect &m : block.merges) {
        const QRect r = m.translated(area.topLeft()).intersected(area);
        if (r.width() > 1 || r.height() > 1)
            mergeRange(report, r.left(), r.top(), r.right(), r.bottom());
    }
    for (int c = area.left(); c <= area.right(); ++c)
        for (int r = area.top(); r <= area.bottom(); ++r)
            if (report.cell(c, r)->chart())
                rebuildChartSnapshot(report, c, r);
    report.refreshAllBorders();
    // Merges change the cells' sizes: everything in view may move.
    report.reportChanged(ReportChange::Value | ReportChange::Appearance | ReportChange::Geometry);
}

std::set<std::pair<int, int>> emptyValues(Report &report, const QRect &area)
{
    std::set<std::pair<int, int>> stretched;
    const std::uint64_t generation = report.generation();
    for (int col = area.left(); col <= area.right(); ++col)
        for (int row = area.top(); row <= area.bottom(); ++row) {
            Cell *cell = report.cell(col, row);
            if (!cell)
                continue;
            if (!cell->caption().isEmpty() || cell->kind() == CellKind::CheckBox) {
                // A check box takes "0" for any other text.
                report.setCellCaption(col, row, QString());
                requireSameReport(report, generation);
                cell = report.cell(col, row);
            }
            if (cell->chart())
                clearChartSeries(report, col, row);
            if (int(cell->kind()) < 10 && cell->haveImage() && cell->picture() && cell->diagonalType() == 0) {
                if (cell->imageStretch())
                    stretched.emplace(col, row);
                removeCellPicture(*cell);
                report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
            }
        }
    return stretched;
}

void pasteContents(Report &report, const ClipboardBlock &block, const QRect &area)
{
    const std::set<std::pair<int, int>> stretched = emptyValues(report, area);
    const std::uint64_t generation = report.generation();
    for (const ClipboardContent &source : block.contents) {
        const int col = area.left() + source.col, row = area.top() + source.row;
        if (!area.contains(col, row) || report.cell(col, row)->readOnly())
            continue;
        assignCellValue(report, col, row, source.caption);
        requireSameReport(report, generation);
        Cell *cell = report.cell(col, row);
        if (cell->chart() && source.series) {
            // A series of no chart type (a two-series type's empty companion
            // entry) adds nothing; bad texts throw and leave the rest out.
            try {
                for (const CellXmlSeries &s : *source.series)
                    addChartSeries(report, col, row, s.type, s.signText, s.dataText);
            } catch (const ReportError &) {
            }
            if (!source.chartImage.isNull()) {
                setChartBackground(*cell, source.chartImage, cell->imageStretch());
                rebuildChartSnapshot(report, col, row);
                report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
            }
        }
        if (source.backImage) {
            showCellPicture(*cell, *source.backImage, cell->imageStretch() || stretched.count({col, row}));
            report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
        }
    }
}

} // namespace cellvex
