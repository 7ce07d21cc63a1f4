#include "PageSetup.h"

#include "report/PaperTable.h"
#include "report/Report.h"

#include <QFont>
#include <QFontDatabase>

#include <cmath>

namespace cellvex {

double millimetreValue(const PaperLength &length)
{
    const std::optional<double> v = parseMillimetres(length.text);
    if (!v)
        throw ReportError(QStringLiteral("“%1”不是有效的数值").arg(length.text));
    return *v;
}

PageSetup::PageSetup(Report &report, PageSettings &settings, std::function<void()> repaginate,
                     std::function<QStringList()> installedFonts)
    : m_report(report), m_settings(settings), m_repaginate(std::move(repaginate)),
      m_installedFonts(installedFonts ? std::move(installedFonts) : &PageSetup::systemFonts)
{
}

QStringList PageSetup::systemFonts()
{
    QStringList fonts = QFontDatabase::families();
    fonts += QFont::substitutions();
    return fonts;
}

void PageSetup::markUnsaved()
{
    m_report.setSaved(false);
}

void PageSetup::repaginate()
{
    if (m_repaginate)
        m_repaginate();
}

bool PageSetup::storeLength(PaperLength &length, double mm)
{
    if (!std::isfinite(mm))
        return false;
    length = PaperLength::fromMillimetres(mm, m_settings.pixelsPerInch());
    return true;
}

void PageSetup::pagesChanged()
{
    repaginate();
    markUnsaved();
}

void PageSetup::setPageLength(PaperLength &length, double mm)
{
    if (storeLength(length, mm))
        pagesChanged();
}

void PageSetup::setCustomPaperLength(PaperLength &length, double mm)
{
    // Only the custom paper takes a size of its own.
    if (mm > 0 && pageName() == PaperTable::kCustomPaper)
        setPageLength(length, mm);
}

void PageSetup::setPrintBorders(bool on)
{
    m_settings.printBorders = on;
    markUnsaved();
}

void PageSetup::setPrintBackColor(bool on)
{
    m_settings.printBackColor = on;
    markUnsaved();
}

void PageSetup::setPrintCopies(int copies)
{
    if (copies <= 0)
        return;
    m_settings.copies = copies;
    markUnsaved();
}

void PageSetup::setPrintOrientation(bool landscape)
{
    if (!m_settings.setLandscape(landscape))
        return;
    pagesChanged();
}

int PageSetup::pageName() const
{
    return PaperTable::indexOfName(m_settings.paperName);
}

void PageSetup::setPageName(int index)
{
    if (!PaperTable::hasName(index))
        return;
    const PaperType &paper = PaperTable::entry(index);
    m_settings.paperName = paper.name;
    if (index != PaperTable::kCustomPaper) {
        const int ppi = m_settings.pixelsPerInch();
        PaperLength w = PaperLength::fromText(paper.width, ppi);
        PaperLength h = PaperLength::fromText(paper.height, ppi);
        if (m_settings.landscape)
            std::swap(w, h);
        m_settings.width = w;
        m_settings.height = h;
    }
    pagesChanged();
}

double PageSetup::printWidth() const
{
    return millimetreValue(m_settings.width);
}

void PageSetup::setPrintWidth(double mm)
{
    setCustomPaperLength(m_settings.width, mm);
}

double PageSetup::printHeight() const
{
    return millimetreValue(m_settings.height);
}

void PageSetup::setPrintHeight(double mm)
{
    setCustomPaperLength(m_settings.height, mm);
}

void PageSetup::setPageHeaderFooterFontName(const QString &name)
{
    const QStringList fonts = m_installedFonts();
    if (!fonts.contains(name, Qt::CaseInsensitive))
        return;
    m_settings.headerFooterFontName = name;
    markUnsaved();
}

void PageSetup::setPageHeaderFooterFontSize(int points)
{
    if (points <= 0)
        return;
    m_settings.headerFooterFontSize = points;
    markUnsaved();
}

void PageSetup::setPageHeaderContent(const QString &text)
{
    m_settings.headerContent = text;
    markUnsaved();
}

void PageSetup::setPageFooterContent(const QString &text)
{
    m_settings.footerContent = text;
    markUnsaved();
}

double PageSetup::pageHeaderMargin() const
{
    return millimetreValue(m_settings.headerMargin);
}

void PageSetup::setPageHeaderMargin(double mm)
{
    // The header text sits outside the cell area: no new page breaks.
    if (storeLength(m_settings.headerMargin, mm))
        markUnsaved();
}

double PageSetup::pageFooterMargin() const
{
    return millimetreValue(m_settings.footerMargin);
}

void PageSetup::setPageFooterMargin(double mm)
{
    if (storeLength(m_settings.footerMargin, mm))
        markUnsaved();
}

double PageSetup::pageLeftMargin() const
{
    return millimetreValue(m_settings.leftMargin);
}

void PageSetup::setPageLeftMargin(double mm)
{
    setPageLength(m_settings.leftMargin, mm);
}

double PageSetup::pageTopMargin() const
{
    return millimetreValue(m_settings.topMargin);
}

void PageSetup::setPageTopMargin(double mm)
{
    setPageLength(m_settings.topMargin, mm);
}

double PageSetup::pageRightMargin() const
{
    return millimetreValue(m_settings.rightMargin);
}

void PageSetup::setPageRightMargin(double mm)
{
    setPageLength(m_settings.rightMargin, mm);
}

double PageSetup::pageBottomMargin() const
{
    return millimetreValue(m_settings.bottomMargin);
}

void PageSetup::setPageBottomMargin(double mm)
{
    setPageLength(m_settings.bottomMargin, mm);
}

} // namespace cellvex
