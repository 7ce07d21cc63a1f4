#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace cellvex::automation {
class ICellvex;
}

namespace cellvex::demo {

class HostPrompts;

// The modeless find dialog: each "查找下一个" asks the control for the next
// cell holding the text; the control moves the input cell there itself.
// Closing only hides the dialog.
class FindDialog : public QDialog
{
    Q_OBJECT
public:
    FindDialog(automation::ICellvex *control, HostPrompts &prompts, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void findNext();

    automation::ICellvex *m_control;
    HostPrompts &m_prompts;
    QLineEdit *m_text;
    QRadioButton *m_up;
    QRadioButton *m_byColumns;
    QRadioButton *m_selected;
    QCheckBox *m_caseSensitive;
    QCheckBox *m_wholeCell;
    bool m_placed = false;
};

} // namespace cellvex::demo
