#include "AliasDialog.h"

#include "DialogWidgets.h"
#include "HostError.h"
#include "HostState.h"
#include "automation/ICellvex.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>

namespace cellvex::demo {

namespace {

// The column that holds the alias in each list row.
constexpr int kAliasColumn = 3;

// "X：" and "Y：" side by side on one line of a section.
void addCellFields(QWidget *section, int y, const QString &colName, const QString &rowName, QLineEdit *&col,
                   QLineEdit *&row)
{
    addLabel(section, QStringLiteral("X："), QRect(10, y + 3, 20, 16));
    col = addEdit(section, colName, QRect(30, y, 52, 21));
    addLabel(section, QStringLiteral("Y："), QRect(92, y + 3, 20, 16));
    row = addEdit(section, rowName, QRect(112, y, 55, 21));
}

} // namespace

AliasDialog::AliasDialog(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                         QWidget *parent)
    : QDialog(parent), m_control(control), m_state(state), m_prompts(prompts)
{
    setObjectName(QStringLiteral("AliasDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setUpHostDialog(this, QStringLiteral("别名设置"), QSize(401, 312));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setGeometry(8, 8, 200, 296);
    m_list->setColumnCount(4);
    m_list->setHeaderLabels({QString(), QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("别名")});
    m_list->setRootIsDecorated(false);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setMinimumSectionSize(0);
    m_list->header()->setDefaultAlignment(Qt::AlignCenter);
    const int widths[4] = {0, 40, 40, 100};
    for (int i = 0; i < 4; ++i)
        m_list->setColumnWidth(i, widths[i]);

    QGroupBox *add = addGroup(this, QStringLiteral("GroupBox1"), QString(), QRect(216, 4, 177, 98));
    addCellFields(add, 12, QStringLiteral("Edit1"), QStringLiteral("Edit2"), m_addCol, m_addRow);
    addLabel(add, QStringLiteral("别名："), QRect(10, 43, 40, 16));
    m_addAlias = addEdit(add, QStringLiteral("Edit3"), QRect(52, 40, 115, 21));
    QPushButton *addButtonWidget =
        addButton(add, QStringLiteral("Button1"), QStringLiteral("添加"), QRect(92, 67, 75, 24));

    QGroupBox *byCell = addGroup(this, QStringLiteral("GroupBox2"), QString(), QRect(216, 108, 177, 72));
    addCellFields(byCell, 12, QStringLiteral("Edit4"), QStringLiteral("Edit5"), m_deleteCol, m_deleteRow);
    QPushButton *deleteCell =
        addButton(byCell, QStringLiteral("Button3"), QStringLiteral("删除"), QRect(92, 40, 75, 24));

    QGroupBox *byName = addGroup(this, QStringLiteral("GroupBox3"), QString(), QRect(216, 186, 177, 72));
    addLabel(byName, QStringLiteral("别名："), QRect(10, 15, 40, 16));
    m_deleteAlias = addEdit(byName, QStringLiteral("Edit6"), QRect(52, 12, 115, 21));
    QPushButton *deleteName =
        addButton(byName, QStringLiteral("Button4"), QStringLiteral("删除"), QRect(92, 40, 75, 24));

    QPushButton *deleteAll =
        addButton(this, QStringLiteral("Button2"), QStringLiteral("删除选择"), QRect(216, 278, 84, 26));
    QPushButton *close =
        addButton(this, QStringLiteral("Button5"), QStringLiteral("关闭"), QRect(309, 278, 84, 26));
    close->setDefault(true);

    connect(addButtonWidget, &QPushButton::clicked, this, &AliasDialog::addAlias);
    connect(deleteCell, &QPushButton::clicked, this, &AliasDialog::deleteByPosition);
    connect(deleteName, &QPushButton::clicked, this, &AliasDialog::deleteByName);
    connect(deleteAll, &QPushButton::clicked, this, &AliasDialog::deleteListed);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    refreshList();
}

void AliasDialog::refreshList()
{
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    runAction(this, m_prompts, [&] {
        QString all;
        checkCall(m_control->GetAllAlias(&all));
        // Three lines per aliased cell: column, row, alias. A trailing
        // incomplete group is not a cell.
        const QStringList lines = textLines(all);
        for (qsizetype i = 0; i + 2 < lines.size(); i += 3)
            new QTreeWidgetItem(m_list, {QString(), lines[i], lines[i + 1], lines[i + 2]});
        for (int row = 0; row < m_list->topLevelItemCount(); ++row)
            for (int column = 1; column < 4; ++column)
                m_list->topLevelItem(row)->setTextAlignment(column, Qt::AlignCenter);
    });
    m_list->setUpdatesEnabled(true);
}

void AliasDialog::fillFromInputCell(int col, int row)
{
    const QString colText = QString::number(col);
    const QString rowText = QString::number(row);
    m_addCol->setText(colText);
    m_addRow->setText(rowText);
    m_deleteCol->setText(colText);
    m_deleteRow->setText(rowText);
    runAction(this, m_prompts, [&] {
        QString alias;
        checkCall(m_control->GetCellAlias(col, row, &alias));
        m_addAlias->setText(alias);
        m_deleteAlias->setText(alias);
    });
}

void AliasDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous() && m_state.inputCol >= 0 && m_state.inputRow >= 0)
        fillFromInputCell(m_state.inputCol, m_state.inputRow);
}

// Each action refreshes the list afterwards, also when it stopped on an
// error: the calls made before the error have changed the aliases.
void AliasDialog::addAlias()
{
    runAction(this, m_prompts, [&] {
        const int col = integerFromText(m_addCol->text());
        const int row = integerFromText(m_addRow->text());
        checkCall(m_control->SetCellAlias(col, row, m_addAlias->text()));
    });
    refreshList();
}

void AliasDialog::deleteByPosition()
{
    runAction(this, m_prompts, [&] {
        const int col = integerFromText(m_deleteCol->text());
        const int row = integerFromText(m_deleteRow->text());
        // An empty alias removes the cell's alias.
        checkCall(m_control->SetCellAlias(col, row, QString()));
    });
    refreshList();
}

void AliasDialog::deleteByName()
{
    runAction(this, m_prompts, [&] { checkCall(m_control->DeleteAlias(m_deleteAlias->text())); });
    refreshList();
}

void AliasDialog::deleteListed()
{
    // Every listed alias goes, whether its row is selected or not.
    QStringList aliases;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row)
        aliases << m_list->topLevelItem(row)->text(kAliasColumn);
    runAction(this, m_prompts, [&] {
        for (const QString &alias : aliases)
            checkCall(m_control->DeleteAlias(alias));
    });
    refreshList();
}

} // namespace cellvex::demo
