#include "CellPropertiesDialog.h"

#include "CellAlignmentPage.h"
#include "CellAppendPage.h"
#include "CellBorderPage.h"
#include "CellDisplayPage.h"
#include "CellFontPage.h"
#include "CellInputPage.h"
#include "CellKindPage.h"
#include "DialogWidgets.h"

#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>

namespace cellvex::demo {

CellPropertiesDialog::CellPropertiesDialog(automation::ICellvex *control, const HostState &state,
                                           HostPrompts &prompts, QWidget *parent)
    : QDialog(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("CellPropertiesDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setUpHostDialog(this, QStringLiteral("单元格"), QSize(393, 273));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(4, 4, 385, 232);
    const auto addPage = [&](CellPage *page, const QString &title, const QString &name) {
        page->setObjectName(name);
        m_pages->addTab(page, title);
    };
    addPage(new CellDisplayPage(control, state, prompts), QStringLiteral("显示"),
            QStringLiteral("TabSheet1"));
    addPage(new CellKindPage(control, state, prompts), QStringLiteral("类型"), QStringLiteral("TabSheet2"));
    addPage(new CellAlignmentPage(control, state, prompts), QStringLiteral("对齐"),
            QStringLiteral("TabSheet3"));
    addPage(new CellFontPage(control, state, prompts), QStringLiteral("字体"), QStringLiteral("TabSheet4"));
    addPage(new CellBorderPage(control, state, prompts), QStringLiteral("边框"), QStringLiteral("TabSheet5"));
    addPage(new CellInputPage(control, state, prompts), QStringLiteral("输入"), QStringLiteral("TabSheet6"));
    addPage(new CellAppendPage(control, state, prompts), QStringLiteral("附加"), QStringLiteral("TabSheet7"));
    m_pages->setCurrentIndex(0);

    QPushButton *apply =
        addButton(this, QStringLiteral("Button2"), QStringLiteral("应用"), QRect(226, 243, 75, 25));
    QPushButton *close =
        addButton(this, QStringLiteral("Button1"), QStringLiteral("关闭"), QRect(310, 243, 75, 25));
    apply->setDefault(true);

    connect(m_pages, &QTabWidget::currentChanged, this, [this] { refreshCurrentPage(); });
    connect(apply, &QPushButton::clicked, this, &CellPropertiesDialog::applyCurrentPage);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void CellPropertiesDialog::refreshCurrentPage()
{
    if (auto *page = qobject_cast<CellPage *>(m_pages->currentWidget()))
        runAction(this, m_prompts, [&] { page->refresh(); });
}

void CellPropertiesDialog::applyCurrentPage()
{
    // The page is not refreshed afterwards: the fields keep what was applied.
    if (auto *page = qobject_cast<CellPage *>(m_pages->currentWidget()))
        runAction(this, m_prompts, [&] { page->apply(); });
}

void CellPropertiesDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        refreshCurrentPage();
}

} // namespace cellvex::demo
