#pragma once

#include "CellPage.h"

class QComboBox;

namespace cellvex::demo {

// "输入": the input method the cell's editor switches to.
class CellInputPage : public CellPage
{
    Q_OBJECT
public:
    CellInputPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                  QWidget *parent = nullptr);

    void refresh() override;
    void apply() override;

private:
    QComboBox *m_inputMethods; // ComboBox3
};

} // namespace cellvex::demo
