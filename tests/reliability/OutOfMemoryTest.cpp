// Memory running out inside a member, after every check has passed: the
// call fails with "out of memory" and its description, the control lives
// on, and the report is as it was. The failure is injected where members
// reach outside the model (the clipboard, the spreadsheet program), which
// are the points a real allocation failure can come from in the middle of
// a member.
#include "ControlObject.h"
#include "automation/ErrorInfo.h"
#include "control/ClipboardPort.h"
#include "control/MemberBoundary.h"
#include "control/ReportActions.h"
#include "export/xlsx/SpreadsheetProgram.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

using V = Variant;

class ExhaustedClipboard final : public ClipboardPort
{
public:
    void put(const QString &, const QString &) override { throw std::bad_alloc(); }
    QString text() const override { throw std::bad_alloc(); }
};

class ExhaustedProgram final : public xlsx::SpreadsheetProgram
{
public:
    void saveAs(const xlsx::Worksheet &, const QString &) override { throw std::bad_alloc(); }
    xlsx::WorkbookContents open(const QString &, const xlsx::SheetRange &) override
    {
        throw std::bad_alloc();
    }
};

struct Case
{
    const char *name;
    MemberId member;
    std::vector<V> args;
};

class OutOfMemory : public ::testing::TestWithParam<Case>, public test::ControlObject
{
protected:
    void SetUp() override
    {
        m().NewReport(3, 2);
        ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("kept")), S_OK);
        ASSERT_EQ(o->put_Saved(false), S_OK);
        c().actions().setClipboard(&clipboard);
        c().actions().setSpreadsheetProgram([] { return std::make_unique<ExhaustedProgram>(); });
    }
    void TearDown() override
    {
        if (o)
            c().actions().setClipboard(nullptr);
    }

    ExhaustedClipboard clipboard;
};

TEST_P(OutOfMemory, FailsTheCallAndKeepsTheReport)
{
    std::vector<V> args = GetParam().args;
    ErrorInfo errors;
    V result;
    const HResult hr = runMember(c().actions(), rowIndexOf(GetParam().member), args, &result, errors);
    EXPECT_EQ(hr, E_OUTOFMEMORY);
    EXPECT_EQ(errors.description(), QStringLiteral("内存不足"));
    EXPECT_TRUE(errors.source().endsWith(QLatin1String(GetParam().name))) << errors.source().toStdString();
    // The control still answers, with the report it had.
    EXPECT_EQ(m().ColCount(), 3);
    EXPECT_EQ(m().RowCount(), 2);
    EXPECT_EQ(value(1, 1), QStringLiteral("kept"));
    EXPECT_FALSE(saved());
    ASSERT_EQ(o->SetCellValue(2, 2, QStringLiteral("after")), S_OK);
    EXPECT_EQ(value(2, 2), QStringLiteral("after"));
}

const V L1 = V::fromLong(1);
const V L2 = V::fromLong(2);

INSTANTIATE_TEST_SUITE_P(
    Members, OutOfMemory,
    ::testing::Values(Case{"CopyCell", MemberId::CopyCell, {L1, L1, L2, L2}},
                      Case{"PasteCell", MemberId::PasteCell, {L1, L1, V::fromBool(true)}},
                      Case{"PasteCellText", MemberId::PasteCellText, {L2, L1, V::fromBool(false)}},
                      Case{"TransExcel",
                           MemberId::TransExcel,
                           {V::fromString(QStringLiteral("/nonexistent/out.xlsx")), V::fromBool(false), L1,
                            L1, L2, L2}},
                      Case{"TransFormExcel",
                           MemberId::TransFormExcel,
                           {V::fromString(QStringLiteral("/nonexistent/in.xlsx")), L1, L2, L1, L2}}),
    [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

} // namespace
