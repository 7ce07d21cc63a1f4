#include "rulers/RulerLabels.h"

#include <gtest/gtest.h>

using namespace cellvex;

TEST(RulerLabels, ColumnLettersCountInBijectiveBase26)
{
    const std::pair<std::int64_t, const char *> cases[] = {
        {1, "A"},       {26, "Z"},       {27, "AA"},   {30, "AD"},   {52, "AZ"},
        {53, "BA"},     {702, "ZZ"},     {703, "AAA"}, {728, "AAZ"}, {729, "ABA"},
        {18278, "ZZZ"}, {18279, "AAAA"}, {0, ""},      {-3, ""},     {2147483647, "FXSHRXW"},
    };
    for (auto [n, label] : cases)
        EXPECT_EQ(columnLabel(n), QString::fromLatin1(label)) << n;
    EXPECT_EQ(rowLabel(1), QStringLiteral("1"));
    EXPECT_EQ(rowLabel(1000000), QStringLiteral("1000000"));
}
