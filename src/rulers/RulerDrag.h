#pragma once

namespace cellvex {

// The resize drag of one pole, free of widgets: the pole's face grows or
// shrinks with the pointer while the poles after it stay where they are
// until the button is released (then the ruler moves them once, by
// totalChange()). Two ways to start it:
//  - Edge: the press landed within a few pixels of the face's far edge. The
//    pointer is measured from the face's start, which does not move.
//  - Split: the press landed on the split handle. The pointer is measured
//    from the handle, which moves with the face's far edge.
// Positions are along the ruler's axis, in pixels.
class RulerDrag
{
public:
    enum class Kind { None, Edge, Split };

    // One pointer move while dragging.
    struct Step
    {
        bool taken = false; // the face's length was (re)computed
        int oldLength = 0;
        int newLength = 0;
        int moveRange() const { return oldLength - newLength; } // what OnPoleResize reports
    };

    // Pixels from a face's far edge within which a press starts an edge drag
    // and the pointer shows the split cursor.
    static constexpr int kEdgeZone = 5;
    static bool nearFarEdge(int faceLength, int pointerInFace)
    {
        return faceLength - pointerInFace <= kEdgeZone;
    }
    // Largest range a drag can give a pole: the largest a column width or
    // row height may be set to, so a drag cannot make what the size members
    // refuse (and a drag far past the screen cannot overflow the geometry).
    static constexpr int kMaxRange = 32767;

    bool active() const { return m_kind != Kind::None; }
    Kind kind() const { return m_kind; }
    int pole() const { return m_pole; }

    // `pointer` is relative to the panel that holds the mouse (see above).
    void begin(Kind kind, int pole, int faceLength, int splitLength, int pointer);
    Step move(int pointer);
    // Ends the drag; the caller applies totalChange() to the ruler.
    void end() { m_kind = Kind::None; }

    // Where the panel that holds the mouse starts, measured from the face's
    // start: how a caller turns a pointer position on the ruler into the
    // coordinate move() expects.
    int panelOffset() const { return m_kind == Kind::Split ? m_splitPos : 0; }

    int faceLength() const { return m_faceLength; }
    // Start of the split handle from the face's start; equals faceLength()
    // except that it is never before the face's start.
    int splitPosition() const { return m_splitPos; }
    int splitLength() const { return m_splitLength; }
    // The pole's range as the size hint shows it.
    int range() const { return m_faceLength + m_splitLength; }
    int originalRange() const { return m_originalLength + m_splitLength; }
    int totalChange() const { return m_total; }

private:
    Kind m_kind = Kind::None;
    int m_pole = -1;
    int m_start = 0;
    int m_faceLength = 0;
    int m_originalLength = 0;
    int m_splitPos = 0;
    int m_splitLength = 0;
    int m_total = 0;
};

} // namespace cellvex
