#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace cellvex {

// One series of a chart cell as a text carries it.
struct CellXmlSeries
{
    std::int32_t type = 0;
    QString signText;
    QString dataText;
};

// One "Cell" element of a "CellXML" text, read and checked before any cell
// is touched. A value that could not be read ends the element there: the
// parts after it are absent (`complete` false), the parts before it stay.
struct CellXmlEntry
{
    int col = -1; // 0-based; -1 when the element has no usable position
    int row = -1;
    QString alias;
    QString caption;
    std::optional<std::vector<CellXmlSeries>> series;
    QImage chartImage;
    std::optional<QImage> image;
};

// A whole "CellXML" text: how it addresses cells (decided once, from its
// first element) and its elements in document order.
struct CellXmlContent
{
    enum class Addressing { None, Position, Alias };
    Addressing addressing = Addressing::None;
    std::vector<CellXmlEntry> entries;
};

} // namespace cellvex
