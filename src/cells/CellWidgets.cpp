#include "CellWidgets.h"

#include "cells/ChartCell.h"

namespace cellvex {

void attachDropButton(Cell &cell, const QString &items)
{
    cell.setDropText(items);
    cell.setFlag(Cell::HaveWidgetPanelFlag, true);
}

void removeDropButton(Cell &cell)
{
    if (!cell.haveWidgetPanel())
        return;
    cell.setFlag(Cell::HaveWidgetPanelFlag, false);
    cell.setButtonScript(QString());
}

void attachButtonFace(Cell &cell, const QString &name, const QString &script, std::uint32_t faceFontId)
{
    cell.storeCaption(name);
    cell.setButtonScript(script);
    if (cell.haveWidgetPanel())
        return;
    cell.setFaceFontId(faceFontId);
    removeCellPicture(cell);
    cell.setFlag(Cell::HaveWidgetPanelFlag, true);
}

void removeButtonFace(Cell &cell)
{
    if (!cell.haveWidgetPanel())
        return;
    cell.setFlag(Cell::HaveWidgetPanelFlag, false);
    cell.setButtonScript(QString());
}

void attachCheckBox(Cell &cell, const QString &label)
{
    cell.setCheckText(label);
    if (cell.haveCheckBox())
        return;
    removeCellPicture(cell);
    cell.setFlag(Cell::HaveCheckBoxFlag, true);
}

void removeCheckBox(Cell &cell)
{
    cell.setFlag(Cell::HaveCheckBoxFlag, false);
    cell.setCheckText(QString());
}

void removeChartWidget(Cell &cell)
{
    if (!cell.haveChart())
        return;
    // The background goes back to the picture layer, which held the snapshot.
    const QImage background = chartBackground(cell);
    const bool stretch = cell.imageStretch();
    cell.dropChart();
    if (CellExtension *ext = cell.hasExtension() ? &cell.extension() : nullptr) {
        ext->chartInfo = ChartInfo();
        ext->seriesInfo.clear();
    }
    if (!background.isNull())
        cell.setPicture(background, stretch);
    else
        cell.removePictureLayer();
}

void showCellPicture(Cell &cell, const QImage &image, bool stretch)
{
    if (!cell.haveImage()) {
        cell.setPicture(image, stretch);
        // An empty layer still exists: a loader puts the picture in later.
        cell.setFlag(Cell::HaveImageFlag, true);
        cell.setFlag(Cell::ImageStretchFlag, stretch);
        return;
    }
    if (image.isNull()) {
        // An existing layer keeps what it shows; only the diagonal code goes.
        if (cell.diagonalType() != 0) {
            cell.removePictureLayer();
            cell.setFlag(Cell::HaveImageFlag, true);
        }
        return;
    }
    cell.setPicture(image, stretch);
}

void removeCellPicture(Cell &cell)
{
    cell.removePictureLayer();
}

void setCellBitmap(Cell &cell, const QImage &image)
{
    const bool stretch = cell.imageStretch();
    cell.setPicture(image, stretch);
    cell.setFlag(Cell::HaveImageFlag, true);
    cell.setFlag(Cell::ImageStretchFlag, stretch);
}

QImage cellBitmap(const Cell &cell)
{
    const QImage *pic = cell.picture();
    return pic ? pic->copy() : QImage();
}

} // namespace cellvex
