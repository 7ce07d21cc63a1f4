#include "ControlFixture.h"
#include "cells/CellWidgets.h"
#include "control/CellSurface.h"
#include "grid/selection/CellHitTest.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

struct RecordingShell final : FileShell
{
    std::vector<QString> runs;
    void run(Verb verb, const QString &file, int show) override
    {
        const char *names[] = {"open", "print", "explore"};
        runs.push_back(QStringLiteral("%1 %2 %3").arg(QLatin1String(names[int(verb)]), file).arg(show));
    }
};

const std::string_view kFollowed[] = {"OnButtonClick", "OnError"};

struct ButtonActions : ::testing::Test, test::ControlFixture
{
    std::shared_ptr<RecordingShell> shell = std::make_shared<RecordingShell>();
    ButtonActions() : ControlFixture(kFollowed) {}
    void SetUp() override
    {
        c().actions().setFileShell(shell);
        ASSERT_EQ(o->SetButtonCell(6, 1, QStringLiteral("计算"), QString()), S_OK);
    }
    // Runs `list` as the action list of the button at (6, 1).
    void press(const QString &list)
    {
        c().report().cell(5, 0)->setButtonScript(list);
        c().actions().runButtonActions(5, 0);
    }
    Cell &cell(int col, int row) { return *c().report().cell(col - 1, row - 1); }
};

QImage picture()
{
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::red);
    return img;
}

} // namespace

TEST_F(ButtonActions, FormulasThenAFileThroughTheDesktop)
{
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("2")), S_OK);
    ASSERT_EQ(o->SetCellExpression(1, 2, QStringLiteral("getcell(1,1)*3")), S_OK);
    ASSERT_EQ(o->put_Saved(true), S_OK);
    press(QStringLiteral("4;0\r\n\r\n   \r\n5;0;/tmp/report.txt;0\r\n5;1; /tmp/a b.txt ;2\r\n5;7;/tmp;1"));
    EXPECT_EQ(value(1, 2), QStringLiteral("6"));
    EXPECT_EQ(shell->runs,
              (std::vector<QString>{"open /tmp/report.txt 1", "print /tmp/a b.txt 3", "explore /tmp 2"}));
    EXPECT_FALSE(saved());
    // One cell's formula: 4;m;x,y with m neither 0 nor 1.
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("5")), S_OK);
    press(QStringLiteral("4;2;1,2"));
    EXPECT_EQ(value(1, 2), QStringLiteral("15"));
}

TEST_F(ButtonActions, MalformedLinesDoNothing)
{
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("2")), S_OK);
    ASSERT_EQ(o->SetCellExpression(1, 2, QStringLiteral("getcell(1,1)*3")), S_OK);
    press(QStringLiteral("x;1\r\n4;a;1,1\r\n4;2;9,9\r\n5;0;f\r\n5;a;f;0\r\n2;1,1\r\n3;1;1;1;1"));
    EXPECT_EQ(value(1, 2), QString());
    EXPECT_TRUE(shell->runs.empty());
    EXPECT_TRUE(sink.log.empty());
    // A chart line without its place ends the whole list.
    press(QStringLiteral("3\r\n4;0"));
    EXPECT_EQ(value(1, 2), QString());
}

TEST_F(ButtonActions, PictureLines)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("p.bmp"));
    ASSERT_TRUE(picture().save(file, "BMP"));
    // 2;x,y,c;file;s: a file needs the fourth field.
    press(QStringLiteral("2;3,2,0;") + file);
    EXPECT_FALSE(cell(3, 2).haveImage());
    press(QStringLiteral("2;3,2,0;") + file + QStringLiteral(";1"));
    ASSERT_TRUE(cell(3, 2).haveImage());
    EXPECT_TRUE(cell(3, 2).imageStretch());
    // Without the final ";" the line has no file field and does nothing.
    press(QStringLiteral("2;3,2,1"));
    EXPECT_TRUE(cell(3, 2).haveImage());
    press(QStringLiteral("2;3,2,1;"));
    EXPECT_FALSE(cell(3, 2).haveImage());
    // A file that does not exist removes the picture too.
    showCellPicture(cell(3, 2), picture(), false);
    press(QStringLiteral("2;3,2,0;missing.bmp;0"));
    EXPECT_FALSE(cell(3, 2).haveImage());
    // A file that is no picture ends the list with a failure; the report is changed all the same.
    const QString junk = dir.filePath(QStringLiteral("j.bmp"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("no picture");
    f.close();
    ASSERT_EQ(o->put_Saved(true), S_OK);
    EXPECT_THROW(press(QStringLiteral("2;3,2,0;") + junk + QStringLiteral(";0\r\n5;0;after;0")), ReportError);
    EXPECT_TRUE(shell->runs.empty());
    EXPECT_FALSE(saved());
}

TEST_F(ButtonActions, ChartLinesTakeTheirPointsFromCells)
{
    ASSERT_EQ(o->SetChartCell(1, 1, QString(), QString(), QString()), S_OK);
    ASSERT_EQ(o->SetCellValue(1, 2, QStringLiteral("1")), S_OK);
    ASSERT_EQ(o->SetCellValue(2, 2, QStringLiteral("5")), S_OK);
    ASSERT_EQ(o->SetCellValue(1, 3, QStringLiteral("2")), S_OK);
    ASSERT_EQ(o->SetCellValue(2, 3, QStringLiteral("7")), S_OK);
    ASSERT_EQ(o->SetCellValue(1, 4, QStringLiteral("x")), S_OK);
    // Three pairs named, the third skipped (its caption is no number).
    press(QStringLiteral("3;1,1,1;1;255;3,1,2,2,2,1,3,2,3,1,4,2,4"));
    QString all;
    ASSERT_EQ(o->GetCellAllSeriesesText(1, 1, &all), S_OK);
    EXPECT_EQ(all, QStringLiteral("1\r\n2,255\r\n1,5,2,7\r\n"));
    // Type 0 adds nothing; any other number than 1 clears.
    press(QStringLiteral("3;1,1,1;0;;2,1,2,2,2,1,3,2,3"));
    ASSERT_EQ(o->GetCellAllSeriesesText(1, 1, &all), S_OK);
    EXPECT_EQ(all.count(QStringLiteral("\r\n")), 3);
    press(QStringLiteral("3;1,1,0"));
    ASSERT_EQ(o->GetCellAllSeriesesText(1, 1, &all), S_OK);
    EXPECT_EQ(all, QString());
}

TEST_F(ButtonActions, ScriptsPressButtonsWithoutTheEventAndClicksRaiseIt)
{
    ASSERT_EQ(
        o->SetCellScript(false, 6, 1, QStringLiteral("JavaScript"), QStringLiteral("setcell(1, 5, 99);")),
        S_OK);
    cell(6, 1).setButtonScript(QStringLiteral("1"));
    // A script presses the button: action 1 runs the button's own script, no event.
    ASSERT_EQ(
        o->SetCellScript(false, 2, 2, QStringLiteral("JavaScript"), QStringLiteral("executebutton(6, 1);")),
        S_OK);
    sink.log.clear();
    ASSERT_EQ(o->ExplainCellScript(2, 2), S_OK);
    EXPECT_EQ(value(1, 5), QStringLiteral("99"));
    EXPECT_TRUE(sink.log.empty());

    // A click raises OnButtonClick, whose handler may replace the list.
    sink.button = [](QString *list) { *list = QStringLiteral("5;0;chosen.txt;0"); };
    show();
    const Report &r = c().report();
    const ReportRect rect = r.cellRect(5, 0);
    const QPoint p(int(rect.x - surfaceOriginX(r) + rect.width / 2),
                   int(rect.y - surfaceOriginY(r) + rect.height / 2));
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, p, c().cellSurface()->mapToGlobal(p), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(c().cellSurface(), &e);
    }
    EXPECT_EQ(sink.log, (std::vector<QString>{"button 6,1=计算"}));
    EXPECT_EQ(shell->runs, (std::vector<QString>{"open chosen.txt 1"}));
    EXPECT_EQ(cell(6, 1).buttonScript(), QStringLiteral("5;0;chosen.txt;0"));
}
