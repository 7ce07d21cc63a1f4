#pragma once

#include <QSize>
#include <QString>

#include <cstdint>

namespace cellvex {

// The numbers of the print preview window, kept apart from its widgets.
namespace preview {

constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 600;
constexpr int kDefaultZoom = 100;

// The zoom typed into the zoom edit once Enter applies it: nothing typed is
// 100 %, 0 is 1 %, anything above 600 % is 600 %.
int zoomFromEdit(const QString &text);

// The zoom that shows the whole page height in a box `boxHeight` pixels high
// (4 pixels of it are the box's frame), within 1 % .. 600 %.
int fitZoom(int boxHeight, std::int64_t pageHeightPx);

// The page image at a zoom: each side rounded (halves to even). Empty when
// the page has no area or the image would be too large to hold, as a page of
// several metres at 600 % would.
QSize pageImageSize(std::int64_t pageWidthPx, std::int64_t pageHeightPx, int zoom);

// The status bar text for a 0-based page of `pageCount`. Printing is always
// at physical size, so the print ratio is 100 % whatever the zoom.
QString statusText(std::int64_t page, std::int64_t pageCount, bool printerInstalled);

// How far the wheel moves the page: a notch of 120 is 20 pixels up.
inline int wheelScroll(int wheelDelta)
{
    return -wheelDelta / 6;
}

} // namespace preview
} // namespace cellvex
