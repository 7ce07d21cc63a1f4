#pragma once

#include "cells/CellCapacity.h"

#include <QtGlobal>

#include <cstdint>

namespace cellvex {

// Bounds a stored report must stay within before anything is built from it.
// A few kilobytes of packed text can inflate to gigabytes or claim a grid of
// billions of cells; these limits turn such input into a clear error instead
// of exhausting memory. The text is read as a stream, so its total only
// bounds the time spent; what is held at once is one element. The cell count
// is the project's own limit (and the memory available is judged as well);
// the fuzzer uses small limits.
struct DocumentLimits
{
    qsizetype maxStoredBytes = qsizetype(1536) * 1024 * 1024;   // a file or string in stored form
    qsizetype maxTextBytes = qsizetype(8) * 1024 * 1024 * 1024; // the inflated document text
    qsizetype maxElementBytes = qsizetype(1024) * 1024 * 1024;  // one element of it
    qsizetype maxPictureBytes = qsizetype(256) * 1024 * 1024;   // one unpacked picture
    std::int64_t maxCells = kMaxReportCells;                    // columns x rows
};

} // namespace cellvex
