#include "VbsRunner.h"

namespace {

using cellvex::vbs::test::ExprRow;

TEST(VbsBuiltins, Conversions)
{
    const ExprRow rows[] = {
        {"CInt(2.5)", "Integer:2"},
        {"CInt(3.5)", "Integer:4"},
        {"CInt(-2.5)", "Integer:-2"},
        {"CLng(\"12\")", "Long:12"},
        {"CLng(1.5)", "Long:2"},
        {"CLng(2147483648)", "error 6"},
        {"CByte(255)", "Byte:255"},
        {"CByte(256)", "error 6"},
        {"CByte(-1)", "error 6"},
        {"CDbl(\"1.5e2\")", "Double:150"},
        {"CDbl(\" 7 \")", "Double:7"},
        {"CDbl(\"&H10\")", "Double:16"},
        {"CDbl(True)", "Double:-1"},
        {"CBool(\"false\")", "Boolean:False"},
        {"CBool(2)", "Boolean:True"},
        {"CBool(\"x\")", "error 13"},
        {"CStr(True)", "String:True"},
        {"CStr(1.25)", "String:1.25"},
        {"CStr(Empty)", "String:"},
        {"CStr(Null)", "error 94"},
        {"CSng(1.5)", "Single:1.5"},
        {"CCur(\"1.23456\")", "Currency:1.2346"},
        {"CDate(\"2020-02-29\")", "Date:2/29/2020"},
        {"CDate(\"2020-02-30\")", "error 13"},
        {"CDate(43831)", "Date:1/1/2020"},
        {"CDbl(#1/1/2020#)", "Double:43831"},
        {"Hex(255)", "String:FF"},
        {"Hex(-1)", "String:FFFF"},
        {"Hex(65536)", "String:10000"},
        {"Oct(8)", "String:10"},
        {"Fix(-2.7)", "Double:-2"},
        {"Int(-2.7)", "Double:-3"},
        {"Int(\"3.9\")", "Double:3"},
        {"Asc(\"A\")", "Integer:65"},
        {"Asc(\"\")", "error 5"},
        {"Chr(66)", "String:B"},
        {"ChrW(20013)", "String:\xe4\xb8\xad"},
    };
    CHECK_EXPRESSIONS(rows);
}

TEST(VbsBuiltins, TypeTests)
{
    const ExprRow rows[] = {
        {"TypeName(1)", "String:Integer"},
        {"TypeName(100000)", "String:Long"},
        {"TypeName(1.5)", "String:Double"},
        {"TypeName(\"s\")", "String:String"},
        {"TypeName(Empty)", "String:Empty"},
        {"TypeName(Null)", "String:Null"},
        {"TypeName(Nothing)", "String:Nothing"},
        {"TypeName(Array())", "String:Variant()"},
        {"TypeName(CreateObject(\"Scripting.Dictionary\"))", "String:Dictionary"},
        {"TypeName(Err)", "String:ErrObject"},
        {"VarType(1)", "Integer:2"},
        {"VarType(\"s\")", "Integer:8"},
        {"VarType(Array(1))", "Integer:8204"},
        {"VarType(Now)", "Integer:7"},
        {"VarType(CCur(1))", "Integer:6"},
        {"IsNumeric(\"12.5\")", "Boolean:True"},
        {"IsNumeric(\" -3 \")", "Boolean:True"},
        {"IsNumeric(\"1e3\")", "Boolean:True"},
        {"IsNumeric(\"abc\")", "Boolean:False"},
        {"IsNumeric(\"\")", "Boolean:False"},
        {"IsNumeric(Empty)", "Boolean:True"},
        {"IsNumeric(Null)", "Boolean:False"},
        {"IsEmpty(Empty)", "Boolean:True"},
        {"IsEmpty(\"\")", "Boolean:False"},
        {"IsNull(Null)", "Boolean:True"},
        {"IsObject(Nothing)", "Boolean:True"},
        {"IsArray(Array())", "Boolean:True"},
        {"IsDate(\"1/2/2020\")", "Boolean:True"},
        {"IsDate(\"hello\")", "Boolean:False"},
    };
    CHECK_EXPRESSIONS(rows);
}

TEST(VbsBuiltins, Math)
{
    const ExprRow rows[] = {
        {"Abs(-3)", "Integer:3"},
        {"Abs(-2.5)", "Double:2.5"},
        {"Abs(Null)", "Null"},
        {"Sgn(-7)", "Integer:-1"},
        {"Sgn(0)", "Integer:0"},
        {"Sqr(16)", "Double:4"},
        {"Sqr(-1)", "error 5"},
        {"Log(1)", "Double:0"},
        {"Log(0)", "error 5"},
        {"Exp(0)", "Double:1"},
        {"Round(2.5)", "Double:2"},
        {"Round(3.5)", "Double:4"},
        {"Round(-2.5)", "Double:-2"},
        {"Round(2.345, 2)", "Double:2.34"},
        {"Round(2.355, 2)", "Double:2.36"},
        {"Round(1.005, 2)", "Double:1"},
        {"Round(7)", "Integer:7"},
        {"Round(1.2345, -1)", "error 5"},
        {"Int(Atn(1) * 4 * 1000)", "Double:3141"},
        {"Cos(0)", "Double:1"},
        {"Rnd() >= 0 And Rnd() < 1", "Boolean:True"},
        {"RGB(255, 0, 1)", "Long:65791"},
    };
    CHECK_EXPRESSIONS(rows);
}

TEST(VbsBuiltins, Strings)
{
    const ExprRow rows[] = {
        {"Len(\"abc\")", "Long:3"},
        {"Len(Null)", "Null"},
        {"Len(123)", "Long:3"},
        {"LCase(\"AbC\")", "String:abc"},
        {"UCase(\"AbC\")", "String:ABC"},
        {"Left(\"hello\", 2)", "String:he"},
        {"Left(\"hello\", 10)", "String:hello"},
        {"Right(\"hello\", 3)", "String:llo"},
        {"Left(\"x\", -1)", "error 5"},
        {"Mid(\"hello\", 2, 3)", "String:ell"},
        {"Mid(\"hello\", 4)", "String:lo"},
        {"Mid(\"hello\", 9)", "String:"},
        {"Trim(\"  a b  \")", "String:a b"},
        {"LTrim(\"  a \")", "String:a "},
        {"RTrim(\"  a \")", "String:  a"},
        {"Space(3) & \"|\"", "String:   |"},
        {"String(3, \"xy\")", "String:xxx"},
        {"String(2, 65)", "String:AA"},
        {"InStr(\"hello\", \"l\")", "Long:3"},
        {"InStr(4, \"hello\", \"l\")", "Long:4"},
        {"InStr(\"hello\", \"z\")", "Long:0"},
        {"InStr(\"Hello\", \"h\")", "Long:0"},
        {"InStr(1, \"Hello\", \"h\", 1)", "Long:1"},
        {"InStr(\"abc\", \"\")", "Long:1"},
        {"InStr(Null, \"a\")", "Null"},
        {"InStr(0, \"a\", \"a\")", "error 5"},
        {"InStrRev(\"a.b.c\", \".\")", "Long:4"},
        {"InStrRev(\"a.b.c\", \".\", 3)", "Long:2"},
        {"Replace(\"a-b-c\", \"-\", \"+\")", "String:a+b+c"},
        {"Replace(\"a-b-c\", \"-\", \"\", 1, 1)", "String:ab-c"},
        {"Replace(\"a-b-c\", \"-\", \"+\", 3)", "String:b+c"},
        {"Replace(\"aAa\", \"a\", \"x\", 1, -1, 1)", "String:xxx"},
        {"Split(\"a,b,c\", \",\")", "(String:a,String:b,String:c)"},
        {"Split(\"a b\")", "(String:a,String:b)"},
        {"UBound(Split(\"\", \",\"))", "Long:-1"},
        {"Split(\"a,b,c\", \",\", 2)", "(String:a,String:b,c)"},
        {"Join(Array(1, 2, 3), \"-\")", "String:1-2-3"},
        {"Join(Array(\"a\", \"b\"))", "String:a b"},
        {"StrComp(\"a\", \"b\")", "Integer:-1"},
        {"StrComp(\"a\", \"A\", 1)", "Integer:0"},
        {"StrComp(\"b\", \"a\")", "Integer:1"},
        {"StrReverse(\"abc\")", "String:cba"},
        {"Filter(Array(\"apple\", \"berry\", \"grape\"), \"ap\")", "(String:apple,String:grape)"},
        {"Filter(Array(\"apple\", \"berry\"), \"ap\", False)", "(String:berry)"},
        {"Escape(\"a b&c/d\")", "String:a%20b%26c/d"},
        {"Escape(ChrW(20013))", "String:%u4E2D"},
        {"Unescape(\"a%20b%u4E2D%zz\")", "String:a b\xe4\xb8\xad%zz"},
        {"Unescape(Escape(\"x=1;y\"))", "String:x=1;y"},
        {"FormatNumber(1234.567)", "String:1,234.57"},
        {"FormatNumber(1234.567, 0)", "String:1,235"},
        {"FormatNumber(-0.5, 1, 0)", "String:-.5"},
        {"FormatNumber(-1234, 2, -1, -1)", "String:(1,234.00)"},
        {"FormatNumber(1234, 2, -1, 0, 0)", "String:1234.00"},
        {"FormatCurrency(1234.5)", "String:$1,234.50"},
        {"FormatPercent(0.125)", "String:12.50%"},
        {"FormatPercent(0.5, 0)", "String:50%"},
    };
    CHECK_EXPRESSIONS(rows);
}

TEST(VbsBuiltins, Arrays)
{
    const ExprRow rows[] = {
        {"Array(1, \"a\")", "(Integer:1,String:a)"},
        {"UBound(Array())", "Long:-1"},
        {"LBound(Array(1))", "Long:0"},
        {"UBound(Array(1, 2, 3))", "Long:2"},
        {"UBound(1)", "error 13"},
        {"UBound(Array(1), 2)", "error 9"},
        {"Array(1, 2)(1)", "Integer:2"},
        {"IsArray(Split(\"a\"))", "Boolean:True"},
    };
    CHECK_EXPRESSIONS(rows);
}

TEST(VbsBuiltins, Dates)
{
    const ExprRow rows[] = {
        {"DateSerial(2020, 2, 29)", "Date:2/29/2020"},
        {"DateSerial(2020, 13, 1)", "Date:1/1/2021"},
        {"DateSerial(2020, 3, 0)", "Date:2/29/2020"},
        {"DateSerial(99, 1, 1)", "Date:1/1/1999"},
        {"DateSerial(5, 1, 1)", "Date:1/1/2005"},
        {"TimeSerial(13, 5, 0)", "Date:1:05:00 PM"},
        {"TimeSerial(25, 0, 0)", "Date:12/31/1899 1:00:00 AM"},
        {"DateAdd(\"d\", 1, #2/28/2021#)", "Date:3/1/2021"},
        {"DateAdd(\"m\", 1, #1/31/2020#)", "Date:2/29/2020"},
        {"DateAdd(\"yyyy\", 1, #2/29/2020#)", "Date:2/28/2021"},
        {"DateAdd(\"q\", -1, #5/15/2020#)", "Date:2/15/2020"},
        {"DateAdd(\"h\", 25, #1/1/2020#)", "Date:1/2/2020 1:00:00 AM"},
        {"DateAdd(\"n\", -1, #1/1/2020#)", "Date:12/31/2019 11:59:00 PM"},
        {"DateAdd(\"ww\", 2, #1/1/2020#)", "Date:1/15/2020"},
        {"DateAdd(\"x\", 1, #1/1/2020#)", "error 5"},
        {"DateDiff(\"d\", #1/1/2020#, #3/1/2020#)", "Long:60"},
        {"DateDiff(\"m\", #1/31/2020#, #2/1/2020#)", "Long:1"},
        {"DateDiff(\"yyyy\", #12/31/2019#, #1/1/2020#)", "Long:1"},
        {"DateDiff(\"h\", #1/1/2020 1:59:00#, #1/1/2020 2:00:00#)", "Long:1"},
        {"DateDiff(\"s\", #1/1/2020#, #1/1/2020 0:01:00#)", "Long:60"},
        {"DateDiff(\"ww\", #1/4/2020#, #1/5/2020#)", "Long:1"},
        {"DateDiff(\"w\", #1/1/2020#, #1/15/2020#)", "Long:2"},
        {"DateDiff(\"d\", #3/1/2020#, #1/1/2020#)", "Long:-60"},
        {"DatePart(\"yyyy\", #7/4/2021#)", "Integer:2021"},
        {"DatePart(\"q\", #7/4/2021#)", "Integer:3"},
        {"DatePart(\"y\", #2/1/2021#)", "Integer:32"},
        {"DatePart(\"w\", #7/4/2021#)", "Integer:1"},
        {"DatePart(\"ww\", #1/3/2021#)", "Integer:2"},
        {"Year(#7/4/2021#) & \"-\" & Month(#7/4/2021#) & \"-\" & Day(#7/4/2021#)", "String:2021-7-4"},
        {"Hour(#1:02:03 PM#) & \":\" & Minute(#1:02:03 PM#) & \":\" & Second(#1:02:03 PM#)", "String:13:2:3"},
        {"Weekday(#7/4/2021#)", "Integer:1"},
        {"Weekday(#7/4/2021#, vbMonday)", "Integer:7"},
        {"WeekdayName(2)", "String:Monday"},
        {"WeekdayName(1, True, vbMonday)", "String:Mon"},
        {"MonthName(12)", "String:December"},
        {"MonthName(1, True)", "String:Jan"},
        {"FormatDateTime(#7/4/2021 3:04:05 PM#, vbLongDate)", "String:Sunday, July 4, 2021"},
        {"FormatDateTime(#7/4/2021 3:04:05 PM#, vbShortDate)", "String:7/4/2021"},
        {"FormatDateTime(#7/4/2021 3:04:05 PM#, vbLongTime)", "String:3:04:05 PM"},
        {"FormatDateTime(#7/4/2021 3:04:05 PM#, vbShortTime)", "String:15:04"},
        {"FormatDateTime(#7/4/2021 3:04:05 PM#)", "String:7/4/2021 3:04:05 PM"},
        {"DateValue(\"7/4/2021 3:00 PM\")", "Date:7/4/2021"},
        {"TimeValue(\"3:00 PM\")", "Date:3:00:00 PM"},
        {"CDate(\"July 4, 2021\")", "Date:7/4/2021"},
        {"CDate(\"4-Jul-2021\")", "Date:7/4/2021"},
        {"Now > #1/1/2020#", "Boolean:True"},
        {"Int(Now) = Date", "Boolean:True"},
        {"#12/30/1899# = 0", "Boolean:True"},
        {"CDate(-1.25)", "Date:12/29/1899 6:00:00 AM"},
    };
    CHECK_EXPRESSIONS(rows);
}

TEST(VbsBuiltins, Dictionary)
{
    const cellvex::vbs::test::ProgramRow rows[] = {
        {"Set d = CreateObject(\"Scripting.Dictionary\")\nd.Add \"a\", 1 : d.Add \"b\", 2\nEcho d.Count : "
         "Echo "
         "d.Exists(\"a\") : Echo d.Item(\"b\") : Echo d.Keys : Echo d.Items",
         "Long:2|Boolean:True|Integer:2|(String:a,String:b)|(Integer:1,Integer:2)"},
        {"Set d = CreateObject(\"Scripting.Dictionary\")\nx = d(\"missing\") : Echo d.Count", "Long:1"},
        {"Set d = CreateObject(\"Scripting.Dictionary\")\nd(1) = \"n\" : d(\"1\") = \"s\" : Echo d.Count : "
         "Echo d(1)",
         "Long:2|String:n"},
        {"Set d = CreateObject(\"Scripting.Dictionary\")\nd.CompareMode = 1 : d(\"A\") = 1 : Echo "
         "d.Exists(\"a\")",
         "Boolean:True"},
        {"Set d = CreateObject(\"Scripting.Dictionary\")\nd(\"a\") = 1 : d.Key(\"a\") = \"z\" : Echo d.Keys",
         "(String:z)"},
        {"Set d = CreateObject(\"Scripting.Dictionary\")\nd(\"a\") = 1 : d(\"b\") = 2 : d.Remove \"a\" : "
         "Echo d.Keys "
         ": d.RemoveAll : Echo d.Count",
         "(String:b)|Long:0"},
        {"Set d = CreateObject(\"Scripting.Dictionary\")\nSet d(\"o\") = "
         "CreateObject(\"Scripting.Dictionary\") : Echo TypeName(d(\"o\"))",
         "String:Dictionary"},
    };
    CHECK_PROGRAMS(rows);
}

} // namespace

namespace {

TEST(VbsBuiltins, RegularExpressions)
{
    const cellvex::vbs::test::ProgramRow rows[] = {
        {"Set re = New RegExp : re.Pattern = \"^\\d{3}-\\d{4}$\" : Echo re.Test(\"555-1234\") : Echo "
         "re.Test(\"5551234\")",
         "Boolean:True|Boolean:False"},
        {"Set re = New RegExp : re.Pattern = \"abc\" : Echo re.Test(\"ABC\") : re.IgnoreCase = True : Echo "
         "re.Test(\"ABC\")",
         "Boolean:False|Boolean:True"},
        {"Set re = New RegExp : re.Pattern = \"o\" : Echo re.Replace(\"foo boo\", \"0\") : re.Global = True "
         ": Echo "
         "re.Replace(\"foo boo\", \"0\")",
         "String:f0o boo|String:f00 b00"},
        {"Set re = New RegExp : re.Pattern = \"(\\w+)@(\\w+)\" : re.Global = True\nSet ms = "
         "re.Execute(\"a@b, c@d\")\n"
         "Echo ms.Count\nFor Each m In ms : Echo m.Value & \"/\" & m.FirstIndex & \"/\" & m.SubMatches(1) : "
         "Next",
         "Long:2|String:a@b/0/b|String:c@d/5/d"},
        {"Set re = New RegExp : re.Pattern = \"(\\w+) (\\w+)\" : Echo re.Replace(\"John Smith\", \"$2, $1 "
         "($&) $$\")",
         "String:Smith, John (John Smith) $"},
        {"Set re = New RegExp : re.Pattern = \"^b\" : re.Multiline = True : re.Global = True : Echo "
         "re.Execute(\"a\" & vbLf & \"b\").Count",
         "Long:1"},
        {"Set re = New RegExp\nre.Pattern = \"(\"\nOn Error Resume Next\nx = re.Test(\"a\")\nEcho Err.Number",
         "Long:5017"},
    };
    CHECK_PROGRAMS(rows);
}

} // namespace
