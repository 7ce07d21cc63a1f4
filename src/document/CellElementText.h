#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cellvex {

class Report;

// Writes the element of one cell as a line of the document text, in the
// code page, straight from the cell: the same attributes in the same order
// and the same escaping as an element built as a tree and printed by the XML
// library, without the tree. Saving a report of a million cells builds no
// million scratch elements and converts no value twice.
class CellElementText
{
public:
    explicit CellElementText(const Report &report);

    // Appends the cell's element, indented by `indent` tabs and ended by
    // CR LF. Throws ReportError naming the cell when one of its texts holds
    // a character a document cannot carry.
    void append(std::string &out, int col, int row, int indent);

private:
    // ` FN="…" FS="…" FC="…" FT="…"` of a font of the report, made once.
    const std::string &fontAttributes(std::uint32_t fontId);
    void appendElement(std::string &out, int col, int row);

    const Report &m_report;
    std::vector<std::string> m_fonts;
    std::vector<bool> m_fontReady;
};

} // namespace cellvex
