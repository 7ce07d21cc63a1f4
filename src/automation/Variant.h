#pragma once

#include "automation/HResult.h"

#include <QString>

#include <cstdint>
#include <variant>

namespace cellvex::automation {

// An object a caller hands across the interface by reference: the standard
// font object. The control defines it; automation code only carries it.
class AutomationObject;

// Windows colour value 0x00BBGGRR, or a system colour with the high byte 0x80.
using OleColor = std::uint32_t;

enum class VarType : std::uint8_t {
    Empty,
    Long,
    Short,
    Boolean,
    Double,
    String,
    Color,
    Object,
};

// An argument or result of a late-bound call, with the conversions a
// dispatch caller relies on: it may pass "12" where a long is declared, or
// a double where a short is.
class Variant
{
public:
    Variant() = default;

    static Variant fromLong(std::int32_t value);
    static Variant fromShort(std::int16_t value);
    static Variant fromBool(bool value);
    static Variant fromDouble(double value);
    static Variant fromString(const QString &value);
    static Variant fromColor(OleColor value);
    static Variant fromObject(AutomationObject *value);

    VarType type() const { return static_cast<VarType>(m_value.index()); }
    bool isEmpty() const { return type() == VarType::Empty; }

    // The held value when type() matches, otherwise the type's zero. Callers
    // convert with changeType() first; these never coerce.
    std::int32_t asLong() const;
    std::int16_t asShort() const;
    bool asBool() const;
    double asDouble() const;
    QString asString() const;
    OleColor asColor() const;
    AutomationObject *asObject() const;

    // The held boolean as the automation boolean: -1 for true, 0 for false.
    std::int16_t asVariantBool() const { return asBool() ? -1 : 0; }

    // Converts to target into out (this is left alone). Fails with
    // DISP_E_TYPEMISMATCH when the value has no such reading ("abc" as a
    // number, an object as anything else) and DISP_E_OVERFLOW when a number
    // does not fit the narrower target.
    HResult changeType(VarType target, Variant &out) const;

    friend bool operator==(const Variant &, const Variant &) = default;

private:
    // Alternatives in VarType order, so index() is the type.
    using Storage = std::variant<std::monostate, std::int32_t, std::int16_t, bool, double, QString, OleColor,
                                 AutomationObject *>;

    explicit Variant(Storage value) : m_value(std::move(value)) {}

    HResult toLong(std::int32_t &out) const;
    HResult toShort(std::int16_t &out) const;
    HResult toBool(bool &out) const;
    HResult toDouble(double &out) const;
    HResult toString(QString &out) const;
    HResult toColor(OleColor &out) const;
    // Reads this value through `to` and, when that succeeds, stores it into
    // out through `from`; out is left alone on failure.
    template <class T, class From>
    HResult convertInto(HResult (Variant::*to)(T &) const, From from, Variant &out) const;

    Storage m_value;
};

} // namespace cellvex::automation
