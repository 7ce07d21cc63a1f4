#include "Cell.h"

#include "cells/CellCapacity.h"

namespace cellvex {

Cell::Cell(const Cell &o)
    : m_caption(o.m_caption), m_ext(o.m_ext ? std::make_unique<CellExtension>(*o.m_ext) : nullptr),
      m_formatType(o.m_formatType), m_flags(o.m_flags), m_kind(o.m_kind), m_alignment(o.m_alignment),
      m_vAlignment(o.m_vAlignment), m_sign(o.m_sign), m_diagonal(o.m_diagonal), m_fontId(o.m_fontId),
      m_backColor(o.m_backColor), m_tagX(o.m_tagX), m_tagY(o.m_tagY)
{
    for (int i = 0; i < 4; ++i)
        m_borders[i] = o.m_borders[i];
}

Cell &Cell::operator=(const Cell &o)
{
    if (this != &o) {
        Cell copy(o);
        *this = std::move(copy);
    }
    return *this;
}

CellExtension &Cell::extension()
{
    if (!m_ext)
        m_ext = std::make_unique<CellExtension>();
    return *m_ext;
}

void Cell::setExtString(QString CellExtension::*field, const QString &value)
{
    if (!m_ext && value.isEmpty())
        return;
    extension().*field = value;
}

void Cell::setScriptText(const QString &t)
{
    setExtString(&CellExtension::scriptText, t);
    m_flags =
        t.isEmpty() ? std::uint16_t(m_flags & ~kHaveScriptBit) : std::uint16_t(m_flags | kHaveScriptBit);
}

bool Cell::setBorders(int left, int top, int right, int bottom)
{
    const int values[4] = {left, top, right, bottom};
    bool changed = false;
    for (int i = 0; i < 4; ++i) {
        if (values[i] < 0 || values[i] == m_borders[i])
            continue;
        m_borders[i] = values[i];
        changed = true;
    }
    return changed;
}

void Cell::getBorders(int &left, int &top, int &right, int &bottom) const
{
    left = m_borders[0];
    top = m_borders[1];
    right = m_borders[2];
    bottom = m_borders[3];
}

bool Cell::setDiagonalType(int value)
{
    if (m_kind == CellKind::Chart)
        return false;
    removePictureLayer();
    if (value == 1 || value == 2 || value == 3) {
        m_diagonal = std::int8_t(value);
        setFlag(HaveImageFlag, true);
    } else {
        m_diagonal = 0;
    }
    return true;
}

void Cell::removePictureLayer()
{
    // The diagonal is drawn on the layer: keeping its code without the layer
    // would bring the lines back at the next repaint.
    m_diagonal = 0;
    setFlag(HaveImageFlag, false);
    setFlag(ImageStretchFlag, false);
    if (m_ext)
        m_ext->picture = QImage();
}

void Cell::setPicture(const QImage &image, bool stretch)
{
    // A picture takes over the layer a diagonal was drawn on.
    m_diagonal = 0;
    extension().picture = image;
    setFlag(HaveImageFlag, !image.isNull());
    setFlag(ImageStretchFlag, !image.isNull() && stretch);
}

CellChart &Cell::createChart()
{
    setFlag(HaveChartFlag, true);
    return extension().chart.create();
}

void Cell::dropChart()
{
    setFlag(HaveChartFlag, false);
    setFlag(HaveChartImageFlag, false);
    if (m_ext)
        m_ext->chart.reset();
}

void Cell::storeLayerImage(const QImage &image)
{
    m_diagonal = 0;
    extension().picture = image;
    setFlag(HaveImageFlag, true);
}

void Cell::setTextLength(int v)
{
    if (!m_ext && v == 0)
        return;
    extension().textLength = v;
}

void Cell::setCellNext(int px, int py)
{
    if (!m_ext && px == -1 && py == -1)
        return;
    extension().cellNextPX = px;
    extension().cellNextPY = py;
}

bool Cell::setAppendRange(int count)
{
    if (count < 0 || count > kMaxAppendRange)
        return false;
    if (!m_ext && count == 0)
        return true;
    QStringList &list = extension().appendStrings;
    while (list.size() > count)
        list.removeLast();
    while (list.size() < count)
        list.append(QString());
    return true;
}

bool Cell::setAppendString(int index, const QString &value)
{
    if (!m_ext || index < 0 || index >= m_ext->appendStrings.size())
        return false;
    m_ext->appendStrings[index] = value;
    return true;
}

QString Cell::appendString(int index) const
{
    if (!m_ext || index < 0 || index >= m_ext->appendStrings.size())
        return QString();
    return m_ext->appendStrings.at(index);
}

void Cell::setMerge(MergeSign sign, const BlockBounds &bounds)
{
    m_sign = sign;
    if (sign == MergeSign::None) {
        if (m_ext)
            m_ext->block = BlockBounds{};
        return;
    }
    extension().block = bounds;
}

} // namespace cellvex
