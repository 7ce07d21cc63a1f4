#include "VbsRunner.h"

#include <QDir>
#include <QFile>

namespace {

// Inputs the fuzzer once broke the engine with. Each must now end, within
// the budget, either cleanly or with exactly one reported error carrying a
// number and a description.
TEST(VbsRegressions, FuzzFindingsEndWithAnError)
{
    QDir dir(QStringLiteral(CELLVEX_VBS_REGRESSIONS));
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString code = QString::fromUtf8(f.readAll());
        auto r = cellvex::vbs::test::runScript(code, 3000000);
        if (!r.ok) {
            EXPECT_EQ(r.errorReports, 1);
            EXPECT_NE(r.error.number, 0);
            EXPECT_FALSE(r.error.description.isEmpty());
        }
    }
}

} // namespace
