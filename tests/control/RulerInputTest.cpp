#include "ControlFixture.h"
#include "MemberCalls.h"
#include "control/CellvexObject.h"
#include "control/widgets/RulerWidget.h"
#include "grid/NumberPattern.h"
#include "grid/selection/SelectionController.h"
#include "rulers/SizeHintText.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

// The selection and pole events as lines.
const std::string_view kFollowed[] = {"OnInputChange", "OnSelectChange", "OnPoleLClick", "OnPoleRClick"};

// A control with the default report (6 columns of 80, 30 rows of 19, the
// rulers' margin 2) and a log of its events.
struct RulerFixture : ::testing::Test, test::ControlFixture
{
    int prepared = 0;
    int preparedAfterResize = 0;

    // Counts the input preparations and passes every request on to the
    // control's own host.
    struct PrepareCounter final : SelectionHost
    {
        explicit PrepareCounter(RulerFixture *f) : fixture(f) {}
        RulerFixture *fixture;
        SelectionHost *previous = nullptr;
        void commitInput() override { previous->commitInput(); }
        void prepareInput(bool drop) override { ++(drop ? fixture->prepared : fixture->preparedAfterResize); }
        void focusInput() override { previous->focusInput(); }
        void openTypingEditor() override { previous->openTypingEditor(); }
        void scrollSelectionIntoView() override { previous->scrollSelectionIntoView(); }
        void keepColumnInView(int col) override { previous->keepColumnInView(col); }
        void keepRowInView(int row) override { previous->keepRowInView(row); }
        void frameChanged() override { previous->frameChanged(); }
        void repaintCells() override { previous->repaintCells(); }
        PageBands pageBands() override { return previous->pageBands(); }
        bool dateEditorShown() override { return previous->dateEditorShown(); }
        void acceptDateEditor() override { previous->acceptDateEditor(); }
        bool dropListOpen() override { return previous->dropListOpen(); }
    };
    PrepareCounter counter{this};

    RulerFixture() : ControlFixture(kFollowed)
    {
        c().resize(640, 480);
        // Releasing a pole prepares input with the list dropped; applying a
        // resize prepares it without.
        counter.previous = &c().selection().host();
        c().selection().setHost(&counter);
        sink.log.clear();
    }
    // The counter goes before the control: hand the control its own host back.
    ~RulerFixture() override { c().selection().setHost(counter.previous); }
    RulerWidget *cols() { return c().columnRuler(); }
    RulerWidget *rows() { return c().rowRuler(); }

    static void send(QWidget *w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent e(type, p, w->mapToGlobal(p), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static void press(QWidget *w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
    {
        send(w, QEvent::MouseButtonPress, p, b, b);
    }
    static void dragTo(QWidget *w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
    {
        send(w, QEvent::MouseMove, p, Qt::NoButton, b);
    }
    static void release(QWidget *w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
    {
        send(w, QEvent::MouseButtonRelease, p, b, Qt::NoButton);
    }
    // Middle of column `col`'s (0-based) face and of row `row`'s.
    static QPoint colFace(int col) { return QPoint(2 + 80 * col + 30, 8); }
    static QPoint rowFace(int row) { return QPoint(10, 2 + 19 * row + 8); }
    QString hintText(RulerWidget *w)
    {
        auto *label = qobject_cast<QLabel *>(w->sizeHintWindow());
        return label ? label->text() : QString();
    }
    void merge(int left, int top, int right, int bottom)
    {
        Report &r = c().report();
        const BlockBounds b{left, top, right, bottom};
        for (int col = left; col <= right; ++col)
            for (int row = top; row <= bottom; ++row)
                r.cell(col, row)->setMerge(col == left && row == top ? MergeSign::Master : MergeSign::Covered,
                                           b);
    }
};

using V = std::vector<QString>;

} // namespace

TEST_F(RulerFixture, DraggingAlongTheColumnRulerSelectsColumns)
{
    press(cols(), colFace(1));
    EXPECT_EQ(sink.log, (V{"pole 2,0", "input 2,1", "select 2,1,2,30"}));
    const SelectionFrame pressedFrame = c().selection().frame();

    sink.log.clear();
    dragTo(cols(), colFace(1) + QPoint(5, 0)); // still column B: nothing
    dragTo(cols(), colFace(2));
    dragTo(cols(), colFace(3));
    dragTo(cols(), colFace(2));
    dragTo(cols(), colFace(0)); // to the left of the pressed column
    EXPECT_EQ(sink.log, (V{"select 2,1,3,30", "select 2,1,4,30", "select 2,1,3,30", "select 1,1,2,30"}));
    const RulerModel &ruler = c().report().colRuler();
    EXPECT_TRUE(ruler.isSelected(0) && ruler.isSelected(1));
    EXPECT_FALSE(ruler.isSelected(2) || ruler.isSelected(3));
    // The input cell stays where the button went down; the frame waits for the release.
    int ic = 0, ir = 0;
    m().GetInputingCell(ic, ir);
    EXPECT_EQ(std::pair(ic, ir), std::pair(2, 1));
    EXPECT_TRUE(c().selection().frame() == pressedFrame);

    sink.log.clear();
    release(cols(), colFace(0));
    EXPECT_FALSE(c().selection().frame() == pressedFrame);
    EXPECT_EQ(prepared, 1);
    // Moves after the release select nothing.
    send(cols(), QEvent::MouseMove, colFace(4), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(sink.log.empty());
}

TEST_F(RulerFixture, DraggingAlongTheRowRulerSelectsRows)
{
    press(rows(), rowFace(2));
    EXPECT_EQ(sink.log, (V{"pole 3,1", "input 1,3", "select 1,3,6,3"}));
    sink.log.clear();
    dragTo(rows(), rowFace(4));
    dragTo(rows(), rowFace(1));
    release(rows(), rowFace(1));
    EXPECT_EQ(sink.log, (V{"select 1,3,6,5", "select 1,2,6,3"}));
    EXPECT_TRUE(c().report().wholeRowMode());
}

TEST_F(RulerFixture, DragSelectionGrowsOverMergedBlocks)
{
    merge(1, 4, 2, 5); // B5:C6
    press(cols(), colFace(3));
    sink.log.clear();
    dragTo(cols(), colFace(2)); // C belongs to a block reaching into B
    dragTo(cols(), colFace(3)); // back to D alone
    release(cols(), colFace(3));
    EXPECT_EQ(sink.log, (V{"select 2,1,4,30", "select 4,1,4,30"}));
}

TEST_F(RulerFixture, DragSelectionFollowsLongMovesInOneStep)
{
    m().NewReport(200, 5);
    sink.log.clear();
    press(cols(), colFace(0));
    sink.log.clear();
    // The pointer leaves the ruler far to the right: the drag lands on the
    // column under it (clamped to the last) with one event.
    dragTo(cols(), QPoint(2 + 80 * 150 + 10, 8));
    EXPECT_EQ(sink.log, (V{"select 1,1,151,5"}));
    dragTo(cols(), QPoint(2 + 80 * 500, 8));
    EXPECT_EQ(sink.log.back(), "select 1,1,200,5");
    // The last dragged column was scrolled into view.
    const RulerModel &r = c().report().colRuler();
    EXPECT_GE(199, r.displayIndex());
    EXPECT_LT(199, r.displayIndex() + r.displayCount());
    release(cols(), QPoint(2 + 80 * 500, 8));
}

TEST_F(RulerFixture, EdgeDragResizesOnRelease)
{
    // Column B's face spans 82..159: 157 is within 5 pixels of its far edge.
    press(cols(), QPoint(157, 8));
    EXPECT_TRUE(sink.log.empty()); // no selection
    EXPECT_TRUE(cols()->drag().active());
    EXPECT_EQ(hintText(cols()), QStringLiteral("宽度：80像素  21.2毫米"));
    c().report().setSaved(true);

    dragTo(cols(), QPoint(177, 8));
    EXPECT_EQ(hintText(cols()), QStringLiteral("宽度：100像素  26.5毫米"));
    EXPECT_EQ(c().rulerInput().resizeDelta(), 20);
    // The geometry and the later poles wait for the release.
    EXPECT_EQ(m().GetColWidth(2), 80);
    EXPECT_EQ(c().report().colRuler().poleEdge(2), 160);

    release(cols(), QPoint(177, 8));
    EXPECT_FALSE(cols()->drag().active());
    EXPECT_EQ(cols()->sizeHintWindow(), nullptr);
    EXPECT_EQ(m().GetColWidth(2), 100);
    EXPECT_EQ(c().report().colRuler().poleEdge(2), 180);
    EXPECT_FALSE(c().report().saved());
    EXPECT_TRUE(sink.log.empty());
    EXPECT_EQ(preparedAfterResize, 1);
}

TEST_F(RulerFixture, SplitDragAboveTheRowsTopLeavesTheHandle)
{
    // Row 2's face spans 21..37, its handle 38..39.
    press(rows(), QPoint(10, 38));
    EXPECT_EQ(hintText(rows()), QStringLiteral("高度：19像素  5.0毫米"));
    dragTo(rows(), QPoint(10, 0));
    EXPECT_EQ(hintText(rows()), QStringLiteral("高度：2像素  0.5毫米"));
    EXPECT_EQ(c().rulerInput().resizeDelta(), -17);
    release(rows(), QPoint(10, 0));
    EXPECT_EQ(m().GetRowHeight(2), 2);
    EXPECT_EQ(m().GetRowHeight(3), 19);
    EXPECT_EQ(c().report().rowRuler().poleEdge(2), 21);
    // A press on the split handle raises no pole events at all.
    EXPECT_TRUE(sink.log.empty());
    EXPECT_EQ(prepared, 0);
}

TEST_F(RulerFixture, ResizingOneOfSeveralSelectedColumnsResizesThemAll)
{
    press(cols(), colFace(1));
    dragTo(cols(), colFace(3));
    release(cols(), colFace(3));
    // Drag column C's right edge (face 162..239) 30 pixels to the left.
    press(cols(), QPoint(237, 8));
    dragTo(cols(), QPoint(207, 8));
    release(cols(), QPoint(207, 8));
    std::vector<int> widths;
    for (int col = 1; col <= 6; ++col)
        widths.push_back(m().GetColWidth(col));
    EXPECT_EQ(widths, (std::vector<int>{80, 50, 50, 50, 80, 80}));
}

TEST_F(RulerFixture, RightAndMiddlePressSelectWithoutDragging)
{
    merge(1, 0, 2, 1); // B1:C2
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        sink.log.clear();
        press(cols(), colFace(2), b);
        dragTo(cols(), colFace(4), b);
        release(cols(), colFace(4), b);
        // Column C grown over the block; its master is the input cell.
        EXPECT_EQ(sink.log, (V{"rpole 3,0", "input 2,1", "select 2,1,3,30"})) << int(b);
    }
    // A right press on a split handle does nothing.
    sink.log.clear();
    press(cols(), QPoint(80, 8), Qt::RightButton);
    release(cols(), QPoint(80, 8), Qt::RightButton);
    EXPECT_TRUE(sink.log.empty());
    EXPECT_FALSE(cols()->drag().active());
}

TEST_F(RulerFixture, AMissedReleaseDoesNotStickTheRuler)
{
    // A handler's popup menu took the release of a right press: the next
    // plain move ends the press and the ruler works as before.
    press(cols(), colFace(2), Qt::RightButton);
    send(cols(), QEvent::MouseMove, colFace(2), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(prepared, 1);
    sink.log.clear();
    press(cols(), colFace(1));
    EXPECT_EQ(sink.log, (V{"pole 2,0", "input 2,1", "select 2,1,2,30"}));
    release(cols(), colFace(1));

    // A resize whose release went elsewhere is finished by the next press.
    press(cols(), QPoint(157, 8));
    dragTo(cols(), QPoint(167, 8));
    sink.log.clear();
    press(cols(), colFace(4));
    EXPECT_FALSE(cols()->drag().active());
    EXPECT_EQ(m().GetColWidth(2), 90);
    EXPECT_EQ(sink.log, (V{"pole 5,0", "input 5,1", "select 5,1,5,30"}));
    release(cols(), colFace(4));
}

TEST_F(RulerFixture, ReleaseAfterAClosedListDoesNotPrepareInput)
{
    c().rulerInput().setSkipRulerPrepare(true);
    press(cols(), colFace(1));
    release(cols(), colFace(1));
    EXPECT_EQ(prepared, 0);
    EXPECT_FALSE(c().rulerInput().skipRulerPrepare());
    press(cols(), colFace(2));
    release(cols(), colFace(2));
    EXPECT_EQ(prepared, 1);
}

TEST_F(RulerFixture, CursorShowsTheSplitNearFarEdges)
{
    const struct
    {
        QPoint at;
        Qt::CursorShape shape;
    } cases[] = {{colFace(1), Qt::ArrowCursor},
                 {QPoint(155, 8), Qt::SplitHCursor}, // 5 pixels before the far edge (face 82..159)
                 {QPoint(154, 8), Qt::ArrowCursor},
                 {QPoint(160, 8), Qt::SplitHCursor}}; // the split handle
    for (const auto &k : cases) {
        send(cols(), QEvent::MouseMove, k.at, Qt::NoButton, Qt::NoButton);
        EXPECT_EQ(cols()->cursor().shape(), k.shape) << k.at.x();
    }
    send(rows(), QEvent::MouseMove, QPoint(10, 38), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(rows()->cursor().shape(), Qt::SplitVCursor);
}

TEST(SizeHintText, MillimetresMatchTheNumberPattern)
{
    // The rulers round in integers; the pattern code is the reference.
    for (int px = 0; px <= 2000; ++px)
        ASSERT_EQ(pixelsToMillimetreText(px), formatNumberPattern(px * 25.4 / 96, QStringLiteral("0.0")))
            << px;
}
