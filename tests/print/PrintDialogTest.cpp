#include "print/dialogs/PrintDialog.h"
#include "DialogTestSupport.h"
#include "print/PrintJobSetup.h"
#include "print/dialogs/FieldFilter.h"
#include "print/dialogs/PrintCommands.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

using namespace cellvex;

namespace {

struct PrintWithDialog : DialogFixture
{
    int sheetsPrinted() const { return int(printer.sheets.size()); }
};

} // namespace

TEST_F(PrintWithDialog, FieldsStartFromTheReport)
{
    settings.printerName = QStringLiteral("Office Printer");
    settings.setLandscape(true);
    settings.copies = 4;
    runner.onDialog = [](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("打印对话框"));
        EXPECT_EQ(child<QComboBox>(d, "cbb_printer")->currentText(), QStringLiteral("Office Printer"));
        EXPECT_EQ(child<QLabel>(d, "lbl_port")->text(), QStringLiteral("LPT1:"));
        EXPECT_TRUE(child<QRadioButton>(d, "rdb_polandscape")->isChecked());
        EXPECT_TRUE(child<QRadioButton>(d, "rdb_allpages")->isChecked());
        EXPECT_EQ(child<QRadioButton>(d, "rdb_partpages")->text(),
                  QStringLiteral("选定表页 (例： 1; 1-3; 1,4)"));
        EXPECT_EQ(child<QLineEdit>(d, "edt_copies")->text(), QStringLiteral("4"));
        return int(QDialog::Rejected);
    };
    printWithDialog(ctx);
    EXPECT_EQ(runner.shown, QStringList{"PrintDialogFrm"});
}

TEST_F(PrintWithDialog, AnUninstalledPrinterNameStartsOnTheSystemsPrinter)
{
    printer.defaultIndex = 1;
    settings.printerName = QStringLiteral("Gone");
    runner.onDialog = [](QDialog &d) {
        EXPECT_EQ(child<QComboBox>(d, "cbb_printer")->currentText(), QStringLiteral("Office Printer"));
        return int(QDialog::Rejected);
    };
    printWithDialog(ctx);
}

TEST_F(PrintWithDialog, CancelChangesNothingAndPrintsNothing)
{
    const PageSettings before = settings;
    runner.onDialog = [](QDialog &d) {
        child<QRadioButton>(d, "rdb_polandscape")->click();
        child<QLineEdit>(d, "edt_copies")->setText(QStringLiteral("9"));
        child<QPushButton>(d, "btn_cancel")->click();
        return d.result();
    };
    printWithDialog(ctx);
    EXPECT_EQ(settings, before);
    EXPECT_TRUE(report.saved());
    EXPECT_TRUE(printer.log.isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PrintWithDialog, WithoutAPrinterOnlyTheErrorIsRaised)
{
    printer.installed.clear();
    printWithDialog(ctx);
    EXPECT_TRUE(runner.shown.isEmpty());
    EXPECT_EQ(errors, QStringList{kNoPrinterMessage});
    EXPECT_TRUE(report.saved());
}

TEST_F(PrintWithDialog, PageListsChooseThePagesOrAreReported)
{
    const struct
    {
        const char *list;
        QStringList errors;
        int sheets;
    } cases[] = {
        {"2,9", {}, 1},
        {"4-3", {kNothingToPrintMessage}, 0},
        {"1,,2", {kBadPageSelectionMessage}, 0},
        {"1-", {kBadPageSelectionMessage}, 0},
        {"5-7", {kNothingToPrintMessage}, 0},
        {"3-1", {kNothingToPrintMessage}, 0},
        {" 2 - 3 , 1", {}, 3},
    };
    for (const auto &c : cases) {
        tallRows(4);
        ASSERT_EQ(pagination.pageCount(), 4);
        errors.clear();
        printer.sheets.clear();
        runner.onDialog = [&](QDialog &d) {
            // Typing the list chooses "选定表页" by itself; the key filter
            // drops the spaces, so a pasted list is what tests them.
            child<QLineEdit>(d, "edt_pages")->setText(QString::fromLatin1(c.list));
            return pressOk(d);
        };
        printWithDialog(ctx);
        EXPECT_EQ(errors, c.errors) << c.list;
        EXPECT_EQ(sheetsPrinted(), c.sheets) << c.list;
        // The dialog was confirmed: its choices stand, printed or not.
        EXPECT_FALSE(report.saved()) << c.list;
    }
}

TEST_F(PrintWithDialog, TypingAPageListChoosesSelectedPages)
{
    tallRows(4);
    runner.onDialog = [](QDialog &d) {
        auto *pages = child<QLineEdit>(d, "edt_pages");
        typeInto(pages, QStringLiteral("2 ;4x"));
        EXPECT_EQ(pages->text(), QStringLiteral("24"));
        pages->clear();
        typeInto(pages, QStringLiteral("2,4"));
        EXPECT_TRUE(child<QRadioButton>(d, "rdb_partpages")->isChecked());
        return pressOk(d);
    };
    printWithDialog(ctx);
    EXPECT_EQ(sheetsPrinted(), 2);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PrintWithDialog, AllPagesOrAnEmptyListPrintsEverything)
{
    for (bool partWithEmptyList : {false, true}) {
        tallRows(4);
        printer.sheets.clear();
        runner.onDialog = [&](QDialog &d) {
            if (partWithEmptyList)
                child<QRadioButton>(d, "rdb_partpages")->click();
            return pressOk(d);
        };
        printWithDialog(ctx);
        EXPECT_EQ(sheetsPrinted(), 4) << partWithEmptyList;
    }
}

TEST_F(PrintWithDialog, OkStoresPrinterOrientationAndCopies)
{
    ASSERT_EQ(pagination.pageCount(), 2);
    runner.onDialog = [](QDialog &d) {
        child<QComboBox>(d, "cbb_printer")->setCurrentIndex(1);
        child<QRadioButton>(d, "rdb_polandscape")->click();
        child<QLineEdit>(d, "edt_copies")->setText(QStringLiteral("0"));
        return pressOk(d);
    };
    printWithDialog(ctx);
    EXPECT_EQ(settings.printerName, QStringLiteral("Office Printer"));
    EXPECT_TRUE(settings.landscape);
    EXPECT_EQ(settings.width.text, QStringLiteral("297.0"));
    EXPECT_EQ(settings.height.pixels, 794);
    EXPECT_EQ(repaginations, 1);
    // The page turned before printing: eight columns now fit one page.
    EXPECT_EQ(sheetsPrinted(), 1);
    EXPECT_EQ(printer.selected, 1);
    EXPECT_EQ(printer.settingsAtBegin.orientation, 2);
    // No copies is stored as typed; the printer is still asked for one.
    EXPECT_EQ(settings.copies, 0);
    EXPECT_EQ(printer.settingsAtBegin.copies, 1);
    EXPECT_FALSE(report.saved());
}

TEST_F(PrintWithDialog, AnEmptyCopiesFieldIsOneCopy)
{
    settings.copies = 5;
    runner.onDialog = [](QDialog &d) {
        child<QLineEdit>(d, "edt_copies")->clear();
        return pressOk(d);
    };
    printWithDialog(ctx);
    EXPECT_EQ(settings.copies, 1);
    EXPECT_EQ(repaginations, 0); // same orientation: nothing to cut again
}

TEST(FieldFilter, KeysTakenWhileTyping)
{
    const QString none;
    const struct
    {
        FieldKind kind;
        QChar ch;
        QString text;
        QString selected;
        bool taken;
    } cases[] = {
        {FieldKind::Digits, '7', none, none, true},
        {FieldKind::Digits, '.', none, none, false},
        {FieldKind::Digits, '-', none, none, false},
        {FieldKind::Digits, QChar(0xFF11), none, none, false}, // full-width 1
        {FieldKind::Digits, '\b', QStringLiteral("12"), none, true},
        {FieldKind::Millimetres, '.', QStringLiteral("12"), none, true},
        {FieldKind::Millimetres, '.', QStringLiteral("12.5"), none, false},
        {FieldKind::Millimetres, '.', QStringLiteral("12.5"), QStringLiteral(".5"), true},
        {FieldKind::Millimetres, '-', none, none, false},
        {FieldKind::PageList, ',', none, none, true},
        {FieldKind::PageList, '-', none, none, true},
        {FieldKind::PageList, ';', none, none, false},
        {FieldKind::PageList, ' ', none, none, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fieldAcceptsChar(c.kind, c.ch, c.text, c.selected), c.taken)
            << int(c.kind) << " " << int(c.ch.unicode());
}

TEST(FieldFilter, ChangedTextKeepsOnlyWhatTheFieldTakes)
{
    EXPECT_EQ(cleanFieldText(FieldKind::Millimetres, QStringLiteral("12.5.3")), QStringLiteral("12.53"));
    EXPECT_EQ(cleanFieldText(FieldKind::Millimetres, QStringLiteral("-1E-5")), QStringLiteral("15"));
    EXPECT_EQ(cleanFieldText(FieldKind::Digits, QStringLiteral("a1 2.0")), QStringLiteral("120"));
    EXPECT_EQ(cleanFieldText(FieldKind::PageList, QStringLiteral("1, 3-4;x")), QStringLiteral("1,3-4"));
}

TEST(FieldFilter, TypingAndPastingIntoAMillimetreField)
{
    QLineEdit edit;
    FieldFilter::attach(&edit, FieldKind::Millimetres);
    typeInto(&edit, QStringLiteral("12.5.3"));
    EXPECT_EQ(edit.text(), QStringLiteral("12.53"));
    edit.selectAll();
    edit.insert(QStringLiteral("x7.2.5"));
    EXPECT_EQ(edit.text(), QStringLiteral("7.25"));
    // A setting shown in the field is left as it is.
    edit.setText(QStringLiteral("-1E-5"));
    EXPECT_EQ(edit.text(), QStringLiteral("-1E-5"));
}
