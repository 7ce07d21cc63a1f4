#include "print/PageSetup.h"
#include "report/PaperTable.h"
#include "report/Report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace cellvex;

namespace {

struct PageSetupFixture : ::testing::Test
{
    Report report;
    PageSettings settings{96};
    int paginations = 0;
    PageSetup members{report, settings, [this] { ++paginations; },
                      [] {
                          return QStringList{QStringLiteral("Arial"), QStringLiteral("宋体")};
                      }};
};

} // namespace

TEST_F(PageSetupFixture, NewSettingsReadAsANewControlShows)
{
    EXPECT_EQ(members.pageName(), 9);
    EXPECT_EQ(members.printWidth(), 210);
    EXPECT_EQ(members.printHeight(), 297);
    EXPECT_EQ(members.pageLeftMargin(), 20);
    EXPECT_EQ(members.pageRightMargin(), 20);
    EXPECT_EQ(members.pageTopMargin(), 20);
    EXPECT_EQ(members.pageBottomMargin(), 20);
    EXPECT_EQ(members.pageHeaderMargin(), 8);
    EXPECT_EQ(members.pageFooterMargin(), 11.6);
    EXPECT_EQ(members.printCopies(), 1);
    EXPECT_FALSE(members.printOrientation());
    EXPECT_TRUE(members.printBorders());
    EXPECT_TRUE(members.printBackColor());
    EXPECT_EQ(members.pageHeaderFooterFontSize(), 9);
    EXPECT_EQ(members.pageHeaderFooterFontName(), QStringLiteral("宋体"));
    EXPECT_TRUE(members.pageHeaderContent().isEmpty());
    EXPECT_TRUE(members.pageFooterContent().isEmpty());
    EXPECT_TRUE(settings.printerName.isEmpty());
    EXPECT_EQ(settings.leftMargin.text, QStringLiteral("20.0"));
    // Pixel equivalents at 96 pixels per inch.
    EXPECT_EQ(settings.width.pixels, 794);
    EXPECT_EQ(settings.height.pixels, 1123);
    EXPECT_EQ(settings.leftMargin.pixels, 76);
    EXPECT_EQ(settings.bottomMargin.pixels, 76);
    EXPECT_EQ(settings.headerMargin.pixels, 30);
    EXPECT_EQ(settings.footerMargin.pixels, 44);
}

TEST_F(PageSetupFixture, ResetRestoresEveryDefault)
{
    members.setPrintOrientation(true);
    members.setPageName(PaperTable::kCustomPaper);
    members.setPrintWidth(123);
    members.setPageLeftMargin(3);
    members.setPageFooterContent(QStringLiteral("页脚"));
    members.setPrintBorders(false);
    settings.printerName = QStringLiteral("PDF");
    settings.resetToDefaults();
    EXPECT_EQ(settings, PageSettings(96));
}

TEST_F(PageSetupFixture, OrientationSwapsWidthAndHeightOnlyOnAChange)
{
    members.setPrintOrientation(true);
    EXPECT_TRUE(members.printOrientation());
    EXPECT_EQ(members.printWidth(), 297);
    EXPECT_EQ(members.printHeight(), 210);
    EXPECT_EQ(settings.width.pixels, 1123);
    EXPECT_EQ(paginations, 1);
    EXPECT_FALSE(report.saved());

    report.setSaved(true);
    members.setPrintOrientation(true);
    EXPECT_EQ(members.printWidth(), 297);
    EXPECT_EQ(paginations, 1);
    EXPECT_TRUE(report.saved());
}

TEST_F(PageSetupFixture, ChoosingAPaperWhileLandscapeTurnsItsSize)
{
    members.setPrintOrientation(true);
    members.setPageName(8);
    EXPECT_EQ(members.pageName(), 8);
    EXPECT_EQ(members.printWidth(), 420);
    EXPECT_EQ(members.printHeight(), 297);
    EXPECT_EQ(settings.width.text, QStringLiteral("420.0")); // the table's text, verbatim
}

TEST_F(PageSetupFixture, CustomPaperKeepsTheSizeAndOnlyItTakesAWidthOrHeight)
{
    members.setPrintWidth(100);
    EXPECT_EQ(members.printWidth(), 210);
    EXPECT_TRUE(report.saved());

    members.setPageName(PaperTable::kCustomPaper);
    EXPECT_EQ(members.printWidth(), 210);
    const int before = paginations;
    members.setPrintWidth(100);
    members.setPrintHeight(150.5);
    EXPECT_EQ(members.printWidth(), 100);
    EXPECT_EQ(members.printHeight(), 150.5);
    EXPECT_EQ(settings.width.text, QStringLiteral("100"));
    EXPECT_EQ(settings.width.pixels, 378);
    EXPECT_EQ(paginations, before + 2);
}

TEST_F(PageSetupFixture, RefusedPutsChangeNothingAndLeaveSavedAlone)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<const char *, std::function<void()>> puts[] = {
        {"PageName 0", [&] { members.setPageName(0); }},
        {"PageName 42", [&] { members.setPageName(42); }},
        {"PageName 255", [&] { members.setPageName(255); }},
        {"PageName 257", [&] { members.setPageName(257); }},
        {"PageName -1", [&] { members.setPageName(-1); }},
        {"PrintWidth on A4", [&] { members.setPrintWidth(100); }},
        {"PrintHeight on A4", [&] { members.setPrintHeight(100); }},
        {"PrintCopies 0", [&] { members.setPrintCopies(0); }},
        {"PrintCopies -2", [&] { members.setPrintCopies(-2); }},
        {"font size -3", [&] { members.setPageHeaderFooterFontSize(-3); }},
        {"font size 0", [&] { members.setPageHeaderFooterFontSize(0); }},
        {"font not installed", [&] { members.setPageHeaderFooterFontName(QStringLiteral("NoSuchFont")); }},
        {"font empty", [&] { members.setPageHeaderFooterFontName(QString()); }},
        {"portrait again", [&] { members.setPrintOrientation(false); }},
        {"left margin NaN", [&] { members.setPageLeftMargin(nan); }},
        {"header margin inf", [&] { members.setPageHeaderMargin(inf); }},
        {"bottom margin -inf", [&] { members.setPageBottomMargin(-inf); }},
    };
    const PageSettings before = settings;
    for (const auto &[name, put] : puts) {
        put();
        EXPECT_EQ(settings, before) << name;
        EXPECT_TRUE(report.saved()) << name;
        EXPECT_EQ(paginations, 0) << name;
    }
}

TEST_F(PageSetupFixture, CustomPaperRefusesSizesThatAreNotPositive)
{
    members.setPageName(PaperTable::kCustomPaper);
    report.setSaved(true);
    const int before = paginations;
    for (double mm : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN()}) {
        members.setPrintWidth(mm);
        members.setPrintHeight(mm);
    }
    EXPECT_EQ(members.printWidth(), 210);
    EXPECT_EQ(members.printHeight(), 297);
    EXPECT_TRUE(report.saved());
    EXPECT_EQ(paginations, before);
}

TEST_F(PageSetupFixture, AcceptedPutsStoreMarkUnsavedAndRepaginateOnlyWhenTheCellAreaMoves)
{
    struct Case
    {
        const char *name;
        std::function<void()> put;
        std::function<bool()> stored;
        bool repaginates;
    };
    const Case cases[] = {
        {"PrintBorders", [&] { members.setPrintBorders(false); }, [&] { return !members.printBorders(); },
         false},
        {"PrintBackColor", [&] { members.setPrintBackColor(false); },
         [&] { return !members.printBackColor(); }, false},
        {"PrintCopies", [&] { members.setPrintCopies(3); }, [&] { return members.printCopies() == 3; },
         false},
        {"font name", [&] { members.setPageHeaderFooterFontName(QStringLiteral("arial")); },
         [&] { return members.pageHeaderFooterFontName() == QStringLiteral("arial"); }, false},
        {"font size", [&] { members.setPageHeaderFooterFontSize(12); },
         [&] { return members.pageHeaderFooterFontSize() == 12; }, false},
        {"header text", [&] { members.setPageHeaderContent(QStringLiteral("第@pno页")); },
         [&] { return members.pageHeaderContent() == QStringLiteral("第@pno页"); }, false},
        {"footer text", [&] { members.setPageFooterContent(QStringLiteral("@date")); },
         [&] { return members.pageFooterContent() == QStringLiteral("@date"); }, false},
        {"header margin", [&] { members.setPageHeaderMargin(10); },
         [&] { return members.pageHeaderMargin() == 10 && settings.headerMargin.pixels == 38; }, false},
        {"footer margin", [&] { members.setPageFooterMargin(0); },
         [&] { return members.pageFooterMargin() == 0 && settings.footerMargin.pixels == 0; }, false},
        {"left margin", [&] { members.setPageLeftMargin(25); },
         [&] { return settings.leftMargin.text == QStringLiteral("25") && settings.leftMargin.pixels == 94; },
         true},
        {"top margin", [&] { members.setPageTopMargin(12.5); },
         [&] { return settings.topMargin.text == QStringLiteral("12.5") && members.pageTopMargin() == 12.5; },
         true},
        {"right margin negative", [&] { members.setPageRightMargin(-4); },
         [&] { return members.pageRightMargin() == -4 && settings.rightMargin.pixels == -15; }, true},
        {"bottom margin beyond the paper", [&] { members.setPageBottomMargin(400); },
         [&] { return members.pageBottomMargin() == 400 && settings.bottomMargin.pixels == 1512; }, true},
        {"PageName", [&] { members.setPageName(11); }, [&] { return members.printWidth() == 148; }, true},
        {"landscape", [&] { members.setPrintOrientation(true); }, [&] { return members.printOrientation(); },
         true},
    };
    for (const Case &c : cases) {
        report.setSaved(true);
        const int before = paginations;
        c.put();
        EXPECT_TRUE(c.stored()) << c.name;
        EXPECT_FALSE(report.saved()) << c.name;
        EXPECT_EQ(paginations - before, c.repaginates ? 1 : 0) << c.name;
    }
}

TEST_F(PageSetupFixture, PutsThatKeepTheValueStillMarkUnsaved)
{
    // Flags and texts have no acceptance test: storing the same value is a change for Saved.
    members.setPrintBorders(true);
    EXPECT_FALSE(report.saved());
}

TEST_F(PageSetupFixture, LengthTextThatIsNoNumberFailsItsGetterAndStaysAsItIs)
{
    settings.leftMargin = PaperLength::fromText(QStringLiteral("abc"), 96);
    settings.width = PaperLength::fromText(QStringLiteral(""), 96);
    EXPECT_THROW(members.pageLeftMargin(), ReportError);
    EXPECT_THROW(members.printWidth(), ReportError);
    try {
        members.pageLeftMargin();
    } catch (const ReportError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("abc")));
    }
    EXPECT_EQ(settings.leftMargin.text, QStringLiteral("abc"));
    EXPECT_EQ(members.pageRightMargin(), 20); // the others still read
}

TEST_F(PageSetupFixture, UnknownStoredPaperNameReadsAsNoIndex)
{
    settings.paperName = QStringLiteral("A4 (stored by another program)");
    EXPECT_EQ(members.pageName(), -1);
    settings.paperName.clear();
    EXPECT_EQ(members.pageName(), 0);
}

TEST(PageSetupFonts, SystemFontListAcceptsTheSubstitutedReportFont)
{
    // The report's default font has no file on this system; it is served by
    // a substitute, and putting it back must not be refused.
    const QStringList fonts = PageSetup::systemFonts();
    EXPECT_TRUE(fonts.contains(QStringLiteral("宋体")));
    Report report;
    PageSettings settings;
    PageSetup members(report, settings, {});
    members.setPageHeaderFooterFontName(QStringLiteral("simsun"));
    EXPECT_EQ(members.pageHeaderFooterFontName(), QStringLiteral("simsun"));
}
