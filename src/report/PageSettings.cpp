#include "PageSettings.h"

#include "common/Fonts.h"
#include "report/PaperTable.h"

#include <utility>

namespace cellvex {

PageSettings::PageSettings(int pixelsPerInch) : m_pixelsPerInch(pixelsPerInch > 0 ? pixelsPerInch : 96)
{
    resetToDefaults();
}

void PageSettings::resetToDefaults()
{
    const PaperType &a4 = PaperTable::entry(PaperTable::kA4);
    printerName.clear();
    paperName = a4.name;
    width.text = a4.width;
    height.text = a4.height;
    landscape = false;
    leftMargin.text = QStringLiteral("20.0");
    rightMargin.text = QStringLiteral("20.0");
    topMargin.text = QStringLiteral("20.0");
    bottomMargin.text = QStringLiteral("20.0");
    headerMargin.text = QStringLiteral("8.0");
    footerMargin.text = QStringLiteral("11.6");
    printBorders = true;
    printBackColor = true;
    copies = 1;
    headerFooterFontName = kDefaultFontName;
    headerFooterFontSize = 9;
    headerContent.clear();
    footerContent.clear();
    recomputePixels();
}

void PageSettings::recomputePixels()
{
    for (PaperLength *l : {&width, &height, &leftMargin, &rightMargin, &topMargin, &bottomMargin,
                           &headerMargin, &footerMargin})
        l->recompute(m_pixelsPerInch);
}

void PageSettings::setPixelsPerInch(int ppi)
{
    if (ppi <= 0 || ppi == m_pixelsPerInch)
        return;
    m_pixelsPerInch = ppi;
    recomputePixels();
}

bool PageSettings::setLandscape(bool on)
{
    if (on == landscape)
        return false;
    landscape = on;
    std::swap(width, height);
    return true;
}

} // namespace cellvex
