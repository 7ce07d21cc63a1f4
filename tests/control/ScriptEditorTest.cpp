#include "../print/DialogTestSupport.h"
#include "ControlFixture.h"
#include "control/CellvexControl.h"
#include "control/ReportActions.h"
#include "control/input/InPlaceEditor.h"
#include "platform/FileShell.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextCursor>

#include <memory>
#include <stdexcept>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

const std::string_view kFollowed[] = {"OnError", "OnCellChanged"};
const QString kNoError = QStringLiteral("错误信息: ");

QPlainTextEdit *editor(QDialog &d)
{
    return child<QPlainTextEdit>(d, "ret_script");
}
QComboBox *languageList(QDialog &d)
{
    return child<QComboBox>(d, "cbb_script");
}
QString labelText(QDialog &d, const char *name)
{
    return child<QLabel>(d, name)->text();
}
void press(QDialog &d, const char *name)
{
    child<QPushButton>(d, name)->click();
}
// Writes the text (lines separated by "\n"), chooses the language and presses Execute.
QString execute(QDialog &d, const QString &language, const QString &text)
{
    languageList(d)->setCurrentText(language);
    editor(d)->setPlainText(text);
    press(d, "btn_execute");
    return labelText(d, "lbl_error");
}

// A control on a fresh 6 × 30 report whose dialogs go to `runner`, with
// cell (1, 1) the input cell and Saved true.
struct ScriptEditor : ::testing::Test, test::ControlFixture
{
    ScriptEditor() : ControlFixture(kFollowed)
    {
        c().setDialogRunner(runner);
        select(1, 1);
        EXPECT_EQ(o->put_Saved(true), S_OK);
    }
    void script(int col, int row, const QString &language, const QString &text)
    {
        ASSERT_EQ(o->SetCellScript(false, col, row, language, text), S_OK);
    }
    QString scriptOf(int col, int row)
    {
        QString type, text;
        EXPECT_EQ(o->GetCellScript(false, col, row, &type, &text), S_OK);
        return type + "|" + text;
    }
    QString initScript()
    {
        QString type, text;
        EXPECT_EQ(o->GetCellScript(true, 0, 0, &type, &text), S_OK);
        return type + "|" + text;
    }
    QStringList errors()
    {
        QStringList out;
        for (const QString &line : sink.log)
            if (line.startsWith(QStringLiteral("error ")))
                out << line.mid(6);
        return out;
    }

    std::shared_ptr<ScriptedRunner> runner = std::make_shared<ScriptedRunner>();
};

// --- what the dialog is and shows ------------------------------------------------------

TEST_F(ScriptEditor, TheDialogHasItsControlsAndTexts)
{
    runner->onDialog = [](QDialog &d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("EditScriptFrm"));
        EXPECT_EQ(d.windowTitle(), QStringLiteral("脚本"));
        EXPECT_EQ(d.size(), QSize(486, 382));
        EXPECT_EQ(d.font().family(), QStringLiteral("宋体"));
        EXPECT_EQ(d.font().pixelSize(), 12);
        EXPECT_EQ(editor(d)->size(), QSize(471, 259));
        EXPECT_EQ(editor(d)->lineWrapMode(), QPlainTextEdit::NoWrap);
        EXPECT_FALSE(editor(d)->tabChangesFocus());
        QComboBox *list = languageList(d);
        EXPECT_EQ(list->width(), 180);
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(list->itemText(0), QStringLiteral("VBSCRIPT"));
        EXPECT_EQ(list->itemText(1), QStringLiteral("JAVASCRIPT"));
        // The list is at the top right, the buttons along the bottom.
        EXPECT_GT(list->geometry().left(), d.width() / 2);
        EXPECT_LT(list->geometry().bottom(), editor(d)->geometry().top());
        EXPECT_GT(child<QPushButton>(d, "btn_execute")->geometry().top(), editor(d)->geometry().bottom());
        const struct
        {
            const char *name;
            QString text;
        } texts[] = {
            {"btn_execute", "执行代码"}, {"btn_ok", "确定"}, {"btn_cancel", "取消"},
            {"lbl_label1", "第"},        {"lbl_rows", "1"},  {"lbl_label2", "行"},
            {"lbl_label3", "第"},        {"lbl_cols", "1"},  {"lbl_label4", "列"},
            {"lbl_error", "错误信息: "},
        };
        for (const auto &t : texts) {
            const QWidget *w = d.findChild<QWidget *>(QString::fromLatin1(t.name));
            if (!w) {
                ADD_FAILURE() << "no " << t.name;
                continue;
            }
            const QString shown = qobject_cast<const QLabel *>(w)
                                      ? qobject_cast<const QLabel *>(w)->text()
                                      : qobject_cast<const QPushButton *>(w)->text();
            EXPECT_EQ(shown, t.text) << t.name;
        }
        // Shown, the editor has the focus.
        d.show();
        EXPECT_EQ(d.focusWidget(), editor(d));
        d.hide();
        return int(QDialog::Rejected);
    };
    ASSERT_EQ(o->EditCellScript(), S_OK);
    EXPECT_EQ(runner->shown, QStringList{"EditScriptFrm"});
}

TEST_F(ScriptEditor, OpensOnTheInputCellsScript)
{
    const struct
    {
        QString type, text;    // stored in the input cell
        QString shownLanguage; // the list's text
        QString shownText;     // the editor's
    } cases[] = {
        {"", "", "VBSCRIPT", ""},
        {"VBSCRIPT", "x = 1\r\ny = 2", "VBSCRIPT", "x = 1\ny = 2"},
        {"javascript", "var a = 1;", "JAVASCRIPT", "var a = 1;"},
        // A language the engines know but the list lacks is kept, not lost on OK.
        {"JScript", "a = 2;", "JScript", "a = 2;"},
        // A text without a language is shown, so that OK does not drop it unseen.
        {"", "orphan", "VBSCRIPT", "orphan"},
    };
    for (const auto &k : cases) {
        script(1, 1, k.type, k.text);
        QString language, text;
        runner->onDialog = [&](QDialog &d) {
            language = languageList(d)->currentText();
            text = editor(d)->toPlainText();
            return int(QDialog::Rejected);
        };
        ASSERT_EQ(o->EditCellScript(), S_OK);
        EXPECT_EQ(language, k.shownLanguage) << qPrintable(k.type);
        EXPECT_EQ(text, k.shownText) << qPrintable(k.type);
    }
    // The input cell, not the first of the selection, is the one shown.
    script(2, 2, "JAVASCRIPT", "second");
    select(1, 1, 3, 3);
    c().report().setInputCell(1, 1); // as a drag that started in (2, 2) leaves it
    QString text;
    runner->onDialog = [&](QDialog &d) {
        text = editor(d)->toPlainText();
        return int(QDialog::Rejected);
    };
    ASSERT_EQ(o->EditCellScript(), S_OK);
    EXPECT_EQ(text, QStringLiteral("second"));
}

TEST_F(ScriptEditor, WithoutASelectionNothingOpens)
{
    ASSERT_EQ(o->NewReport(3, 3), S_OK);
    ASSERT_FALSE(c().report().hasSelection());
    ASSERT_EQ(o->put_Saved(true), S_OK);
    ASSERT_EQ(o->EditCellScript(), S_OK);
    EXPECT_TRUE(runner->shown.isEmpty());
    EXPECT_TRUE(saved());
}

// --- what OK and Cancel leave ----------------------------------------------------------

TEST_F(ScriptEditor, OkStoresTheTextInEverySelectedCellAndCancelStoresNothing)
{
    const struct
    {
        const char *what;
        bool ok;
        QString language, text; // chosen and typed ("\n" between lines)
        QString stored;         // in each selected cell afterwards, type|text
        bool savedAfter;
    } cases[] = {
        {"changed text and language", true, "JAVASCRIPT", "x = 2;\ny = 3;", "JAVASCRIPT|x = 2;\r\ny = 3;",
         false},
        {"text kept untrimmed", true, "VBSCRIPT", "  x = 1\n", "VBSCRIPT|  x = 1\r\n", false},
        {"only blanks and line breaks clear it", true, "JAVASCRIPT", " \n\t\n  ", "|", false},
        {"cancel", false, "JAVASCRIPT", "x = 9", "VBSCRIPT|old", true},
    };
    for (const auto &k : cases) {
        for (int col = 1; col <= 4; ++col)
            script(col, 1, "VBSCRIPT", "old");
        select(1, 1, 3, 1);
        ASSERT_EQ(o->put_Saved(true), S_OK);
        runner->onDialog = [&](QDialog &d) {
            languageList(d)->setCurrentText(k.language);
            editor(d)->setPlainText(k.text);
            press(d, k.ok ? "btn_ok" : "btn_cancel");
            return d.result();
        };
        ASSERT_EQ(o->EditCellScript(), S_OK) << k.what;
        for (int col = 1; col <= 3; ++col)
            EXPECT_EQ(scriptOf(col, 1), k.stored) << k.what << " column " << col;
        EXPECT_EQ(scriptOf(4, 1), QStringLiteral("VBSCRIPT|old")) << k.what; // outside the selection
        EXPECT_EQ(saved(), k.savedAfter) << k.what;
    }
}

TEST_F(ScriptEditor, InitScriptIsEditedLikeACellsScript)
{
    ASSERT_EQ(o->SetCellScript(true, 0, 0, QStringLiteral("javascript"), QStringLiteral("a = 1;\r\nb = 2;")),
              S_OK);
    ASSERT_EQ(o->put_Saved(true), S_OK);
    QString language, text;
    runner->onDialog = [&](QDialog &d) {
        language = languageList(d)->currentText();
        text = editor(d)->toPlainText();
        // A test run that changes nothing, then Cancel: nothing at all changes.
        EXPECT_EQ(execute(d, QStringLiteral("VBSCRIPT"), QStringLiteral("x = 1")), kNoError);
        press(d, "btn_cancel");
        return d.result();
    };
    ASSERT_EQ(o->EditInitScript(), S_OK);
    EXPECT_EQ(language, QStringLiteral("JAVASCRIPT"));
    EXPECT_EQ(text, QStringLiteral("a = 1;\nb = 2;"));
    EXPECT_EQ(initScript(), QStringLiteral("javascript|a = 1;\r\nb = 2;"));
    EXPECT_TRUE(saved());
    // No cell script was touched either.
    EXPECT_EQ(scriptOf(1, 1), QStringLiteral("|"));

    runner->onDialog = [](QDialog &d) {
        languageList(d)->setCurrentText(QStringLiteral("VBSCRIPT"));
        editor(d)->setPlainText(QStringLiteral("y = 2\nz = 3"));
        return pressOk(d);
    };
    ASSERT_EQ(o->EditInitScript(), S_OK);
    EXPECT_EQ(initScript(), QStringLiteral("VBSCRIPT|y = 2\r\nz = 3"));
    EXPECT_FALSE(saved());

    ASSERT_EQ(o->put_Saved(true), S_OK);
    runner->onDialog = [](QDialog &d) {
        editor(d)->setPlainText(QStringLiteral("\n  \n"));
        return pressOk(d);
    };
    ASSERT_EQ(o->EditInitScript(), S_OK);
    EXPECT_EQ(initScript(), QStringLiteral("|"));
    EXPECT_FALSE(saved());
}

TEST_F(ScriptEditor, OnlyOneEditorOpensAtATime)
{
    HResult inner = S_OK, innerInit = S_OK;
    runner->onDialog = [&](QDialog &d) {
        inner = o->EditCellScript();
        innerInit = o->EditInitScript();
        editor(d)->setPlainText(QStringLiteral("x = 1"));
        return pressOk(d);
    };
    ASSERT_EQ(o->EditCellScript(), S_OK);
    EXPECT_NE(inner, S_OK);
    EXPECT_NE(innerInit, S_OK);
    EXPECT_EQ(runner->shown, QStringList{"EditScriptFrm"});
    EXPECT_EQ(scriptOf(1, 1), QStringLiteral("VBSCRIPT|x = 1"));
    // Closed, the editor opens again.
    runner->onDialog = nullptr;
    EXPECT_EQ(o->EditCellScript(), S_OK);
    EXPECT_EQ(runner->shown.size(), 2);
}

TEST_F(ScriptEditor, AReportReplacedWhileTheEditorIsOpenGetsNoScript)
{
    for (const bool init : {false, true}) {
        runner->onDialog = [&](QDialog &d) {
            // As a host handler of a test run's event might.
            EXPECT_EQ(o->NewReport(6, 30), S_OK);
            EXPECT_EQ(o->SetSelectedCell(1, 1, 1, 1), S_OK);
            editor(d)->setPlainText(QStringLiteral("x = 1"));
            return pressOk(d);
        };
        const HResult hr = init ? o->EditInitScript() : o->EditCellScript();
        EXPECT_NE(hr, S_OK) << init;
        EXPECT_EQ(scriptOf(1, 1), QStringLiteral("|")) << init;
        EXPECT_EQ(initScript(), QStringLiteral("|")) << init;
    }
}

// --- test runs -------------------------------------------------------------------------

TEST_F(ScriptEditor, ExecuteRunsTheTextWithCellScriptsOff)
{
    // Cell (2, 1)'s own script would write (3, 1) if it ran.
    script(2, 1, "VBSCRIPT", "setcell 3, 1, 99");
    script(1, 1, "VBSCRIPT", "stored text");
    ASSERT_EQ(o->put_Saved(true), S_OK);
    sink.log.clear();
    bool offDuringRun = true;
    sink.changing = [&](QString *) { offDuringRun = offDuringRun && !c().actions().scriptsEnabled(); };
    runner->onDialog = [&](QDialog &d) {
        // getcol() and getrow() name the cell whose script is edited.
        EXPECT_EQ(execute(d, QStringLiteral("VBSCRIPT"), QStringLiteral("setcell 2, 1, 6*7 + getrow()")),
                  kNoError);
        // The live report changed at once.
        EXPECT_EQ(value(2, 1), QStringLiteral("43"));
        EXPECT_TRUE(c().actions().scriptsEnabled());
        press(d, "btn_cancel");
        return d.result();
    };
    ASSERT_EQ(o->EditCellScript(), S_OK);
    EXPECT_TRUE(offDuringRun);
    EXPECT_EQ(value(3, 1), QString());            // the changed cell's script did not run
    EXPECT_EQ(value(2, 1), QStringLiteral("43")); // Cancel keeps what the run did
    EXPECT_FALSE(saved());
    EXPECT_EQ(scriptOf(1, 1), QStringLiteral("VBSCRIPT|stored text"));
    EXPECT_EQ(sink.log, (std::vector<QString>{"changed 2,1=43"}));
    // With scripts on again, a change runs cell scripts as before.
    ASSERT_EQ(o->SetCellValue(2, 1, QStringLiteral("1")), S_OK);
    EXPECT_EQ(value(3, 1), QStringLiteral("99"));
}

TEST_F(ScriptEditor, ExecuteShowsErrorsInTheDialogAndRaisesNoEvent)
{
    const struct
    {
        QString language, text;
        QString shown; // lbl_error starts with it
    } cases[] = {
        {"VBSCRIPT", "setcell 1, 1", "错误信息: 第1行文本SetCell语句缺少“,”"},
        {"JAVASCRIPT", "setcell(1,1,5", "错误信息: 第1行文本SetCell语句缺少“);”"},
        {"VBSCRIPT", "x = 1\nif then", "错误信息: 第2行第"},
        // The line is the source's: the SetCell's inserted lines are not counted.
        {"JAVASCRIPT", "setcell(1, 1, 5);\nvar a = 1;\nnoSuchFunction();", "错误信息: 第3行第"},
    };
    for (const auto &k : cases) {
        QString shown, afterCleanRun;
        sink.log.clear();
        runner->onDialog = [&](QDialog &d) {
            shown = execute(d, k.language, k.text);
            EXPECT_TRUE(c().actions().scriptsEnabled()) << qPrintable(k.text);
            // The dialog stays open; a clean run clears the message.
            afterCleanRun = execute(d, QStringLiteral("VBSCRIPT"), QStringLiteral("x = 1"));
            press(d, "btn_cancel");
            return d.result();
        };
        ASSERT_EQ(o->EditCellScript(), S_OK) << qPrintable(k.text);
        EXPECT_TRUE(shown.startsWith(k.shown)) << qPrintable(shown);
        EXPECT_EQ(afterCleanRun, kNoError);
        EXPECT_TRUE(errors().isEmpty()) << qPrintable(errors().join('\n'));
        EXPECT_EQ(value(1, 1), QString()) << qPrintable(k.text); // a failed run carries nothing out
    }
    // An engine error names the line, the column and the engine's text.
    QString shown;
    runner->onDialog = [&](QDialog &d) {
        shown = execute(d, QStringLiteral("VBSCRIPT"), QStringLiteral("x = 1\nif then"));
        return int(QDialog::Rejected);
    };
    ASSERT_EQ(o->EditCellScript(), S_OK);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^错误信息: 第2行第\\d+列文本 \\S")).match(shown).hasMatch())
        << qPrintable(shown);
}

// Stands for a desktop that fails: the run throws from the middle of its requests.
struct FailingShell : FileShell
{
    void run(Verb, const QString &, int) override { throw std::runtime_error("shell down"); }
};

TEST_F(ScriptEditor, ARunThatThrowsIsShownAndTurnsScriptsBackOn)
{
    c().actions().setFileShell(std::make_shared<FailingShell>());
    ASSERT_EQ(o->SetButtonCell(3, 1, QStringLiteral("b"), QStringLiteral("5;0;x.txt;0")), S_OK);
    QString shown;
    bool enabledAfter = false;
    runner->onDialog = [&](QDialog &d) {
        shown = execute(d, QStringLiteral("VBSCRIPT"), QStringLiteral("executebutton 3, 1"));
        enabledAfter = c().actions().scriptsEnabled();
        editor(d)->setPlainText(QStringLiteral("kept"));
        return pressOk(d);
    };
    ASSERT_EQ(o->EditCellScript(), S_OK);
    EXPECT_EQ(shown, QStringLiteral("错误信息: shell down"));
    EXPECT_TRUE(enabledAfter);
    EXPECT_EQ(scriptOf(1, 1), QStringLiteral("VBSCRIPT|kept"));
}

TEST_F(ScriptEditor, AnInitScriptTestRunStandsAtNoCell)
{
    select(3, 4);
    runner->onDialog = [&](QDialog &d) {
        execute(d, QStringLiteral("VBSCRIPT"), QStringLiteral("setcell 1, 1, getcol() * 10 + getrow()"));
        return int(QDialog::Rejected);
    };
    ASSERT_EQ(o->EditInitScript(), S_OK);
    EXPECT_EQ(value(1, 1), QStringLiteral("0"));
    EXPECT_EQ(initScript(), QStringLiteral("|"));
}

// --- the caret display -----------------------------------------------------------------

TEST_F(ScriptEditor, TheCaretsLineAndColumnFollowTheEndOfTheSelection)
{
    const struct
    {
        QString text;
        int anchor, position;
        QString line, column;
    } cases[] = {
        {"", 0, 0, "1", "1"},           {"abc", 3, 3, "1", "4"},
        {"ab\ncd", 4, 4, "2", "2"},     {"ab\ncd", 5, 1, "2", "3"}, // selected backwards: the end counts
        {"ab\ncd", 1, 4, "2", "2"},     {"abc\n", 4, 4, "2", "1"},  // after the last line break
        {"\tx\n\n\ty", 6, 6, "3", "3"},
    };
    for (const auto &k : cases) {
        QString line, column;
        runner->onDialog = [&](QDialog &d) {
            QPlainTextEdit *e = editor(d);
            e->setPlainText(k.text);
            QTextCursor cursor(e->document());
            cursor.setPosition(k.anchor);
            cursor.setPosition(k.position, QTextCursor::KeepAnchor);
            e->setTextCursor(cursor);
            line = labelText(d, "lbl_rows");
            column = labelText(d, "lbl_cols");
            return int(QDialog::Rejected);
        };
        ASSERT_EQ(o->EditCellScript(), S_OK);
        EXPECT_EQ(line + "," + column, k.line + "," + k.column)
            << qPrintable(k.text) << " " << k.anchor << "-" << k.position;
    }
}

// --- in-place input ------------------------------------------------------------------------

TEST_F(ScriptEditor, OnlyTheInitScriptEditorFinishesInPlaceInput)
{
    show();
    QApplication::setActiveWindow(&c());
    for (const bool init : {false, true}) {
        const int row = init ? 3 : 2;
        select(1, row);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
        QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &c(), &key);
        ASSERT_TRUE(c().report().editing());
        runner->onDialog = nullptr;
        ASSERT_EQ(init ? o->EditInitScript() : o->EditCellScript(), S_OK);
        EXPECT_EQ(c().report().editing(), !init) << init;
        EXPECT_EQ(c().report().cell(0, row - 1)->caption(), init ? QStringLiteral("7") : QString()) << init;
    }
}

} // namespace
