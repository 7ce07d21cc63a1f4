#pragma once

// Everything a C++ host needs to embed the control:
//   CellvexWidget      the control as a QWidget to put in a layout
//   ICellvex           its members (cell values, structure, printing, ...)
//   TypedEventSink     one virtual function per event, for a host's own sink
//   Variant, HResult   automation values and result codes
//   DllGetClassObject  the class factory, for hosts that manage the widget themselves
// Member and event arguments are 1-based columns and rows, column first.

#include "automation/ComInterfaces.h"
#include "automation/EventSink.h"
#include "automation/HResult.h"
#include "automation/ICellvex.h"
#include "automation/TypeLibrary.h"
#include "automation/TypedEventSink.h"
#include "automation/Variant.h"
#include "control/CellvexWidget.h"
