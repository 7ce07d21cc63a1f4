#include "cells/WidgetGeometry.h"
#include "cells/CellWidgets.h"

#include <gtest/gtest.h>

#include <limits>

using namespace cellvex;

TEST(WidgetGeometry, WidgetsSitInsideTheBorders)
{
    struct Case
    {
        const char *name;
        CellFrame frame;
        QRect check, drop, arrowImage;
        std::vector<QRect> arrow;
    } cases[] = {
        {"default cell",
         {80, 19, 1, 1, 0, 0},
         QRect(1, 1, 79, 18),
         QRect(66, 1, 14, 18),
         QRect(67, 2, 12, 16),
         {QRect(70, 8, 7, 1), QRect(71, 9, 5, 1), QRect(72, 10, 3, 1), QRect(73, 11, 1, 1)}},
        {"wide right and bottom borders",
         {80, 19, 1, 1, 2, 3},
         QRect(1, 1, 77, 15),
         QRect(64, 1, 14, 15),
         QRect(65, 2, 12, 13),
         {QRect(68, 6, 7, 1), QRect(69, 7, 5, 1), QRect(70, 8, 3, 1), QRect(71, 9, 1, 1)}},
        {"a row too low for the arrow",
         {80, 4, 1, 1, 0, 0},
         QRect(1, 1, 79, 3),
         QRect(66, 1, 14, 3),
         QRect(67, 2, 12, 1),
         {QRect(72, 2, 3, 1)}},
        {"borders leave no room", {10, 5, 5, 3, 5, 2}, QRect(), QRect(), QRect(), {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(checkBoxRect(c.frame), c.check);
        EXPECT_EQ(dropButtonRect(c.frame), c.drop);
        EXPECT_EQ(dropArrowImageRect(c.frame), c.arrowImage);
        EXPECT_EQ(dropArrowRows(c.frame), c.arrow);
        EXPECT_EQ(buttonFaceRect(c.frame), QRect(0, 0, c.frame.width, c.frame.height));
    }
}

TEST(WidgetGeometry, HugeCellsDoNotOverflow)
{
    const int big = std::numeric_limits<int>::max();
    const CellFrame f{big, big, 0, 0, 0, 0};
    EXPECT_EQ(checkBoxRect(f).width(), big);
    EXPECT_EQ(dropButtonRect(f).left(), big - kDropButtonWidth);
    EXPECT_EQ(dropButtonRect(f).height(), big);
    const CellFrame wideBorders{100, 100, big, 0, big, 0};
    EXPECT_TRUE(checkBoxRect(wideBorders).isEmpty());
}

TEST(WidgetGeometry, HitTestFindsTheWidgetUnderThePoint)
{
    Cell text, drop, check, button;
    drop.setKind(CellKind::DropDown);
    attachDropButton(drop, QStringLiteral("a"));
    check.setKind(CellKind::CheckBox);
    attachCheckBox(check, QStringLiteral("c"));
    button.setKind(CellKind::Button);
    attachButtonFace(button, QStringLiteral("b"), QString(), 0);
    const CellFrame f{80, 19, 1, 1, 0, 0};
    struct Case
    {
        const Cell *cell;
        QPoint at;
        CellWidgetPart part;
    } cases[] = {
        {&text, {70, 10}, CellWidgetPart::None},       {&drop, {70, 10}, CellWidgetPart::DropButton},
        {&drop, {66, 10}, CellWidgetPart::None}, // the drop button's rim is not the arrow image
        {&drop, {30, 10}, CellWidgetPart::None},       {&check, {1, 1}, CellWidgetPart::CheckBox},
        {&check, {60, 10}, CellWidgetPart::CheckBox}, // the label belongs to the box
        {&check, {0, 10}, CellWidgetPart::None},      // on the border
        {&button, {0, 0}, CellWidgetPart::ButtonFace}, {&button, {80, 19}, CellWidgetPart::None},
    };
    for (const Case &c : cases)
        EXPECT_EQ(widgetAt(*c.cell, f, c.at), c.part) << c.at.x() << "," << c.at.y();
}
