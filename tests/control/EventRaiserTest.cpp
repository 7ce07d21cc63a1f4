#include "control/EventRaiser.h"
#include "report/Report.h"

#include "automation/DispatchBinder.h"
#include "automation/EventTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace cellvex {
namespace {

using namespace automation;

// A host's dispinterface sink: records each call and answers through `answer`.
class RawSink : public IEventSink
{
public:
    struct Call
    {
        DispId dispId;
        std::vector<Variant> args;
    };

    HResult Invoke(DispId dispId, std::vector<Variant> &args) override
    {
        calls.push_back({dispId, args});
        if (answer)
            answer(args);
        return S_OK;
    }

    std::vector<Call> calls;
    std::function<void(std::vector<Variant> &)> answer;
};

TEST(EventRaiser, EveryTypedEventCarriesItsTableArguments)
{
    Report report;
    EventRaiser raiser{report};
    RawSink sink;
    raiser.connect(&sink);
    QString text = QStringLiteral("t");
    std::int16_t key = 'k';
    const QString s = QStringLiteral("s");
    const struct
    {
        EventId id;
        std::function<void()> raise;
    } cases[] = {
        {EventId::OnActivate, [&] { raiser.activate(); }},
        {EventId::OnButtonClick, [&] { raiser.buttonClick(1, 2, s, text); }},
        {EventId::OnCreate, [&] { raiser.create(); }},
        {EventId::OnSelectChange, [&] { raiser.selectChange(1, 2, 3, 4); }},
        {EventId::OnError, [&] { raiser.error(s); }},
        {EventId::OnDestroy, [&] { raiser.destroy(); }},
        {EventId::OnDeactivate, [&] { raiser.deactivate(); }},
        {EventId::OnInputChange, [&] { raiser.inputChange(1, 2); }},
        {EventId::OnPoleLClick, [&] { raiser.poleLClick(1, 2); }},
        {EventId::OnPoleRClick, [&] { raiser.poleRClick(1, 2, 3, 4); }},
        {EventId::OnKeyPress, [&] { raiser.keyPress(key); }},
        {EventId::OnCellLClick, [&] { raiser.cellLClick(1, 2); }},
        {EventId::OnCellRClick, [&] { raiser.cellRClick(1, 2, 3, 4); }},
        {EventId::OnCellLDblClick, [&] { raiser.cellLDblClick(1, 2); }},
        {EventId::OnCellChanged, [&] { raiser.cellChanged(1, 2, s); }},
        {EventId::OnPaint, [&] { raiser.paint(); }},
        {EventId::OnTopChange, [&] { raiser.topChange(1); }},
        {EventId::OnLeftChange, [&] { raiser.leftChange(1); }},
        {EventId::OnCellChanging, [&] { raiser.cellChanging(1, 2, text); }},
        {EventId::OnAdjustedSeries, [&] { raiser.adjustedSeries(1, 2, 3, s, s); }},
    };
    ASSERT_EQ(std::size(cases), std::size_t(kEventCount));
    for (const auto &c : cases) {
        const EventRow *row = findEvent(dispIdOf(c.id));
        ASSERT_NE(row, nullptr);
        SCOPED_TRACE(std::string(row->name));
        sink.calls.clear();
        c.raise();
        ASSERT_EQ(sink.calls.size(), 1u);
        EXPECT_EQ(sink.calls[0].dispId, row->dispId);
        ASSERT_EQ(sink.calls[0].args.size(), row->args().size());
        for (std::size_t k = 0; k < row->args().size(); ++k)
            EXPECT_EQ(sink.calls[0].args[k].type(), varTypeOf(row->args()[k].type)) << k;
    }
}

TEST(EventRaiser, KeyPressKeepsTheLowEightBitsOfWhatComesBack)
{
    const struct
    {
        const char *what;
        Variant answer;
        std::int16_t expected;
    } cases[] = {
        {"short", Variant::fromShort('A'), 'A'},
        {"short above a byte", Variant::fromShort(0x141), 0x41},
        {"long", Variant::fromLong(0x7FFF42), 0x42},
        {"number as text", Variant::fromString(QStringLiteral("66")), 66},
        {"no number", Variant::fromString(QStringLiteral("x")), 'k'},
        {"object", Variant::fromObject(nullptr), 'k'},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Report report;
        EventRaiser raiser{report};
        RawSink sink;
        sink.answer = [&](std::vector<Variant> &args) { args.at(0) = c.answer; };
        raiser.connect(&sink);
        std::int16_t key = 'k';
        raiser.keyPress(key);
        EXPECT_EQ(key, c.expected);
    }
}

TEST(EventRaiser, TextArgumentsComeBackAsText)
{
    const struct
    {
        const char *what;
        Variant answer;
        QString expected;
    } cases[] = {
        {"text", Variant::fromString(QStringLiteral("new")), QStringLiteral("new")},
        {"number", Variant::fromLong(12), QStringLiteral("12")},
        {"object", Variant::fromObject(nullptr), QStringLiteral("old")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Report report;
        EventRaiser raiser{report};
        RawSink sink;
        sink.answer = [&](std::vector<Variant> &args) { args.back() = c.answer; };
        raiser.connect(&sink);
        QString changing = QStringLiteral("old"), script = QStringLiteral("old");
        raiser.cellChanging(1, 1, changing);
        raiser.buttonClick(1, 1, QStringLiteral("b"), script);
        EXPECT_EQ(changing, c.expected);
        EXPECT_EQ(script, c.expected);
    }
}

TEST(EventRaiser, SkippedEventsLeaveByReferenceArgumentsAlone)
{
    Report report;
    EventRaiser raiser{report};
    QString value = QStringLiteral("v");
    std::int16_t key = 'k';
    raiser.cellChanging(1, 1, value); // no sink
    raiser.keyPress(key);
    EXPECT_EQ(value, QStringLiteral("v"));
    EXPECT_EQ(key, 'k');
}

} // namespace
} // namespace cellvex
