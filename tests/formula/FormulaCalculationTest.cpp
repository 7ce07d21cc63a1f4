#include "formula/FormulaCalculation.h"

#include "FormulaFixture.h"

using namespace cellvex;

namespace {

const QString kParse = QStringLiteral("公式解析发生错误");

QString invalid(const QString &c)
{
    return QStringLiteral("存在无效字符\"") + c + u'"';
}

struct FormulaCase
{
    const char16_t *formula;
    double value;
    QString error = QString();
};

class FormulaCalculation : public FormulaFixture
{
protected:
    // Computes as the cell at column 2, row 3 (1-based).
    EvalResult<double> calc(const QString &text) { return calcFormula(report, text, 1, 2); }

    void run(const std::vector<FormulaCase> &cases)
    {
        for (const FormulaCase &c : cases) {
            const EvalResult<double> r = calc(QString::fromUtf16(c.formula));
            const std::string label = QString::fromUtf16(c.formula).toStdString();
            EXPECT_EQ(r.error, c.error) << label;
            EXPECT_EQ(r.value, c.error.isEmpty() ? c.value : 0) << label;
        }
    }
};

TEST_F(FormulaCalculation, CellReferences)
{
    caption(1, 1, QStringLiteral("3"));
    caption(2, 1, QStringLiteral("4"));
    caption(3, 1, QStringLiteral("abc"));
    caption(4, 1, QStringLiteral("-5"));
    caption(2, 3, QStringLiteral("8"));
    caption(1, 3, QStringLiteral("1E20"));
    run({
        {u"getcell(1,1)+getcell(2,1)", 7},
        {u"getcell(1,1)+getcell(1,2)", 3}, // an empty cell reads as 0
        {u"getcell(1,1)+getcell(3,1)", 0, invalid(QStringLiteral("a"))},
        {u"getcell(0,1)+1", 1},
        {u"getcell(1,0)+1", 1},
        {u"getcell(5,1)+1", 1},
        {u"getcell(1,6)+1", 1},
        {u"getcell(1,-1000000000000)+1", 1}, // saturated coordinates stay outside the grid
        {u"getcell(1000000000000,1000000000000)+1", 1},
        {u"getcell(col, row)", 8},       // the cell itself
        {u"getcell(col-1,row-2)*2", 6},  // position words
        {u"GETCELL(COL,ROW)", 8},        // the whole formula is lower-cased
        {u"getcell (1, 1)", 3},          // blanks before "("
        {u"10+getcell(4,1)", 0, kParse}, // 10+-5: the sign is no operator
        {u"10+(getcell(4,1))", 5},
        {u"getcell(1,3)", 0, invalid(QStringLiteral("E"))}, // captions are pasted as written
        {u"getcell(1,1.5)", 0},                             // 1.5 rounds to 2: an empty cell
        {u"getcell(1,2.5)*2", 0},                           // halves go to even: row 2, empty
        // Malformed references give 0 without a message.
        {u"getcell 1,1", 0},
        {u"getcell(1,1", 0},
        {u"getcell(1)", 0},
        {u"getcell(,1)", 0},
        {u"getcell(1, )", 0},
        {u"getcell(x,1)", 0},
        {u"getcell((1),1)", 0}, // arguments cannot hold parentheses
        {u"1+getcell(1,1)+getcell", 0},
    });
}

TEST_F(FormulaCalculation, AggregatesAndAliases)
{
    caption(1, 1, QStringLiteral("1"));
    caption(1, 2, QStringLiteral("x"));
    caption(1, 3, QStringLiteral("2"));
    alias(1, 1, QStringLiteral("a"));
    alias(1, 3, QStringLiteral("b"));
    run({
        {u"sum(1,1,1,3)", 3},
        {u"avg(1,1,1,3)", 1.5},
        {u"SUM(1,1,1,3)*Max(1,1,1,3)", 6},
        {u"sum(@(a), @(b))", 3}, // each alias is a coordinate pair
        {u"getcell(@(b))", 2},
        {u"std(1,1,1,1)+5", 0}, // aggregate failures are silent in formulas
        {u"sum(1,1,1,3", 0},
        {u"sum(1,1,1)", 0},
        {u"sum(1,1,1,getcell(1,3)+1)", 3}, // references are expanded before aggregates
        {u"@(a", 0},                       // an alias without ")" empties the formula
        {u"@(nobody)", 0, invalid(QStringLiteral("n"))},
    });
}

TEST_F(FormulaCalculation, TextOfTheFormula)
{
    run({
        {u"", 0},
        {u"  \t ", 0},
        {u" 2*(3+4) \r\n", 14},
        {u"1\n+2", 0, invalid(QStringLiteral("\r"))}, // lines are joined by CR LF
        {u"pI*0", 0},
        {u"Ä+1", 0, invalid(QStringLiteral("Ä"))}, // only A-Z are lowered
        {u"1/0", 0, QStringLiteral("除数为零")},
    });
}

TEST_F(FormulaCalculation, PastedCaptionsAreExpandedByLaterStepsOnly)
{
    // A caption that reads like a reference is pasted once and not searched
    // again; the evaluator then refuses its text.
    caption(1, 1, QStringLiteral("getcell(1,1)"));
    const EvalResult<double> r = calc(QStringLiteral("getcell(1,1)"));
    EXPECT_EQ(r.error, invalid(QStringLiteral("g")));

    // References and aggregates after the pasted caption are still expanded.
    caption(2, 1, QStringLiteral("2"));
    EXPECT_EQ(calc(QStringLiteral("getcell(1,1)*0+getcell(2,1)")).error, invalid(QStringLiteral("g")));
    caption(1, 1, QStringLiteral("(getcell(2,1))"));
    EXPECT_EQ(calc(QStringLiteral("getcell(1,1)")).error, invalid(QStringLiteral("g")));

    // Aggregates run over the text after the references: a pasted "sum(...)"
    // is computed, as stored reports expect.
    caption(1, 1, QStringLiteral("sum(2,1,2,1)"));
    EXPECT_EQ(calc(QStringLiteral("getcell(1,1)+1")).value, 3);
}

} // namespace
