#pragma once

#include "ReportHooks.h"
#include "report/Report.h"

#include <QString>
#include <gtest/gtest.h>

#include <vector>

// A small report addressed 1-based, as formulas write coordinates, with the
// formula errors it reports collected in order.
class FormulaFixture : public ::testing::Test
{
protected:
    void SetUp() override { report.newReport(4, 5); }

    void caption(int col, int row, const QString &text) { report.cell(col - 1, row - 1)->storeCaption(text); }
    QString captionAt(int col, int row) const { return report.cell(col - 1, row - 1)->caption(); }
    void formula(int col, int row, const QString &text)
    {
        report.cell(col - 1, row - 1)->setExpressionText(text);
    }
    void alias(int col, int row, const QString &name) { report.setCellAlias(col - 1, row - 1, name); }

    std::function<void(const QString &)> recorder()
    {
        return [this](const QString &message) { errors.push_back(message); };
    }

    cellvex::Report report;
    cellvex::test::ReportHooks listener{report};
    std::vector<QString> errors;
};
