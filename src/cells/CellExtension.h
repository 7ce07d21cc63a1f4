#pragma once

#include "cells/CellChart.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace cellvex {

// Merged block bounds, 0-based and inclusive.
struct BlockBounds
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// Title and axis texts of a chart cell, exactly as last given to the chart.
struct ChartInfo
{
    QString titleText;
    QString horizontalText;
    QString verticalText;
};

// One entry of a chart cell's series list: its type with the sign text
// (count and style) and the data text it was given. A two-series type is
// followed by a companion entry of type 0 with empty texts.
struct ChartSeriesInfo
{
    std::int32_t seriesType = 0;
    QString signText;
    QString dataText;
};

// Data most cells never use. A cell allocates it on the first write of any of
// these fields, which keeps a default cell small.
struct CellExtension
{
    // Every value assignment reads these two: they lead, so that one cache
    // line usually holds both.
    QString formatText;
    std::int32_t textLength = 0;
    // Font of a button face, copied from the cell when the face was made:
    // later font changes of the cell do not reach an existing face.
    std::uint32_t faceFontId = 0;
    QString dropText;
    QString checkText;
    QString imeName;
    QString aliasName;
    QString scriptType;
    // Written only through Cell::setScriptText, which keeps the cell's
    // hasScript() in step with it.
    QString scriptText;
    QString buttonScript;
    QString expressionText;
    QStringList appendStrings; // size is the append range
    BlockBounds block;
    std::int32_t cellNextPX = -1;
    std::int32_t cellNextPY = -1;
    // The picture layer: the cell's picture, or a chart cell's snapshot.
    QImage picture;
    ChartInfo chartInfo;
    QList<ChartSeriesInfo> seriesInfo;
    OwnedChart chart;
};

} // namespace cellvex
