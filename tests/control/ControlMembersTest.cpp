#include "control/CellvexControl.h"

#include <gtest/gtest.h>

using namespace cellvex;

TEST(ControlMembers, NewControlAnswers)
{
    CellvexControl c;
    EXPECT_EQ(c.ColCount(), 6);
    EXPECT_EQ(c.RowCount(), 30);
    EXPECT_EQ(c.HeaderCount(), 0);
    EXPECT_EQ(c.FooterCount(), 0);
    EXPECT_TRUE(c.Saved());
    EXPECT_EQ(c.PoleVisible(), 1);
    int a, b, d, e;
    c.GetSelectedCell(a, b, d, e);
    EXPECT_EQ(std::vector<int>({a, b, d, e}), std::vector<int>({-1, -1, -1, -1}));
    c.GetInputingCell(a, b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
}

TEST(ControlMembers, NewReportAndGeometryGetters)
{
    CellvexControl c;
    c.NewReport(3, 4);
    EXPECT_EQ(c.GetColWidth(1), 80);
    EXPECT_EQ(c.GetRowHeight(1), 19);
    EXPECT_EQ(c.ColCount(), 3);
    EXPECT_EQ(c.RowCount(), 4);
    EXPECT_TRUE(c.Saved());
    for (int bad : {0, 4, -1, INT_MIN, INT_MAX})
        EXPECT_EQ(c.GetColWidth(bad), -1) << bad;
    EXPECT_EQ(c.GetRowHeight(5), -1);
    EXPECT_THROW(c.NewReport(-1, 2), ReportError);
    EXPECT_EQ(c.ColCount(), 3);
}

TEST(ControlMembers, EmptyValuesOutsideTheGrid)
{
    CellvexControl c;
    c.SetFontName(0, 1, QStringLiteral("x"));
    c.SetCellBackColor(7, 1, 0xFF);
    c.SetCellAlias(1, 31, QStringLiteral("Far"));
    c.SetAppendRange(INT_MIN, 1, 2);
    EXPECT_TRUE(c.Saved()); // nothing acted
    EXPECT_EQ(c.GetFontName(0, 1), QString());
    EXPECT_EQ(c.GetFontSize(7, 1), 0);
    EXPECT_EQ(c.GetFontColor(7, 1), 0u);
    EXPECT_FALSE(c.GetFontStyleBold(7, 1));
    EXPECT_EQ(c.GetLabelHAlignment(7, 1), -1);
    EXPECT_EQ(c.GetLabelVAlignment(1, 0), -1);
    EXPECT_EQ(c.GetCellBorders(7, 1, 1), -1);
    EXPECT_EQ(c.GetCellBackColor(7, 1), 0u);
    EXPECT_FALSE(c.GetMultiLine(7, 1));
    EXPECT_EQ(c.GetCellAlias(7, 1), QString());
    EXPECT_EQ(c.GetAppendRange(7, 1), -1);
    EXPECT_EQ(c.GetAppendString(7, 1, 0), QString());
}

TEST(ControlMembers, CellAttributesRoundTripAndMarkTheReportChanged)
{
    // Each setter, run on a fresh control, must act, mark the report changed
    // and read back through its getter.
    struct Case
    {
        const char *name;
        std::function<void(CellvexControl &)> set;
        std::function<bool(CellvexControl &)> check;
    } cases[] = {
        {"font name", [](auto &c) { c.SetFontName(2, 3, QStringLiteral("Arial")); },
         [](auto &c) {
             return c.GetFontName(2, 3) == QStringLiteral("Arial") &&
                    c.GetFontName(1, 1) == QStringLiteral("宋体");
         }},
        {"font size", [](auto &c) { c.SetFontSize(2, 3, 14); },
         [](auto &c) { return c.GetFontSize(2, 3) == 14; }},
        {"font colour", [](auto &c) { c.SetFontColor(2, 3, 0xFF); },
         [](auto &c) { return c.GetFontColor(2, 3) == 0xFFu; }},
        {"bold", [](auto &c) { c.SetFontStyleBold(2, 3, true); },
         [](auto &c) { return c.GetFontStyleBold(2, 3); }},
        {"italic", [](auto &c) { c.SetFontStyleItalic(2, 3, true); },
         [](auto &c) { return c.GetFontStyleItalic(2, 3); }},
        {"underline", [](auto &c) { c.SetFontStyleUnderline(2, 3, true); },
         [](auto &c) { return c.GetFontStyleUnderline(2, 3); }},
        {"strike", [](auto &c) { c.SetFontStyleStrikeout(2, 3, true); },
         [](auto &c) { return c.GetFontStyleStrikeout(2, 3) && !c.GetFontStyleBold(2, 3); }},
        {"h-align", [](auto &c) { c.SetLabelHAlignment(2, 3, 1); },
         [](auto &c) { return c.GetLabelHAlignment(2, 3) == 1; }},
        {"v-align", [](auto &c) { c.SetLabelVAlignment(2, 3, 2); },
         [](auto &c) { return c.GetLabelVAlignment(2, 3) == 2; }},
        {"right border", [](auto &c) { c.SetCellBorders(2, 3, 3, 2); },
         [](auto &c) { return c.GetCellBorders(2, 3, 3) == 2; }},
        {"diagonal", [](auto &c) { c.SetCellBorders(2, 3, 0, 2); },
         [](auto &c) { return c.GetCellBorders(2, 3, 0) == 2; }},
        {"back colour", [](auto &c) { c.SetCellBackColor(2, 3, 0xFF00); },
         [](auto &c) { return c.GetCellBackColor(2, 3) == 0xFF00u; }},
        {"multi-line", [](auto &c) { c.SetMultiLine(2, 3, true); },
         [](auto &c) { return c.GetMultiLine(2, 3); }},
        {"alias", [](auto &c) { c.SetCellAlias(2, 3, QStringLiteral("Total1")); },
         [](auto &c) { return c.GetCellAlias(2, 3) == QStringLiteral("Total1"); }},
        {"append range", [](auto &c) { c.SetAppendRange(2, 3, 2); },
         [](auto &c) { return c.GetAppendRange(2, 3) == 2; }},
    };
    for (const Case &k : cases) {
        CellvexControl c;
        k.set(c);
        EXPECT_FALSE(c.Saved()) << k.name;
        EXPECT_TRUE(k.check(c)) << k.name;
    }
}

TEST(ControlMembers, IgnoredCodesChangeNothing)
{
    CellvexControl c;
    c.SetLabelHAlignment(1, 1, 3);
    c.SetLabelVAlignment(1, 1, -1);
    c.SetCellBorders(1, 1, 5, 2);
    c.SetCellBorders(1, 1, 1, -2);
    c.SetAppendRange(1, 1, -1);
    EXPECT_TRUE(c.Saved());
    EXPECT_EQ(c.GetLabelHAlignment(1, 1), 0);
    EXPECT_EQ(c.GetLabelVAlignment(1, 1), 1);
    EXPECT_EQ(c.GetCellBorders(1, 1, 1), 1);
    EXPECT_EQ(c.GetCellBorders(1, 1, 5), -1);
    c.SetCellBorders(1, 1, 0, 5); // an unknown diagonal code clears the diagonal
    EXPECT_EQ(c.GetCellBorders(1, 1, 0), 0);
}

TEST(ControlMembers, BorderOfACoveredCellGoesToItsMaster)
{
    CellvexControl c;
    Report &r = c.report();
    const BlockBounds block{0, 0, 1, 1};
    r.cell(0, 0)->setMerge(MergeSign::Master, block);
    for (auto [col, row] : {std::pair{1, 0}, {0, 1}, {1, 1}})
        r.cell(col, row)->setMerge(MergeSign::Covered, block);
    c.SetCellBorders(2, 2, 3, 2);
    EXPECT_EQ(c.GetCellBorders(1, 1, 3), 2);
    EXPECT_EQ(c.GetCellBorders(2, 2, 3), 0); // the covered cell keeps its own width
}

TEST(ControlMembers, AliasRules)
{
    CellvexControl c;
    c.SetCellAlias(2, 3, QStringLiteral("Total1"));
    c.SetCellAlias(1, 5, QStringLiteral("Total1")); // duplicate: refused
    EXPECT_EQ(c.GetCellAlias(1, 5), QString());
    c.SetCellAlias(1, 5, QStringLiteral("first"));
    for (const char *bad : {"1abc", "a_b", "合计", "a b"}) {
        c.SetCellAlias(1, 5, QString::fromUtf8(bad));
        EXPECT_EQ(c.GetCellAlias(1, 5), QStringLiteral("first")) << bad;
    }
    EXPECT_EQ(c.GetAllAlias(), QStringLiteral("1\r\n5\r\nfirst\r\n2\r\n3\r\nTotal1\r\n"));
    int col = 0, row = 0;
    c.GetCellReferenceByAlias(QStringLiteral("Total1"), col, row);
    EXPECT_EQ(std::pair(col, row), std::pair(2, 3));
    c.GetCellReferenceByAlias(QString(), col, row); // the empty alias matches no cell
    EXPECT_EQ(std::pair(col, row), std::pair(-1, -1));
    c.GetCellReferenceByAlias(QStringLiteral("total1"), col, row); // exact, case-sensitive
    EXPECT_EQ(col, -1);

    c.setSaved(true);
    c.DeleteAlias(QString());
    c.DeleteAlias(QStringLiteral("nope"));
    EXPECT_TRUE(c.Saved());
    c.DeleteAlias(QStringLiteral("Total1"));
    EXPECT_FALSE(c.Saved());
    EXPECT_EQ(c.GetCellAlias(2, 3), QString());
    c.setSaved(true);
    c.SetCellAlias(2, 3, QString()); // clearing an absent alias is no change
    EXPECT_TRUE(c.Saved());
    c.SetCellAlias(1, 5, QString());
    EXPECT_FALSE(c.Saved());
    EXPECT_EQ(c.GetAllAlias(), QString());
}

TEST(ControlMembers, SavedAndCounts)
{
    CellvexControl c;
    c.setSaved(false);
    EXPECT_FALSE(c.Saved());
    c.setSaved(true);
    EXPECT_TRUE(c.Saved());
    c.setHeaderCount(3);
    c.setFooterCount(2);
    EXPECT_EQ(c.HeaderCount(), 3);
    EXPECT_EQ(c.FooterCount(), 2);
    EXPECT_TRUE(c.Saved()); // the counts never change Saved
    c.SetAppendRange(1, 1, 2);
    c.setSaved(true);
    c.SetAppendString(1, 1, 1, QStringLiteral("b"));
    EXPECT_FALSE(c.Saved());
    EXPECT_EQ(c.GetAppendString(1, 1, 1), QStringLiteral("b"));
    EXPECT_EQ(c.GetAppendString(1, 1, 2), QString());
}
