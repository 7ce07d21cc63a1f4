#include "HtmlCellStyle.h"

#include "cells/Cell.h"
#include "cells/FontTable.h"
#include "common/Colors.h"

namespace cellvex {

namespace {

constexpr ColorRef kWhite = 0xFFFFFF;

void appendBorder(QString &out, const char *side, int width)
{
    if (width <= 0)
        return;
    out += QStringLiteral("border-%1:%2px solid #000000;").arg(QLatin1String(side)).arg(width);
}

} // namespace

QString cssColor(unsigned colorRef)
{
    return toQColor(colorRef).name(QColor::HexRgb).toUpper();
}

QString cssString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '<':
            out += QStringLiteral("\\3c ");
            break;
        case '>':
            out += QStringLiteral("\\3e ");
            break;
        // Not needed inside a string, but a reader that does not tokenize
        // (a script splitting the rules) must not see a rule end there.
        case '{':
            out += QStringLiteral("\\7b ");
            break;
        case '}':
            out += QStringLiteral("\\7d ");
            break;
        case ';':
            out += QStringLiteral("\\3b ");
            break;
        default:
            if (ch.unicode() >= 0x20 && ch.unicode() != 0x7F)
                out += ch;
            break;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString htmlCellStyle(const Cell &cell, const FontTable &fonts, bool picture)
{
    QString out;
    // The grid draws borders as black strips inside the cell.
    appendBorder(out, "left", cell.borderLeft());
    appendBorder(out, "top", cell.borderTop());
    appendBorder(out, "right", cell.borderRight());
    appendBorder(out, "bottom", cell.borderBottom());
    if (picture) {
        // The picture fills the cell from its top-left corner; the colour
        // behind it does not show.
        out += QStringLiteral("padding:0;");
        return out;
    }
    if (cell.backColor() != kWhite)
        out += QStringLiteral("background-color:%1;").arg(cssColor(cell.backColor()));

    const FontAttributes &font = fonts.attributes(cell.fontId());
    // The stored family first, as the grid asks for it; the generic family
    // keeps the page readable where that font is not installed.
    if (!font.name.isEmpty())
        out += QStringLiteral("font-family:%1,sans-serif;").arg(cssString(font.name));
    else
        out += QStringLiteral("font-family:sans-serif;");
    out += QStringLiteral("font-size:%1pt;").arg(font.size);
    out += font.bold ? QStringLiteral("font-weight:bold;") : QStringLiteral("font-weight:normal;");
    out += font.italic ? QStringLiteral("font-style:italic;") : QStringLiteral("font-style:normal;");
    if (font.underline && font.strikeOut)
        out += QStringLiteral("text-decoration:underline line-through;");
    else if (font.underline)
        out += QStringLiteral("text-decoration:underline;");
    else if (font.strikeOut)
        out += QStringLiteral("text-decoration:line-through;");
    out += QStringLiteral("color:%1;").arg(cssColor(font.color));

    // A check box sits at the left, centred in height, whatever the cell's alignment.
    const bool checkBox = cell.kind() == CellKind::CheckBox;
    const HAlign h = checkBox ? HAlign::Left : cell.alignment();
    const VAlign v = checkBox ? VAlign::Center : cell.vAlignment();
    out += h == HAlign::Left     ? QStringLiteral("text-align:left;")
           : h == HAlign::Center ? QStringLiteral("text-align:center;")
                                 : QStringLiteral("text-align:right;");
    out += v == VAlign::Top      ? QStringLiteral("vertical-align:top;")
           : v == VAlign::Center ? QStringLiteral("vertical-align:middle;")
                                 : QStringLiteral("vertical-align:bottom;");
    return out;
}

} // namespace cellvex
