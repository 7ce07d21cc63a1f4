#pragma once

#include "document/ClipboardBlock.h"

#include <QString>

namespace cellvex {

class FontTable;

// The prefix a clipboard text of each shape begins with.
QLatin1String clipboardPrefix(ClipboardShape shape);

// The clipboard text of an XML text: the prefix, then the GBK text packed
// with its line breaks written as "--".
QString clipboardTextOf(const QString &xml, ClipboardShape shape);

// Reads a clipboard text of the shape, prefix included (the caller has
// checked it), completely: unpacking, parsing and every element's values.
// Fonts of a full-shape block are entered into `fonts` (which only grows).
// Throws ReportError with the reason for a text that cannot be unpacked or
// parsed, that breaks the limits or whose elements are not what the shape
// holds.
ClipboardBlock readClipboardText(const QString &text, ClipboardShape shape, FontTable &fonts,
                                 const ClipboardLimits &limits = {});

} // namespace cellvex
