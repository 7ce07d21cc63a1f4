#include "automation/MemberSummary.h"

#include <algorithm>
#include <array>

namespace cellvex::automation {

namespace {

constexpr std::array kSummaries{
#define CELLVEX_SUMMARY(name, text) MemberSummary{#name, text},
#include "automation/MemberSummaries.def"
};

} // namespace

std::span<const MemberSummary> memberSummaries()
{
    return kSummaries;
}

std::string_view memberSummary(std::string_view name)
{
    const auto it = std::find_if(kSummaries.begin(), kSummaries.end(),
                                 [name](const MemberSummary &s) { return s.name == name; });
    return it == kSummaries.end() ? std::string_view() : it->text;
}

} // namespace cellvex::automation
