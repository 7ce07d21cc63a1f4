#include "PreviewRules.h"

#include "common/Rounding.h"

#include <algorithm>
#include <cmath>

namespace cellvex::preview {

namespace {

// Beyond this the image would take more than 256 MB; the page is not drawn.
constexpr std::int64_t kMaxImagePixels = std::int64_t(64) * 1024 * 1024;
// Painting coordinates are 32 bit with room for antialiasing arithmetic.
constexpr std::int64_t kMaxImageSide = 32767;

} // namespace

int zoomFromEdit(const QString &text)
{
    if (text.trimmed().isEmpty())
        return kDefaultZoom;
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok)
        return kDefaultZoom;
    return int(std::clamp<qlonglong>(v, kMinZoom, kMaxZoom));
}

int fitZoom(int boxHeight, std::int64_t pageHeightPx)
{
    if (pageHeightPx <= 0)
        return kMaxZoom;
    const double zoom = std::floor(double(boxHeight - 4) / double(pageHeightPx) * 100.0);
    return int(std::clamp(zoom, double(kMinZoom), double(kMaxZoom)));
}

QSize pageImageSize(std::int64_t pageWidthPx, std::int64_t pageHeightPx, int zoom)
{
    const std::int64_t w = roundHalfEven(double(pageWidthPx) * zoom / 100.0);
    const std::int64_t h = roundHalfEven(double(pageHeightPx) * zoom / 100.0);
    if (w <= 0 || h <= 0 || w > kMaxImageSide || h > kMaxImageSide || w * h > kMaxImagePixels)
        return QSize();
    return QSize(int(w), int(h));
}

QString statusText(std::int64_t page, std::int64_t pageCount, bool printerInstalled)
{
    return QStringLiteral("      第") + QString::number(page + 1) + QStringLiteral("页  共") +
           QString::number(pageCount) +
           (printerInstalled ? QStringLiteral("页    打印比例：100%")
                             : QStringLiteral("页    没有安装打印机"));
}

} // namespace cellvex::preview
