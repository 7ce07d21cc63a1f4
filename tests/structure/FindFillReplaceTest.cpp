#include "ReportHooks.h"
#include "StructureFixture.h"

#include "grid/structure/CellFill.h"
#include "grid/structure/CellFind.h"
#include "grid/structure/CellReplace.h"

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::test;

namespace {

struct Texts : ::testing::Test
{
    Report r;
    cellvex::test::ReportHooks listener{r};
    QStringList changes; // "col,row=value" of each caption change, 0-based
    void SetUp() override
    {
        buildReport(r, 4, 4, false);
        listener.changed = [this](int c, int row, const QString &v) {
            changes << QStringLiteral("%1,%2=%3").arg(c).arg(row).arg(v);
        };
    }
    void set(int c, int row, const QString &text) { r.cell(c, row)->storeCaption(text); }
    void select(int c1, int r1, int c2, int r2, int ic, int ir)
    {
        r.setSelectionRect(c1, r1, c2, r2);
        r.setInputCell(ic, ir);
    }
    FindRequest request(bool byColumns, bool backwards, const QString &text = QStringLiteral("x"))
    {
        FindRequest q;
        q.byColumns = byColumns;
        q.backwards = backwards;
        q.text = text;
        return q;
    }
    QString found(const FindRequest &q)
    {
        const auto hit = findCell(r, q);
        return hit ? QStringLiteral("%1,%2").arg(hit->x()).arg(hit->y()) : QStringLiteral("none");
    }
};

TEST_F(Texts, FindScansInTheRequestedOrderWithoutWrapping)
{
    for (const auto &[c, row] : {std::pair{0, 0}, {2, 0}, {0, 2}, {2, 2}, {3, 3}})
        set(c, row, QStringLiteral("x"));
    struct Case
    {
        int ic, ir;
        bool byColumns, backwards;
        const char *hit;
    } cases[] = {
        {2, 0, false, false, "0,2"}, // rows forwards: the rest of row 0, then row 1 ...
        {0, 2, false, false, "2,2"},
        {2, 2, false, false, "3,3"},
        {3, 3, false, false, "none"}, // no wrapping round
        {2, 2, false, true, "0,2"},   // rows backwards: left in the row first
        {0, 2, false, true, "2,0"},
        {0, 0, false, true, "none"},
        {0, 0, true, false, "0,2"}, // columns forwards: down the column first
        {0, 2, true, false, "2,0"},
        {2, 2, true, true, "2,0"}, // columns backwards: up the column first
        {2, 0, true, true, "0,2"},
        {-1, -1, false, false, "0,0"}, // no input cell: the first cell itself may match
    };
    for (const Case &k : cases) {
        r.setInputCell(k.ic, k.ir);
        EXPECT_EQ(found(request(k.byColumns, k.backwards)), QString::fromLatin1(k.hit))
            << k.ic << "," << k.ir << " columns " << k.byColumns << " back " << k.backwards;
    }
}

TEST_F(Texts, FindSkipsCoveredAndWidgetCellsAndHonoursTheSelection)
{
    set(1, 0, QStringLiteral("x"));
    r.cell(1, 0)->setKind(CellKind::CheckBox);
    set(2, 0, QStringLiteral("x"));
    r.cell(2, 0)->setKind(CellKind::Button);
    set(3, 0, QStringLiteral("x"));
    r.cell(3, 0)->setKind(CellKind::Chart);
    storeBlock(r, 0, 1, 1, 1);
    set(1, 1, QStringLiteral("x")); // covered
    set(2, 2, QStringLiteral("x"));
    r.cell(2, 2)->setKind(CellKind::DropDown);
    set(3, 3, QStringLiteral("x"));
    r.setInputCell(0, 0);
    EXPECT_EQ(found(request(false, false)), QStringLiteral("2,2"));

    FindRequest q = request(false, false);
    q.selected = true;
    r.setInputCell(-1, -1);
    EXPECT_EQ(found(q), QStringLiteral("none")); // no selection
    select(3, 0, 3, 3, 3, 0);
    EXPECT_EQ(found(q), QStringLiteral("3,3"));
    EXPECT_EQ(found(request(false, false, QString())), QStringLiteral("none"));
}

TEST_F(Texts, FindSelectsTheFoundBlockAndLeavesSavedAlone)
{
    storeBlock(r, 1, 1, 2, 2);
    set(1, 1, QStringLiteral("Total"));
    select(0, 0, 0, 0, 0, 0);
    FindRequest q = request(false, false, QStringLiteral("TOTAL"));
    q.caseSensitive = true;
    EXPECT_FALSE(findCellsString(r, q));
    EXPECT_EQ(r.selection(), QRect(QPoint(0, 0), QPoint(0, 0)));
    q.caseSensitive = false;
    EXPECT_TRUE(findCellsString(r, q));
    EXPECT_EQ(r.selection(), QRect(QPoint(1, 1), QPoint(2, 2)));
    EXPECT_EQ(r.inputCol(), 1);
    EXPECT_EQ(r.inputRow(), 1);
    EXPECT_TRUE(r.saved());
}

TEST_F(Texts, FillDirections)
{
    // Selection columns 0-2, rows 0-2, input cell (1, 1) holding "m"; row 1
    // and column 1 carry sources. Each case lists the cells that change.
    struct Case
    {
        int direction;
        QStringList changed;
    } cases[] = {
        {1, {"2,0=r0", "2,1=m", "2,2=r2"}},
        {2, {"0,0=r0", "0,1=m", "0,2=r2"}},
        {3, {"0,2=c0", "1,2=m", "2,2=c2"}},
        {4, {"0,0=c0", "1,0=m", "2,0=c2"}},
        {5, {"0,0=m", "1,0=m", "2,0=m", "0,1=m", "2,1=m", "0,2=m", "1,2=m", "2,2=m"}},
        {6, {"0,0=m", "0,1=m", "0,2=m", "1,0=m", "1,2=m", "2,0=m", "2,1=m", "2,2=m"}},
        {7, {}},
        {0, {}},
    };
    for (const Case &k : cases) {
        buildReport(r, 4, 4, false);
        set(1, 0, QStringLiteral("r0"));
        set(1, 2, QStringLiteral("r2"));
        set(0, 1, QStringLiteral("c0"));
        set(2, 1, QStringLiteral("c2"));
        set(1, 1, QStringLiteral("m"));
        select(0, 0, 2, 2, 1, 1);
        changes.clear();
        fillCells(r, k.direction);
        EXPECT_EQ(changes, k.changed) << k.direction;
        EXPECT_EQ(r.saved(), k.changed.isEmpty()) << k.direction;
    }
}

TEST_F(Texts, FillReadsEachSourceAfterEarlierChangesAndFillsCoveredCells)
{
    select(0, 0, 3, 0, 0, 0);
    set(0, 0, QStringLiteral("a"));
    storeBlock(r, 2, 0, 3, 0);
    // A handler that rewrites every value shows that targets get the source's
    // caption as it is now.
    listener.changing = [this](int, int, QString &v) { v += QStringLiteral("!"); };
    fillCells(r, 1);
    EXPECT_EQ(r.cell(1, 0)->caption(), QStringLiteral("a!"));
    EXPECT_EQ(r.cell(3, 0)->caption(), QStringLiteral("a!")); // covered, filled too
    EXPECT_FALSE(fillCells(r, 0));
    r.setSelectionRect(-1, -1, -1, -1);
    r.setInputCell(-1, -1);
    r.setSaved(true);
    EXPECT_FALSE(fillCells(r, 1)); // no selection: nothing, Saved stays
    EXPECT_TRUE(r.saved());
}

TEST_F(Texts, FillStopsWhenAHandlerReplacesTheReport)
{
    select(0, 0, 3, 3, 0, 0);
    set(0, 0, QStringLiteral("v"));
    int calls = 0;
    listener.changed = [&](int, int, const QString &) {
        if (++calls == 2)
            r.newReport(2, 2);
    };
    fillCells(r, 5);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(r.colCount(), 2);
}

TEST_F(Texts, ReplaceVisitsColumnsTopDownAndAssignsOnlyChangedTexts)
{
    set(1, 0, QStringLiteral("aaaa"));
    set(0, 3, QStringLiteral("AA"));
    set(0, 1, QStringLiteral("bb"));
    set(2, 2, QStringLiteral("aa"));
    r.cell(2, 2)->setKind(CellKind::Button);
    storeBlock(r, 3, 0, 3, 1);
    set(3, 1, QStringLiteral("xaax")); // covered: replaced too
    ReplaceRequest q;
    q.find = QStringLiteral("aa");
    q.replacement = QStringLiteral("a");
    EXPECT_EQ(replaceCellsString(r, q), 3);
    EXPECT_EQ(changes, (QStringList{"0,3=a", "1,0=aa", "3,1=xax"}));
    EXPECT_EQ(r.cell(2, 2)->caption(), QStringLiteral("aa"));
    EXPECT_FALSE(r.saved());
}

TEST_F(Texts, ReplaceWholeWordsFillsEmptyCellsAndHonoursTheSelection)
{
    ReplaceRequest q;
    q.selected = true;
    q.wholeWords = true;
    q.replacement = QStringLiteral("-");
    EXPECT_EQ(replaceCellsString(r, q), 0); // no selection
    EXPECT_TRUE(r.saved());
    select(1, 1, 2, 1, 1, 1);
    set(2, 1, QStringLiteral("kept"));
    EXPECT_EQ(replaceCellsString(r, q), 1);
    EXPECT_EQ(changes, QStringList{"1,1=-"});
    EXPECT_EQ(r.selection(), QRect(QPoint(1, 1), QPoint(2, 1)));
}

} // namespace
