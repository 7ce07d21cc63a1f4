#include "ReportHooks.h"
#include "formula/Expressions.h"
#include "formula/FormulaRecalculation.h"

#include "FormulaFixture.h"
#include "grid/FormatCodes.h"

using namespace cellvex;

namespace {

class Recalculation : public FormulaFixture
{
protected:
    void SetUp() override
    {
        FormulaFixture::SetUp();
        report.setSaved(true);
    }
};

TEST_F(Recalculation, OrderDecidesWhatAChainSees)
{
    // Column 1, row 2 reads column 2, row 1, both empty at first.
    const auto prepare = [this] {
        report.newReport(4, 5);
        formula(1, 2, QStringLiteral("getcell(2,1)*2"));
        formula(2, 1, QStringLiteral("5"));
    };
    prepare();
    explainAllExpression(report, 0, recorder());
    EXPECT_EQ(captionAt(1, 2), QStringLiteral("0")); // column 1 is done before column 2
    EXPECT_EQ(captionAt(2, 1), QStringLiteral("5"));
    explainAllExpression(report, 0, recorder());
    EXPECT_EQ(captionAt(1, 2), QStringLiteral("10")); // a second pass sees the new value

    prepare();
    explainAllExpression(report, 1, recorder());
    EXPECT_EQ(captionAt(1, 2), QStringLiteral("10")); // row 1 is done before row 2
    EXPECT_TRUE(errors.empty());
}

TEST_F(Recalculation, OtherOrdersChangeNothingButSaved)
{
    formula(1, 1, QStringLiteral("1+1"));
    for (const int order : {2, -1}) {
        report.setSaved(true);
        explainAllExpression(report, order, recorder());
        EXPECT_EQ(captionAt(1, 1), QString());
        EXPECT_FALSE(report.saved());
    }
}

TEST_F(Recalculation, ResultsAreNumberText)
{
    formula(1, 1, QStringLiteral("10^20"));
    formula(1, 2, QStringLiteral("1/3"));
    formula(1, 3, QStringLiteral("-0"));
    formula(1, 4, QStringLiteral("getcell(1,1)"));
    explainAll(report, 0, recorder());
    EXPECT_EQ(captionAt(1, 1), QStringLiteral("1E20"));
    EXPECT_EQ(captionAt(1, 2), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(captionAt(1, 3), QStringLiteral("0"));
    // The pasted "1E20" is no number to the evaluator.
    EXPECT_EQ(captionAt(1, 4), QString());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QStringLiteral("公式错误，第4行，第1列，存在无效字符\"E\""));
}

TEST_F(Recalculation, FailureClearsTheCellAndReportsRowBeforeColumn)
{
    caption(3, 2, QStringLiteral("old"));
    formula(3, 2, QStringLiteral("1/0"));
    explainCellExpression(report, 2, 1, recorder());
    EXPECT_EQ(captionAt(3, 2), QString());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QStringLiteral("公式错误，第2行，第3列，除数为零"));
    EXPECT_FALSE(report.saved());

    // Without a listener the failure is silent and the cell still cleared.
    caption(3, 2, QStringLiteral("old"));
    explainCell(report, 2, 1, nullptr);
    EXPECT_EQ(captionAt(3, 2), QString());
}

TEST_F(Recalculation, AllContinuesThroughFailingCells)
{
    formula(1, 1, QStringLiteral("x"));
    formula(2, 1, QStringLiteral("2"));
    formula(1, 2, QStringLiteral("sqrt(-1)"));
    explainAllExpression(report, 1, recorder());
    EXPECT_EQ(captionAt(2, 1), QStringLiteral("2"));
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], QStringLiteral("公式错误，第1行，第1列，存在无效字符\"x\""));
    EXPECT_EQ(errors[1], QStringLiteral("公式错误，第2行，第1列，不能取负数的平方根"));
}

TEST_F(Recalculation, BlankFormulaLeavesTheCellButMarksTheReport)
{
    caption(1, 1, QStringLiteral("keep"));
    formula(1, 1, QStringLiteral("   "));
    explainCellExpression(report, 0, 0, recorder());
    EXPECT_EQ(captionAt(1, 1), QStringLiteral("keep"));
    EXPECT_FALSE(report.saved());
}

TEST_F(Recalculation, OutOfRangeMembersDoNothing)
{
    report.setEditing(true);
    explainCellExpression(report, 4, 0, recorder());
    EXPECT_TRUE(report.saved());
    EXPECT_FALSE(report.editing()); // input mode is left before the range check

    setCellExpression(report, 0, 5, QStringLiteral("1"));
    setCellExpression(report, -1, 0, QStringLiteral("1"));
    EXPECT_TRUE(report.saved());
    EXPECT_EQ(getCellExpression(report, 0, 5), QString());
    EXPECT_EQ(getCellExpression(report, -1, 0), QString());
}

TEST_F(Recalculation, ExpressionIsStoredUnchangedAndNotComputed)
{
    setCellExpression(report, 1, 1, QStringLiteral(" Getcell(1,1) "));
    EXPECT_FALSE(report.saved());
    EXPECT_EQ(getCellExpression(report, 1, 1), QStringLiteral(" Getcell(1,1) "));
    EXPECT_EQ(captionAt(2, 2), QString());
}

TEST_F(Recalculation, ResultGoesThroughTheCellFormat)
{
    Cell &c = *report.cell(0, 0);
    c.setFormatType(FormatCode::Real);
    c.setFormatText(QStringLiteral("0.00"));
    formula(1, 1, QStringLiteral("7/2"));
    explainCell(report, 0, 0, recorder());
    EXPECT_EQ(captionAt(1, 1), QStringLiteral("3.50"));
}

TEST_F(Recalculation, ChangeHandlersThatRecomputeEndAtTheChainLimit)
{
    // A host that answers every change by recomputing everything: each
    // computation changes a caption again, without end unless bounded.
    formula(1, 1, QStringLiteral("getcell(1,1)+1"));
    int changes = 0;
    int deepest = 0;
    listener.changed = [&](int, int, const QString &) {
        ++changes;
        deepest = std::max(deepest, report.chainDepth());
        explainAllExpression(report, 0, recorder());
    };
    explainAllExpression(report, 0, recorder());
    EXPECT_EQ(deepest, Report::kMaxChainDepth);
    EXPECT_EQ(changes, Report::kMaxChainDepth);
    EXPECT_EQ(captionAt(1, 1), QString::number(Report::kMaxChainDepth));
    EXPECT_EQ(report.chainDepth(), 0);
    listener.changed = nullptr;

    // The limit is a depth, not a count: the next pass runs normally.
    explainAll(report, 0, recorder());
    EXPECT_EQ(captionAt(1, 1), QString::number(Report::kMaxChainDepth + 1));
}

TEST_F(Recalculation, ErrorHandlerThatRecomputesIsPartOfTheChain)
{
    formula(1, 1, QStringLiteral("1/0"));
    int reports = 0;
    std::function<void(const QString &)> handler = [&](const QString &) {
        ++reports;
        explainAll(report, 0, handler);
    };
    explainAll(report, 0, handler);
    EXPECT_EQ(reports, Report::kMaxChainDepth);
}

TEST_F(Recalculation, ReportRebuiltByAHandlerEndsThePass)
{
    formula(1, 1, QStringLiteral("1"));
    formula(1, 2, QStringLiteral("2"));
    listener.changed = [&](int, int, const QString &) { report.newReport(2, 2); };
    explainAll(report, 0, recorder());
    EXPECT_EQ(getCellExpression(report, 0, 1), QString()); // the new report's cells were not visited
    EXPECT_EQ(captionAt(1, 2), QString());
}

TEST_F(Recalculation, FailureDuringThePassEndsItSilently)
{
    formula(1, 1, QStringLiteral("1"));
    formula(2, 1, QStringLiteral("2"));
    listener.changed = [](int, int, const QString &) { throw ReportError(QStringLiteral("refused")); };
    EXPECT_THROW(explainCellExpression(report, 0, 0, recorder()), ReportError);
    caption(1, 1, QString());
    EXPECT_NO_THROW(explainAllExpression(report, 0, recorder()));
    EXPECT_EQ(captionAt(1, 1), QStringLiteral("1")); // done before the failure
    EXPECT_EQ(captionAt(2, 1), QString());           // the pass stopped there
    EXPECT_FALSE(report.saved());
}

} // namespace
