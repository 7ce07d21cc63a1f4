#include "report/Report.h"
#include "ReportHooks.h"

#include <gtest/gtest.h>

using namespace cellvex;

TEST(Report, NewControlState)
{
    Report r;
    EXPECT_EQ(r.colCount(), 6);
    EXPECT_EQ(r.rowCount(), 30);
    EXPECT_EQ(r.cells().colCount(), 6);
    EXPECT_EQ(r.cells().rowCount(), 30);
    EXPECT_EQ(r.headerCount(), 0);
    EXPECT_EQ(r.footerCount(), 0);
    EXPECT_TRUE(r.saved());
    EXPECT_FALSE(r.hasSelection());
    EXPECT_EQ(r.inputCol(), -1);
    EXPECT_EQ(r.colWidth(0), 80);
    EXPECT_EQ(r.rowHeight(29), 19);
    EXPECT_EQ(r.colRuler().margin(), 2);
    EXPECT_EQ(r.cell(5, 29)->tagX(), 5);
    EXPECT_EQ(r.cell(5, 29)->tagY(), 29);
}

TEST(Report, NewReportResetsTheReport)
{
    Report r;
    r.setCellCaption(0, 0, QStringLiteral("x"));
    r.setCellAlias(0, 0, QStringLiteral("A1"));
    r.setHeaderCount(2);
    r.setFooterCount(1);
    r.setWholeModes(true, false);
    r.setInitialScript(QStringLiteral("JScript"), QStringLiteral("var a;"));
    r.setSelectionRect(0, 0, 1, 1);
    r.setInputCell(0, 0);
    r.setPoleVisibleValue(2);
    r.setInputColor(0x123456);
    r.setFontSize(1, 1, 20);
    r.colRuler().setDisplayIndex(3);
    const auto gen = r.generation();

    r.newReport(3, 4);
    EXPECT_EQ(r.colCount(), 3);
    EXPECT_EQ(r.rowCount(), 4);
    EXPECT_EQ(r.colWidth(0), 80);
    EXPECT_EQ(r.rowHeight(0), 19);
    EXPECT_EQ(r.cell(0, 0)->caption(), QString());
    EXPECT_FALSE(r.cell(0, 0)->hasAlias());
    EXPECT_EQ(r.headerCount(), 0);
    EXPECT_EQ(r.footerCount(), 0);
    EXPECT_FALSE(r.wholeColumnMode());
    EXPECT_EQ(r.initialScriptText(), QString());
    EXPECT_FALSE(r.hasSelection());
    EXPECT_EQ(r.inputCol(), -1);
    EXPECT_TRUE(r.saved());
    EXPECT_EQ(r.colRuler().displayIndex(), 0);
    EXPECT_EQ(r.fonts().size(), 1u);
    EXPECT_NE(r.generation(), gen);
    // These survive a new report.
    EXPECT_EQ(r.poleVisible(), 2);
    EXPECT_EQ(r.inputColor(), 0x123456u);

    r.newReport(0, 0);
    EXPECT_EQ(r.colCount(), 0);
    EXPECT_EQ(r.rowCount(), 0);
    EXPECT_EQ(r.cell(0, 0), nullptr);
    r.newReport(0, 5); // rulers but no cells
    EXPECT_EQ(r.rowCount(), 5);
    EXPECT_EQ(r.cell(0, 0), nullptr);
}

TEST(Report, NewReportRefusesBadSizesAndKeepsTheReport)
{
    Report r;
    r.setCellCaption(2, 3, QStringLiteral("kept"));
    r.setHeaderCount(1);
    r.setBackColor(0, 0, 0xFF);
    ASSERT_FALSE(r.saved());
    const std::pair<int, int> bad[] = {{-1, 5}, {5, -1}, {30000000, 1}, {1, 120000000}, {INT_MIN, INT_MIN}};
    for (auto [cols, rows] : bad) {
        EXPECT_THROW(r.newReport(cols, rows), ReportError) << cols << " x " << rows;
        EXPECT_EQ(r.colCount(), 6);
        EXPECT_EQ(r.rowCount(), 30);
        EXPECT_EQ(r.cell(2, 3)->caption(), QStringLiteral("kept"));
        EXPECT_EQ(r.headerCount(), 1);
        EXPECT_FALSE(r.saved());
    }
}

TEST(Report, MergedMasterSpansItsBlock)
{
    Report r;
    r.cell(1, 1)->setMerge(MergeSign::Master, {1, 1, 2, 3});
    const ReportRect rr = r.cellRect(1, 1);
    EXPECT_EQ(rr.x, 80);
    EXPECT_EQ(rr.y, 19);
    EXPECT_EQ(rr.width, 160);
    EXPECT_EQ(rr.height, 57);
    r.colRuler().setPoleRange(2, 0); // a hidden column shrinks the block
    EXPECT_EQ(r.cellRect(1, 1).width, 80);
}

TEST(Report, CaptionHooksAdjustTheTextAndSurviveARebuild)
{
    Report r;
    cellvex::test::ReportHooks listener{r};
    std::vector<QString> seen;
    listener.changing = [&](int, int, QString &v) { v = v.toUpper(); };
    listener.changed = [&](int c, int row, const QString &v) {
        seen.push_back(QString("%1,%2:%3").arg(c).arg(row).arg(v));
    };
    r.setCellCaption(1, 2, QStringLiteral("abc"));
    EXPECT_EQ(r.cell(1, 2)->caption(), QStringLiteral("ABC"));
    EXPECT_EQ(seen, std::vector<QString>{"1,2:ABC"});

    // A handler that rebuilds the report inside the event: the stale cell is
    // never touched and no changed event follows for it.
    seen.clear();
    listener.changing = [&](int, int, QString &) { r.newReport(1, 1); };
    r.setCellCaption(3, 3, QStringLiteral("gone"));
    EXPECT_EQ(r.colCount(), 1);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(r.cell(0, 0)->caption(), QString());

    // Out of the grid: nothing happens.
    listener.changing = nullptr;
    r.setCellCaption(5, 5, QStringLiteral("x"));
    EXPECT_TRUE(seen.empty());
}

TEST(Report, CheckBoxCaptionIsZeroOrOne)
{
    Report r;
    r.cell(0, 0)->setKind(CellKind::CheckBox);
    const std::pair<const char *, const char *> cases[] = {
        {"1", "1"}, {"0", "0"}, {"yes", "0"}, {"", "0"}, {"11", "0"}};
    for (auto [in, out] : cases) {
        r.setCellCaption(0, 0, QString::fromLatin1(in));
        EXPECT_EQ(r.cell(0, 0)->caption(), QString::fromLatin1(out)) << in;
    }
}

TEST(Report, DisplayedColourFollowsSelectionAndInput)
{
    Report r;
    r.setBackColor(0, 0, 0x00FF00);
    r.setBackColor(1, 1, 0x0000FF);
    r.setSelectionRect(0, 0, 1, 1);
    r.setInputCell(0, 0);
    EXPECT_EQ(r.displayedColor(0, 0), r.inputColor());
    EXPECT_EQ(r.displayedColor(1, 1), r.selectedColor());
    EXPECT_EQ(r.displayedColor(2, 2), 0xFFFFFFu);
    r.setSelectionRect(-1, -1, -1, -1);
    r.setInputCell(-1, -1);
    EXPECT_EQ(r.displayedColor(1, 1), 0x0000FFu);
}

TEST(Report, FontsAreSharedBetweenCells)
{
    Report r;
    r.setFontSize(0, 0, 12);
    r.setFontSize(3, 3, 12);
    EXPECT_EQ(r.cell(0, 0)->fontId(), r.cell(3, 3)->fontId());
    r.setFontName(0, 0, QStringLiteral("Arial"));
    EXPECT_EQ(r.cellFont(0, 0).name, QStringLiteral("Arial"));
    EXPECT_EQ(r.cellFont(0, 0).size, 12);
    EXPECT_EQ(r.cellFont(3, 3).name, QStringLiteral("宋体"));
    r.setFontName(0, 0, QStringLiteral("宋体"));
    EXPECT_EQ(r.cell(0, 0)->fontId(), r.cell(3, 3)->fontId());
}
