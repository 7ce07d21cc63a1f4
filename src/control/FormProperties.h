#pragma once

#include <QString>

namespace cellvex {

// Attributes of the control's form window that hosts read and write through
// the standard properties and that have no widget counterpart of their own.
struct FormProperties
{
    bool autoScroll = false;
    bool autoSize = false;
    int axBorderStyle = 0;  // afbNone
    bool keyPreview = true; // the form sees every key first
    int pixelsPerInch = 96;
    int printScale = 1; // poProportional
    bool scaled = false;
    bool dropTarget = false;
    QString helpFile;
    bool doubleBuffered = false;
    short cursor = 0; // crDefault
    int helpType = 1; // htContext
    QString helpKeyword;
};

} // namespace cellvex
