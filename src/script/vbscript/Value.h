#pragma once

#include "script/vbscript/RefCounted.h"

#include <QString>

#include <cstdint>

namespace cellvex::vbs {

// The variant subtypes, numbered as VarType reports them.
enum class VarType : std::uint16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Single = 4,
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Object = 9,
    Error = 10,
    Boolean = 11,
    Byte = 17,
    Array = 8204,
};

class Array;
class Object;

// One script value. Integer, Long, Byte, Boolean, Error and Currency (scaled
// by 10 000) live in i; Single, Double and Date (days since 1899-12-30) in d;
// strings in s; arrays and objects in p (an Object with no p is Nothing).
struct Value
{
    VarType type = VarType::Empty;
    union {
        std::int64_t i = 0;
        double d;
    };
    QString s;
    Ref<RefCounted> p;

    Value() = default;

    static Value null()
    {
        Value v;
        v.type = VarType::Null;
        return v;
    }
    static Value integer(std::int16_t n) { return ofInt(VarType::Integer, n); }
    static Value longValue(std::int32_t n) { return ofInt(VarType::Long, n); }
    static Value byte(std::uint8_t n) { return ofInt(VarType::Byte, n); }
    static Value boolean(bool b) { return ofInt(VarType::Boolean, b ? -1 : 0); }
    static Value currencyScaled(std::int64_t scaled) { return ofInt(VarType::Currency, scaled); }
    static Value errorValue(std::int32_t n) { return ofInt(VarType::Error, n); }
    static Value real(double x) { return ofReal(VarType::Double, x); }
    static Value single(float x) { return ofReal(VarType::Single, x); }
    static Value date(double serial) { return ofReal(VarType::Date, serial); }
    static Value string(QString text)
    {
        Value v;
        v.type = VarType::String;
        v.s = std::move(text);
        return v;
    }
    static Value object(Object *o);
    static Value nothing()
    {
        Value v;
        v.type = VarType::Object;
        return v;
    }
    static Value array(Array *a);

    bool isEmpty() const { return type == VarType::Empty; }
    bool isNull() const { return type == VarType::Null; }
    bool isString() const { return type == VarType::String; }
    bool isObject() const { return type == VarType::Object; }
    bool isArray() const { return type == VarType::Array; }
    bool isIntegral() const
    {
        return type == VarType::Integer || type == VarType::Long || type == VarType::Byte ||
               type == VarType::Boolean;
    }
    bool isNumeric() const
    {
        switch (type) {
        case VarType::Empty:
        case VarType::Integer:
        case VarType::Long:
        case VarType::Single:
        case VarType::Double:
        case VarType::Currency:
        case VarType::Date:
        case VarType::Boolean:
        case VarType::Byte:
            return true;
        default:
            return false;
        }
    }
    Object *asObject() const;
    Array *asArray() const;

private:
    static Value ofInt(VarType t, std::int64_t n)
    {
        Value v;
        v.type = t;
        v.i = n;
        return v;
    }
    static Value ofReal(VarType t, double x)
    {
        Value v;
        v.type = t;
        v.d = x;
        return v;
    }
};

} // namespace cellvex::vbs
