#include "automation/MemberLookup.h"

#include "automation/MemberTable.h"

namespace cellvex::automation {

namespace {

const MemberRow *rowOfKind(std::span<const MemberRow *const> rows, MemberKind kind)
{
    for (const MemberRow *row : rows) {
        if (row->kind == kind)
            return row;
    }
    return nullptr;
}

} // namespace

MemberLookup::MemberLookup()
{
    const std::span<const MemberRow> rows = memberTable();
    m_dispIdByName.reserve(static_cast<qsizetype>(rows.size()));
    m_rowsByDispId.reserve(static_cast<qsizetype>(rows.size()));
    for (const MemberRow &row : rows) {
        m_dispIdByName.insert(
            key(QString::fromLatin1(row.name.data(), static_cast<qsizetype>(row.name.size()))), row.dispId);
        m_rowsByDispId[row.dispId].push_back(&row);
    }
}

const MemberLookup &MemberLookup::instance()
{
    static const MemberLookup lookup;
    return lookup;
}

HResult MemberLookup::dispIdOfName(QStringView name, DispId &dispId) const
{
    const auto found = m_dispIdByName.constFind(key(name));
    if (found == m_dispIdByName.constEnd())
        return DISP_E_MEMBERNOTFOUND;
    dispId = found.value();
    return S_OK;
}

std::span<const MemberRow *const> MemberLookup::rowsOfDispId(DispId dispId) const
{
    const auto found = m_rowsByDispId.constFind(dispId);
    if (found == m_rowsByDispId.constEnd())
        return {};
    return {found.value().data(), found.value().size()};
}

const MemberRow *MemberLookup::resolve(DispId dispId, std::uint16_t flags) const
{
    const std::span<const MemberRow *const> rows = rowsOfDispId(dispId);
    if (flags & DISPATCH_PROPERTYPUTREF)
        return rowOfKind(rows, MemberKind::PropPutRef);
    if (flags & DISPATCH_PROPERTYPUT)
        return rowOfKind(rows, MemberKind::PropPut);
    if (flags & DISPATCH_METHOD) {
        if (const MemberRow *method = rowOfKind(rows, MemberKind::Method))
            return method;
    }
    if (flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET))
        return rowOfKind(rows, MemberKind::PropGet);
    return nullptr;
}

int MemberLookup::argumentIndex(const MemberRow &row, QStringView name)
{
    const std::span<const ArgInfo> args = row.args();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const QLatin1String argName(args[i].name.data(), static_cast<qsizetype>(args[i].name.size()));
        if (name.compare(argName, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace cellvex::automation
