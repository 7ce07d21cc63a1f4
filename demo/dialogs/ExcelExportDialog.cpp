#include "ExcelExportDialog.h"

#include "DialogWidgets.h"
#include "HostPrompts.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace cellvex::demo {

ExcelExportDialog::ExcelExportDialog(HostPrompts &prompts, QWidget *parent)
    : QDialog(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("ExcelExportDialog"));
    setUpHostDialog(this, QStringLiteral("Excel"), QSize(386, 160));

    QGroupBox *content =
        addGroup(this, QStringLiteral("GroupBox1"), QStringLiteral("表页内容"), QRect(8, 6, 370, 48));
    m_whole =
        addRadio(content, QStringLiteral("RadioButton1"), QStringLiteral("所有表格"), QRect(24, 20, 120, 20));
    QRadioButton *selected = addRadio(content, QStringLiteral("RadioButton2"), QStringLiteral("所选表格"),
                                      QRect(196, 20, 120, 20));
    auto *choice = new QButtonGroup(this);
    choice->addButton(m_whole);
    choice->addButton(selected);
    m_whole->setChecked(true);

    QGroupBox *file =
        addGroup(this, QStringLiteral("GroupBox2"), QStringLiteral("文件名称"), QRect(8, 60, 370, 56));
    addLabel(file, QStringLiteral("文件名称："), QRect(12, 26, 64, 16), QStringLiteral("Label1"));
    m_file = addEdit(file, QStringLiteral("Edit1"), QRect(78, 23, 244, 21));
    QPushButton *browseButton =
        addButton(file, QStringLiteral("Button3"), QStringLiteral("……"), QRect(326, 22, 34, 23));

    QPushButton *ok =
        addButton(this, QStringLiteral("Button1"), QStringLiteral("确定"), QRect(212, 126, 75, 25));
    QPushButton *cancel =
        addButton(this, QStringLiteral("Button2"), QStringLiteral("取消"), QRect(298, 126, 75, 25));
    ok->setDefault(true);

    connect(browseButton, &QPushButton::clicked, this, &ExcelExportDialog::browse);
    connect(ok, &QPushButton::clicked, this, &ExcelExportDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool ExcelExportDialog::wholeReport() const
{
    return m_whole->isChecked();
}

QString ExcelExportDialog::fileName() const
{
    return m_file->text();
}

void ExcelExportDialog::browse()
{
    // The control writes Office Open XML workbooks.
    const QString chosen =
        m_prompts.saveFileName(this, QStringLiteral("Excel表格|*.xlsx"), QStringLiteral("xlsx"));
    if (!chosen.isEmpty())
        m_file->setText(chosen);
}

void ExcelExportDialog::confirm()
{
    // Without a file name there is nothing to write: the dialog stays open.
    if (m_file->text().isEmpty())
        return;
    m_confirmed = true;
    accept();
}

void ExcelExportDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

} // namespace cellvex::demo
