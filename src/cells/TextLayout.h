#pragma once

#include "cells/CellTypes.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace cellvex {

// One line of a cell's caption with its place in cell coordinates.
struct TextLine
{
    QString text;
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    bool visible = false;
};

// Everything the layout needs to know about a cell.
struct TextLayoutInput
{
    QString caption;
    CellKind kind = CellKind::Text;
    bool multiLine = false;
    HAlign alignment = HAlign::Left;
    VAlign vAlignment = VAlign::Center;
    int width = 0;                                // cell width W
    int height = 0;                               // cell height H
    int left = 1, top = 1, right = 0, bottom = 0; // border widths L, T, R, B
};

// Measures a text in the cell's font: advance width and line height.
struct TextMeasure
{
    std::function<int(const QString &)> width;
    int lineHeight = 0;
};

// The caption broken into lines and placed in the cell. `lineValues` and
// `linePoints` list the visible lines top to bottom in line order; printing
// and export read them. A right-aligned drop-down cell stores its points
// where the lines would stand without the drop button.
struct TextLayout
{
    std::vector<TextLine> lines;
    QStringList lineValues;
    std::vector<QPoint> linePoints;
};

// Breaks the caption into lines: one line unless the cell wraps; wrapping
// moves characters one at a time and never splits a character.
std::vector<QString> buildTextLines(const TextLayoutInput &in, const TextMeasure &measure);

// Places the lines by the cell's alignments (a button centres both ways);
// lines that do not fit stay hidden, a centred caption shows its middle lines.
void placeTextLines(const TextLayoutInput &in, TextLayout &layout);

TextLayout layoutCellText(const TextLayoutInput &in, const TextMeasure &measure);

} // namespace cellvex
