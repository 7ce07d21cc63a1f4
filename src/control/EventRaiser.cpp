#include "EventRaiser.h"

namespace cellvex {

using automation::Variant;

namespace {
Variant L(int v)
{
    return Variant::fromLong(v);
}
Variant S(const QString &v)
{
    return Variant::fromString(v);
}
} // namespace

bool EventRaiser::raise(automation::DispId id, std::vector<Variant> &&args)
{
    return raise(id, args, false);
}

bool EventRaiser::raise(automation::DispId id, std::vector<Variant> &args, bool)
{
    if (!m_sink || m_depth >= kMaxNesting)
        return false;
    ++m_depth;
    try {
        m_sink->Invoke(id, args); // a failing handler is ignored
    } catch (...) {
        // A host's exception never crosses into the control's operation.
    }
    --m_depth;
    return true;
}

void EventRaiser::buttonClick(int col, int row, const QString &name, QString &script)
{
    std::vector<Variant> a{L(col), L(row), S(name), S(script)};
    if (raise(2, a, true)) {
        Variant v;
        if (automation::succeeded(a[3].changeType(automation::VarType::String, v)))
            script = v.asString();
    }
}

void EventRaiser::selectChange(int minCol, int minRow, int maxCol, int maxRow)
{
    raise(4, {L(minCol), L(minRow), L(maxCol), L(maxRow)});
}

void EventRaiser::error(const QString &message)
{
    raise(5, {S(message)});
}

void EventRaiser::inputChange(int col, int row)
{
    raise(8, {L(col), L(row)});
}

void EventRaiser::poleLClick(int index, int orientation)
{
    raise(9, {L(index), L(orientation)});
}

void EventRaiser::poleRClick(int index, int orientation, int screenX, int screenY)
{
    raise(10, {L(index), L(orientation), L(screenX), L(screenY)});
}

void EventRaiser::keyPress(std::int16_t &key)
{
    std::vector<Variant> a{Variant::fromShort(key)};
    if (raise(11, a, true)) {
        Variant v;
        if (automation::succeeded(a[0].changeType(automation::VarType::Long, v)))
            key = std::int16_t(v.asLong() & 0xFF); // the low 8 bits are the character
    }
}

void EventRaiser::cellLClick(int col, int row)
{
    raise(12, {L(col), L(row)});
}

void EventRaiser::cellRClick(int col, int row, int screenX, int screenY)
{
    raise(13, {L(col), L(row), L(screenX), L(screenY)});
}

void EventRaiser::cellLDblClick(int col, int row)
{
    raise(14, {L(col), L(row)});
}

void EventRaiser::cellChanged(int col, int row, const QString &value)
{
    raise(15, {L(col), L(row), S(value)});
}

void EventRaiser::topChange(int top)
{
    raise(17, {L(top)});
}

void EventRaiser::leftChange(int left)
{
    raise(18, {L(left)});
}

void EventRaiser::cellChanging(int col, int row, QString &value)
{
    std::vector<Variant> a{L(col), L(row), S(value)};
    if (raise(19, a, true)) {
        Variant v;
        if (automation::succeeded(a[2].changeType(automation::VarType::String, v)))
            value = v.asString();
    }
}

void EventRaiser::adjustedSeries(int col, int row, int seriesType, const QString &sign, const QString &data)
{
    raise(20, {L(col), L(row), L(seriesType), S(sign), S(data)});
}

} // namespace cellvex
