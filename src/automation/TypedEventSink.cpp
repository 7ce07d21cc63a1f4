#include "TypedEventSink.h"

#include "automation/EventTable.h"

namespace cellvex::automation {

HResult TypedEventSink::Invoke(DispId dispId, std::vector<Variant> &a)
{
    auto L = [&](size_t i) { return i < a.size() ? a[i].asLong() : 0; };
    auto S = [&](size_t i) { return i < a.size() ? a[i].asString() : QString(); };
    switch (dispId) {
    case 1:
        OnActivate();
        break;
    case 2: {
        QString script = S(3);
        OnButtonClick(L(0), L(1), S(2), &script);
        if (a.size() > 3)
            a[3] = Variant::fromString(script);
        break;
    }
    case 3:
        OnCreate();
        break;
    case 4:
        OnSelectChange(L(0), L(1), L(2), L(3));
        break;
    case 5:
        OnError(S(0));
        break;
    case 6:
        OnDestroy();
        break;
    case 7:
        OnDeactivate();
        break;
    case 8:
        OnInputChange(L(0), L(1));
        break;
    case 9:
        OnPoleLClick(L(0), L(1));
        break;
    case 10:
        OnPoleRClick(L(0), L(1), L(2), L(3));
        break;
    case 11: {
        std::int16_t key = a.empty() ? 0 : a[0].asShort();
        OnKeyPress(&key);
        if (!a.empty())
            a[0] = Variant::fromShort(key);
        break;
    }
    case 12:
        OnCellLClick(L(0), L(1));
        break;
    case 13:
        OnCellRClick(L(0), L(1), L(2), L(3));
        break;
    case 14:
        OnCellLDblClick(L(0), L(1));
        break;
    case 15:
        OnCellChanged(L(0), L(1), S(2));
        break;
    case 16:
        OnPaint();
        break;
    case 17:
        OnTopChange(L(0));
        break;
    case 18:
        OnLeftChange(L(0));
        break;
    case 19: {
        QString value = S(2);
        OnCellChanging(L(0), L(1), &value);
        if (a.size() > 2)
            a[2] = Variant::fromString(value);
        break;
    }
    case 20:
        OnAdjustedSeries(L(0), L(1), L(2), S(3), S(4));
        break;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
    return S_OK;
}

} // namespace cellvex::automation
