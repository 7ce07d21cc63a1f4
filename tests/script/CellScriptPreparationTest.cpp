#include "script/CellScriptPreparation.h"
#include "report/Report.h"

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

struct Preparation : ::testing::Test
{
    Report r; // 6 x 30
    PreparedScript vbs(const QString &text, int col = 2, int row = 4)
    {
        return prepareCellScript(r, col, row, text, QStringLiteral("VBScript"));
    }
    PreparedScript js(const QString &text, int col = 2, int row = 4)
    {
        return prepareCellScript(r, col, row, text, QStringLiteral("JavaScript"));
    }
};

} // namespace

TEST_F(Preparation, SetCellBecomesAFlagAndAResult)
{
    const PreparedScript p = vbs(QStringLiteral("setcell 1, 1, 2*3"));
    ASSERT_TRUE(p.error.isEmpty()) << qPrintable(p.error);
    EXPECT_EQ(p.lines, (QStringList{"execute1 = 0", "execute1 = 1", "result1 = 2*3"}));
    ASSERT_EQ(p.setCells.size(), 1u);
    EXPECT_EQ(p.setCells[0].col, 0);
    EXPECT_EQ(p.setCells[0].row, 0);
    EXPECT_EQ(p.setCells[0].bodyLine, 1);

    // Coordinates take the position words of the script's cell (column 3, row 5).
    const PreparedScript q = vbs(QStringLiteral("If A Then\r\n  SetCell col+1, row, \"X\"\r\nEnd If"));
    ASSERT_TRUE(q.error.isEmpty()) << qPrintable(q.error);
    EXPECT_EQ(q.lines,
              (QStringList{"execute1 = 0", "if a then", "execute1 = 1", "result1 = \"x\"", "end if"}));
    EXPECT_EQ(q.setCells[0].col, 3);
    EXPECT_EQ(q.setCells[0].row, 4);
    EXPECT_EQ(q.setCells[0].bodyLine, 2);
}

TEST_F(Preparation, JavaScriptFormsAndBraces)
{
    const PreparedScript p =
        js(QStringLiteral("if (x > 1)\r\n{\r\nsetcell(2, 3, x + 1);}\r\nexecutebutton(1, 2);"));
    ASSERT_TRUE(p.error.isEmpty()) << qPrintable(p.error);
    EXPECT_EQ(p.lines, (QStringList{"execute1 = 0", "executebtn1 = 0", "if (x > 1){", "", "execute1 = 1",
                                    "result1 = x + 1;}", "executebtn1=1"}));
    EXPECT_EQ(p.buttons.size(), 1u);
    EXPECT_EQ(p.buttons[0].col, 0);
    EXPECT_EQ(p.buttons[0].row, 1);
    // A "{" on the first line stays where it is.
    EXPECT_EQ(js(QStringLiteral("{ var a = 1; }")).lines, (QStringList{"{ var a = 1; }"}));
    // VBScript keeps braces as they are.
    EXPECT_EQ(vbs(QStringLiteral("a = 1\r\n{b}")).lines, (QStringList{"a = 1", "{b}"}));
}

TEST_F(Preparation, GetCellReadsCaptionsAsNumbersOrStrings)
{
    r.cell(1, 0)->storeCaption(QStringLiteral("41"));
    r.cell(2, 0)->storeCaption(QStringLiteral("Ab"));
    const PreparedScript p = vbs(QStringLiteral("setcell 1, 1, getcell(2, 1, 1) + 1"));
    EXPECT_EQ(p.lines.last(), QStringLiteral("result1 = 41 + 1"));
    // Any other flag: a string, the caption unchanged (not lower-cased).
    EXPECT_EQ(vbs(QStringLiteral("a = getcell (3,1, 0) & getcell(2,1,x)")).lines.last(),
              QStringLiteral("a = \"Ab\" & \"41\""));
    // Outside the grid or empty: 0 as a number, "" as a string.
    EXPECT_EQ(vbs(QStringLiteral("a = getcell(99, 1, 1) + getcell(4, 4, 1) + getcell(0, 1, 2)")).lines.last(),
              QStringLiteral("a = 0 + 0 + \"\""));
    // Position words work inside coordinates.
    EXPECT_EQ(vbs(QStringLiteral("a = getcell(col - 1, 1, 1)")).lines.last(), QStringLiteral("a = 41"));
}

TEST_F(Preparation, PositionFunctionsAndLowerCase)
{
    EXPECT_EQ(vbs(QStringLiteral("MsgBox \"Total\" & GETCOL()   & getrow() & getcoux() & getcouy()")).lines,
              (QStringList{"msgbox \"total\" & 3& 5& 6& 30"}));
    // The init script stands at 0, 0.
    EXPECT_EQ(vbs(QStringLiteral("a = getcol() + getrow()"), -1, -1).lines, (QStringList{"a = 0+ 0"}));
}

TEST_F(Preparation, AliasesAndAggregatesAreExpanded)
{
    r.setCellAlias(0, 1, QStringLiteral("Qty"));
    r.cell(0, 1)->storeCaption(QStringLiteral("3"));
    r.cell(0, 2)->storeCaption(QStringLiteral("4"));
    const PreparedScript p = vbs(QStringLiteral("setcell @(Qty), sum(1, 2, 1, 3, 1)"));
    ASSERT_TRUE(p.error.isEmpty()) << qPrintable(p.error);
    EXPECT_EQ(p.setCells[0].col, 0);
    EXPECT_EQ(p.setCells[0].row, 1);
    EXPECT_EQ(p.lines.last(), QStringLiteral("result1 = 7"));
    // An empty text, or one whose alias reference is unclosed, runs nothing.
    EXPECT_TRUE(vbs(QString()).empty);
    EXPECT_TRUE(vbs(QStringLiteral("a = @(Qty")).empty);
}

TEST_F(Preparation, ErrorsNameTheLineAndTheCommand)
{
    struct Case
    {
        bool javascript;
        const char *text;
        const char *error;
    } cases[] = {
        {false, "setcell 1", "第1行文本SetCell语句缺少“,”"},
        {true, "setcell(1,1,5", "第1行文本SetCell语句缺少“);”"},
        {true, "a = 1\r\nsetcell 1,1,5;", "第2行文本SetCell语句缺少“(”"},
        {true, "setcell(1,1,5;", "第1行文本SetCell语句缺少“)”"},
        {false, "setcell , 1, 5", "第1行文本SetCell列号错误"},
        {false, "setcell 1, , 5", "第1行文本SetCell行号错误"},
        {false, "executebutton 1", "第1行文本ExecuteButton语句缺少“,”"},
        {true, "executebutton 1, 2", "第1行文本ExecuteButton语句缺少“(”"},
        {false, "x = 1\r\ny = 2\r\na = getcell 1, 1, 1", "第3行文本GetCell语句缺少“(”"},
        {false, "a = getcell(1, 1, 1", "第1行文本GetCell语句缺少“)”"},
        {false, "a = getcell(1, 1)", "第1行文本GetCell语句缺少“,”"},
        {false, "a = getcell(, 1, 1)", "第1行文本GetCell列号错误"},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const PreparedScript p = c.javascript ? js(text) : vbs(text);
        EXPECT_EQ(p.error, QString::fromUtf8(c.error)) << c.text;
        EXPECT_TRUE(p.setCells.empty() && p.buttons.empty()) << c.text;
    }
    // Position functions are not replaced inside coordinates: the evaluator
    // names the character it cannot read.
    const PreparedScript p = vbs(QStringLiteral("a = getcell(getcol(), 1, 1)"));
    EXPECT_TRUE(p.error.startsWith(QStringLiteral("第1行文本GetCell列号"))) << qPrintable(p.error);
    EXPECT_GT(p.error.size(), QStringLiteral("第1行文本GetCell列号").size());
    // Aggregate errors come with the same line number.
    EXPECT_TRUE(
        vbs(QStringLiteral("a = 1\r\nb = sum(1, 1, 2)")).error.startsWith(QStringLiteral("第2行文本sum")));
}

TEST_F(Preparation, RunLinesMapBackToTheSource)
{
    // One SetCell in line 1 and an error in line 3 of the source: the run
    // script has two header-and-insert lines more.
    const PreparedScript p = vbs(QStringLiteral("setcell 1, 1, 5\r\na = 1\r\nb = 1 / 0"));
    ASSERT_EQ(p.lines.size(), 5);
    EXPECT_EQ(p.lines.at(4), QStringLiteral("b = 1 / 0"));
    EXPECT_EQ(p.sourceLine(5), 3);
    EXPECT_EQ(p.sourceLine(3), 1); // the result line is the SetCell's own line
    const PreparedScript q =
        vbs(QStringLiteral("a = 1\r\nsetcell 1, 1, 5\r\nexecutebutton 2, 2\r\nsetcell 2, 2, 6\r\nzz"));
    EXPECT_EQ(q.headerLines(), 3);
    EXPECT_EQ(q.lines.at(q.lines.size() - 1), QStringLiteral("zz"));
    EXPECT_EQ(q.sourceLine(int(q.lines.size())), 5);
}
