#pragma once

#include "cells/FontTable.h"
#include "document/DocumentLimits.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

namespace cellvex {

class Cell;
struct CellRecord;

// Turns one cell element into a cell: reads every attribute first, checking
// each value, and only then applies them in the order the document format
// prescribes (font and colours, borders, merge state, input attributes and
// caption, the kind with its widget, the picture, diagonal, scripts and
// append strings). Nothing of the element reaches the cell when a value is
// bad. Unknown attributes are ignored. The reader streams: the attributes
// arrive with the start of the element, the caption with its end.
class CellElementReader
{
public:
    CellElementReader(FontTable &fonts, const DocumentLimits &limits);
    ~CellElementReader();

    // Reads the attributes, given as name and value pairs ended by a null
    // name. Failures throw ReportError naming the element as `where` words
    // it (called only then).
    void begin(const char *const *attributes, std::function<QString()> where);
    // Applies what begin() read, with the element's text as the caption, to
    // `cell`, which must be a default cell.
    void end(const QString &caption, Cell &cell);

private:
    FontTable &m_fonts;
    const DocumentLimits &m_limits;
    std::unique_ptr<CellRecord> m_record;
    std::function<QString()> m_where;
    FontAttributes m_lastFont;
    std::uint32_t m_lastFontId = 0;
    bool m_hasLastFont = false;
    std::string m_fontNameUtf8; // the last "FN" value and its text
    QString m_fontName;
    bool m_hasFontName = false;
};

} // namespace cellvex
