#include "FindDialog.h"

#include "DialogWidgets.h"
#include "HostError.h"
#include "automation/ICellvex.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace cellvex::demo {

namespace {

// One labelled pair of exclusive choices; the first is chosen. Returns the second.
QRadioButton *addChoicePair(QWidget *parent, int y, const QString &label, int firstNumber,
                            const QString &first, const QString &second)
{
    addLabel(parent, label, QRect(12, y + 2, 70, 16));
    QRadioButton *a =
        addRadio(parent, QStringLiteral("RadioButton%1").arg(firstNumber), first, QRect(84, y, 64, 20));
    QRadioButton *b =
        addRadio(parent, QStringLiteral("RadioButton%1").arg(firstNumber + 1), second, QRect(156, y, 64, 20));
    auto *group = new QButtonGroup(parent);
    group->addButton(a);
    group->addButton(b);
    a->setChecked(true);
    return b;
}

} // namespace

FindDialog::FindDialog(automation::ICellvex *control, HostPrompts &prompts, QWidget *parent)
    : QDialog(parent), m_control(control), m_prompts(prompts)
{
    setObjectName(QStringLiteral("FindDialog"));
    setUpHostDialog(this, QStringLiteral("查找"), QSize(357, 203));

    addLabel(this, QStringLiteral("查找内容："), QRect(12, 16, 70, 16));
    m_text = addEdit(this, QStringLiteral("Edit1"), QRect(84, 13, 178, 21));
    m_up = addChoicePair(this, 50, QStringLiteral("方    向："), 1, QStringLiteral("向下"),
                         QStringLiteral("向上"));
    m_byColumns = addChoicePair(this, 78, QStringLiteral("搜索方式："), 3, QStringLiteral("整行"),
                                QStringLiteral("整列"));
    m_selected = addChoicePair(this, 106, QStringLiteral("搜索范围："), 5, QStringLiteral("全部"),
                               QStringLiteral("所选"));
    m_caseSensitive =
        addCheck(this, QStringLiteral("CheckBox1"), QStringLiteral("大小写敏感"), QRect(12, 140, 150, 20));
    m_wholeCell =
        addCheck(this, QStringLiteral("CheckBox2"), QStringLiteral("整个单元匹配"), QRect(12, 166, 150, 20));

    QPushButton *next =
        addButton(this, QStringLiteral("Button1"), QStringLiteral("查找下一个"), QRect(270, 12, 80, 25));
    QPushButton *close =
        addButton(this, QStringLiteral("Button2"), QStringLiteral("关闭"), QRect(270, 44, 80, 25));
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void FindDialog::findNext()
{
    // An empty text searches for nothing and says nothing.
    if (m_text->text().isEmpty())
        return;
    runAction(this, m_prompts, [&] {
        bool found = false; // the control shows a match by moving the input cell
        checkCall(m_control->FindCellsString(m_selected->isChecked(), m_byColumns->isChecked(),
                                             m_up->isChecked(), m_caseSensitive->isChecked(),
                                             m_wholeCell->isChecked(), m_text->text(), &found));
    });
}

void FindDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred when first shown; after that it stays where the user put it.
    if (!m_placed)
        centreOnScreen(this);
    m_placed = true;
}

} // namespace cellvex::demo
