#pragma once

#include "cells/CellExtension.h"
#include "cells/FontTable.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

namespace cellvex {

class Cell;

// Everything one element says about its cell, checked, before any of it is
// applied. Absent attributes keep the values of a new cell. Enumerations are
// held as their stored codes so that one attribute table reaches every field.
struct CellRecord
{
    FontAttributes font = FontTable::defaultAttributes();
    ColorRef backColor = 0xFFFFFF;
    std::int32_t alignment = 0;  // HAlign::Left
    std::int32_t vAlignment = 1; // VAlign::Center
    bool readOnly = false;
    std::int32_t borders[4] = {-1, -1, -1, -1}; // -1 keeps the new cell's width
    std::int32_t sign = 0;                      // MergeSign::None
    BlockBounds bounds;
    bool multiLine = false;
    std::int32_t formatType = 0;
    QString formatText;
    std::int32_t textLength = 0;
    QString imeName;
    QString aliasName;
    std::int32_t nextX = -1;
    std::int32_t nextY = -1;
    bool printHide = false;
    std::int32_t kind = 1; // CellKind::Text
    QString dropText;
    ChartInfo chart;
    std::int32_t seriesCount = 0;
    std::vector<std::pair<int, std::int32_t>> seriesTypes;
    std::vector<std::pair<int, QString>> signTexts;
    std::vector<std::pair<int, QString>> dataTexts;
    bool imageStretch = false;
    QByteArray chartImage; // packed, still undecoded
    QByteArray picture;
    QImage chartImageDecoded;
    QImage pictureDecoded;
    QString buttonScript;
    QString checkText;
    std::int32_t diagonal = 0;
    QString scriptType;
    QString scriptText;
    QString expressionText;
    std::int32_t appendRange = 0;
    std::vector<std::pair<int, QString>> appendStrings;
    QString caption;
};

// The fields of the record the attribute table reaches, as `cell` holds
// them; the rest (font, pictures, series, append strings, caption) the
// writer takes from the cell itself.
CellRecord tableFieldsOf(const Cell &cell);

} // namespace cellvex
