#pragma once

#include <QRect>
#include <QString>

namespace cellvex {

class Report;

// The two shapes of "ClipbrdXML" for a block of cells (0-based, inclusive
// bounds inside the grid): the full shape with every property of every
// cell, or the content shape with captions, series and pictures only.
enum class ClipboardShape { Full, Content };

// The XML text of the block, declaration ("GBK") first, lines ended by CR
// LF. Throws ReportError when a text of a cell cannot be carried by XML.
QString clipboardXml(const Report &report, const QRect &block, ClipboardShape shape);

} // namespace cellvex
