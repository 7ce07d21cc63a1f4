#include "VbsRunner.h"

namespace {

using cellvex::vbs::test::ProgramRow;

TEST(VbsStatements, DeclarationsAndAssignment)
{
    const ProgramRow rows[] = {
        {"Dim a, b : a = 1 : b = a + 1 : Echo b", "Integer:2"},
        {"x = 5\nEcho x", "Integer:5"},
        {"Const Pi = 3.14, Name = \"n\"\nEcho Pi : Echo Name", "Double:3.14|String:n"},
        {"Dim a(2)\na(0) = 1 : a(2) = \"z\"\nEcho a", "(Integer:1,Empty,String:z)"},
        {"Dim m(1, 2)\nm(1, 2) = 7\nEcho m(1, 2) : Echo UBound(m, 2)", "Integer:7|Long:2"},
        {"Dim a()\nReDim a(3)\na(3) = 1\nReDim Preserve a(5)\nEcho a(3) : Echo UBound(a)",
         "Integer:1|Long:5"},
        {"ReDim a(2)\na(1) = 9\nReDim a(4)\nEcho a(1)", "Empty"},
        {"ReDim m(1, 1)\nm(1, 1) = 3\nReDim Preserve m(1, 3)\nEcho m(1, 1) : Echo UBound(m, 2)",
         "Integer:3|Long:3"},
        {"Dim a(2) : a(1) = 5 : Erase a : Echo a(1) : Echo UBound(a)", "Empty|Long:2"},
        {"ReDim a(2) : Erase a : Echo IsArray(a)", "Boolean:True"},
        {"a = Array(1, 2) : b = a : b(0) = 9 : Echo a(0) : Echo b(0)", "Integer:1|Integer:9"},
        {"a = Array(Array(1, 2), 3) : a(0)(1) = 7 : Echo a(0)(1)", "Integer:7"},
        {"Set d = CreateObject(\"Scripting.Dictionary\") : Set e = d : e.Add 1, 2 : Echo d.Count", "Long:1"},
        {"Set o = Nothing : Echo o Is Nothing", "Boolean:True"},
        {"Dim x\nx = 1 ' comment\nRem another\nEcho x", "Integer:1"},
        {"x = 1 + _\n    2\nEcho x", "Integer:3"},
        {"dim X: x = 3: ECHO X", "Integer:3"},
    };
    CHECK_PROGRAMS(rows);
}

TEST(VbsStatements, Conditionals)
{
    const ProgramRow rows[] = {
        {"If 1 < 2 Then Echo \"y\" Else Echo \"n\"", "String:y"},
        {"If 1 > 2 Then Echo \"y\" Else Echo \"n\"", "String:n"},
        {"If 1 > 2 Then Echo 1 : Echo 2", ""},
        {"If True Then Echo 1 : Echo 2", "Integer:1|Integer:2"},
        {"x = 5\nIf x > 10 Then\n Echo \"big\"\nElseIf x > 3 Then\n Echo \"mid\"\nElse\n Echo \"small\"\nEnd "
         "If",
         "String:mid"},
        {"If Null Then\n Echo 1\nElse\n Echo 2\nEnd If", "Integer:2"},
        {"If \"True\" Then Echo 1", "Integer:1"},
        {"Select Case 3\nCase 1, 2\n Echo \"a\"\nCase 3, 4\n Echo \"b\"\nCase Else\n Echo \"c\"\nEnd Select",
         "String:b"},
        {"Select Case \"x\"\nCase \"y\"\n Echo 1\nCase Else\n Echo 2\nEnd Select", "Integer:2"},
        {"Select Case 5\nCase 1\n Echo 1\nEnd Select\nEcho 0", "Integer:0"},
        {"v = \"10\"\nSelect Case v\nCase 10\n Echo \"num\"\nCase Else\n Echo \"other\"\nEnd Select",
         "String:num"},
        {"If 1 Then If 0 Then Echo 1 Else Echo 2", "Integer:2"},
    };
    CHECK_PROGRAMS(rows);
}

TEST(VbsStatements, Loops)
{
    const ProgramRow rows[] = {
        {"For i = 1 To 3 : s = s & i : Next : Echo s : Echo i", "String:123|Integer:4"},
        {"For i = 10 To 1 Step -3 : s = s & i & \",\" : Next : Echo s", "String:10,7,4,1,"},
        {"For i = 0 To 1 Step 0.5 : s = s & i & \" \" : Next : Echo s", "String:0 0.5 1 "},
        {"For i = 1 To 0 : Echo i : Next : Echo i", "Integer:1"},
        {"For i = 1 To 10 : If i = 3 Then Exit For\nNext : Echo i", "Integer:3"},
        {"For i = 1 To 5 : i = i + 1 : s = s & i : Next : Echo s", "String:246"},
        {"For i = 1 To 100000 : Next : Echo i", "Long:100001"},
        {"For Each x In Array(1, \"b\", 3) : s = s & x : Next : Echo s", "String:1b3"},
        {"Dim m(1, 1) : m(0, 0) = 1 : m(1, 1) = 4 : For Each x In m : s = s & x & \";\" : Next : Echo s",
         "String:1;;;4;"},
        {"Set d = CreateObject(\"Scripting.Dictionary\") : d(\"a\") = 1 : d(\"b\") = 2\nFor Each k In d : s "
         "= s & k "
         "& d(k) : Next : Echo s",
         "String:a1b2"},
        {"i = 0 : Do While i < 3 : i = i + 1 : Loop : Echo i", "Integer:3"},
        {"i = 0 : Do Until i = 3 : i = i + 1 : Loop : Echo i", "Integer:3"},
        {"i = 5 : Do : i = i + 1 : Loop While i < 3 : Echo i", "Integer:6"},
        {"i = 5 : Do : i = i + 1 : Loop Until True : Echo i", "Integer:6"},
        {"i = 0 : Do : i = i + 1 : If i = 4 Then Exit Do\nLoop : Echo i", "Integer:4"},
        {"i = 0 : While i < 2 : i = i + 1 : Wend : Echo i", "Integer:2"},
        {"Do\n While True\n  Exit Do\n Wend\nLoop\nEcho 1", "Integer:1"},
        {"For i = 1 To 3\n Select Case i\n Case 2\n  Exit For\n End Select\nNext\nEcho i", "Integer:2"},
        {"Do : For i = 1 To 3 : If i = 2 Then Exit Do\nNext : Loop : Echo i", "Integer:2"},
        {"For i = 1 To 2 : For j = 1 To 2 : s = s & i & j & \" \" : Next : Next : Echo s",
         "String:11 12 21 22 "},
    };
    CHECK_PROGRAMS(rows);
}

// A string and a number compare as numbers only when the number is a
// literal; between variables the number orders first.
TEST(VbsStatements, StringNumberComparisonDependsOnLiterals)
{
    const ProgramRow rows[] = {
        {"a = \"10\" : b = 10 : Echo a = b : Echo a > b : Echo b < a",
         "Boolean:False|Boolean:True|Boolean:True"},
        {"a = \"10\" : Echo a = 10 : Echo 10 = a : Echo a < 9", "Boolean:True|Boolean:True|Boolean:False"},
        {"a = \"abc\" : b = 5 : Echo a > b", "Boolean:True"},
        {"a = Empty : Echo a = \"\" : Echo a = 0 : Echo a < 1", "Boolean:True|Boolean:True|Boolean:True"},
        {"a = \"2\" : b = \"10\" : Echo a > b", "Boolean:True"},
        {"a = 2 : b = 10 : Echo a > b", "Boolean:False"},
        {"a = True : Echo a = -1 : Echo a = 1", "Boolean:True|Boolean:False"},
    };
    CHECK_PROGRAMS(rows);
}

TEST(VbsStatements, WithAndExecute)
{
    const ProgramRow rows[] = {
        {"Set d = CreateObject(\"Scripting.Dictionary\")\nWith d\n .Add \"k\", 1\n .Item(\"k\") = 5\n Echo "
         ".Count\n "
         "Echo .Item(\"k\")\nEnd With",
         "Long:1|Integer:5"},
        {"Execute \"x = 1 + 1\" : Echo x", "Integer:2"},
        {"ExecuteGlobal \"Function F(a) : F = a * 2 : End Function\" : Echo F(4)", "Integer:8"},
        {"Echo Eval(\"1 + 2 * 3\")", "Integer:7"},
        {"x = 4 : Echo Eval(\"x = 4\")", "Boolean:True"},
        {"Sub S\n Dim v : v = 3\n Execute \"v = v + 1\"\n Echo v\nEnd Sub\nS", "Integer:4"},
        {"Sub S\n Dim v : v = 5\n Echo Eval(\"v * 2\")\nEnd Sub\nS", "Integer:10"},
        {"Sub S\n ExecuteGlobal \"g = 7\"\nEnd Sub\nS : Echo g", "Integer:7"},
    };
    CHECK_PROGRAMS(rows);
}

} // namespace
