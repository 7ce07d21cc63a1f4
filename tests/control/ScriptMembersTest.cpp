#include "ControlFixture.h"

#include <gtest/gtest.h>

#include <functional>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

const std::string_view kFollowed[] = {"OnError", "OnCellChanged"};

struct ScriptMembers : ::testing::Test, test::ControlFixture
{
    ScriptMembers() : ControlFixture(kFollowed) {}
    void script(int col, int row, const char *language, const char *text)
    {
        ASSERT_EQ(o->SetCellScript(false, col, row, QString::fromLatin1(language), QString::fromUtf8(text)),
                  S_OK);
    }
    std::vector<QString> errors()
    {
        std::vector<QString> out;
        for (const QString &line : sink.log)
            if (line.startsWith(QStringLiteral("error ")))
                out.push_back(line.mid(6));
        return out;
    }
};

} // namespace

TEST_F(ScriptMembers, ScriptsAreStoredAndReadBack)
{
    QString type, text;
    script(2, 3, "JAVASCRIPT", "a = 1;");
    EXPECT_FALSE(saved());
    ASSERT_EQ(o->GetCellScript(false, 2, 3, &type, &text), S_OK);
    EXPECT_EQ(type + "|" + text, QStringLiteral("JAVASCRIPT|a = 1;"));
    ASSERT_EQ(o->SetCellScript(true, 99, 99, QStringLiteral("VBSCRIPT"), QStringLiteral("x = 1")), S_OK);
    ASSERT_EQ(o->GetCellScript(true, 0, 0, &type, &text), S_OK);
    EXPECT_EQ(type + "|" + text, QStringLiteral("VBSCRIPT|x = 1"));
    ASSERT_EQ(o->GetCellScript(false, 99, 1, &type, &text), S_OK);
    EXPECT_EQ(type + text, QString());

    // By alias: set on the first carrier, read from the last.
    c().report().cell(0, 0)->storeAlias(QStringLiteral("Twin"));
    c().report().cell(1, 0)->storeAlias(QStringLiteral("Twin"));
    ASSERT_EQ(o->SetCellScriptByAlias(false, QStringLiteral("Twin"), QStringLiteral("JSCRIPT"),
                                      QStringLiteral("b")),
              S_OK);
    EXPECT_EQ(c().report().cell(0, 0)->scriptText(), QStringLiteral("b"));
    c().report().cell(1, 0)->setScriptText(QStringLiteral("last"));
    ASSERT_EQ(o->GetCellScriptByAlias(false, QStringLiteral("Twin"), &type, &text), S_OK);
    EXPECT_EQ(text, QStringLiteral("last"));

    // Saving and opening keeps cell scripts and the init script.
    QString stored;
    ASSERT_EQ(o->SaveString(&stored), S_OK);
    ASSERT_EQ(o->NewReport(2, 2), S_OK);
    ASSERT_EQ(o->OpenString(stored), S_OK);
    // (Stored texts come back with every line ended by CR LF.)
    ASSERT_EQ(o->GetCellScript(false, 2, 3, &type, &text), S_OK);
    EXPECT_EQ(text.trimmed(), QStringLiteral("a = 1;"));
    ASSERT_EQ(o->GetCellScript(true, 0, 0, &type, &text), S_OK);
    EXPECT_EQ(text.trimmed(), QStringLiteral("x = 1"));
}

TEST_F(ScriptMembers, AValueChangeRunsTheCellsScriptAfterTheEvent)
{
    script(2, 2, "JavaScript",
           "setcell(1, 1, getcell(2, 2, 1) * 2);\r\nif (false)\r\n{\r\nsetcell(3, 1, 9);\r\n}");
    sink.log.clear();
    ASSERT_EQ(o->SetCellValue(2, 2, QStringLiteral("21")), S_OK);
    EXPECT_EQ(value(1, 1), QStringLiteral("42"));
    EXPECT_EQ(value(3, 1), QString()); // the branch not taken delivers nothing
    EXPECT_EQ(sink.log, (std::vector<QString>{"changed 2,2=21", "changed 1,1=42"}));
    // The same value again changes nothing and runs nothing.
    sink.log.clear();
    ASSERT_EQ(o->SetCellValue(2, 2, QStringLiteral("21")), S_OK);
    EXPECT_TRUE(sink.log.empty());
}

TEST_F(ScriptMembers, AChangeRunsTheScriptWhateverBroughtItToTheCell)
{
    // Marks A1 when it runs, wherever its cell has gone.
    const char *marker = "setcell(1, 1, 42);";
    auto put = [&](int col, int row, const char *text) { script(col, row, "JavaScript", text); };
    QString stored;
    const struct
    {
        const char *how;
        std::function<void()> arrange;
        int col, row; // where the value is set
        bool runs;
    } cases[] = {
        {"set", [&] { put(2, 2, marker); }, 2, 2, true},
        {"set by alias",
         [&] {
             ASSERT_EQ(o->SetCellAlias(3, 4, QStringLiteral("Here")), S_OK);
             ASSERT_EQ(o->SetCellScriptByAlias(false, QStringLiteral("Here"), QStringLiteral("JavaScript"),
                                               QString::fromLatin1(marker)),
                       S_OK);
         },
         3, 4, true},
        {"cleared", [&] { put(2, 2, marker), put(2, 2, ""); }, 2, 2, false},
        {"saved and opened",
         [&] {
             put(2, 2, marker);
             ASSERT_EQ(o->SaveString(&stored), S_OK);
             ASSERT_EQ(o->NewReport(6, 6), S_OK);
             ASSERT_EQ(o->OpenString(stored), S_OK);
         },
         2, 2, true},
        {"opened over",
         [&] {
             ASSERT_EQ(o->SaveString(&stored), S_OK);
             put(2, 2, marker);
             ASSERT_EQ(o->OpenString(stored), S_OK);
         },
         2, 2, false},
        {"new report", [&] { put(2, 2, marker), o->NewReport(6, 6); }, 2, 2, false},
        {"copied and pasted",
         [&] {
             put(2, 2, marker);
             ASSERT_EQ(o->CopyCell(2, 2, 2, 2), S_OK);
             ASSERT_EQ(o->PasteCell(4, 5, false), S_OK);
         },
         4, 5, true},
        {"cut away", [&] { put(2, 2, marker), o->CutCell(2, 2, 2, 2); }, 2, 2, false},
        {"cut and pasted",
         [&] {
             put(2, 2, marker);
             ASSERT_EQ(o->CutCell(2, 2, 2, 2), S_OK);
             ASSERT_EQ(o->PasteCell(3, 3, false), S_OK);
         },
         3, 3, true},
        {"pasted over", [&] { put(4, 4, marker), o->CopyCell(5, 5, 5, 5), o->PasteCell(4, 4, false); }, 4, 4,
         false},
        {"moved down by rows", [&] { put(2, 2, marker), o->InsertRow(1, 2); }, 2, 4, true},
        {"moved right by a column", [&] { put(2, 2, marker), o->InsertCol(2, 1); }, 3, 2, true},
        {"moved up by a row", [&] { put(2, 3, marker), o->DeleteRow(1, 1); }, 2, 2, true},
        {"moved left by a column", [&] { put(3, 2, marker), o->DeleteCol(2, 2); }, 2, 2, true},
        {"left by a moved cell", [&] { put(2, 2, marker), o->InsertRow(2, 1); }, 2, 2, false},
        {"deleted", [&] { put(2, 2, marker), o->DeleteRow(2, 2); }, 2, 2, false},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.how);
        ASSERT_EQ(o->NewReport(6, 6), S_OK);
        k.arrange();
        sink.log.clear();
        ASSERT_EQ(o->SetCellValue(k.col, k.row, QStringLiteral("21")), S_OK);
        EXPECT_EQ(value(1, 1), k.runs ? QStringLiteral("42") : QString());
        const std::vector<QString> failures = errors();
        EXPECT_TRUE(failures.empty()) << failures.front().toStdString();
    }
}

TEST_F(ScriptMembers, ErrorsNameTheirPlace)
{
    // A preparation error: reported, the change stays, the call succeeds.
    script(2, 3, "JavaScript", "a = 1;\r\nsetcell(1, 1);");
    sink.log.clear();
    ASSERT_EQ(o->SetCellValue(2, 3, QStringLiteral("x")), S_OK);
    EXPECT_EQ(errors(),
              std::vector<QString>{QStringLiteral("脚本错误，第3行，第2列，第2行文本SetCell语句缺少“,”")});

    // A runtime error in line 3 of a script with a SetCell in line 1 is line 3.
    script(2, 3, "JavaScript", "setcell(1, 1, 5);\r\nvar a = 1;\r\nnoSuchFunction();");
    sink.log.clear();
    EXPECT_NE(o->SetCellValue(2, 3, QStringLiteral("y")), S_OK);
    const auto e = errors();
    ASSERT_EQ(e.size(), 1u);
    EXPECT_TRUE(e[0].startsWith(QStringLiteral("脚本错误，第3行，第"))) << qPrintable(e[0]);
    EXPECT_EQ(value(1, 1), QString()); // a failed run carries nothing out

    // An unknown language fails the same way.
    script(2, 3, "Cobol", "a");
    sink.log.clear();
    EXPECT_NE(o->SetCellValue(2, 3, QStringLiteral("z")), S_OK);
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_TRUE(errors()[0].contains(QStringLiteral("Cobol")));
}

TEST_F(ScriptMembers, ScriptsThatStartEachOtherStopAtTheChainLimit)
{
    script(1, 1, "JavaScript", "setcell(2, 1, getcell(1, 1, 1) + 1);");
    script(2, 1, "JavaScript", "setcell(1, 1, getcell(2, 1, 1) + 1);");
    sink.log.clear();
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("0")), S_OK);
    EXPECT_EQ(errors().size(), 1u);
    EXPECT_GT(value(1, 1).toInt(), 5);
}

TEST_F(ScriptMembers, ExplainRunsWhateverTheSettingAndTheInitScriptStandsAtMinusOne)
{
    script(3, 3, "JavaScript", "setcell(col, 1, getrow() * 10);");
    c().actions().setScriptsEnabled(false);
    ASSERT_EQ(o->put_Saved(true), S_OK);
    ASSERT_EQ(o->ExplainCellScript(3, 3), S_OK);
    EXPECT_EQ(value(3, 1), QStringLiteral("30"));
    EXPECT_FALSE(saved());
    // Value changes run nothing meanwhile.
    script(4, 4, "JavaScript", "setcell(4, 1, 1);");
    ASSERT_EQ(o->SetCellValue(4, 4, QStringLiteral("v")), S_OK);
    EXPECT_EQ(value(4, 1), QString());
    c().actions().setScriptsEnabled(true);
    // A preparation error of the init script says row -1, column -1.
    sink.log.clear();
    c().actions().runCellScriptOf(-1, -1, QStringLiteral("setcell 1"), QStringLiteral("VBSCRIPT"));
    EXPECT_EQ(errors(),
              std::vector<QString>{QStringLiteral("脚本错误，第-1行，第-1列，第1行文本SetCell语句缺少“,”")});
}

TEST_F(ScriptMembers, VBScriptCellScriptsRunTheSameWay)
{
    ASSERT_EQ(o->SetCellValue(2, 1, QStringLiteral("41")), S_OK);
    script(3, 3, "VBSCRIPT",
           "setcell 1, 1, 2*3\r\nsetcell 1, 2, getcell(2, 1, 0) + 1\r\nIf False Then\r\n  setcell 1, 3, "
           "9\r\nEnd If");
    ASSERT_EQ(o->ExplainCellScript(3, 3), S_OK);
    EXPECT_EQ(value(1, 1), QStringLiteral("6"));
    EXPECT_EQ(value(1, 2), QStringLiteral("42")); // "41" + 1 in VBScript
    EXPECT_EQ(value(1, 3), QString());
    // A runtime error names the source line, not the line run.
    script(3, 3, "VBScript", "setcell 1, 1, 7\r\nx = 1\r\ny = x / 0");
    sink.log.clear();
    EXPECT_NE(o->ExplainCellScript(3, 3), S_OK);
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_TRUE(errors()[0].startsWith(QStringLiteral("脚本错误，第3行，"))) << qPrintable(errors()[0]);
    EXPECT_EQ(value(1, 1), QStringLiteral("6"));
}
