#include "VbsRunner.h"

namespace {

using cellvex::vbs::test::ErrorRow;

TEST(VbsErrors, CompileErrorsHaveLineAndColumn)
{
    const ErrorRow rows[] = {
        {"If x Then\n y = 1\n", 1014, 3, 0, "Expected 'End'"},
        {"x = (1 + 2", 1006, 1, 11, "Expected ')'"},
        {"x = 1 +", 1023, 1, 8, "Expected expression"},
        {"x = \"abc", 1033, 1, 5, "Unterminated string constant"},
        {"x = 1 $ 2", 1032, 1, 7, "Invalid character"},
        {"For i = 1 To 3\n x = 1\n", 1020, 3, 0, "Expected 'Next'"},
        {"Do\n x = 1\n", 1019, 3, 0, "Expected 'Loop'"},
        {"While True\n x = 1\n", 1018, 3, 0, "Expected 'Wend'"},
        {"Sub S\n x = 1\n", 1014, 3, 0, nullptr},
        {"Sub S\n x = 1\nEnd Function", 1016, 3, 5, "Expected 'Sub'"},
        {"If x y = 1", 1017, 1, 6, "Expected 'Then'"},
        {"x = 1 2", 1025, 1, 7, "Expected end of statement"},
        {"Next", 1055, 1, 1, nullptr},
        {"Loop", 1038, 1, 1, nullptr},
        {"Exit For", 1039, 1, 1, "Invalid 'exit' statement"},
        {"Sub S\n Exit Function\nEnd Sub", 1039, 2, 2, nullptr},
        {"Sub S\n Dim a, a\nEnd Sub", 1041, 2, 9, "Name redefined"},
        {"Foo(1, 2)", 1044, 1, 10, "Cannot use parentheses when calling a Sub"},
        {"Class C\n Property Get\nEnd Class", 1010, 2, 14, nullptr},
        {"x = Me", 1037, 1, 5, nullptr},
        {"Select Case 1\nCase Else\nCase 1\nEnd Select", 1022, 0, 0, nullptr},
        {"For Each x Of y\nNext", 1046, 1, 12, "Expected 'In'"},
        {"x = 1.2.3", 1025, 0, 0, nullptr},
        {"x = 12abc", 1031, 1, 5, "Invalid number"},
        {"Dim a(n)", 1026, 1, 7, nullptr},
        {"Class C\n Public Default Property Let V(x) : End Property\nEnd Class", 1058, 0, 0, nullptr},
    };
    CHECK_ERRORS(rows);
}

TEST(VbsErrors, RuntimeErrorsHaveNumberLineAndText)
{
    const ErrorRow rows[] = {
        {"x = 1\ny = \"a\" * 2", 13, 2, 1, "Type mismatch"},
        {"x = 1 / 0", 11, 1, 1, "Division by zero"},
        {"Dim a(2)\nx = a(3)", 9, 2, 1, "Subscript out of range"},
        {"Dim a(2)\na(-1) = 1", 9, 2, 0, nullptr},
        {"Option Explicit\nDim x\nx = 1\ny = 2", 500, 4, 1, "Variable is undefined: 'y'"},
        {"Option Explicit\nx = z", 500, 2, 0, nullptr},
        {"x = 1\nx.Foo", 424, 2, 0, nullptr},
        {"Set x = Nothing\ny = x.Foo", 91, 2, 0, "Object variable not set"},
        {"Set x = 5", 424, 1, 0, "Object required: 'x'"},
        {"Function F(a) : End Function\nx = F(1, 2)", 450, 2, 0,
         "Wrong number of arguments or invalid property assignment: 'F'"},
        {"x = Left(\"a\")", 450, 1, 0, nullptr},
        {"x = NoSuchFunction(1)", 13, 1, 0, "Type mismatch: 'NoSuchFunction'"},
        {"Set d = CreateObject(\"Scripting.Dictionary\")\nd.Add 1, 1\nd.Add 1, 2", 457, 3, 0, nullptr},
        {"Set d = CreateObject(\"Scripting.Dictionary\")\nd.Remove \"x\"", 32811, 2, 0, nullptr},
        {"Set d = CreateObject(\"Scripting.Dictionary\")\nd.Frobnicate", 438, 2, 0,
         "Object doesn't support this property or method: 'Frobnicate'"},
        {"Set o = CreateObject(\"Excel.Application\")", 429, 1, 0,
         "ActiveX component can't create object: 'Excel.Application'"},
        {"Set o = New Missing", 506, 1, 0, nullptr},
        {"x = CInt(40000)", 6, 1, 0, "Overflow"},
        {"x = CLng(\"abc\")", 13, 1, 0, nullptr},
        {"x = CInt(Null)", 94, 1, 0, "Invalid use of Null"},
        {"Dim a(2)\nReDim a(3)", 10, 2, 0, nullptr},
        {"ReDim a(2, 2)\nReDim Preserve a(3, 2)", 9, 2, 0, nullptr},
        {"ReDim a(2)\nReDim Preserve a(2, 2)", 9, 2, 0, nullptr},
        {"x = Array(1, 2)\ny = x + 1", 13, 2, 0, nullptr},
        {"Set d = CreateObject(\"Scripting.Dictionary\")\nx = d", 450, 2, 0, nullptr},
        {"x = Nothing", 91, 1, 0, nullptr},
        {"With 5\nEnd With", 424, 1, 0, nullptr},
        {"Sub S\n x = 1 / 0\nEnd Sub\nS", 11, 2, 2, nullptr},
        {"Err.Raise 1234, \"Src\", \"my own\"", 1234, 1, 0, "my own"},
        {"Const C = 1\nC = 2", 501, 2, 0, nullptr},
        {"x = Mid(\"abc\", 0)", 5, 1, 0, nullptr},
        {"For Each x In 5\nNext", 451, 1, 0, nullptr},
        {"Execute \"x = (\"", 1023, 1, 0, nullptr},
        {"Sub R(n)\n R n + 1\nEnd Sub\nR 1", 28, 0, 0, "Out of stack space"},
        {"Function F(n)\n F = F(n + 1)\nEnd Function\nx = F(1)", 28, 0, 0, nullptr},
        {"s = \"Execute s\"\nExecute s", 28, 0, 0, nullptr},
    };
    CHECK_ERRORS(rows);
}

TEST(VbsErrors, RunawayScriptStopsAtBudget)
{
    const char *loops[] = {
        "Do : Loop", "While True : Wend", "For i = 1 To 2 Step 0 : Next", "Do\nx = x + 1\nLoop",
        "Sub S : S2 : End Sub\nSub S2 : Do : Loop : End Sub\nOn Error Resume Next\nS\nEcho 1"};
    for (const char *code : loops) {
        SCOPED_TRACE(code);
        auto r = cellvex::vbs::test::runScript(QString::fromUtf8(code), 100000);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error.number, 4098);
        EXPECT_EQ(r.errorReports, 1);
        EXPECT_TRUE(r.output.isEmpty());
    }
}

} // namespace
