#include "EventRaiser.h"

#include "report/HostCallScope.h"

#include "automation/DispatchBinder.h"
#include "automation/EventTable.h"

namespace cellvex {

using automation::ArgInfo;
using automation::ArgType;
using automation::Direction;
using automation::EventId;
using automation::Variant;
using automation::VarType;

namespace {

Variant L(int v)
{
    return Variant::fromLong(v);
}
Variant S(const QString &v)
{
    return Variant::fromString(v);
}

// What a host left in an in/out argument, read as the argument's type;
// false when it has no such reading.
bool readBack(const ArgInfo &arg, const Variant &returned, Variant &out)
{
    if (arg.type == ArgType::Short) {
        // Script hosts hand back a long where a short is declared; the low
        // 16 bits carry the value, so an out-of-range number does not make
        // the handler's answer vanish.
        Variant wide;
        if (automation::failed(returned.changeType(VarType::Long, wide)))
            return false;
        out = Variant::fromShort(std::int16_t(wide.asLong()));
        return true;
    }
    return automation::succeeded(returned.changeType(automation::varTypeOf(arg.type), out));
}

} // namespace

bool EventRaiser::raise(EventId id, std::vector<Variant> &args)
{
    if (!m_sink)
        return false;
    const HostCallScope scope(m_report);
    if (!scope.entered())
        return false;
    const automation::EventRow *row = automation::findEvent(automation::dispIdOf(id));
    Q_ASSERT(row && row->args().size() == args.size());
    const std::vector<Variant> raised = args;
    try {
        m_sink->Invoke(automation::dispIdOf(id), args); // a failing handler is ignored
    } catch (...) {
        // A host's exception never crosses into the control's operation.
    }
    const auto declared = row->args();
    for (std::size_t k = 0; k < declared.size() && k < args.size(); ++k) {
        if (declared[k].direction == Direction::In)
            continue;
        Variant value;
        args[k] = readBack(declared[k], args[k], value) ? std::move(value) : raised[k];
    }
    return true;
}

void EventRaiser::buttonClick(int col, int row, const QString &name, QString &script)
{
    std::vector<Variant> a{L(col), L(row), S(name), S(script)};
    if (raise(EventId::OnButtonClick, a))
        script = a[3].asString();
}

void EventRaiser::selectChange(int minCol, int minRow, int maxCol, int maxRow)
{
    raise(EventId::OnSelectChange, {L(minCol), L(minRow), L(maxCol), L(maxRow)});
}

void EventRaiser::error(const QString &message)
{
    raise(EventId::OnError, {S(message)});
}

void EventRaiser::inputChange(int col, int row)
{
    raise(EventId::OnInputChange, {L(col), L(row)});
}

void EventRaiser::poleLClick(int index, int orientation)
{
    raise(EventId::OnPoleLClick, {L(index), L(orientation)});
}

void EventRaiser::poleRClick(int index, int orientation, int screenX, int screenY)
{
    raise(EventId::OnPoleRClick, {L(index), L(orientation), L(screenX), L(screenY)});
}

void EventRaiser::keyPress(std::int16_t &key)
{
    std::vector<Variant> a{Variant::fromShort(key)};
    if (raise(EventId::OnKeyPress, a))
        key = std::int16_t(a[0].asShort() & 0xFF); // the low 8 bits are the character
}

void EventRaiser::cellLClick(int col, int row)
{
    raise(EventId::OnCellLClick, {L(col), L(row)});
}

void EventRaiser::cellRClick(int col, int row, int screenX, int screenY)
{
    raise(EventId::OnCellRClick, {L(col), L(row), L(screenX), L(screenY)});
}

void EventRaiser::cellLDblClick(int col, int row)
{
    raise(EventId::OnCellLDblClick, {L(col), L(row)});
}

// The two events of every value assignment: without a sink their arguments
// are not even built.
void EventRaiser::cellChanged(int col, int row, const QString &value)
{
    if (!m_sink)
        return;
    raise(EventId::OnCellChanged, {L(col), L(row), S(value)});
}

void EventRaiser::topChange(int top)
{
    raise(EventId::OnTopChange, {L(top)});
}

void EventRaiser::leftChange(int left)
{
    raise(EventId::OnLeftChange, {L(left)});
}

void EventRaiser::cellChanging(int col, int row, QString &value)
{
    if (!m_sink)
        return;
    std::vector<Variant> a{L(col), L(row), S(value)};
    if (raise(EventId::OnCellChanging, a))
        value = a[2].asString();
}

void EventRaiser::adjustedSeries(int col, int row, int seriesType, const QString &sign, const QString &data)
{
    raise(EventId::OnAdjustedSeries, {L(col), L(row), L(seriesType), S(sign), S(data)});
}

} // namespace cellvex
