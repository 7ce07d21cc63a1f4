#pragma once

#include "cells/CellMatrix.h"
#include "cells/FontTable.h"
#include "report/PageSettings.h"

#include <QString>

#include <vector>

namespace cellvex {

// Everything a stored report holds, read and checked but not yet applied.
// Opening reads into this first, so that any failure leaves the current
// report untouched; applying it then only moves data into the report.
struct LoadedReport
{
    explicit LoadedReport(int pixelsPerInch) : page(pixelsPerInch) {}

    PageSettings page; // pixel equivalents already at the screen's resolution
    int poleVisible = 1;
    int headerCount = 0;
    int footerCount = 0;
    QString initScriptType;
    QString initScriptText;
    std::vector<int> colRanges; // width of every column, pixels
    std::vector<int> rowRanges; // height of every row
    CellMatrix cells;           // colRanges.size() x rowRanges.size()
    FontTable fonts;            // the fonts the cells' font ids name
};

} // namespace cellvex
