// A person's input, end to end: every step is a Qt input event delivered to
// the window under the pointer or holding the focus, as the script host's Ui
// object sends them.
#include "UiDriver.h"
#include "MemberCalls.h"

#include "ControlFixture.h"
#include "control/CellvexObject.h"
#include "grid/selection/SelectionController.h"
#include "grid/selection/SelectionFrame.h"
#include "platform/InputMethods.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;

// Readable failures: texts as UTF-8.
void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

// The clicks, selection, cell-change and scroll events as lines.
const std::string_view kFollowed[] = {"OnCellLClick",   "OnCellRClick",  "OnCellLDblClick", "OnInputChange",
                                      "OnSelectChange", "OnCellChanged", "OnPoleLClick",    "OnTopChange"};

using Log = std::vector<QString>;

// The control in a window of its own, as a host embeds it: the default
// report of 6 columns of 80 and 30 rows of 19 pixels.
struct UserInput : ::testing::Test, test::ControlFixture
{
    QWidget window;
    std::unique_ptr<UiDriver> ui;

    UserInput() : ControlFixture(kFollowed) {}

    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(o->control());
        window.resize(640, 480);
        // What the host's own set-up raised is not the test's.
        sink.clear();
        ui = std::make_unique<UiDriver>(*o->control());
    }
    void TearDown() override
    {
        ui.reset();
        o->control()->setParent(nullptr);
    }
    QString selection()
    {
        int a, b, cc, d;
        m().GetSelectedCell(a, b, cc, d);
        return QString("%1,%2,%3,%4").arg(a).arg(b).arg(cc).arg(d);
    }
    QLineEdit *editor() { return c().findChild<QLineEdit *>(QStringLiteral("edt_input")); }
    bool editorShown() { return editor()->width() > 0; }
};

} // namespace

TEST_F(UserInput, ClickTypeAndEnterCommitTheNumberAndMoveOn)
{
    ASSERT_EQ(o->SetCellFormat(2, 3, 2, QString()), S_OK); // whole numbers
    m().setSaved(true);
    sink.log.clear();
    ui->clickCell(2, 3);
    EXPECT_EQ(sink.log, (Log{"lclick 2,3", "input 2,3", "select 2,3,2,3"}));
    sink.log.clear();
    ui->type(QStringLiteral("-1x2"));
    EXPECT_TRUE(editorShown());
    EXPECT_EQ(editor()->text(), QStringLiteral("-12"));
    ui->key(QStringLiteral("Enter"));
    EXPECT_EQ(value(2, 3), QStringLiteral("-12"));
    EXPECT_FALSE(m().Saved());
    EXPECT_FALSE(editorShown());
    // The changed value first, then the move to the next cell on the right.
    EXPECT_EQ(sink.log, (Log{"changed 2,3=-12", "input 3,3", "select 3,3,3,3"}));
}

TEST_F(UserInput, DraggingSelectsARangeAndARightPressInsideItOnlyReports)
{
    ui->pressCell(1, 1);
    ui->moveToCell(2, 2);
    ui->moveToCell(3, 4);
    ui->releaseCell(3, 4);
    EXPECT_EQ(selection(), QStringLiteral("1,1,3,4"));
    EXPECT_EQ(sink.log.back(), QStringLiteral("select 1,1,3,4"));
    sink.log.clear();
    ui->clickCell(2, 2, Qt::RightButton);
    EXPECT_EQ(sink.log, (Log{"rclick 1,1"})); // the input cell, not the one pressed
    EXPECT_EQ(selection(), QStringLiteral("1,1,3,4"));
    // Outside the selection a right press selects the cell.
    ui->clickCell(5, 5, Qt::RightButton);
    EXPECT_EQ(selection(), QStringLiteral("5,5,5,5"));
}

TEST_F(UserInput, DoubleClickEditsTheCaptionInPlace)
{
    ASSERT_EQ(o->SetCellValue(2, 2, QStringLiteral("abc")), S_OK);
    sink.log.clear();
    ui->doubleClickCell(2, 2);
    ASSERT_TRUE(editorShown());
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("abc"));
    EXPECT_NE(std::find(sink.log.begin(), sink.log.end(), QStringLiteral("dblclick 2,2")), sink.log.end());
    ui->key(QStringLiteral("End"));
    ui->type(QStringLiteral("d"));
    ui->key(QStringLiteral("Enter"));
    EXPECT_EQ(value(2, 2), QStringLiteral("abcd"));
}

TEST_F(UserInput, ChineseInputMethodTextStartsInputAndIsCutToTheByteLength)
{
    ASSERT_EQ(o->SetTextCell(1, 1, 5), S_OK);
    ui->clickCell(1, 1);
    ui->type(QStringLiteral("中文字"));
    // Five bytes hold two double-byte characters; half a character is never kept.
    EXPECT_EQ(editor()->text(), QStringLiteral("中文"));
    ui->key(QStringLiteral("Enter"));
    EXPECT_EQ(value(1, 1), QStringLiteral("中文"));
}

TEST_F(UserInput, DropListOpensWhenArrivingByKeyNotByClick)
{
    ASSERT_EQ(o->SetDropCell(2, 1, QStringLiteral("甲\r\n乙\r\n丙")), S_OK);
    ASSERT_EQ(o->SetCellValue(2, 1, QStringLiteral("甲")), S_OK);
    ui->clickCell(2, 1);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ui->clickCell(1, 1);
    ui->key(QStringLiteral("Right"));
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    // The list opens on the caption's item; one step down is the next one.
    ui->key(QStringLiteral("Down"));
    ui->key(QStringLiteral("Enter"));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(value(2, 1), QStringLiteral("乙"));
}

TEST_F(UserInput, DateEditorButtonsWriteClearOrCancel)
{
    ASSERT_EQ(o->SetDateTimeCell(1, 2), S_OK);
    ASSERT_EQ(o->SetCellValue(1, 2, QStringLiteral("2001-02-03")), S_OK);
    m().setSaved(true);
    ui->clickCell(1, 2);
    ui->click(QStringLiteral("pnl_datetimecancel"));
    EXPECT_EQ(value(1, 2), QStringLiteral("2001-02-03"));
    EXPECT_TRUE(m().Saved());

    ui->clickCell(1, 2);
    ui->click(QStringLiteral("pnl_datetimeclear"));
    EXPECT_EQ(value(1, 2), QString());
    EXPECT_FALSE(m().Saved());

    // OK on an empty caption writes the picked date, today.
    ui->clickCell(1, 2);
    ui->click(QStringLiteral("pnl_datetimeok"));
    EXPECT_FALSE(value(1, 2).isEmpty());
    EXPECT_THROW(ui->click(QStringLiteral("pnl_datetimeok")), UiError); // the editor is gone
}

TEST_F(UserInput, CornerBoxesSelectEverythingOrNothing)
{
    ui->doubleClick(QStringLiteral("pnl_lmargin"));
    EXPECT_EQ(selection(), QStringLiteral("1,1,6,30"));
    sink.log.clear();
    ui->doubleClick(QStringLiteral("pnl_rmargin"));
    EXPECT_EQ(selection(), QStringLiteral("-1,-1,-1,-1"));
    EXPECT_EQ(sink.log, (Log{"input -1,-1", "select -1,-1,-1,-1"}));
}

TEST_F(UserInput, RulerDragSelectsColumnsAndTheirEdgeResizesThemAll)
{
    ui->clickPole(1, 4);
    EXPECT_EQ(selection(), QStringLiteral("1,4,6,4"));
    EXPECT_EQ(sink.log.front(), QStringLiteral("pole 4,1"));
    ui->dragPoles(0, 1, 3);
    EXPECT_EQ(selection(), QStringLiteral("1,1,3,30"));
    ui->dragPoleEdge(0, 2, 20);
    for (int col : {1, 2, 3})
        EXPECT_EQ(m().GetColWidth(col), 100) << col;
    EXPECT_EQ(m().GetColWidth(4), 80);
    EXPECT_FALSE(m().Saved());
    // A row edge alone: only that row grows.
    ui->clickCell(1, 1);
    ui->dragPoleEdge(1, 2, 11);
    EXPECT_EQ(m().GetRowHeight(2), 30);
    EXPECT_EQ(m().GetRowHeight(3), 19);
}

TEST_F(UserInput, WheelScrollsOneRowPerFiveNotches)
{
    ASSERT_EQ(o->NewReport(4, 200), S_OK);
    sink.log.clear();
    for (int i = 0; i < 4; ++i)
        ui->wheel(-120);
    EXPECT_EQ(sink.log, Log{});
    ui->wheel(-120);
    EXPECT_EQ(sink.log, (Log{"top 2"}));
    for (int i = 0; i < 5; ++i)
        ui->wheel(120);
    EXPECT_EQ(sink.log, (Log{"top 2", "top 1"}));
}

TEST_F(UserInput, StepsAUserCannotTakeFail)
{
    EXPECT_THROW(ui->clickCell(7, 1), UiError);
    EXPECT_THROW(ui->clickCell(1, 0), UiError);
    EXPECT_THROW(ui->clickCell(1, 30), UiError); // below the window's view
    EXPECT_THROW(ui->clickPole(2, 1), UiError);
    EXPECT_THROW(ui->key(QStringLiteral("Hyper")), UiError);
    EXPECT_THROW(ui->click(QStringLiteral("no_such_child")), UiError);
    EXPECT_THROW(UiDriver::buttonNamed(QStringLiteral("fourth")), UiError);
    EXPECT_THROW(UiDriver::modifiersNamed(QStringLiteral("Ctrl+Meta")), UiError);
    EXPECT_EQ(UiDriver::modifiersNamed(QStringLiteral("ctrl+Shift")),
              Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(sink.log.empty());
}

TEST_F(UserInput, SelectionFrameFollowsTheCellsAfterAResize)
{
    ui->clickCell(3, 2);
    const std::int64_t leftBefore = c().selection().frame().left.x;
    ui->dragPoleEdge(0, 1, 40);
    ui->dragPoleEdge(1, 1, 10);
    const SelectionFrame shown = c().selection().frame();
    const SelectionFrame fresh = frameForSelection(c().report());
    EXPECT_EQ(shown.left.x, leftBefore + 40);
    EXPECT_EQ(shown.left.x, fresh.left.x);
    EXPECT_EQ(shown.top.y, fresh.top.y);
    EXPECT_EQ(shown.bottom.y, fresh.bottom.y);
}

TEST_F(UserInput, ClickAndSpaceFlipACheckBoxOnceEachAndMarkTheReport)
{
    ASSERT_EQ(o->SetCheckCell(2, 2, QStringLiteral("ok")), S_OK);
    sink.log.clear();
    ui->clickCell(2, 2); // on its caption, which belongs to the box
    EXPECT_EQ(sink.log, (Log{"lclick 2,2", "input 2,2", "select 2,2,2,2", "changed 2,2=1"}));
    m().setSaved(true);
    sink.log.clear();
    ui->key(QStringLiteral("Space"));
    EXPECT_EQ(sink.log, (Log{"changed 2,2=0"}));
    EXPECT_FALSE(m().Saved());
}

namespace {

// A session with one installed input method.
struct OneInputMethod : InputMethods
{
    QStringList activated;
    QStringList installed() override { return {QStringLiteral("pinyin")}; }
    void activate(const QString &name) override { activated << name; }
};

} // namespace

TEST_F(UserInput, TheInputCellsInputMethodIsAppliedToTheEditor)
{
    OneInputMethod session;
    setInputMethods(&session);
    ASSERT_EQ(o->SetCellIme(1, 1, QStringLiteral("关闭")), S_OK);
    ASSERT_EQ(o->SetCellIme(2, 1, QStringLiteral("pinyin")), S_OK);
    ASSERT_EQ(o->SetCellIme(4, 1, QStringLiteral("no such method")), S_OK);
    struct Step
    {
        int col;
        bool enabled;
    };
    // Cell 3 names none: the editor stays as the previous cell left it.
    for (Step s : {Step{1, false}, Step{2, true}, Step{3, true}, Step{4, false}, Step{3, false}}) {
        ui->clickCell(s.col, 1);
        EXPECT_EQ(editor()->testAttribute(Qt::WA_InputMethodEnabled), s.enabled) << s.col;
    }
    EXPECT_EQ(session.activated, QStringList{QStringLiteral("pinyin")});
    setInputMethods(nullptr);
}
