#pragma once

#include "document/XmlElement.h"

#include <string>
#include <vector>

namespace cellvex {

class Report;

// Fills the element of one cell with its attributes, in the order the
// document lists them, and its caption as text. Font values are turned into
// text once per font of the report, not once per cell.
class CellElementWriter
{
public:
    explicit CellElementWriter(const Report &report);

    // Throws ReportError naming the cell when one of its texts holds a
    // character a document cannot carry.
    void fill(XmlElement element, int col, int row);

private:
    struct FontTexts
    {
        std::string name;
        std::string style;
        std::int64_t size = 0;
        std::int64_t color = 0;
    };
    const FontTexts &fontTexts(std::uint32_t fontId);
    void fillAttributes(XmlElement element, int col, int row);

    const Report &m_report;
    std::vector<FontTexts> m_fonts;
    std::vector<bool> m_fontReady;
};

} // namespace cellvex
