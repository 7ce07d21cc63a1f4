#pragma once

#include <QString>
#include <QStringList>

namespace cellvex {

class Cell;
class Report;
struct ReportRect;

// Writes one cell of the exported table as a "<Td>" element: its size (a
// master cell's that of its whole block, with the block's visible columns
// and rows as spans), alignment, borders, background, font and content. A
// cell that shows a picture gets an image whose bitmap file is written beside
// the HTML, named from the picture path and the cell's 0-based position.
class HtmlCellWriter
{
public:
    HtmlCellWriter(const Report &report, const QString &picturePath);

    // Appends the element of cell (col, row); throws ReportError when the
    // cell's picture file cannot be written.
    void write(QString &out, int col, int row) const;

    // The picture layer shows a picture: a diagonal drawn on the layer is not
    // exported, and an empty layer (nothing loaded into it) shows nothing.
    static bool showsPicture(const Cell &cell);

private:
    QStringList displayLines(const Cell &cell, const ReportRect &rect) const;
    void writeSpans(QString &out, const Cell &cell) const;
    void writeTextContent(QString &out, const Cell &cell, const QStringList &lines) const;
    void writePictureContent(QString &out, const Cell &cell, int col, int row, const ReportRect &rect) const;

    const Report &m_report;
    QString m_picturePath;
};

} // namespace cellvex
