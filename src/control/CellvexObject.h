#pragma once

#include "automation/ComInterfaces.h"
#include "automation/ErrorInfo.h"
#include "automation/EventSink.h"
#include "automation/ICellvex.h"
#include "control/CellvexControl.h"
#include "control/VariantMarshal.h"

#include <QPointer>

#include <atomic>

namespace cellvex {

class CellvexControl;

// The control object a container creates: implements ICellvex over one
// CellvexControl. Every member, whether reached through its vtable slot or
// through Invoke, runs the same boundary: commit input when its row says so,
// resolve an alias, check the cell, run the implementation, and turn every
// exception into a failing result whose description is kept as error info.
class CellvexObject final : public automation::ICellvex, public automation::IConnectionPoint
{
public:
    // Creates the control widget (parented to `parent` when given).
    explicit CellvexObject(QWidget *parent = nullptr);

    CellvexControl *control() const { return m_control; }
    // Objects alive in this process, for DllCanUnloadNow.
    static int liveCount() { return s_live.load(); }
    const automation::ErrorInfo &errorInfo() const { return m_errors; }

    // IUnknown
    automation::HResult QueryInterface(const automation::Guid &iid, void **object) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;
    // IDispatch
    automation::HResult GetTypeInfoCount(std::uint32_t *count) override;
    automation::HResult GetTypeInfo(std::uint32_t index, std::uint32_t locale,
                                    const automation::MemberLookup **info) override;
    automation::HResult GetIDsOfNames(const QString *names, std::uint32_t count, std::uint32_t locale,
                                      automation::DispId *dispIds) override;
    automation::HResult Invoke(automation::DispId dispId, std::uint32_t locale, std::uint16_t flags,
                               std::vector<automation::Variant> &args, automation::Variant *result,
                               std::uint32_t *argError) override;
    // IConnectionPoint
    automation::HResult Advise(automation::IEventSink *sink, std::uint32_t *cookie) override;
    automation::HResult Unadvise(std::uint32_t cookie) override;

    // Runs the member of table row `rowIndex` (slot - 7) with bound arguments.
    automation::HResult dispatchRow(int rowIndex, std::vector<automation::Variant> &args,
                                    automation::Variant *result);

    // The typed members, one per table row, in slot order.
#define CELLVEX_MEMBER(slot, dispid, name, kind, result, commit, target, empty, visibility, args)            \
    automation::HResult CELLVEX_FUNCTION_NAME(kind, name) CELLVEX_PARAMETERS(result, args) override;
#include "automation/Members.def"

private:
    ~CellvexObject();

    QPointer<CellvexControl> m_control;
    automation::ErrorInfo m_errors;
    std::atomic<std::uint32_t> m_refs{1};
    std::uint32_t m_cookie = 0;
    static inline std::atomic<int> s_live{0};
};

} // namespace cellvex
