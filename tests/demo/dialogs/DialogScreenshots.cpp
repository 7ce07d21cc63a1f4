#include "AliasDialog.h"
#include "CellPage.h"
#include "CellPropertiesDialog.h"
#include "ExcelExportDialog.h"
#include "ExcelImportDialog.h"
#include "FindDialog.h"
#include "HostState.h"
#include "NumberDialog.h"
#include "RecordingCellvex.h"
#include "ReplaceDialog.h"
#include "ScriptedPrompts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::demo;
using automation::Variant;
using fakes::RecordingCellvex;
using fakes::ScriptedPrompts;

namespace {

QString S(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The widgets placed by hand: the direct children of the dialog, of each
// page, of each group box and of each kind panel.
bool isContainer(const QWidget *w)
{
    return qobject_cast<const QDialog *>(w) || qobject_cast<const CellPage *>(w) ||
           qobject_cast<const QGroupBox *>(w) || w->objectName().startsWith(QLatin1String("Panel"));
}

QString describe(const QWidget *w)
{
    QString text;
    if (auto *label = qobject_cast<const QLabel *>(w))
        text = label->text();
    else if (auto *button = qobject_cast<const QAbstractButton *>(w))
        text = button->text();
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QLatin1String(w->metaObject()->className()), w->objectName(), text);
}

// Every visible text fits its widget, no two visible siblings overlap, and
// everything lies inside its container.
void expectTidy(QWidget *container, const QString &where)
{
    QList<QWidget *> shown;
    for (QObject *object : container->children()) {
        auto *w = qobject_cast<QWidget *>(object);
        if (!w || !w->isVisible() || w->isWindow())
            continue;
        shown << w;
        EXPECT_TRUE(container->rect().contains(w->geometry()))
            << where.toStdString() << ": " << describe(w).toStdString() << " sticks out of its container";
        if (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)) {
            const QSize hint = w->sizeHint();
            // Push buttons ask for a comfortable minimum width; the text itself must fit.
            const int needed =
                qobject_cast<QPushButton *>(w)
                    ? w->fontMetrics().horizontalAdvance(static_cast<QAbstractButton *>(w)->text()) + 8
                    : hint.width();
            EXPECT_LE(needed, w->width())
                << where.toStdString() << ": " << describe(w).toStdString() << " is clipped";
            EXPECT_LE(w->fontMetrics().height(), w->height())
                << where.toStdString() << ": " << describe(w).toStdString();
        }
        if (isContainer(w))
            expectTidy(w, where);
    }
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j)
            EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                << where.toStdString() << ": " << describe(shown[i]).toStdString() << " overlaps "
                << describe(shown[j]).toStdString();
}

void shoot(QWidget *window, const QString &name, QSize client)
{
    window->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->size(), client) << name.toStdString();
    expectTidy(window, name);
    const QString dir = QStringLiteral(CELLVEX_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    const QString file = dir + QStringLiteral("/dialog-%1.png").arg(name);
    EXPECT_TRUE(window->grab().save(file)) << file.toStdString();
}

} // namespace

TEST(DialogScreenshots, HostDialogs)
{
    RecordingCellvex fake;
    fake.returns(S("GetAllAlias"), Variant::fromString(S("2\r\n3\r\n单价\r\n4\r\n1\r\n合计\r\n")));
    fake.returns(S("GetCellAlias"), Variant::fromString(S("单价")));
    HostState state{2, 3, 2, 3, 2, 3};
    ScriptedPrompts prompts;

    AliasDialog alias(&fake, state, prompts);
    shoot(&alias, S("alias"), QSize(401, 312));
    FindDialog find(&fake, prompts);
    shoot(&find, S("find"), QSize(357, 203));
    ReplaceDialog replace(&fake, prompts);
    shoot(&replace, S("replace"), QSize(361, 199));
    NumberDialog number;
    number.setup(S("列值"), S("列号："), S("列宽："));
    shoot(&number, S("number"), QSize(201, 103));
    ExcelExportDialog exportDialog(prompts);
    shoot(&exportDialog, S("excel-export"), QSize(386, 160));
    ExcelImportDialog importDialog(prompts);
    shoot(&importDialog, S("excel-import"), QSize(386, 160));
}

TEST(DialogScreenshots, CellPropertiesPages)
{
    RecordingCellvex fake;
    // A real-number chart cell with a title, two series and a picture-less look.
    fake.returnsOuts(S("GetCellFormat"), {Variant::fromLong(11), Variant::fromString(S("3"))});
    fake.returns(S("GetCellType"), Variant::fromLong(11));
    fake.returnsOuts(S("GetCellChartText"), {Variant::fromString(S("月销量")), Variant::fromString(S("月份")),
                                             Variant::fromString(S("件数"))});
    fake.returns(S("GetCellAllSeriesesText"), Variant::fromString(S("1\r\n甲\r\n1,2\r\n2\r\n乙\r\n3,4\r\n")));
    fake.returns(S("GetCellTextLength"), Variant::fromLong(20));
    fake.returns(S("GetCellDropText"), Variant::fromString(S("男\r\n女")));
    fake.returns(S("GetCellValue"), Variant::fromString(S("提交")));
    fake.returns(S("GetCellButtonText"), Variant::fromString(S("SaveReport")));
    fake.returns(S("GetCellCheckText"), Variant::fromString(S("已审核")));
    fake.returns(S("GetLabelHAlignment"), Variant::fromLong(1));
    fake.returns(S("GetLabelVAlignment"), Variant::fromLong(1));
    fake.returns(S("GetFontName"), Variant::fromString(S("宋体")));
    fake.returns(S("GetFontSize"), Variant::fromLong(9));
    fake.returns(S("GetFontStyleBold"), Variant::fromBool(true));
    fake.returns(S("GetCellIme"), Variant::fromString(S("关闭")));
    fake.returns(S("GetAppendRange"), Variant::fromLong(2));
    fake.returns(S("GetAppendString"), Variant::fromString(S("备注")));
    fake.returnsOuts(S("GetCellNextPos"), {Variant::fromLong(3), Variant::fromLong(4)});
    HostState state{2, 3, 2, 3, 2, 3};
    ScriptedPrompts prompts;
    CellPropertiesDialog dialog(&fake, state, prompts);
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    auto *pages = dialog.findChild<QTabWidget *>(S("PageControl1"));
    ASSERT_TRUE(pages);
    const char *names[] = {"display", "kind", "alignment", "font", "borders", "input", "append"};
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        shoot(&dialog, S("cell-%1-%2").arg(i + 1).arg(S(names[i])), QSize(393, 273));
        expectTidy(pages->widget(i), S(names[i]));
    }
    // The other kinds' panels of the "类型" page.
    pages->setCurrentIndex(1);
    auto *kinds = pages->widget(1)->findChild<QListWidget *>(S("ListView2"));
    ASSERT_TRUE(kinds);
    for (int kind = 0; kind < kinds->count(); ++kind) {
        kinds->setCurrentRow(kind);
        shoot(&dialog, S("cell-2-kind-%1").arg(kind + 1), QSize(393, 273));
        expectTidy(pages->widget(1), S("kind %1").arg(kinds->item(kind)->text()));
    }
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(S("; ")).toStdString();
}
