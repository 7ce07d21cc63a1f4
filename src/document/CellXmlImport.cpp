#include "CellXmlImport.h"

#include "cells/CellWidgets.h"
#include "cells/ChartCell.h"
#include "common/ReportError.h"
#include "report/ChartCellOps.h"
#include "report/Report.h"
#include "report/ScriptsOff.h"

#include <set>
#include <utility>

namespace cellvex {

namespace {

void requireSameReport(const Report &report, std::uint64_t generation)
{
    if (report.generation() != generation)
        throw ReportError(QStringLiteral("导入 XML 时报表已被替换，导入已停止"));
}

bool valueCell(const Cell &cell)
{
    return int(cell.kind()) < 10;
}

// Cells whose picture the emptying removed while it was stretched: the
// cell layer forgets the stretching with the picture, but it is the cell's
// format, which an import leaves alone, so a picture put back stretches
// again.
using Stretched = std::set<std::pair<int, int>>;

Stretched clearValues(Report &report, std::uint64_t generation)
{
    Stretched stretched;
    // The grid's size is read again on every step: a handler may not
    // rebuild it without the generation telling, but stays cheap to trust.
    for (int col = 0; col < report.colCount(); ++col)
        for (int row = 0; row < report.rowCount(); ++row) {
            Cell *cell = report.cell(col, row);
            if (valueCell(*cell) && !cell->caption().isEmpty()) {
                report.setCellCaption(col, row, QString());
                requireSameReport(report, generation);
                cell = report.cell(col, row);
            }
            if (cell->kind() == CellKind::Chart) {
                clearChartSeries(report, col, row);
            } else if (cell->kind() == CellKind::CheckBox) {
                report.setCellCaption(col, row, QStringLiteral("0"));
                requireSameReport(report, generation);
                cell = report.cell(col, row);
            }
            if (valueCell(*cell) && cell->haveImage() && cell->picture() && cell->diagonalType() == 0) {
                if (cell->imageStretch())
                    stretched.emplace(col, row);
                removeCellPicture(*cell);
                report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
            }
        }
    return stretched;
}

bool targetOf(const Report &report, CellXmlContent::Addressing addressing, const CellXmlEntry &entry,
              int &col, int &row)
{
    if (addressing == CellXmlContent::Addressing::Position) {
        col = entry.col;
        row = entry.row;
        return report.contains(col, row);
    }
    // Among cells sharing the alias the last in column order is the one filled.
    return report.findLastAlias(entry.alias, col, row);
}

void applyEntry(Report &report, CellXmlContent::Addressing addressing, const CellXmlEntry &entry,
                std::uint64_t generation, const Stretched &stretched)
{
    int col = -1, row = -1;
    if (!targetOf(report, addressing, entry, col, row))
        return;
    report.setCellCaption(col, row, entry.caption);
    requireSameReport(report, generation);
    Cell *cell = report.cell(col, row);
    if (entry.series && cell->kind() == CellKind::Chart && cell->chart()) {
        // A series of no chart type (the empty companion entry of a
        // two-series type) adds nothing; one whose texts are bad throws,
        // which ends the element.
        for (const CellXmlSeries &s : *entry.series)
            addChartSeries(report, col, row, s.type, s.signText, s.dataText);
        if (!entry.chartImage.isNull()) {
            setChartBackground(*cell, entry.chartImage, cell->imageStretch());
            rebuildChartSnapshot(report, col, row);
            report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
        }
    }
    if (entry.image) {
        showCellPicture(*cell, *entry.image, cell->imageStretch() || stretched.count({col, row}));
        report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
    }
}

} // namespace

void applyCellXml(Report &report, const CellXmlContent &content)
{
    const std::uint64_t generation = report.generation();
    const Stretched stretched = clearValues(report, generation);
    ScriptsOff scriptsOff(report);
    for (const CellXmlEntry &entry : content.entries) {
        try {
            applyEntry(report, content.addressing, entry, generation, stretched);
        } catch (const ReportError &) {
            // A series the chart refuses skips the rest of that element
            // only; a replaced report ends the import.
            if (report.generation() != generation)
                throw;
        }
    }
}

} // namespace cellvex
