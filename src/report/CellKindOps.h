#pragma once

#include "cells/Cell.h"
#include "report/Report.h"

#include <QString>

namespace cellvex {

// Kind-setting operations of the report, 0-based. Each acts only on a cell
// inside the grid that no merged block covers, and then marks the report
// changed; otherwise it does nothing and returns false. Callers finish any
// in-place input first, and refresh the in-place editor afterwards when the
// cell is the input cell.

// The shared part of every kind change: drops the widget of the present kind
// (unless it is `to`), stores `to`, clears the caption through the report's
// caption setter (raising the changing and changed hooks with an empty value)
// and marks the report changed. Returns the cell for the caller to attach
// the new kind's widget, or nullptr when nothing was done or the hooks
// rebuilt the report.
Cell *changeCellKind(Report &report, int col, int row, CellKind to);

// Text cell with an input length limit in bytes; a negative limit is 0 (none).
bool setTextCell(Report &report, int col, int row, int textLength);
// Drop-down cell with its item list (one item per line).
bool setDropCell(Report &report, int col, int row, const QString &listText);
bool setDateTimeCell(Report &report, int col, int row);
// Check box cell with its label; it always starts unchecked (caption "0").
bool setCheckCell(Report &report, int col, int row, const QString &checkText);
// Button cell: the name becomes the caption without caption events, the
// script its action list. A second call updates both on the same face.
bool setButtonCell(Report &report, int col, int row, const QString &name, const QString &script);

// Getters; outside the grid they return the empty value given.
int cellType(const Report &report, int col, int row);           // -1
int cellTextLength(const Report &report, int col, int row);     // 0; 0 for non-text kinds
QString cellDropText(const Report &report, int col, int row);   // empty for other kinds
QString cellCheckText(const Report &report, int col, int row);  // whatever the kind
QString cellButtonText(const Report &report, int col, int row); // action list of a button cell

// Shows the picture of a file on a text, drop-down or date cell, or removes
// the picture (and a diagonal) when the file name is empty. A file name that
// names no existing file, a covered cell and check box or button cells are
// left alone. Throws ReportError, changing nothing, when the file is not a
// readable picture.
bool setCellPicture(Report &report, int col, int row, const QString &fileName, bool stretch);
// The same on the first cell, columns first, that carries the alias.
bool setCellPictureByAlias(Report &report, const QString &alias, const QString &fileName, bool stretch);

} // namespace cellvex
