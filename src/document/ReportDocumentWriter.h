#pragma once

#include <QByteArray>

namespace cellvex {

class Report;
class XmlTextWriter;
struct PageSettings;

// The report document: the declaration naming "GBK", then the root
// "Cellvex" with "Page", "PoleX", "PoleY" and "Cell" (every cell, column by
// column), written element by element through `out`. Throws ReportError
// naming the cell when a text holds a character no document can carry.
void writeReportDocument(const Report &report, const PageSettings &page, XmlTextWriter &out);

// The stored form of the report: the document text in GBK, compressed as it
// is written, Base64 with every line break stored as "--". One line of
// printable ASCII, without header or final line break.
QByteArray storedReport(const Report &report, const PageSettings &page);

} // namespace cellvex
