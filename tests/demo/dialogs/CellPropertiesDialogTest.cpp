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

TEST(CellPropertiesDialog, AlignmentPageSetsAlignmentsAndPictureWithAnEmptyPathRemovingIt)
{
    CellDialog t;
    t.fake.returns(S("GetLabelHAlignment"), Variant::fromLong(2));
    t.fake.returns(S("GetLabelVAlignment"), Variant::fromLong(0));
    t.open(S("对齐"));
    EXPECT_EQ(t.get<QComboBox>("ComboBox1")->currentText(), S("居右"));
    EXPECT_EQ(t.get<QComboBox>("ComboBox2")->currentText(), S("居上"));
    EXPECT_EQ(t.applied(),
              (QStringList{S("SetLabelHAlignment(1, 1, 2)"), S("SetLabelVAlignment(1, 1, 0)"),
                           S("SetCellPicture(1, 1, \"\", true)"), S("SetLabelHAlignment(1, 2, 2)"),
                           S("SetLabelVAlignment(1, 2, 0)"), S("SetCellPicture(1, 2, \"\", true)")}));

    t.prompts.fileNames.push_back(S("/pics/徽标.bmp"));
    click(t.get<QPushButton>("Button3"));
    EXPECT_EQ(t.get<QLineEdit>("Edit7")->text(), S("/pics/徽标.bmp"));
    click(t.get<QCheckBox>("CheckBox1"));
    t.state = HostState{3, 3, 3, 3, 3, 3};
    EXPECT_EQ(t.applied(), (QStringList{S("SetLabelHAlignment(3, 3, 2)"), S("SetLabelVAlignment(3, 3, 0)"),
                                        S("SetCellPicture(3, 3, \"/pics/徽标.bmp\", false)")}));
}

TEST(CellPropertiesDialog, FontPageShowsAndAppliesFontSizeColoursAndStyles)
{
    CellDialog t;
    t.state = HostState{1, 1, 1, 1, 1, 1};
    t.fake.returns(S("GetFontName"), Variant::fromString(S("宋体")));
    t.fake.returns(S("GetFontStyleBold"), Variant::fromBool(true));
    t.fake.returns(S("GetFontStyleStrikeout"), Variant::fromBool(true));
    t.fake.returns(S("GetFontSize"), Variant::fromLong(12));
    t.fake.returns(S("GetFontColor"), Variant::fromLong(255));
    t.fake.returns(S("GetCellBackColor"), Variant::fromLong(16777215));
    t.open(S("字体"));
    EXPECT_EQ(selectedItem(t.get<QListWidget>("ListBox1")), S("宋体"));
    EXPECT_EQ(selectedItem(t.get<QListWidget>("ListBox3")), S("12"));
    EXPECT_EQ(t.get<QLineEdit>("Edit9")->text(), S("255"));
    EXPECT_EQ(t.get<QLineEdit>("Edit17")->text(), S("16777215"));
    t.prompts.colors.push_back(65280);
    click(t.get<QPushButton>("Button8"));
    EXPECT_EQ(t.applied(),
              (QStringList{S("SetFontName(1, 1, \"宋体\")"), S("SetFontSize(1, 1, 12)"),
                           S("SetFontColor(1, 1, 255)"), S("SetCellBackColor(1, 1, 65280)"),
                           S("SetFontStyleBold(1, 1, true)"), S("SetFontStyleItalic(1, 1, false)"),
                           S("SetFontStyleUnderline(1, 1, false)"), S("SetFontStyleStrikeout(1, 1, true)")}));
}

TEST(CellPropertiesDialog, FontPageWithoutAFontOrSizeStopsWhenItReadsTheList)
{
    struct Row
    {
        const char *font;
        int size;
        QStringList applied;
        const char *error;
    };
    const Row rows[] = {
        {"没有这种字体", 12, {}, "没有选择字体"},
        {"宋体", 13, {S("SetFontName(1, 1, \"宋体\")")}, "没有选择字号"},
    };
    for (const Row &row : rows) {
        CellDialog t;
        t.fake.returns(S("GetFontName"), Variant::fromString(S(row.font)));
        t.fake.returns(S("GetFontSize"), Variant::fromLong(row.size));
        t.open(S("字体"));
        EXPECT_EQ(t.applied(), row.applied);
        EXPECT_EQ(t.prompts.errors, QStringList{S(row.error)});
    }
}

TEST(CellPropertiesDialog, BorderPageDrawsTheChosenLinesOverTheSelection)
{
    struct Row
    {
        const char *radio;
        const char *width;
        HostState selection;
        QStringList calls; // "c,r:type=width"
    };
    const HostState twoByTwo{1, 1, 2, 2, 1, 1};
    const Row rows[] = {
        {"全部",
         "2",
         twoByTwo,
         {S("1,1:1=2"), S("1,1:2=2"), S("1,1:3=0"), S("1,1:4=0"), S("1,2:1=2"), S("1,2:2=2"), S("1,2:3=0"),
          S("1,2:4=2"), S("2,1:1=2"), S("2,1:2=2"), S("2,1:3=2"), S("2,1:4=0"), S("2,2:1=2"), S("2,2:2=2"),
          S("2,2:3=2"), S("2,2:4=2")}},
        {"上", "1", twoByTwo, {S("1,1:2=1"), S("2,1:2=1")}},
        {"下", "1", twoByTwo, {S("1,2:4=1"), S("2,2:4=1")}},
        {"左", "1", twoByTwo, {S("1,1:1=1"), S("1,2:1=1")}},
        {"右", "1", twoByTwo, {S("2,1:3=1"), S("2,2:3=1")}},
        {"边框",
         "3",
         twoByTwo,
         {S("1,1:1=3"), S("1,2:1=3"), S("1,1:2=3"), S("2,1:2=3"), S("2,1:3=3"), S("2,2:3=3"), S("1,2:4=3"),
          S("2,2:4=3")}},
        {"中心", "1", twoByTwo, {S("1,2:2=1"), S("2,1:1=1"), S("2,2:1=1"), S("2,2:2=1")}},
        {"斜线", "1", HostState{4, 4, 4, 5, 4, 4}, {S("4,4:0=3"), S("4,5:0=3")}},
        {"全部",
         "-1",
         HostState{1, 1, 1, 1, 1, 1},
         {S("1,1:1=-1"), S("1,1:2=-1"), S("1,1:3=-1"), S("1,1:4=-1")}},
        {"边框",
         "-1",
         HostState{-1, -1, -1, -1, -1, -1},
         {S("-1,-1:1=-1"), S("-1,-1:2=-1"), S("-1,-1:3=-1"), S("-1,-1:4=-1")}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.radio);
        CellDialog t;
        t.state = row.selection;
        t.open(S("边框"));
        QRadioButton *radio = nullptr;
        for (QRadioButton *candidate : t.get<QWidget>("GroupBox1")->findChildren<QRadioButton *>())
            if (candidate->text() == S(row.radio))
                radio = candidate;
        ASSERT_TRUE(radio);
        click(radio);
        retype(t.get<QLineEdit>("Edit8"), S(row.width));
        retype(t.get<QLineEdit>("Edit13"), S("3"));
        QStringList calls;
        for (const QString &call : t.applied()) {
            QStringList args = call.mid(15, call.size() - 16).split(S(", "));
            calls << QStringLiteral("%1,%2:%3=%4").arg(args[0], args[1], args[2], args[3]);
        }
        EXPECT_EQ(calls, row.calls);
    }
}

TEST(CellPropertiesDialog, BorderPageRefreshesNothingAndKeepsWhatWasTyped)
{
    CellDialog t;
    t.open(S("边框"));
    EXPECT_EQ(t.get<QLineEdit>("Edit8")->text(), S("-1"));
    EXPECT_EQ(t.get<QLineEdit>("Edit13")->text(), S("0"));
    EXPECT_TRUE(t.get<QRadioButton>("RadioButton7")->isChecked()) << "边框 is the first choice";
    retype(t.get<QLineEdit>("Edit8"), S("4"));
    showPage(t.pages(), S("输入"));
    t.fake.clearCalls();
    showPage(t.pages(), S("边框"));
    t.dialog->refreshCurrentPage();
    EXPECT_TRUE(t.fake.calls().isEmpty());
    EXPECT_EQ(t.get<QLineEdit>("Edit8")->text(), S("4"));
}

TEST(CellPropertiesDialog, AWidthThatIsNotANumberStopsBeforeAnyBorder)
{
    CellDialog t;
    t.open(S("边框"));
    retype(t.get<QLineEdit>("Edit8"), S("粗"));
    EXPECT_TRUE(t.applied().isEmpty());
    EXPECT_EQ(t.prompts.errors, QStringList{S("“粗”不是有效的整数值")});
}

namespace {

class FakeInputMethods final : public InputMethods
{
public:
    QStringList installed() override { return {S("中文 (拼音)"), S("五笔")}; }
    void activate(const QString &) override {}
};

} // namespace

TEST(CellPropertiesDialog, InputPageOffersTheSessionsInputMethods)
{
    FakeInputMethods methods;
    setInputMethods(&methods);
    struct Row
    {
        const char *ime;
        int index;
        const char *applied;
    };
    const Row rows[] = {{"关闭", 1, "关闭"}, {"五笔", 3, "五笔"}, {"", 0, ""}, {"注音", -1, ""}};
    for (const Row &row : rows) {
        CellDialog t;
        t.state = HostState{1, 1, 1, 1, 1, 1};
        t.fake.returns(S("GetCellIme"), Variant::fromString(S(row.ime)));
        t.open(S("输入"));
        auto *box = t.get<QComboBox>("ComboBox3");
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        EXPECT_EQ(items, (QStringList{QString(), S("关闭"), S("中文 (拼音)"), S("五笔")}));
        EXPECT_EQ(box->currentIndex(), row.index) << row.ime;
        EXPECT_EQ(t.applied(), QStringList{QStringLiteral("SetCellIme(1, 1, \"%1\")").arg(S(row.applied))});
    }
    setInputMethods(nullptr);
}

TEST(CellPropertiesDialog, AppendPageShowsAndWritesTheExtraStrings)
{
    CellDialog t;
    t.state = HostState{1, 1, 1, 1, 2, 3};
    t.fake.returns(S("GetAppendRange"), Variant::fromLong(2));
    t.fake.on(S("GetAppendString"), [](const std::vector<Variant> &in, std::vector<Variant> &out) {
        out.back() = Variant::fromString(QStringLiteral("值%1").arg(in[2].asLong()));
        return automation::S_OK;
    });
    t.fake.returns(S("GetCellPrintHide"), Variant::fromBool(true));
    t.fake.returnsOuts(S("GetCellNextPos"), {Variant::fromLong(5), Variant::fromLong(6)});
    t.open(S("附加"));
    EXPECT_EQ(t.fake.calls().mid(1), (QStringList{S("GetAppendRange(2, 3)"), S("GetAppendString(2, 3, 0)"),
                                                  S("GetAppendString(2, 3, 1)"), S("GetCellPrintHide(2, 3)"),
                                                  S("GetCellNextPos(2, 3)")}));
    EXPECT_EQ(t.get<QPlainTextEdit>("Memo3")->toPlainText(), S("值0\n值1"));
    EXPECT_TRUE(t.get<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_EQ(t.get<QLineEdit>("Edit15")->text(), S("5"));
    EXPECT_EQ(t.get<QLineEdit>("Edit16")->text(), S("6"));

    retype(t.get<QLineEdit>("Edit14"), S("3"));
    t.get<QPlainTextEdit>("Memo3")->setPlainText(S("甲"));
    EXPECT_EQ(t.applied(),
              (QStringList{S("SetAppendRange(1, 1, 3)"), S("SetAppendString(1, 1, 0, \"甲\")"),
                           S("SetAppendString(1, 1, 1, \"\")"), S("SetAppendString(1, 1, 2, \"\")"),
                           S("SetCellPrintHide(1, 1, true)"), S("SetCellNextPos(1, 1, 5, 6)")}));
}

TEST(CellPropertiesDialog, AFailureStopsApplyAtThatCellAndKeepsTheCellsBefore)
{
    struct Row
    {
        const char *what;
        std::function<void(CellDialog &)> arrange;
        QStringList applied;
        const char *error;
    };
    const Row rows[] = {
        {"length not a number",
         [](CellDialog &t) { retype(t.get<QLineEdit>("Edit18"), S("十")); },
         {},
         "“十”不是有效的整数值"},
        {"member fails on the second cell",
         [](CellDialog &t) {
             retype(t.get<QLineEdit>("Edit18"), S("8"));
             failOnCell(t.fake, S("SetTextCell"), 1, 2);
         },
         {S("SetTextCell(1, 1, 8)"), S("SetTextCell(1, 2, 8)")},
         "SetTextCell 尚未实现"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        CellDialog t;
        t.state = HostState{1, 1, 2, 2, 1, 1};
        t.fake.returns(S("GetCellType"), Variant::fromLong(1));
        t.open(S("类型"));
        row.arrange(t);
        EXPECT_EQ(t.applied(), row.applied);
        EXPECT_EQ(t.prompts.errors, QStringList{S(row.error)});
    }
}

TEST(CellPropertiesDialog, SelectionChangesRefreshTheCurrentPageFromTheNewInputCell)
{
    CellDialog t;
    t.open(S("对齐"));
    t.fake.clearCalls();
    t.state = HostState{7, 8, 7, 8, 7, 8};
    t.dialog->refreshCurrentPage();
    EXPECT_EQ(t.fake.calls(), (QStringList{S("GetLabelHAlignment(7, 8)"), S("GetLabelVAlignment(7, 8)")}));
}
