#include "chart/AxisTitleText.h"
#include "chart/ChartPainter.h"
#include "chart/VerticalText.h"

#include <gtest/gtest.h>

using namespace cellvex;

TEST(VerticalText, WhatStandsUprightInAColumn)
{
    const std::pair<char32_t, bool> rows[] = {
        {U'金', true},  {U'あ', true},  {U'カ', true},  {U'한', true},   {U'Ａ', true}, {U'。', true},
        {U'（', false}, {U'）', false}, {U'「', false}, {U'ー', false},  {U'A', false}, {U'1', false},
        {U' ', false},  {U'—', false},  {U'～', false}, {0x20000, true},
    };
    for (auto [c, upright] : rows)
        EXPECT_EQ(VerticalText::isUpright(c), upright) << std::hex << unsigned(c);
}

TEST(AxisTitleText, TitlesTakeTheShapeOfTheirAngleOrWriting)
{
    struct Row
    {
        const char *family;
        int angle;
        bool tall;
    };
    const Row rows[] = {
        {"宋体", 0, false}, {"宋体", 90, true},   {"宋体", 270, true}, {"宋体", 180, false},
        {"@宋体", 0, true}, {"@宋体", 270, true}, {"@宋体", 90, true},
    };
    for (const Row &r : rows) {
        QFont font(QString::fromUtf8(r.family));
        font.setPixelSize(12);
        const QSizeF size = AxisTitleText::size(QStringLiteral("金额（万元）"), font, r.angle);
        EXPECT_EQ(size.height() > size.width() * 2, r.tall) << r.family << " " << r.angle;
        EXPECT_EQ(size.width() > size.height() * 2, !r.tall) << r.family << " " << r.angle;
    }
    // Stacked, each ideograph takes a line: six characters, six lines or so.
    QFont vertical(QStringLiteral("@宋体"));
    vertical.setPixelSize(12);
    const QSizeF column = AxisTitleText::size(QStringLiteral("金额万元"), vertical, 270);
    EXPECT_GT(column.height(), 4 * 12);
    EXPECT_LT(column.width(), 2 * 12);
}

TEST(AxisTitleText, VerticalWritingInksAColumnBesideThePlot)
{
    Chart chart;
    ChartSeries s(SeriesKind::Line);
    s.addXY(0, 0);
    s.addXY(1, 1);
    chart.addSeries(s);
    ChartAxis &left = chart.axis(AxisPosition::Left);
    left.title = QStringLiteral("金额（万元）");
    left.titleFont = QFont(QStringLiteral("@宋体"));
    left.titleFont.setPixelSize(14);
    const QSize size(300, 240);
    const ChartLayout layout(chart, size);
    const QRect box = layout.axisTitleRect(AxisPosition::Left).toAlignedRect();
    ASSERT_GT(box.height(), box.width() * 3);
    EXPECT_LT(box.right(), layout.plotArea().left());
    const QImage img = renderChart(chart, size);
    // Ink in the upper and lower half of the column: the text runs down it.
    auto inkIn = [&](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += qGray(img.pixel(x, y)) < 128 ? 1 : 0;
        return n;
    };
    const QRect upper(box.left(), box.top(), box.width(), box.height() / 2);
    const QRect lower(box.left(), box.top() + box.height() / 2, box.width(), box.height() / 2);
    EXPECT_GT(inkIn(upper), 30);
    EXPECT_GT(inkIn(lower), 30);
}
