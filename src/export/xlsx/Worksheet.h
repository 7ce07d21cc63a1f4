#pragma once

#include "SheetCell.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

namespace cellvex::xlsx {

// A rectangle of worksheet cells, 1-based and inclusive.
struct SheetRange
{
    int firstRow = 1;
    int firstCol = 1;
    int lastRow = 0;
    int lastCol = 0;

    bool contains(int row, int col) const
    {
        return row >= firstRow && row <= lastRow && col >= firstCol && col <= lastCol;
    }
    bool isEmpty() const { return lastRow < firstRow || lastCol < firstCol; }
    bool operator==(const SheetRange &) const = default;
};

// The page setup of a worksheet in the program's units: paper code,
// orientation 1 portrait / 2 landscape, margins in points.
struct SheetPageSetup
{
    int paperSize = 9;
    int orientation = 1;
    double leftMargin = 50.4; // 0.7 inch, the program's "normal" margins
    double rightMargin = 50.4;
    double topMargin = 54;
    double bottomMargin = 54;

    bool operator==(const SheetPageSetup &) const = default;
};

// A picture anchored with its top left corner at a cell, held as PNG bytes.
struct SheetPicture
{
    int row = 1;
    int col = 1;
    QByteArray png;
    double xScale = 1;
    double yScale = 1;
};

// One worksheet as the spreadsheet program's automation object shows it:
// cells by 1-based row and column (`cell`, the program's Cells.Item), column
// widths in characters of the standard font (`ColumnWidth`), row heights in
// points (`RowHeight`), merged areas, page setup and pasted pictures. The
// writer and reader of .xlsx files turn it into a file and back.
class Worksheet
{
public:
    // The program's largest sheet.
    static constexpr int kMaxRows = 1048576;
    static constexpr int kMaxCols = 16384;
    // What an unstyled sheet answers.
    static constexpr double kDefaultColumnWidth = 8.43;
    static constexpr double kDefaultRowHeight = 15;

    QString name = QStringLiteral("Sheet1");
    // The style of a cell the sheet does not hold (the workbook's first format).
    SheetStyle defaultStyle;

    // The cell, created with the default style when it was not there.
    SheetCell &cell(int row, int col);
    // The cell when the sheet holds it, else nullptr.
    const SheetCell *findCell(int row, int col) const;
    // The style a cell shows: its own, or the default one.
    const SheetStyle &style(int row, int col) const;
    const std::unordered_map<std::uint64_t, SheetCell> &cells() const { return m_cells; }
    static int rowOfKey(std::uint64_t key) { return int(key >> 32); }
    static int colOfKey(std::uint64_t key) { return int(key & 0xFFFFFFFFu); }
    void reserve(size_t cells) { m_cells.reserve(cells); }

    void setColumnWidth(int col, double width) { m_columnWidths[col] = width; }
    double columnWidth(int col) const;
    const std::map<int, double> &columnWidths() const { return m_columnWidths; }
    void setDefaultColumnWidth(double width) { m_defaultColumnWidth = width; }
    double defaultColumnWidth() const { return m_defaultColumnWidth; }

    void setRowHeight(int row, double points) { m_rowHeights[row] = points; }
    double rowHeight(int row) const;
    const std::map<int, double> &rowHeights() const { return m_rowHeights; }
    void setDefaultRowHeight(double points) { m_defaultRowHeight = points; }
    double defaultRowHeight() const { return m_defaultRowHeight; }

    // Range(...).Merge: areas must not overlap (the writer refuses that).
    void merge(const SheetRange &area) { m_merges.push_back(area); }
    const std::vector<SheetRange> &merges() const { return m_merges; }
    // The merged area holding the cell, or the cell alone (MergeArea).
    SheetRange mergeArea(int row, int col) const;

    SheetPageSetup &pageSetup() { return m_pageSetup; }
    const SheetPageSetup &pageSetup() const { return m_pageSetup; }

    // PasteSpecial of a picture at a cell.
    void pastePicture(SheetPicture picture) { m_pictures.push_back(std::move(picture)); }
    const std::vector<SheetPicture> &pictures() const { return m_pictures; }

    // The rows and columns holding cells or merged areas (UsedRange); empty
    // for an empty sheet.
    SheetRange usedRange() const;

private:
    static std::uint64_t key(int row, int col)
    {
        return (std::uint64_t(std::uint32_t(row)) << 32) | std::uint32_t(col);
    }

    std::unordered_map<std::uint64_t, SheetCell> m_cells;
    std::map<int, double> m_columnWidths;
    std::map<int, double> m_rowHeights;
    double m_defaultColumnWidth = kDefaultColumnWidth;
    double m_defaultRowHeight = kDefaultRowHeight;
    std::vector<SheetRange> m_merges;
    SheetPageSetup m_pageSetup;
    std::vector<SheetPicture> m_pictures;
};

} // namespace cellvex::xlsx
