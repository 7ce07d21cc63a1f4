#pragma once

#include "MainWindow.h"

#include "automation/TypedEventSink.h"

namespace cellvex::demo {

// The main window's connection to the control's events: the five events
// the window follows, handed on as they arrive.
class HostEventSink final : public automation::TypedEventSink
{
public:
    explicit HostEventSink(MainWindow &window) : m_window(window) {}

    void OnSelectChange(std::int32_t minX, std::int32_t minY, std::int32_t maxX, std::int32_t maxY) override
    {
        m_window.onSelectChange(minX, minY, maxX, maxY);
    }
    void OnInputChange(std::int32_t col, std::int32_t row) override { m_window.onInputChange(col, row); }
    void OnPoleRClick(std::int32_t index, std::int32_t orientation, std::int32_t x, std::int32_t y) override
    {
        m_window.onPoleRClick(index, orientation, x, y);
    }
    void OnCellRClick(std::int32_t col, std::int32_t row, std::int32_t x, std::int32_t y) override
    {
        m_window.onCellRClick(col, row, x, y);
    }
    void OnError(const QString &message) override { m_window.onControlError(message); }

private:
    MainWindow &m_window;
};

} // namespace cellvex::demo
