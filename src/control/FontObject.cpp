#include "FontObject.h"

namespace cellvex {

void FontObject::changed()
{
    emit fontChanged(m_font);
}

void FontObject::setName(const QString &v)
{
    m_font.setFamily(v);
    changed();
}

void FontObject::setSize(double v)
{
    if (v > 0 && v < 10000)
        m_font.setPointSizeF(v);
    changed();
}

void FontObject::setBold(bool v)
{
    m_font.setBold(v);
    changed();
}

void FontObject::setItalic(bool v)
{
    m_font.setItalic(v);
    changed();
}

void FontObject::setUnderline(bool v)
{
    m_font.setUnderline(v);
    changed();
}

void FontObject::setStrikethrough(bool v)
{
    m_font.setStrikeOut(v);
    changed();
}

void FontObject::setWeight(int v)
{
    m_font.setBold(v >= 600);
    changed();
}

void FontObject::copyFrom(const FontObject &other)
{
    m_font = other.m_font;
    m_charset = other.m_charset;
    changed();
}

} // namespace cellvex
