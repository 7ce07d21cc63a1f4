#include "ReportDocumentWriter.h"

#include "document/AnsiDocumentText.h"
#include "document/CellElementWriter.h"
#include "document/PackText.h"
#include "document/PageElement.h"
#include "document/PoleElements.h"
#include "document/XmlDocument.h"
#include "document/XmlTextWriter.h"
#include "document/ZlibDeflater.h"
#include "report/Report.h"

#include <string>

namespace cellvex {

void writeReportDocument(const Report &report, const PageSettings &page, XmlTextWriter &out)
{
    // Each element is built in a scratch document, written and dropped, so
    // the document never exists as a whole tree.
    XmlDocument scratch;
    out.writeDeclaration(scratch.encoding());
    out.openElement(scratch.addRoot("Cellvex"));

    scratch.clear();
    writePageElement(scratch.addRoot("Page"), report, page);
    out.writeElement(scratch.root());
    scratch.clear();
    writePoleElement(scratch.addRoot("PoleX"), "XC", report.colRuler());
    out.writeElement(scratch.root());
    scratch.clear();
    writePoleElement(scratch.addRoot("PoleY"), "YC", report.rowRuler());
    out.writeElement(scratch.root());

    const int cols = report.colCount();
    const int rows = report.rowCount();
    scratch.clear();
    XmlElement container = scratch.addRoot("Cell");
    container.setAttribute("CC", cols);
    container.setAttribute("RC", rows);
    out.openElement(container);
    CellElementWriter cells(report);
    std::string name;
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r) {
            scratch.clear();
            name = 'C' + std::to_string(std::int64_t(c) * rows + r);
            XmlElement element = scratch.addRoot(name.c_str());
            cells.fill(element, c, r);
            out.writeElement(element);
        }
    out.closeElement();
    out.closeElement();
    out.finish();
}

QByteArray storedReport(const Report &report, const PageSettings &page)
{
    ZlibDeflater deflater;
    XmlTextWriter out([&deflater](QByteArrayView utf8) {
        // The writer hands over whole lines, so no character is split here.
        deflater.write(utf8DocumentToAnsi(utf8));
    });
    writeReportDocument(report, page, out);
    return base64Lines(deflater.finish(), "--");
}

} // namespace cellvex
