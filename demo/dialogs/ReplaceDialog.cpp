#include "ReplaceDialog.h"

#include "DialogWidgets.h"
#include "HostError.h"
#include "automation/ICellvex.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace cellvex::demo {

ReplaceDialog::ReplaceDialog(automation::ICellvex *control, HostPrompts &prompts, QWidget *parent)
    : QDialog(parent), m_control(control), m_prompts(prompts)
{
    setObjectName(QStringLiteral("ReplaceDialog"));
    setUpHostDialog(this, QStringLiteral("替换"), QSize(361, 199), true);

    addLabel(this, QStringLiteral("查找内容："), QRect(12, 16, 70, 16));
    m_find = addEdit(this, QStringLiteral("Edit1"), QRect(84, 13, 182, 21));
    addLabel(this, QStringLiteral("替换内容："), QRect(12, 46, 70, 16));
    m_replacement = addEdit(this, QStringLiteral("Edit2"), QRect(84, 43, 182, 21));

    addLabel(this, QStringLiteral("搜索范围："), QRect(12, 82, 70, 16));
    QRadioButton *all =
        addRadio(this, QStringLiteral("RadioButton1"), QStringLiteral("全部"), QRect(84, 80, 64, 20));
    m_selected =
        addRadio(this, QStringLiteral("RadioButton2"), QStringLiteral("所选"), QRect(156, 80, 64, 20));
    auto *scope = new QButtonGroup(this);
    scope->addButton(all);
    scope->addButton(m_selected);
    all->setChecked(true);

    m_caseSensitive =
        addCheck(this, QStringLiteral("CheckBox1"), QStringLiteral("大小写敏感"), QRect(12, 116, 150, 20));
    m_wholeCell =
        addCheck(this, QStringLiteral("CheckBox2"), QStringLiteral("整个单元匹配"), QRect(12, 142, 150, 20));

    QPushButton *replaceButton =
        addButton(this, QStringLiteral("Button1"), QStringLiteral("替换"), QRect(274, 12, 78, 25));
    QPushButton *close =
        addButton(this, QStringLiteral("Button2"), QStringLiteral("关闭"), QRect(274, 44, 78, 25));
    replaceButton->setDefault(true);
    connect(replaceButton, &QPushButton::clicked, this, &ReplaceDialog::replace);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void ReplaceDialog::replace()
{
    if (m_find->text().isEmpty())
        return;
    runAction(this, m_prompts, [&] {
        checkCall(m_control->ReplaceCellsString(m_selected->isChecked(), m_caseSensitive->isChecked(),
                                                m_wholeCell->isChecked(), m_find->text(),
                                                m_replacement->text()));
    });
}

void ReplaceDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_placed)
        centreOnScreen(this);
    m_placed = true;
}

} // namespace cellvex::demo
