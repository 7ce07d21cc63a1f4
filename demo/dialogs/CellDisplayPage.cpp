#include "CellDisplayPage.h"

#include "DialogWidgets.h"
#include "HostError.h"
#include "HostState.h"
#include "automation/ICellvex.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

namespace cellvex::demo {

namespace {

// The control's format types: 0 text, 1 natural, 2 integer, 3 real with a
// pattern, 6 date, 11 real with significant digits.
int itemOfFormatType(int type)
{
    switch (type) {
    case 0:
        return 0;
    case 1:
        return 1;
    case 2:
        return 2;
    case 3:
    case 11:
        return 3;
    case 6:
        return 4;
    default:
        return -1;
    }
}

} // namespace

CellDisplayPage::CellDisplayPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                                 QWidget *parent)
    : CellPage(control, state, prompts, parent)
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setGeometry(8, 8, 130, 186);
    m_list->addItems({QStringLiteral("字符串"), QStringLiteral("自然数"), QStringLiteral("整数"),
                      QStringLiteral("实数"), QStringLiteral("日期类型")});

    m_pattern =
        addRadio(this, QStringLiteral("RadioButton1"), QStringLiteral("格式"), QRect(152, 10, 120, 20));
    m_textPattern = addEdit(this, QStringLiteral("Edit19"), QRect(152, 34, 214, 21));
    m_realPattern = addEdit(this, QStringLiteral("Edit1"), QRect(152, 34, 214, 21));
    m_datePattern = addEdit(this, QStringLiteral("Edit20"), QRect(152, 34, 214, 21));
    m_digits = addRadio(this, QStringLiteral("RadioButton2"), QStringLiteral("有效数字位数"),
                        QRect(152, 68, 120, 20));
    m_digitCount = addEdit(this, QStringLiteral("Edit2"), QRect(152, 92, 214, 21));
    auto *choice = new QButtonGroup(this);
    choice->addButton(m_pattern);
    choice->addButton(m_digits);
    m_pattern->setChecked(true);
    // Until a cell is shown the page looks as for a text format.
    m_digits->hide();
    m_digitCount->hide();
    m_realPattern->hide();
    m_datePattern->hide();

    connect(m_list, &QListWidget::currentRowChanged, this, &CellDisplayPage::showItem);
}

void CellDisplayPage::refresh()
{
    std::int32_t type = -1;
    QString text;
    checkCall(control()->GetCellFormat(inputCol(), inputRow(), &type, &text));
    m_formatType = type;
    m_formatText = text;
    const int item = itemOfFormatType(type);
    {
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentRow(item);
        if (item < 0)
            m_list->clearSelection();
    }
    showItem(item);
}

void CellDisplayPage::showItem(int item)
{
    switch (item) {
    case Text:
        m_pattern->show();
        m_pattern->setChecked(true);
        m_digits->hide();
        m_realPattern->hide();
        m_digitCount->hide();
        m_datePattern->hide();
        m_textPattern->show();
        if (m_formatType == 0)
            m_textPattern->setText(m_formatText);
        break;
    case Natural:
    case Integer:
        for (QWidget *w : {static_cast<QWidget *>(m_pattern), static_cast<QWidget *>(m_digits),
                           static_cast<QWidget *>(m_textPattern), static_cast<QWidget *>(m_realPattern),
                           static_cast<QWidget *>(m_datePattern), static_cast<QWidget *>(m_digitCount)})
            w->hide();
        break;
    case Real:
        m_pattern->show();
        m_digits->show();
        m_realPattern->show();
        m_digitCount->show();
        m_textPattern->hide();
        m_datePattern->hide();
        if (m_formatType == 11) {
            m_digits->setChecked(true);
            m_digitCount->setText(m_formatText);
        } else if (m_formatType == 3) {
            m_pattern->setChecked(true);
            m_realPattern->setText(m_formatText);
        }
        break;
    case Date:
        m_pattern->show();
        m_pattern->setChecked(true);
        m_digits->hide();
        m_realPattern->hide();
        m_digitCount->hide();
        m_datePattern->show();
        m_textPattern->hide();
        if (m_formatType == 6)
            m_datePattern->setText(m_formatText);
        break;
    default: // no item: the fields stay as they are
        break;
    }
}

void CellDisplayPage::apply()
{
    const int item = m_list->currentRow();
    if (item < 0 || !m_list->currentItem()->isSelected())
        return;
    forEachSelectedCell(state(), [&](int c, int r) {
        switch (item) {
        case Text:
            checkCall(control()->SetCellFormat(c, r, 0, m_textPattern->text()));
            break;
        case Natural:
            checkCall(control()->SetCellFormat(c, r, 1, QString()));
            break;
        case Integer:
            checkCall(control()->SetCellFormat(c, r, 2, QString()));
            break;
        case Real:
            if (m_digits->isChecked())
                checkCall(control()->SetCellFormat(c, r, 11, m_digitCount->text()));
            else
                checkCall(control()->SetCellFormat(c, r, 3, m_realPattern->text()));
            break;
        case Date:
            checkCall(control()->SetCellFormat(c, r, 6, m_datePattern->text()));
            break;
        }
    });
}

} // namespace cellvex::demo
