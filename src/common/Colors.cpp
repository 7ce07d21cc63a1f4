#include "Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace cellvex {

bool isSystemColor(ColorRef c)
{
    return (c & 0xFF000000u) == 0x80000000u;
}

namespace {

QColor systemColor(int index)
{
    const QPalette pal = QGuiApplication::palette();
    switch (index) {
    case 0: // scroll bar
        return pal.color(QPalette::Button);
    case 1: // desktop
        return pal.color(QPalette::Dark);
    case 2:  // active caption
    case 13: // highlight
        return pal.color(QPalette::Highlight);
    case 14: // highlighted text
        return pal.color(QPalette::HighlightedText);
    case 3: // inactive caption
        return pal.color(QPalette::Inactive, QPalette::Highlight);
    case 4: // menu
    case 5: // window
        return pal.color(QPalette::Base);
    case 6:  // window frame
    case 21: // 3D dark shadow
        return pal.color(QPalette::Shadow);
    case 7: // menu text
    case 8: // window text
        return pal.color(QPalette::Text);
    case 9: // caption text
        return pal.color(QPalette::HighlightedText);
    case 15: // button face
        return pal.color(QPalette::Button);
    case 16: // button shadow
        return pal.color(QPalette::Mid);
    case 17: // grey text
        return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return pal.color(QPalette::ButtonText);
    case 20: // 3D highlight
        return pal.color(QPalette::Light);
    case 22: // 3D light
        return pal.color(QPalette::Midlight);
    case 23: // tooltip text
        return pal.color(QPalette::ToolTipText);
    case 24: // tooltip background
        return pal.color(QPalette::ToolTipBase);
    default:
        return pal.color(QPalette::Window);
    }
}

} // namespace

QColor toQColor(ColorRef c)
{
    if (isSystemColor(c))
        return systemColor(int(c & 0xFF));
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

ColorRef fromQColor(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return ColorRef(rgb.red()) | (ColorRef(rgb.green()) << 8) | (ColorRef(rgb.blue()) << 16);
}

} // namespace cellvex
