#include "control/viewport/GridViewport.h"
#include "ControlFixture.h"
#include "MemberCalls.h"
#include "automation/MemberTable.h"
#include "control/CellSurface.h"
#include "control/CellvexObject.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace cellvex {
// Registered with the control's members by the control library.
void registerLayoutMembers(MemberRegistry &r);
} // namespace cellvex

using namespace cellvex;
using namespace cellvex::automation;

namespace {

// The scroll events as lines.
const std::string_view kScrollEvents[] = {"OnTopChange", "OnLeftChange"};

// A shown control whose row ruler is 400 pixels high (header strip 17,
// bottom strip 16), with its scroll events recorded.
struct Shown : test::ControlFixture
{
    Shown(int height = 433) : ControlFixture(kScrollEvents)
    {
        c().show();
        c().resize(632, height);
    }
    ScrollController &scroll() { return c().viewport().scroll(); }
    QScrollBar *bar(const char *name) { return c().findChild<QScrollBar *>(QString::fromLatin1(name)); }
};

void wheel(QWidget *target, int delta)
{
    QWheelEvent e(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

} // namespace

TEST(GridViewport, ScrollBarShowsTheRowRuler)
{
    Shown s;
    QScrollBar *y = s.bar("scb_scrolly");
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(s.scroll().displayCountY(), 21);
    EXPECT_EQ(y->minimum(), 1);
    EXPECT_EQ(y->maximum(), 10); // positions past RowCount - LastCount + 1 are refused anyway
    EXPECT_EQ(y->pageStep(), 21);
    EXPECT_EQ(y->singleStep(), 1);

    s.scroll().setTopIndex(30);
    EXPECT_EQ(s.scroll().topIndex(), 10);
    EXPECT_EQ(y->value(), 10);
    EXPECT_EQ(s.sink.take(), QStringList{"top 10"});
}

TEST(GridViewport, BarActionsScrollThroughTheAxis)
{
    Shown s;
    ASSERT_EQ(s.o->NewReport(6, 100), S_OK);
    QScrollBar *y = s.bar("scb_scrolly");
    struct Step
    {
        QAbstractSlider::SliderAction action;
        int expected;
    };
    const Step steps[] = {
        {QAbstractSlider::SliderPageStepAdd, 21}, // page size 21, large step 20
        {QAbstractSlider::SliderPageStepAdd, 41}, {QAbstractSlider::SliderSingleStepSub, 40},
        {QAbstractSlider::SliderPageStepSub, 20}, {QAbstractSlider::SliderToMaximum, 80},
        {QAbstractSlider::SliderToMinimum, 1},
    };
    for (const Step &st : steps) {
        SCOPED_TRACE(st.expected);
        y->triggerAction(st.action);
        EXPECT_EQ(s.scroll().topIndex(), st.expected);
        EXPECT_EQ(y->value(), st.expected);
        EXPECT_EQ(s.sink.take(), QStringList{QStringLiteral("top %1").arg(st.expected)});
    }
    // Dragging the thumb to the end of its track shows the last rows just fitting.
    y->setSliderPosition(y->maximum());
    EXPECT_EQ(s.scroll().topIndex(), 80);
}

TEST(GridViewport, WheelNeedsFiveNotchesAlsoOverTheBar)
{
    Shown s;
    QWidget *surface = s.c().cellSurface();
    for (int i = 0; i < 4; ++i)
        wheel(surface, -120);
    EXPECT_EQ(s.scroll().topIndex(), 1);
    wheel(surface, -120);
    EXPECT_EQ(s.scroll().topIndex(), 2);
    EXPECT_EQ(s.sink.take(), QStringList{"top 2"});

    // Over the scroll bar the bar does not scroll lines of its own.
    QScrollBar *y = s.bar("scb_scrolly");
    for (int i = 0; i < 5; ++i)
        wheel(y, -120);
    EXPECT_EQ(s.scroll().topIndex(), 3);
    EXPECT_EQ(y->value(), 3);
}

TEST(GridViewport, EnlargingScrollsBackAndNewReportStartsAtTheTop)
{
    Shown s;
    s.scroll().setTopIndex(10);
    s.sink.take();
    s.c().resize(632, 633); // every row fits now
    EXPECT_EQ(s.scroll().topIndex(), 1);
    EXPECT_EQ(s.sink.take(), QStringList{"top 1"});

    s.c().resize(632, 433);
    s.scroll().setTopIndex(10);
    s.scroll().setLeftIndex(2); // six columns fit: no move
    s.sink.take();
    ASSERT_EQ(s.o->NewReport(20, 200), S_OK);
    EXPECT_EQ(s.scroll().topIndex(), 1);
    EXPECT_EQ(s.bar("scb_scrolly")->value(), 1);
    EXPECT_EQ(s.bar("scb_scrolly")->maximum(), 200 - 21 + 1);
    EXPECT_TRUE(s.sink.take().isEmpty());
}

TEST(GridViewport, MembersMapToTheViewport)
{
    Shown s;
    MemberRegistry registry;
    registerLayoutMembers(registry);
    auto call = [&](MemberId id, std::vector<Variant> args) {
        MemberCall m{memberRow(id), args, Variant(), -1, -1};
        registry.at(id)(s.c().actions(), m);
        return m.result;
    };
    call(MemberId::put_TopIndex, {Variant::fromLong(30)});
    EXPECT_EQ(call(MemberId::get_TopIndex, {}).asLong(), 10);
    call(MemberId::put_LeftIndex, {Variant::fromLong(-5)});
    EXPECT_EQ(call(MemberId::get_LeftIndex, {}).asLong(), 1);
    EXPECT_EQ(call(MemberId::get_DisplayCountY, {}).asLong(), 21);
    EXPECT_EQ(call(MemberId::get_DisplayCountX, {}).asLong(), 6);

    s.m().setSaved(true);
    const int bands = s.c().actions().pagination().colBandCount();
    call(MemberId::SetColWidth, {Variant::fromLong(2), Variant::fromLong(2000)});
    EXPECT_EQ(s.m().GetColWidth(2), 2000);
    EXPECT_FALSE(s.m().Saved());
    EXPECT_GT(s.c().actions().pagination().colBandCount(), bands); // paginated again
    call(MemberId::SetColWidth, {Variant::fromLong(2), Variant::fromLong(1)});
    EXPECT_EQ(s.m().GetColWidth(2), 80);
    call(MemberId::SetRowHeight, {Variant::fromLong(3), Variant::fromLong(40)});
    EXPECT_EQ(s.m().GetRowHeight(3), 40);
    s.m().setSaved(true);
    call(MemberId::SetRowHeight, {Variant::fromLong(0), Variant::fromLong(40)});
    call(MemberId::SetRowHeight, {Variant::fromLong(3), Variant::fromLong(-1)});
    call(MemberId::SetRowHeight, {Variant::fromLong(3), Variant::fromLong(40)});
    EXPECT_TRUE(s.m().Saved());
}

TEST(GridViewport, CellsOfAHiddenColumnAreNotDrawn)
{
    Shown s;
    CellSurface *surface = s.c().cellSurface();
    auto snapshot = [&] { return surface->grab().toImage(); };
    s.c().viewport().sizer().setColWidth(1, 0);
    const QImage plain = snapshot();

    auto decorate = [&](int col) {
        s.m().SetCellBackColor(col + 1, 3, 0x0000FF);
        for (int side = 1; side <= 4; ++side)
            s.m().SetCellBorders(col + 1, 3, side, 3);
    };
    decorate(1); // the hidden column
    EXPECT_EQ(snapshot(), plain);
    decorate(2); // a visible one shows the same decoration
    EXPECT_NE(snapshot(), plain);
}

TEST(GridViewport, CornerBoxDragMovesTheControlInItsContainer)
{
    QWidget host;
    host.resize(1000, 800);
    auto *control = new CellvexControl(&host);
    control->move(10, 10);
    host.show();
    QWidget *box = control->findChild<QWidget *>(QStringLiteral("pnl_smargin"));
    ASSERT_NE(box, nullptr);
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), box->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(box, &e);
    };
    send(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, {25, 15}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(control->pos(), QPoint(30, 20));
    // The box moved with the control: the same screen point is the press point again.
    send(QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(control->pos(), QPoint(30, 20));
    send(QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseMove, {50, 50}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(control->pos(), QPoint(30, 20));
}
