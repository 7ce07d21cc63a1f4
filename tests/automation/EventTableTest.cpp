#include "automation/EventTable.h"
#include "automation/Enumerations.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace cellvex::automation {
namespace {

TEST(EventTable, ListsTwentyEventsByDispatchId)
{
    const std::span<const EventRow> events = eventTable();
    ASSERT_EQ(events.size(), 20u);
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].dispId, static_cast<DispId>(i + 1));
        EXPECT_TRUE(names.insert(events[i].name).second) << events[i].name;
        EXPECT_EQ(findEvent(events[i].dispId), &events[i]);
    }
    EXPECT_EQ(findEvent(0), nullptr);
    EXPECT_EQ(findEvent(21), nullptr);
}

TEST(EventTable, OnlyTheThreeChangeableArgumentsAreByReference)
{
    std::set<std::pair<std::string_view, std::string_view>> byReference;
    for (const EventRow &event : eventTable()) {
        for (const ArgInfo &arg : event.args()) {
            EXPECT_NE(arg.direction, Direction::Out) << event.name;
            if (arg.direction == Direction::InOut)
                byReference.insert({event.name, arg.name});
        }
    }
    const std::set<std::pair<std::string_view, std::string_view>> expected = {
        {"OnKeyPress", "Key"}, {"OnCellChanging", "CellValue"}, {"OnButtonClick", "ScriptText"}};
    EXPECT_EQ(byReference, expected);
}

struct ListedEvent
{
    DispId dispId;
    std::string_view name;
    std::string_view argNames; // comma-separated
    ArgType lastType;
};

const ListedEvent kListedEvents[] = {
    {1, "OnActivate", "", ArgType::Void},
    {2, "OnButtonClick", "aCol,aRow,aNameText,ScriptText", ArgType::String},
    {4, "OnSelectChange", "aSelMinX,aSelMinY,aSelMaxX,aSelMaxY", ArgType::Long},
    {10, "OnPoleRClick", "aIndex,aOrientation,aScreenX,aScreenY", ArgType::Long},
    {11, "OnKeyPress", "Key", ArgType::Short},
    {19, "OnCellChanging", "aCol,aRow,CellValue", ArgType::String},
    {20, "OnAdjustedSeries", "aCol,aRow,aSeriesType,aSeriesSignText,aSeriesDataText", ArgType::String},
};

TEST(EventTable, MatchesTheListing)
{
    for (const ListedEvent &listed : kListedEvents) {
        SCOPED_TRACE(std::string(listed.name));
        const EventRow *event = findEvent(listed.dispId);
        ASSERT_NE(event, nullptr);
        EXPECT_EQ(event->name, listed.name);
        std::string names;
        for (const ArgInfo &arg : event->args())
            names += (names.empty() ? "" : ",") + std::string(arg.name);
        EXPECT_EQ(names, listed.argNames);
        const ArgType last = event->args().empty() ? ArgType::Void : event->args().back().type;
        EXPECT_EQ(last, listed.lastType);
    }
}

TEST(Enumerations, CarryTheLibraryConstants)
{
    const std::span<const EnumInfo> enums = enumerations();
    ASSERT_EQ(enums.size(), 4u);
    std::string all;
    for (const EnumInfo &info : enums) {
        all += std::string(info.name) + ":";
        for (const EnumConstant &constant : info.constants)
            all += std::string(constant.name) + "=" + std::to_string(constant.value) + " ";
        all += "\n";
    }
    EXPECT_EQ(all, "TxActiveFormBorderStyle:afbNone=0 afbSingle=1 afbSunken=2 afbRaised=3 \n"
                   "TxPrintScale:poNone=0 poProportional=1 poPrintToFit=2 \n"
                   "TxMouseButton:mbLeft=0 mbRight=1 mbMiddle=2 \n"
                   "TxHelpType:htKeyword=0 htContext=1 \n");
}

} // namespace
} // namespace cellvex::automation
