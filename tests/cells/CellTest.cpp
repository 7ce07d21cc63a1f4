#include "cells/Cell.h"
#include "cells/CellMatrix.h"
#include "report/AliasRules.h"

#include <gtest/gtest.h>

using namespace cellvex;

TEST(Cell, DefaultsAreSmall)
{
    const Cell c;
    EXPECT_EQ(c.borderLeft(), 1);
    EXPECT_EQ(c.borderTop(), 1);
    EXPECT_EQ(c.borderRight(), 0);
    EXPECT_EQ(c.borderBottom(), 0);
    EXPECT_EQ(c.vAlignment(), VAlign::Center);
    EXPECT_EQ(c.alignment(), HAlign::Left);
    EXPECT_EQ(c.backColor(), 0xFFFFFFu);
    EXPECT_EQ(c.kind(), CellKind::Text);
    EXPECT_EQ(c.cellNextPX(), -1);
    EXPECT_EQ(c.cellNextPY(), -1);
    EXPECT_EQ(c.sign(), MergeSign::None);
    EXPECT_EQ(c.appendRange(), 0);
    EXPECT_FALSE(c.hasExtension());
    // A default cell must stay well below the per-cell memory budget.
    EXPECT_LE(sizeof(Cell), 96u);
}

TEST(Cell, RareFieldsAllocateOnFirstRealWrite)
{
    Cell c;
    c.setDropText(QString());
    c.setCellNext(-1, -1);
    c.setTextLength(0);
    c.setAppendRange(0);
    EXPECT_FALSE(c.hasExtension());
    c.storeAlias(QStringLiteral("Total1"));
    EXPECT_TRUE(c.hasExtension());
    Cell copy = c;
    copy.storeAlias(QStringLiteral("Other"));
    EXPECT_EQ(c.aliasName(), QStringLiteral("Total1")); // copies do not share extras
}

TEST(Cell, HasScriptFollowsTheScriptTextThroughCopiesAndMoves)
{
    Cell c;
    EXPECT_FALSE(c.hasScript());
    c.setScriptType(QStringLiteral("JavaScript")); // a language alone is no script
    EXPECT_FALSE(c.hasScript());
    c.setScriptText(QStringLiteral("a = 1;"));
    EXPECT_TRUE(c.hasScript());

    Cell copy = c;
    Cell assigned;
    assigned = c;
    Cell moved = std::move(copy);
    for (const Cell *k : {&c, &assigned, &moved})
        EXPECT_TRUE(k->hasScript());

    // Replacing a cell with one without a script drops the flag with the text.
    assigned = Cell();
    EXPECT_FALSE(assigned.hasScript());
    moved.setScriptText(QString());
    EXPECT_FALSE(moved.hasScript());
    EXPECT_TRUE(c.hasScript());
    // The flag stays clear of the flags that other code sets and clears.
    c.setFlag(Cell::HaveCheckBoxFlag, true);
    c.setFlag(Cell::HaveCheckBoxFlag, false);
    c.setMultiLine(true);
    EXPECT_TRUE(c.hasScript());
    c.setScriptText(QString());
    EXPECT_FALSE(c.hasScript());
    EXPECT_TRUE(c.multiLine());
}

TEST(Cell, BordersChangeOnlyWhatIsGiven)
{
    Cell c;
    EXPECT_FALSE(c.setBorders(-1, -1, -1, -1));
    EXPECT_FALSE(c.setBorders(1, 1, 0, 0));
    EXPECT_TRUE(c.setBorders(-1, -1, 2, -1));
    int l, t, r, b;
    c.getBorders(l, t, r, b);
    EXPECT_EQ(std::vector<int>({l, t, r, b}), std::vector<int>({1, 1, 2, 0}));
    EXPECT_FALSE(c.setBorders(-7, -1, -1, -1)); // negative widths are refused
    EXPECT_EQ(c.borderLeft(), 1);
}

TEST(Cell, DiagonalSharesThePictureLayer)
{
    Cell c;
    EXPECT_TRUE(c.setDiagonalType(2));
    EXPECT_EQ(c.diagonalType(), 2);
    EXPECT_TRUE(c.haveImage());
    for (int other : {0, 5, -1}) {
        c.setDiagonalType(3);
        c.setDiagonalType(other);
        EXPECT_EQ(c.diagonalType(), 0) << other;
        EXPECT_FALSE(c.haveImage()) << other;
    }
    // A picture replaces the diagonal...
    c.setDiagonalType(1);
    QImage img(4, 4, QImage::Format_RGB32);
    c.setPicture(img, true);
    EXPECT_EQ(c.diagonalType(), 0);
    EXPECT_TRUE(c.haveImage());
    EXPECT_TRUE(c.imageStretch());
    // ...and clearing the diagonal removes the picture too.
    c.setDiagonalType(0);
    EXPECT_EQ(c.picture(), nullptr);
    EXPECT_FALSE(c.imageStretch());
    // A chart cell ignores diagonals.
    Cell chart;
    chart.setKind(CellKind::Chart);
    EXPECT_FALSE(chart.setDiagonalType(1));
    EXPECT_EQ(chart.diagonalType(), 0);
}

TEST(Cell, AppendStrings)
{
    Cell c;
    EXPECT_TRUE(c.setAppendRange(3));
    EXPECT_FALSE(c.setAppendString(3, QStringLiteral("x")));
    EXPECT_FALSE(c.setAppendString(-1, QStringLiteral("x")));
    EXPECT_TRUE(c.setAppendString(0, QStringLiteral("a")));
    EXPECT_TRUE(c.setAppendString(2, QStringLiteral("c")));
    EXPECT_EQ(c.appendString(3), QString());
    EXPECT_FALSE(c.setAppendRange(-2));
    EXPECT_EQ(c.appendRange(), 3);
    c.setAppendRange(1);
    EXPECT_EQ(c.appendRange(), 1);
    EXPECT_EQ(c.appendString(0), QStringLiteral("a"));
    c.setAppendRange(3);
    EXPECT_EQ(c.appendString(2), QString()); // dropped entries do not come back
}

TEST(AliasRules, ValidAliases)
{
    const std::pair<const char *, bool> cases[] = {
        {"Total1", true},  {"a", true},       {"Z9z9", true},     {"", false},
        {"1Total", false}, {"To_tal", false}, {"Total 1", false}, {"合计", false},
        {"A合计", false},  {"Ａ", false}, // full-width letter
    };
    for (auto [text, valid] : cases)
        EXPECT_EQ(isValidAlias(QString::fromUtf8(text)), valid) << text;
}

TEST(CellMatrix, CellsKnowTheirPosition)
{
    const CellMatrix m = CellMatrix::create(3, 4);
    EXPECT_EQ(m.colCount(), 3);
    EXPECT_EQ(m.rowCount(), 4);
    EXPECT_EQ(m.at(2, 3).tagX(), 2);
    EXPECT_EQ(m.at(2, 3).tagY(), 3);
    EXPECT_EQ(m.find(3, 0), nullptr);
    EXPECT_EQ(m.find(-1, 0), nullptr);
    const CellMatrix empty = CellMatrix::create(0, 5);
    EXPECT_EQ(empty.find(0, 0), nullptr);
}
