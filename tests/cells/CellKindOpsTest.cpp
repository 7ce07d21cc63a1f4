#include "report/CellKindOps.h"
#include "ReportHooks.h"
#include "cells/CellWidgets.h"
#include "report/CellWidgetClicks.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace cellvex;

namespace {

// A report that records the caption hooks it raises.
struct Recorded : ::testing::Test
{
    Report r;
    cellvex::test::ReportHooks listener{r};
    std::vector<QString> changing, changed;

    void SetUp() override
    {
        listener.changing = [this](int, int, QString &v) { changing.push_back(v); };
        listener.changed = [this](int, int, const QString &v) { changed.push_back(v); };
    }
    void forget()
    {
        changing.clear();
        changed.clear();
        r.setSaved(true);
    }
    Cell &cell() { return *r.cell(1, 2); }
};

QImage smallPicture()
{
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::red);
    return img;
}

} // namespace

using KindChanges = Recorded;

TEST_F(KindChanges, WidgetsOfThePreviousKindAreRemoved)
{
    struct Case
    {
        const char *name;
        std::function<void(Report &)> before;
        std::function<void(Report &)> change;
        CellKind kind;
        QString caption;
        bool checkBox, widgetPanel, picture;
        QString checkText, buttonScript, dropText;
        std::vector<QString> events; // values of the changing and of the changed hook
    };
    const QString items = QStringLiteral("甲\r\n乙");
    auto withPicture = [](Report &r) { showCellPicture(*r.cell(1, 2), smallPicture(), false); };
    const Case cases[] = {
        {"checked box to drop-down",
         [](Report &r) {
             setCheckCell(r, 1, 2, QStringLiteral("同意"));
             r.setCellCaption(1, 2, QStringLiteral("1"));
         },
         [&](Report &r) { setDropCell(r, 1, 2, items); },
         CellKind::DropDown,
         QString(),
         false,
         true,
         false,
         QString(),
         QString(),
         items,
         {QString()}},
        {"button to text",
         [](Report &r) { setButtonCell(r, 1, 2, QStringLiteral("Go"), QStringLiteral("4;0")); },
         [](Report &r) { setTextCell(r, 1, 2, 5); },
         CellKind::Text,
         QString(),
         false,
         false,
         false,
         QString(),
         QString(),
         QString(),
         {QString()}},
        {"drop-down to button keeps no drop button but a face",
         [&](Report &r) { setDropCell(r, 1, 2, items); },
         [](Report &r) { setButtonCell(r, 1, 2, QStringLiteral("Go"), QStringLiteral("4;1")); },
         CellKind::Button,
         QStringLiteral("Go"),
         false,
         true,
         false,
         QString(),
         QStringLiteral("4;1"),
         QString(),
         {}},
        {"picture stays from text to date",
         withPicture,
         [](Report &r) { setDateTimeCell(r, 1, 2); },
         CellKind::Date,
         QString(),
         false,
         false,
         true,
         QString(),
         QString(),
         QString(),
         {QString()}},
        {"picture stays from text to drop-down",
         withPicture,
         [&](Report &r) { setDropCell(r, 1, 2, items); },
         CellKind::DropDown,
         QString(),
         false,
         true,
         true,
         QString(),
         QString(),
         items,
         {QString()}},
        {"picture goes with a check box",
         withPicture,
         [](Report &r) { setCheckCell(r, 1, 2, QStringLiteral("x")); },
         CellKind::CheckBox,
         QStringLiteral("0"),
         true,
         false,
         false,
         QStringLiteral("x"),
         QString(),
         QString(),
         {QStringLiteral("0")}},
        {"picture goes with a button face",
         withPicture,
         [](Report &r) { setButtonCell(r, 1, 2, QStringLiteral("B"), QString()); },
         CellKind::Button,
         QStringLiteral("B"),
         false,
         true,
         false,
         QString(),
         QString(),
         QString(),
         {}},
        {"drop-down again replaces the items",
         [](Report &r) { setDropCell(r, 1, 2, QStringLiteral("a")); },
         [](Report &r) { setDropCell(r, 1, 2, QStringLiteral("b")); },
         CellKind::DropDown,
         QString(),
         false,
         true,
         false,
         QString(),
         QString(),
         QStringLiteral("b"),
         {QString()}},
        {"check box again unchecks and relabels",
         [](Report &r) {
             setCheckCell(r, 1, 2, QStringLiteral("old"));
             r.setCellCaption(1, 2, QStringLiteral("1"));
         },
         [](Report &r) { setCheckCell(r, 1, 2, QStringLiteral("new")); },
         CellKind::CheckBox,
         QStringLiteral("0"),
         true,
         false,
         false,
         QStringLiteral("new"),
         QString(),
         QString(),
         {QStringLiteral("0")}},
        {"button to check box drops the action list",
         [](Report &r) { setButtonCell(r, 1, 2, QStringLiteral("Go"), QStringLiteral("4;0")); },
         [](Report &r) { setCheckCell(r, 1, 2, QString()); },
         CellKind::CheckBox,
         QStringLiteral("0"),
         true,
         false,
         false,
         QString(),
         QString(),
         QString(),
         {QStringLiteral("0")}},
        {"check box to date leaves an empty caption, not \"0\"",
         [](Report &r) { setCheckCell(r, 1, 2, QStringLiteral("x")); },
         [](Report &r) { setDateTimeCell(r, 1, 2); },
         CellKind::Date,
         QString(),
         false,
         false,
         false,
         QString(),
         QString(),
         QString(),
         {QString()}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        r.newReport(6, 30);
        c.before(r);
        forget();
        c.change(r);
        const Cell &cl = cell();
        EXPECT_EQ(cl.kind(), c.kind);
        EXPECT_EQ(cl.caption(), c.caption);
        EXPECT_EQ(cl.haveCheckBox(), c.checkBox);
        EXPECT_EQ(cl.haveWidgetPanel(), c.widgetPanel);
        EXPECT_EQ(cl.haveImage(), c.picture);
        EXPECT_EQ(cellCheckText(r, 1, 2), c.checkText);
        EXPECT_EQ(cellButtonText(r, 1, 2), c.buttonScript);
        EXPECT_EQ(cellDropText(r, 1, 2), c.dropText);
        EXPECT_EQ(changing, c.events);
        EXPECT_EQ(changed, c.events);
        EXPECT_FALSE(r.saved());
    }
}

TEST_F(KindChanges, ButtonFaceDropsTheDiagonalWithThePictureLayer)
{
    r.setCellBorders(1, 2, BorderDiagonal, 1);
    setButtonCell(r, 1, 2, QStringLiteral("B"), QString());
    EXPECT_EQ(r.cellBorders(1, 2, BorderDiagonal), 0);
    // Back to text the diagonal must not reappear from a stale code.
    setTextCell(r, 1, 2, 0);
    EXPECT_EQ(cell().diagonalType(), 0);
    EXPECT_FALSE(cell().haveImage());
}

TEST_F(KindChanges, ButtonTwiceKeepsOneFaceAndItsFirstFont)
{
    setButtonCell(r, 1, 2, QStringLiteral("One"), QStringLiteral("4;0"));
    const std::uint32_t faceFont = cell().faceFontId();
    r.setFontSize(1, 2, 20);
    forget();
    EXPECT_TRUE(setButtonCell(r, 1, 2, QStringLiteral("Two"), QStringLiteral("4;1")));
    EXPECT_EQ(cell().caption(), QStringLiteral("Two"));
    EXPECT_EQ(cellButtonText(r, 1, 2), QStringLiteral("4;1"));
    EXPECT_EQ(cell().faceFontId(), faceFont); // later font changes do not reach the face
    EXPECT_NE(cell().fontId(), faceFont);
    EXPECT_TRUE(changing.empty()); // the name goes in without caption events
    EXPECT_FALSE(r.saved());
    // A face made now takes the font the cell has now.
    r.setFontSize(0, 0, 20);
    setButtonCell(r, 0, 0, QStringLiteral("B"), QString());
    EXPECT_EQ(r.cell(0, 0)->faceFontId(), r.cell(0, 0)->fontId());
}

TEST_F(KindChanges, GettersAnswerForTheAskedCellOnly)
{
    setButtonCell(r, 0, 0, QStringLiteral("Go"), QStringLiteral("4;0"));
    r.setInputCell(0, 0); // a button cell as input cell must not leak into other cells' answers
    setTextCell(r, 1, 2, -7);
    EXPECT_EQ(cellButtonText(r, 1, 2), QString());
    EXPECT_EQ(cellButtonText(r, 0, 0), QStringLiteral("4;0"));
    EXPECT_EQ(cellTextLength(r, 1, 2), 0); // a negative limit is none
    setTextCell(r, 1, 2, 12);
    EXPECT_EQ(cellTextLength(r, 1, 2), 12);
    setDropCell(r, 1, 2, QStringLiteral("a"));
    EXPECT_EQ(cellTextLength(r, 1, 2), 0); // kept, but only a text cell reports it
    EXPECT_EQ(cellType(r, 1, 2), 2);
    setCheckCell(r, 1, 2, QStringLiteral("L"));
    EXPECT_EQ(cellDropText(r, 1, 2), QString());
    EXPECT_EQ(cellType(r, 1, 2), 14);

    struct Outside
    {
        int col, row;
    } outside[] = {{-1, 0}, {0, -1}, {6, 0}, {0, 30}};
    for (const Outside &o : outside) {
        EXPECT_EQ(cellType(r, o.col, o.row), -1);
        EXPECT_EQ(cellTextLength(r, o.col, o.row), 0);
        EXPECT_EQ(cellDropText(r, o.col, o.row), QString());
        EXPECT_EQ(cellCheckText(r, o.col, o.row), QString());
        EXPECT_EQ(cellButtonText(r, o.col, o.row), QString());
    }
}

TEST_F(KindChanges, CoveredAndOutsideCellsAreLeftAlone)
{
    r.cell(1, 2)->setMerge(MergeSign::Covered, BlockBounds{0, 2, 1, 2});
    const std::function<bool(int, int)> setters[] = {
        [&](int c, int w) { return setTextCell(r, c, w, 3); },
        [&](int c, int w) { return setDropCell(r, c, w, QStringLiteral("a")); },
        [&](int c, int w) { return setDateTimeCell(r, c, w); },
        [&](int c, int w) { return setCheckCell(r, c, w, QStringLiteral("a")); },
        [&](int c, int w) { return setButtonCell(r, c, w, QStringLiteral("a"), QString()); },
        [&](int c, int w) { return setCellPicture(r, c, w, QString(), false); },
    };
    for (const auto &set : setters) {
        forget();
        EXPECT_FALSE(set(1, 2));
        EXPECT_FALSE(set(-1, 2));
        EXPECT_FALSE(set(1, 30));
        EXPECT_EQ(cell().kind(), CellKind::Text);
        EXPECT_TRUE(changing.empty());
        EXPECT_TRUE(r.saved());
    }
}

TEST_F(KindChanges, HookThatRebuildsTheReportEndsTheChangeSafely)
{
    listener.changing = [this](int, int, QString &) { r.newReport(2, 2); };
    setCheckCell(r, 1, 2, QStringLiteral("x"));
    EXPECT_EQ(r.colCount(), 2);
    r.newReport(6, 30);
    setDropCell(r, 1, 2, QStringLiteral("x"));
    EXPECT_EQ(r.colCount(), 2);
    EXPECT_EQ(r.cell(1, 1)->kind(), CellKind::Text); // the new report's cell is untouched
    EXPECT_FALSE(r.cell(1, 1)->haveWidgetPanel());
}

TEST_F(KindChanges, CheckBoxCaptionIsOneOrZero)
{
    setCheckCell(r, 1, 2, QStringLiteral("L"));
    struct Case
    {
        QString given, stored;
    } cases[] = {{"1", "1"}, {"0", "0"}, {"abc", "0"}, {"", "0"}, {" 1", "0"}, {"1 ", "0"}, {"真", "0"}};
    for (const Case &c : cases) {
        r.setCellCaption(1, 2, c.given);
        EXPECT_EQ(cell().caption(), c.stored) << c.given.toStdString();
    }
}

using WidgetClicks = Recorded;

TEST_F(WidgetClicks, ButtonClickLetsTheHostReplaceTheActionList)
{
    setButtonCell(r, 1, 2, QStringLiteral("Go"), QStringLiteral("4;0"));
    QString seenName, seenScript;
    listener.button = [&](int col, int row, const QString &name, QString &script) {
        EXPECT_EQ(col, 1);
        EXPECT_EQ(row, 2);
        seenName = name;
        seenScript = script;
        script = QStringLiteral("4;1");
    };
    forget();
    EXPECT_EQ(clickCellButton(r, 1, 2), ButtonAnswer::RunActions);
    EXPECT_EQ(seenName, QStringLiteral("Go"));
    EXPECT_EQ(seenScript, QStringLiteral("4;0"));
    EXPECT_EQ(cellButtonText(r, 1, 2), QStringLiteral("4;1"));
    EXPECT_FALSE(r.saved());

    // Without a host the stored list runs unchanged.
    listener.button = nullptr;
    EXPECT_EQ(clickCellButton(r, 1, 2), ButtonAnswer::RunActions);
    EXPECT_EQ(cellButtonText(r, 1, 2), QStringLiteral("4;1"));
}

TEST_F(WidgetClicks, ReadOnlyWidgetsDoNothing)
{
    int hostCalls = 0;
    listener.button = [&](int, int, const QString &, QString &) { ++hostCalls; };
    setButtonCell(r, 0, 0, QStringLiteral("Go"), QStringLiteral("4;0"));
    setDropCell(r, 0, 1, QStringLiteral("a"));
    setCheckCell(r, 0, 2, QStringLiteral("c"));
    for (int row = 0; row < 3; ++row)
        r.cell(0, row)->setReadOnly(true);
    forget();
    EXPECT_EQ(clickCellButton(r, 0, 0), ButtonAnswer::None);
    EXPECT_EQ(clickCellButton(r, 0, 1), ButtonAnswer::None);
    EXPECT_FALSE(clickCheckBox(r, 0, 2));
    EXPECT_EQ(hostCalls, 0);
    EXPECT_EQ(r.cell(0, 2)->caption(), QStringLiteral("0"));
    EXPECT_TRUE(changing.empty());
    EXPECT_TRUE(r.saved());

    for (int row = 0; row < 3; ++row)
        r.cell(0, row)->setReadOnly(false);
    EXPECT_EQ(clickCellButton(r, 0, 1), ButtonAnswer::OpenDropList);
    EXPECT_EQ(clickCellButton(r, 0, 3), ButtonAnswer::None); // a text cell has no button
    EXPECT_EQ(clickCellButton(r, 9, 0), ButtonAnswer::None);
}

TEST_F(WidgetClicks, CheckBoxClickTogglesThroughTheCaptionSetter)
{
    setCheckCell(r, 1, 2, QStringLiteral("c"));
    forget();
    EXPECT_TRUE(clickCheckBox(r, 1, 2));
    EXPECT_EQ(cell().caption(), QStringLiteral("1"));
    EXPECT_TRUE(clickCheckBox(r, 1, 2));
    EXPECT_EQ(cell().caption(), QStringLiteral("0"));
    EXPECT_EQ(changed, (std::vector<QString>{"1", "0"}));
    EXPECT_FALSE(r.saved());
    EXPECT_FALSE(clickCheckBox(r, 0, 0)); // no check box there
}
