#include "CellAttributes.h"

#include "cells/CellTypes.h"
#include "document/DocumentValues.h"

#include <array>

namespace cellvex {

namespace {

using V = AttributeValue;
using C = CarriedBy;

// Field functions: `field<&CellRecord::x>` for a direct member, a lambda
// for a nested one.
template <auto Member> auto &field(CellRecord &r)
{
    return r.*Member;
}

const CellAttribute kAttributes[] = {
    {"BC", V::Color, C::Every, false, field<&CellRecord::backColor>},
    {"HA", V::Code, C::Every, false, field<&CellRecord::alignment>},
    {"VA", V::Code, C::Every, false, field<&CellRecord::vAlignment>},
    {"RO", V::Flag, C::Every, false, field<&CellRecord::readOnly>},
    {"BL", V::Integer, C::Every, false, [](CellRecord &r) -> auto &{return r.borders[0];
} // namespace
} // namespace cellvex
, {"BT", V::Integer, C::Every, false, [](CellRecord &r) -> auto &{return r.borders[1];
}
}
, {"BR", V::Integer, C::Every, false, [](CellRecord &r) -> auto &{return r.borders[2];
}
}
, {"BB", V::Integer, C::Every, false, [](CellRecord &r) -> auto &{return r.borders[3];
}
}
, {"S", V::Code, C::Every, false, field<&CellRecord::sign>},
    {"CL", V::Integer, C::Merged, false, [](CellRecord &r) -> auto &{return r.bounds.left;
}
}
, {"CT", V::Integer, C::Merged, false, [](CellRecord &r) -> auto &{return r.bounds.top;
}
}
, {"CR", V::Integer, C::Merged, false, [](CellRecord &r) -> auto &{return r.bounds.right;
}
}
, {"CB", V::Integer, C::Merged, false, [](CellRecord &r) -> auto &{return r.bounds.bottom;
}
}
, {"ML", V::Flag, C::Every, false, field<&CellRecord::multiLine>},
    {"FP", V::Integer, C::Every, false, field<&CellRecord::formatType>},
    {"FX", V::Text, C::Every, false, field<&CellRecord::formatText>},
    {"TL", V::Integer, C::Every, false, field<&CellRecord::textLength>},
    {"IM", V::Text, C::Every, false, field<&CellRecord::imeName>},
    {"AN", V::Text, C::Every, false, field<&CellRecord::aliasName>},
    {"NX", V::Integer, C::Every, false, field<&CellRecord::nextX>},
    {"NY", V::Integer, C::Every, false, field<&CellRecord::nextY>},
    {"RH", V::Flag, C::Every, false, field<&CellRecord::printHide>},
    {"TP", V::Kind, C::Every, false, field<&CellRecord::kind>},
    {"TC", V::Text, C::DropDown, false, field<&CellRecord::dropText>},
    {"BS", V::Text, C::Button, false, field<&CellRecord::buttonScript>},
    {"CE", V::Text, C::CheckBox, false, field<&CellRecord::checkText>},
    {"CI", V::Text, C::Chart, false, [](CellRecord &r) -> auto &{return r.chart.titleText;
}
}
, {"CH", V::Text, C::Chart, false, [](CellRecord &r) -> auto &{return r.chart.horizontalText;
}
}
, {"CV", V::Text, C::Chart, false, [](CellRecord &r) -> auto &{return r.chart.verticalText;
}
}
,
    // Every series takes attributes of its own, so a count beyond them is no count.
    {"SC", V::Count, C::Chart, false, field<&CellRecord::seriesCount>},
    {"DT", V::Integer, C::Every, true, field<&CellRecord::diagonal>},
    {"SP", V::Text, C::Every, true, field<&CellRecord::scriptType>},
    {"SX", V::Text, C::Every, true, field<&CellRecord::scriptText>},
    {"EX", V::Text, C::Every, true, field<&CellRecord::expressionText>},
    // One attribute per append string: a range beyond them is no range.
    {"AR", V::Count, C::Every, true, field<&CellRecord::appendRange>},
}
;

// Names of one or two capital letters as a small number, so that the reader
// finds an attribute of a million elements without comparing strings.
constexpr int kLetters = 26;
constexpr int kKeys = kLetters * (kLetters + 1);

int keyOf(std::string_view name)
{
    auto letter = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' : -1; };
    if (name.empty() || name.size() > 2 || letter(name[0]) < 0)
        return -1;
    if (name.size() == 1)
        return letter(name[0]) * (kLetters + 1);
    if (letter(name[1]) < 0)
        return -1;
    return letter(name[0]) * (kLetters + 1) + 1 + letter(name[1]);
}

bool isKnownKind(std::int32_t v)
{
    switch (v) {
    case int(CellKind::Text):
    case int(CellKind::DropDown):
    case int(CellKind::Date):
    case int(CellKind::Chart):
    case int(CellKind::Button):
    case int(CellKind::CheckBox):
        return true;
    default:
        return false;
    }
}

template <typename T> T &fieldOf(const CellAttribute &a, CellRecord &r)
{
    return std::get<CellAttribute::Field<T>>(a.field)(r);
}

} // namespace

std::span<const CellAttribute> cellAttributes()
{
    return kAttributes;
}

const CellAttribute *findCellAttribute(std::string_view name)
{
    static const std::array<std::int8_t, kKeys> index = [] {
        std::array<std::int8_t, kKeys> t;
        t.fill(-1);
        for (size_t i = 0; i < std::size(kAttributes); ++i)
            t[size_t(keyOf(kAttributes[i].name))] = std::int8_t(i);
        return t;
    }();
    const int key = keyOf(name);
    if (key < 0 || index[size_t(key)] < 0)
        return nullptr;
    return &kAttributes[index[size_t(key)]];
}

bool carries(const CellAttribute &a, const CellRecord &r)
{
    switch (a.carriedBy) {
    case C::Every:
        return true;
    case C::Merged:
        return r.sign != int(MergeSign::None);
    case C::DropDown:
        return r.kind == int(CellKind::DropDown);
    case C::Chart:
        return r.kind == int(CellKind::Chart);
    case C::Button:
        return r.kind == int(CellKind::Button);
    case C::CheckBox:
        return r.kind == int(CellKind::CheckBox);
    }
    return false;
}

void readCellAttribute(const CellAttribute &a, std::string_view value, CellRecord &r, const ValueReader &v,
                       int attributeCount)
{
    switch (a.value) {
    case V::Integer:
        fieldOf<std::int32_t>(a, r) = v.int32(a.name, value);
        break;
    case V::Code:
        fieldOf<std::int32_t>(a, r) = v.int32InRange(a.name, value, 0, 2);
        break;
    case V::Count:
        fieldOf<std::int32_t>(a, r) = v.int32InRange(a.name, value, 0, attributeCount);
        break;
    case V::Kind: {
        const std::int32_t kind = v.int32(a.name, value);
        if (!isKnownKind(kind))
            v.fail(a.name, QStringLiteral("不是已知的单元类型：%1").arg(kind));
        fieldOf<std::int32_t>(a, r) = kind;
        break;
    }
    case V::Flag:
        fieldOf<bool>(a, r) = flagValue(value);
        break;
    case V::Color:
        fieldOf<ColorRef>(a, r) = v.color(a.name, value);
        break;
    case V::Text:
        fieldOf<QString>(a, r) = v.text(a.name, value);
        break;
    }
}

} // namespace cellvex
