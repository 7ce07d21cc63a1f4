#pragma once

#include "EventReplies.h"

#include "automation/TypedEventSink.h"

namespace cellvex::test {

// Hands the by-reference arguments to the replies a test scripted, through
// the typed handlers a C++ host would override. Each reply is copied before
// it runs, so that it may clear or replace itself.
class ReplyingSink : public automation::TypedEventSink
{
public:
    explicit ReplyingSink(const EventReplies &replies) : m_replies(replies) {}

    void OnCellChanging(std::int32_t, std::int32_t, QString *value) override
    {
        if (auto hook = m_replies.changing)
            hook(value);
    }
    void OnKeyPress(std::int16_t *key) override
    {
        if (auto hook = m_replies.key)
            hook(key);
    }
    void OnButtonClick(std::int32_t, std::int32_t, const QString &, QString *script) override
    {
        if (auto hook = m_replies.button)
            hook(script);
    }
    void OnInputChange(std::int32_t, std::int32_t) override
    {
        if (auto hook = m_replies.onInput)
            hook();
    }

private:
    const EventReplies &m_replies;
};

} // namespace cellvex::test
