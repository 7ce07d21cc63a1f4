#include "VariantPrinting.h"

#include "automation/DispatchBinder.h"
#include "automation/Enumerations.h"
#include "automation/ErrorInfo.h"
#include "automation/MemberLookup.h"

#include <gtest/gtest.h>

#include <vector>

namespace cellvex::automation {
namespace {

const MemberRow &row(const char *name, std::uint16_t flags = DISPATCH_METHOD)
{
    DispId dispId = 0;
    const MemberLookup &lookup = MemberLookup::instance();
    EXPECT_EQ(lookup.dispIdOfName(QString::fromLatin1(name), dispId), S_OK) << name;
    const MemberRow *found = lookup.resolve(dispId, flags);
    EXPECT_NE(found, nullptr) << name;
    return *found;
}

Variant str(const char *text)
{
    return Variant::fromString(QString::fromUtf8(text));
}

TEST(DispatchBinder, ConvertsInArgumentsToTheDeclaredTypes)
{
    // A script host passes whatever it has: text for numbers, a double for
    // a long, a number for text.
    std::vector<Variant> args = {str("2"), Variant::fromDouble(3.0), Variant::fromLong(42)};
    const BindResult bound = bindArguments(row("SetCellValue"), args);
    ASSERT_TRUE(bound.ok()) << bound.message.toStdString();
    EXPECT_EQ(args[0], Variant::fromLong(2));
    EXPECT_EQ(args[1], Variant::fromLong(3));
    EXPECT_EQ(args[2], str("42"));
}

struct CountCase
{
    const char *member;
    std::uint16_t flags;
    std::size_t given;
};

const CountCase kCounts[] = {
    {"SetCellValue", DISPATCH_METHOD, 2},
    {"SetCellValue", DISPATCH_METHOD, 4},
    {"EditCellScript", DISPATCH_METHOD, 1},
    {"ColCount", DISPATCH_PROPERTYGET, 1},
    {"HeaderCount", DISPATCH_PROPERTYPUT, 0},
    {"GetMergeRange", DISPATCH_METHOD, 4}, // out arguments count too
};

TEST(DispatchBinder, RejectsAWrongArgumentCount)
{
    for (const CountCase &c : kCounts) {
        SCOPED_TRACE(c.member);
        std::vector<Variant> args(c.given, Variant::fromLong(1));
        const BindResult bound = bindArguments(row(c.member, c.flags), args);
        EXPECT_EQ(bound.code, DISP_E_BADPARAMCOUNT);
        EXPECT_EQ(bound.argumentIndex, -1);
        EXPECT_TRUE(bound.message.contains(QLatin1String(c.member))) << bound.message.toStdString();
    }
}

struct BadArgumentCase
{
    const char *member;
    std::uint16_t flags;
    std::vector<Variant> args;
    HResult expected;
    int position;
};

TEST(DispatchBinder, NamesTheArgumentThatCannotBeConverted)
{
    const std::vector<BadArgumentCase> cases = {
        {"SetCellValue",
         DISPATCH_METHOD,
         {Variant::fromLong(1), str("abc"), str("x")},
         DISP_E_TYPEMISMATCH,
         1},
        {"SetCellValue", DISPATCH_METHOD, {str("x"), Variant::fromLong(1), str("x")}, DISP_E_TYPEMISMATCH, 0},
        {"SetCellValue",
         DISPATCH_METHOD,
         {Variant::fromDouble(1e12), Variant::fromLong(1), str("x")},
         DISP_E_OVERFLOW,
         0},
        {"Cursor", DISPATCH_PROPERTYPUT, {Variant::fromLong(70000)}, DISP_E_OVERFLOW, 0},
        {"Font", DISPATCH_PROPERTYPUT, {str("Arial")}, DISP_E_TYPEMISMATCH, 0},
        {"FindCellsString",
         DISPATCH_METHOD,
         {Variant::fromBool(true), Variant::fromLong(0), Variant::fromLong(0), Variant::fromLong(0),
          str("maybe"), str("x")},
         DISP_E_TYPEMISMATCH,
         4},
    };
    for (const BadArgumentCase &c : cases) {
        SCOPED_TRACE(c.member);
        std::vector<Variant> args = c.args;
        const BindResult bound = bindArguments(row(c.member, c.flags), args);
        EXPECT_EQ(bound.code, c.expected) << hresultName(bound.code);
        EXPECT_EQ(bound.argumentIndex, c.position);
        const std::span<const ArgInfo> declared = row(c.member, c.flags).args();
        const QLatin1String argName(declared[c.position].name.data(),
                                    static_cast<qsizetype>(declared[c.position].name.size()));
        EXPECT_TRUE(bound.message.contains(argName)) << bound.message.toStdString();
    }
}

TEST(DispatchBinder, PreparesOutArgumentsAndKeepsInOutValues)
{
    std::vector<Variant> args = {str("junk"), str("3"), Variant::fromDouble(4), Variant(), str("old")};
    const BindResult bound = bindArguments(row("GetMergeRange"), args);
    ASSERT_TRUE(bound.ok()) << bound.message.toStdString();
    EXPECT_EQ(args[0], Variant::fromLong(0)); // out: a typed slot, whatever came in
    EXPECT_EQ(args[1], Variant::fromLong(3)); // in/out: the caller's value, converted
    EXPECT_EQ(args[2], Variant::fromLong(4));
    EXPECT_EQ(args[3], Variant::fromLong(0));
    EXPECT_EQ(args[4], Variant::fromLong(0));
}

TEST(DispatchBinder, EnumerationsColoursAndObjectsTravelInTheirCarriers)
{
    std::vector<Variant> scale = {str("2")};
    ASSERT_TRUE(bindArguments(row("PrintScale", DISPATCH_PROPERTYPUT), scale).ok());
    EXPECT_EQ(scale[0], Variant::fromLong(poPrintToFit));

    std::vector<Variant> colour = {Variant::fromLong(static_cast<std::int32_t>(0x8000000Fu))};
    ASSERT_TRUE(bindArguments(row("Color", DISPATCH_PROPERTYPUT), colour).ok());
    EXPECT_EQ(colour[0], Variant::fromColor(0x8000000F));

    std::vector<Variant> font = {Variant::fromObject(nullptr)};
    ASSERT_TRUE(bindArguments(row("Font", DISPATCH_PROPERTYPUTREF), font).ok());
    EXPECT_EQ(font[0].type(), VarType::Object);
}

struct EmptyCase
{
    EmptyValue empty;
    ArgType type;
    Variant expected;
};

TEST(DispatchBinder, EmptyValuesComeInTheDeclaredType)
{
    const std::vector<EmptyCase> cases = {
        {EmptyValue::EmptyText, ArgType::String, Variant::fromString(QString())},
        {EmptyValue::Zero, ArgType::Long, Variant::fromLong(0)},
        {EmptyValue::Zero, ArgType::OleColor, Variant::fromColor(0)},
        {EmptyValue::BoolFalse, ArgType::Boolean, Variant::fromBool(false)},
        {EmptyValue::MinusOne, ArgType::Long, Variant::fromLong(-1)},
        {EmptyValue::NotApplicable, ArgType::Double, Variant::fromDouble(0)},
        {EmptyValue::NotApplicable, ArgType::Void, Variant()},
    };
    for (const EmptyCase &c : cases)
        EXPECT_EQ(emptyValueOf(c.empty, c.type), c.expected);
}

TEST(ErrorInfo, KeepsTheLastFailureUntilCleared)
{
    ErrorInfo errors;
    EXPECT_FALSE(errors.hasError());
    EXPECT_EQ(errors.fail(DISP_E_TYPEMISMATCH, QStringLiteral("first")), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(errors.fail(E_FAIL, QStringLiteral("second"), QStringLiteral("ICellvex.OpenReport")), E_FAIL);
    EXPECT_TRUE(errors.hasError());
    EXPECT_EQ(errors.code(), E_FAIL);
    EXPECT_EQ(errors.description(), QStringLiteral("second"));
    EXPECT_EQ(errors.source(), QStringLiteral("ICellvex.OpenReport"));
    // A success code passed by mistake still records a failure.
    EXPECT_EQ(errors.fail(S_OK, QStringLiteral("third")), E_FAIL);
    errors.clear();
    EXPECT_FALSE(errors.hasError());
    EXPECT_TRUE(errors.description().isEmpty());
}

} // namespace
} // namespace cellvex::automation
