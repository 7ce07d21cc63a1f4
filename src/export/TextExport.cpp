#include "TextExport.h"

#include "report/Report.h"

namespace cellvex {

bool isBlankValue(const QString &value)
{
    for (const QChar ch : value) {
        if (ch.unicode() > 0x20)
            return false;
    }
    return true;
}

QString transText(const Report &report, bool selected, int col1, int row1, int col2, int row2,
                  bool emptyCells, const QString &separator)
{
    const std::optional<ExportRange> range = exportRange(report, selected, col1, row1, col2, row2);
    if (!range)
        return QString();
    return exportText(report, *range, emptyCells, separator);
}

QString exportText(const Report &report, const ExportRange &range, bool emptyCells, const QString &separator)
{
    const QString lineBreak = QStringLiteral("\r\n");
    QString out;
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        for (int c = range.firstCol; c <= range.lastCol; ++c) {
            const QString &value = report.cell(c, r)->caption();
            if (emptyCells) {
                out += value;
                out += c == range.lastCol ? lineBreak : separator;
            } else if (!isBlankValue(value)) {
                out += value;
                out += separator;
            }
        }
    }
    return out;
}

} // namespace cellvex
