#include "FilledReport.h"

#include "cells/Cell.h"
#include "cells/CellTypes.h"

namespace cellvex::bench {

namespace {

const QString kNames[] = {QStringLiteral("产品名称"), QStringLiteral("客户"), QStringLiteral("华东区销售额"),
                          QStringLiteral("Total 合计"), QStringLiteral("备注：已审核")};

void fillCell(Report &report, int col, int row)
{
    const int kind = (col * 7 + row) % 5;
    if (row == 0) {
        report.setCellCaption(col, row, kNames[col % 5] + QString::number(col));
        report.setFontName(col, row, QStringLiteral("黑体"));
        report.setFontSize(col, row, 12);
        report.setFontStyle(col, row, 0, true);
        report.setAlignment(col, row, HAlign::Center);
        report.setBackColor(col, row, 0x00F0E0D0);
    } else if (kind < 3) {
        // Figures: a number format and right alignment.
        report.setCellCaption(col, row, QString::number((col + 1) * 1234.5 + row * 0.25, 'f', 2));
        report.setAlignment(col, row, HAlign::Right);
        Cell &cell = *report.cell(col, row);
        cell.setFormatType(3);
        cell.setFormatText(QStringLiteral("#,##0.00"));
        if (kind == 2)
            cell.setExpressionText(QStringLiteral("sum(%1,1,%1,%2)").arg(col).arg(row));
    } else if (kind == 3) {
        report.setCellCaption(col, row, kNames[row % 5] + QStringLiteral(" 第%1行").arg(row));
        report.setFontName(col, row, QStringLiteral("楷体"));
        report.setFontColor(col, row, 0x000080);
    } else {
        report.setCellCaption(col, row, QStringLiteral("2024-%1-%2").arg(row % 12 + 1).arg(col % 28 + 1));
        if (row % 50 == 4)
            report.setCellAlias(col, row, QStringLiteral("D%1_%2").arg(col).arg(row));
    }
    for (int side : {BorderLeft, BorderTop, BorderRight, BorderBottom})
        report.setCellBorders(col, row, side, 1);
}

} // namespace

void fillReport(Report &report, int cols, int rows)
{
    report.newReport(cols, rows);
    for (int col = 0; col < cols; ++col)
        for (int row = 0; row < rows; ++row)
            if ((col + row) % 3 == 0)
                fillCell(report, col, row);
}

} // namespace cellvex::bench
