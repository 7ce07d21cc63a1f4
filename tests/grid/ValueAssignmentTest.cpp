#include "grid/ValueAssignment.h"
#include "ReportHooks.h"
#include "grid/CellValues.h"
#include "grid/FormatCodes.h"
#include "grid/SystemDateFormat.h"
#include "report/CellKindOps.h"
#include "report/Report.h"

#include "common/AnsiText.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <vector>

using namespace cellvex;

namespace {

class PinnedDateFormat : public SystemDateFormat
{
public:
    QString shortDatePattern() const override { return QStringLiteral("yyyy-mm-dd"); }
    QString longDatePattern() const override { return QStringLiteral("yyyy'年'm'月'd'日'"); }
    QString dateSeparator() const override { return QStringLiteral("-"); }
    QString shortTimePattern() const override { return QStringLiteral("h:nn"); }
    QString longTimePattern() const override { return QStringLiteral("h:nn:ss"); }
    QString amText() const override { return QStringLiteral("上午"); }
    QString monthName(int month, bool) const override
    {
        return QString::number(month) + QStringLiteral("月");
    }
    QString weekdayName(int weekday, bool) const override
    {
        return QStringLiteral("周") + QString::number(weekday);
    }
};

// A report whose change hooks record what they see.
class ValueFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setSystemDateFormat(std::make_shared<PinnedDateFormat>());
        listener.changing = [this](int, int, QString &value) { changing.push_back(value); };
        listener.changed = [this](int, int, const QString &value) { changed.push_back(value); };
        listener.cellRepaint = [this](int, int) { ++repaints; };
    }
    void TearDown() override { setSystemDateFormat(nullptr); }

    Cell &prepare(CellKind kind, int formatType, const char *formatText, int textLength,
                  const QString &caption)
    {
        Cell &c = *report.cell(1, 2);
        c.setKind(kind);
        c.setFormatType(formatType);
        c.setFormatText(QString::fromUtf8(formatText));
        c.setTextLength(textLength);
        c.storeCaption(caption);
        changing.clear();
        changed.clear();
        repaints = 0;
        return c;
    }
    QString caption() const { return report.cell(1, 2)->caption(); }

    Report report;
    cellvex::test::ReportHooks listener{report};
    std::vector<QString> changing, changed;
    int repaints = 0;
};

struct TextCase
{
    int format;
    const char *formatText;
    int textLength;
    const char *before;
    const char *value;
    const char *after;
};

} // namespace

TEST_F(ValueFixture, TextCellFormats)
{
    const TextCase cases[] = {
        {FormatCode::Text, "2", 3, "", "abcd", "ABC"},
        {FormatCode::Text, "1", 0, "", "AbC中Ä", "abc中Ä"}, // only A-Z change
        {FormatCode::Text, "3", 0, "", "AbC", "AbC"},
        {FormatCode::Text, "", 3, "", "a中b", "a中"}, // the limit counts bytes
        {FormatCode::Text, "", 3, "", "ab中", "ab"},  // a character is never split
        {FormatCode::Text, "", 0, "old", "", ""},
        {FormatCode::NaturalNumber, "", 0, "", "12.7", "13"},
        {FormatCode::NaturalNumber, "", 0, "", "-5", "5"},
        {FormatCode::NaturalNumber, "", 0, "9", "+", ""},
        {FormatCode::NaturalNumber, "", 0, "", "+007", "007"},
        {FormatCode::NaturalNumber, "", 0, "", "007.6", "8"},
        {FormatCode::NaturalNumber, "", 0, "", ".5", "1"},
        {FormatCode::NaturalNumber, "", 0, "9", ".", ""},
        {FormatCode::NaturalNumber, "", 0, "9", "abc", ""},
        {FormatCode::NaturalNumber, "", 0, "", "1a2+3", "123"},
        {FormatCode::NaturalNumber, "", 2, "", "12345", "12"},
        {FormatCode::NaturalNumber, "", 0, "", "99999999999999999999999.5", "100000000000000000000000"},
        {FormatCode::Integer, "", 0, "", "-0.5", "-1"},
        {FormatCode::Integer, "", 0, "", "-0.4", "0"},
        {FormatCode::Integer, "", 0, "9", "-", ""},
        {FormatCode::Integer, "", 0, "", "+5", "5"},
        {FormatCode::Integer, "", 0, "", "--5", "-5"},
        {FormatCode::Integer, "", 0, "", "5-", "5"},
        {FormatCode::Real, "#,##0.00", 0, "", "1234567.891", "1,234,567.89"},
        {FormatCode::Real, "#,##0.00", 0, "1.00", "abc", ""},
        {FormatCode::Real, "0.00", 0, "1.00", "-", ""},
        {FormatCode::Real, "0.00", 0, "", "  -12.5kg", "-12.50"},
        {FormatCode::Real, "0.00", 0, "", "1e20", "1.00E20"},
        {FormatCode::Real, "", 0, "", "12.50", "12.5"},
        {FormatCode::Significant, "3", 0, "", "12345", "12300"},
        {FormatCode::Significant, "3", 0, "", "0.000123456", "0.000123"},
        {FormatCode::Significant, "x", 0, "", "12345", "x"},
        {FormatCode::Significant, "3", 0, "9", "abc", ""},
        {FormatCode::Significant, "3", 0, "9", "-", ""},
        {4, "", 0, "keep", "12", "keep"},
        {FormatCode::Date, "yyyy-mm-dd", 0, "keep", "2004-3-5", "keep"}, // a text cell takes no date
        {-1, "", 0, "keep", "x", "keep"},
    };
    for (const auto &c : cases) {
        prepare(CellKind::Text, c.format, c.formatText, c.textLength, QString::fromUtf8(c.before));
        assignCellValue(report, 1, 2, QString::fromUtf8(c.value));
        EXPECT_EQ(caption(), QString::fromUtf8(c.after)) << "format " << c.format << " value " << c.value;
        // The hooks run exactly when the caption really changes.
        const size_t expected = QString::fromUtf8(c.before) == QString::fromUtf8(c.after) ? 0 : 1;
        EXPECT_EQ(changing.size(), expected) << c.value;
        EXPECT_EQ(changed.size(), expected) << c.value;
    }
}

TEST_F(ValueFixture, UnchangedValueRaisesNoHooks)
{
    prepare(CellKind::Text, FormatCode::Real, "0.00", 0, QStringLiteral("1.50"));
    assignCellValue(report, 1, 2, QStringLiteral("1.5"));
    EXPECT_TRUE(changing.empty());
    EXPECT_TRUE(changed.empty());
}

TEST_F(ValueFixture, ChangingHookHasTheLastWord)
{
    prepare(CellKind::Text, FormatCode::NaturalNumber, "", 0, QString());
    listener.changing = [](int, int, QString &value) { value += QStringLiteral("!"); };
    assignCellValue(report, 1, 2, QStringLiteral("12.7"));
    EXPECT_EQ(caption(), QLatin1String("13!"));
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], QLatin1String("13!"));
}

TEST_F(ValueFixture, HookThatRebuildsTheReportIsSurvived)
{
    prepare(CellKind::Text, FormatCode::Text, "", 0, QString());
    listener.changing = [this](int, int, QString &) { report.newReport(1, 1); };
    setCellValue(report, 1, 2, QStringLiteral("x"));
    EXPECT_EQ(report.colCount(), 1);
    EXPECT_FALSE(report.saved());
}

TEST_F(ValueFixture, DropDownCell)
{
    Cell &c = prepare(CellKind::DropDown, 0, "", 0, QString());
    c.setDropText(QStringLiteral("a\r\nb\nc\rlast\r\n"));
    for (const char *item : {"b", "c", "last", "a"}) {
        assignCellValue(report, 1, 2, QLatin1String(item));
        EXPECT_EQ(caption(), QLatin1String(item));
    }
    changing.clear();
    changed.clear();
    // Equal to the caption: the setter still runs and the hooks fire.
    assignCellValue(report, 1, 2, QStringLiteral("a"));
    EXPECT_EQ(changing.size(), 1u);
    EXPECT_EQ(changed.size(), 1u);
    // Not an item, or not exactly one: nothing happens.
    for (const char *other : {"d", "A", " a", "", "a\r\nb"}) {
        assignCellValue(report, 1, 2, QLatin1String(other));
        EXPECT_EQ(caption(), QLatin1String("a")) << other;
    }
    EXPECT_EQ(changed.size(), 1u);

    c.setDropText(QString());
    assignCellValue(report, 1, 2, QString());
    EXPECT_EQ(caption(), QLatin1String("a"));
}

TEST_F(ValueFixture, DateCell)
{
    const struct
    {
        int format;
        const char *pattern;
        const char *before;
        const char *value;
        const char *after;
    } cases[] = {
        {FormatCode::Date, "yyyy-mm-dd", "", "2004-3-5", "2004-03-05"},
        {FormatCode::Date, "yyyy-mm-dd", "2001-01-01", "2004-2-30", "2001-01-01"},
        {FormatCode::Date, "yyyy-mm-dd", "", "2000-2-29", "2000-02-29"},
        {FormatCode::Date, "yyyy-mm-dd", "2001-01-01", "1900-2-29", "2001-01-01"},
        {FormatCode::Date, "yyyy-mm-dd", "2001-01-01", "", ""},
        {FormatCode::Date, "yyyy年m月d日 dddd", "2001-01-01", "2004-3-5", "2004年3月5日 周5"},
        {FormatCode::Date, "", "", "2004-3-5", "2004-03-05"}, // no pattern: the short date format
        // The date pattern writes the date whatever the caption held before.
        {FormatCode::Date, "yyyy-mm-dd", "not a date", "2004-3-5", "2004-03-05"},
        // Without the date format the text is kept as given, unless it is the same day.
        {FormatCode::Text, "", "", "2004-3-5", "2004-3-5"},
        {FormatCode::Text, "", "2004-03-05", "2004-3-5", "2004-03-05"},
        {FormatCode::Text, "", "2004-03-05", "2004-3-6", "2004-3-6"},
        {FormatCode::Real, "0.00", "", "2004-3-5", "2004-3-5"},
        {FormatCode::Text, "", "2004-03-05", "garbage", "2004-03-05"},
        {FormatCode::Text, "", "garbage", "2004-2-30", "garbage"}, // invalid: the caption is not even read
    };
    for (const auto &c : cases) {
        prepare(CellKind::Date, c.format, c.pattern, 0, QString::fromUtf8(c.before));
        assignCellValue(report, 1, 2, QString::fromUtf8(c.value));
        EXPECT_EQ(caption(), QString::fromUtf8(c.after)) << c.pattern << " " << c.before << " <- " << c.value;
        const size_t expected = QString::fromUtf8(c.before) == QString::fromUtf8(c.after) ? 0 : 1;
        EXPECT_EQ(changed.size(), expected) << c.value;
    }
}

TEST_F(ValueFixture, DateCellWithUnreadableCaptionFailsAndKeepsIt)
{
    prepare(CellKind::Date, FormatCode::Text, "", 0, QStringLiteral("garbage"));
    report.setSaved(true);
    try {
        setCellValue(report, 1, 2, QStringLiteral("2004-3-5"));
        ADD_FAILURE() << "accepted";
    } catch (const ReportError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("“garbage”不是有效的日期"));
    }
    EXPECT_EQ(caption(), QLatin1String("garbage"));
    EXPECT_TRUE(changed.empty());
    EXPECT_TRUE(report.saved());
    // Clearing always works, so the cell can be mended.
    setCellValue(report, 1, 2, QString());
    EXPECT_EQ(caption(), QString());
}

TEST_F(ValueFixture, CheckButtonAndChartCells)
{
    prepare(CellKind::CheckBox, 0, "", 0, QStringLiteral("0"));
    assignCellValue(report, 1, 2, QStringLiteral("yes"));
    EXPECT_EQ(caption(), QLatin1String("0"));
    EXPECT_TRUE(changed.empty());
    assignCellValue(report, 1, 2, QStringLiteral("1"));
    EXPECT_EQ(caption(), QLatin1String("1"));
    EXPECT_EQ(changed.size(), 1u);
    assignCellValue(report, 1, 2, QStringLiteral("true"));
    EXPECT_EQ(caption(), QLatin1String("0"));

    prepare(CellKind::Text, 0, "", 0, QString());
    ASSERT_TRUE(setButtonCell(report, 1, 2, QStringLiteral("Old"), QStringLiteral("actions")));
    repaints = 0;
    assignCellValue(report, 1, 2, QStringLiteral("新名字"));
    EXPECT_EQ(caption(), QStringLiteral("新名字"));
    EXPECT_EQ(report.cell(1, 2)->buttonScript(), QLatin1String("actions"));
    EXPECT_TRUE(report.cell(1, 2)->haveWidgetPanel());
    EXPECT_TRUE(changing.empty()); // renaming a button raises no change events
    EXPECT_EQ(repaints, 1);

    prepare(CellKind::Chart, 0, "", 0, QStringLiteral("chart"));
    assignCellValue(report, 1, 2, QStringLiteral("x"));
    EXPECT_EQ(caption(), QLatin1String("chart"));
    EXPECT_TRUE(changing.empty());
}

TEST_F(ValueFixture, SetAndGetCellValue)
{
    prepare(CellKind::Text, 4, "", 0, QStringLiteral("keep"));
    report.setSaved(true);
    setCellValue(report, 1, 2, QStringLiteral("x"));
    EXPECT_EQ(getCellValue(report, 1, 2), QLatin1String("keep"));
    EXPECT_FALSE(report.saved()); // the member acted, even though the format ignored the value

    report.setSaved(true);
    for (auto [c, r] : {std::pair{-1, 0}, {0, -1}, {6, 0}, {0, 30}}) {
        setCellValue(report, c, r, QStringLiteral("x"));
        EXPECT_EQ(getCellValue(report, c, r), QString());
    }
    EXPECT_TRUE(report.saved());
    EXPECT_TRUE(changing.empty());
}

TEST_F(ValueFixture, CoveredCellStoresTheValue)
{
    report.cell(0, 1)->setMerge(MergeSign::Covered, BlockBounds{0, 0, 0, 1});
    setCellValue(report, 0, 1, QStringLiteral("hidden"));
    EXPECT_EQ(getCellValue(report, 0, 1), QLatin1String("hidden"));
}

TEST_F(ValueFixture, AliasFormsUseTheFirstMatchColumnsFirst)
{
    // Stored directly: loaded documents can carry a repeated alias.
    report.cell(1, 0)->storeAlias(QStringLiteral("total"));
    report.cell(0, 5)->storeAlias(QStringLiteral("total"));
    report.setSaved(true);
    setCellValueByAlias(report, QStringLiteral("total"), QStringLiteral("42"));
    EXPECT_EQ(getCellValue(report, 0, 5), QLatin1String("42"));
    EXPECT_EQ(getCellValue(report, 1, 0), QString());
    EXPECT_EQ(getCellValueByAlias(report, QStringLiteral("total")), QLatin1String("42"));
    EXPECT_FALSE(report.saved());

    report.setSaved(true);
    setCellValueByAlias(report, QStringLiteral("none"), QStringLiteral("1"));
    setCellValueByAlias(report, QString(), QStringLiteral("1"));
    setCellValueByAlias(report, QStringLiteral("TOTAL"), QStringLiteral("1")); // exact match only
    EXPECT_TRUE(report.saved());
    EXPECT_EQ(getCellValueByAlias(report, QStringLiteral("none")), QString());
    EXPECT_EQ(getCellValueByAlias(report, QString()), QString());
    EXPECT_EQ(getCellValue(report, 0, 5), QLatin1String("42"));
}

TEST_F(ValueFixture, LongAndHugeValuesAreHandled)
{
    const QString huge = QString(2000000, QLatin1Char('7'));
    prepare(CellKind::Text, FormatCode::Text, "", 10, QString());
    assignCellValue(report, 1, 2, huge);
    EXPECT_EQ(caption(), huge.left(10));

    prepare(CellKind::Text, FormatCode::Integer, "", 0, QString());
    assignCellValue(report, 1, 2, huge + QStringLiteral(".5"));
    EXPECT_EQ(caption(), huge.left(huge.size() - 1) + QLatin1Char('8'));

    prepare(CellKind::Text, FormatCode::Significant, "3", 0, QStringLiteral("1"));
    assignCellValue(report, 1, 2, huge);
    EXPECT_EQ(caption(), QString()); // beyond the double range: no number

    // Beyond the double range, or no number at all: the cell is cleared.
    prepare(CellKind::Text, FormatCode::Real, "0.00", 0, QStringLiteral("1.00"));
    assignCellValue(report, 1, 2, huge);
    EXPECT_EQ(caption(), QString());
    prepare(CellKind::Text, FormatCode::Real, "0.00", 0, QStringLiteral("1.00"));
    assignCellValue(report, 1, 2, QStringLiteral("1e"));
    EXPECT_EQ(caption(), QString());
}

TEST_F(ValueFixture, RandomValuesKeepTheFormatsShape)
{
    const QString alphabet = QStringLiteral("0123456789+-.eE ,a中");
    const struct
    {
        int format;
        const char *formatText;
        int textLength;
        const char *shape; // what every stored caption looks like
    } formats[] = {
        {FormatCode::Text, "", 5, ""},
        {FormatCode::NaturalNumber, "", 0, "^\\d*$"},
        {FormatCode::Integer, "", 0, "^(-?\\d+)?$"},
        {FormatCode::Real, "0.00", 0, "^(-?\\d+\\.\\d\\d(E-?\\d+)?)?$"},
        {FormatCode::Significant, "3", 0, "^(-?\\d+(\\.\\d+)?(E-?\\d+)?)?$"},
    };
    quint32 seed = 777;
    auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int len = int(next() % 14);
        for (int i = 0; i < len; ++i)
            text.append(alphabet.at(next() % alphabet.size()));
        for (const auto &f : formats) {
            prepare(CellKind::Text, f.format, f.formatText, f.textLength, QString());
            try {
                assignCellValue(report, 1, 2, text);
            } catch (const ReportError &) {
                // Only a real number pattern refuses, and then nothing is stored.
                EXPECT_EQ(f.format, FormatCode::Real) << qPrintable(text);
                EXPECT_EQ(caption(), QString());
                continue;
            }
            if (f.textLength > 0) {
                EXPECT_LE(ansiByteLength(caption()), f.textLength) << qPrintable(text);
            }
            if (*f.shape) {
                EXPECT_TRUE(QRegularExpression(QLatin1String(f.shape)).match(caption()).hasMatch())
                    << f.format << " " << qPrintable(text) << " -> " << qPrintable(caption());
            }
        }
    }
}
