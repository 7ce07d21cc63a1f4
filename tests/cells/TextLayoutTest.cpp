#include "cells/TextLayout.h"

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

// Every character 10 pixels wide, lines 12 pixels high: layouts become exact.
TextMeasure fixedMeasure()
{
    TextMeasure m;
    m.width = [](const QString &s) { return int(s.size()) * 10; };
    m.lineHeight = 12;
    return m;
}

TextLayoutInput cellInput(const QString &caption, int w = 80, int h = 19)
{
    TextLayoutInput in;
    in.caption = caption;
    in.width = w;
    in.height = h;
    return in;
}

QStringList texts(const std::vector<QString> &lines)
{
    QStringList out;
    for (const QString &l : lines)
        out << l;
    return out;
}

QStringList visibleTexts(const TextLayout &l) { return l.lineValues; }

} // namespace

TEST(TextLayout, BuildsLinesByKindAndWrapping)
{
    struct Case
    {
        const char *name;
        QString caption;
        CellKind kind;
        bool multiLine;
        int width;
        QStringList expected;
    } cases[] = {
        {"empty caption", "", CellKind::Text, true, 80, {}},
        {"single line when not wrapping", "ABCDEFGHIJKLMN", CellKind::Text, false, 80, {"ABCDEFGHIJKLMN"}},
        // available 79: 8 characters measure 80 >= 79, so the eighth goes back
        {"wrap between any characters", "ABCDEFGHIJ", CellKind::Text, true, 80, {"ABCDEFG", "HIJ"}},
        {"exact fit is not allowed", "ABCDEFGH", CellKind::Text, true, 81, {"ABCDEFG", "H"}},
        {"one character per line when none fits", "ABC", CellKind::Text, true, 6, {"A", "B", "C"}},
        {"check box shows no text", "1", CellKind::CheckBox, true, 80, {}},
        {"button keeps one line", "ABCDEFGHIJ", CellKind::Button, true, 80, {"ABCDEFGHIJ"}},
        {"double-byte characters stay whole", QString::fromUtf8("中文报表设计器和录入"), CellKind::Text, true, 52,
         {QString::fromUtf8("中文报表设"), QString::fromUtf8("计器和录入")}},
    };
    for (const Case &c : cases) {
        TextLayoutInput in = cellInput(c.caption, c.width);
        in.kind = c.kind;
        in.multiLine = c.multiLine;
        EXPECT_EQ(texts(buildTextLines(in, fixedMeasure())), c.expected) << c.name;
    }
}

TEST(TextLayout, WrapNeverSplitsSurrogatePairs)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x98\x81");
    TextLayoutInput in = cellInput(emoji, 5);
    in.multiLine = true;
    const auto lines = buildTextLines(in, fixedMeasure());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], emoji.left(2));
    EXPECT_EQ(lines[1], emoji.mid(2));
}

TEST(TextLayout, HorizontalPlacement)
{
    struct Case
    {
        HAlign align;
        CellKind kind;
        int right;
        int x;       // where the line is shown
        int pointX;  // what printing and export read
    } cases[] = {
        {HAlign::Left, CellKind::Text, 0, 1, 1},
        {HAlign::Right, CellKind::Text, 0, 50, 50},
        {HAlign::Right, CellKind::Text, 3, 47, 47},
        {HAlign::Center, CellKind::Text, 0, 25, 25},        // 1 + 49 / 2 = 1 + 24.5 -> 1 + 24 (even)
        {HAlign::Center, CellKind::Text, 2, 25, 25},        // 1 + 47 / 2 = 1 + 23.5 -> 1 + 24 (even)
        {HAlign::Right, CellKind::DropDown, 0, 36, 50},     // room for the drop button
        {HAlign::Left, CellKind::DropDown, 0, 1, 1},
    };
    for (const Case &c : cases) {
        TextLayoutInput in = cellInput("abc");
        in.alignment = c.align;
        in.kind = c.kind;
        in.right = c.right;
        const TextLayout l = layoutCellText(in, fixedMeasure());
        ASSERT_EQ(l.linePoints.size(), 1u);
        EXPECT_EQ(l.lines[0].x, c.x) << int(c.align) << " kind " << int(c.kind);
        EXPECT_EQ(l.linePoints[0].x(), c.pointX) << int(c.align) << " kind " << int(c.kind);
    }
}

TEST(TextLayout, VerticalPlacementShowsWhatFits)
{
    // Captions of N lines of 12 pixels in a cell of height H (top border 1).
    struct Case
    {
        const char *name;
        VAlign align;
        int lines;
        int height;
        QStringList visible;
        std::vector<int> ys;
    } cases[] = {
        {"single centred", VAlign::Center, 1, 19, {"0"}, {4}},         // c = 10, top 10 - 6
        {"top hides the last", VAlign::Top, 4, 30, {"0", "1", "2"}, {1, 13, 25}},
        {"bottom hides the first", VAlign::Bottom, 4, 30, {"1", "2", "3"}, {-6, 6, 18}},
        {"centre odd shows the middle", VAlign::Center, 5, 30, {"1", "2", "3"}, {-3, 9, 21}},
        {"centre even shows the middle pair", VAlign::Center, 4, 26, {"1", "2"}, {1, 13}},
        {"centre even grows in pairs", VAlign::Center, 4, 30, {"0", "1", "2", "3"}, {-9, 3, 15, 27}},
        {"no room at all", VAlign::Center, 2, 1, {}, {}},
    };
    for (const Case &c : cases) {
        TextLayoutInput in = cellInput(QString(), 80, c.height);
        in.vAlignment = c.align;
        TextLayout layout;
        for (int i = 0; i < c.lines; ++i) {
            TextLine line;
            line.text = QString::number(i);
            line.width = 10;
            line.height = 12;
            layout.lines.push_back(line);
        }
        placeTextLines(in, layout);
        EXPECT_EQ(visibleTexts(layout), c.visible) << c.name;
        std::vector<int> ys;
        for (const QPoint &p : layout.linePoints)
            ys.push_back(p.y());
        EXPECT_EQ(ys, c.ys) << c.name;
    }
}

TEST(TextLayout, ButtonCentresWhateverItsAlignment)
{
    TextLayoutInput in = cellInput("OK");
    in.kind = CellKind::Button;
    in.alignment = HAlign::Right;
    in.vAlignment = VAlign::Top;
    const TextLayout l = layoutCellText(in, fixedMeasure());
    ASSERT_EQ(l.linePoints.size(), 1u);
    EXPECT_EQ(l.linePoints[0], QPoint(1 + 30, 4)); // 1 + 59 / 2 = 1 + 29.5 -> 1 + 30 (even)
}
