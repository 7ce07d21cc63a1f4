#pragma once

#include "CellPage.h"

class QLineEdit;
class QRadioButton;

namespace cellvex::demo {

// "边框": borders of one side, the outline, the inner lines, all lines, or
// the diagonal, drawn over the selection. The page shows nothing of the input
// cell: its fields keep what was typed.
class CellBorderPage : public CellPage
{
    Q_OBJECT
public:
    CellBorderPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                   QWidget *parent = nullptr);

    void refresh() override {}
    void apply() override;

private:
    enum Choice { Top, Bottom, Left, Right, Outline, Inner, All, Diagonal, ChoiceCount };
    // One border of one cell; the width is read from its field for each call.
    void setBorder(int c, int r, int side, int width);

    QRadioButton *m_choices[ChoiceCount];
    QLineEdit *m_width;        // Edit8
    QLineEdit *m_diagonalType; // Edit13
};

} // namespace cellvex::demo
