#include "WidgetGeometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace cellvex {

namespace {

int clampToInt(std::int64_t v)
{
    return int(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// A rectangle from 64-bit sums; a negative extent means the widget has no room.
QRect rectOf(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h)
{
    if (w <= 0 || h <= 0)
        return QRect();
    return QRect(clampToInt(x), clampToInt(y), clampToInt(w), clampToInt(h));
}

} // namespace

CellFrame cellFrame(const Cell &cell, int width, int height)
{
    CellFrame f;
    f.width = width;
    f.height = height;
    cell.getBorders(f.left, f.top, f.right, f.bottom);
    return f;
}

QRect checkBoxRect(const CellFrame &f)
{
    const std::int64_t w = std::int64_t(f.width) - f.left - f.right;
    const std::int64_t h = std::int64_t(f.height) - f.top - f.bottom;
    return rectOf(f.left, f.top, w, h);
}

QRect checkGlyphRect(const CellFrame &f)
{
    const QRect area = checkBoxRect(f);
    if (area.isEmpty())
        return QRect();
    const int y = area.top() + (area.height() - kCheckGlyphSize) / 2;
    return QRect(area.left(), y, kCheckGlyphSize, kCheckGlyphSize);
}

QRect dropButtonRect(const CellFrame &f)
{
    const std::int64_t x = std::int64_t(f.width) - f.right - kDropButtonWidth;
    const std::int64_t h = std::int64_t(f.height) - f.top - f.bottom;
    return rectOf(x, f.top, kDropButtonWidth, h);
}

QRect dropArrowImageRect(const CellFrame &f)
{
    const QRect button = dropButtonRect(f);
    if (button.isEmpty())
        return QRect();
    return rectOf(std::int64_t(button.left()) + 1, std::int64_t(button.top()) + 1, button.width() - 2,
                  std::int64_t(button.height()) - 2);
}

std::vector<QRect> dropArrowRows(const CellFrame &f)
{
    std::vector<QRect> rows;
    const QRect image = dropArrowImageRect(f);
    if (image.isEmpty())
        return rows;
    // Row i runs from x = 3 + i up to, not including, x = 10 - i of the image,
    // starting two rows above its middle: a 7-5-3-1 downward triangle.
    const int h = image.height();
    for (int i = 0; i < 4; ++i) {
        const QRect row(image.left() + 3 + i, image.top() + h / 2 - 2 + i, 7 - 2 * i, 1);
        const QRect visible = row.intersected(image);
        if (!visible.isEmpty())
            rows.push_back(visible);
    }
    return rows;
}

QRect buttonFaceRect(const CellFrame &f)
{
    return rectOf(0, 0, f.width, f.height);
}

CellWidgetPart widgetAt(const Cell &cell, const CellFrame &f, QPoint p)
{
    if (cell.haveCheckBox())
        return checkBoxRect(f).contains(p) ? CellWidgetPart::CheckBox : CellWidgetPart::None;
    if (!cell.haveWidgetPanel())
        return CellWidgetPart::None;
    switch (cell.kind()) {
    case CellKind::DropDown:
        return dropArrowImageRect(f).contains(p) ? CellWidgetPart::DropButton : CellWidgetPart::None;
    case CellKind::Button:
        return buttonFaceRect(f).contains(p) ? CellWidgetPart::ButtonFace : CellWidgetPart::None;
    default:
        return CellWidgetPart::None;
    }
}

} // namespace cellvex
