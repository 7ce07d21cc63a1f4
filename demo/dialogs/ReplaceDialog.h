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

// The modeless replace dialog: "替换" has the control replace the text in
// the whole grid or the selection. Closing only hides the dialog.
class ReplaceDialog : public QDialog
{
    Q_OBJECT
public:
    ReplaceDialog(automation::ICellvex *control, HostPrompts &prompts, QWidget *parent = nullptr);

    // The designed size: the dialog may be resized, but opens at this size.
    QSize sizeHint() const override { return QSize(361, 199); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void replace();

    automation::ICellvex *m_control;
    HostPrompts &m_prompts;
    QLineEdit *m_find;
    QLineEdit *m_replacement;
    QRadioButton *m_selected;
    QCheckBox *m_caseSensitive;
    QCheckBox *m_wholeCell;
    bool m_placed = false;
};

} // namespace cellvex::demo
