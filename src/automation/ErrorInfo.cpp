#include "automation/ErrorInfo.h"

namespace cellvex::automation {

HResult ErrorInfo::fail(HResult code, const QString &description, const QString &source)
{
    // A success code carries no error; recording one would make hasError()
    // lie to the host, so keep E_FAIL as the weakest failure.
    m_code = failed(code) ? code : E_FAIL;
    m_description = description;
    m_source = source;
    lastErrorSlot() = *this; // what a caller reads back after a failed call
    return m_code;
}

ErrorInfo &ErrorInfo::lastErrorSlot()
{
    thread_local ErrorInfo last;
    return last;
}

ErrorInfo ErrorInfo::last() { return lastErrorSlot(); }

void ErrorInfo::clear()
{
    m_code = S_OK;
    m_description.clear();
    m_source.clear();
}

} // namespace cellvex::automation
