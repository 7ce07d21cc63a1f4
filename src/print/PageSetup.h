#pragma once

#include "report/PageSettings.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace cellvex {

class Report;

// The page properties of the automation interface on one report's page
// settings. A put that is not accepted changes nothing and leaves Saved alone;
// an accepted put stores, re-paginates when the page area changed, and marks
// the report unsaved. Getters of millimetre lengths throw ReportError when the
// stored text is not a number (only a loaded document can hold one).
class PageSetup
{
public:
    // `repaginate` recomputes the page breaks (the control suspends painting
    // around it); `installedFonts` lists the screen fonts a header/footer font
    // name must be one of (defaults to the font database plus substituted names).
    PageSetup(Report &report, PageSettings &settings, std::function<void()> repaginate,
              std::function<QStringList()> installedFonts = {});

    bool printBorders() const { return m_settings.printBorders; }
    void setPrintBorders(bool on);
    bool printBackColor() const { return m_settings.printBackColor; }
    void setPrintBackColor(bool on);
    int printCopies() const { return m_settings.copies; }
    void setPrintCopies(int copies);
    bool printOrientation() const { return m_settings.landscape; }
    void setPrintOrientation(bool landscape);

    int pageName() const;
    void setPageName(int index);
    double printWidth() const;
    void setPrintWidth(double mm);
    double printHeight() const;
    void setPrintHeight(double mm);

    QString pageHeaderFooterFontName() const { return m_settings.headerFooterFontName; }
    void setPageHeaderFooterFontName(const QString &name);
    int pageHeaderFooterFontSize() const { return m_settings.headerFooterFontSize; }
    void setPageHeaderFooterFontSize(int points);
    QString pageHeaderContent() const { return m_settings.headerContent; }
    void setPageHeaderContent(const QString &text);
    QString pageFooterContent() const { return m_settings.footerContent; }
    void setPageFooterContent(const QString &text);

    double pageHeaderMargin() const;
    void setPageHeaderMargin(double mm);
    double pageFooterMargin() const;
    void setPageFooterMargin(double mm);
    double pageLeftMargin() const;
    void setPageLeftMargin(double mm);
    double pageTopMargin() const;
    void setPageTopMargin(double mm);
    double pageRightMargin() const;
    void setPageRightMargin(double mm);
    double pageBottomMargin() const;
    void setPageBottomMargin(double mm);

    // The screen fonts installed here, with the names mapped by substitution
    // (a report's "宋体" is served by a substitute on systems without it).
    static QStringList systemFonts();

private:
    void markUnsaved();
    void repaginate();
    // Stores a length put through the interface; false (nothing changed) for
    // a value that is not a finite number.
    bool storeLength(PaperLength &length, double mm);
    // New page breaks and an unsaved report, after a change of paper or cell area.
    void pagesChanged();
    // Stores a length that moves the page breaks.
    void setPageLength(PaperLength &length, double mm);
    // The paper width or height: only positive values, and only on the custom paper.
    void setCustomPaperLength(PaperLength &length, double mm);

    Report &m_report;
    PageSettings &m_settings;
    std::function<void()> m_repaginate;
    std::function<QStringList()> m_installedFonts;
};

// The value of a millimetre setting; throws ReportError when its text is not a number.
double millimetreValue(const PaperLength &length);

} // namespace cellvex
