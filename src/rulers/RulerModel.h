#pragma once

#include "common/Colors.h"
#include "rulers/PoleSelection.h"
#include "rulers/RulerListener.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace cellvex {

// Geometry of one ruler: how many poles (columns or rows) there are, how long
// each one is, where each begins and which part of them is in view. Widget
// free; the ruler widget paints from it and the report places cells from it.
//
// Every pole is a pole face followed by a split handle; the pair's length is
// the pole's range. Edges are prefix sums of the ranges, kept in 64 bit and
// computed lazily so that a run of size changes costs linear time overall.
class RulerModel
{
public:
    explicit RulerModel(Orientation orientation = Orientation::Horizontal);

    // --- published properties ---------------------------------------------
    Orientation orientation() const { return m_orientation; }
    ColorRef color() const { return m_color; }
    void setColor(ColorRef c);
    int poleWidth() const { return m_poleWidth; }
    void setPoleWidth(int v) { m_poleWidth = v < 0 ? 0 : v; }
    int poleHeight() const { return m_poleHeight; }
    void setPoleHeight(int v) { m_poleHeight = v < 0 ? 0 : v; }
    int splitRange() const { return m_splitRange; }
    void setSplitRange(int v) { m_splitRange = v < 0 ? 0 : v; }
    // Length of a new pole face along this ruler's axis.
    int defaultPoleLength() const
    {
        return m_orientation == Orientation::Horizontal ? m_poleWidth : m_poleHeight;
    }
    int defaultRange() const { return defaultPoleLength() + m_splitRange; }

    int count() const { return int(m_poleLens.size()); }
    int poleCount() const { return count(); }
    void setCount(int n);

    int margin() const { return m_margin; }
    void setMargin(int m);
    int poleRuler() const { return m_poleRuler; }
    void setPoleRuler(int r);

    int displayIndex() const { return m_displayIndex; }
    void setDisplayIndex(int d);
    std::int64_t scrollOffset() const { return m_scrollOffset; }
    int displayCount() const { return m_displayCount; }
    int lastCount() const { return m_lastCount; }

    // Length of the ruler window along its axis (the view length).
    std::int64_t length() const { return m_length; }
    void setLength(std::int64_t len);

    // --- geometry -------------------------------------------------------------
    std::int64_t poleEdge(int i) const; // 0 <= i <= count(); edge(count()) = total
    int panelRange(int i) const { return m_poleLens[size_t(i)] + m_splitLens[size_t(i)]; }
    int poleLength(int i) const { return m_poleLens[size_t(i)]; }
    int splitLength(int i) const { return m_splitLens[size_t(i)]; }
    std::int64_t totalLength() const { return poleEdge(count()); }
    std::vector<std::int64_t> poleEdges() const;
    std::vector<int> panelRanges() const;

    // Position of pole i's face along the axis in ruler coordinates.
    std::int64_t polePosition(int i) const { return m_margin - m_scrollOffset + poleEdge(i); }

    // Pole whose range holds the offset (from the leading edge of pole 0);
    // -1 before pole 0 or past the last pole. Zero-length poles never match.
    int poleAtOffset(std::int64_t offset) const;

    // --- operations -------------------------------------------------------------
    // Rebuild from ranges; negative ranges read as 0 and a range shorter than
    // the split handle makes the handle as long as the range.
    void loadFilePole(const std::vector<int> &ranges);
    void insertPole(int poleIndex, int addCount);
    void deletePole(int poleIndex, int deleteCount);
    // The report's column and row inserts and deletes. Unlike insertPole and
    // deletePole every pole keeps its own split handle, so a hidden pole stays
    // hidden and a new pole gets the default range wherever it lands; the
    // first displayed pole keeps its index (clamped to the ruler) and the
    // scroll offset is its edge again. Memory is taken before anything
    // changes, so std::bad_alloc leaves the ruler as it was. The events are
    // raised as by insertPole and deletePole.
    void insertDefaultPoles(int poleIndex, int addCount);
    void removePoles(int poleIndex, int deleteCount);
    void setPoleRange(int poleIndex, int range);
    // Gives poles first..last (clamped to the ruler) the same range with one
    // recount, so resizing a long run of poles stays linear.
    void setPoleRanges(int first, int last, int range);
    int getDisplayIndex(int first, int last) const;

    const PoleSelection &selection() const { return m_selected; }
    bool isSelected(int i) const { return m_selected.contains(i); }
    void setSelected(const std::vector<int> &indices);
    void setSelectedRange(int first, int last);
    void clearSelection();
    // Replaces a contiguous selection by another one touching only the poles
    // that leave or enter it.
    void setMoveSelected(int first, int last);

    void recalcDisplayCount();
    void recalcLastCount();

    // --- changes ----------------------------------------------------------------
    // The one listener of the ruler's changes (the report, or a test); none by default.
    void setListener(RulerListener *listener) { m_listener = listener; }

private:
    void invalidateEdgesFrom(int i);
    void reserveFor(size_t poles);
    void followDisplayIndex();
    void splitRangeInto(int range, int &pole, int &split) const;
    void changed();
    void highlightChanged(int first, int last);
    // The listener hears of the new or removed poles first; then the counts
    // are recomputed and the ruler announces its change.
    void announceInsert(int poleIndex, int addCount);
    void announceDelete(int poleIndex, int deleteCount, int before, std::int64_t delRange);

    Orientation m_orientation;
    ColorRef m_color = kButtonFace;
    int m_poleWidth = 78;
    int m_poleHeight = 17;
    int m_splitRange = 2;
    int m_margin = 0;
    int m_poleRuler = 0;
    int m_displayIndex = 0;
    std::int64_t m_scrollOffset = 0;
    int m_displayCount = 0;
    int m_lastCount = 0;
    std::int64_t m_length = 0;

    std::vector<std::int32_t> m_poleLens;
    std::vector<std::int32_t> m_splitLens;
    mutable std::vector<std::int64_t> m_edges; // count() + 1 entries
    mutable int m_edgesValidUpTo = 0;          // m_edges[0..m_edgesValidUpTo] are current

    PoleSelection m_selected;
    RulerListener *m_listener = nullptr;
};

} // namespace cellvex
