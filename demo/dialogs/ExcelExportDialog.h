#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace cellvex::demo {

class HostPrompts;

// Asks what to write to a workbook (the whole report or the selected cells)
// and where. The main window makes the export call when confirmed() is true.
class ExcelExportDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ExcelExportDialog(HostPrompts &prompts, QWidget *parent = nullptr);

    // False until "确定" accepted a file name; "取消" and the close box leave it false.
    bool confirmed() const { return m_confirmed; }
    bool wholeReport() const;
    QString fileName() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void browse();
    void confirm();

    HostPrompts &m_prompts;
    QRadioButton *m_whole;
    QLineEdit *m_file;
    bool m_confirmed = false;
};

} // namespace cellvex::demo
