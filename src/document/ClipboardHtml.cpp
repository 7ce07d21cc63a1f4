#include "ClipboardHtml.h"

#include "report/Report.h"

namespace cellvex {

QString clipboardHtml(const Report &report, const QRect &block)
{
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"/></head><body><table>");
    for (int row = block.top(); row <= block.bottom(); ++row) {
        html += QStringLiteral("<tr>");
        for (int col = block.left(); col <= block.right(); ++col) {
            const Cell &cell = *report.cell(col, row);
            if (cell.sign() == MergeSign::Covered)
                continue;
            html += QStringLiteral("<td");
            if (cell.sign() == MergeSign::Master) {
                // The copied range holds its blocks whole; clipped all the same.
                const BlockBounds b = cell.block();
                const int cols = std::min(b.right, block.right()) - col + 1;
                const int rows = std::min(b.bottom, block.bottom()) - row + 1;
                if (cols > 1)
                    html += QStringLiteral(" colspan=\"%1\"").arg(cols);
                if (rows > 1)
                    html += QStringLiteral(" rowspan=\"%1\"").arg(rows);
            }
            QString text = cell.caption().toHtmlEscaped();
            text.replace(QLatin1String("\r\n"), QLatin1String("<br/>"));
            text.replace(QLatin1Char('\n'), QLatin1String("<br/>"));
            html += QLatin1Char('>') + text + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    return html;
}

} // namespace cellvex
