#include "automation/MemberSummary.h"
#include "automation/MemberTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace cellvex::automation;

// The API reference takes one line per member name from MemberSummaries.def:
// a member added to the interface without its line, a line left behind by a
// renamed member or a name given twice would make the reference wrong.
TEST(MemberSummary, EveryMemberNameHasExactlyOneLine)
{
    std::map<std::string, int> lines;
    for (const MemberSummary &s : memberSummaries())
        ++lines[std::string(s.name)];
    std::set<std::string> members;
    for (const MemberRow &row : memberTable())
        members.insert(std::string(row.name));

    for (const std::string &name : members)
        EXPECT_EQ(lines[name], 1) << name;
    for (const auto &[name, count] : lines)
        EXPECT_TRUE(members.count(name)) << name << " is no member of ICellvex";
}

TEST(MemberSummary, LinesAreOneShortSentenceOfTableText)
{
    for (const MemberSummary &s : memberSummaries()) {
        SCOPED_TRACE(std::string(s.name));
        ASSERT_FALSE(s.text.empty());
        EXPECT_LE(s.text.size(), 120u);
        EXPECT_EQ(s.text.back(), '.');
        // The reference is a Markdown table: no line breaks, no cell separators.
        EXPECT_EQ(s.text.find_first_of("\n|"), std::string_view::npos);
    }
    EXPECT_EQ(memberSummary("ColCount"), "Number of columns in the report.");
    EXPECT_TRUE(memberSummary("NoSuchMember").empty());
}
