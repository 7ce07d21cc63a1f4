#include "MemberCalls.h"
#include "cells/CellCapacity.h"
#include "control/CellvexControl.h"

#include <gtest/gtest.h>

using namespace cellvex;

TEST(ControlMembers, NewControlAnswers)
{
    CellvexControl c;
    test::MemberCalls m{c};
    EXPECT_EQ(m.ColCount(), 6);
    EXPECT_EQ(m.RowCount(), 30);
    EXPECT_EQ(m.HeaderCount(), 0);
    EXPECT_EQ(m.FooterCount(), 0);
    EXPECT_TRUE(m.Saved());
    EXPECT_EQ(m.PoleVisible(), 1);
    int a, b, d, e;
    m.GetSelectedCell(a, b, d, e);
    EXPECT_EQ(std::vector<int>({a, b, d, e}), std::vector<int>({-1, -1, -1, -1}));
    m.GetInputingCell(a, b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
}

TEST(ControlMembers, NewReportAndGeometryGetters)
{
    CellvexControl c;
    test::MemberCalls m{c};
    m.NewReport(3, 4);
    EXPECT_EQ(m.GetColWidth(1), 80);
    EXPECT_EQ(m.GetRowHeight(1), 19);
    EXPECT_EQ(m.ColCount(), 3);
    EXPECT_EQ(m.RowCount(), 4);
    EXPECT_TRUE(m.Saved());
    for (int bad : {0, 4, -1, INT_MIN, INT_MAX})
        EXPECT_EQ(m.GetColWidth(bad), -1) << bad;
    EXPECT_EQ(m.GetRowHeight(5), -1);
    EXPECT_THROW(m.NewReport(-1, 2), ReportError);
    EXPECT_EQ(m.ColCount(), 3);
}

TEST(ControlMembers, EmptyValuesOutsideTheGrid)
{
    CellvexControl c;
    test::MemberCalls m{c};
    m.SetFontName(0, 1, QStringLiteral("x"));
    m.SetCellBackColor(7, 1, 0xFF);
    m.SetCellAlias(1, 31, QStringLiteral("Far"));
    m.SetAppendRange(INT_MIN, 1, 2);
    EXPECT_TRUE(m.Saved()); // nothing acted
    EXPECT_EQ(m.GetFontName(0, 1), QString());
    EXPECT_EQ(m.GetFontSize(7, 1), 0);
    EXPECT_EQ(m.GetFontColor(7, 1), 0u);
    EXPECT_FALSE(m.GetFontStyleBold(7, 1));
    EXPECT_EQ(m.GetLabelHAlignment(7, 1), -1);
    EXPECT_EQ(m.GetLabelVAlignment(1, 0), -1);
    EXPECT_EQ(m.GetCellBorders(7, 1, 1), -1);
    EXPECT_EQ(m.GetCellBackColor(7, 1), 0u);
    EXPECT_FALSE(m.GetMultiLine(7, 1));
    EXPECT_EQ(m.GetCellAlias(7, 1), QString());
    EXPECT_EQ(m.GetAppendRange(7, 1), -1);
    EXPECT_EQ(m.GetAppendString(7, 1, 0), QString());
}

TEST(ControlMembers, CellAttributesRoundTripAndMarkTheReportChanged)
{
    // Each setter, run on a fresh control, must act, mark the report changed
    // and read back through its getter.
    struct Case
    {
        const char *name;
        std::function<void(test::MemberCalls &)> set;
        std::function<bool(test::MemberCalls &)> check;
    } cases[] = {
        {"font name", [](auto &m) { m.SetFontName(2, 3, QStringLiteral("Arial")); },
         [](auto &m) {
             return m.GetFontName(2, 3) == QStringLiteral("Arial") &&
                    m.GetFontName(1, 1) == QStringLiteral("宋体");
         }},
        {"font size", [](auto &m) { m.SetFontSize(2, 3, 14); },
         [](auto &m) { return m.GetFontSize(2, 3) == 14; }},
        {"font colour", [](auto &m) { m.SetFontColor(2, 3, 0xFF); },
         [](auto &m) { return m.GetFontColor(2, 3) == 0xFFu; }},
        {"bold", [](auto &m) { m.SetFontStyleBold(2, 3, true); },
         [](auto &m) { return m.GetFontStyleBold(2, 3); }},
        {"italic", [](auto &m) { m.SetFontStyleItalic(2, 3, true); },
         [](auto &m) { return m.GetFontStyleItalic(2, 3); }},
        {"underline", [](auto &m) { m.SetFontStyleUnderline(2, 3, true); },
         [](auto &m) { return m.GetFontStyleUnderline(2, 3); }},
        {"strike", [](auto &m) { m.SetFontStyleStrikeout(2, 3, true); },
         [](auto &m) { return m.GetFontStyleStrikeout(2, 3) && !m.GetFontStyleBold(2, 3); }},
        {"h-align", [](auto &m) { m.SetLabelHAlignment(2, 3, 1); },
         [](auto &m) { return m.GetLabelHAlignment(2, 3) == 1; }},
        {"v-align", [](auto &m) { m.SetLabelVAlignment(2, 3, 2); },
         [](auto &m) { return m.GetLabelVAlignment(2, 3) == 2; }},
        {"right border", [](auto &m) { m.SetCellBorders(2, 3, 3, 2); },
         [](auto &m) { return m.GetCellBorders(2, 3, 3) == 2; }},
        {"diagonal", [](auto &m) { m.SetCellBorders(2, 3, 0, 2); },
         [](auto &m) { return m.GetCellBorders(2, 3, 0) == 2; }},
        {"back colour", [](auto &m) { m.SetCellBackColor(2, 3, 0xFF00); },
         [](auto &m) { return m.GetCellBackColor(2, 3) == 0xFF00u; }},
        {"multi-line", [](auto &m) { m.SetMultiLine(2, 3, true); },
         [](auto &m) { return m.GetMultiLine(2, 3); }},
        {"alias", [](auto &m) { m.SetCellAlias(2, 3, QStringLiteral("Total1")); },
         [](auto &m) { return m.GetCellAlias(2, 3) == QStringLiteral("Total1"); }},
        {"append range", [](auto &m) { m.SetAppendRange(2, 3, 2); },
         [](auto &m) { return m.GetAppendRange(2, 3) == 2; }},
    };
    for (const Case &k : cases) {
        CellvexControl c;
        test::MemberCalls m{c};
        k.set(m);
        EXPECT_FALSE(m.Saved()) << k.name;
        EXPECT_TRUE(k.check(m)) << k.name;
    }
}

TEST(ControlMembers, IgnoredCodesChangeNothing)
{
    CellvexControl c;
    test::MemberCalls m{c};
    m.SetLabelHAlignment(1, 1, 3);
    m.SetLabelVAlignment(1, 1, -1);
    m.SetCellBorders(1, 1, 5, 2);
    m.SetCellBorders(1, 1, 1, -2);
    m.SetAppendRange(1, 1, -1);
    EXPECT_TRUE(m.Saved());
    EXPECT_EQ(m.GetLabelHAlignment(1, 1), 0);
    EXPECT_EQ(m.GetLabelVAlignment(1, 1), 1);
    EXPECT_EQ(m.GetCellBorders(1, 1, 1), 1);
    EXPECT_EQ(m.GetCellBorders(1, 1, 5), -1);
    m.SetCellBorders(1, 1, 0, 5); // an unknown diagonal code clears the diagonal
    EXPECT_EQ(m.GetCellBorders(1, 1, 0), 0);
}

TEST(ControlMembers, AnAppendRangeAboveTheLimitFailsAndChangesNothing)
{
    CellvexControl c;
    test::MemberCalls m{c};
    m.SetAppendRange(1, 1, 2);
    for (const int count : {kMaxAppendRange + 1, INT_MAX}) {
        try {
            m.SetAppendRange(1, 1, count);
            ADD_FAILURE() << count << " was taken";
        } catch (const ReportError &e) {
            EXPECT_TRUE(e.message().contains(QString::number(kMaxAppendRange))) << e.message().toStdString();
        }
        EXPECT_EQ(m.GetAppendRange(1, 1), 2);
    }
    m.SetAppendRange(1, 1, kMaxAppendRange);
    EXPECT_EQ(m.GetAppendRange(1, 1), kMaxAppendRange);
}

TEST(ControlMembers, BorderOfACoveredCellGoesToItsMaster)
{
    CellvexControl c;
    test::MemberCalls m{c};
    Report &r = c.report();
    const BlockBounds block{0, 0, 1, 1};
    r.cell(0, 0)->setMerge(MergeSign::Master, block);
    for (auto [col, row] : {std::pair{1, 0}, {0, 1}, {1, 1}})
        r.cell(col, row)->setMerge(MergeSign::Covered, block);
    m.SetCellBorders(2, 2, 3, 2);
    EXPECT_EQ(m.GetCellBorders(1, 1, 3), 2);
    EXPECT_EQ(m.GetCellBorders(2, 2, 3), 0); // the covered cell keeps its own width
}

TEST(ControlMembers, AliasRules)
{
    CellvexControl c;
    test::MemberCalls m{c};
    m.SetCellAlias(2, 3, QStringLiteral("Total1"));
    m.SetCellAlias(1, 5, QStringLiteral("Total1")); // duplicate: refused
    EXPECT_EQ(m.GetCellAlias(1, 5), QString());
    m.SetCellAlias(1, 5, QStringLiteral("first"));
    for (const char *bad : {"1abc", "a_b", "合计", "a b"}) {
        m.SetCellAlias(1, 5, QString::fromUtf8(bad));
        EXPECT_EQ(m.GetCellAlias(1, 5), QStringLiteral("first")) << bad;
    }
    EXPECT_EQ(m.GetAllAlias(), QStringLiteral("1\r\n5\r\nfirst\r\n2\r\n3\r\nTotal1\r\n"));
    int col = 0, row = 0;
    m.GetCellReferenceByAlias(QStringLiteral("Total1"), col, row);
    EXPECT_EQ(std::pair(col, row), std::pair(2, 3));
    m.GetCellReferenceByAlias(QString(), col, row); // the empty alias matches no cell
    EXPECT_EQ(std::pair(col, row), std::pair(-1, -1));
    m.GetCellReferenceByAlias(QStringLiteral("total1"), col, row); // exact, case-sensitive
    EXPECT_EQ(col, -1);

    m.setSaved(true);
    m.DeleteAlias(QString());
    m.DeleteAlias(QStringLiteral("nope"));
    EXPECT_TRUE(m.Saved());
    m.DeleteAlias(QStringLiteral("Total1"));
    EXPECT_FALSE(m.Saved());
    EXPECT_EQ(m.GetCellAlias(2, 3), QString());
    m.setSaved(true);
    m.SetCellAlias(2, 3, QString()); // clearing an absent alias is no change
    EXPECT_TRUE(m.Saved());
    m.SetCellAlias(1, 5, QString());
    EXPECT_FALSE(m.Saved());
    EXPECT_EQ(m.GetAllAlias(), QString());
}

TEST(ControlMembers, SavedAndCounts)
{
    CellvexControl c;
    test::MemberCalls m{c};
    m.setSaved(false);
    EXPECT_FALSE(m.Saved());
    m.setSaved(true);
    EXPECT_TRUE(m.Saved());
    m.setHeaderCount(3);
    m.setFooterCount(2);
    EXPECT_EQ(m.HeaderCount(), 3);
    EXPECT_EQ(m.FooterCount(), 2);
    EXPECT_TRUE(m.Saved()); // the counts never change Saved
    m.SetAppendRange(1, 1, 2);
    m.setSaved(true);
    m.SetAppendString(1, 1, 1, QStringLiteral("b"));
    EXPECT_FALSE(m.Saved());
    EXPECT_EQ(m.GetAppendString(1, 1, 1), QStringLiteral("b"));
    EXPECT_EQ(m.GetAppendString(1, 1, 2), QString());
}
