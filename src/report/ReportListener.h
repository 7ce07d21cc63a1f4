#pragma once

#include "report/ReportChange.h"

#include <QString>

namespace cellvex {

// The one listener of a report: it hears every change and is asked before a
// caption is stored and before a button's action list is carried out. The
// control installs one; a report without a listener changes silently.
// A listener may rebuild the report from inside any of these calls: the
// report looks its cells up again (generation()) before going on.
class ReportListener
{
public:
    // Something needs repainting or re-reading (see ReportChange).
    virtual void reportChanged(const ReportChange &change) = 0;
    // A caption was stored; the listener may replace the text, which is
    // stored again.
    virtual void captionChanging(int col, int row, QString &value) = 0;
    // The caption was stored and shown.
    virtual void captionChanged(int col, int row, const QString &value) = 0;
    // The user pressed the face of a button cell; the listener may replace
    // the action list in `script`, which is then stored.
    virtual void buttonPressed(int col, int row, const QString &name, QString &script) = 0;

protected:
    ~ReportListener() = default;
};

} // namespace cellvex
