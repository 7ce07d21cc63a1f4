#pragma once

#include "automation/ICellvex.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <vector>

namespace cellvex::demo::fakes {

// A stand-in for the control that writes down every interface call the host
// makes, in order, as text: the C++ function name (properties with their
// get_/put_ prefix) and the in and in/out arguments, e.g.
//   SetCellBorders(1, 2, 3, 1)      SetFontName(1, 1, "宋体")      put_PoleVisible(2)
// Results and out arguments come from replies set per function name; a
// function without a reply hands back empty values (0, false, "").
class RecordingCellvex final : public automation::ICellvex
{
public:
    // ins: the in and in/out arguments in declaration order. outs: one slot per
    // out and in/out argument in declaration order, then the result when the
    // member has one; the slots start empty, the handler fills what it likes.
    using Handler = std::function<automation::HResult(const std::vector<automation::Variant> &ins,
                                                      std::vector<automation::Variant> &outs)>;

    RecordingCellvex() = default;

    // Every call so far, oldest first.
    const QStringList &calls() const { return m_calls; }
    // The calls whose function name is `name`.
    QStringList callsTo(const QString &name) const;
    void clearCalls() { m_calls.clear(); }

    void on(const QString &function, Handler handler);
    // Shorthand: the member's result is always `value`.
    void returns(const QString &function, automation::Variant value);
    // Shorthand: the out arguments (and then the result) are always `values`.
    void returnsOuts(const QString &function, std::vector<automation::Variant> values);
    // The member fails with E_FAIL and this description (recorded as the
    // control records failures, so ErrorInfo::last() tells it).
    void fails(const QString &function, const QString &description);

    // IUnknown / IDispatch: enough for a host that uses the vtable.
    automation::HResult QueryInterface(const automation::Guid &iid, void **object) override;
    std::uint32_t AddRef() override { return ++m_refs; }
    std::uint32_t Release() override { return m_refs > 1 ? --m_refs : 1; }
    automation::HResult GetTypeInfoCount(std::uint32_t *count) override;
    automation::HResult GetTypeInfo(std::uint32_t, std::uint32_t, const automation::MemberLookup **) override;
    automation::HResult GetIDsOfNames(const QString *names, std::uint32_t count, std::uint32_t locale,
                                      automation::DispId *dispIds) override;
    // Recorded as "Invoke(<dispid>, <flags>, args...)"; put flags write the
    // property through its put_ reply, get flags read it through get_.
    automation::HResult Invoke(automation::DispId dispId, std::uint32_t locale, std::uint16_t flags,
                               std::vector<automation::Variant> &args, automation::Variant *result,
                               std::uint32_t *argError) override;

#define CELLVEX_FAKE_TAG(direction, type, name, empty)                                                       \
    ::cellvex::demo::fakes::RecordingCellvex::tag<::cellvex::automation::Direction::direction,               \
                                                  ::cellvex::automation::ArgType::type>(name)
#define CELLVEX_MEMBER(slot, dispid, name, kind, result, commit, target, empty, visibility, args)            \
    automation::HResult CELLVEX_FUNCTION_NAME(kind, name) CELLVEX_PARAMETERS(result, args) override          \
    {                                                                                                        \
        return record(QStringLiteral(CELLVEX_FAKE_STR(CELLVEX_FUNCTION_NAME(kind, name))),                   \
                      ::cellvex::automation::ArgType::result,                                                \
                      static_cast<void *>(CELLVEX_RESULT_ARGUMENT(result)),                                  \
                      {CELLVEX_FOR_EACH_ARG(CELLVEX_FAKE_TAG, args)});                                       \
    }
#define CELLVEX_FAKE_STR(x) CELLVEX_FAKE_STR_EXPANDED(x)
#define CELLVEX_FAKE_STR_EXPANDED(x) #x
#include "automation/Members.def"
#undef CELLVEX_FAKE_TAG

    // One argument of a call: where it lives, its declared type and direction.
    struct Slot
    {
        automation::Direction direction;
        automation::ArgType type;
        void *address;
    };
    template <automation::Direction D, automation::ArgType T, class V> static Slot tag(V &&value)
    {
        if constexpr (std::is_pointer_v<std::remove_cvref_t<V>> && D != automation::Direction::In)
            return Slot{D, T, static_cast<void *>(value)};
        else
            return Slot{D, T, const_cast<void *>(static_cast<const void *>(&value))};
    }

private:
    automation::HResult record(const QString &function, automation::ArgType resultType, void *result,
                               std::initializer_list<Slot> arguments);

    QStringList m_calls;
    std::map<QString, Handler> m_handlers;
    std::uint32_t m_refs = 1;
};

// The recorded text of one value, as calls() shows it.
QString recordedText(const automation::Variant &value);

} // namespace cellvex::demo::fakes
