#pragma once

#include <cstdint>

namespace cellvex {

// Kinds of cell, by the codes stored in documents and passed through the interface.
enum class CellKind : std::int8_t {
    Text = 1,
    DropDown = 2,
    Date = 6,
    Chart = 11,
    Button = 12,
    CheckBox = 14
};

// Kinds below 10 show their caption as text.
inline bool isTextLike(CellKind k)
{
    return std::int8_t(k) < 10;
}

// Alignment codes as the interface numbers them.
enum class HAlign : std::uint8_t { Left = 0, Center = 1, Right = 2 };
enum class VAlign : std::uint8_t { Top = 0, Center = 1, Bottom = 2 };

// Merge state of a cell.
enum class MergeSign : std::uint8_t { None = 0, Master = 1, Covered = 2 };

// Border numbering of the border members.
enum BorderType : int {
    BorderDiagonal = 0,
    BorderLeft = 1,
    BorderTop = 2,
    BorderRight = 3,
    BorderBottom = 4
};

// Offset of a right-aligned line of a drop-down cell, leaving room for its button.
constexpr int kDropButtonRoom = 14;

} // namespace cellvex
