#include "CellXmlImport.h"

#include "cells/CellWidgets.h"
#include "cells/ChartCell.h"
#include "common/ReportError.h"
#include "report/ChartCellOps.h"
#include "report/Report.h"

namespace cellvex {

namespace {

class ScriptsOff
{
public:
    explicit ScriptsOff(Report &report) : m_report(report), m_was(report.scriptsEnabled())
    {
        report.setScriptsEnabled(false);
    }
    ~ScriptsOff() { m_report.setScriptsEnabled(m_was); }
    ScriptsOff(const ScriptsOff &) = delete;
    ScriptsOff &operator=(const ScriptsOff &) = delete;

private:
    Report &m_report;
    bool m_was;
};

void requireSameReport(const Report &report, std::uint64_t generation)
{
    if (report.generation() != generation)
        throw ReportError(QStringLiteral("导入 XML 时报表已被替换，导入已停止"));
}

bool valueCell(const Cell &cell)
{
    return int(cell.kind()) < 10;
}

void clearValues(Report &report, std::uint64_t generation)
{
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
                removeCellPicture(*cell);
                report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
            }
        }
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
                std::uint64_t generation)
{
    int col = -1, row = -1;
    if (!targetOf(report, addressing, entry, col, row))
        return;
    report.setCellCaption(col, row, entry.caption);
    requireSameReport(report, generation);
    Cell *cell = report.cell(col, row);
    if (entry.series && cell->kind() == CellKind::Chart && cell->chart()) {
        for (const CellXmlSeries &s : *entry.series)
            if (!addChartSeries(report, col, row, s.type, s.signText, s.dataText))
                return; // a series that cannot be built ends the element
        if (!entry.chartImage.isNull()) {
            setChartBackground(*cell, entry.chartImage, cell->imageStretch());
            rebuildChartSnapshot(report, col, row);
            report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
        }
    }
    if (entry.image) {
        showCellPicture(*cell, *entry.image, cell->imageStretch());
        report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
    }
}

} // namespace

void applyCellXml(Report &report, const CellXmlContent &content)
{
    const std::uint64_t generation = report.generation();
    clearValues(report, generation);
    ScriptsOff scriptsOff(report);
    for (const CellXmlEntry &entry : content.entries) {
        try {
            applyEntry(report, content.addressing, entry, generation);
        } catch (const ReportError &) {
            // A series the chart refuses skips the rest of that element
            // only; a replaced report ends the import.
            if (report.generation() != generation)
                throw;
        }
    }
}

} // namespace cellvex
