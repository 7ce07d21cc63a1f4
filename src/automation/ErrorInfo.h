#pragma once

#include "automation/HResult.h"

#include <QString>

namespace cellvex::automation {

// The description of the last failed call, which a host reads after a
// failing result code (a script shows it as the error message). A call
// that fails records here; the caller asks before its next call.
class ErrorInfo
{
public:
    // Records the failure and hands its code back, so a member can write
    // `return errors.fail(E_FAIL, message);`.
    HResult fail(HResult code, const QString &description, const QString &source = QString());

    void clear();

    bool hasError() const { return failed(m_code); }
    HResult code() const { return m_code; }
    const QString &description() const { return m_description; }
    // The member that failed, e.g. "ICellvex.SetCellValue"; empty when unknown.
    const QString &source() const { return m_source; }

    // The most recent failure recorded on this thread by any object, as a
    // late-bound caller fetches it after a call returned a failure code.
    static ErrorInfo last();

private:
    static ErrorInfo &lastErrorSlot();
    HResult m_code = S_OK;
    QString m_description;
    QString m_source;
};

} // namespace cellvex::automation
