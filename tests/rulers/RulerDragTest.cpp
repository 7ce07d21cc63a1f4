#include "rulers/RulerDrag.h"

#include <gtest/gtest.h>

#include <vector>

using namespace cellvex;

namespace {

using Kind = RulerDrag::Kind;

// A drag as the ruler sees it: pointer positions measured from the face's
// start (the ruler turns them into panel coordinates with panelOffset()),
// and the face length expected after each move.
struct DragCase
{
    const char *name;
    Kind kind;
    int face, split;
    int press; // from the face's start
    std::vector<std::pair<int, int>> moves;
    int total; // the change applied on release
};

} // namespace

TEST(RulerDrag, FaceFollowsThePointerAndLaterPolesWait)
{
    const DragCase cases[] = {
        {"edge grows", Kind::Edge, 78, 2, 75, {{95, 98}, {96, 99}}, 21},
        {"edge shrinks", Kind::Edge, 78, 2, 76, {{56, 58}, {40, 42}}, -36},
        // Past the face's start the face stays 0; the start is corrected, so
        // the face grows again only once the pointer is back over the face.
        {"edge to zero and back", Kind::Edge, 78, 2, 75, {{-10, 0}, {-5, 0}, {-3, 0}, {10, 13}}, -65},
        {"split grows", Kind::Split, 17, 2, 18, {{38, 37}, {40, 39}}, 22},
        // The handle moves with the face; dragged above the pole's top it is
        // held at the start, the row left 0 pixels plus its handle.
        {"split past the start", Kind::Split, 17, 2, 18, {{-20, 0}, {-5, 0}, {5, 4}}, -13},
        {"split to exactly zero", Kind::Split, 78, 2, 79, {{1, 0}, {0, 0}}, -78},
        // A collapsed face only grows.
        {"collapsed face", Kind::Edge, 0, 2, 0, {{-4, 0}, {6, 6}}, 6},
        // A range beyond what the size members accept is never reached.
        {"clamped at the largest range", Kind::Edge, 78, 2, 75, {{200000, RulerDrag::kMaxRange - 2}}, 32687},
    };
    for (const DragCase &c : cases) {
        SCOPED_TRACE(c.name);
        RulerDrag d;
        // The split handle starts right after the face.
        d.begin(c.kind, 4, c.face, c.split, c.kind == Kind::Split ? c.press - c.face : c.press);
        ASSERT_TRUE(d.active());
        int reported = 0;
        for (const auto &[pointer, expected] : c.moves) {
            const int before = d.faceLength();
            const RulerDrag::Step s = d.move(pointer - d.panelOffset());
            if (s.taken) {
                EXPECT_EQ(s.oldLength, before);
                reported += s.moveRange();
            }
            EXPECT_EQ(d.faceLength(), expected) << "pointer " << pointer;
            EXPECT_EQ(d.splitPosition(), expected); // the handle sits at the far edge, never before the start
            EXPECT_EQ(d.range(), expected + c.split);
        }
        EXPECT_EQ(d.totalChange(), c.total);
        // OnPoleResize reports old - new each step, so the steps add up to the shrinkage.
        EXPECT_EQ(-reported, c.total);
        EXPECT_EQ(d.originalRange() + d.totalChange(), d.range());
        EXPECT_EQ(d.pole(), 4);
        d.end();
        EXPECT_FALSE(d.active());
        EXPECT_FALSE(d.move(500).taken);
    }
}

TEST(RulerDrag, PointerDidNotMoveAlongTheAxis)
{
    RulerDrag d;
    d.begin(Kind::Edge, 0, 78, 2, 75);
    const RulerDrag::Step s = d.move(75);
    EXPECT_TRUE(s.taken);
    EXPECT_EQ(s.moveRange(), 0);
    EXPECT_EQ(d.totalChange(), 0);
}

TEST(RulerDrag, EdgeZone)
{
    // Within 5 pixels of a 78-pixel face's far edge.
    const std::pair<int, bool> cases[] = {{72, false}, {73, true}, {77, true}, {0, false}};
    for (const auto &[pos, near] : cases)
        EXPECT_EQ(RulerDrag::nearFarEdge(78, pos), near) << pos;
    EXPECT_TRUE(RulerDrag::nearFarEdge(3, 0)); // a face that short is all edge
}
