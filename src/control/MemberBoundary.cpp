#include "MemberBoundary.h"

#include "automation/DispatchBinder.h"
#include "automation/MemberTable.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"

#include <new>

namespace cellvex {

using namespace automation;

namespace {

QString nameOf(const MemberRow &row)
{
    return QString::fromLatin1(row.name.data(), qsizetype(row.name.size()));
}

// A member that names no existing cell answers its empty value.
void answerEmpty(const MemberRow &row, std::vector<Variant> &args, Variant *result)
{
    if (result && row.hasResult())
        *result = emptyValueOf(row.empty, row.result);
    const auto a = row.args();
    for (size_t k = 0; k < a.size() && k < args.size(); ++k)
        if (a[k].direction != Direction::In && a[k].empty != EmptyValue::NotApplicable)
            args[k] = emptyValueOf(a[k].empty, a[k].type);
}

HResult runResolved(ReportActions &control, int rowIndex, std::vector<Variant> &args, Variant *result)
{
    const MemberRow &row = memberTable()[size_t(rowIndex)];
    if (row.takesAlias()) {
        int col = -1, cellRow = -1;
        const QString alias = args.empty() ? QString() : args[0].asString();
        const bool found = row.target == MemberTarget::LastByAlias
                               ? control.findLastAlias(alias, col, cellRow)
                               : control.findAlias(alias, col, cellRow);
        if (!found) {
            answerEmpty(row, args, result);
            return S_OK;
        }
        std::vector<Variant> cellArgs;
        cellArgs.reserve(args.size() + 1);
        cellArgs.push_back(Variant::fromLong(col + 1));
        cellArgs.push_back(Variant::fromLong(cellRow + 1));
        cellArgs.insert(cellArgs.end(), args.begin() + 1, args.end());
        const HResult hr = runResolved(control, row.twin, cellArgs, result);
        for (size_t k = 1; k < args.size(); ++k)
            args[k] = cellArgs[k + 1];
        return hr;
    }

    MemberCall call{row, args, Variant(), -1, -1};
    if (row.takesCell()) {
        const std::int32_t c = args[0].asLong(), r = args[1].asLong();
        if (c < 1 || r < 1 || c > control.report().colCount() || r > control.report().rowCount()) {
            answerEmpty(row, args, result);
            return S_OK;
        }
        call.col = c - 1;
        call.cellRow = r - 1;
    }
    const MemberImpl impl = MemberRegistry::instance().at(rowIndex);
    if (!impl)
        throw NotImplemented(nameOf(row));
    impl(control, call);
    if (result)
        *result = std::move(call.result);
    return S_OK;
}

} // namespace

HResult runMember(ReportActions &control, int rowIndex, std::vector<Variant> &args, Variant *result,
                  ErrorInfo &errors)
{
    errors.clear();
    if (rowIndex < 0 || size_t(rowIndex) >= memberTable().size())
        return errors.fail(DISP_E_MEMBERNOTFOUND, QStringLiteral("成员不存在"));
    const MemberRow &row = memberTable()[size_t(rowIndex)];
    // Built only when a failure needs it: the boundary is on every call's path.
    auto source = [&row] { return QStringLiteral("ICellvex.") + nameOf(row); };
    HResult hr = S_OK;
    try {
        if (row.commitsInput())
            control.commitInput();
        hr = runResolved(control, rowIndex, args, result);
    } catch (const NotImplemented &e) {
        hr = errors.fail(E_NOTIMPL, QString::fromUtf8(e.what()), source());
    } catch (const std::bad_alloc &) {
        hr = errors.fail(E_OUTOFMEMORY, QStringLiteral("内存不足"), source());
    } catch (const std::exception &e) {
        hr = errors.fail(E_FAIL, QString::fromUtf8(e.what()), source());
    } catch (...) {
        hr = errors.fail(E_FAIL, QStringLiteral("未知错误"), source());
    }
    // A failure reported by a host call must not swallow the next real error.
    control.setSuppressControlError(false);
    return hr;
}

std::vector<QString> unimplementedMembers()
{
    std::vector<QString> out;
    const auto table = memberTable();
    for (size_t i = 0; i < table.size(); ++i)
        if (!MemberRegistry::instance().at(table[i].takesAlias() ? table[i].twin : int(i)))
            out.push_back(nameOf(table[i]) +
                          (table[i].kind == MemberKind::PropPut ? QStringLiteral(" (put)") : QString()));
    return out;
}

} // namespace cellvex
