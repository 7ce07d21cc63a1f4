#pragma once

#include "document/CellRecord.h"
#include "document/XmlElement.h"

#include <span>
#include <string_view>
#include <variant>

namespace cellvex {

class ValueReader;

// How an attribute's value is stored and checked.
enum class AttributeValue : std::uint8_t {
    Integer,
    Code,  // 0, 1 or 2: an alignment or merge sign
    Count, // at most one per attribute of the element
    Kind,  // a known cell kind
    Flag,
    Color,
    Text,
};

// Which cells' elements carry the attribute; a reader takes it from any.
enum class CarriedBy : std::uint8_t { Every, Merged, DropDown, Chart, Button, CheckBox };

// One single-valued attribute of a cell element and the record field it
// fills. The fields are reached through functions so that nested ones
// (a border, a bound, a chart text) are listed like the others.
struct CellAttribute
{
    template <typename T> using Field = T &(*)(CellRecord &);

    const char *name;
    AttributeValue value;
    CarriedBy carriedBy;
    // Written after the series and pictures, which are not in the table.
    bool afterPictures;
    std::variant<Field<std::int32_t>, Field<bool>, Field<ColorRef>, Field<QString>> field;
};

// The table, in the order the elements list the attributes.
std::span<const CellAttribute> cellAttributes();
// The table's attribute of that name; null for any other.
const CellAttribute *findCellAttribute(std::string_view name);

bool carries(const CellAttribute &attribute, const CellRecord &record);

// Checks `text` as the attribute's value and stores it in the record;
// `attributeCount` bounds the counts.
void readCellAttribute(const CellAttribute &attribute, std::string_view text, CellRecord &record,
                       const ValueReader &values, int attributeCount);

} // namespace cellvex
