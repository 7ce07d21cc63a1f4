#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <functional>

namespace cellvex {

class Report;
struct PageSettings;

// The report document: the declaration naming "GBK", then the root
// "Cellvex" with "Page", "PoleX", "PoleY" and "Cell" (every cell, column by
// column), handed to `sink` as GBK text in pieces of about a megabyte, so
// that the whole text never exists at once. Throws ReportError naming the
// cell when a text holds a character no document can carry.
void writeReportDocument(const Report &report, const PageSettings &page,
                         const std::function<void(QByteArrayView gbk)> &sink);

// The stored form of the report: the document text in GBK, compressed as it
// is written, Base64 with every line break stored as "--". One line of
// printable ASCII, without header or final line break.
QByteArray storedReport(const Report &report, const PageSettings &page);

} // namespace cellvex
