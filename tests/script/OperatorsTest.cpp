#include "VbsRunner.h"

namespace {

using cellvex::vbs::test::ExprRow;

TEST(VbsOperators, Arithmetic)
{
    const ExprRow rows[] = {
        {"1 + 2", "Integer:3"},
        {"32767 + 1", "Long:32768"},
        {"2147483647 + 1", "Double:2147483648"},
        {"-32768 - 1", "Long:-32769"},
        {"200 * 200", "Long:40000"},
        {"65536 * 65536", "Double:4294967296"},
        {"CByte(200) + CByte(100)", "Integer:300"},
        {"CByte(2) + CByte(3)", "Byte:5"},
        {"\"41\" + 1", "Double:42"},
        {"\"4\" + \"1\"", "String:41"},
        {"\"a\" + 1", "error 13"},
        {"\"\" + 1", "error 13"},
        {"Empty + 1", "Integer:1"},
        {"Empty + Empty", "Integer:0"},
        {"Empty + \"x\"", "String:x"},
        {"True + True", "Integer:-2"},
        {"True + 1", "Integer:0"},
        {"Null + 1", "Null"},
        {"1 - Null", "Null"},
        {"7 / 2", "Double:3.5"},
        {"6 / 3", "Double:2"},
        {"1 / 0", "error 11"},
        {"0 / 0", "error 6"},
        {"7 \\ 2", "Integer:3"},
        {"-7 \\ 2", "Integer:-3"},
        {"7.6 \\ 2", "Long:4"},
        {"7 \\ 0", "error 11"},
        {"7 Mod 3", "Integer:1"},
        {"-7 Mod 3", "Integer:-1"},
        {"7.5 Mod 2", "Long:0"},
        {"5 Mod 0", "error 11"},
        {"2 ^ 10", "Double:1024"},
        {"2 ^ -1", "Double:0.5"},
        {"-2 ^ 2", "Double:-4"},
        {"2 ^ 3 ^ 2", "Double:64"},
        {"(-8) ^ (1 / 3)", "error 5"},
        {"1.5 + 1", "Double:2.5"},
        {"1E308 * 10", "error 6"},
        {"CCur(1.5) * 2", "Currency:3"},
        {"CCur(0.1) + 0.2", "Currency:0.3"},
        {"#1/1/2020# + 1", "Date:1/2/2020"},
        {"#1/3/2020# - #1/1/2020#", "Double:2"},
        {"-True", "Integer:1"},
        {"-CInt(-32768)", "Long:32768"},
        {"-\"5\"", "Double:-5"},
        {"1 + 2 * 3", "Integer:7"},
        {"(1 + 2) * 3", "Integer:9"},
        {"10 - 2 - 3", "Integer:5"},
        {"2 * 3 Mod 4", "Integer:2"},
        {"7 \\ 2 * 2", "Integer:1"},
        {"1 + 7 Mod 4", "Integer:4"},
    };
    CHECK_EXPRESSIONS(rows);
}

TEST(VbsOperators, ConcatenationAndComparison)
{
    const ExprRow rows[] = {
        {"\"a\" & 1", "String:a1"},
        {"1 & 2", "String:12"},
        {"\"a\" & Null", "String:a"},
        {"Null & Null", "Null"},
        {"True & \"\"", "String:True"},
        {"1.5 & \"\"", "String:1.5"},
        {"1 + 2 & 3", "String:33"},
        {"1 = 1", "Boolean:True"},
        {"1 <> 1", "Boolean:False"},
        {"\"a\" < \"b\"", "Boolean:True"},
        {"\"a\" = \"A\"", "Boolean:False"},
        {"\"B\" < \"a\"", "Boolean:True"},
        {"1 = 1.0", "Boolean:True"},
        {"Null = Null", "Null"},
        {"1 < Null", "Null"},
        {"Empty = 0", "Boolean:True"},
        {"Empty = \"\"", "Boolean:True"},
        {"\"10\" = 10", "Boolean:True"},
        {"\"abc\" = 10", "error 13"},
        {"#1/1/2020# < #1/2/2020#", "Boolean:True"},
        {"True = -1", "Boolean:True"},
        {"1 < 2 = True", "Boolean:True"},
        {"Nothing Is Nothing", "Boolean:True"},
        {"1 Is 1", "error 424"},
    };
    CHECK_EXPRESSIONS(rows);
}

TEST(VbsOperators, Logic)
{
    const ExprRow rows[] = {
        {"True And False", "Boolean:False"},
        {"True Or False", "Boolean:True"},
        {"True Xor True", "Boolean:False"},
        {"True Eqv False", "Boolean:False"},
        {"False Imp False", "Boolean:True"},
        {"True Imp False", "Boolean:False"},
        {"Not True", "Boolean:False"},
        {"Not 0", "Integer:-1"},
        {"Not 5", "Integer:-6"},
        {"Not Null", "Null"},
        {"12 And 10", "Integer:8"},
        {"12 Or 3", "Integer:15"},
        {"12 Xor 10", "Integer:6"},
        {"&HFFFF And 70000", "Long:70000"},
        {"Null And False", "Boolean:False"},
        {"Null And True", "Null"},
        {"Null Or True", "Boolean:True"},
        {"Null Or False", "Null"},
        {"Null Xor True", "Null"},
        {"False Imp Null", "Boolean:True"},
        {"Not 1 = 2", "Boolean:True"},
        {"1 = 1 And 2 = 2", "Boolean:True"},
        {"True Or False And False", "Boolean:True"},
        {"False Xor True Or True", "Boolean:True"},
    };
    CHECK_EXPRESSIONS(rows);
}

TEST(VbsOperators, Literals)
{
    const ExprRow rows[] = {
        {"&HFF", "Integer:255"},
        {"&HFFFF", "Integer:-1"},
        {"&H8000", "Integer:-32768"},
        {"&H10000", "Long:65536"},
        {"&HFFFFFFFF", "Long:-1"},
        {"&HFF&", "Long:255"},
        {"&O17", "Integer:15"},
        {"&17", "Integer:15"},
        {"32767", "Integer:32767"},
        {"32768", "Long:32768"},
        {"2147483648", "Double:2147483648"},
        {"1.5E3", "Double:1500"},
        {".5", "Double:0.5"},
        {"1E20", "Double:1E+20"},
        {"0.00001", "Double:0.00001"},
        {"0.0000001", "Double:1E-07"},
        {"1/3", "Double:0.333333333333333"},
        {"\"say \"\"hi\"\"\"", "String:say \"hi\""},
        {"#2020-03-04#", "Date:3/4/2020"},
        {"#3/4/2020 13:05:06#", "Date:3/4/2020 1:05:06 PM"},
        {"#10:30:00 AM#", "Date:10:30:00 AM"},
        {"[my var]", "Empty"},
    };
    CHECK_EXPRESSIONS(rows);
}

} // namespace
