#include "CellAppendPage.h"

#include "DialogWidgets.h"
#include "HostError.h"
#include "HostState.h"
#include "automation/ICellvex.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace cellvex::demo {

CellAppendPage::CellAppendPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                               QWidget *parent)
    : CellPage(control, state, prompts, parent)
{
    addLabel(this, QStringLiteral("附加字符串个数："), QRect(10, 13, 108, 16));
    m_count = addEdit(this, QStringLiteral("Edit14"), QRect(120, 10, 80, 21));
    addLabel(this, QStringLiteral("附加字符串数值："), QRect(10, 40, 108, 16));
    m_values = new QPlainTextEdit(this);
    m_values->setObjectName(QStringLiteral("Memo3"));
    m_values->setGeometry(120, 38, 248, 92);
    m_values->setLineWrapMode(QPlainTextEdit::NoWrap);
    addLabel(this, QStringLiteral("下一焦点X："), QRect(10, 143, 108, 16));
    m_nextCol = addEdit(this, QStringLiteral("Edit15"), QRect(120, 140, 80, 21));
    addLabel(this, QStringLiteral("下一焦点Y："), QRect(212, 143, 76, 16));
    m_nextRow = addEdit(this, QStringLiteral("Edit16"), QRect(288, 140, 80, 21));
    m_printHide =
        addCheck(this, QStringLiteral("CheckBox2"), QStringLiteral("打印隐藏"), QRect(10, 172, 120, 20));
}

void CellAppendPage::refresh()
{
    const int c = inputCol();
    const int r = inputRow();
    std::int32_t count = 0;
    checkCall(control()->GetAppendRange(c, r, &count));
    m_count->setText(QString::number(count));
    QStringList values;
    for (std::int32_t k = 0; k < count; ++k) {
        QString value;
        checkCall(control()->GetAppendString(c, r, k, &value));
        values << value;
    }
    m_values->setPlainText(values.join(QLatin1Char('\n')));
    bool hidden = false;
    checkCall(control()->GetCellPrintHide(c, r, &hidden));
    m_printHide->setChecked(hidden);
    std::int32_t nextCol = -1;
    std::int32_t nextRow = -1;
    checkCall(control()->GetCellNextPos(c, r, &nextCol, &nextRow));
    m_nextCol->setText(QString::number(nextCol));
    m_nextRow->setText(QString::number(nextRow));
}

void CellAppendPage::apply()
{
    forEachSelectedCell(state(), [&](int c, int r) {
        checkCall(control()->SetAppendRange(c, r, integerFromText(m_count->text())));
        // Values past the memo's last line are empty.
        const QStringList lines = textLines(m_values->toPlainText());
        const int count = integerFromText(m_count->text());
        for (int k = 0; k < count; ++k)
            checkCall(control()->SetAppendString(c, r, k, k < lines.size() ? lines[k] : QString()));
        checkCall(control()->SetCellPrintHide(c, r, m_printHide->isChecked()));
        checkCall(control()->SetCellNextPos(c, r, integerFromText(m_nextCol->text()),
                                            integerFromText(m_nextRow->text())));
    });
}

} // namespace cellvex::demo
