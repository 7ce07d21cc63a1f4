#include "RecordingCellvex.h"

#include "HostError.h"
#include "HostState.h"

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::demo;
using automation::Variant;

// The command tests read the fake's log, so the log must show the calls
// exactly as the host made them and replies must reach the host.
TEST(RecordingCellvex, WritesDownCallsAndHandsBackReplies)
{
    fakes::RecordingCellvex fake;
    automation::ICellvex &control = fake;
    fake.returns(QStringLiteral("GetFontName"), Variant::fromString(QStringLiteral("宋体")));
    fake.returnsOuts(QStringLiteral("GetCellFormat"),
                     {Variant::fromLong(11), Variant::fromString(QStringLiteral("3"))});

    EXPECT_EQ(control.SetCellBorders(1, 2, 3, 1), automation::S_OK);
    EXPECT_EQ(control.SetFontName(-1, -1, QStringLiteral("黑体")), automation::S_OK);
    QString font;
    EXPECT_EQ(control.GetFontName(2, 3, &font), automation::S_OK);
    std::int32_t type = 0;
    QString text;
    EXPECT_EQ(control.GetCellFormat(1, 1, &type, &text), automation::S_OK);
    std::int32_t pole = 7;
    EXPECT_EQ(control.get_PoleVisible(&pole), automation::S_OK);
    EXPECT_EQ(control.put_Saved(true), automation::S_OK);

    EXPECT_EQ(font, QStringLiteral("宋体"));
    EXPECT_EQ(type, 11);
    EXPECT_EQ(text, QStringLiteral("3"));
    EXPECT_EQ(pole, 0) << "a getter without a reply gives the type's zero";
    EXPECT_EQ(fake.calls(),
              (QStringList{QStringLiteral("SetCellBorders(1, 2, 3, 1)"),
                           QStringLiteral("SetFontName(-1, -1, \"黑体\")"),
                           QStringLiteral("GetFontName(2, 3)"), QStringLiteral("GetCellFormat(1, 1)"),
                           QStringLiteral("get_PoleVisible()"), QStringLiteral("put_Saved(true)")}));
}

TEST(RecordingCellvex, AFailingMemberCarriesItsDescriptionToTheHost)
{
    fakes::RecordingCellvex fake;
    fake.fails(QStringLiteral("OpenReport"), QStringLiteral("文件不存在"));
    try {
        checkCall(static_cast<automation::ICellvex &>(fake).OpenReport(QStringLiteral("/nope.cvd")));
        FAIL() << "a failed call must stop the command";
    } catch (const HostError &error) {
        EXPECT_EQ(error.text(), QStringLiteral("文件不存在"));
    }
}

TEST(HostState, SelectionLoopsRunColumnsOutermostAndIgnoreInvertedRanges)
{
    struct Row
    {
        HostState state;
        QString expected;
    };
    const Row rows[] = {
        {{1, 1, 2, 2, 1, 1}, QStringLiteral("(1,1)(1,2)(2,1)(2,2)")},
        {{-1, -1, -1, -1, -1, -1}, QStringLiteral("(-1,-1)")},
        {{0, 0, 0, 0, 0, 0}, QStringLiteral("(0,0)")},
        {{3, 1, 2, 1, 3, 1}, QString()},
    };
    for (const Row &row : rows) {
        QString seen;
        forEachSelectedCell(row.state,
                            [&](int c, int r) { seen += QStringLiteral("(%1,%2)").arg(c).arg(r); });
        EXPECT_EQ(seen, row.expected);
    }
}

TEST(HostError, IntegerFieldsAcceptNumbersAndRefuseTheRest)
{
    EXPECT_EQ(integerFromText(QStringLiteral(" 12 ")), 12);
    EXPECT_EQ(integerFromText(QStringLiteral("-3")), -3);
    for (const char *bad : {"", "abc", "1.5", "99999999999"})
        EXPECT_THROW(integerFromText(QString::fromUtf8(bad)), HostError) << bad;
}
