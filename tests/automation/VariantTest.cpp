#include "VariantPrinting.h"

#include "automation/Variant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace cellvex::automation {
namespace {

struct Coercion
{
    const char *label;
    Variant input;
    VarType target;
    HResult expected;
    Variant result; // compared only when expected succeeds
};

Variant str(const char *text)
{
    return Variant::fromString(QString::fromUtf8(text));
}

void PrintTo(const Coercion &c, std::ostream *os)
{
    *os << c.label;
}

class VariantCoercion : public testing::TestWithParam<Coercion>
{
};

TEST_P(VariantCoercion, ConvertsLikeALateBoundCaller)
{
    const Coercion &c = GetParam();
    SCOPED_TRACE(c.label);
    Variant out = Variant::fromString(QStringLiteral("untouched"));
    const HResult hr = c.input.changeType(c.target, out);
    EXPECT_EQ(hresultName(hr), std::string(hresultName(c.expected)));
    if (succeeded(c.expected))
        EXPECT_EQ(out, c.result);
    else
        EXPECT_EQ(out, Variant::fromString(QStringLiteral("untouched")))
            << "a failed conversion wrote its target";
}

const Coercion kNumeric[] = {
    {"long to short in range", Variant::fromLong(-32768), VarType::Short, S_OK, Variant::fromShort(-32768)},
    {"long to short above range", Variant::fromLong(32768), VarType::Short, DISP_E_OVERFLOW, {}},
    {"long to short below range", Variant::fromLong(-40000), VarType::Short, DISP_E_OVERFLOW, {}},
    {"short widens to long", Variant::fromShort(-3), VarType::Long, S_OK, Variant::fromLong(-3)},
    {"long to double", Variant::fromLong(-5), VarType::Double, S_OK, Variant::fromDouble(-5)},
    {"double half rounds down to even", Variant::fromDouble(2.5), VarType::Long, S_OK, Variant::fromLong(2)},
    {"double half rounds up to even", Variant::fromDouble(3.5), VarType::Long, S_OK, Variant::fromLong(4)},
    {"negative half to even", Variant::fromDouble(-2.5), VarType::Long, S_OK, Variant::fromLong(-2)},
    {"below half rounds down", Variant::fromDouble(2.4999), VarType::Long, S_OK, Variant::fromLong(2)},
    {"largest long after rounding", Variant::fromDouble(2147483647.4), VarType::Long, S_OK,
     Variant::fromLong(2147483647)},
    {"rounding past the largest long", Variant::fromDouble(2147483647.5), VarType::Long, DISP_E_OVERFLOW, {}},
    {"smallest long by rounding to even", Variant::fromDouble(-2147483648.5), VarType::Long, S_OK,
     Variant::fromLong(std::numeric_limits<std::int32_t>::min())},
    {"double far out of long range", Variant::fromDouble(1e10), VarType::Long, DISP_E_OVERFLOW, {}},
    {"not a number", Variant::fromDouble(std::nan("")), VarType::Long, DISP_E_OVERFLOW, {}},
    {"double to short out of range", Variant::fromDouble(32767.5), VarType::Short, DISP_E_OVERFLOW, {}},
    {"empty is zero", Variant(), VarType::Long, S_OK, Variant::fromLong(0)},
    {"empty is zero double", Variant(), VarType::Double, S_OK, Variant::fromDouble(0)},
    {"nothing converts to empty", Variant::fromLong(1), VarType::Empty, DISP_E_TYPEMISMATCH, {}},
};
INSTANTIATE_TEST_SUITE_P(Numbers, VariantCoercion, testing::ValuesIn(kNumeric));

const Coercion kBooleans[] = {
    {"true is -1 as long", Variant::fromBool(true), VarType::Long, S_OK, Variant::fromLong(-1)},
    {"true is -1 as short", Variant::fromBool(true), VarType::Short, S_OK, Variant::fromShort(-1)},
    {"true is -1 as double", Variant::fromBool(true), VarType::Double, S_OK, Variant::fromDouble(-1)},
    {"false is 0", Variant::fromBool(false), VarType::Long, S_OK, Variant::fromLong(0)},
    {"true as text", Variant::fromBool(true), VarType::String, S_OK, str("-1")},
    {"false as text", Variant::fromBool(false), VarType::String, S_OK, str("0")},
    {"any non-zero long is true", Variant::fromLong(7), VarType::Boolean, S_OK, Variant::fromBool(true)},
    {"zero long is false", Variant::fromLong(0), VarType::Boolean, S_OK, Variant::fromBool(false)},
    {"fraction is true", Variant::fromDouble(0.5), VarType::Boolean, S_OK, Variant::fromBool(true)},
    {"empty is false", Variant(), VarType::Boolean, S_OK, Variant::fromBool(false)},
    {"text True in any case", str(" TRUE "), VarType::Boolean, S_OK, Variant::fromBool(true)},
    {"text false", str("false"), VarType::Boolean, S_OK, Variant::fromBool(false)},
    {"numeric text zero", str("0"), VarType::Boolean, S_OK, Variant::fromBool(false)},
    {"numeric text non-zero", str("2"), VarType::Boolean, S_OK, Variant::fromBool(true)},
    {"other words are no boolean", str("yes"), VarType::Boolean, DISP_E_TYPEMISMATCH, {}},
};
INSTANTIATE_TEST_SUITE_P(Booleans, VariantCoercion, testing::ValuesIn(kBooleans));

const Coercion kText[] = {
    {"digits", str("12"), VarType::Long, S_OK, Variant::fromLong(12)},
    {"padded fraction as double", str(" 3.5 "), VarType::Double, S_OK, Variant::fromDouble(3.5)},
    {"padded fraction as long rounds", str(" 3.5 "), VarType::Long, S_OK, Variant::fromLong(4)},
    {"exponent", str("1e3"), VarType::Long, S_OK, Variant::fromLong(1000)},
    {"negative short", str("-7"), VarType::Short, S_OK, Variant::fromShort(-7)},
    {"text beyond short", str("70000"), VarType::Short, DISP_E_OVERFLOW, {}},
    {"text beyond long", str("2147483648"), VarType::Long, DISP_E_OVERFLOW, {}},
    {"hex prefix", str("&HFF"), VarType::Long, S_OK, Variant::fromLong(255)},
    {"hex is 32-bit two's complement", str("&HFFFFFFFF"), VarType::Long, S_OK, Variant::fromLong(-1)},
    {"octal prefix", str("&O17"), VarType::Long, S_OK, Variant::fromLong(15)},
    {"hex system colour", str("&h8000000F"), VarType::Color, S_OK, Variant::fromColor(0x8000000F)},
    {"letters", str("abc"), VarType::Long, DISP_E_TYPEMISMATCH, {}},
    {"trailing letters", str("12abc"), VarType::Long, DISP_E_TYPEMISMATCH, {}},
    {"empty text is no number", str(""), VarType::Long, DISP_E_TYPEMISMATCH, {}},
    {"blank text is no number", str("   "), VarType::Double, DISP_E_TYPEMISMATCH, {}},
    {"infinity is no number", str("inf"), VarType::Double, DISP_E_TYPEMISMATCH, {}},
    {"nan is no number", str("nan"), VarType::Double, DISP_E_TYPEMISMATCH, {}},
    {"long as text", Variant::fromLong(-12), VarType::String, S_OK, str("-12")},
    {"short as text", Variant::fromShort(300), VarType::String, S_OK, str("300")},
    {"double as text", Variant::fromDouble(3.5), VarType::String, S_OK, str("3.5")},
    {"tenth as text", Variant::fromDouble(0.1), VarType::String, S_OK, str("0.1")},
    {"whole double as text", Variant::fromDouble(100), VarType::String, S_OK, str("100")},
    {"negative zero as text", Variant::fromDouble(-0.0), VarType::String, S_OK, str("0")},
    {"large double as text", Variant::fromDouble(1e20), VarType::String, S_OK, str("1E+20")},
    {"small double as text", Variant::fromDouble(1e-5), VarType::String, S_OK, str("1E-05")},
    {"fifteen digits", Variant::fromDouble(123456789012345678.0), VarType::String, S_OK,
     str("1.23456789012346E+17")},
    {"empty as text", Variant(), VarType::String, S_OK, str("")},
};
INSTANTIATE_TEST_SUITE_P(Text, VariantCoercion, testing::ValuesIn(kText));

const Coercion kColours[] = {
    {"system colour keeps its bits as long", Variant::fromColor(0x8000000F), VarType::Long, S_OK,
     Variant::fromLong(static_cast<std::int32_t>(0x8000000Fu))},
    {"negative long is a system colour", Variant::fromLong(static_cast<std::int32_t>(0x8000000Fu)),
     VarType::Color, S_OK, Variant::fromColor(0x8000000F)},
    {"colour as text is unsigned", Variant::fromColor(0x8000000F), VarType::String, S_OK, str("2147483663")},
    {"blue", Variant::fromColor(0x00FF0000), VarType::String, S_OK, str("16711680")},
    {"small colour fits a short", Variant::fromColor(255), VarType::Short, S_OK, Variant::fromShort(255)},
    {"system colour does not fit a short",
     Variant::fromColor(0x8000000F),
     VarType::Short,
     DISP_E_OVERFLOW,
     {}},
    {"largest colour from double", Variant::fromDouble(4294967295.0), VarType::Color, S_OK,
     Variant::fromColor(0xFFFFFFFF)},
    {"beyond 32 bits", Variant::fromDouble(4294967296.0), VarType::Color, DISP_E_OVERFLOW, {}},
    {"colour as double", Variant::fromColor(0x8000000F), VarType::Double, S_OK,
     Variant::fromDouble(2147483663.0)},
};
INSTANTIATE_TEST_SUITE_P(Colours, VariantCoercion, testing::ValuesIn(kColours));

int object; // only its address is used
AutomationObject *const kFont = reinterpret_cast<AutomationObject *>(&object);

const Coercion kObjects[] = {
    {"object stays an object", Variant::fromObject(kFont), VarType::Object, S_OK, Variant::fromObject(kFont)},
    {"object is no text", Variant::fromObject(kFont), VarType::String, DISP_E_TYPEMISMATCH, {}},
    {"object is no number", Variant::fromObject(kFont), VarType::Long, DISP_E_TYPEMISMATCH, {}},
    {"object is no boolean", Variant::fromObject(kFont), VarType::Boolean, DISP_E_TYPEMISMATCH, {}},
    {"text is no object", str("Arial"), VarType::Object, DISP_E_TYPEMISMATCH, {}},
    {"empty is no object", Variant(), VarType::Object, DISP_E_TYPEMISMATCH, {}},
};
INSTANTIATE_TEST_SUITE_P(Objects, VariantCoercion, testing::ValuesIn(kObjects));

TEST(VariantBool, GoesOutAsMinusOneOrZero)
{
    Variant fromNumber;
    ASSERT_EQ(Variant::fromLong(5).changeType(VarType::Boolean, fromNumber), S_OK);
    EXPECT_EQ(fromNumber.asVariantBool(), -1);
    EXPECT_EQ(Variant::fromBool(true).asVariantBool(), -1);
    EXPECT_EQ(Variant::fromBool(false).asVariantBool(), 0);
}

TEST(VariantAccessors, NeverCoerceAnotherType)
{
    // A caller that skipped changeType gets the type's zero, not a guess.
    const Variant text = str("12");
    EXPECT_EQ(text.asLong(), 0);
    EXPECT_EQ(Variant::fromLong(12).asString(), QString());
    EXPECT_EQ(Variant::fromShort(-1).asBool(), false);
}

} // namespace
} // namespace cellvex::automation
