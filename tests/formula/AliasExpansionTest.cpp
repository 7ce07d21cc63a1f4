#include "formula/AliasExpansion.h"

#include "FormulaFixture.h"

using namespace cellvex;

namespace {

class AliasExpansion : public FormulaFixture
{
protected:
    void SetUp() override
    {
        FormulaFixture::SetUp();
        alias(3, 5, QStringLiteral("total"));
        alias(2, 1, QStringLiteral("Total"));
    }
};

TEST_F(AliasExpansion, Lines)
{
    const struct
    {
        const char16_t *text;
        const char16_t *expanded;
    } cases[] = {
        {u"", u""},
        {u"@(total)", u"3, 5\r\n"},
        {u"@(Total)+@(total)", u"2, 1+3, 5\r\n"},
        {u"@(nobody)*2", u"nobody*2\r\n"},
        {u"@()", u"\r\n"}, // the empty alias names no cell, even though most cells have none
        {u"a\nb\rc\r\nd", u"a\r\nb\r\nc\r\nd\r\n"},
        {u"a\r\n", u"a\r\n"}, // a final break adds no empty line
        {u"a\n\n", u"a\r\n\r\n"},
        {u"x@(total", u""}, // no ")" empties the whole result
        {u"@(total)\n@(x", u""},
        {u"@(a@(total)", u"a@(total\r\n"}, // the name runs to the first ")"
    };
    for (const auto &c : cases)
        EXPECT_EQ(expandAliases(report, c.text), QString::fromUtf16(c.expanded))
            << QString::fromUtf16(c.text).toStdString();
}

} // namespace
