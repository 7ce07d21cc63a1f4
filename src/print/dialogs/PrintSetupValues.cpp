#include "PrintSetupValues.h"

#include "report/PageSettings.h"

namespace cellvex {

void applyPrintSetup(PageSettings &settings, const PrintSetupValues &values)
{
    settings.copies = values.copies;
    settings.printerName = values.printerName;
    settings.landscape = values.landscape;
    if (values.paperName)
        settings.paperName = *values.paperName;
    settings.printBorders = values.printBorders;
    settings.printBackColor = values.printBackColor;
    settings.width.text = values.width;
    settings.height.text = values.height;
    settings.headerMargin.text = values.headerMargin;
    settings.footerMargin.text = values.footerMargin;
    settings.leftMargin.text = values.leftMargin;
    settings.topMargin.text = values.topMargin;
    settings.rightMargin.text = values.rightMargin;
    settings.bottomMargin.text = values.bottomMargin;
    settings.recomputePixels();
    if (values.fontName)
        settings.headerFooterFontName = *values.fontName;
    if (values.fontSize)
        settings.headerFooterFontSize = *values.fontSize;
    settings.headerContent = values.headerContent;
    settings.footerContent = values.footerContent;
}

} // namespace cellvex
