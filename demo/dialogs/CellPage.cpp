#include "CellPage.h"

#include "HostState.h"

namespace cellvex::demo {

int CellPage::inputCol() const
{
    return m_state.inputCol;
}

int CellPage::inputRow() const
{
    return m_state.inputRow;
}

} // namespace cellvex::demo
