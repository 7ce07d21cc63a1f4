#pragma once

#include "cells/Cell.h"
#include "document/CellXmlContent.h"
#include "document/ClipboardXmlWriter.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

namespace cellvex {

// Bounds a clipboard text must stay within before anything is built from
// it: the text comes from any program, and a few kilobytes of packed text
// can inflate to gigabytes or claim a block of billions of cells.
struct ClipboardLimits
{
    qsizetype maxStoredChars = qsizetype(512) * 1024 * 1024;  // the clipboard text
    qsizetype maxXmlBytes = qsizetype(1024) * 1024 * 1024;    // the unpacked XML text
    qsizetype maxPictureBytes = qsizetype(256) * 1024 * 1024; // one unpacked picture
    std::int64_t maxBlockCells = 4'000'000;                   // columns x rows of the block
};

// One cell of a full-shape block, built and checked before the paste
// touches the report: a default cell with the element's properties, merge
// state left plain (the block's merges are listed apart).
struct ClipboardCell
{
    int col = 0; // offset in the block
    int row = 0;
    Cell cell;
};

// One cell of a content-shape block.
struct ClipboardContent
{
    int col = 0;
    int row = 0;
    QString caption;
    std::optional<std::vector<CellXmlSeries>> series;
    QImage chartImage;
    std::optional<QImage> backImage;
};

// A clipboard text read completely. Offsets outside the block are left
// out; merged blocks are clipped to the block, and one overlapping a block
// listed before it is left out, so the merges never cross each other.
struct ClipboardBlock
{
    ClipboardShape shape = ClipboardShape::Full;
    int cols = 0;
    int rows = 0;
    std::vector<ClipboardCell> cells;
    std::vector<ClipboardContent> contents;
    std::vector<QRect> merges; // in block offsets
};

} // namespace cellvex
