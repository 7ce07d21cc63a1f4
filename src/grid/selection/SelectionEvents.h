#pragma once

namespace cellvex {

// The host events selection and navigation raise. Arguments are already in
// the interface's convention: 1-based, a missing input cell -1, -1 and a
// missing selection -1 four times, so an implementation forwards them as they
// are. A handler may call back into the control and even replace the report;
// the caller re-checks the report after every call.
class SelectionEvents
{
public:
    virtual ~SelectionEvents() = default;
    virtual void inputChange(int col, int row) = 0;
    virtual void selectChange(int minCol, int minRow, int maxCol, int maxRow) = 0;
    virtual void cellLClick(int col, int row) = 0;
    virtual void cellRClick(int col, int row, int screenX, int screenY) = 0;
    virtual void cellLDblClick(int col, int row) = 0;
};

} // namespace cellvex
