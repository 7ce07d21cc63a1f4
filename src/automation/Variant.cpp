#include "automation/Variant.h"

#include "automation/AutomationText.h"

#include <cmath>
#include <limits>

namespace cellvex::automation {

namespace {

// Automation rounds to the nearest integer with halves going to the even
// neighbour (2.5 -> 2, 3.5 -> 4), not away from zero.
double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

HResult roundIntoRange(double value, double min, double max, double &out)
{
    if (std::isnan(value))
        return DISP_E_OVERFLOW;
    const double rounded = roundHalfEven(value);
    if (rounded < min || rounded > max)
        return DISP_E_OVERFLOW;
    out = rounded;
    return S_OK;
}

template <class T> T heldOr(const auto &storage)
{
    const T *held = std::get_if<T>(&storage);
    return held ? *held : T{};
}

} // namespace

Variant Variant::fromLong(std::int32_t value)
{
    return Variant(Storage(std::in_place_type<std::int32_t>, value));
}
Variant Variant::fromShort(std::int16_t value)
{
    return Variant(Storage(std::in_place_type<std::int16_t>, value));
}
Variant Variant::fromBool(bool value)
{
    return Variant(Storage(std::in_place_type<bool>, value));
}
Variant Variant::fromDouble(double value)
{
    return Variant(Storage(std::in_place_type<double>, value));
}
Variant Variant::fromString(const QString &value)
{
    return Variant(Storage(std::in_place_type<QString>, value));
}
Variant Variant::fromColor(OleColor value)
{
    return Variant(Storage(std::in_place_type<OleColor>, value));
}
Variant Variant::fromObject(AutomationObject *value)
{
    return Variant(Storage(std::in_place_type<AutomationObject *>, value));
}

std::int32_t Variant::asLong() const
{
    return heldOr<std::int32_t>(m_value);
}
std::int16_t Variant::asShort() const
{
    return heldOr<std::int16_t>(m_value);
}
bool Variant::asBool() const
{
    return heldOr<bool>(m_value);
}
double Variant::asDouble() const
{
    return heldOr<double>(m_value);
}
QString Variant::asString() const
{
    return heldOr<QString>(m_value);
}
OleColor Variant::asColor() const
{
    return heldOr<OleColor>(m_value);
}
AutomationObject *Variant::asObject() const
{
    return heldOr<AutomationObject *>(m_value);
}

template <class T, class From>
HResult Variant::convertInto(HResult (Variant::*to)(T &) const, From from, Variant &out) const
{
    T value{};
    const HResult hr = (this->*to)(value);
    if (succeeded(hr))
        out = from(value);
    return hr;
}

HResult Variant::changeType(VarType target, Variant &out) const
{
    if (target == type()) {
        out = *this;
        return S_OK;
    }
    HResult hr = DISP_E_TYPEMISMATCH;
    switch (target) {
    case VarType::Empty:
        break; // nothing converts into "no value"
    case VarType::Long:
        hr = convertInto(&Variant::toLong, &Variant::fromLong, out);
        break;
    case VarType::Short:
        hr = convertInto(&Variant::toShort, &Variant::fromShort, out);
        break;
    case VarType::Boolean:
        hr = convertInto(&Variant::toBool, &Variant::fromBool, out);
        break;
    case VarType::Double:
        hr = convertInto(&Variant::toDouble, &Variant::fromDouble, out);
        break;
    case VarType::String:
        hr = convertInto(&Variant::toString, &Variant::fromString, out);
        break;
    case VarType::Color:
        hr = convertInto(&Variant::toColor, &Variant::fromColor, out);
        break;
    case VarType::Object:
        break; // only an object is an object; the font cannot be made from a value
    }
    return hr;
}

HResult Variant::toDouble(double &out) const
{
    switch (type()) {
    case VarType::Empty:
        out = 0;
        return S_OK;
    case VarType::Long:
        out = asLong();
        return S_OK;
    case VarType::Short:
        out = asShort();
        return S_OK;
    case VarType::Boolean:
        out = asVariantBool();
        return S_OK;
    case VarType::Double:
        out = asDouble();
        return S_OK;
    case VarType::String:
        return parseAutomationNumber(asString(), out);
    case VarType::Color:
        out = asColor();
        return S_OK;
    case VarType::Object:
        break;
    }
    return DISP_E_TYPEMISMATCH;
}

HResult Variant::toLong(std::int32_t &out) const
{
    // A colour handed to a long argument keeps its bits: colour arguments
    // typed long carry system colours (0x8000000F) as negative numbers.
    if (type() == VarType::Color) {
        out = static_cast<std::int32_t>(asColor());
        return S_OK;
    }
    double value = 0;
    HResult hr = toDouble(value);
    if (succeeded(hr))
        hr = roundIntoRange(value, std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::int32_t>::max(), value);
    if (succeeded(hr))
        out = static_cast<std::int32_t>(value);
    return hr;
}

HResult Variant::toShort(std::int16_t &out) const
{
    double value = 0;
    HResult hr = toDouble(value);
    if (succeeded(hr))
        hr = roundIntoRange(value, std::numeric_limits<std::int16_t>::min(),
                            std::numeric_limits<std::int16_t>::max(), value);
    if (succeeded(hr))
        out = static_cast<std::int16_t>(value);
    return hr;
}

HResult Variant::toBool(bool &out) const
{
    switch (type()) {
    case VarType::Boolean:
        out = asBool();
        return S_OK;
    case VarType::String:
        return parseAutomationBool(asString(), out);
    case VarType::Object:
        return DISP_E_TYPEMISMATCH;
    default:
        break;
    }
    double value = 0;
    const HResult hr = toDouble(value);
    if (succeeded(hr))
        out = value != 0; // any non-zero number counts as true
    return hr;
}

HResult Variant::toString(QString &out) const
{
    switch (type()) {
    case VarType::Empty:
        out.clear();
        return S_OK;
    case VarType::Long:
        out = QString::number(asLong());
        return S_OK;
    case VarType::Short:
        out = QString::number(asShort());
        return S_OK;
    case VarType::Boolean:
        // The automation boolean as a number, as a plain type change gives it.
        out = QString::number(asVariantBool());
        return S_OK;
    case VarType::Double:
        out = formatAutomationDouble(asDouble());
        return S_OK;
    case VarType::String:
        out = asString();
        return S_OK;
    case VarType::Color:
        out = QString::number(asColor());
        return S_OK;
    case VarType::Object:
        break;
    }
    return DISP_E_TYPEMISMATCH;
}

HResult Variant::toColor(OleColor &out) const
{
    // The reverse of toLong: negative numbers are system colours' bit
    // patterns, so the accepted range spans both signed and unsigned 32 bits.
    double value = 0;
    HResult hr = toDouble(value);
    if (succeeded(hr))
        hr = roundIntoRange(value, std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::uint32_t>::max(), value);
    if (succeeded(hr))
        out = value < 0 ? static_cast<OleColor>(static_cast<std::int32_t>(value))
                        : static_cast<OleColor>(value);
    return hr;
}

} // namespace cellvex::automation
