#pragma once

#include "automation/EventSink.h"

#include <QString>

#include <cstdint>

namespace cellvex::automation {

// A sink with one virtual function per event, for hosts written in C++.
// Override the events of interest; the others do nothing. In/out arguments
// arrive by pointer and are handed back to the control after the call.
class TypedEventSink : public IEventSink
{
public:
    HResult Invoke(DispId dispId, std::vector<Variant> &args) final;

    virtual void OnActivate() {}
    virtual void OnButtonClick(std::int32_t, std::int32_t, const QString &, QString *) {}
    virtual void OnCreate() {}
    virtual void OnSelectChange(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}
    virtual void OnError(const QString &) {}
    virtual void OnDestroy() {}
    virtual void OnDeactivate() {}
    virtual void OnInputChange(std::int32_t, std::int32_t) {}
    virtual void OnPoleLClick(std::int32_t, std::int32_t) {}
    virtual void OnPoleRClick(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}
    virtual void OnKeyPress(std::int16_t *) {}
    virtual void OnCellLClick(std::int32_t, std::int32_t) {}
    virtual void OnCellRClick(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}
    virtual void OnCellLDblClick(std::int32_t, std::int32_t) {}
    virtual void OnCellChanged(std::int32_t, std::int32_t, const QString &) {}
    virtual void OnPaint() {}
    virtual void OnTopChange(std::int32_t) {}
    virtual void OnLeftChange(std::int32_t) {}
    virtual void OnCellChanging(std::int32_t, std::int32_t, QString *) {}
    virtual void OnAdjustedSeries(std::int32_t, std::int32_t, std::int32_t, const QString &, const QString &)
    {
    }
};

} // namespace cellvex::automation
