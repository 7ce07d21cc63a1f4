#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace cellvex::xlsx {

// Line styles of a cell border, in the order workbooks number them (the
// `style` names of a border side and libxlsxwriter's codes agree on it).
enum class BorderLine : std::uint8_t {
    None,
    Thin,
    Medium,
    Dashed,
    Dotted,
    Thick,
    Double,
    Hair,
    MediumDashed,
    DashDot,
    MediumDashDot,
    DashDotDot,
    MediumDashDotDot,
    SlantDashDot,
};

// The program's LineStyle of a border line: continuous 1, none -4142,
// dashed -4115, dotted -4118, double -4119, dash-dot 4, dash-dot-dot 5,
// slanted dash-dot 13. The weight (thin, medium, thick, hair) is apart.
constexpr int lineStyleCode(BorderLine line)
{
    switch (line) {
    case BorderLine::None:
        return -4142;
    case BorderLine::Thin:
    case BorderLine::Medium:
    case BorderLine::Thick:
    case BorderLine::Hair:
        return 1;
    case BorderLine::Dashed:
    case BorderLine::MediumDashed:
        return -4115;
    case BorderLine::Dotted:
        return -4118;
    case BorderLine::Double:
        return -4119;
    case BorderLine::DashDot:
    case BorderLine::MediumDashDot:
        return 4;
    case BorderLine::DashDotDot:
    case BorderLine::MediumDashDotDot:
        return 5;
    case BorderLine::SlantDashDot:
        return 13;
    }
    return -4142;
}

// The sides of `SheetCell::borders`, numbered as the spreadsheet program's
// `Borders(i)` collection numbers them, minus one.
enum BorderSide : int {
    SideLeft = 0,
    SideRight = 1,
    SideTop = 2,
    SideBottom = 3,
    SideDiagonalDown = 4, // top left to bottom right
    SideDiagonalUp = 5,   // bottom left to top right
    kSideCount = 6
};

enum class SheetHAlign : std::uint8_t { General, Left, Center, Right, Other };
enum class SheetVAlign : std::uint8_t { Bottom, Top, Center, Other };

// Colours are 0xRRGGBB, as workbooks store them.
using Rgb = std::uint32_t;

struct SheetFont
{
    QString name = QStringLiteral("Calibri");
    double size = 11;
    Rgb color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    bool operator==(const SheetFont &) const = default;
};

// Everything about a cell's look that a workbook keeps as its style.
struct SheetStyle
{
    SheetFont font;
    bool filled = false; // a solid fill of `interior`; without it the cell is white
    Rgb interior = 0xFFFFFF;
    SheetHAlign hAlign = SheetHAlign::General;
    SheetVAlign vAlign = SheetVAlign::Bottom;
    bool wrapText = false;
    bool locked = true;
    std::array<BorderLine, kSideCount> borders{};

    bool operator==(const SheetStyle &) const = default;
};

// One worksheet cell: its value as text and its style. A value that is a
// number is stored as one, so that the program sees a number.
struct SheetCell
{
    QString value;
    bool number = false;
    double numberValue = 0;
    SheetStyle style;
};

} // namespace cellvex::xlsx
