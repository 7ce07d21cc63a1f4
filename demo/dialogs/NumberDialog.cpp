#include "NumberDialog.h"

#include "DialogWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace cellvex::demo {

NumberDialog::NumberDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NumberDialog"));
    setUpHostDialog(this, QString(), QSize(201, 103));
    m_label1 = addLabel(this, QString(), QRect(14, 14, 66, 16), QStringLiteral("Label1"));
    m_edit1 = addEdit(this, QStringLiteral("Edit1"), QRect(82, 11, 105, 21), QStringLiteral("0"));
    m_label2 = addLabel(this, QString(), QRect(14, 42, 66, 16), QStringLiteral("Label2"));
    m_edit2 = addEdit(this, QStringLiteral("Edit2"), QRect(82, 39, 105, 21), QStringLiteral("0"));
    QPushButton *ok =
        addButton(this, QStringLiteral("Button1"), QStringLiteral("确定"), QRect(26, 70, 70, 24));
    QPushButton *cancel =
        addButton(this, QStringLiteral("Button2"), QStringLiteral("取消"), QRect(106, 70, 70, 24));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void NumberDialog::setup(const QString &caption, const QString &label1, const QString &label2)
{
    setWindowTitle(caption);
    m_label1->setText(label1);
    m_label2->setText(label2);
}

void NumberDialog::setValues(const QString &first, const QString &second)
{
    m_edit1->setText(first);
    m_edit2->setText(second);
}

QString NumberDialog::firstText() const
{
    return m_edit1->text();
}

QString NumberDialog::secondText() const
{
    return m_edit2->text();
}

void NumberDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

} // namespace cellvex::demo
