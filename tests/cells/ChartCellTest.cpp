#include "cells/ChartCell.h"
#include "ReportHooks.h"
#include "cells/CellWidgets.h"
#include "common/ReportError.h"
#include "report/CellInputOps.h"
#include "report/CellKindOps.h"
#include "report/ChartCellOps.h"
#include "report/ChartMarkerDrag.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

struct ChartCells : ::testing::Test
{
    Report r;
    cellvex::test::ReportHooks listener{r};
    std::vector<QString> changed;

    void SetUp() override
    {
        listener.changed = [this](int, int, const QString &v) { changed.push_back(v); };
    }
    Cell &cell() { return *r.cell(1, 2); }
    const Chart &chart() { return cell().chart()->chart; }
    bool makeChart(const QString &title = QStringLiteral("销售"), const QString &h = QStringLiteral("月份"),
                   const QString &v = QStringLiteral("金额"))
    {
        return setChartCell(r, 1, 2, title, h, v);
    }
    bool add(int type, const char *sign, const char *data)
    {
        return addChartSeries(r, 1, 2, type, QString::fromUtf8(sign), QString::fromUtf8(data));
    }
    QStringList entries() { return allSeriesText(r, 1, 2).split(QStringLiteral("\r\n")); }
    // Arms a drag of the marker at `point` (ascending x) of the entry `q`.
    void arm(int q, int point)
    {
        cell().chart()->dragSeries = q;
        cell().chart()->dragPoint = point;
    }
};

QImage picture(Qt::GlobalColor color)
{
    QImage img(8, 6, QImage::Format_RGB32);
    img.fill(color);
    return img;
}

} // namespace

TEST_F(ChartCells, SetChartCellChangesTheKindAndSetsTitleAndAxes)
{
    r.setCellCaption(1, 2, QStringLiteral("old"));
    setDropCell(r, 1, 2, QStringLiteral("a\r\nb"));
    changed.clear();
    r.setSaved(true);
    ASSERT_TRUE(
        makeChart(QStringLiteral("第一行\r\n第二行"), QStringLiteral("月份,10,1"), QStringLiteral("金额,2")));
    EXPECT_EQ(cell().kind(), CellKind::Chart);
    EXPECT_FALSE(cell().haveWidgetPanel()); // the drop button went
    EXPECT_EQ(cell().caption(), QString());
    EXPECT_EQ(changed, std::vector<QString>{QString()});
    EXPECT_FALSE(r.saved());

    EXPECT_EQ(chart().titleLines, (QStringList{QStringLiteral("第一行"), QStringLiteral("第二行")}));
    EXPECT_EQ(chart().titleFont.family(), r.fonts().font(cell().fontId()).family());
    const ChartAxis &bottom = chart().axis(AxisPosition::Bottom), &left = chart().axis(AxisPosition::Left);
    EXPECT_EQ(bottom.title, QStringLiteral("月份"));
    EXPECT_TRUE(bottom.logarithmic);
    EXPECT_EQ(bottom.logBase, 10);
    EXPECT_TRUE(bottom.inverted);
    EXPECT_TRUE(chart().axis(AxisPosition::Top).inverted);
    EXPECT_EQ(left.title, QStringLiteral("金额"));
    EXPECT_TRUE(left.logarithmic);
    EXPECT_EQ(left.logBase, 2);
    EXPECT_FALSE(left.inverted);
    EXPECT_EQ(left.titleAngle, 270);
    EXPECT_EQ(left.titleFont.family(), QLatin1Char('@') + chart().titleFont.family());
    EXPECT_EQ(chart().axis(AxisPosition::Right).title, QStringLiteral("金额"));

    QString t, h, v;
    chartTexts(r, 1, 2, t, h, v);
    EXPECT_EQ(h, QStringLiteral("月份,10,1"));

    // Again on a chart cell: the series stay, the texts are replaced; a base
    // of 1 or a non-digit token leaves the axis linear.
    ASSERT_TRUE(add(1, "1", "1,1"));
    ASSERT_TRUE(makeChart(QString(), QStringLiteral("x,1,1"), QStringLiteral("y,e")));
    EXPECT_EQ(chart().seriesCount(), 1);
    EXPECT_FALSE(chart().axis(AxisPosition::Bottom).logarithmic);
    EXPECT_TRUE(chart().axis(AxisPosition::Bottom).inverted);
    EXPECT_FALSE(chart().axis(AxisPosition::Left).logarithmic);
    EXPECT_TRUE(chart().titleLines.isEmpty());
}

TEST_F(ChartCells, AllSeriesTextListsEveryEntryWithCompanions)
{
    ASSERT_TRUE(makeChart());
    EXPECT_EQ(allSeriesText(r, 1, 2), QString());
    ASSERT_TRUE(add(1, "3,255,2,2,00", "1,5,2,7,3,6"));
    ASSERT_TRUE(add(8, "3,3", "1,1,2,4,3,9"));
    EXPECT_EQ(allSeriesText(r, 1, 2), QStringLiteral("1\r\n3,255,2,2,00\r\n1,5,2,7,3,6\r\n"
                                                     "8\r\n3,3\r\n1,1,2,4,3,9\r\n"
                                                     "0\r\n\r\n\r\n"));
    EXPECT_EQ(chart().seriesCount(), 3);
    EXPECT_EQ(allSeriesText(r, 2, 2), QString()); // not a chart cell

    // Nothing added: the entries stay as they were, the report unchanged.
    r.setSaved(true);
    EXPECT_FALSE(add(1, "3", "1,5,2,7"));
    EXPECT_FALSE(add(42, "1", "1,1"));
    EXPECT_THROW(add(1, "1", ".,1"), ReportError);
    EXPECT_EQ(chart().seriesCount(), 3);
    EXPECT_TRUE(r.saved());

    ASSERT_TRUE(clearChartSeries(r, 1, 2));
    EXPECT_EQ(chart().seriesCount(), 0);
    EXPECT_EQ(allSeriesText(r, 1, 2), QString());
    QString t, h, v;
    chartTexts(r, 1, 2, t, h, v);
    EXPECT_EQ(t, QStringLiteral("销售")); // texts and axes stay
    EXPECT_FALSE(r.saved());
}

TEST_F(ChartCells, CellsWithoutChartIgnoreTheChartOperations)
{
    EXPECT_FALSE(add(1, "1", "1,1"));
    EXPECT_FALSE(clearChartSeries(r, 1, 2));
    // A diagonal keeps the chart away: kind 11, no chart.
    r.setCellBorders(1, 2, 0, 2);
    ASSERT_TRUE(makeChart());
    EXPECT_EQ(cell().kind(), CellKind::Chart);
    EXPECT_FALSE(cell().haveChart());
    EXPECT_FALSE(add(1, "1", "1,1"));
    EXPECT_EQ(allSeriesText(r, 1, 2), QString());
    // Outside the grid.
    EXPECT_FALSE(setChartCell(r, 99, 0, {}, {}, {}));
    EXPECT_FALSE(addChartSeries(r, -1, 0, 1, QStringLiteral("1"), QStringLiteral("1,1")));
    // By alias only chart cells count.
    r.setCellAlias(3, 3, QStringLiteral("t"));
    EXPECT_FALSE(
        addChartSeriesByAlias(r, QStringLiteral("t"), 1, QStringLiteral("1"), QStringLiteral("1,1")));
}

TEST_F(ChartCells, APictureBecomesTheBackgroundAndComesBack)
{
    showCellPicture(cell(), picture(Qt::blue), true);
    ASSERT_TRUE(makeChart());
    EXPECT_TRUE(cell().flag(Cell::HaveChartImageFlag));
    EXPECT_EQ(chartBackground(cell()).pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_TRUE(chart().backgroundStretch);
    // The picture layer now holds the snapshot, at the cell's size.
    ASSERT_NE(cell().picture(), nullptr);
    EXPECT_EQ(cell().picture()->size(), QSize(r.colWidth(1), r.rowHeight(2)));

    ASSERT_TRUE(setTextCell(r, 1, 2, 0));
    EXPECT_FALSE(cell().haveChart());
    ASSERT_NE(cell().picture(), nullptr);
    EXPECT_EQ(cell().picture()->size(), QSize(8, 6));
    EXPECT_TRUE(cell().imageStretch());
    EXPECT_EQ(allSeriesText(r, 1, 2), QString());

    // Without a background the layer goes with the chart.
    ASSERT_TRUE(makeChart());
    setChartBackground(cell(), QImage(), false);
    ASSERT_TRUE(setDateTimeCell(r, 1, 2));
    EXPECT_FALSE(cell().haveImage());
    EXPECT_EQ(cell().picture(), nullptr);
}

TEST_F(ChartCells, PictureFilesReachTheChartBackground)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("b.bmp"));
    ASSERT_TRUE(picture(Qt::green).save(file, "BMP"));
    ASSERT_TRUE(makeChart());
    ASSERT_TRUE(setCellPicture(r, 1, 2, file, false));
    EXPECT_TRUE(cell().flag(Cell::HaveChartImageFlag));
    EXPECT_FALSE(cell().imageStretch());
    EXPECT_EQ(cell().picture()->size(), QSize(r.colWidth(1), r.rowHeight(2))); // still the snapshot
    // A file that is no picture changes nothing.
    const QString junk = dir.filePath(QStringLiteral("j.bmp"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("nothing");
    f.close();
    EXPECT_THROW(setCellPicture(r, 1, 2, junk, true), ReportError);
    EXPECT_EQ(chartBackground(cell()).pixelColor(0, 0), QColor(Qt::green));
    // An empty name clears it.
    ASSERT_TRUE(setCellPicture(r, 1, 2, QString(), true));
    EXPECT_FALSE(cell().flag(Cell::HaveChartImageFlag));
    EXPECT_TRUE(chartBackground(cell()).isNull());
}

TEST_F(ChartCells, SnapshotsFollowTheCellsSize)
{
    ASSERT_TRUE(makeChart());
    EXPECT_FALSE(refreshChartSnapshot(r, 1, 2));
    r.colRuler().setPoleRange(1, 150);
    EXPECT_TRUE(chartSnapshotStale(cell(), QSize(150, r.rowHeight(2))));
    EXPECT_EQ(refreshChartSnapshots(r), 1);
    EXPECT_EQ(cell().picture()->size(), QSize(150, r.rowHeight(2)));
    EXPECT_EQ(refreshChartSnapshots(r), 0);
}

TEST_F(ChartCells, DraggingAnAdjustableLineRewritesItsCurveList)
{
    ASSERT_TRUE(makeChart());
    ASSERT_TRUE(add(9, "2", "1,1,2,2"));
    EXPECT_EQ(cell().extensionIfAny()->seriesInfo[0].dataText, QStringLiteral("1,1,2,2,@1,1,2,2"));
    r.setSaved(true);
    arm(0, 0);
    const auto adjusted = moveDraggedMarker(r, 1, 2, 1, 3);
    ASSERT_TRUE(adjusted);
    EXPECT_EQ(adjusted->seriesType, 9);
    EXPECT_EQ(adjusted->signText, QStringLiteral("2"));
    EXPECT_EQ(adjusted->dataText, QStringLiteral("1,1,2,2,@1,3,2,2"));
    EXPECT_TRUE(adjusted->announce);
    EXPECT_EQ(entries().at(2), QStringLiteral("1,1,2,2,@1,3,2,2"));
    EXPECT_FALSE(r.saved());
    // The marker stays where it was; the line passes through the new point.
    EXPECT_EQ(chart().series(1).points()[0].y, 1);
    EXPECT_EQ(chart().series(0).points()[0].y, 3);
    EXPECT_EQ(chart().series(1).tag, 0);
    EXPECT_EQ(cell().chart()->dragSeries, -1);
    // Without an armed drag nothing moves.
    EXPECT_FALSE(moveDraggedMarker(r, 1, 2, 5, 5));
}

TEST_F(ChartCells, DraggedMarkersCountInAscendingX)
{
    ASSERT_TRUE(makeChart());
    ASSERT_TRUE(add(1, "1", "0,0")); // the pair does not start at 0
    ASSERT_TRUE(add(10, "3", "3,3,1,1,2,2"));
    // The first marker in ascending x is the list's second point.
    arm(1, 0);
    const auto adjusted = moveDraggedMarker(r, 1, 2, 0.5, 0.25);
    ASSERT_TRUE(adjusted);
    EXPECT_EQ(adjusted->dataText, QStringLiteral("3,3,1,1,2,2,@3,3,0.5,0.25,2,2"));
    // Values are written in the general format with 15 digits.
    arm(1, 2);
    const auto again = moveDraggedMarker(r, 1, 2, 1.0 / 3, 1e20);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->dataText, QStringLiteral("3,3,1,1,2,2,@0.333333333333333,1E20,0.5,0.25,2,2"));
    EXPECT_EQ(chart().series(1).count(), 1001); // the spline is drawn again
}

TEST_F(ChartCells, DraggingAFittedCurveMovesItsMarker)
{
    ASSERT_TRUE(makeChart());
    ASSERT_TRUE(add(11, "3,3", "0,0@1,1,2,4,3,9"));
    EXPECT_EQ(chart().series(1).points()[1].y, 4);
    arm(0, 1);
    const auto adjusted = moveDraggedMarker(r, 1, 2, 2, 5);
    ASSERT_TRUE(adjusted);
    EXPECT_EQ(adjusted->dataText, QStringLiteral("0,0@1,1,2,5,3,9"));
    EXPECT_EQ(chart().series(1).points()[1].y, 5);
    // The read-only switch keeps the change but tells nobody.
    setCellReadOnly(r, 1, 2, true);
    EXPECT_EQ(chart().series(1).pointCursor, int(Qt::ArrowCursor));
    arm(0, 0);
    const auto quiet = moveDraggedMarker(r, 1, 2, 1, 2);
    ASSERT_TRUE(quiet);
    EXPECT_FALSE(quiet->announce);
}

TEST_F(ChartCells, CopiedCellsOwnTheirCharts)
{
    ASSERT_TRUE(makeChart());
    ASSERT_TRUE(add(1, "1", "1,1"));
    Cell copy = cell();
    ASSERT_NE(copy.chart(), nullptr);
    EXPECT_NE(copy.chart(), cell().chart());
    ASSERT_TRUE(clearChartSeries(r, 1, 2));
    EXPECT_EQ(copy.chart()->chart.seriesCount(), 1);
}
