#include "CellKindPage.h"

#include "DialogWidgets.h"
#include "HostError.h"
#include "HostState.h"
#include "automation/ICellvex.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace cellvex::demo {

namespace {

// The control's cell types of the six kinds, in list order.
constexpr int kCellTypes[] = {1, 2, 6, 11, 12, 14};

int kindOfCellType(int type)
{
    for (int kind = 0; kind < 6; ++kind)
        if (kCellTypes[kind] == type)
            return kind;
    return -1;
}

QPlainTextEdit *addMemo(QWidget *parent, const QString &name, QRect geometry)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setGeometry(geometry);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    return memo;
}

// The series of a chart cell, three lines each: type, sign text, data text.
QStringList seriesLines(automation::ICellvex *control, int col, int row)
{
    QString text;
    checkCall(control->GetCellAllSeriesesText(col, row, &text));
    return textLines(text);
}

} // namespace

CellKindPage::CellKindPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                           QWidget *parent)
    : CellPage(control, state, prompts, parent)
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListView2"));
    m_list->setGeometry(8, 8, 96, 186);
    m_list->addItems({QStringLiteral("文本"), QStringLiteral("选择"), QStringLiteral("日期"),
                      QStringLiteral("图表"), QStringLiteral("按钮"), QStringLiteral("复选")});

    for (int kind = 0; kind < KindCount; ++kind) {
        m_panels[kind] = new QWidget(this);
        m_panels[kind]->setObjectName(QStringLiteral("Panel%1").arg(kind + 1));
        m_panels[kind]->setGeometry(112, 8, 262, 190);
        m_panels[kind]->hide();
    }

    addLabel(m_panels[Text], QStringLiteral("最大长度："), QRect(0, 3, 64, 16));
    m_maxLength = addEdit(m_panels[Text], QStringLiteral("Edit18"), QRect(66, 0, 80, 21));

    addLabel(m_panels[Drop], QStringLiteral("列表内容："), QRect(0, 0, 120, 16));
    m_items = addMemo(m_panels[Drop], QStringLiteral("Memo1"), QRect(0, 20, 254, 166));

    buildChartPanel(m_panels[Chart]);

    addLabel(m_panels[Button], QStringLiteral("按钮标题："), QRect(0, 3, 64, 16));
    m_caption = addEdit(m_panels[Button], QStringLiteral("Edit6"), QRect(66, 0, 188, 21));
    addLabel(m_panels[Button], QStringLiteral("按钮动作："), QRect(0, 30, 120, 16));
    m_action = addMemo(m_panels[Button], QStringLiteral("Memo2"), QRect(0, 50, 254, 136));

    addLabel(m_panels[Check], QStringLiteral("复选内容："), QRect(0, 3, 64, 16));
    m_checkText = addEdit(m_panels[Check], QStringLiteral("Edit21"), QRect(66, 0, 188, 21));

    connect(m_list, &QListWidget::currentRowChanged, this,
            [this](int kind) { runAction(this, this->prompts(), [&] { showKind(kind); }); });
}

void CellKindPage::buildChartPanel(QWidget *panel)
{
    addLabel(panel, QStringLiteral("图表标题："), QRect(0, 3, 64, 16));
    m_chartTitle = addEdit(panel, QStringLiteral("Edit3"), QRect(66, 0, 188, 21));
    addLabel(panel, QStringLiteral("横轴标题："), QRect(0, 29, 64, 16));
    m_axisX = addEdit(panel, QStringLiteral("Edit4"), QRect(66, 26, 188, 21));
    addLabel(panel, QStringLiteral("纵轴标题："), QRect(0, 55, 64, 16));
    m_axisY = addEdit(panel, QStringLiteral("Edit5"), QRect(66, 52, 188, 21));

    addLabel(panel, QStringLiteral("图表："), QRect(0, 85, 64, 16));
    m_series = new QComboBox(panel);
    m_series->setObjectName(QStringLiteral("ComboBox4"));
    m_series->setGeometry(66, 82, 60, 21);
    m_series->setToolTip(QStringLiteral("序列号"));
    m_seriesType = addEdit(panel, QStringLiteral("Edit10"), QRect(132, 82, 122, 21));
    m_seriesType->setPlaceholderText(QStringLiteral("序列类型"));
    m_seriesSigns = addEdit(panel, QStringLiteral("Edit11"), QRect(66, 108, 188, 21));
    m_seriesSigns->setPlaceholderText(QStringLiteral("标识文字"));
    m_seriesData = addEdit(panel, QStringLiteral("Edit12"), QRect(66, 134, 188, 21));
    m_seriesData->setPlaceholderText(QStringLiteral("数据文字"));
    QPushButton *add =
        addButton(panel, QStringLiteral("Button5"), QStringLiteral("添加"), QRect(66, 162, 70, 24));
    QPushButton *clear =
        addButton(panel, QStringLiteral("Button6"), QStringLiteral("清除"), QRect(144, 162, 70, 24));

    // Only a number the user picks fills the fields; the list's rebuilds do not.
    connect(m_series, &QComboBox::activated, this,
            [this](int index) { runAction(this, this->prompts(), [&] { showSeries(index); }); });
    connect(add, &QPushButton::clicked, this,
            [this] { runAction(this, this->prompts(), [&] { addSeries(); }); });
    connect(clear, &QPushButton::clicked, this,
            [this] { runAction(this, this->prompts(), [&] { clearSeries(); }); });
}

void CellKindPage::refresh()
{
    std::int32_t type = -1;
    checkCall(control()->GetCellType(inputCol(), inputRow(), &type));
    const int kind = kindOfCellType(type);
    {
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentRow(kind);
        if (kind < 0)
            m_list->clearSelection();
    }
    showKind(kind);
}

void CellKindPage::showKind(int kind)
{
    for (QWidget *panel : m_panels)
        panel->hide();
    if (kind < 0 || kind >= KindCount)
        return;
    m_panels[kind]->show();
    const int c = inputCol();
    const int r = inputRow();
    switch (kind) {
    case Text: {
        std::int32_t length = 0;
        checkCall(control()->GetCellTextLength(c, r, &length));
        m_maxLength->setText(QString::number(length));
        break;
    }
    case Drop: {
        QString items;
        checkCall(control()->GetCellDropText(c, r, &items));
        m_items->setPlainText(lfText(items));
        break;
    }
    case Chart: {
        QString title, horizontal, vertical;
        checkCall(control()->GetCellChartText(c, r, &title, &horizontal, &vertical));
        m_chartTitle->setText(title);
        m_axisX->setText(horizontal);
        m_axisY->setText(vertical);
        rebuildSeriesList();
        break;
    }
    case Button: {
        QString caption, action;
        checkCall(control()->GetCellValue(c, r, &caption));
        m_caption->setText(caption);
        checkCall(control()->GetCellButtonText(c, r, &action));
        m_action->setPlainText(lfText(action));
        break;
    }
    case Check: {
        QString text;
        checkCall(control()->GetCellCheckText(c, r, &text));
        m_checkText->setText(text);
        break;
    }
    default: // a date cell has nothing to show
        break;
    }
}

void CellKindPage::rebuildSeriesList()
{
    const qsizetype count = seriesLines(control(), inputCol(), inputRow()).size() / 3;
    m_series->clear();
    for (qsizetype n = 1; n <= count; ++n)
        m_series->addItem(QString::number(n));
    m_series->setCurrentIndex(-1);
}

void CellKindPage::showSeries(int index)
{
    if (index < 0)
        return;
    const int n = m_series->itemText(index).toInt();
    const QStringList lines = seriesLines(control(), inputCol(), inputRow());
    const auto line = [&](qsizetype i) { return i >= 0 && i < lines.size() ? lines[i] : QString(); };
    m_seriesType->setText(line(3 * n - 3));
    m_seriesSigns->setText(line(3 * n - 2));
    m_seriesData->setText(line(3 * n - 1));
}

void CellKindPage::addSeries()
{
    forEachSelectedCell(state(), [&](int c, int r) {
        checkCall(control()->AddChartSeries(c, r, integerFromText(m_seriesType->text()),
                                            m_seriesSigns->text(), m_seriesData->text()));
    });
    rebuildSeriesList();
    m_series->setCurrentIndex(m_series->count() - 1);
}

void CellKindPage::clearSeries()
{
    forEachSelectedCell(state(), [&](int c, int r) { checkCall(control()->ClearChartSeries(c, r)); });
    m_series->clear();
}

void CellKindPage::apply()
{
    const int kind = m_list->currentRow();
    if (kind < 0 || !m_list->currentItem()->isSelected())
        return;
    forEachSelectedCell(state(), [&](int c, int r) {
        switch (kind) {
        case Text:
            checkCall(control()->SetTextCell(c, r, integerFromText(m_maxLength->text())));
            break;
        case Drop:
            checkCall(control()->SetDropCell(c, r, crlfText(m_items->toPlainText())));
            break;
        case Date:
            checkCall(control()->SetDateTimeCell(c, r));
            break;
        case Chart:
            checkCall(control()->SetChartCell(c, r, m_chartTitle->text(), m_axisX->text(), m_axisY->text()));
            break;
        case Button:
            checkCall(control()->SetButtonCell(c, r, m_caption->text(), crlfText(m_action->toPlainText())));
            break;
        case Check:
            checkCall(control()->SetCheckCell(c, r, m_checkText->text()));
            break;
        }
    });
}

} // namespace cellvex::demo
