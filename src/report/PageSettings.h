#pragma once

#include "report/PaperLength.h"

#include <QString>

namespace cellvex {

// The page settings one report carries: printer, paper, orientation, margins,
// copies, what is printed and the page header/footer. Plain data that the
// members, the dialogs and the document loader change; every millimetre length
// keeps its text and its pixel equivalent at `pixelsPerInch`.
struct PageSettings
{
    explicit PageSettings(int pixelsPerInch = 96);

    // Back to a new report's settings (A4 portrait, 20 mm margins, ...).
    void resetToDefaults();
    // Pixel equivalents from the texts, after texts were set directly (a
    // loaded document, a confirmed dialog) or the resolution changed.
    void recomputePixels();
    void setPixelsPerInch(int ppi);
    int pixelsPerInch() const { return m_pixelsPerInch; }

    // Exchanges width and height (texts and pixels) for the new orientation;
    // false when the report already has it.
    bool setLandscape(bool on);

    // Printable area in pixels between the margins (may be 0 or negative when
    // the margins are larger than the paper).
    std::int64_t printableWidthPx() const { return width.pixels - leftMargin.pixels - rightMargin.pixels; }
    std::int64_t printableHeightPx() const { return height.pixels - topMargin.pixels - bottomMargin.pixels; }

    QString printerName; // empty: the system's default printer
    QString paperName;
    PaperLength width;
    PaperLength height;
    bool landscape = false;
    PaperLength leftMargin;
    PaperLength rightMargin;
    PaperLength topMargin;
    PaperLength bottomMargin;
    PaperLength headerMargin;
    PaperLength footerMargin;
    bool printBorders = true;
    bool printBackColor = true;
    int copies = 1;
    QString headerFooterFontName;
    int headerFooterFontSize = 9;
    QString headerContent;
    QString footerContent;

    bool operator==(const PageSettings &) const = default;

private:
    int m_pixelsPerInch;
};

} // namespace cellvex
