#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace cellvex::demo {

// Two labelled number fields for one modal question (column width, row
// height, header and footer rows). The caller gives the caption and labels and
// converts the texts itself, so the fields take any typing.
class NumberDialog : public QDialog
{
    Q_OBJECT
public:
    explicit NumberDialog(QWidget *parent = nullptr);

    void setup(const QString &caption, const QString &label1, const QString &label2);
    void setValues(const QString &first, const QString &second);
    QString firstText() const;
    QString secondText() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_label1;
    QLabel *m_label2;
    QLineEdit *m_edit1;
    QLineEdit *m_edit2;
};

} // namespace cellvex::demo
