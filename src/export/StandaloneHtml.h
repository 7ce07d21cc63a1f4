#pragma once

#include "export/ExportRange.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace cellvex {

class Report;

// A picture the page refers to, to be written beside it as a PNG file.
struct HtmlPictureFile
{
    QString fileName; // in the page's folder; the page refers to it relatively
    QImage image;
};

// A standalone HTML5 page of the report or a range of it, for browsers:
// UTF-8 with its declaration, one table whose cells share CSS classes for
// their look (borders with widths, background, font, alignment), merged
// blocks as spans, hidden columns and rows left out, check boxes as
// disabled inputs and pictures as PNG files beside the page. All texts from
// the report are escaped. Unlike the TransHtml text it is meant to be
// opened on its own, not embedded.
struct StandaloneHtml
{
    QByteArray html;
    std::vector<HtmlPictureFile> pictures;
};

// `pictureStem` starts every picture's file name (followed by
// "_C<col>C<row>.png", 0-based, of the cell); `title` is the page title.
// A merged block cut by the range is written as the part inside it.
StandaloneHtml standaloneHtml(const Report &report, const ExportRange &range, const QString &title,
                              const QString &pictureStem);

// Writes the page as `fileName` and its pictures beside it, named after the
// page's base name. All files appear together or, when one cannot be
// written, none (ReportError with the reason); older files stay as they were.
void writeStandaloneHtml(const Report &report, const ExportRange &range, const QString &fileName);

} // namespace cellvex
