#include "automation/Enumerations.h"

namespace cellvex::automation {

namespace {

constexpr EnumConstant kBorderStyles[] = {
    {"afbNone", afbNone},
    {"afbSingle", afbSingle},
    {"afbSunken", afbSunken},
    {"afbRaised", afbRaised},
};

constexpr EnumConstant kPrintScales[] = {
    {"poNone", poNone},
    {"poProportional", poProportional},
    {"poPrintToFit", poPrintToFit},
};

constexpr EnumConstant kMouseButtons[] = {
    {"mbLeft", mbLeft},
    {"mbRight", mbRight},
    {"mbMiddle", mbMiddle},
};

constexpr EnumConstant kHelpTypes[] = {
    {"htKeyword", htKeyword},
    {"htContext", htContext},
};

// The identifiers were chosen once and must never change: saved host
// programs bind to them.
constexpr EnumInfo kEnumerations[] = {
    {"TxActiveFormBorderStyle",
     "Border style of the control's form",
     {0xF896252C, 0xAB3A, 0x47A2, {0x92, 0x54, 0xA9, 0xB1, 0x60, 0xA3, 0xA6, 0xD4}},
     kBorderStyles},
    {"TxPrintScale",
     "Scaling of the form when printed",
     {0x4680BF4C, 0xF6D2, 0x4617, {0x87, 0xB3, 0xF8, 0x65, 0x8A, 0xB4, 0x19, 0xEE}},
     kPrintScales},
    {"TxMouseButton",
     "Mouse button",
     {0xCE3D5A90, 0xA8AA, 0x43B0, {0xA8, 0x6F, 0xA7, 0xA3, 0x95, 0x8F, 0xE5, 0x9C}},
     kMouseButtons},
    {"TxHelpType",
     "How the help file is searched",
     {0x26BACBEE, 0xA45E, 0x4EC5, {0x99, 0xA8, 0xEE, 0x05, 0x45, 0xB9, 0x5E, 0x00}},
     kHelpTypes},
};

} // namespace

std::span<const EnumInfo> enumerations()
{
    return kEnumerations;
}

} // namespace cellvex::automation
