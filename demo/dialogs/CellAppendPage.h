#pragma once

#include "CellPage.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace cellvex::demo {

// "附加": the cell's extra strings, where the focus goes after input, and
// whether the cell is left out of print.
class CellAppendPage : public CellPage
{
    Q_OBJECT
public:
    CellAppendPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                   QWidget *parent = nullptr);

    void refresh() override;
    void apply() override;

private:
    QLineEdit *m_count;       // Edit14
    QPlainTextEdit *m_values; // Memo3
    QLineEdit *m_nextCol;     // Edit15
    QLineEdit *m_nextRow;     // Edit16
    QCheckBox *m_printHide;
};

} // namespace cellvex::demo
