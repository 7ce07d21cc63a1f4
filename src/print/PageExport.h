#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

class QIODevice;

namespace cellvex {

class Report;
class Pagination;
struct PageSettings;

// The printed pages without a printer: the same page drawing as printing
// and the preview, into a PDF document or into images.

// The resolution PDF pages are drawn at; text stays vector, the value only
// fixes how finely positions are rounded.
constexpr int kPdfDpi = 600;

// Writes every page, in page-number order, as one PDF document onto
// `device` (open for writing); each page has the paper size and orientation
// of the page settings. Throws ReportError when there is no page or the
// document cannot be written.
void writePagesPdf(const Report &report, const PageSettings &settings, const Pagination &pagination,
                   QIODevice &device, const QString &title);

// Page `pageNumber` (1-based) as an image of the paper at the screen's
// resolution, one image pixel per page pixel, white where nothing is drawn.
// Throws ReportError for a page outside the pagination or too large an image.
QImage pageImage(const Report &report, const PageSettings &settings, const Pagination &pagination,
                 std::int64_t pageNumber);

} // namespace cellvex
