#include "ControlFixture.h"
#include "MemberCalls.h"
#include "control/CellSurface.h"
#include "control/CellvexObject.h"
#include "control/input/DateEditorCaption.h"
#include "control/input/InPlaceEditor.h"
#include "grid/SystemDateFormat.h"
#include "grid/selection/CellHitTest.h"
#include "grid/selection/SelectionController.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

// The commits and errors as lines; key presses and button clicks are answered or counted.
const std::string_view kFollowed[] = {"OnCellChanging", "OnCellChanged", "OnError"};

// A control with the default report (6 columns of 80, 30 rows of 19); keys
// go to the focused window, normally the one-line editor.
struct InPlaceInput : ::testing::Test, test::ControlFixture
{
    InPlaceInput() : ControlFixture(kFollowed)
    {
        // Shown and active, so that the focus moves as the editors set it.
        show();
        QApplication::setActiveWindow(&c());
    }
    InPlaceEditor &input() { return c().inPlaceEditor(); }
    QLineEdit *edit() { return input().edit(); }

    void key(int code, const QString &text = QString(), Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent e(QEvent::KeyPress, code, mods, text);
        QWidget *focus = QApplication::focusWidget();
        QApplication::sendEvent(focus ? focus : edit(), &e);
    }
    // Types each character as a key would: the grid sees the key first, then the editor.
    void type(const QString &text)
    {
        for (QChar ch : text) {
            int code = Qt::Key_unknown;
            if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
                code = Qt::Key_A + (ch.unicode() - 'a');
            else if (ch.unicode() < 0x80 && ch.unicode() >= 0x20)
                code = ch.toUpper().unicode(); // digits and punctuation share their code
            key(code, QString(ch));
        }
    }
    void enter() { key(Qt::Key_Return, QStringLiteral("\r")); }
    void paste(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        key(Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
    }
    // Mouse on the cell surface at a point relative to a cell's top-left corner (0-based cell).
    void mouse(QEvent::Type type, int col, int row, QPoint at)
    {
        const Report &r = c().report();
        const ReportRect cell = r.cellRect(col, row);
        const QPoint p(int(cell.x - surfaceOriginX(r)) + at.x(), int(cell.y - surfaceOriginY(r)) + at.y());
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, p, c().cellSurface()->mapToGlobal(p), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(c().cellSurface(), &e);
    }
    void click(int col, int row, QPoint at)
    {
        mouse(QEvent::MouseButtonPress, col, row, at);
        mouse(QEvent::MouseButtonRelease, col, row, at);
    }
};

TEST_F(InPlaceInput, TypingOpensTheEditorAndEnterWritesAndMovesOn)
{
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("old")), S_OK);
    m().setSaved(true);
    select(1, 1);
    EXPECT_FALSE(input().typingEditorShown());
    type(QStringLiteral("ab"));
    EXPECT_TRUE(input().typingEditorShown());
    EXPECT_TRUE(c().report().editing());
    // The first key replaces the cell's text.
    EXPECT_EQ(edit()->text(), QStringLiteral("ab"));
    EXPECT_EQ(c().report().cell(0, 0)->caption(), QStringLiteral("old"));
    enter();
    EXPECT_EQ(value(1, 1), QStringLiteral("ab"));
    EXPECT_EQ(sink.log, (std::vector<QString>{"changing 1,1=ab", "changed 1,1=ab"}));
    EXPECT_FALSE(m().Saved());
    EXPECT_FALSE(input().typingEditorShown());
    EXPECT_FALSE(c().report().editing());
    EXPECT_EQ(c().report().inputCol(), 1); // moved right
    // The hidden editor keeps working as the focus holder: the next cell takes typing too.
    type(QStringLiteral("c"));
    enter();
    EXPECT_EQ(value(2, 1), QStringLiteral("c"));
}

TEST_F(InPlaceInput, FormatsFilterTypedAndPastedText)
{
    struct Case
    {
        int format;
        const char *formatText;
        int textLength; // -1: not a text length test
        QString typed;
        QString pasted;
        QString editorText;
        QString caption;
    };
    const Case cases[] = {
        {2, "", -1, "-12-", "", "-12", "-12"},        // a second sign at the end is dropped
        {2, "", -1, "", "12.6", "13", "13"},          // pasted decimals are rounded
        {1, "", -1, "-5", "", "5", "5"},              // no sign but "+"
        {1, "", -1, "", "-5", "5", "5"},              // pasted: the sign is cleaned away
        {1, "", -1, "+7", "", "+7", "7"},             // a leading "+" is not stored
        {3, "0.00", -1, "1..5", "", "1.5", "1.50"},   // one "." only
        {3, "0.00", -1, "", "2e3", "2e3", "2000.00"}, // the exponent only by pasting
        {3, "0.00", -1, "ab-", "", "-", ""},          // a lone sign clears
        {0, "2", -1, "abc", "", "ABC", "ABC"},        // upper case
        {0, "1", -1, "", "XyZ", "xyz", "xyz"},        // lower case, pasted too
        {0, "", 4, "abcde", "", "abcd", "abcd"},      // the length limit
        {0, "", 4, "中文字", "", "中文", "中文"},     // counted in code-page bytes
        {0, "", 3, "a中文", "", "a中", "a中"},        // a character that does not fit whole
        {4, "", -1, "xy", "", "xy", ""},              // a format that takes no typed text
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(
            QString("format %1 typed %2 pasted %3").arg(k.format).arg(k.typed, k.pasted).toStdString());
        ASSERT_EQ(o->NewReport(3, 3), S_OK);
        if (k.textLength >= 0) {
            ASSERT_EQ(o->SetTextCell(1, 1, k.textLength), S_OK);
        }
        ASSERT_EQ(o->SetCellFormat(1, 1, k.format, QString::fromUtf8(k.formatText)), S_OK);
        select(1, 1);
        type(k.typed);
        if (!k.pasted.isEmpty())
            paste(k.pasted);
        EXPECT_EQ(edit()->text(), k.editorText);
        enter();
        EXPECT_EQ(c().report().cell(0, 0)->caption(), k.caption);
    }
}

TEST_F(InPlaceInput, KeyPressHandlerSwallowsAndTranslatesBeforeTheFilter)
{
    ASSERT_EQ(o->SetCellFormat(1, 1, 2, QString()), S_OK);
    select(1, 1);
    // The host turns "a" into "7" and swallows "x": the digit passes the integer filter.
    sink.key = [](std::int16_t *k) {
        if (*k == 'a')
            *k = '7';
        else if (*k == 'x')
            *k = 0;
    };
    type(QStringLiteral("1xa"));
    EXPECT_EQ(edit()->text(), QStringLiteral("17"));
}

TEST_F(InPlaceInput, CellChangingHandlerReplacesTheCommittedText)
{
    sink.changing = [](QString *v) { *v = QStringLiteral("X"); };
    select(2, 2);
    type(QStringLiteral("typed"));
    enter();
    sink.changing = nullptr;
    EXPECT_EQ(value(2, 2), QStringLiteral("X"));
    EXPECT_EQ(sink.log.back(), QStringLiteral("changed 2,2=X"));
}

TEST_F(InPlaceInput, EscapeOpensAnEmptyEditorAndTypesNothing)
{
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("old")), S_OK);
    m().setSaved(true);
    select(1, 1);
    // Like Backspace and Delete, Escape starts input with an empty editor.
    key(Qt::Key_Escape, QStringLiteral("\x1b"));
    ASSERT_TRUE(input().typingEditorShown());
    EXPECT_TRUE(edit()->text().isEmpty());
    // A member that reads the cell finishes the input first: the cell is emptied.
    EXPECT_EQ(value(1, 1), QString());
    EXPECT_FALSE(m().Saved());
    select(1, 2);
    // While typing, Escape neither types a character nor gives up the text.
    type(QStringLiteral("ab"));
    key(Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_TRUE(input().typingEditorShown());
    EXPECT_EQ(edit()->text(), QStringLiteral("ab"));
    enter();
    EXPECT_EQ(value(1, 2), QStringLiteral("ab"));
}

TEST_F(InPlaceInput, DoubleClickEditsTheCaptionAndUnchangedCommitStillMarksChanged)
{
    ASSERT_EQ(o->SetCellValue(2, 3, QStringLiteral("abc")), S_OK);
    m().setSaved(true);
    sink.log.clear();
    mouse(QEvent::MouseButtonPress, 1, 2, {5, 5});
    mouse(QEvent::MouseButtonRelease, 1, 2, {5, 5});
    mouse(QEvent::MouseButtonDblClick, 1, 2, {5, 5});
    mouse(QEvent::MouseButtonRelease, 1, 2, {5, 5});
    ASSERT_TRUE(input().typingEditorShown());
    EXPECT_EQ(edit()->text(), QStringLiteral("abc"));
    EXPECT_EQ(edit()->selectedText(), QStringLiteral("abc"));
    sink.log.clear();
    enter();
    EXPECT_TRUE(sink.log.empty());
    EXPECT_FALSE(m().Saved());
}

TEST_F(InPlaceInput, NewReportWhileTypingDiscardsTheText)
{
    select(1, 1);
    type(QStringLiteral("lost"));
    ASSERT_EQ(o->NewReport(4, 4), S_OK);
    EXPECT_FALSE(input().typingEditorShown());
    EXPECT_FALSE(c().report().editing());
    select(1, 1);
    enter();
    EXPECT_EQ(value(1, 1), QString());
    EXPECT_TRUE(sink.log.empty());
}

TEST_F(InPlaceInput, MemberThatCommitsWritesTheOpenEditorFirst)
{
    select(1, 1);
    type(QStringLiteral("first"));
    ASSERT_EQ(o->SetCellValue(3, 1, QStringLiteral("second")), S_OK);
    EXPECT_EQ(sink.log, (std::vector<QString>{"changing 1,1=first", "changed 1,1=first",
                                              "changing 3,1=second", "changed 3,1=second"}));
    EXPECT_FALSE(input().typingEditorShown());
    EXPECT_FALSE(c().report().editing());
}

TEST_F(InPlaceInput, ReportReplacedByTheChangingHandlerDuringCommit)
{
    // Another member that commits, called from inside the commit, finds nothing left to write.
    sink.changing = [this](QString *) {
        QString ignored;
        o->GetCellValue(1, 1, &ignored);
        o->NewReport(2, 2);
    };
    select(3, 3);
    type(QStringLiteral("gone"));
    enter();
    sink.changing = nullptr;
    EXPECT_EQ(m().ColCount(), 2);
    EXPECT_FALSE(input().typingEditorShown());
    EXPECT_EQ(std::count(sink.log.begin(), sink.log.end(), QStringLiteral("changing 3,3=gone")), 1);
    EXPECT_EQ(value(1, 1), QString());
    EXPECT_TRUE(m().Saved()); // the new report is unchanged
}

TEST_F(InPlaceInput, DropListOpensOnArrivalAndChoosingWritesTheItem)
{
    ASSERT_EQ(o->SetDropCell(1, 2, QStringLiteral("甲\r\n乙\r\n丙\r\n")), S_OK);
    ASSERT_EQ(o->SetCellValue(1, 2, QStringLiteral("甲")), S_OK);
    QComboBox *list = input().list();
    // Selecting it by a member does not open the list.
    select(1, 2);
    EXPECT_FALSE(input().dropListShown());
    // Arriving with an arrow key does.
    select(1, 1);
    key(Qt::Key_Down);
    ASSERT_TRUE(input().dropListOpen());
    EXPECT_TRUE(c().report().editing());
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentIndex(), 0);

    m().setSaved(true);
    sink.log.clear();
    auto choose = [&](int index) {
        list->view()->setCurrentIndex(list->model()->index(index, 0));
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(list->view(), &e);
    };
    choose(1);
    EXPECT_EQ(value(1, 2), QStringLiteral("乙"));
    EXPECT_EQ(sink.log, (std::vector<QString>{"changing 1,2=乙", "changed 1,2=乙"}));
    EXPECT_FALSE(m().Saved());
    EXPECT_FALSE(input().dropListOpen());
    EXPECT_FALSE(input().dropListShown());
    EXPECT_FALSE(c().report().editing());
    EXPECT_TRUE(c().rulerInput().skipRulerPrepare());

    // Choosing the item that is already the caption raises nothing but is an edit.
    m().setSaved(true);
    sink.log.clear();
    select(1, 1);
    key(Qt::Key_Down);
    ASSERT_TRUE(input().dropListOpen());
    choose(1);
    EXPECT_TRUE(sink.log.empty());
    EXPECT_FALSE(m().Saved());

    // A click on the cell does not open the list; a click on its button does.
    click(0, 0, {5, 5});
    click(0, 1, {5, 5});
    EXPECT_FALSE(input().dropListShown());
    click(0, 1, {80 - 7, 9});
    EXPECT_TRUE(input().dropListOpen());
    // A member that commits writes the highlighted item and closes the list.
    list->setCurrentIndex(2);
    EXPECT_EQ(value(1, 2), QStringLiteral("丙"));
    EXPECT_FALSE(input().dropListShown());
}

TEST_F(InPlaceInput, DateEditorOkCancelClearAndEnter)
{
    ASSERT_EQ(o->SetDateTimeCell(1, 3), S_OK);
    ASSERT_EQ(o->SetCellValue(1, 3, QStringLiteral("2020-01-01")), S_OK);
    QDateEdit *picker = input().datePicker();
    auto button = [&](const char *name) { return c().findChild<QPushButton *>(QString::fromLatin1(name)); };
    auto open = [&] {
        select(1, 1);
        select(1, 3);
        m().setSaved(true);
        ASSERT_TRUE(input().dateEditorShown());
        EXPECT_TRUE(c().report().editing());
        // Today, whatever the caption says.
        EXPECT_EQ(picker->date(), QDate::currentDate());
        picker->setDate(QDate(2024, 5, 6));
    };

    open();
    button("pnl_datetimecancel")->click();
    EXPECT_FALSE(input().dateEditorShown());
    EXPECT_FALSE(c().report().editing());
    EXPECT_EQ(value(1, 3), QStringLiteral("2020-01-01"));
    EXPECT_TRUE(m().Saved());

    open();
    button("pnl_datetimeok")->click();
    EXPECT_FALSE(input().dateEditorShown());
    EXPECT_EQ(value(1, 3), QStringLiteral("2024-05-06"));
    EXPECT_FALSE(m().Saved());

    open();
    button("pnl_datetimeclear")->click();
    EXPECT_EQ(value(1, 3), QString());
    EXPECT_FALSE(m().Saved());

    // With a date pattern the picked day is written by it; Enter acts as OK and moves on.
    ASSERT_EQ(o->SetCellFormat(1, 3, 6, QStringLiteral("yyyy年m月d日")), S_OK);
    open();
    sink.log.clear();
    enter();
    EXPECT_EQ(value(1, 3), QStringLiteral("2024年5月6日"));
    EXPECT_EQ(sink.log.front(), QStringLiteral("changing 1,3=2024年5月6日"));
    EXPECT_FALSE(input().dateEditorShown());
    EXPECT_EQ(c().report().inputCol(), 1);
}

TEST_F(InPlaceInput, DateEditorOkOnAnUnreadableCaptionReportsAndStaysOpen)
{
    ASSERT_EQ(o->SetDateTimeCell(1, 1), S_OK);
    c().report().setCellCaption(0, 0, QStringLiteral("garbage"));
    select(1, 1);
    ASSERT_TRUE(input().dateEditorShown());
    c().findChild<QPushButton *>(QStringLiteral("pnl_datetimeok"))->click();
    ASSERT_EQ(sink.log.size(), 1u);
    EXPECT_TRUE(sink.log[0].startsWith(QStringLiteral("error 控件错误，"))) << sink.log[0].toStdString();
    EXPECT_TRUE(input().dateEditorShown());
    EXPECT_EQ(c().report().cell(0, 0)->caption(), QStringLiteral("garbage"));
}

TEST(DateEditorCaption, PickedDayByPatternOrShortFormat)
{
    const SystemDateFormat &sys = systemDateFormat();
    const CalendarDate d{2024, 5, 6};
    const QString shortText = dateEditorCaption(0, QString(), QString(), d, sys).value();
    // Unchanged day in another spelling: nothing to write.
    EXPECT_EQ(dateEditorCaption(0, QString(), QStringLiteral("2024-5-6"), d, sys), std::nullopt);
    EXPECT_EQ(dateEditorCaption(0, QString(), QStringLiteral("2024-5-7"), d, sys), shortText);
    EXPECT_EQ(dateEditorCaption(6, QStringLiteral("yyyy.mm.dd"), QString(), d, sys),
              QStringLiteral("2024.05.06"));
    EXPECT_EQ(dateEditorCaption(6, QStringLiteral("yyyy.mm.dd"), QStringLiteral("2024.05.06"), d, sys),
              std::nullopt);
    // With a pattern the caption is never read, so it need not be a date.
    EXPECT_EQ(dateEditorCaption(6, QStringLiteral("yyyy"), QStringLiteral("x"), d, sys),
              QStringLiteral("2024"));
    EXPECT_THROW(dateEditorCaption(0, QString(), QStringLiteral("x"), d, sys), ReportError);
}

TEST_F(InPlaceInput, CellWidgetsTakeClicksAndSpace)
{
    ASSERT_EQ(o->SetCheckCell(1, 4, QStringLiteral("ok")), S_OK);
    ASSERT_EQ(o->SetButtonCell(2, 4, QStringLiteral("Go"), QStringLiteral("1;x")), S_OK);
    m().setSaved(true);
    sink.log.clear();
    click(0, 3, {7, 9}); // on the check box glyph
    EXPECT_EQ(value(1, 4), QStringLiteral("1"));
    EXPECT_FALSE(m().Saved());
    // Space on the input cell flips it back.
    key(Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(value(1, 4), QStringLiteral("0"));
    // A press that leaves the box before the release is no click.
    mouse(QEvent::MouseButtonPress, 0, 3, {7, 9});
    mouse(QEvent::MouseButtonRelease, 1, 3, {7, 9});
    EXPECT_EQ(value(1, 4), QStringLiteral("0"));
    // A read-only box keeps its state.
    ASSERT_EQ(o->SetCellReadOnly(1, 4, true), S_OK);
    click(0, 3, {7, 9});
    EXPECT_EQ(value(1, 4), QStringLiteral("0"));

    click(1, 3, {40, 9});
    EXPECT_EQ(sink.count("OnButtonClick"), 1);
}

} // namespace

TEST_F(InPlaceInput, ChangingHowTheInputCellIsEditedSetsItsEditorUpAgain)
{
    // Lower case while the cell is the input cell...
    ASSERT_EQ(o->SetCellFormat(1, 1, 0, QStringLiteral("1")), S_OK);
    select(1, 1);
    type(QStringLiteral("Ab"));
    EXPECT_EQ(edit()->text(), QStringLiteral("ab"));
    enter();
    EXPECT_EQ(value(1, 1), QStringLiteral("ab"));
    // ...then plain text again: typing keeps its case without the cell
    // having to be left and entered again.
    select(1, 1);
    ASSERT_EQ(o->SetCellFormat(1, 1, 0, QString()), S_OK);
    type(QStringLiteral("Ab"));
    EXPECT_EQ(edit()->text(), QStringLiteral("Ab"));
    enter();
    EXPECT_EQ(value(1, 1), QStringLiteral("Ab"));
}
