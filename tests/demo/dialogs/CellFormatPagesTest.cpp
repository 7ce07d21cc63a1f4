#include "CellDialogFixture.h"
#include "platform/InputMethods.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

using namespace cellvex;
using namespace cellvex::demo;
using namespace cellvex::demo::testing;
using automation::Variant;
using fakes::RecordingCellvex;
using fakes::ScriptedPrompts;

TEST(CellPropertiesDialog, OpensOnTheDisplayPageStaysOnTopAndFreesItselfWhenClosed)
{
    RecordingCellvex fake;
    HostState state{1, 1, 1, 1, 4, 5};
    ScriptedPrompts prompts;
    QPointer<CellPropertiesDialog> dialog = new CellPropertiesDialog(&fake, state, prompts);
    dialog->show();
    EXPECT_EQ(fake.calls(), QStringList{S("GetCellFormat(4, 5)")});
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog->windowTitle(), S("单元格"));
    EXPECT_TRUE(child<QPushButton>(dialog, S("Button2"))->isDefault());
    QStringList titles;
    auto *pages = child<QTabWidget>(dialog, S("PageControl1"));
    for (int i = 0; i < pages->count(); ++i)
        titles << pages->tabText(i);
    EXPECT_EQ(titles,
              (QStringList{S("显示"), S("类型"), S("对齐"), S("字体"), S("边框"), S("输入"), S("附加")}));
    click(child<QPushButton>(dialog, S("Button1")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

TEST(CellPropertiesDialog, DisplayPageShowsTheFormatAndAppliesItToEachSelectedCell)
{
    struct Row
    {
        int type;
        const char *text;
        const char *item;
        QStringList shown; // the visible radios and fields
        const char *chosenRadio;
        QStringList applied;
    };
    const QStringList real = {S("RadioButton1"), S("RadioButton2"), S("Edit1"), S("Edit2")};
    const Row rows[] = {
        {11,
         "3",
         "实数",
         real,
         "RadioButton2",
         {S("SetCellFormat(1, 1, 11, \"3\")"), S("SetCellFormat(1, 2, 11, \"3\")")}},
        {3,
         "#,##0.00",
         "实数",
         real,
         "RadioButton1",
         {S("SetCellFormat(1, 1, 3, \"#,##0.00\")"), S("SetCellFormat(1, 2, 3, \"#,##0.00\")")}},
        {0,
         "@",
         "字符串",
         {S("RadioButton1"), S("Edit19")},
         "RadioButton1",
         {S("SetCellFormat(1, 1, 0, \"@\")"), S("SetCellFormat(1, 2, 0, \"@\")")}},
        {6,
         "yyyy-mm-dd",
         "日期类型",
         {S("RadioButton1"), S("Edit20")},
         "RadioButton1",
         {S("SetCellFormat(1, 1, 6, \"yyyy-mm-dd\")"), S("SetCellFormat(1, 2, 6, \"yyyy-mm-dd\")")}},
        {1,
         "",
         "自然数",
         {},
         nullptr,
         {S("SetCellFormat(1, 1, 1, \"\")"), S("SetCellFormat(1, 2, 1, \"\")")}},
        {2, "", "整数", {}, nullptr, {S("SetCellFormat(1, 1, 2, \"\")"), S("SetCellFormat(1, 2, 2, \"\")")}},
        {4, "x", "", {S("RadioButton1"), S("Edit19")}, "RadioButton1", {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.type);
        CellDialog t;
        t.fake.returnsOuts(S("GetCellFormat"),
                           {Variant::fromLong(row.type), Variant::fromString(S(row.text))});
        t.open();
        EXPECT_EQ(t.fake.calls(), QStringList{S("GetCellFormat(2, 3)")});
        EXPECT_EQ(selectedItem(t.get<QListWidget>("ListView1")), S(row.item));
        QStringList shown;
        for (const char *name : {"RadioButton1", "RadioButton2", "Edit1", "Edit2", "Edit19", "Edit20"})
            if (t.get<QWidget>(name)->isVisible())
                shown << S(name);
        EXPECT_EQ(shown, row.shown);
        if (row.chosenRadio) {
            EXPECT_TRUE(t.get<QRadioButton>(row.chosenRadio)->isChecked());
        }
        EXPECT_EQ(t.applied(), row.applied);
    }
}

TEST(CellPropertiesDialog, DisplayFieldsKeepTheirTextUnlessTheFormatBelongsThere)
{
    CellDialog t;
    t.fake.returnsOuts(S("GetCellFormat"), {Variant::fromLong(11), Variant::fromString(S("3"))});
    t.open();
    retype(t.get<QLineEdit>("Edit1"), S("0.0"));
    pick(t.get<QListWidget>("ListView1"), S("字符串"));
    EXPECT_TRUE(t.get<QLineEdit>("Edit19")->isVisible());
    EXPECT_EQ(t.get<QLineEdit>("Edit19")->text(), QString()) << "the cell's format is not a text format";
    pick(t.get<QListWidget>("ListView1"), S("实数"));
    click(t.get<QRadioButton>("RadioButton1"));
    EXPECT_EQ(t.applied(),
              (QStringList{S("SetCellFormat(1, 1, 3, \"0.0\")"), S("SetCellFormat(1, 2, 3, \"0.0\")")}));
}

TEST(CellPropertiesDialog, KindPageShowsTheKindsPanelAndAppliesTheKind)
{
    struct Row
    {
        int type;
        const char *item;
        const char *panel;
        QStringList refreshCalls;
        std::function<void(CellDialog &)> check;
        QStringList applied;
    };
    const Row rows[] = {
        {1,
         "文本",
         "Panel1",
         {S("GetCellTextLength(2, 3)")},
         [](CellDialog &t) { EXPECT_EQ(t.get<QLineEdit>("Edit18")->text(), S("12")); },
         {S("SetTextCell(1, 1, 12)"), S("SetTextCell(1, 2, 12)")}},
        {2,
         "选择",
         "Panel2",
         {S("GetCellDropText(2, 3)")},
         [](CellDialog &t) { EXPECT_EQ(t.get<QPlainTextEdit>("Memo1")->toPlainText(), S("男\n女")); },
         {S("SetDropCell(1, 1, \"男\r\n女\")"), S("SetDropCell(1, 2, \"男\r\n女\")")}},
        {6, "日期", "Panel3", {}, nullptr, {S("SetDateTimeCell(1, 1)"), S("SetDateTimeCell(1, 2)")}},
        {11,
         "图表",
         "Panel4",
         {S("GetCellChartText(2, 3)"), S("GetCellAllSeriesesText(2, 3)")},
         [](CellDialog &t) {
             EXPECT_EQ(t.get<QLineEdit>("Edit3")->text(), S("销量"));
             EXPECT_EQ(t.get<QLineEdit>("Edit5")->text(), S("件"));
             auto *series = t.get<QComboBox>("ComboBox4");
             EXPECT_EQ(series->count(), 2);
             EXPECT_EQ(series->currentIndex(), -1);
         },
         {S("SetChartCell(1, 1, \"销量\", \"月\", \"件\")"),
          S("SetChartCell(1, 2, \"销量\", \"月\", \"件\")")}},
        {12,
         "按钮",
         "Panel5",
         {S("GetCellValue(2, 3)"), S("GetCellButtonText(2, 3)")},
         [](CellDialog &t) { EXPECT_EQ(t.get<QLineEdit>("Edit6")->text(), S("提交")); },
         {S("SetButtonCell(1, 1, \"提交\", \"Save\r\nClose\")"),
          S("SetButtonCell(1, 2, \"提交\", \"Save\r\nClose\")")}},
        {14,
         "复选",
         "Panel6",
         {S("GetCellCheckText(2, 3)")},
         [](CellDialog &t) { EXPECT_EQ(t.get<QLineEdit>("Edit21")->text(), S("同意")); },
         {S("SetCheckCell(1, 1, \"同意\")"), S("SetCheckCell(1, 2, \"同意\")")}},
        {0, "", "", {}, nullptr, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.type);
        CellDialog t;
        t.fake.returns(S("GetCellType"), Variant::fromLong(row.type));
        t.fake.returns(S("GetCellTextLength"), Variant::fromLong(12));
        t.fake.returns(S("GetCellDropText"), Variant::fromString(S("男\r\n女")));
        t.fake.returnsOuts(
            S("GetCellChartText"),
            {Variant::fromString(S("销量")), Variant::fromString(S("月")), Variant::fromString(S("件"))});
        t.fake.returns(S("GetCellAllSeriesesText"),
                       Variant::fromString(S("1\r\n甲\r\n1,2\r\n2\r\n乙\r\n3,4\r\n0")));
        t.fake.returns(S("GetCellValue"), Variant::fromString(S("提交")));
        t.fake.returns(S("GetCellButtonText"), Variant::fromString(S("Save\r\nClose")));
        t.fake.returns(S("GetCellCheckText"), Variant::fromString(S("同意")));
        t.open();
        t.fake.clearCalls();
        showPage(t.pages(), S("类型"));
        EXPECT_EQ(t.fake.calls(), QStringList{S("GetCellType(2, 3)")} + row.refreshCalls);
        EXPECT_EQ(selectedItem(t.get<QListWidget>("ListView2")), S(row.item));
        for (int i = 1; i <= 6; ++i) {
            const QString panel = QStringLiteral("Panel%1").arg(i);
            EXPECT_EQ(t.get<QWidget>(panel.toLatin1().constData())->isVisible(), panel == S(row.panel)) << i;
        }
        if (row.check)
            row.check(t);
        EXPECT_EQ(t.applied(), row.applied);
    }
}

TEST(CellPropertiesDialog, ChartSeriesAreAddedNumberedShownAndCleared)
{
    CellDialog t;
    t.state = HostState{2, 3, 2, 3, 2, 3};
    QStringList series = {S("1"), S("甲"), S("1,2"), S("2"), S("乙"), S("3,4")};
    t.fake.returns(S("GetCellType"), Variant::fromLong(11));
    t.fake.on(S("GetCellAllSeriesesText"), [&](const std::vector<Variant> &, std::vector<Variant> &out) {
        out.back() = Variant::fromString(series.join(S("\r\n")));
        return automation::S_OK;
    });
    t.fake.on(S("AddChartSeries"), [&](const std::vector<Variant> &in, std::vector<Variant> &) {
        series << QString::number(in[2].asLong()) << in[3].asString() << in[4].asString();
        return automation::S_OK;
    });
    t.open(S("类型"));
    retype(t.get<QLineEdit>("Edit10"), S("3"));
    retype(t.get<QLineEdit>("Edit11"), S("丙"));
    retype(t.get<QLineEdit>("Edit12"), S("5,6"));
    t.fake.clearCalls();
    click(t.get<QPushButton>("Button5"));
    EXPECT_EQ(t.fake.calls(), (QStringList{S("AddChartSeries(2, 3, 3, \"丙\", \"5,6\")"),
                                           S("GetCellAllSeriesesText(2, 3)")}));
    auto *numbers = t.get<QComboBox>("ComboBox4");
    QStringList items;
    for (int i = 0; i < numbers->count(); ++i)
        items << numbers->itemText(i);
    EXPECT_EQ(items, (QStringList{S("1"), S("2"), S("3")}));
    EXPECT_EQ(numbers->currentText(), S("3"));

    choose(numbers, 1);
    EXPECT_EQ(t.get<QLineEdit>("Edit10")->text(), S("2"));
    EXPECT_EQ(t.get<QLineEdit>("Edit11")->text(), S("乙"));
    EXPECT_EQ(t.get<QLineEdit>("Edit12")->text(), S("3,4"));

    t.fake.clearCalls();
    click(t.get<QPushButton>("Button6"));
    EXPECT_EQ(t.fake.calls(), QStringList{S("ClearChartSeries(2, 3)")});
    EXPECT_EQ(numbers->count(), 0);
}
