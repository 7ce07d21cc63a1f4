#include "CellFontPage.h"

#include "DialogWidgets.h"
#include "HostError.h"
#include "HostPrompts.h"
#include "HostState.h"
#include "automation/ICellvex.h"

#include <QFont>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace cellvex::demo {

namespace {

QListWidget *addList(QWidget *parent, const QString &name, QRect geometry, const QStringList &items)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(geometry);
    list->addItems(items);
    return list;
}

// The fonts a report can name: the installed families, and the names the
// program maps to installed fonts ("宋体" and the like), which render the same.
QStringList fontNames()
{
    QStringList names = QFontDatabase::families();
    for (const QString &substituted : QFont::substitutions())
        if (!names.contains(substituted, Qt::CaseInsensitive))
            names << substituted;
    names.sort(Qt::CaseInsensitive);
    return names;
}

// Selects the item with this text (letter case ignored), or none.
void selectText(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchFixedString);
    if (found.isEmpty()) {
        list->setCurrentRow(-1);
        list->clearSelection();
        return;
    }
    list->setCurrentItem(found.first());
    list->scrollToItem(found.first());
}

// The selected item's text; an unselected list cannot give one.
QString selectedText(const QListWidget *list, const QString &what)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        throw HostError(QStringLiteral("没有选择%1").arg(what));
    return selected.first()->text();
}

} // namespace

const QStringList &CellFontPage::fontSizes()
{
    static const QStringList sizes = {
        QStringLiteral("5"),   QStringLiteral("6"),   QStringLiteral("7"),    QStringLiteral("8"),
        QStringLiteral("9"),   QStringLiteral("10"),  QStringLiteral("11"),   QStringLiteral("12"),
        QStringLiteral("14"),  QStringLiteral("16"),  QStringLiteral("18"),   QStringLiteral("20"),
        QStringLiteral("22"),  QStringLiteral("24"),  QStringLiteral("26"),   QStringLiteral("28"),
        QStringLiteral("30"),  QStringLiteral("36"),  QStringLiteral("42"),   QStringLiteral("48"),
        QStringLiteral("72"),  QStringLiteral("100"), QStringLiteral("150"),  QStringLiteral("300"),
        QStringLiteral("500"), QStringLiteral("800"), QStringLiteral("1200"), QStringLiteral("2000")};
    return sizes;
}

CellFontPage::CellFontPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                           QWidget *parent)
    : CellPage(control, state, prompts, parent)
{
    m_fonts = addList(this, QStringLiteral("ListBox1"), QRect(8, 8, 176, 162), fontNames());
    m_styles = addList(
        this, QStringLiteral("ListBox2"), QRect(192, 8, 86, 80),
        {QStringLiteral("粗体"), QStringLiteral("斜体"), QStringLiteral("下划线"), QStringLiteral("删除线")});
    m_styles->setSelectionMode(QAbstractItemView::MultiSelection);
    m_sizes = addList(this, QStringLiteral("ListBox3"), QRect(286, 8, 82, 162), fontSizes());
    selectText(m_fonts, QStringLiteral("宋体"));
    selectText(m_sizes, QStringLiteral("9"));

    addLabel(this, QStringLiteral("字体："), QRect(8, 182, 40, 16));
    m_fontColor = addEdit(this, QStringLiteral("Edit9"), QRect(48, 179, 96, 21), QStringLiteral("0"));
    QPushButton *fontColorButton =
        addButton(this, QStringLiteral("Button7"), QStringLiteral("…"), QRect(148, 178, 28, 23));
    addLabel(this, QStringLiteral("背景："), QRect(192, 182, 40, 16));
    m_backColor = addEdit(this, QStringLiteral("Edit17"), QRect(232, 179, 96, 21), QStringLiteral("0"));
    QPushButton *backColorButton =
        addButton(this, QStringLiteral("Button8"), QStringLiteral("…"), QRect(332, 178, 28, 23));

    connect(fontColorButton, &QPushButton::clicked, this, [this] { chooseColor(m_fontColor); });
    connect(backColorButton, &QPushButton::clicked, this, [this] { chooseColor(m_backColor); });
}

void CellFontPage::refresh()
{
    const int c = inputCol();
    const int r = inputRow();
    QString name;
    checkCall(control()->GetFontName(c, r, &name));
    selectText(m_fonts, name);

    bool styles[4] = {};
    checkCall(control()->GetFontStyleBold(c, r, &styles[0]));
    checkCall(control()->GetFontStyleItalic(c, r, &styles[1]));
    checkCall(control()->GetFontStyleUnderline(c, r, &styles[2]));
    checkCall(control()->GetFontStyleStrikeout(c, r, &styles[3]));
    for (int i = 0; i < 4; ++i)
        m_styles->item(i)->setSelected(styles[i]);

    std::int32_t size = 0;
    checkCall(control()->GetFontSize(c, r, &size));
    selectText(m_sizes, QString::number(size));
    std::int32_t color = 0;
    checkCall(control()->GetFontColor(c, r, &color));
    m_fontColor->setText(QString::number(color));
    std::int32_t back = 0;
    checkCall(control()->GetCellBackColor(c, r, &back));
    m_backColor->setText(QString::number(back));
}

void CellFontPage::apply()
{
    forEachSelectedCell(state(), [&](int c, int r) {
        checkCall(control()->SetFontName(c, r, selectedText(m_fonts, QStringLiteral("字体"))));
        checkCall(
            control()->SetFontSize(c, r, integerFromText(selectedText(m_sizes, QStringLiteral("字号")))));
        checkCall(control()->SetFontColor(c, r, integerFromText(m_fontColor->text())));
        checkCall(control()->SetCellBackColor(c, r, integerFromText(m_backColor->text())));
        checkCall(control()->SetFontStyleBold(c, r, m_styles->item(0)->isSelected()));
        checkCall(control()->SetFontStyleItalic(c, r, m_styles->item(1)->isSelected()));
        checkCall(control()->SetFontStyleUnderline(c, r, m_styles->item(2)->isSelected()));
        checkCall(control()->SetFontStyleStrikeout(c, r, m_styles->item(3)->isSelected()));
    });
}

void CellFontPage::chooseColor(QLineEdit *field)
{
    if (const std::optional<std::uint32_t> color = prompts().chooseColor(this))
        field->setText(QString::number(*color));
}

} // namespace cellvex::demo
