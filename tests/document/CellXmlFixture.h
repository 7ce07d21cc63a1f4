#pragma once

#include "cells/CellWidgets.h"
#include "cells/ChartCell.h"
#include "report/CellKindOps.h"
#include "report/ChartCellOps.h"
#include "report/Report.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace cellvex::test {

// A small opaque picture whose pixels tell it apart from another one.
inline QImage markedPicture(QRgb colour, int w = 6, int h = 4)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h / 2, QColor::fromRgb(colour));
    p.end();
    return image;
}

// Two series a chart accepts, as (type, sign text, data text).
struct SeriesTexts
{
    int type;
    QString sign;
    QString data;
};
inline const SeriesTexts kSeries[] = {
    {1, QStringLiteral("3,255,2,2,00"), QStringLiteral("1,5,2,7,3,6")},
    {8, QStringLiteral("3,3"), QStringLiteral("1,1,2,4,3,9")},
};

inline void makeChart(Report &report, int col, int row, bool withPicture)
{
    ASSERT_TRUE(
        setChartCell(report, col, row, QStringLiteral("标题"), QStringLiteral("x"), QStringLiteral("y")));
    for (const SeriesTexts &s : kSeries)
        ASSERT_TRUE(addChartSeries(report, col, row, s.type, s.sign, s.data));
    if (withPicture) {
        setChartBackground(*report.cell(col, row), markedPicture(qRgb(0, 0, 200)), true);
        rebuildChartSnapshot(report, col, row);
    }
}

// The series entries of the cell are those makeChart gives a chart.
inline void expectSeries(const Report &report, int col, int row)
{
    Report reference;
    reference.newReport(1, 1);
    makeChart(reference, 0, 0, false);
    const CellExtension *expected = reference.cell(0, 0)->extensionIfAny();
    const CellExtension *ext = report.cell(col, row)->extensionIfAny();
    ASSERT_TRUE(ext);
    ASSERT_EQ(ext->seriesInfo.size(), expected->seriesInfo.size());
    for (qsizetype n = 0; n < ext->seriesInfo.size(); ++n) {
        EXPECT_EQ(ext->seriesInfo[n].seriesType, expected->seriesInfo[n].seriesType);
        EXPECT_EQ(ext->seriesInfo[n].signText, expected->seriesInfo[n].signText);
        EXPECT_EQ(ext->seriesInfo[n].dataText, expected->seriesInfo[n].dataText);
    }
}

inline qsizetype seriesCount(const Report &report, int col, int row)
{
    const CellExtension *ext = report.cell(col, row)->extensionIfAny();
    return ext ? ext->seriesInfo.size() : 0;
}

// Pictures compared by their pixels, whatever format they were read back in.
inline bool samePixels(const QImage &a, const QImage &b)
{
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

inline QImage cellPicture(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    return c && c->haveImage() && c->picture() ? *c->picture() : QImage();
}

// Every caption of the report, column by column, for "nothing changed" checks.
inline QStringList allCaptions(const Report &report)
{
    QStringList out;
    for (int c = 0; c < report.colCount(); ++c)
        for (int r = 0; r < report.rowCount(); ++r)
            out << report.cell(c, r)->caption();
    return out;
}

} // namespace cellvex::test
