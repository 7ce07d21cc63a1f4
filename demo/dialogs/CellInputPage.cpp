#include "CellInputPage.h"

#include "DialogWidgets.h"
#include "HostError.h"
#include "HostState.h"
#include "automation/ICellvex.h"
#include "platform/InputMethods.h"

#include <QComboBox>

namespace cellvex::demo {

CellInputPage::CellInputPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                             QWidget *parent)
    : CellPage(control, state, prompts, parent)
{
    addLabel(this, QStringLiteral("输入法："), QRect(10, 14, 56, 16));
    m_inputMethods = new QComboBox(this);
    m_inputMethods->setObjectName(QStringLiteral("ComboBox3"));
    m_inputMethods->setGeometry(68, 10, 220, 22);
    // An empty name leaves the input method alone, "关闭" turns it off.
    m_inputMethods->addItems(QStringList{QString(), QStringLiteral("关闭")} + inputMethods().installed());
}

void CellInputPage::refresh()
{
    QString name;
    checkCall(control()->GetCellIme(inputCol(), inputRow(), &name));
    m_inputMethods->setCurrentIndex(m_inputMethods->findText(name, Qt::MatchExactly));
}

void CellInputPage::apply()
{
    forEachSelectedCell(state(), [&](int c, int r) {
        checkCall(control()->SetCellIme(c, r, m_inputMethods->currentText()));
    });
}

} // namespace cellvex::demo
