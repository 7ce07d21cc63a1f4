#include "ControlFixture.h"
#include "MemberCalls.h"
#include "cells/CellWidgets.h"
#include "cells/ChartCell.h"
#include "control/CellvexObject.h"
#include "control/ClipboardPort.h"
#include "document/XmlDocument.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

const std::string_view kFollowed[] = {"OnInputChange", "OnSelectChange"};

struct ClipboardMembers : ::testing::Test, test::ControlFixture
{
    ClipboardMembers() : ControlFixture(kFollowed) {}
    void SetUp() override
    {
        ASSERT_EQ(o->NewReport(4, 4), S_OK);
        clipboard.put(QStringLiteral("nothing of ours"), QString());
    }

    QRect selected()
    {
        int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
        m().GetSelectedCell(c1, r1, c2, r2);
        return QRect(QPoint(c1, r1), QPoint(c2, r2));
    }
    Cell &cell(int col, int row) { return *c().report().cell(col - 1, row - 1); }

    SystemClipboard clipboard;
};

QImage picture(QRgb colour)
{
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST_F(ClipboardMembers, CopyAndPasteACellBlock)
{
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("a")), S_OK);
    ASSERT_EQ(o->SetCellValue(2, 2, QStringLiteral("b")), S_OK);
    ASSERT_EQ(o->put_Saved(true), S_OK);
    sink.log.clear();
    ASSERT_EQ(o->CopyCell(1, 1, 2, 2), S_OK);
    EXPECT_TRUE(saved());
    EXPECT_EQ(selected(), QRect(1, 1, 2, 2));
    EXPECT_TRUE(clipboard.text().startsWith(QStringLiteral("ClpCell--")));
    EXPECT_EQ(sink.take(), QStringList({"input 1,1", "select 1,1,2,2"}));

    ASSERT_EQ(o->PasteCell(3, 3, false), S_OK);
    EXPECT_EQ(value(3, 3), QStringLiteral("a"));
    EXPECT_EQ(value(4, 4), QStringLiteral("b"));
    EXPECT_EQ(value(1, 1), QStringLiteral("a"));
    EXPECT_FALSE(saved());
    EXPECT_EQ(selected(), QRect(3, 3, 2, 2));
    EXPECT_EQ(sink.take(), QStringList({"input 3,3", "select 3,3,4,4"}));
}

TEST_F(ClipboardMembers, AnAreaBeyondTheGridIsCutOffOrTheGridGrows)
{
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("a")), S_OK);
    ASSERT_EQ(o->SetCellValue(2, 2, QStringLiteral("b")), S_OK);
    ASSERT_EQ(o->CopyCell(1, 1, 2, 2), S_OK);
    ASSERT_EQ(o->PasteCell(4, 4, false), S_OK);
    EXPECT_EQ(m().ColCount(), 4);
    EXPECT_EQ(value(4, 4), QStringLiteral("a"));
    EXPECT_EQ(selected(), QRect(4, 4, 1, 1));
    ASSERT_EQ(o->PasteCell(4, 4, true), S_OK);
    EXPECT_EQ(m().ColCount(), 5);
    EXPECT_EQ(m().RowCount(), 5);
    EXPECT_EQ(value(5, 5), QStringLiteral("b"));
    EXPECT_EQ(selected(), QRect(4, 4, 2, 2));
}

TEST_F(ClipboardMembers, EachPasteTakesOnlyItsOwnKindOfCopy)
{
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("a")), S_OK);
    struct Case
    {
        bool copyFull;
        bool pasteFull;
    };
    for (const Case k : {Case{false, true}, Case{true, false}}) {
        ASSERT_EQ(k.copyFull ? o->CopyCell(1, 1, 1, 1) : o->CopyCellText(1, 1, 1, 1), S_OK);
        sink.log.clear();
        ASSERT_EQ(k.pasteFull ? o->PasteCell(3, 3, false) : o->PasteCellText(3, 3, false), S_OK);
        EXPECT_EQ(value(3, 3), QString());
        EXPECT_TRUE(sink.log.empty());
    }
    clipboard.put(QStringLiteral("a\tb"), QString());
    ASSERT_EQ(o->PasteCell(3, 3, false), S_OK);
    ASSERT_EQ(o->PasteCellText(3, 3, false), S_OK);
    EXPECT_EQ(value(3, 3), QString());
}

TEST_F(ClipboardMembers, RangesAndTargetsThatBreakTheRulesDoNothing)
{
    ASSERT_EQ(o->MergeCell(2, 2, 3, 3), S_OK);
    select(1, 1);
    const QRect ranges[] = {QRect(QPoint(1, 1), QPoint(2, 2)), QRect(QPoint(0, 1), QPoint(1, 1)),
                            QRect(QPoint(2, 1), QPoint(1, 1)), QRect(QPoint(1, 1), QPoint(5, 1)),
                            QRect(QPoint(3, 3), QPoint(4, 4))};
    for (const QRect &r : ranges) {
        SCOPED_TRACE(testing::Message()
                     << r.left() << "," << r.top() << "," << r.right() << "," << r.bottom());
        ASSERT_EQ(o->CopyCell(r.left(), r.top(), r.right(), r.bottom()), S_OK);
        ASSERT_EQ(o->CutCellText(r.left(), r.top(), r.right(), r.bottom()), S_OK);
        EXPECT_EQ(clipboard.text(), QStringLiteral("nothing of ours"));
        EXPECT_EQ(selected(), QRect(1, 1, 1, 1));
        EXPECT_TRUE(sink.log.empty());
    }
    ASSERT_EQ(o->CopyCell(2, 2, 3, 3), S_OK);
    sink.log.clear();
    // A covered cell is no target.
    ASSERT_EQ(o->PasteCell(3, 3, false), S_OK);
    EXPECT_TRUE(sink.log.empty());
}

TEST_F(ClipboardMembers, CutsEmptyTheRange)
{
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("a")), S_OK);
    ASSERT_EQ(o->SetCellBackColor(1, 1, 0x00FF00), S_OK);
    ASSERT_EQ(o->SetCellValue(2, 1, QStringLiteral("b")), S_OK);
    ASSERT_EQ(o->SetCellBackColor(2, 1, 0x0000FF), S_OK);
    ASSERT_EQ(o->put_Saved(true), S_OK);
    ASSERT_EQ(o->CutCell(1, 1, 1, 1), S_OK);
    EXPECT_FALSE(saved());
    EXPECT_EQ(value(1, 1), QString());
    EXPECT_EQ(m().GetCellBackColor(1, 1), ColorRef(0xFFFFFF));
    ASSERT_EQ(o->CutCellText(2, 1, 2, 1), S_OK);
    EXPECT_EQ(value(2, 1), QString());
    EXPECT_EQ(m().GetCellBackColor(2, 1), ColorRef(0x0000FF));
    ASSERT_EQ(o->PasteCellText(1, 1, false), S_OK);
    EXPECT_EQ(value(1, 1), QStringLiteral("b"));
}

TEST_F(ClipboardMembers, BlocksTravelBetweenTwoControls)
{
    ASSERT_EQ(o->MergeCell(1, 1, 2, 2), S_OK);
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("合并")), S_OK);
    ASSERT_EQ(o->SetChartCell(3, 1, QStringLiteral("标题"), QStringLiteral("x"), QStringLiteral("y")), S_OK);
    ASSERT_EQ(o->AddChartSeries(3, 1, 1, QStringLiteral("3,255,2,2,00"), QStringLiteral("1,5,2,7,3,6")),
              S_OK);
    setChartBackground(cell(3, 1), picture(qRgb(0, 0, 200)), false);
    showCellPicture(cell(3, 2), picture(qRgb(200, 0, 0)), true);
    ASSERT_EQ(o->CopyCell(1, 1, 3, 2), S_OK);

    test::ControlObject other;
    ASSERT_EQ(other.o->NewReport(5, 5), S_OK);
    ASSERT_EQ(other.o->PasteCell(2, 2, false), S_OK);
    const Report &r = other.c().report();
    EXPECT_EQ(r.cell(1, 1)->sign(), MergeSign::Master);
    EXPECT_EQ(r.cell(1, 1)->block().right, 2);
    EXPECT_EQ(r.cell(1, 1)->block().bottom, 2);
    EXPECT_EQ(other.value(2, 2), QStringLiteral("合并"));
    ASSERT_TRUE(r.cell(3, 1)->chart());
    EXPECT_EQ(r.cell(3, 1)->extensionIfAny()->seriesInfo.size(), 1);
    EXPECT_EQ(chartBackground(*r.cell(3, 1)).pixel(0, 0), qRgb(0, 0, 200));
    ASSERT_TRUE(r.cell(3, 2)->picture());
    EXPECT_EQ(r.cell(3, 2)->picture()->pixel(0, 0), qRgb(200, 0, 0));
    EXPECT_TRUE(r.cell(3, 2)->imageStretch());

    // The content shape carries values only: the other control's formats stay.
    ASSERT_EQ(other.o->NewReport(5, 5), S_OK);
    ASSERT_EQ(other.o->SetChartCell(1, 1, QString(), QString(), QString()), S_OK);
    ASSERT_EQ(other.o->SetCellBackColor(2, 1, 0x00FF00), S_OK);
    ASSERT_EQ(o->CopyCellText(3, 1, 3, 2), S_OK);
    ASSERT_EQ(other.o->PasteCellText(1, 1, false), S_OK);
    EXPECT_EQ(r.cell(0, 0)->extensionIfAny()->seriesInfo.size(), 1);
    ASSERT_TRUE(r.cell(0, 1)->picture());
    EXPECT_FALSE(r.cell(0, 1)->imageStretch());
}

TEST_F(ClipboardMembers, ACopyOffersAnHtmlTableBeside)
{
    ASSERT_EQ(o->MergeCell(1, 1, 2, 1), S_OK);
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("x&y")), S_OK);
    ASSERT_EQ(o->CopyCellText(1, 1, 2, 2), S_OK);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data && data->hasHtml());
    const XmlDocument doc = XmlDocument::parse(data->html());
    const XmlElement td = doc.root().children().at(1).firstChild().firstChild().firstChild();
    EXPECT_EQ(td.attribute("colspan").value_or(QString()), QStringLiteral("2"));
    EXPECT_EQ(td.text(), QStringLiteral("x&y"));
    EXPECT_TRUE(data->text().startsWith(QStringLiteral("ClpText--")));
}

TEST_F(ClipboardMembers, AClipboardTextThatCannotBeReadFailsAndChangesNothing)
{
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("keep")), S_OK);
    select(2, 2);
    for (const QString &text :
         {QStringLiteral("ClpCell--AAAA"), QStringLiteral("ClpCell--eJzLSM3JyQcABiwCFQ==")}) {
        clipboard.put(text, QString());
        try {
            m().call(MemberId::PasteCell,
                     {Variant::fromLong(1), Variant::fromLong(1), Variant::fromBool(true)});
            ADD_FAILURE() << "pasted";
        } catch (const ReportError &e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("无法粘贴："))) << e.message().toStdString();
        }
        EXPECT_EQ(value(1, 1), QStringLiteral("keep"));
        EXPECT_EQ(selected(), QRect(2, 2, 1, 1));
        EXPECT_TRUE(sink.log.empty());
    }
}

TEST_F(ClipboardMembers, AHandlerThatRebuildsTheReportDuringATextPasteEndsItCleanly)
{
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("a")), S_OK);
    ASSERT_EQ(o->CopyCellText(1, 1, 2, 2), S_OK);
    sink.changing = [&](QString *) {
        sink.changing = nullptr;
        o->NewReport(1, 1);
    };
    EXPECT_NE(o->PasteCellText(1, 1, false), S_OK);
    EXPECT_EQ(m().ColCount(), 1);
}
