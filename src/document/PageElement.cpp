#include "PageElement.h"

#include "document/DocumentValues.h"
#include "report/Report.h"

namespace cellvex {

void writePageElement(XmlElement page, const Report &report, const PageSettings &s)
{
    page.setAttribute("PV", report.poleVisible());
    page.setAttributeUtf8("OT", s.landscape ? "0" : "1");
    page.setAttribute("PT", s.printerName);
    page.setAttribute("PN", s.paperName);
    page.setAttribute("PW", s.width.text);
    page.setAttribute("PH", s.height.text);
    page.setAttribute("LL", s.leftMargin.text);
    page.setAttribute("LR", s.rightMargin.text);
    page.setAttribute("LT", s.topMargin.text);
    page.setAttribute("LB", s.bottomMargin.text);
    page.setAttribute("LH", s.headerMargin.text);
    page.setAttribute("LF", s.footerMargin.text);
    page.setAttributeUtf8("PB", flagText(s.printBorders));
    page.setAttributeUtf8("PA", flagText(s.printBackColor));
    page.setAttribute("GN", s.headerFooterFontName);
    page.setAttribute("GS", s.headerFooterFontSize);
    page.setAttribute("GH", s.headerContent);
    page.setAttribute("GF", s.footerContent);
    page.setAttribute("PC", s.copies);
    page.setAttribute("PD", report.headerCount());
    page.setAttribute("PF", report.footerCount());
    page.setAttribute("IP", report.initialScriptType());
    page.setAttribute("IX", report.initialScriptText());
}

void readPageAttributes(XmlAttributeList attributes, LoadedReport &out)
{
    const ValueReader values(QStringLiteral(" Page 元素"));
    PageSettings &s = out.page;
    for (const XmlAttribute &a : attributes) {
        const std::string_view name = a.name;
        const std::string_view value = a.value;
        const QString text = values.text(name, value);
        if (name == "PV")
            out.poleVisible = values.int32("PV", value);
        else if (name == "OT")
            // Only 0 means landscape; the texts below are stored already turned.
            s.landscape = values.int32("OT", value) == 0;
        else if (name == "PT")
            s.printerName = text;
        else if (name == "PN")
            s.paperName = text;
        else if (name == "PW")
            s.width.text = text;
        else if (name == "PH")
            s.height.text = text;
        else if (name == "LL")
            s.leftMargin.text = text;
        else if (name == "LR")
            s.rightMargin.text = text;
        else if (name == "LT")
            s.topMargin.text = text;
        else if (name == "LB")
            s.bottomMargin.text = text;
        else if (name == "LH")
            s.headerMargin.text = text;
        else if (name == "LF")
            s.footerMargin.text = text;
        else if (name == "PB")
            s.printBorders = flagValue(value);
        else if (name == "PA")
            s.printBackColor = flagValue(value);
        else if (name == "GN")
            s.headerFooterFontName = text;
        else if (name == "GS")
            s.headerFooterFontSize = values.int32("GS", value);
        else if (name == "GH")
            s.headerContent = text;
        else if (name == "GF")
            s.footerContent = text;
        else if (name == "PC")
            s.copies = values.int32("PC", value);
        else if (name == "PD")
            out.headerCount = values.int32("PD", value);
        else if (name == "PF")
            out.footerCount = values.int32("PF", value);
        else if (name == "IP")
            out.initScriptType = text;
        else if (name == "IX")
            out.initScriptText = text;
    }
    // Pixels follow from the millimetre texts as if each had been assigned.
    s.recomputePixels();
}

} // namespace cellvex
