#include "ReportHooks.h"
#include "SelectionFixture.h"

#include "grid/selection/KeyNavigator.h"

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::test;

namespace {

struct KeyFixture : SelectionFixture
{
    KeyNavigator keys{sel};
    PageBands bands;

    KeyFixture()
    {
        answers.pageBands = [this] { return bands; };
    }
    // Makes (col, row) the input cell and selection without recording anything.
    void from(int col, int row)
    {
        if (col >= 0)
            sel.setSelection(false, col, row, col, row);
        else
            sel.clearSelection();
        log.events.clear();
        hooks.clear();
    }
    KeyOutcome press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString &text = QString())
    {
        return keys.handleKey(key, mods, text);
    }
    QString input() const { return QStringLiteral("%1,%2").arg(report.inputCol()).arg(report.inputRow()); }
};

struct MoveCase
{
    const char *name;
    std::function<void(Report &)> setUp;
    int col, row; // the input cell before, -1 for none
    int key;
    const char *to; // the input cell after, 0-based
};

void runMoves(const std::vector<MoveCase> &cases)
{
    for (const MoveCase &c : cases) {
        SCOPED_TRACE(c.name);
        KeyFixture f;
        f.bands = PageBands{{0, 3, 6}, {0, 15, 30}};
        if (c.setUp)
            c.setUp(f.report);
        f.from(c.col, c.row);
        EXPECT_EQ(f.press(c.key), KeyOutcome::Moved);
        EXPECT_EQ(f.input(), QString::fromLatin1(c.to));
        // Every move ends with both events, the input cell first.
        const int ic = f.report.inputCol() + 1, ir = f.report.inputRow() + 1;
        ASSERT_EQ(f.log.events.size(), 2);
        EXPECT_EQ(f.log.events[0], QStringLiteral("Input(%1,%2)").arg(ic).arg(ir));
        EXPECT_TRUE(f.log.events[1].startsWith(QStringLiteral("Select(%1,%2,").arg(ic).arg(ir)));
    }
}

} // namespace

TEST(KeyMap, ArrowKeysSearchReadingAndColumnOrderWithWrapping)
{
    runMoves({
        {"right", nullptr, 1, 1, Qt::Key_Right, "2,1"},
        {"left", nullptr, 1, 1, Qt::Key_Left, "0,1"},
        {"up", nullptr, 1, 1, Qt::Key_Up, "1,0"},
        {"down", nullptr, 1, 1, Qt::Key_Down, "1,2"},
        {"right from the last column", nullptr, 5, 1, Qt::Key_Right, "0,2"},
        {"right from the last cell", nullptr, 5, 29, Qt::Key_Right, "0,0"},
        {"left from the first cell", nullptr, 0, 0, Qt::Key_Left, "5,29"},
        {"left from a row's first cell", nullptr, 0, 4, Qt::Key_Left, "5,3"},
        {"up from the first cell", nullptr, 0, 0, Qt::Key_Up, "5,29"},
        {"up from a column's top", nullptr, 2, 0, Qt::Key_Up, "1,29"},
        {"down from a column's bottom", nullptr, 0, 29, Qt::Key_Down, "1,0"},
        {"down from the last cell", nullptr, 5, 29, Qt::Key_Down, "0,0"},
        {"right without input", nullptr, -1, -1, Qt::Key_Right, "0,0"},
        {"left without input", nullptr, -1, -1, Qt::Key_Left, "5,29"},
        {"up without input", nullptr, -1, -1, Qt::Key_Up, "5,29"},
        {"down without input", nullptr, -1, -1, Qt::Key_Down, "0,0"},
        {"read-only cells are reachable", [](Report &r) { r.cell(2, 1)->setReadOnly(true); }, 1, 1,
         Qt::Key_Right, "2,1"},
        {"hidden column skipped", [](Report &r) { r.colRuler().setPoleRange(2, 0); }, 1, 1, Qt::Key_Right,
         "3,1"},
        {"hidden row skipped", [](Report &r) { r.rowRuler().setPoleRange(2, 0); }, 1, 1, Qt::Key_Down, "1,3"},
    });
}

TEST(KeyMap, ArrowKeysLandOnABlockOnlyFromItsFirstLine)
{
    auto block = [](Report &r) { mergeBlock(r, 2, 1, 3, 2); };
    runMoves({
        {"right into the first row", block, 1, 1, Qt::Key_Right, "2,1"},
        {"right along a covered row passes", block, 1, 2, Qt::Key_Right, "4,2"},
        {"right off the master", block, 2, 1, Qt::Key_Right, "4,1"},
        {"down into the first column", block, 2, 0, Qt::Key_Down, "2,1"},
        {"down along a covered column passes", block, 3, 0, Qt::Key_Down, "3,3"},
        {"left off the master", block, 2, 1, Qt::Key_Left, "1,1"},
        {"block with a hidden master column is reachable",
         [](Report &r) {
             mergeBlock(r, 2, 1, 3, 2);
             r.colRuler().setPoleRange(2, 0);
         },
         1, 1, Qt::Key_Right, "2,1"},
    });
}

TEST(KeyMap, MovingOntoABlockSelectsItWithoutOpeningEditors)
{
    KeyFixture f;
    mergeBlock(f.report, 2, 1, 3, 2);
    f.report.setEditing(true);
    f.from(1, 1);
    EXPECT_EQ(f.press(Qt::Key_Down, Qt::ShiftModifier), KeyOutcome::Moved); // modifiers do not matter
    f.from(1, 1);
    EXPECT_EQ(f.press(Qt::Key_Right), KeyOutcome::Moved);
    EXPECT_EQ(f.state(), "sel(2,1,3,2) in(2,1)");
    EXPECT_EQ(f.log.events.join(' '), "Input(3,2) Select(3,2,4,3)");
    EXPECT_EQ(f.hooks.join(' '), "commit frame scroll prepare(drop)");
    EXPECT_FALSE(f.report.editing());
}

TEST(KeyMap, EnterGoesToTheNextEnterableCellOrTheNextPosition)
{
    runMoves({
        {"next in the row", nullptr, 0, 0, Qt::Key_Return, "1,0"},
        {"keypad enter", nullptr, 0, 0, Qt::Key_Enter, "1,0"},
        {"read-only cells are skipped", [](Report &r) { r.cell(1, 0)->setReadOnly(true); }, 0, 0,
         Qt::Key_Return, "2,0"},
        {"covered cells are skipped", [](Report &r) { mergeBlock(r, 1, 0, 2, 0); }, 1, 0, Qt::Key_Return,
         "3,0"},
        {"wraps from the last cell", nullptr, 5, 29, Qt::Key_Return, "0,0"},
        {"without input from the first cell", nullptr, -1, -1, Qt::Key_Return, "0,0"},
        {"next position, even read-only",
         [](Report &r) {
             r.cell(0, 0)->setCellNext(4, 6);
             r.cell(4, 6)->setReadOnly(true);
         },
         0, 0, Qt::Key_Return, "4,6"},
        {"next position on a covered cell selects its block",
         [](Report &r) {
             mergeBlock(r, 3, 3, 4, 4);
             r.cell(0, 0)->setCellNext(4, 4);
         },
         0, 0, Qt::Key_Return, "3,3"},
        {"a half-set next position is no next position", [](Report &r) { r.cell(0, 0)->setCellNext(4, -1); },
         0, 0, Qt::Key_Return, "1,0"},
    });
}

TEST(KeyMap, EnterStaysWhenTheNextPositionIsOutsideTheReport)
{
    KeyFixture f;
    f.report.cell(1, 1)->setCellNext(6, 0);
    f.from(1, 1);
    EXPECT_EQ(f.press(Qt::Key_Return), KeyOutcome::Stayed);
    EXPECT_EQ(f.state(), "sel(1,1,1,1) in(1,1)");
    EXPECT_TRUE(f.log.events.isEmpty());
    EXPECT_EQ(f.hooks.join(' '), "commit"); // the input was still finished
}

TEST(KeyMap, EnterAcceptsAnOpenDateEditorFirst)
{
    KeyFixture f;
    bool shown = true;
    f.answers.dateEditorShown = [&] { return shown; };
    f.answers.acceptDateEditor = [&] {
        f.hooks << "date";
        shown = false;
    };
    f.from(0, 0);
    f.press(Qt::Key_Return);
    EXPECT_EQ(f.hooks.mid(0, 2).join(' '), "date commit");
}

TEST(KeyMap, EditorAndListKeepTheirKeys)
{
    struct Case
    {
        bool editing, listOpen;
        int key;
        KeyOutcome outcome;
    } cases[] = {
        {true, false, Qt::Key_Left, KeyOutcome::Ignored},
        {true, false, Qt::Key_Right, KeyOutcome::Ignored},
        {true, false, Qt::Key_Home, KeyOutcome::Ignored},
        {true, false, Qt::Key_End, KeyOutcome::Ignored},
        {true, false, Qt::Key_Up, KeyOutcome::Moved},
        {true, false, Qt::Key_Down, KeyOutcome::Moved},
        {true, false, Qt::Key_PageDown, KeyOutcome::Moved},
        {false, true, Qt::Key_Up, KeyOutcome::Ignored},
        {false, true, Qt::Key_Down, KeyOutcome::Ignored},
        {false, true, Qt::Key_PageUp, KeyOutcome::Ignored},
        {false, true, Qt::Key_PageDown, KeyOutcome::Ignored},
        {false, true, Qt::Key_Left, KeyOutcome::Moved},
        {false, true, Qt::Key_Home, KeyOutcome::Moved},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.editing << c.listOpen << " key " << c.key);
        KeyFixture f;
        f.bands = PageBands{{0, 6}, {0, 30}};
        f.answers.dropListOpen = [&] { return c.listOpen; };
        f.from(2, 20);
        f.report.setEditing(c.editing);
        EXPECT_EQ(f.press(c.key), c.outcome);
        if (c.outcome == KeyOutcome::Ignored) {
            EXPECT_TRUE(f.hooks.isEmpty()); // input not even finished
            EXPECT_EQ(f.input(), "2,20");
        }
    }
}

TEST(KeyMap, PageKeysFollowThePageBands)
{
    // Two column bands (A-C, D-F) and two row bands (1-15, 16-30).
    runMoves({
        {"page down to the page below", nullptr, 1, 1, Qt::Key_PageDown, "0,15"},
        {"page down to the next column band", nullptr, 1, 16, Qt::Key_PageDown, "3,0"},
        {"page down on the last page stays", nullptr, 4, 20, Qt::Key_PageDown, "4,20"},
        {"page up to the page above", nullptr, 4, 20, Qt::Key_PageUp, "3,0"},
        {"page up to the previous column band's last page", nullptr, 4, 3, Qt::Key_PageUp, "0,15"},
        {"page up on the first page stays", nullptr, 1, 3, Qt::Key_PageUp, "1,3"},
        {"home from a later page", nullptr, 1, 16, Qt::Key_Home, "0,0"},
        {"home on the first page stays", nullptr, 1, 3, Qt::Key_Home, "1,3"},
        {"end to the last page", nullptr, 0, 0, Qt::Key_End, "3,15"},
        {"end on the last page stays", nullptr, 4, 20, Qt::Key_End, "4,20"},
        {"page up without input", nullptr, -1, -1, Qt::Key_PageUp, "3,15"},
        {"page down without input", nullptr, -1, -1, Qt::Key_PageDown, "0,0"},
        {"end without input", nullptr, -1, -1, Qt::Key_End, "3,15"},
        {"home without input", nullptr, -1, -1, Qt::Key_Home, "0,0"},
        {"a covered first cell gives its master", [](Report &r) { mergeBlock(r, 0, 14, 1, 15); }, 2, 1,
         Qt::Key_PageDown, "0,14"},
    });
}

TEST(KeyMap, PageKeyOnTheInputCellShrinksTheSelectionAndReportsIt)
{
    KeyFixture f;
    f.bands = PageBands{{0, 6}, {0, 30}};
    f.sel.setSelection(false, 1, 1, 4, 5);
    f.log.events.clear();
    EXPECT_EQ(f.press(Qt::Key_PageDown), KeyOutcome::Moved);
    EXPECT_EQ(f.state(), "sel(1,1,1,1) in(1,1)");
    EXPECT_EQ(f.log.events.join(' '), "Input(2,2) Select(2,2,2,2)");
}

TEST(KeyMap, HeaderRowsLieOutsideTheBodyBands)
{
    KeyFixture f;
    f.bands = PageBands{{0, 6}, {2, 15, 30}};
    f.from(1, 0); // a header row: in no row band
    f.press(Qt::Key_PageDown);
    EXPECT_EQ(f.input(), "1,0");
    f.from(1, 0);
    f.press(Qt::Key_PageUp);
    EXPECT_EQ(f.input(), "1,0");
}

TEST(KeyMap, ReportsWithoutCellsStayUnchanged)
{
    for (auto [cols, rows] : {std::pair{0, 0}, std::pair{0, 3}, std::pair{3, 0}}) {
        SCOPED_TRACE(testing::Message() << cols << "x" << rows);
        KeyFixture f;
        f.report.newReport(cols, rows);
        f.bands = PageBands{{0}, {0}}; // no bands
        for (int key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End})
            EXPECT_EQ(f.press(key), KeyOutcome::Ignored);
        for (int key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Return})
            EXPECT_EQ(f.press(key), KeyOutcome::Cleared);
        EXPECT_TRUE(f.log.events.isEmpty());
        EXPECT_EQ(f.press(Qt::Key_A, Qt::NoModifier, "a"), KeyOutcome::Ignored);
        EXPECT_EQ(f.press(Qt::Key_Space, Qt::NoModifier, " "), KeyOutcome::Ignored);
    }
}

TEST(KeyMap, NoQualifyingCellClearsTheSelection)
{
    KeyFixture f;
    for (int c = 0; c < 6; ++c)
        f.report.colRuler().setPoleRange(c, 0); // every column hidden
    f.from(1, 1);
    f.report.setWholeModes(true, false);
    EXPECT_EQ(f.press(Qt::Key_Right), KeyOutcome::Cleared);
    EXPECT_EQ(f.state(), "sel(-1,-1,-1,-1) in(-1,-1)");
    EXPECT_EQ(f.log.events.join(' '), "Input(-1,-1) Select(-1,-1,-1,-1)");
    EXPECT_FALSE(f.report.wholeColumnMode());

    f.log.events.clear();
    EXPECT_EQ(f.press(Qt::Key_Left), KeyOutcome::Cleared);
    EXPECT_TRUE(f.log.events.isEmpty()); // nothing was selected any more
}

TEST(KeyMap, EnterWithOnlyReadOnlyCellsClears)
{
    KeyFixture f;
    f.sel.setReadOnly(true);
    f.from(2, 2);
    EXPECT_EQ(f.press(Qt::Key_Return), KeyOutcome::Cleared);
    EXPECT_FALSE(f.report.hasSelection());
}

TEST(KeyMap, TypingKeysStartInputOnWritableTextCells)
{
    struct Case
    {
        int key;
        Qt::KeyboardModifiers mods;
        const char *text;
        bool starts;
    } cases[] = {
        {Qt::Key_A, Qt::NoModifier, "a", true},           {Qt::Key_A, Qt::ShiftModifier, "A", true},
        {Qt::Key_1, Qt::NoModifier, "1", true},           {Qt::Key_Exclam, Qt::ShiftModifier, "!", true},
        {Qt::Key_Plus, Qt::KeypadModifier, "+", true},    {Qt::Key_Semicolon, Qt::NoModifier, ";", true},
        {Qt::Key_BracketLeft, Qt::NoModifier, "[", true}, {Qt::Key_Backspace, Qt::NoModifier, "\b", true},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", true},   {Qt::Key_Delete, Qt::NoModifier, "\x7f", true},
        {Qt::Key_Space, Qt::NoModifier, " ", true},       {Qt::Key_V, Qt::ControlModifier, "\x16", true},
        {Qt::Key_Delete, Qt::ControlModifier, "", true},  {Qt::Key_C, Qt::ControlModifier, "\x03", false},
        {Qt::Key_A, Qt::ControlModifier, "\x01", false},  {Qt::Key_F2, Qt::NoModifier, "", false},
        {Qt::Key_Tab, Qt::NoModifier, "\t", false},       {Qt::Key_Insert, Qt::NoModifier, "", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key);
        KeyFixture f;
        f.from(1, 1);
        const KeyOutcome o = f.press(c.key, c.mods, QString::fromLatin1(c.text));
        EXPECT_EQ(o == KeyOutcome::StartedInput, c.starts);
        EXPECT_EQ(f.report.editing(), c.starts);
        EXPECT_EQ(f.hooks.join(' '), c.starts ? "typing" : "");
    }
}

TEST(KeyMap, InputStartsOnlyWhereTypingIsPossible)
{
    struct Case
    {
        const char *name;
        std::function<void(KeyFixture &)> setUp;
    } cases[] = {
        {"already editing", [](KeyFixture &f) { f.report.setEditing(true); }},
        {"read-only", [](KeyFixture &f) { f.report.cell(1, 1)->setReadOnly(true); }},
        {"drop list", [](KeyFixture &f) { f.report.cell(1, 1)->setKind(CellKind::DropDown); }},
        {"date", [](KeyFixture &f) { f.report.cell(1, 1)->setKind(CellKind::Date); }},
        {"no input cell", [](KeyFixture &f) { f.from(-1, -1); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        KeyFixture f;
        f.from(1, 1);
        c.setUp(f);
        EXPECT_EQ(f.press(Qt::Key_1, Qt::NoModifier, "1"), KeyOutcome::Ignored);
        EXPECT_EQ(f.keys.inputMethodStarted(), KeyOutcome::Ignored);
    }
    KeyFixture f;
    f.from(1, 1);
    EXPECT_EQ(f.keys.inputMethodStarted(), KeyOutcome::StartedInput);
}

TEST(KeyMap, SpaceTogglesAWritableCheckBoxAndMarksTheReport)
{
    KeyFixture f;
    f.report.cell(1, 1)->setKind(CellKind::CheckBox);
    QStringList changes;
    f.listener.changed = [&](int, int, const QString &v) { changes << v; };
    f.report.setSaved(true);
    f.from(1, 1);
    EXPECT_EQ(f.press(Qt::Key_Space, Qt::NoModifier, " "), KeyOutcome::Toggled);
    EXPECT_EQ(f.press(Qt::Key_Space, Qt::NoModifier, " "), KeyOutcome::Toggled);
    EXPECT_EQ(changes.join(' '), "1 0");
    EXPECT_FALSE(f.report.saved());
    EXPECT_FALSE(f.report.editing());

    f.report.cell(1, 1)->setReadOnly(true);
    EXPECT_EQ(f.press(Qt::Key_Space, Qt::NoModifier, " "), KeyOutcome::Ignored);
    EXPECT_EQ(f.report.cell(1, 1)->caption(), "0");
}

TEST(KeyMap, OtherKeysDoNothing)
{
    KeyFixture f;
    f.from(1, 1);
    for (int key : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_F1, Qt::Key_Shift, Qt::Key_Insert})
        EXPECT_EQ(f.press(key), KeyOutcome::Ignored);
    EXPECT_TRUE(f.hooks.isEmpty());
    EXPECT_EQ(f.input(), "1,1");
}

TEST(KeyMap, AHandlerThatReplacesTheReportEndsTheMove)
{
    KeyFixture f;
    f.from(1, 1);
    f.log.onEvent = [&](const QString &e) {
        if (e.startsWith("Input"))
            f.report.newReport(1, 1);
    };
    EXPECT_EQ(f.press(Qt::Key_Right), KeyOutcome::Moved);
    EXPECT_EQ(f.log.events.join(' '), "Input(3,2)");
    EXPECT_FALSE(f.report.hasSelection());

    // Finishing input may replace the report before the move is computed.
    KeyFixture g;
    g.from(5, 29);
    g.answers.commitInput = [&] { g.report.newReport(2, 2); };
    EXPECT_EQ(g.press(Qt::Key_Down), KeyOutcome::Moved);
    EXPECT_EQ(g.input(), "0,0");
}
