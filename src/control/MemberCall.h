#pragma once

#include "automation/MemberRow.h"
#include "automation/Variant.h"
#include "common/Colors.h"

#include <QString>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace cellvex {

// Thrown for a member whose area is not built yet; the boundary turns it
// into E_NOTIMPL with this text as the description.
class NotImplemented : public std::runtime_error
{
public:
    explicit NotImplemented(const QString &member)
        : std::runtime_error(("not implemented: " + member).toStdString())
    {
    }
};

// One call of an interface member as its implementation sees it: the bound
// arguments (already converted to the declared types, in declaration order),
// the cell the call names when it names one (0-based, already checked), and
// the result and out arguments to hand back.
struct MemberCall
{
    const automation::MemberRow &row;
    std::vector<automation::Variant> &args;
    automation::Variant result;
    int col = -1; // the named cell, when the member takes aCol/aRow or an alias
    int cellRow = -1;

    std::int32_t i32(size_t k) const { return args.at(k).asLong(); }
    // A 1-based column or row argument as a 0-based index; anything below 1
    // is outside the report (-1).
    int index(size_t k) const
    {
        const std::int32_t a = i32(k);
        return a > 0 ? a - 1 : -1;
    }
    std::int16_t i16(size_t k) const { return args.at(k).asShort(); }
    bool b(size_t k) const { return args.at(k).asBool(); }
    double d(size_t k) const { return args.at(k).asDouble(); }
    QString s(size_t k) const { return args.at(k).asString(); }
    // Colours arrive either as OLE_COLOR or as a long that carries the same bits.
    ColorRef color(size_t k) const
    {
        const auto &v = args.at(k);
        return v.type() == automation::VarType::Color ? v.asColor() : ColorRef(std::uint32_t(v.asLong()));
    }

    void out(size_t k, automation::Variant v) { args.at(k) = std::move(v); }
    void ret(automation::Variant v) { result = std::move(v); }
    void retLong(std::int32_t v) { result = automation::Variant::fromLong(v); }
    void retShort(std::int16_t v) { result = automation::Variant::fromShort(v); }
    void retBool(bool v) { result = automation::Variant::fromBool(v); }
    void retDouble(double v) { result = automation::Variant::fromDouble(v); }
    void retString(const QString &v) { result = automation::Variant::fromString(v); }
    void retColor(ColorRef v) { result = automation::Variant::fromColor(v); }
};

} // namespace cellvex
