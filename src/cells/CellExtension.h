#pragma once

#include <QImage>
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

// Data most cells never use. A cell allocates it on the first write of any of
// these fields, which keeps a default cell small.
struct CellExtension
{
    QString dropText;
    QString checkText;
    QString formatText;
    QString imeName;
    QString aliasName;
    QString scriptType;
    QString scriptText;
    QString buttonScript;
    QString expressionText;
    QStringList appendStrings; // size is the append range
    BlockBounds block;
    std::int32_t cellNextPX = -1;
    std::int32_t cellNextPY = -1;
    std::int32_t textLength = 0;
    std::int32_t dragPointIndex = -1;
    std::int32_t dragSeriesIndex = -1;
    // Font of a button face, copied from the cell when the face was made:
    // later font changes of the cell do not reach an existing face.
    std::uint32_t faceFontId = 0;
    QImage picture;
    bool suppressNextDown = false;
};

} // namespace cellvex
