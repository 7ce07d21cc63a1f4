#include "ControlFixture.h"
#include "MemberCalls.h"
#include "control/CellvexObject.h"
#include "report/CellWidgetClicks.h"

#include "control/CellSurface.h"
#include "control/widgets/RulerWidget.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

// The events these tests follow as lines; the by-reference ones are answered
// by the log's replies.
const std::string_view kFollowed[] = {"OnInputChange", "OnSelectChange", "OnCellChanging",
                                      "OnCellChanged", "OnKeyPress",     "OnError",
                                      "OnDestroy",     "OnCellLClick",   "OnPoleLClick"};

struct Connected : test::ControlFixture
{
    Connected() : ControlFixture(kFollowed) {}
};

} // namespace

TEST(Events, NewReportRaisesInputThenSelectionAlways)
{
    Connected x;
    EXPECT_EQ(x.o->NewReport(3, 4), S_OK);
    EXPECT_EQ(x.sink.log, (std::vector<QString>{"input -1,-1", "select -1,-1,-1,-1"}));
    // A refused size raises nothing.
    x.sink.log.clear();
    EXPECT_NE(x.o->NewReport(-1, 4), S_OK);
    EXPECT_TRUE(x.sink.log.empty());
}

TEST(Events, CellChangingMayReplaceTheValue)
{
    Connected x;
    x.sink.changing = [](QString *v) { *v = QStringLiteral("X"); };
    x.c().report().setCellCaption(1, 2, QStringLiteral("typed"));
    EXPECT_EQ(x.sink.log, (std::vector<QString>{"changing 2,3=typed", "changed 2,3=X"}));
    EXPECT_EQ(x.c().report().cell(1, 2)->caption(), QStringLiteral("X"));
    // Emptying it empties the cell.
    x.sink.changing = [](QString *v) { v->clear(); };
    x.c().report().setCellCaption(1, 2, QStringLiteral("again"));
    EXPECT_EQ(x.c().report().cell(1, 2)->caption(), QString());
}

TEST(Events, HandlerMayRebuildTheReportInsideAnEvent)
{
    Connected x;
    x.sink.changing = [&](QString *) { x.o->NewReport(1, 1); };
    x.c().report().setCellCaption(5, 20, QStringLiteral("v"));
    EXPECT_EQ(x.m().ColCount(), 1);
    EXPECT_EQ(x.c().report().cell(0, 0)->caption(), QString());
    // Events caused from inside a handler nest and come back out.
    const auto &log = x.sink.log;
    EXPECT_EQ(log.front(), QStringLiteral("changing 6,21=v"));
    EXPECT_NE(std::find(log.begin(), log.end(), QStringLiteral("select -1,-1,-1,-1")), log.end());
}

TEST(Events, RecursionThroughHandlersIsBounded)
{
    Connected x;
    int depth = 0;
    x.sink.changing = [&](QString *) {
        ++depth;
        x.c().report().setCellCaption(0, 0, QStringLiteral("again")); // each change causes another
    };
    x.c().report().setCellCaption(0, 0, QStringLiteral("start"));
    EXPECT_EQ(depth, EventRaiser::kMaxNesting);
}

TEST(Events, NoSinkNothingBreaks)
{
    CellvexObject *o = new CellvexObject();
    EXPECT_EQ(o->NewReport(2, 2), S_OK);
    o->control()->report().setCellCaption(0, 0, QStringLiteral("v"));
    EXPECT_EQ(o->control()->report().cell(0, 0)->caption(), QStringLiteral("v"));
    std::uint32_t cookie = 0;
    test::EventLog a(kFollowed), b(kFollowed);
    EXPECT_EQ(o->Advise(&a, &cookie), S_OK);
    EXPECT_EQ(o->Advise(&b, &cookie), CONNECT_E_ADVISELIMIT);
    EXPECT_EQ(o->Unadvise(cookie + 1), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(o->Unadvise(cookie), S_OK);
    o->NewReport(1, 1);
    EXPECT_TRUE(a.log.empty());
    o->Release();
}

TEST(Events, DestroyComesFirst)
{
    Connected x;
    x.o->Release();
    x.o = nullptr;
    ASSERT_FALSE(x.sink.log.empty());
    EXPECT_EQ(x.sink.log.back(), QStringLiteral("destroy"));
}

TEST(Events, KeyPreviewFiltersAndTranslatesCharacters)
{
    Connected x;
    auto *editor = x.c().findChild<QLineEdit *>(QStringLiteral("edt_input"));
    ASSERT_NE(editor, nullptr);
    editor->setGeometry(0, 0, 80, 19);
    editor->show();
    auto type = [&](char ch) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (ch - 'a'), Qt::NoModifier, QString(QChar(ch)));
        QApplication::sendEvent(editor, &press);
    };
    x.sink.key = [](std::int16_t *k) {
        if (*k == 'a')
            *k = 'A';
        else if (*k == 'x')
            *k = 0;
    };
    type('a');
    type('x');
    type('b');
    EXPECT_EQ(editor->text(), QStringLiteral("Ab"));
    EXPECT_EQ(x.sink.log, (std::vector<QString>{"key 97", "key 120", "key 98"}));
    // Without a handler the key goes through as typed.
    x.sink.key = nullptr;
    type('c');
    EXPECT_EQ(editor->text(), QStringLiteral("Abc"));
}

TEST(Events, ControlErrorsAreReportedOnceAndSuppressionEnds)
{
    Connected x;
    x.c().guarded([] { throw std::runtime_error("日期无效"); });
    EXPECT_EQ(x.sink.log, (std::vector<QString>{QStringLiteral("error 控件错误，日期无效")}));
    x.sink.log.clear();
    x.c().actions().setSuppressControlError(true);
    x.c().guarded([] { throw std::runtime_error("already reported"); });
    EXPECT_TRUE(x.sink.log.empty());
    EXPECT_FALSE(x.c().actions().suppressControlError());
    // A member call also clears it, even when it fails.
    x.c().actions().setSuppressControlError(true);
    x.o->NewReport(-1, -1);
    EXPECT_FALSE(x.c().actions().suppressControlError());
}

TEST(Events, DispatchSinkSeesEveryEventById)
{
    // A dynamic sink gets dispatch ids and arguments; a failing sink is ignored.
    test::EventLog sink;
    sink.reply = [](DispId id, std::vector<Variant> &args) {
        if (id == 19)
            args[2] = Variant::fromLong(42); // a number where text is expected
        return E_FAIL;
    };
    CellvexObject *o = new CellvexObject();
    std::uint32_t cookie = 0;
    o->Advise(&sink, &cookie);
    o->control()->report().setCellCaption(0, 0, QStringLiteral("v"));
    EXPECT_EQ(sink.dispIds(), (std::vector<DispId>{19, 15}));
    EXPECT_EQ(o->control()->report().cell(0, 0)->caption(), QStringLiteral("42"));
    o->Release();
}

TEST(Events, ButtonClickMayReplaceTheStoredActionList)
{
    Connected x;
    ASSERT_EQ(x.o->SetButtonCell(2, 2, QStringLiteral("Go"), QStringLiteral("1;old")), S_OK);
    QString seen;
    x.sink.button = [&](QString *script) {
        seen = *script;
        *script = QStringLiteral("1;new");
    };
    EXPECT_EQ(clickCellButton(x.c().report(), 1, 1), ButtonAnswer::RunActions);
    EXPECT_EQ(seen, QStringLiteral("1;old"));
    QString stored;
    x.o->GetCellButtonText(2, 2, &stored);
    EXPECT_EQ(stored, QStringLiteral("1;new"));
    // The next press hands the replaced list to the host.
    clickCellButton(x.c().report(), 1, 1);
    EXPECT_EQ(seen, QStringLiteral("1;new"));
}

TEST(Events, MouseAndKeysOnTheGrid)
{
    Connected x;
    x.c().resize(640, 480);
    QWidget *surface = x.c().cellSurface();
    auto press = [&](QPoint p) {
        QMouseEvent down(QEvent::MouseButtonPress, p, surface->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(surface, &down);
        QMouseEvent up(QEvent::MouseButtonRelease, p, surface->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
        QApplication::sendEvent(surface, &up);
    };
    press(QPoint(100, 25)); // column B, row 2
    ASSERT_GE(x.sink.log.size(), 3u);
    EXPECT_EQ(std::vector<QString>(x.sink.log.begin(), x.sink.log.begin() + 3),
              (std::vector<QString>{"lclick 2,2", "input 2,2", "select 2,2,2,2"}));
    // Clicking the same cell again raises the same three events again.
    x.sink.log.clear();
    press(QPoint(100, 25));
    EXPECT_EQ(std::vector<QString>(x.sink.log.begin(), x.sink.log.begin() + 3),
              (std::vector<QString>{"lclick 2,2", "input 2,2", "select 2,2,2,2"}));
    // Arrow down moves the input cell.
    x.sink.log.clear();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(surface, &down);
    std::int32_t c = 0, r = 0;
    x.o->GetInputingCell(&c, &r);
    EXPECT_EQ(std::pair(c, r), std::pair(2, 3));
    // A press on the column ruler selects the whole column.
    x.sink.log.clear();
    QWidget *ruler = x.c().columnRuler();
    QMouseEvent onPole(QEvent::MouseButtonPress, QPoint(2 + 80 * 2 + 30, 8),
                       ruler->mapToGlobal(QPoint(192, 8)), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ruler, &onPole);
    EXPECT_EQ(x.sink.log, (std::vector<QString>{"pole 3,0", "input 3,1", "select 3,1,3,30"}));
}

TEST(Events, HandlersAndFormulaStepsShareOneDepthLimit)
{
    // A host that answers every change by computing the formula again, whose
    // result changes the cell again: each round is one event and one formula
    // step, and both count against the report's one limit, so the rounds end
    // at half of it instead of at twice as many nested calls.
    Connected x;
    ASSERT_EQ(x.o->SetCellExpression(1, 1, QStringLiteral("getcell(1,1)+1")), S_OK);
    int rounds = 0;
    int deepest = 0;
    x.sink.changing = [&](QString *) {
        ++rounds;
        deepest = std::max(deepest, x.c().report().chainDepth());
        x.o->ExplainCellExpression(1, 1);
    };
    ASSERT_EQ(x.o->ExplainCellExpression(1, 1), S_OK);
    EXPECT_EQ(rounds, EventRaiser::kMaxNesting / 2);
    EXPECT_EQ(deepest, EventRaiser::kMaxNesting);
    EXPECT_EQ(x.c().report().chainDepth(), 0);
}
