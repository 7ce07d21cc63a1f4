#pragma once

#include <QDialog>

class QLineEdit;

namespace cellvex::demo {

class HostPrompts;

// Asks for a workbook and the range of its first sheet to read (first and
// last column, first and last row). The main window makes the import call
// when confirmed() is true.
class ExcelImportDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ExcelImportDialog(HostPrompts &prompts, QWidget *parent = nullptr);

    // False until "确定" accepted a file name and a range that is not inverted.
    bool confirmed() const { return m_confirmed; }
    QString fileName() const;
    // The range as confirmed (meaningful only when confirmed()).
    int left() const { return m_left; }
    int top() const { return m_top; }
    int right() const { return m_right; }
    int bottom() const { return m_bottom; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void browse();
    void confirm();

    HostPrompts &m_prompts;
    QLineEdit *m_file;
    QLineEdit *m_range[4]; // left, top, right, bottom
    bool m_confirmed = false;
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;
};

} // namespace cellvex::demo
