#pragma once

#include "ControlObject.h"
#include "EventLog.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace cellvex::test {

// A control object with an EventLog connected as its event sink. `written`
// names the events the log writes as lines (every event when empty).
class ControlFixture : public ControlObject
{
public:
    explicit ControlFixture(std::span<const std::string_view> written = {}) : sink(written) { connect(); }
    // Released while the log still listens: OnDestroy is its last event.
    ~ControlFixture() { release(); }

    EventLog sink;
    std::uint32_t cookie = 0;

    // Selects by the member and forgets the events that raised.
    void select(int col, int row) { select(col, row, col, row); }
    void select(int c1, int r1, int c2, int r2)
    {
        ASSERT_EQ(o->SetSelectedCell(c1, r1, c2, r2), automation::S_OK);
        sink.log.clear();
    }

private:
    // A failure here ends a TEST_F before its body runs.
    void connect() { ASSERT_EQ(o->Advise(&sink, &cookie), automation::S_OK); }
};

} // namespace cellvex::test
