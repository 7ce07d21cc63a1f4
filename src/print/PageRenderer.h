#pragma once

#include "print/PageComposition.h"
#include "print/PageText.h"

#include <QPoint>

#include <cstdint>

class QPainter;

namespace cellvex {

class Report;
class Pagination;
struct PageSettings;

// The device a page is drawn on: device pixels per page pixel, the vertical
// resolution fonts are sized for, and for a printer its unprintable border.
struct RenderTarget
{
    double scaleX = 1.0;
    double scaleY = 1.0;
    int targetDpiY = 96;
    bool forPrinter = false;
    QPoint physicalOffset; // device pixels; used only for a printer
    PageClock clock = PageClock::system();
};

// Draws pages of a report the way they are printed: backgrounds, pictures,
// check boxes, text lines and black border strips, without the screen's
// selection colours, diagonals or widgets. The same code serves the printer
// and the preview; they differ only in the target.
class PageRenderer
{
public:
    PageRenderer(const Report &report, const PageSettings &settings, const Pagination &pagination);

    // One area of cells; when pageHeight > 0 also the page header and footer
    // texts (expanded for the area's page number and count).
    void renderPageArea(QPainter &p, const PageArea &area, std::int64_t pageHeight,
                        const RenderTarget &target) const;
    // The page of column band c and row band r: header rows, body, footer rows.
    void drawPage(QPainter &p, int colBand, int rowBand, const RenderTarget &target) const;

private:
    const Report &m_report;
    const PageSettings &m_settings;
    const Pagination &m_pagination;
};

} // namespace cellvex
