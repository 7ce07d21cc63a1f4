#include "control/dialogs/LineNumberArea.h"
#include "control/dialogs/ScriptEditorDialog.h"
#include "control/dialogs/ScriptHighlighter.h"
#include "control/dialogs/ScriptTextEdit.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <optional>

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

// The colouring role the highlighter gave the stretch [start, start + length)
// of a line, when one format covers exactly that stretch; none otherwise.
std::optional<ScriptTokenRole> roleOf(const QTextBlock &block, int start, int length)
{
    for (const QTextLayout::FormatRange &r : block.layout()->formats()) {
        if (r.start != start || r.length != length)
            continue;
        for (const ScriptTokenRole role :
             {ScriptTokenRole::Keyword, ScriptTokenRole::Command, ScriptTokenRole::String,
              ScriptTokenRole::Comment, ScriptTokenRole::Number})
            if (r.format == ScriptHighlighter::formatOf(role))
                return role;
    }
    return std::nullopt;
}

bool uncoloured(const QTextBlock &block, int position)
{
    for (const QTextLayout::FormatRange &r : block.layout()->formats())
        if (position >= r.start && position < r.start + r.length)
            return false;
    return true;
}

const char *nameOf(ScriptSyntax s)
{
    return s == ScriptSyntax::JavaScript ? "JavaScript" : "VBScript";
}

} // namespace

TEST(ScriptHighlighting, ColoursKeywordsStringsCommentsAndNumbersOfEachLanguage)
{
    using R = ScriptTokenRole;
    const ScriptSyntax js = ScriptSyntax::JavaScript, vbs = ScriptSyntax::VbScript;
    const struct
    {
        ScriptSyntax syntax;
        QString text;  // lines separated by "\n"
        int line;      // 0-based
        QString piece; // the first occurrence in that line
        std::optional<R> role;
    } cases[] = {
        {js, "var s = 'it''s'; // note", 0, "var", R::Keyword},
        {js, "var s = \"a\\\"b\"; // x", 0, "\"a\\\"b\"", R::String},
        {js, "var s = 'x'; // 'not a string'", 0, "// 'not a string'", R::Comment},
        {js, "x = 42 + 1.5e-3;", 0, "42", R::Number},
        {js, "x = 42 + 1.5e-3;", 0, "1.5e-3", R::Number},
        {js, "x = 0xFF;", 0, "0xFF", R::Number},
        {js, "If (x) Var = 1;", 0, "If", std::nullopt}, // JavaScript words have one case
        {js, "setcell(1, 1, getcell(2, 1, 1));", 0, "setcell", R::Command},
        {js, "a = \"// no comment\";", 0, "\"// no comment\"", R::String},
        {js, "x = 1; /* one\nvar two */ var three;", 1, "var two */", R::Comment},
        {js, "x = 1; /* one\nvar two */ var three;", 1, "var", R::Comment},
        {js, "x = 1; /* one\nvar two */ var three;", 1, "three", std::nullopt},
        {js, "x = 1; /* one */ var three;", 0, "/* one */", R::Comment},
        {js, "var item2 = 3;", 0, "item2", std::nullopt}, // digits inside names are no numbers
        {vbs, "Dim s : s = \"say \"\"hi\"\"\" ' note", 0, "Dim", R::Keyword},
        {vbs, "Dim s : s = \"say \"\"hi\"\"\" ' note", 0, "\"say \"\"hi\"\"\"", R::String},
        {vbs, "Dim s : s = \"say \"\"hi\"\"\" ' note", 0, "' note", R::Comment},
        {vbs, "IF x THEN y = 1 END IF", 0, "IF", R::Keyword},
        {vbs, "IF x THEN y = 1 END IF", 0, "THEN", R::Keyword},
        {vbs, "x = 1\nREM all of this", 1, "REM all of this", R::Comment},
        {vbs, "x = 1 : rem after a statement", 0, "rem after a statement", R::Comment},
        {vbs, "remainder = 1", 0, "remainder", std::nullopt},
        {vbs, "s = \"it's\"", 0, "\"it's\"", R::String},
        {vbs, "x = &H1F + 7", 0, "&H1F", R::Number},
        {vbs, "x = &H1F + 7", 0, "7", R::Number},
        {vbs, "SetCell 1, 1, GetCol()", 0, "SetCell", R::Command},
        {vbs, "SetCell 1, 1, GetCol()", 0, "GetCol", R::Command},
        // VBScript has no block comments: the next line is code again.
        {vbs, "x = 1 ' /* not\nDim y", 1, "Dim", R::Keyword},
    };
    for (const auto &k : cases) {
        // In the editor it serves: a document that is laid out.
        ScriptTextEdit edit;
        ScriptHighlighter highlighter(edit.document(), k.syntax);
        edit.setPlainText(k.text);
        const QTextBlock block = edit.document()->findBlockByNumber(k.line);
        const int start = int(block.text().indexOf(k.piece));
        ASSERT_GE(start, 0) << qPrintable(k.piece);
        const auto shown = roleOf(block, start, int(k.piece.size()));
        if (k.role == R::Comment && !shown) {
            // A comment from an earlier line may run on past the piece.
            EXPECT_FALSE(uncoloured(block, start)) << nameOf(k.syntax) << ": " << qPrintable(k.text);
            continue;
        }
        if (k.role)
            EXPECT_EQ(shown, k.role) << nameOf(k.syntax) << ": " << qPrintable(k.text) << " / "
                                     << qPrintable(k.piece);
        else
            EXPECT_TRUE(uncoloured(block, start)) << nameOf(k.syntax) << ": " << qPrintable(k.piece);
    }
}

TEST(ScriptHighlighting, ChoosingTheOtherLanguageColoursTheTextAgain)
{
    ScriptEditorDialog dialog(nullptr);
    dialog.load(QStringLiteral("VBSCRIPT"), QStringLiteral("x = 'quoted' + 1"));
    auto *text = dialog.findChild<QPlainTextEdit *>(QStringLiteral("ret_script"));
    auto *list = dialog.findChild<QComboBox *>(QStringLiteral("cbb_script"));
    ASSERT_TRUE(text && list);
    const QTextBlock block = text->document()->firstBlock();
    EXPECT_EQ(roleOf(block, 4, 12), ScriptTokenRole::Comment);
    dialog.show();
    list->setFocus();
    list->setCurrentText(QStringLiteral("JAVASCRIPT"));
    EXPECT_EQ(roleOf(block, 4, 8), ScriptTokenRole::String);
    EXPECT_EQ(roleOf(block, 15, 1), ScriptTokenRole::Number);
    // Choosing a language puts the focus back into the text.
    EXPECT_EQ(dialog.focusWidget(), text);
}

TEST(ScriptHighlighting, EveryLanguageButJavaScriptReadsAsVbScript)
{
    const struct
    {
        const char *name;
        ScriptSyntax syntax;
    } cases[] = {
        {"JAVASCRIPT", ScriptSyntax::JavaScript},
        {"javascript", ScriptSyntax::JavaScript},
        {"JScript", ScriptSyntax::JavaScript},
        {"VBSCRIPT", ScriptSyntax::VbScript},
        {"", ScriptSyntax::VbScript},
        {"Cobol", ScriptSyntax::VbScript},
    };
    for (const auto &k : cases)
        EXPECT_EQ(scriptSyntaxOf(QString::fromLatin1(k.name)), k.syntax) << k.name;
}

TEST(ScriptLineNumbers, TheStripWidensWithTheDigitsOfTheLineCountAndNarrowsAgain)
{
    ScriptTextEdit edit;
    edit.resize(471, 259);
    edit.show();
    auto lines = [](int n) {
        QStringList l;
        for (int i = 0; i < n; ++i)
            l << QStringLiteral("x = %1").arg(i);
        return l.join(QLatin1Char('\n'));
    };
    // The strip stands left of the text, as wide as the numbers need.
    auto stripWidth = [&] {
        EXPECT_EQ(edit.lineNumberArea()->width(), edit.lineNumberAreaWidth());
        EXPECT_EQ(edit.viewport()->geometry().left() - edit.contentsRect().left(),
                  edit.lineNumberAreaWidth());
        return edit.lineNumberArea()->width();
    };
    edit.setPlainText(lines(1));
    const int one = stripWidth();
    edit.setPlainText(lines(9));
    EXPECT_EQ(stripWidth(), one);
    edit.setPlainText(lines(10));
    const int two = stripWidth();
    edit.setPlainText(lines(1000));
    const int four = stripWidth();
    EXPECT_GT(two, one);
    EXPECT_GT(four, two);
    const int digit = edit.fontMetrics().horizontalAdvance(QLatin1Char('9'));
    EXPECT_EQ(four - one, 3 * digit);
    edit.setPlainText(lines(5));
    EXPECT_EQ(stripWidth(), one);
}
