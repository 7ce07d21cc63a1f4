#pragma once

#include "SheetCell.h"

#include <QByteArray>

#include <vector>

namespace cellvex::xlsx {

// The cell formats of a workbook's style part, resolved to what a cell
// shows: colours as RGB (theme and palette colours included), border line
// styles, alignment, wrapping, protection, and whether the number format
// shows a date.
class XlsxStyles
{
public:
    struct Format
    {
        SheetStyle style;
        bool date = false;
    };

    // Both parts may be empty (a workbook without styles or theme). Throws
    // ReportError when the style part is not XML.
    XlsxStyles(const QByteArray &stylesXml, const QByteArray &themeXml);

    // The format of a cell's style index; the first one for an unknown index.
    const Format &format(unsigned index) const;

private:
    std::vector<Format> m_formats;
    Format m_default;
};

// The palette of indexed colours a workbook may name (0-65).
Rgb indexedColor(unsigned index);
// A colour lightened (tint > 0) or darkened (tint < 0) as workbooks tint.
Rgb tintedColor(Rgb rgb, double tint);
// True for a number format code that shows a date or time.
bool isDateFormatCode(const QString &code);

} // namespace cellvex::xlsx
