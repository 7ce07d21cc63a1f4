#pragma once

#include "automation/HResult.h"

#include <QString>

#include <stdexcept>

namespace cellvex::demo {

// A failure that stops a host command: a member call that failed or a field
// whose text is not an integer. The command's caller shows text() in the
// standard error box; the calls made before it stay in effect.
class HostError : public std::runtime_error
{
public:
    explicit HostError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

// Throws a HostError with the control's description of the failure when hr
// failed (the description of the last failed call on this thread).
void checkCall(automation::HResult hr);

// The integer a field holds ("  12 " and "-3" are numbers); anything else
// throws the conversion error: “abc”不是有效的整数值.
int integerFromText(const QString &text);

} // namespace cellvex::demo
