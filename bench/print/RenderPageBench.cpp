// Drawing one A4 page full of text cells at a printer's 600 dpi: into an
// image (a raster target), and into the PDF engine a print job draws on, the
// cost of a sheet when printing without the spooler.
//
// Into the image, the text dominates: a 9 point font at 600 dpi is 75 pixels,
// above Qt's default glyph cache limit of 64 pixels. installFontSubstitutions
// (run by main, as by the control) raises the limit to 256; run with
// QT_MAX_CACHED_GLYPH_SIZE=64 to see the cost of glyphs filled as paths.
#include "print/PageRenderer.h"
#include "print/Pagination.h"
#include "report/PageSettings.h"
#include "report/Report.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

namespace {

// One A4 page of 80 x 19 pixel cells, each with a caption when `captions`.
void fillPage(cellvex::Report &report, bool captions)
{
    report.newReport(8, 51);
    if (!captions)
        return;
    for (int c = 0; c < report.colCount(); ++c)
        for (int r = 0; r < report.rowCount(); ++r)
            report.setCellCaption(c, r, QStringLiteral("单元%1,%2").arg(c).arg(r));
}

cellvex::RenderTarget printerAt(int dpi, const cellvex::PageSettings &settings)
{
    cellvex::RenderTarget target;
    target.scaleX = target.scaleY = double(dpi) / settings.pixelsPerInch();
    target.targetDpiY = dpi;
    target.forPrinter = true;
    return target;
}

// Argument: 1 with a caption in every cell, 0 with borders only (what the
// text costs).
void BM_RenderA4Page600Dpi(benchmark::State &state)
{
    cellvex::Report report;
    fillPage(report, state.range(0) != 0);
    const cellvex::PageSettings settings(96);
    cellvex::Pagination pagination;
    pagination.paginate(report, settings);
    if (pagination.pageCount() != 1) {
        state.SkipWithError("the report is not one page");
        return;
    }
    const cellvex::RenderTarget target = printerAt(600, settings);
    const cellvex::PageRenderer renderer(report, settings, pagination);
    // A4 at 600 dpi: 4961 x 7016 pixels.
    QImage sheet(4961, 7016, QImage::Format_RGB32);
    for (auto _ : state) {
        state.PauseTiming();
        sheet.fill(Qt::white);
        state.ResumeTiming();
        QPainter p(&sheet);
        renderer.drawPage(p, 0, 0, target);
        p.end();
        benchmark::DoNotOptimize(sheet.constBits());
    }
    state.counters["cells"] = double(report.colCount()) * report.rowCount();
}

// The same page into a PDF document in memory, as the print job draws it.
void BM_RenderA4Page600DpiPdf(benchmark::State &state)
{
    cellvex::Report report;
    fillPage(report, true);
    const cellvex::PageSettings settings(96);
    cellvex::Pagination pagination;
    pagination.paginate(report, settings);
    const cellvex::RenderTarget target = printerAt(600, settings);
    const cellvex::PageRenderer renderer(report, settings, pagination);
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF());
        QPainter p(&pdf);
        renderer.drawPage(p, 0, 0, target);
        p.end();
        bytes = buffer.size();
    }
    state.counters["pdf_bytes"] = double(bytes);
}

} // namespace

BENCHMARK(BM_RenderA4Page600Dpi)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderA4Page600DpiPdf)->Unit(benchmark::kMillisecond);
