#include "formula/AggregateExpansion.h"

#include "FormulaFixture.h"

using namespace cellvex;

namespace {

// Column 1 holds 1, "x", 2, "", 4; column 2 holds 10, 20 and nothing else.
class Aggregates : public FormulaFixture
{
protected:
    void SetUp() override
    {
        FormulaFixture::SetUp();
        caption(1, 1, QStringLiteral("1"));
        caption(1, 2, QStringLiteral("x"));
        caption(1, 3, QStringLiteral("2"));
        caption(1, 5, QStringLiteral("4"));
        caption(2, 1, QStringLiteral("10"));
        caption(2, 2, QStringLiteral("20"));
    }

    EvalResult<QString> expr(const char16_t *text, const char16_t *name, int col = 0, int row = 0)
    {
        return expandAggregates(report, text, name, AggregateMode::Expression, -1, col, row);
    }
    EvalResult<QString> script(const char16_t *text, const char16_t *name, int line = 2)
    {
        return expandAggregates(report, text, name, AggregateMode::Script, line, 0, 0);
    }
};

TEST_F(Aggregates, Results)
{
    const struct
    {
        const char16_t *text;
        const char16_t *name;
        const char16_t *expanded;
    } cases[] = {
        {u"sum(1,1,1,3)", u"sum", u"3"},
        {u"avg(1,1,1,3)", u"avg", u"1.5"}, // "x" does not count in n
        {u"min(1,1,2,5)", u"min", u"1"},
        {u"max(1,1,2,5)", u"max", u"20"},
        {u"std(1,1,1,5)", u"std", u"1.52752523165195"},
        {u"sum(1,1,2,2)", u"sum", u"31"}, // column by column over the block
        {u"sum(1,4,1,4)", u"sum", u"0"},  // nothing counts
        {u"sum(2,1,1,1)", u"sum", u"0"},  // reversed: no cell
        {u"sum(0,1,1,1)", u"sum", u"0"},  // outside the grid
        {u"sum(1,1,5,1)", u"sum", u"0"},
        {u"sum(1,1,1,6)", u"sum", u"0"},
        {u"sum (1, 1, 1, 3)*2+sum(2,1,2,2)", u"sum", u"3*2+30"},
        {u"summary+sum(1,1,1,1)", u"sum", u"summary+1"}, // not followed by "(": stays
        {u"sum(col,row,col,row+2)", u"sum", u"3"},       // position words of the cell (0, 0)
        {u"max(1,1,1,1)", u"sum", u"max(1,1,1,1)"},      // only the name asked for
    };
    for (const auto &c : cases) {
        const EvalResult<QString> r = expr(c.text, c.name);
        EXPECT_TRUE(r.ok()) << QString::fromUtf16(c.text).toStdString() << " " << r.error.toStdString();
        EXPECT_EQ(r.value, QString::fromUtf16(c.expanded)) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST_F(Aggregates, ScriptModeQuotesUnlessFlagIsOne)
{
    EXPECT_EQ(script(u"a = sum(1,1,1,3,1)", u"sum").value, QStringLiteral("a = 3"));
    EXPECT_EQ(script(u"a = sum(1,1,1,3, 0 )", u"sum").value, QStringLiteral("a = \"3\""));
    EXPECT_EQ(script(u"a = sum(1,4,1,4,1)", u"sum").value, QStringLiteral("a = 0"));
    EXPECT_EQ(script(u"a = sum(1,4,1,4,x)", u"sum").value, QStringLiteral("a = \"\""));
    EXPECT_EQ(script(u"a = SUM(1,1,1,3,1)", u"sum").value, QStringLiteral("a = SUM(1,1,1,3,1)"));
}

TEST_F(Aggregates, Errors)
{
    const struct
    {
        AggregateMode mode;
        const char16_t *text;
        const char16_t *error;
    } cases[] = {
        {AggregateMode::Script, u"sum(1,1,1,1,1", u"第3行文本sum语句缺少“)”"},
        {AggregateMode::Script, u"sum(1,1,1,1)", u"第3行文本sum语句缺少“,”"},
        {AggregateMode::Script, u"sum(1 1,1,1,1)", u"第3行文本sum语句缺少“,”"},
        {AggregateMode::Expression, u"sum(1,1,1)", u"第0行文本sum语句缺少“,”"},
        {AggregateMode::Expression, u"sum(1,1,1, )", u"第0行文本sum语句缺少“,”"}, // empty y2
        {AggregateMode::Expression, u"sum( ,1,1,1)", u"第0行文本sum列号错误"},
        {AggregateMode::Expression, u"sum(1,1,,1)", u"第0行文本sum列号错误"},
        {AggregateMode::Expression, u"sum(1,,1,1)", u"第0行文本sum行号错误"},
        {AggregateMode::Expression, u"sum(a,1,1,1)", u"第0行文本sum列号存在无效字符\"a\""},
        {AggregateMode::Expression, u"sum(1,1,1/0,1)", u"第0行文本sum列号除数为零"},
        {AggregateMode::Expression, u"sum(1,(1,1,1)", u"第0行文本sum行号缺少“)”"},
        {AggregateMode::Expression, u"sum(1,1,1,1,1)", u"第0行文本sum行号存在无效字符\",\""},
        {AggregateMode::Expression, u"std(1,1,1,1)", u"第0行文本出现错误"}, // one value
        {AggregateMode::Expression, u"sum(1,1,1,1)+sum(", u"第0行文本sum语句缺少“)”"},
    };
    for (const auto &c : cases) {
        // Scripts pass their 0-based line index; formulas pass -1, so their
        // (never shown) messages read line 0.
        const int line = c.mode == AggregateMode::Script ? 2 : -1;
        const EvalResult<QString> r =
            expandAggregates(report, c.text, QStringView(c.text).first(3), c.mode, line, 0, 0);
        EXPECT_EQ(r.error, QString::fromUtf16(c.error)) << QString::fromUtf16(c.text).toStdString();
        EXPECT_TRUE(r.value.isEmpty());
    }
}

TEST_F(Aggregates, UnreadableOrInfiniteResultsFail)
{
    caption(3, 1, QStringLiteral("."));
    EXPECT_EQ(expr(u"sum(3,1,3,1)", u"sum").error, QStringLiteral("第0行文本出现错误"));
    caption(3, 1, QStringLiteral("1e"));
    EXPECT_EQ(expr(u"sum(3,1,3,1)", u"sum").error, QStringLiteral("第0行文本出现错误"));

    // Two finite values whose sum is infinite: a failure, never "INF" text.
    caption(3, 1, QStringLiteral("1.7E308"));
    caption(3, 2, QStringLiteral("1.7E308"));
    EXPECT_EQ(expr(u"sum(3,1,3,2)", u"sum").error, QStringLiteral("第0行文本出现错误"));
    EXPECT_EQ(expr(u"max(3,1,3,2)", u"max").value, QStringLiteral("1.7E308"));

    // A caption beyond the double range is not numeric: it is skipped.
    caption(3, 2, QStringLiteral("1e999"));
    EXPECT_EQ(expr(u"sum(3,1,3,2)", u"sum").value, QStringLiteral("1.7E308"));
}

} // namespace
