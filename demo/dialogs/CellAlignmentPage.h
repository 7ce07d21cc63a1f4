#pragma once

#include "CellPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace cellvex::demo {

// "对齐": horizontal and vertical alignment, and the background picture
// (stretched or not) that applying gives every selected cell.
class CellAlignmentPage : public CellPage
{
    Q_OBJECT
public:
    CellAlignmentPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                      QWidget *parent = nullptr);

    // The alignments only: the picture settings stay as the user left them.
    void refresh() override;
    void apply() override;

private:
    void browse();
    void showPreview();

    QComboBox *m_horizontal;
    QComboBox *m_vertical;
    QLineEdit *m_picture; // Edit7
    QLabel *m_preview;    // Image1
    QCheckBox *m_stretch;
};

} // namespace cellvex::demo
