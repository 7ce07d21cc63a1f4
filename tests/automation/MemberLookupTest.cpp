#include "automation/MemberLookup.h"
#include "automation/MemberTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace cellvex::automation {
namespace {

struct NameCase
{
    const char *name;
    HResult expected;
    DispId dispId;
};

const NameCase kNames[] = {
    {"SetCellValue", S_OK, 82},
    {"setcellvalue", S_OK, 82},
    {"SETCELLVALUE", S_OK, 82},
    {"gEtCeLlVaLuEbYaLiAs", S_OK, 91},
    {"ClearChartSereisByAlias", S_OK, 105}, // hosts bind to the misspelt name
    {"clearchartsereisbyalias", S_OK, 105},
    {"ClearChartSeriesByAlias", DISP_E_MEMBERNOTFOUND, 0}, // ... and only to it
    {"Caption", S_OK, -518},
    {"font", S_OK, -512},
    {"NoSuchMember", DISP_E_MEMBERNOTFOUND, 0},
    {"", DISP_E_MEMBERNOTFOUND, 0},
    {"SetCellValue ", DISP_E_MEMBERNOTFOUND, 0},
    {"get_Visible", DISP_E_MEMBERNOTFOUND, 0}, // C++ accessor names are not automation names
};

TEST(MemberLookup, FindsNamesInAnyLetterCase)
{
    const MemberLookup &lookup = MemberLookup::instance();
    for (const NameCase &c : kNames) {
        SCOPED_TRACE(c.name);
        DispId dispId = 12345;
        EXPECT_EQ(lookup.dispIdOfName(QString::fromLatin1(c.name), dispId), c.expected);
        EXPECT_EQ(dispId, succeeded(c.expected) ? c.dispId : 12345);
    }
}

TEST(MemberLookup, EveryMemberIsFoundByItsOwnName)
{
    const MemberLookup &lookup = MemberLookup::instance();
    for (const MemberRow &row : memberTable()) {
        DispId dispId = 0;
        const QString name = QString::fromLatin1(row.name.data(), static_cast<qsizetype>(row.name.size()));
        ASSERT_EQ(lookup.dispIdOfName(name.toLower(), dispId), S_OK) << row.name;
        EXPECT_EQ(dispId, row.dispId) << row.name;
        const std::span<const MemberRow *const> rows = lookup.rowsOfDispId(row.dispId);
        EXPECT_NE(std::find(rows.begin(), rows.end(), &row), rows.end()) << row.name;
    }
}

TEST(MemberLookup, DispatchIdGivesAllAccessorsOfAProperty)
{
    const MemberLookup &lookup = MemberLookup::instance();
    EXPECT_EQ(lookup.rowsOfDispId(-512).size(), 3u); // Font: get, put, putref
    EXPECT_EQ(lookup.rowsOfDispId(1).size(), 2u);    // Visible: get, put
    EXPECT_EQ(lookup.rowsOfDispId(135).size(), 1u);  // ReadOnly: put only
    EXPECT_EQ(lookup.rowsOfDispId(82).size(), 1u);   // SetCellValue
    EXPECT_TRUE(lookup.rowsOfDispId(999).empty());
}

struct ResolveCase
{
    const char *label;
    DispId dispId;
    std::uint16_t flags;
    int slot; // -1: no member
};

const ResolveCase kResolves[] = {
    {"get", 1, DISPATCH_PROPERTYGET, 7},
    {"put", 1, DISPATCH_PROPERTYPUT, 8},
    {"method and get together read a property", 1, DISPATCH_METHOD | DISPATCH_PROPERTYGET, 7},
    {"method", 82, DISPATCH_METHOD, 103},
    {"method called with both flags", 90, DISPATCH_METHOD | DISPATCH_PROPERTYGET, 109},
    {"putref", -512, DISPATCH_PROPERTYPUTREF, 21},
    {"put of the font is not its putref", -512, DISPATCH_PROPERTYPUT, 20},
    {"reading a put-only property", 135, DISPATCH_PROPERTYGET, -1},
    {"putting a read-only property", 56, DISPATCH_PROPERTYPUT, -1},
    {"putting a method", 82, DISPATCH_PROPERTYPUT, -1},
    {"unknown id", 999, DISPATCH_METHOD, -1},
    {"no flags", 1, 0, -1},
};

TEST(MemberLookup, ResolvesInvokeFlagsToOneRow)
{
    const MemberLookup &lookup = MemberLookup::instance();
    for (const ResolveCase &c : kResolves) {
        SCOPED_TRACE(c.label);
        const MemberRow *row = lookup.resolve(c.dispId, c.flags);
        EXPECT_EQ(row ? row->slot : -1, c.slot);
    }
}

TEST(MemberLookup, NamedArgumentsByPosition)
{
    const MemberRow &setCellValue = memberTable()[103 - kFirstMemberSlot];
    ASSERT_EQ(setCellValue.name, "SetCellValue");
    EXPECT_EQ(MemberLookup::argumentIndex(setCellValue, u"aCol"), 0);
    EXPECT_EQ(MemberLookup::argumentIndex(setCellValue, u"AVALUE"), 2);
    EXPECT_EQ(MemberLookup::argumentIndex(setCellValue, u"aText"), -1);
}

} // namespace
} // namespace cellvex::automation
