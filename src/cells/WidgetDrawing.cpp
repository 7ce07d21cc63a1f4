#include "WidgetDrawing.h"

#include <QPainter>

namespace cellvex {

namespace {

const QColor kBevelShadow(0x80, 0x80, 0x80);

// A pressed widget shows a lowered one-pixel bevel: shadow top and left,
// light bottom and right. A widget at rest is flat (no bevel).
void paintLoweredBevel(QPainter &p, const QRect &r)
{
    if (r.width() < 2 || r.height() < 2)
        return;
    p.fillRect(r.left(), r.top(), r.width(), 1, kBevelShadow);
    p.fillRect(r.left(), r.top(), 1, r.height(), kBevelShadow);
    p.fillRect(r.left(), r.bottom(), r.width(), 1, Qt::white);
    p.fillRect(r.right(), r.top(), 1, r.height(), Qt::white);
}

// The tick: seven columns of three pixels, falling then rising.
void paintCheckMark(QPainter &p, const QRect &glyph)
{
    static const int tops[7] = {5, 6, 7, 6, 5, 4, 3};
    for (int k = 0; k < 7; ++k)
        p.fillRect(glyph.left() + 3 + k, glyph.top() + tops[k], 1, 3, Qt::black);
}

void paintCheckBox(QPainter &p, const Cell &cell, const CellFrame &f, ColorRef background,
                   const FontTable &fonts)
{
    const QRect area = checkBoxRect(f);
    if (area.isEmpty())
        return;
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.fillRect(area, toQColor(background));

    // The glyph keeps its full size and is clipped by the area, as the label is.
    const QRect glyph = checkGlyphRect(f);
    p.fillRect(glyph, Qt::white);
    p.setPen(kBevelShadow);
    p.drawRect(glyph.adjusted(0, 0, -1, -1));
    if (cell.caption() == QLatin1String("1"))
        paintCheckMark(p, glyph);

    const QString label = cell.checkText();
    if (!label.isEmpty()) {
        const int x = glyph.right() + 1 + 4;
        p.setFont(fonts.font(cell.fontId()));
        p.setPen(toQColor(fonts.attributes(cell.fontId()).color));
        p.drawText(QRect(x, area.top(), area.right() + 1 - x, area.height()),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, label);
    }
    p.restore();
}

void paintDropButton(QPainter &p, const CellFrame &f, bool pressed)
{
    const QRect button = dropButtonRect(f);
    if (button.isEmpty())
        return;
    p.fillRect(button, toQColor(kButtonFace));
    for (const QRect &row : dropArrowRows(f))
        p.fillRect(row, Qt::black);
    if (pressed)
        paintLoweredBevel(p, button);
}

void paintButtonFace(QPainter &p, const Cell &cell, const CellFrame &f, const FontTable &fonts, bool pressed)
{
    const QRect face = buttonFaceRect(f);
    if (face.isEmpty())
        return;
    p.fillRect(face, toQColor(kButtonFace));
    if (!cell.caption().isEmpty()) {
        const std::uint32_t font = cell.faceFontId();
        p.setFont(fonts.font(font));
        p.setPen(toQColor(fonts.attributes(font).color));
        p.drawText(face, Qt::AlignCenter | Qt::TextSingleLine, cell.caption());
    }
    if (pressed)
        paintLoweredBevel(p, face);
}

} // namespace

void paintCellWidget(QPainter &p, const Cell &cell, const CellFrame &frame, ColorRef displayedColor,
                     const FontTable &fonts, bool pressed)
{
    if (cell.haveCheckBox()) {
        paintCheckBox(p, cell, frame, displayedColor, fonts);
        return;
    }
    if (!cell.haveWidgetPanel())
        return;
    if (cell.kind() == CellKind::DropDown)
        paintDropButton(p, frame, pressed);
    else if (cell.kind() == CellKind::Button)
        paintButtonFace(p, cell, frame, fonts, pressed);
}

QImage checkBoxImage(const Cell &cell, int width, int height, const FontTable &fonts)
{
    if (!cell.haveCheckBox())
        return QImage();
    const CellFrame f = cellFrame(cell, width, height);
    const QRect area = checkBoxRect(f);
    if (area.isEmpty())
        return QImage();
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(toQColor(cell.backColor()));
    QPainter p(&image);
    p.translate(-area.topLeft());
    paintCheckBox(p, cell, f, cell.backColor(), fonts);
    return image;
}

} // namespace cellvex
