// Feeds arbitrary bytes, read as UTF-8, to the formula computation over a
// small fixed report whose captions include numbers, text, signs, exponent
// forms, aliases and captions that look like formulas themselves. Checks the
// promises recalculation relies on: it ends, a success carries a finite
// value, a failure carries a message and the value 0, and no cell changes.

#include "formula/FormulaCalculation.h"
#include "report/Report.h"

#include <QApplication>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

cellvex::Report *fixedReport()
{
    static cellvex::Report *report = [] {
        auto *r = new cellvex::Report;
        r->newReport(4, 4);
        const char *captions[4][4] = {
            {"1", "-5", "2.5E-3", "abc"},
            {"1E20", ".", "getcell(1,1)", "sum(1,1,1,2)"},
            {"1e999", "7", "", "(getcell(2,2))"},
            {"1.7E308", "1.7E308", "@(a)", "0"},
        };
        for (int c = 0; c < 4; ++c)
            for (int w = 0; w < 4; ++w)
                r->cell(c, w)->storeCaption(QString::fromUtf8(captions[c][w]));
        r->setCellAlias(0, 0, QStringLiteral("a"));
        r->setCellAlias(2, 3, QStringLiteral("b"));
        return r;
    }();
    return report;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    fixedReport();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const cellvex::Report &report = *fixedReport();
    const auto result = cellvex::calcFormula(report, text, 1, 2);
    if (result.ok())
        check(std::isfinite(result.value));
    else
        check(result.value == 0);
    check(report.cell(1, 2)->caption() == QStringLiteral("getcell(1,1)"));
    return 0;
}
