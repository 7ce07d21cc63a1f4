#pragma once

#include "automation/EventSink.h"
#include "automation/ICellvex.h"

#include "script/vbscript/VbsEngine.h"

namespace cellvex {

// The control as a VBScript object: every member is found by name (any
// letter case) and reached through Invoke, as a late-bound client reaches it.
// The script passes every argument, out ones as variables that receive the
// value (GetCellReferenceByAlias "Title", c, r).
class VbsControlObject : public vbs::VbsHostObject
{
public:
    explicit VbsControlObject(automation::ICellvex &control) : m_control(control) {}
    QString typeName() const override { return QStringLiteral("Cellvex"); }
    vbs::VbsHostError invoke(const QString &name, vbs::VbsCallKind kind, QVariantList &args,
                             QVariant &result) override;

    static QVariant toVariant(const automation::Variant &v);
    static automation::Variant fromVariant(const QVariant &v);

private:
    automation::ICellvex &m_control;
};

// Calls Sub Cellvex_<EventName>(args) when the script defines it; in/out
// arguments take the values the handler leaves in its ByRef parameters.
class VbsEventSink : public automation::IEventSink
{
public:
    explicit VbsEventSink(vbs::VbsEngine &engine) : m_engine(engine) {}
    automation::HResult Invoke(automation::DispId dispId, std::vector<automation::Variant> &args) override;

private:
    vbs::VbsEngine &m_engine;
};

} // namespace cellvex
