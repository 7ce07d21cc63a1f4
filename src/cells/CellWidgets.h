#pragma once

#include "cells/Cell.h"

#include <QImage>
#include <QString>

#include <cstdint>

namespace cellvex {

// The widgets a cell can carry, as data: attaching one sets its flag and
// stores its texts; the cell surface draws it and mouse handling hit-tests it
// (WidgetGeometry.h). None of these raise events or touch the report's saved
// state; the report-level operations in CellKindOps.h do that.

// Attaches the drop button, or only replaces the item list when the cell has it.
void attachDropButton(Cell &cell, const QString &items);
// Removes the drop button; the item list stays stored, the button script goes.
void removeDropButton(Cell &cell);

// Attaches the button face with the name as caption, or updates name and
// action list of an existing face. A new face takes `faceFontId`, the cell's
// font at this moment, and the cell's picture layer is dropped.
void attachButtonFace(Cell &cell, const QString &name, const QString &script, std::uint32_t faceFontId);
// Removes the face and its action list; the caption (the former name) stays.
void removeButtonFace(Cell &cell);

// Attaches the check box with its label, or relabels an existing one. Its
// state is the caption ("1" checked), so it cannot disagree with it. A new
// check box drops the cell's picture layer.
void attachCheckBox(Cell &cell, const QString &label);
// Removes the check box and its label.
void removeCheckBox(Cell &cell);

// Removes the chart with its series and texts. Its background picture
// becomes the cell's picture again (stretched as the cell's stretch setting
// says); otherwise the picture layer, which held the snapshot, goes.
void removeChartWidget(Cell &cell);

// Shows a loaded picture. On a cell without a picture layer a null image
// creates an empty layer (a loader fills it with setCellBitmap); on a cell
// with a layer a null image changes nothing. The diagonal is always cleared.
void showCellPicture(Cell &cell, const QImage &image, bool stretch);
// Removes the picture layer with the picture or diagonal it shows.
void removeCellPicture(Cell &cell);

// Copies `image` into the picture layer, creating the layer when the cell has
// none; the stretch setting stays.
void setCellBitmap(Cell &cell, const QImage &image);
// A copy of the picture, null when the cell shows none.
QImage cellBitmap(const Cell &cell);

} // namespace cellvex
