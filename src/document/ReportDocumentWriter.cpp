#include "ReportDocumentWriter.h"

#include "common/GbkCodec.h"
#include "document/CellElementText.h"
#include "document/PackText.h"
#include "document/PageElement.h"
#include "document/PoleElements.h"
#include "document/XmlDocument.h"
#include "document/XmlTextWriter.h"
#include "document/ZlibDeflater.h"
#include "report/Report.h"

#include <string>

namespace cellvex {

namespace {

constexpr size_t kPieceSize = 1 << 20;

} // namespace

void writeReportDocument(const Report &report, const PageSettings &page,
                         const std::function<void(QByteArrayView gbk)> &sink)
{
    std::string text;
    text.reserve(kPieceSize + 64 * 1024);
    auto handOver = [&] {
        sink(QByteArrayView(text.data(), qsizetype(text.size())));
        text.clear();
    };
    // The few elements around the cells are built as trees and printed by
    // the library; the writer hands whole lines over, so no character is
    // split when they are turned into GBK.
    QByteArray converted;
    XmlTextWriter out([&](QByteArrayView utf8) {
        converted.clear();
        GbkCodec::instance().appendUtf8AsGbk(utf8, converted);
        text.append(converted.constData(), size_t(converted.size()));
    });
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
    out.flush();

    // The cells, by far the most of the text, are written straight as text.
    CellElementText cells(report);
    const int indent = out.depth();
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r) {
            cells.append(text, c, r, indent);
            if (text.size() >= kPieceSize)
                handOver();
        }
    out.closeElement();
    out.closeElement();
    out.finish();
    handOver();
}

QByteArray storedReport(const Report &report, const PageSettings &page)
{
    ZlibDeflater deflater;
    writeReportDocument(report, page, [&deflater](QByteArrayView gbk) { deflater.write(gbk); });
    return base64Lines(deflater.finish(), "--");
}

} // namespace cellvex
