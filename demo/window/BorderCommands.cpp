#include "BorderCommands.h"

#include "HostError.h"

#include "automation/ICellvex.h"

namespace cellvex::demo {

namespace {

// Border types of SetCellBorders.
enum Side { Diagonal = 0, Left = 1, Top = 2, Right = 3, Bottom = 4 };

class Borders
{
public:
    Borders(automation::ICellvex &control, const HostState &state) : m_control(control), m_s(state) {}

    void set(int c, int r, Side side, int width) { checkCall(m_control.SetCellBorders(c, r, side, width)); }

    template <class F> void each(F &&f) { forEachSelectedCell(m_s, f); }

    void leftEdge(int width)
    {
        for (int r = m_s.selMinY; r <= m_s.selMaxY; ++r)
            set(m_s.selMinX, r, Left, width);
    }
    void topEdge(int width)
    {
        for (int c = m_s.selMinX; c <= m_s.selMaxX; ++c)
            set(c, m_s.selMinY, Top, width);
    }
    void rightEdge(int width)
    {
        for (int r = m_s.selMinY; r <= m_s.selMaxY; ++r)
            set(m_s.selMaxX, r, Right, width);
    }
    void bottomEdge(int width)
    {
        for (int c = m_s.selMinX; c <= m_s.selMaxX; ++c)
            set(c, m_s.selMaxY, Bottom, width);
    }
    void outline(int width)
    {
        leftEdge(width);
        topEdge(width);
        rightEdge(width);
        bottomEdge(width);
    }
    void diagonal(int code)
    {
        each([&](int c, int r) { set(c, r, Diagonal, code); });
    }

private:
    automation::ICellvex &m_control;
    const HostState &m_s;
};

} // namespace

void applyBorderButton(automation::ICellvex &control, const HostState &state, BorderButton button)
{
    Borders b(control, state);
    switch (button) {
    case BorderButton::AllLines:
        // Each cell draws its left and top line; the last column and row
        // close the grid on their right and bottom.
        b.each([&](int c, int r) {
            b.set(c, r, Left, 1);
            b.set(c, r, Top, 1);
            b.set(c, r, Right, c == state.selMaxX ? 1 : 0);
            b.set(c, r, Bottom, r == state.selMaxY ? 1 : 0);
        });
        break;
    case BorderButton::Outline:
        b.outline(1);
        break;
    case BorderButton::NoLines:
        b.each([&](int c, int r) {
            for (Side side : {Left, Top, Right, Bottom})
                b.set(c, r, side, 0);
        });
        break;
    case BorderButton::InnerLines:
        b.each([&](int c, int r) {
            if (c != state.selMinX)
                b.set(c, r, Left, 1);
            if (r != state.selMinY)
                b.set(c, r, Top, 1);
        });
        b.each([&](int c, int r) {
            if (c == state.selMinX)
                b.set(c, r, Left, 0);
            if (r == state.selMinY)
                b.set(c, r, Top, 0);
        });
        break;
    case BorderButton::LeftEdge:
        b.leftEdge(1);
        break;
    case BorderButton::TopEdge:
        b.topEdge(1);
        break;
    case BorderButton::RightEdge:
        b.rightEdge(1);
        break;
    case BorderButton::BottomEdge:
        b.bottomEdge(1);
        break;
    case BorderButton::ThickOutline:
        b.outline(2);
        break;
    case BorderButton::DiagonalDown:
        b.diagonal(1);
        break;
    case BorderButton::DiagonalUp:
        b.diagonal(2);
        break;
    case BorderButton::DiagonalFan:
        b.diagonal(3);
        break;
    case BorderButton::NoDiagonal:
        b.diagonal(0);
        break;
    }
}

} // namespace cellvex::demo
