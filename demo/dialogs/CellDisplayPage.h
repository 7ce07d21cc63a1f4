#pragma once

#include "CellPage.h"

class QLineEdit;
class QListWidget;
class QRadioButton;

namespace cellvex::demo {

// "显示": the cell's display format (text, natural number, integer, real
// number with a pattern or a count of significant digits, date).
class CellDisplayPage : public CellPage
{
    Q_OBJECT
public:
    CellDisplayPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                    QWidget *parent = nullptr);

    void refresh() override;
    void apply() override;

private:
    enum Item { Text, Natural, Integer, Real, Date };
    // Shows the fields of the chosen item and puts the input cell's format
    // text into the one it belongs to.
    void showItem(int item);

    QListWidget *m_list;
    QRadioButton *m_pattern;
    QRadioButton *m_digits;
    QLineEdit *m_textPattern; // Edit19
    QLineEdit *m_realPattern; // Edit1
    QLineEdit *m_datePattern; // Edit20
    QLineEdit *m_digitCount;  // Edit2
    // The input cell's format as last read.
    int m_formatType = -1;
    QString m_formatText;
};

} // namespace cellvex::demo
