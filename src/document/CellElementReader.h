#pragma once

#include "cells/Cell.h"
#include "cells/FontTable.h"
#include "document/DocumentLimits.h"
#include "document/XmlAttributes.h"

#include <QString>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cellvex {

struct CellRecord;

// Turns one cell element into a cell: reads every attribute first, checking
// each value, and only then applies them in the order the document format
// prescribes (font and colours, borders, merge state, input attributes and
// caption, the kind with its widget, the picture, diagonal, scripts and
// append strings). Nothing of the element reaches the cell when a value is
// bad. Unknown attributes are ignored. The reader streams: the attributes
// arrive with the start of the element, the caption with its end.
//
// Most elements of a report say the same as many others apart from their
// geometry: when the parser tells that an element repeats the attributes of
// an earlier one after its geometry, the cell made then is copied.
class CellElementReader
{
public:
    CellElementReader(FontTable &fonts, const DocumentLimits &limits);
    ~CellElementReader();

    // The attributes that only place the element ("L", "T", "W", "H"): they
    // are checked to be numbers, the rulers give the geometry.
    static std::span<const std::string_view> geometryAttributes();

    // Reads the attributes. Failures throw ReportError naming the element as
    // `where` words it (called only then).
    void begin(XmlAttributeList attributes, const RepeatedAttributes &repeated,
               std::function<QString()> where);
    // Makes `cell` what begin() read, with the element's text as the caption,
    // at column `col` and row `row`.
    void end(const QString &caption, Cell &cell, int col, int row);

private:
    // A cell made from a tail of attributes, without caption: reused for
    // the elements that repeat the tail when its kind shows the caption as
    // plain text.
    struct Made
    {
        std::uint64_t tail = 0;
        int from = 0;
        bool reusable = false;
        Cell cell;
    };

    void checkGeometry(XmlAttributeList attributes, const class ValueReader &values) const;
    void readAll(XmlAttributeList attributes);
    void remember(const Cell &cell);

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
    std::vector<Made> m_made; // by the tail's identity, a few hundred of them
    RepeatedAttributes m_repeated;
    const Made *m_reuse = nullptr; // the cell to copy for the element begun
};

} // namespace cellvex
