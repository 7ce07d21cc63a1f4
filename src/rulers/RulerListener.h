#pragma once

#include <cstdint>

namespace cellvex {

enum class Orientation { Horizontal, Vertical };

// Hears the changes of one ruler. The report listens to both of its rulers
// and passes their changes on as report changes.
class RulerListener
{
public:
    // Something visible changed (geometry, strip, colour): repaint the ruler.
    virtual void rulerChanged(Orientation orientation) = 0;
    // Only the highlight of poles first..last changed.
    virtual void highlightChanged(Orientation orientation, int first, int last) = 0;
    // The ruler recounted the poles in view (after a scroll, a size or
    // structure change or a new report).
    virtual void displayCountChanged(Orientation orientation, int count) = 0;
    virtual void polesInserted(Orientation, int /*pole*/, int /*addCount*/) {}
    virtual void polesDeleted(Orientation, int /*pole*/, int /*deleteCount*/, int /*beforeDelCount*/,
                              std::int64_t /*delRange*/)
    {
    }

protected:
    ~RulerListener() = default;
};

} // namespace cellvex
