#pragma once

#include "chart/Chart.h"

#include <memory>

namespace cellvex {

// The chart of a chart cell: the chart drawn over the cell (its series
// parallel to the cell's series entries, its background picture) and the
// state of a marker drag. The cell's picture layer holds the chart's
// snapshot, which printing and export read.
struct CellChart
{
    Chart chart;
    // The series entry whose markers are being dragged, and the marker's
    // index among them (ascending x); -1 outside a drag.
    int dragSeries = -1;
    int dragPoint = -1;
};

// Owns a cell's chart and copies it with the cell: a copied cell draws and
// drags its own chart.
class OwnedChart
{
public:
    OwnedChart() = default;
    OwnedChart(const OwnedChart &o) : m_chart(o.m_chart ? std::make_unique<CellChart>(*o.m_chart) : nullptr)
    {
    }
    OwnedChart &operator=(const OwnedChart &o)
    {
        if (this != &o)
            m_chart = o.m_chart ? std::make_unique<CellChart>(*o.m_chart) : nullptr;
        return *this;
    }
    OwnedChart(OwnedChart &&) noexcept = default;
    OwnedChart &operator=(OwnedChart &&) noexcept = default;

    CellChart *get() const { return m_chart.get(); }
    CellChart &create()
    {
        if (!m_chart)
            m_chart = std::make_unique<CellChart>();
        return *m_chart;
    }
    void reset() { m_chart.reset(); }

private:
    std::unique_ptr<CellChart> m_chart;
};

} // namespace cellvex
