#include "PageExport.h"

#include "common/ReportError.h"
#include "print/PageRenderer.h"
#include "print/Pagination.h"
#include "report/PageSettings.h"
#include "report/PaperLength.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace cellvex {

namespace {

// Largest page image, in pixels per side: a page of absurd settings must
// fail with a message, not exhaust memory.
constexpr std::int64_t kMaxImageSide = 16384;

double millimetresOf(const PaperLength &length, int pixelsPerInch)
{
    if (const std::optional<double> mm = parseMillimetres(length.text); mm && *mm > 0)
        return *mm;
    return double(length.pixels) * 25.4 / pixelsPerInch;
}

} // namespace

void writePagesPdf(const Report &report, const PageSettings &settings, const Pagination &pagination,
                   QIODevice &device, const QString &title)
{
    if (pagination.pageCount() < 1)
        throw ReportError(QStringLiteral("报表没有可输出的页"));
    const double widthMm = millimetresOf(settings.width, settings.pixelsPerInch());
    const double heightMm = millimetresOf(settings.height, settings.pixelsPerInch());
    if (!(widthMm > 0 && heightMm > 0 && widthMm < 100000 && heightMm < 100000))
        throw ReportError(QStringLiteral("纸张尺寸无效"));

    QPdfWriter pdf(&device);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Cellvex"));
    pdf.setResolution(kPdfDpi);
    // The settings already hold width and height in the chosen orientation.
    const QPageLayout layout(
        QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF());
    if (!pdf.setPageLayout(layout))
        throw ReportError(QStringLiteral("纸张尺寸无效"));

    RenderTarget target;
    target.scaleX = target.scaleY = double(kPdfDpi) / settings.pixelsPerInch();
    target.targetDpiY = kPdfDpi;
    // Like paper: no minimum line width, and a PDF page has no unprintable border.
    target.forPrinter = true;

    QPainter painter;
    if (!painter.begin(&pdf))
        throw ReportError(QStringLiteral("无法创建 PDF 文档"));
    const PageRenderer renderer(report, settings, pagination);
    for (std::int64_t page = 1; page <= pagination.pageCount(); ++page) {
        int colBand = 0, rowBand = 0;
        pagination.bandsOfPage(page, colBand, rowBand);
        if (page > 1 && !pdf.newPage()) {
            painter.end();
            throw ReportError(QStringLiteral("无法创建 PDF 文档的第 %1 页").arg(page));
        }
        renderer.drawPage(painter, colBand, rowBand, target);
    }
    if (!painter.end())
        throw ReportError(QStringLiteral("无法写入 PDF 文档"));
}

QImage pageImage(const Report &report, const PageSettings &settings, const Pagination &pagination,
                 std::int64_t pageNumber)
{
    int colBand = 0, rowBand = 0;
    if (!pagination.bandsOfPage(pageNumber, colBand, rowBand))
        throw ReportError(QStringLiteral("没有第 %1 页").arg(pageNumber));
    const std::int64_t w = settings.width.pixels, h = settings.height.pixels;
    if (w < 1 || h < 1 || w > kMaxImageSide || h > kMaxImageSide)
        throw ReportError(QStringLiteral("纸张尺寸无效"));
    QImage image(int(w), int(h), QImage::Format_RGB32);
    if (image.isNull())
        throw ReportError(QStringLiteral("内存不足，无法生成页面图像"));
    image.fill(Qt::white);
    RenderTarget target; // the preview at 100 %: one device pixel per page pixel
    target.targetDpiY = settings.pixelsPerInch();
    QPainter painter(&image);
    PageRenderer(report, settings, pagination).drawPage(painter, colBand, rowBand, target);
    painter.end();
    return image;
}

} // namespace cellvex
