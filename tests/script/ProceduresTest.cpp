#include "VbsRunner.h"

namespace {

using cellvex::vbs::test::ProgramRow;

TEST(VbsProcedures, CallsAndArguments)
{
    const ProgramRow rows[] = {
        {"Function Add(a, b)\n Add = a + b\nEnd Function\nEcho Add(2, 3)", "Integer:5"},
        {"Sub Inc(n)\n n = n + 1\nEnd Sub\nx = 1 : Inc x : Echo x", "Integer:2"},
        {"Sub Inc(ByRef n)\n n = n + 1\nEnd Sub\nx = 1 : Call Inc(x) : Echo x", "Integer:2"},
        {"Sub Inc(ByVal n)\n n = n + 1\nEnd Sub\nx = 1 : Inc x : Echo x", "Integer:1"},
        {"Sub Inc(n)\n n = n + 1\nEnd Sub\nx = 1 : Inc (x) : Echo x", "Integer:1"},
        {"Sub Inc(n)\n n = n + 1\nEnd Sub\nDim a(1) : a(0) = 1 : Inc a(0) : Echo a(0)", "Integer:1"},
        {"Sub Two(a, b)\n a = a * 10 : b = b * 10\nEnd Sub\nx = 1 : y = 2 : Two x, y : Echo x + y",
         "Integer:30"},
        {"Sub P(a, b)\n Echo a & b\nEnd Sub\nP (1) + 2, 3", "String:33"},
        {"Sub S\n Dim a, b, c : a = 1 : b = 2 : c = 3\n P (a) + b, c\nEnd Sub\nSub P(x, y)\n Echo x & \",\" "
         "& y\nEnd "
         "Sub\nS",
         "String:3,3"},
        {"Function Fact(n)\n If n <= 1 Then\n  Fact = 1\n Else\n  Fact = n * Fact(n - 1)\n End If\nEnd "
         "Function\nEcho Fact(10)",
         "Long:3628800"},
        {"Function F()\n F = 1\n Exit Function\n F = 2\nEnd Function\nEcho F()", "Integer:1"},
        {"Sub S()\n Echo 1\n Exit Sub\n Echo 2\nEnd Sub\nS", "Integer:1"},
        {"Sub S()\n For i = 1 To 5\n  If i = 2 Then Exit Sub\n  Echo i\n Next\n Echo 9\nEnd Sub\nS",
         "Integer:1"},
        {"Function F()\n Do\n  F = 7 : Exit Function\n Loop\nEnd Function\nEcho F()", "Integer:7"},
        {"Class C\n Public Sub Inc(n) : n = n + 1 : End Sub\nEnd Class\nSet o = New C : x = 1 : o.Inc x : "
         "Echo x",
         "Integer:2"},
        {"Class C\n Private m(3)\n Property Get Item(i) : Item = m(i) : End Property\n Property Let Item(i, "
         "v) : m(i) "
         "= v : End Property\nEnd Class\nSet o = New C : o.Item(2) = \"z\" : Echo o.Item(2)",
         "String:z"},
        {"Function F\n F = \"a\"\n F = F & \"b\"\nEnd Function\nEcho F", "String:ab"},
        {"Function G() : End Function\nEcho G()", "Empty"},
        {"Echo Later(2)\nFunction Later(x) : Later = x * 3 : End Function", "Integer:6"},
        {"g = 1\nSub S\n g = 2\nEnd Sub\nS : Echo g", "Integer:2"},
        {"Sub S\n Dim g : g = 2\nEnd Sub\ng = 1 : S : Echo g", "Integer:1"},
        {"Sub S\n local = 5\nEnd Sub\nS : Echo local", "Empty"},
        {"Function F(a)\n a = 9 : F = a\nEnd Function\nx = 1 : y = F(x) : Echo x", "Integer:9"},
        {"Function F(a)\n F = a\nEnd Function\nEcho F(F(F(3)))", "Integer:3"},
        {"Function Twice(n) : Twice = n * 2 : End Function\nSet f = GetRef(\"Twice\") : Echo f(21)",
         "Integer:42"},
        {"Sub Bump(n) : n = n + 1 : End Sub\nSet f = GetRef(\"bump\") : x = 1 : f x : Echo x", "Integer:2"},
    };
    CHECK_PROGRAMS(rows);
}

TEST(VbsProcedures, Classes)
{
    const ProgramRow rows[] = {
        {"Class C\n Public V\nEnd Class\nSet o = New C : o.V = 3 : Echo o.V : Echo TypeName(o)",
         "Integer:3|String:C"},
        {"Class C\n Private m\n Public Property Get V : V = m : End Property\n Public Property Let V(x) : m "
         "= x * 2 : "
         "End Property\nEnd Class\nSet o = New C : o.V = 4 : Echo o.V",
         "Integer:8"},
        {"Class C\n Private m\n Public Property Set Obj(x) : Set m = x : End Property\n Public Property Get "
         "Obj : Set "
         "Obj = m : End Property\nEnd Class\nSet o = New C : Set o.Obj = New C : Echo TypeName(o.Obj)",
         "String:C"},
        {"Class C\n Sub Class_Initialize : Out.Add \"init\" : End Sub\n Sub Class_Terminate : Out.Add "
         "\"term\" : End "
         "Sub\nEnd Class\nSet o = New C : Out.Add \"mid\" : Set o = Nothing : Out.Add \"end\"",
         "init|mid|term|end"},
        {"Class C\n Public Default Function Item(i) : Item = i * 2 : End Function\nEnd Class\nSet o = New C "
         ": Echo o(5)",
         "Integer:10"},
        {"Class C\n Public Default Property Get Value : Value = 42 : End Property\nEnd Class\nSet o = New C "
         ": x = o : "
         "Echo x",
         "Integer:42"},
        {"Class C\n Public N\n Function Twice : Twice = N * 2 : End Function\n Function Quad : Quad = "
         "Twice() * 2 : End "
         "Function\nEnd Class\nSet o = New C : o.N = 3 : Echo o.Quad",
         "Integer:12"},
        {"Class C\n Public N\n Sub SetN(v) : Me.N = v : End Sub\n Function Self : Set Self = Me : End "
         "Function\nEnd "
         "Class\nSet o = New C : o.SetN 7 : Echo o.Self.N",
         "Integer:7"},
        {"Class Node\n Public Value, NextNode\nEnd Class\nSet head = Nothing\nFor i = 1 To 3\n Set n = New "
         "Node : "
         "n.Value = i : Set n.NextNode = head : Set head = n\nNext\nSet p = head\nDo Until p Is Nothing\n s "
         "= s & "
         "p.Value : Set p = p.NextNode\nLoop\nEcho s",
         "String:321"},
        {"Class C\n Public A(2)\nEnd Class\nSet o = New C : o.A(1) = 5 : Echo o.A(1)", "Integer:5"},
        {"Class C\n Private Sub Hidden : End Sub\n Public Sub Visible : Hidden : Out.Add \"ok\" : End "
         "Sub\nEnd "
         "Class\nSet o = New C : o.Visible",
         "ok"},
        {"Class C\n Public X\nEnd Class\nSet a = New C : Set b = a : b.X = 1 : Echo a.X : Echo a Is b : Echo "
         "a Is New C",
         "Integer:1|Boolean:True|Boolean:False"},
    };
    CHECK_PROGRAMS(rows);
}

TEST(VbsProcedures, OnErrorAndErr)
{
    const ProgramRow rows[] = {
        {"On Error Resume Next\nx = 1 / 0\nEcho Err.Number : Echo Err.Description",
         "Long:11|String:Division by zero"},
        {"On Error Resume Next\nx = 1 / 0\nErr.Clear\nEcho Err.Number", "Long:0"},
        {"On Error Resume Next\nErr.Raise 1000, \"Mine\", \"custom\"\nEcho Err.Number : Echo Err.Source : "
         "Echo "
         "Err.Description",
         "Long:1000|String:Mine|String:custom"},
        {"On Error Resume Next\nErr.Raise 9\nEcho Err.Description", "String:Subscript out of range"},
        {"On Error Resume Next\nErr.Raise vbObjectError + 1\nEcho Err.Number", "Long:-2147221503"},
        {"Sub Bad\n x = 1 / 0\n Out.Add \"not here\"\nEnd Sub\nOn Error Resume Next\nBad\nEcho Err.Number",
         "Long:11"},
        {"Sub Safe\n On Error Resume Next\n x = 1 / 0\n Out.Add \"inside\"\nEnd Sub\nSafe\nOut.Add \"after\"",
         "inside|after"},
        {"On Error Resume Next\nx = 1 / 0\nOn Error GoTo 0\nEcho Err.Number", "Long:0"},
        {"On Error Resume Next\nx = 1 / 0\nIf Err Then Out.Add \"caught\"", "caught"},
        {"On Error Resume Next\nExecute \"x = \"\"unterminated\"\nEcho Err.Number", "Long:1033"},
    };
    CHECK_PROGRAMS(rows);
}

} // namespace
