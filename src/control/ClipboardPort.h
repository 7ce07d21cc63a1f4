#pragma once

#include <QString>

namespace cellvex {

// The clipboard the cut, copy and paste members talk to: one plain text
// item (what our own paste reads), offered beside an HTML table for other
// programs. The platform's clipboard is the one a control uses; tests may
// read and write it directly through the same port.
class ClipboardPort
{
public:
    virtual ~ClipboardPort() = default;
    // Replaces the clipboard's content by the text and, when not empty, the HTML.
    virtual void put(const QString &text, const QString &html) = 0;
    // The clipboard's plain text; empty when it holds none.
    virtual QString text() const = 0;
};

// The system clipboard (QClipboard), shared by every control of the process.
class SystemClipboard final : public ClipboardPort
{
public:
    void put(const QString &text, const QString &html) override;
    QString text() const override;
};

} // namespace cellvex
