// The main window following the control's events, the toggle buttons, the
// close prompt and the window's layout.
#include "MainWindowFixture.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

using namespace cellvex;
using namespace cellvex::demo;
using namespace cellvex::demo::fakes;
using automation::Variant;

namespace {

bool checked(MainWindow &window, const char *name)
{
    return window.findChild<QAction *>(QString::fromLatin1(name))->isChecked();
}

} // namespace

using WindowEvents = MainWindowFixture;

TEST_F(WindowEvents, SelectionChangeShowsTheRangeAndReadsTheInputCellInOrder)
{
    auto *fonts = window->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    auto *sizes = window->findChild<QComboBox *>(QStringLiteral("ComboBox2"));
    ASSERT_GT(fonts->count(), 0);
    const QString font = fonts->itemText(0);
    control.returns(QStringLiteral("GetMultiLine"), Variant::fromBool(true));
    control.returns(QStringLiteral("GetFontName"), Variant::fromString(font.toUpper()));
    control.returns(QStringLiteral("GetFontSize"), Variant::fromLong(12));
    control.returns(QStringLiteral("GetCellExpression"),
                    Variant::fromString(QStringLiteral("sum(1, 1, 1, 3)")));
    control.returns(QStringLiteral("GetFontStyleItalic"), Variant::fromBool(true));
    control.returns(QStringLiteral("GetFontStyleStrikeout"), Variant::fromBool(true));

    // The control reports the input cell first, then the selection.
    window->onInputChange(2, 3);
    window->onSelectChange(1, 2, 2, 3);

    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("StatusPanel0"))->text(), "选择范围: (1, 2)-(2, 3)");
    EXPECT_EQ(control.calls(),
              (QStringList{"GetMultiLine(2, 3)", "GetFontName(2, 3)", "GetFontSize(2, 3)",
                           "GetCellExpression(2, 3)", "GetFontStyleBold(2, 3)", "GetFontStyleItalic(2, 3)",
                           "GetFontStyleUnderline(2, 3)", "GetFontStyleStrikeout(2, 3)"}));
    EXPECT_EQ(dialogs.log, (QStringList{"fill alias 2,3", "refresh cell"}));
    EXPECT_EQ(fonts->currentIndex(), 0) << "the font name matches whatever its letter case";
    EXPECT_EQ(sizes->currentText(), "12");
    EXPECT_EQ(window->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text(), "sum(1, 1, 1, 3)");
    EXPECT_TRUE(checked(*window, "tbMultiLine"));
    EXPECT_FALSE(checked(*window, "tbBold"));
    EXPECT_TRUE(checked(*window, "tbItalic"));
    EXPECT_FALSE(checked(*window, "tbUnderline"));
    EXPECT_TRUE(checked(*window, "tbStrikeout"));

    // A font that is not installed and a size not in the list show no item.
    control.returns(QStringLiteral("GetFontName"), Variant::fromString(QStringLiteral("没有这种字体")));
    control.returns(QStringLiteral("GetFontSize"), Variant::fromLong(13));
    window->onSelectChange(1, 2, 2, 3);
    EXPECT_EQ(fonts->currentIndex(), -1);
    EXPECT_EQ(sizes->currentIndex(), -1);

    // Nothing selected: no reads, everything cleared, the multi-line button kept.
    control.clearCalls();
    window->onSelectChange(-1, -1, -1, -1);
    EXPECT_TRUE(control.calls().isEmpty());
    EXPECT_TRUE(window->findChild<QLabel *>(QStringLiteral("StatusPanel0"))->text().isEmpty());
    EXPECT_EQ(fonts->currentIndex(), -1);
    EXPECT_EQ(sizes->currentIndex(), -1);
    EXPECT_TRUE(window->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text().isEmpty());
    for (const char *style : {"tbBold", "tbItalic", "tbUnderline", "tbStrikeout"})
        EXPECT_FALSE(checked(*window, style)) << style;
    EXPECT_TRUE(checked(*window, "tbMultiLine"));
    EXPECT_EQ(state.selMinX, -1);
}

// The input cell alone decides the new value, which every selected cell gets.
TEST_F(WindowEvents, StyleButtonsToggleByTheInputCell)
{
    const struct
    {
        const char *action;
        const char *getter;
        const char *setter;
    } rows[] = {{"tbBold", "GetFontStyleBold", "SetFontStyleBold"},
                {"tbItalic", "GetFontStyleItalic", "SetFontStyleItalic"},
                {"tbUnderline", "GetFontStyleUnderline", "SetFontStyleUnderline"},
                {"tbStrikeout", "GetFontStyleStrikeout", "SetFontStyleStrikeout"},
                {"tbMultiLine", "GetMultiLine", "SetMultiLine"}};
    selectTwoByTwo();
    for (const auto &row : rows) {
        for (bool inputCellOn : {true, false}) {
            control.clearCalls();
            control.returns(QString::fromLatin1(row.getter), Variant::fromBool(inputCellOn));
            trigger(QString::fromLatin1(row.action));
            QStringList expected{QStringLiteral("%1(2, 3)").arg(QLatin1String(row.getter))};
            expected << overTwoByTwo(
                QStringLiteral("%1(%2, %3, %4)")
                    .arg(QLatin1String(row.setter), QStringLiteral("%1"), QStringLiteral("%2"),
                         inputCellOn ? QStringLiteral("false") : QStringLiteral("true")));
            EXPECT_EQ(control.calls(), expected) << row.action;
            EXPECT_EQ(checked(*window, row.action), !inputCellOn) << row.action;
        }
    }
}

TEST_F(WindowEvents, PolesButtonCyclesThroughThreeModesByDispatchId)
{
    int mode = 1;
    control.on(QStringLiteral("Invoke:65"), [&mode](const std::vector<Variant> &ins, auto &outs) {
        if (ins.empty())
            outs.back() = Variant::fromLong(mode);
        else
            mode = ins.front().asLong();
        return automation::S_OK;
    });
    for (int i = 0; i < 3; ++i)
        trigger(QStringLiteral("tbPoles"));
    EXPECT_EQ(mode, 1);
    EXPECT_EQ(control.calls(), (QStringList{"Invoke(65, 2)", "Invoke(65, 4, 2)", "Invoke(65, 2)",
                                            "Invoke(65, 4, 0)", "Invoke(65, 2)", "Invoke(65, 4, 1)"}));
}

TEST_F(WindowEvents, FontAndSizeListsSetEverySelectedCell)
{
    selectTwoByTwo();
    auto *fonts = window->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    auto *sizes = window->findChild<QComboBox *>(QStringLiteral("ComboBox2"));
    ASSERT_EQ(sizes->count(), 28);
    emit fonts->activated(0);
    emit sizes->activated(sizes->findText(QStringLiteral("14")));
    QStringList expected =
        overTwoByTwo(QStringLiteral("SetFontName(%1, %2, \"%3\")")
                         .arg(QStringLiteral("%1"), QStringLiteral("%2"), fonts->itemText(0)));
    expected << overTwoByTwo(QStringLiteral("SetFontSize(%1, %2, 14)"));
    EXPECT_EQ(control.calls(), expected);
}

TEST_F(WindowEvents, AFailingMemberStopsTheCommandAndShowsItsError)
{
    selectTwoByTwo();
    control.fails(QStringLiteral("SetCellReadOnly"), QStringLiteral("SetCellReadOnly 尚未实现"));
    trigger(QStringLiteral("tbReadOnly"));
    EXPECT_EQ(control.calls(), QStringList{"SetCellReadOnly(1, 2, true)"});
    EXPECT_EQ(prompts.log, QStringList{"error SetCellReadOnly 尚未实现"});
}

TEST_F(WindowEvents, ErrorsShowInABoxAndRightClicksPopUpTheirMenus)
{
    window->onControlError(QStringLiteral("公式错误，除数为零"));
    EXPECT_EQ(prompts.log, QStringList{"message 错误: 公式错误，除数为零"});

    const struct
    {
        std::function<void()> click;
        const char *menu;
    } rows[] = {{[&] { window->onPoleRClick(3, 0, 100, 100); }, "PopupMenu1"},
                {[&] { window->onPoleRClick(3, 1, 100, 100); }, "PopupMenu2"},
                {[&] { window->onCellRClick(2, 2, 100, 100); }, "PopupMenu3"}};
    for (const auto &row : rows) {
        row.click();
        for (const char *name : {"PopupMenu1", "PopupMenu2", "PopupMenu3"}) {
            auto *menu = window->findChild<QMenu *>(QString::fromLatin1(name));
            EXPECT_EQ(menu->isVisible(), qstrcmp(name, row.menu) == 0) << row.menu << " " << name;
            menu->hide();
        }
    }
}

TEST_F(WindowEvents, ClosingAsksOnlyForUnsavedChangesAndKeepsThemWhenTheSaveIsCancelled)
{
    bool saved = false;
    control.on(QStringLiteral("Invoke:123"), [&saved](const auto &, auto &outs) {
        outs.back() = Variant::fromBool(saved);
        return automation::S_OK;
    });
    const QString ask = "ask 提示: 文件已修改，是否保存其修改的内容？";
    const QString file = path(QStringLiteral("kept.cvd"));
    struct Row
    {
        bool saved;
        std::deque<HostPrompts::Answer> answers;
        std::deque<QString> saveNames;
        bool closes;
        QStringList saves;
    };
    const Row rows[] = {
        {true, {}, {}, true, {}},
        {false, {HostPrompts::Answer::Cancel}, {}, false, {}},
        {false, {HostPrompts::Answer::No}, {}, true, {}},
        {false, {HostPrompts::Answer::Yes}, {file}, true, {QStringLiteral("SaveReport(\"%1\")").arg(file)}},
        {false, {HostPrompts::Answer::Yes}, {}, false, {}},
    };
    for (const Row &row : rows) {
        prompts.log.clear();
        control.clearCalls();
        // The window's close box and the menu's "退出" take the same way.
        for (bool fromMenu : {false, true}) {
            saved = row.saved;
            prompts.answers = row.answers;
            prompts.saveNames = row.saveNames;
            window->show();
            if (fromMenu)
                trigger(QStringLiteral("miExit"));
            else
                window->close();
            EXPECT_EQ(window->isVisible(), !row.closes) << fromMenu;
        }
        EXPECT_EQ(prompts.log.count(ask), row.saved ? 0 : 2);
        EXPECT_EQ(control.callsTo(QStringLiteral("SaveReport")), row.saves + row.saves);
    }
}

TEST_F(WindowEvents, HelpOpensThePageBesideTheProgramOnlyWhenItIsThere)
{
    QList<QUrl> opened;
    window->commands().setUrlOpener([&](const QUrl &url) { opened << url; });
    trigger(QStringLiteral("miHelp"));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(prompts.log.isEmpty());
    QFile page(path(QStringLiteral("帮助文件.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    trigger(QStringLiteral("miHelp"));
    EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(page.fileName())});
}

TEST_F(WindowEvents, ClockShowsDateAndTimeWithTwoDigitFields)
{
    EXPECT_EQ(MainWindow::clockText(QDateTime(QDate(2026, 1, 5), QTime(7, 8, 9))), "2026年01月05日 07:08:09");
    EXPECT_EQ(MainWindow::clockText(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 0))),
              "2026年12月31日 23:59:00");
    EXPECT_FALSE(window->findChild<QLabel *>(QStringLiteral("StatusPanel2"))->text().isEmpty());
}

// The toolbars in order with their buttons' hints ("|" a separator), the
// hint being a button's only text.
TEST_F(WindowEvents, ToolbarsHoldTheirButtonsInOrder)
{
    const QStringList bars{"ToolBar1", "ToolBar2", "ToolBar3", "ToolBar4", "ToolBar7",
                           "ToolBar6", "ToolBar9", "ToolBar5", "ToolBar8", "ToolBar11"};
    const QStringList hints[] = {
        {"列宽", "行高", "|", "插入列", "插入行", "删除列", "删除行", "追加列", "追加行"},
        {"剪切", "复制", "粘贴", "|", "合并", "分割"},
        {"新建", "打开", "保存", "|", "打印设置", "打印预览", "打印"},
        {"多行", "居左", "居中", "居右", "居上", "居中", "居下", "|", "只读", "读写"},
        {"字体", "字号", "粗体", "斜体", "下划线", "删除线", "字体颜色", "背景颜色"},
        {"标杆"},
        {"编写脚本", "初始脚本"},
        {"", "公式", "设置公式", "|", "纵向计算", "横向计算"},
        {"添加图片", "清除图片"},
        {"边框", "边框", "边框", "边框", "边框", "边框", "边框", "边框", "边框", "|", "边框", "边框", "边框",
         "边框"},
    };
    const QList<QToolBar *> found = window->findChildren<QToolBar *>();
    ASSERT_EQ(found.size(), bars.size());
    for (qsizetype i = 0; i < bars.size(); ++i) {
        auto *bar = window->findChild<QToolBar *>(bars[i]);
        ASSERT_NE(bar, nullptr) << bars[i].toStdString();
        EXPECT_TRUE(bar->isMovable());
        EXPECT_EQ(window->toolBarArea(bar), Qt::TopToolBarArea);
        QStringList seen;
        for (QAction *action : bar->actions()) {
            if (action->isSeparator()) {
                seen << "|";
            } else if (QWidget *widget = bar->widgetForAction(action);
                       widget && !qobject_cast<QToolButton *>(widget)) {
                seen << widget->toolTip();
            } else {
                seen << action->toolTip();
                EXPECT_FALSE(action->icon().pixmap(20, 20).isNull()) << action->objectName().toStdString();
                EXPECT_EQ(qobject_cast<QToolButton *>(widget)->toolButtonStyle(), Qt::ToolButtonIconOnly);
            }
        }
        EXPECT_EQ(seen, hints[i]) << bars[i].toStdString();
    }
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("StatusPanel0"))->width(), 240);
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("StatusPanel1"))->width(), 260);
}
