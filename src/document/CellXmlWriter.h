#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace cellvex {

class Report;

// How "CellXML" addresses its cells.
enum class CellXmlAddressing { Position = 0, Alias = 1 };

// The "CellXML" text of the report's values: one "Cell" per exported cell in
// column order, by position (type 0) or by alias (type 1); any other type
// gives the empty root. The declaration names `encoding` (trimmed; "GBK"
// when empty); characters it cannot hold are written as character
// references. The text is trimmed of leading and trailing blanks and line
// breaks. Throws ReportError for an encoding the system cannot encode with
// and for a text XML cannot carry.
QString exportCellXml(const Report &report, int type, const QString &encoding);

// A packed picture in the stored form "CellXML" uses: its line breaks as "--".
QByteArray cellXmlPicture(const QImage &image);

} // namespace cellvex
