#pragma once

#include <QString>
#include <QStringList>

namespace cellvex {

// What the printing dialogs and the preview window ask of the control that
// opened them: cutting the pages again and reporting errors.
class PrintHost
{
public:
    // Page breaks and the grid's page-break lines, as every setting change does.
    virtual void repaginate() = 0;
    // Page breaks only: the preview window leaves the grid alone while open...
    virtual void recomputePagination() = 0;
    // ...and the lines follow the new breaks once it has closed.
    virtual void rebuildPageBreakLines() = 0;
    // The control's OnError.
    virtual void reportError(const QString &message) = 0;
    // The screen fonts the page setup dialog offers.
    virtual QStringList installedFonts() = 0;

protected:
    ~PrintHost() = default;
};

} // namespace cellvex
