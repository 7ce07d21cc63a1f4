#include "ControlFixture.h"
#include "cells/ChartCell.h"
#include "chart/ChartLayout.h"
#include "control/CellSurface.h"
#include "grid/selection/CellHitTest.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

struct ChartMembers : ::testing::Test, test::ControlFixture
{
    void SetUp() override
    {
        ASSERT_EQ(o->NewReport(4, 6), S_OK);
        // A roomy cell, so the markers lie well apart.
        ASSERT_EQ(o->SetColWidth(2, 300), S_OK);
        ASSERT_EQ(o->SetRowHeight(2, 200), S_OK);
        ASSERT_EQ(o->SetChartCell(2, 2, QStringLiteral("标题"), QStringLiteral("x"), QStringLiteral("y")),
                  S_OK);
    }
    QString allSeries(int col = 2, int row = 2)
    {
        QString out = QStringLiteral("untouched");
        EXPECT_EQ(o->GetCellAllSeriesesText(col, row, &out), S_OK);
        return out;
    }
    Cell &chartCell() { return *c().report().cell(1, 1); }
    const Chart &chart() { return chartCell().chart()->chart; }
    ChartLayout layout() { return ChartLayout(chart(), chartCell().picture()->size()); }

    // The left mouse on the surface at a point of cell (1, 1).
    void mouse(QEvent::Type type, QPointF inCell, Qt::MouseButton button = Qt::LeftButton)
    {
        const Report &r = c().report();
        const ReportRect cell = r.cellRect(1, 1);
        const QPoint p(int(cell.x - surfaceOriginX(r)) + qRound(inCell.x()),
                       int(cell.y - surfaceOriginY(r)) + qRound(inCell.y()));
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, p, c().cellSurface()->mapToGlobal(p), button, held, Qt::NoModifier);
        QApplication::sendEvent(c().cellSurface(), &e);
    }
    // Drags the marker `point` of series `markers` to where the curve series
    // would show (x, y).
    void drag(int markers, int point, double x, double y)
    {
        const ChartLayout l = layout();
        const std::optional<QPointF> from =
            l.pointPosition(chart().series(markers), chart().series(markers).points()[size_t(point)]);
        const std::optional<QPointF> to = l.pointPosition(chart().series(markers - 1), ChartPoint{x, y, {}});
        ASSERT_TRUE(from && to);
        mouse(QEvent::MouseButtonPress, *from);
        mouse(QEvent::MouseMove, (*from + *to) / 2);
        mouse(QEvent::MouseMove, *to);
        mouse(QEvent::MouseButtonRelease, *to);
    }
    std::vector<test::RaisedEvent> adjusted()
    {
        std::vector<test::RaisedEvent> out;
        for (const test::RaisedEvent &e : sink.raised)
            if (e.name == "OnAdjustedSeries")
                out.push_back(e);
        return out;
    }
};

// The two numbers after the "@" of a data text, for the entry at `index`.
std::pair<double, double> curvePoint(const QString &data, int index)
{
    const QStringList list = data.section(QLatin1Char('@'), 1).split(QLatin1Char(','));
    return {list.at(2 * index).toDouble(), list.at(2 * index + 1).toDouble()};
}

} // namespace

TEST_F(ChartMembers, MembersAddReadAndClearSeries)
{
    EXPECT_EQ(o->AddChartSeries(2, 2, 1, QStringLiteral("3,255,2,2,00"), QStringLiteral("1,5,2,7,3,6")),
              S_OK);
    EXPECT_EQ(o->AddChartSeries(2, 2, 8, QStringLiteral("3,3"), QStringLiteral("1,1,2,4,3,9")), S_OK);
    EXPECT_EQ(allSeries().count(QStringLiteral("\r\n")), 9);
    QString t, h, v;
    ASSERT_EQ(o->GetCellChartText(2, 2, &t, &h, &v), S_OK);
    EXPECT_EQ(t + h + v, QStringLiteral("标题xy"));
    ASSERT_EQ(o->GetCellChartText(1, 1, &t, &h, &v), S_OK);
    EXPECT_EQ(t + h + v, QString());
    EXPECT_EQ(allSeries(1, 1), QString());

    // A value that looks numeric but is none fails the call with a message;
    // nothing is added.
    const QString before = allSeries();
    EXPECT_NE(o->AddChartSeries(2, 2, 1, QStringLiteral("1"), QStringLiteral(".,1")), S_OK);
    EXPECT_THROW(
        m().call(MemberId::AddChartSeries,
                 {Variant::fromLong(2), Variant::fromLong(2), Variant::fromLong(1),
                  Variant::fromString(QStringLiteral("1")), Variant::fromString(QStringLiteral(".,1"))}),
        ReportError);
    EXPECT_EQ(allSeries(), before);

    // By alias, only on chart cells; the misspelt clearing member is the real one.
    ASSERT_EQ(o->SetCellAlias(2, 2, QStringLiteral("Chart")), S_OK);
    ASSERT_EQ(o->SetCellAlias(3, 3, QStringLiteral("Text")), S_OK);
    EXPECT_EQ(
        o->AddChartSeriesByAlias(QStringLiteral("Chart"), 6, QStringLiteral("1,1"), QStringLiteral("5,甲")),
        S_OK);
    EXPECT_EQ(allSeries(), before + QStringLiteral("6\r\n1,1\r\n5,甲\r\n"));
    EXPECT_EQ(o->ClearChartSereisByAlias(QStringLiteral("Text")), S_OK);
    EXPECT_NE(allSeries(), QString());
    EXPECT_EQ(o->ClearChartSereisByAlias(QStringLiteral("Chart")), S_OK);
    EXPECT_EQ(allSeries(), QString());
    ASSERT_EQ(o->GetCellChartText(2, 2, &t, &h, &v), S_OK);
    EXPECT_EQ(t, QStringLiteral("标题"));

    // Another kind removes the chart.
    EXPECT_EQ(o->AddChartSeries(2, 2, 1, QStringLiteral("1"), QStringLiteral("1,1")), S_OK);
    EXPECT_EQ(o->SetTextCell(2, 2, 0), S_OK);
    EXPECT_EQ(allSeries(), QString());
    EXPECT_FALSE(chartCell().haveChart());
}

TEST_F(ChartMembers, DraggingAMarkerTellsTheHost)
{
    ASSERT_EQ(o->AddChartSeries(2, 2, 9, QStringLiteral("2"), QStringLiteral("1,1,2,2")), S_OK);
    show();
    ASSERT_EQ(o->put_Saved(true), S_OK);
    sink.raised.clear();
    drag(1, 0, 1, 3);
    const auto events = adjusted();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].args[0].asLong(), 2);
    EXPECT_EQ(events[0].args[1].asLong(), 2);
    EXPECT_EQ(events[0].args[2].asLong(), 9);
    EXPECT_EQ(events[0].args[3].asString(), QStringLiteral("2"));
    const QString data = events[0].args[4].asString();
    EXPECT_TRUE(data.startsWith(QStringLiteral("1,1,2,2,@"))) << data.toStdString();
    const auto [x, y] = curvePoint(data, 0);
    // A pixel of this chart is worth well under a tenth on both axes.
    EXPECT_NEAR(x, 1, 0.1);
    EXPECT_NEAR(y, 3, 0.1);
    EXPECT_EQ(curvePoint(data, 1), std::make_pair(2.0, 2.0));
    EXPECT_TRUE(allSeries().contains(data));
    EXPECT_FALSE(saved());
    // The marker stays, the click still selected the cell.
    EXPECT_EQ(chart().series(1).points()[0].y, 1);
    EXPECT_EQ(c().report().inputCol(), 1);
    EXPECT_EQ(chartCell().chart()->dragSeries, -1);
}

TEST_F(ChartMembers, ReadOnlyChartsAndOtherPressesStartNoDrag)
{
    ASSERT_EQ(o->AddChartSeries(2, 2, 10, QStringLiteral("2"), QStringLiteral("1,1,3,2")), S_OK);
    show();
    const QString before = allSeries();
    ASSERT_EQ(o->SetCellReadOnly(2, 2, true), S_OK);
    sink.raised.clear();
    drag(1, 0, 2, 2);
    EXPECT_TRUE(adjusted().empty());
    EXPECT_EQ(allSeries(), before);
    ASSERT_EQ(o->SetCellReadOnly(2, 2, false), S_OK);
    // A press beside the markers starts nothing either.
    mouse(QEvent::MouseButtonPress, QPointF(2, 2));
    mouse(QEvent::MouseButtonRelease, QPointF(40, 40));
    EXPECT_TRUE(adjusted().empty());
    // A right press on a marker is no drag.
    const ChartLayout l = layout();
    const QPointF at = *l.pointPosition(chart().series(1), chart().series(1).points()[0]);
    mouse(QEvent::MouseButtonPress, at, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, at + QPointF(20, 0), Qt::RightButton);
    EXPECT_TRUE(adjusted().empty());
    EXPECT_EQ(allSeries(), before);
}

TEST_F(ChartMembers, AHandlerThatRebuildsTheReportEndsTheDrag)
{
    ASSERT_EQ(o->AddChartSeries(2, 2, 9, QStringLiteral("2"), QStringLiteral("1,1,2,2")), S_OK);
    show();
    // A click handler may replace the report between press and release.
    sink.reply = [&](DispId id, std::vector<Variant> &) {
        if (id == 12) { // OnCellLClick
            sink.reply = nullptr;
            o->NewReport(2, 2);
        }
        return S_OK;
    };
    drag(1, 0, 1, 3);
    EXPECT_TRUE(adjusted().empty());
    EXPECT_EQ(c().report().colCount(), 2);
}

TEST_F(ChartMembers, ChartsSurviveSavingAndOpening)
{
    ASSERT_EQ(o->AddChartSeries(2, 2, 1, QStringLiteral("3,255"), QStringLiteral("1,5,2,7,3,6")), S_OK);
    ASSERT_EQ(o->AddChartSeries(2, 2, 11, QStringLiteral("3,3"), QStringLiteral("0,0@1,1,2,4,3,9")), S_OK);
    const QString series = allSeries();
    QString stored;
    ASSERT_EQ(o->SaveString(&stored), S_OK);
    ASSERT_EQ(o->NewReport(2, 2), S_OK);
    ASSERT_EQ(o->OpenString(stored), S_OK);
    EXPECT_EQ(allSeries(), series);
    ASSERT_TRUE(chartCell().haveChart());
    EXPECT_EQ(chart().seriesCount(), 3);
    EXPECT_EQ(chart().series(1).count(), 1001);
    EXPECT_EQ(chart().series(2).tag, 1);
    EXPECT_EQ(chartCell().picture()->size(), QSize(300, 200));
    QString t, h, v;
    ASSERT_EQ(o->GetCellChartText(2, 2, &t, &h, &v), S_OK);
    EXPECT_EQ(t, QStringLiteral("标题"));
}

TEST_F(ChartMembers, HtmlExportWritesTheChartAtItsPresentSize)
{
    ASSERT_EQ(o->AddChartSeries(2, 2, 2, QStringLiteral("2"), QStringLiteral("5,a,7,b")), S_OK);
    // Widened after the chart was drawn: the export draws it again first.
    ASSERT_EQ(o->SetColWidth(2, 240), S_OK);
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("r"));
    QString html;
    ASSERT_EQ(o->TransHtml(false, 1, 1, 4, 6, base, &html), S_OK);
    EXPECT_TRUE(html.contains(QStringLiteral("r_C1C1.bmp")));
    const QImage written(base + QStringLiteral("_C1C1.Bmp"));
    EXPECT_EQ(written.size(), QSize(240, 200));
}

TEST_F(ChartMembers, ThePointerOffersTheMoveOverDraggableMarkers)
{
    ASSERT_EQ(o->AddChartSeries(2, 2, 9, QStringLiteral("2"), QStringLiteral("1,1,2,2")), S_OK);
    show();
    const QPointF marker = *layout().pointPosition(chart().series(1), chart().series(1).points()[1]);
    auto hover = [&](QPointF at) {
        const Report &r = c().report();
        const ReportRect cell = r.cellRect(1, 1);
        const QPoint p(int(cell.x - surfaceOriginX(r)) + qRound(at.x()),
                       int(cell.y - surfaceOriginY(r)) + qRound(at.y()));
        QMouseEvent e(QEvent::MouseMove, p, c().cellSurface()->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(c().cellSurface(), &e);
        return c().cellSurface()->cursor().shape();
    };
    EXPECT_EQ(hover(marker), Qt::SizeAllCursor);
    EXPECT_EQ(hover(QPointF(3, 3)), Qt::ArrowCursor);
    ASSERT_EQ(o->SetCellReadOnly(2, 2, true), S_OK);
    EXPECT_EQ(hover(marker), Qt::ArrowCursor);
}
