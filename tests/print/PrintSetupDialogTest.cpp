#include "print/dialogs/PrintSetupDialog.h"
#include "DialogTestSupport.h"
#include "print/PrintJobSetup.h"
#include "print/dialogs/PaperChoices.h"
#include "print/dialogs/PrintCommands.h"
#include "report/PaperTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

using namespace cellvex;

namespace {

QStringList items(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

QString paperName(int code)
{
    return PaperTable::entry(code).name;
}

struct PrintSetup : DialogFixture
{
    // Opens the page setup dialog, lets `script` work on it and returns
    // what it ended with.
    void run(std::function<int(QDialog &)> script)
    {
        runner.onDialog = std::move(script);
        printSetup(ctx);
    }
    QLineEdit *edit(QDialog &d, const char *name) { return child<QLineEdit>(d, name); }
};

} // namespace

TEST_F(PrintSetup, FieldsStartFromTheReport)
{
    settings.copies = 3;
    settings.setLandscape(true);
    settings.printerName = QStringLiteral("Office Printer");
    settings.printBorders = false;
    settings.leftMargin.text = QStringLiteral("12.5");
    settings.headerFooterFontName = QStringLiteral("arial");
    settings.headerFooterFontSize = 12;
    settings.headerContent = QStringLiteral("第@pno页");
    settings.footerContent = QStringLiteral("@date");
    run([this](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("打印设置"));
        const auto *printers = child<QComboBox>(d, "cbb_printer");
        EXPECT_EQ(items(printers), (QStringList{"PDF", "Office Printer"}));
        EXPECT_EQ(printers->currentText(), QStringLiteral("Office Printer"));
        EXPECT_EQ(child<QLabel>(d, "lbl_driver")->text(), QStringLiteral("HP LaserJet"));
        EXPECT_EQ(child<QLabel>(d, "lbl_port")->text(), QStringLiteral("LPT1:"));
        EXPECT_EQ(child<QLabel>(d, "lbl_description")->text(), QStringLiteral("二楼"));
        EXPECT_EQ(child<QLabel>(d, "lbl_state")->text(), QString());
        // The paper query names the printer and the port its details gave.
        EXPECT_EQ(printer.paperQueries.last(), QStringLiteral("Office Printer|LPT1:"));
        // Only table papers below 256 are offered in the printer's order;
        // the custom paper always comes last.
        EXPECT_EQ(items(child<QComboBox>(d, "cbb_paper")),
                  (QStringList{paperName(9), paperName(8), paperName(1), paperName(256)}));
        EXPECT_EQ(child<QComboBox>(d, "cbb_paper")->currentText(), paperName(9));
        EXPECT_TRUE(child<QRadioButton>(d, "rdb_polandscape")->isChecked());
        EXPECT_EQ(edit(d, "edt_paperwidth")->text(), QStringLiteral("297.0"));
        EXPECT_EQ(edit(d, "edt_paperheight")->text(), QStringLiteral("210.0"));
        EXPECT_FALSE(edit(d, "edt_paperwidth")->isEnabled());
        EXPECT_EQ(edit(d, "edt_copies")->text(), QStringLiteral("3"));
        EXPECT_FALSE(child<QCheckBox>(d, "cbx_printline")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(d, "cbx_printcolor")->isChecked());
        EXPECT_EQ(edit(d, "edt_mmleft")->text(), QStringLiteral("12.5"));
        EXPECT_EQ(edit(d, "edt_mmfooter")->text(), QStringLiteral("11.6"));
        EXPECT_EQ(child<QComboBox>(d, "cbb_fonts")->currentText(), QStringLiteral("Arial"));
        EXPECT_EQ(child<QComboBox>(d, "cbb_size")->currentText(), QStringLiteral("12"));
        EXPECT_EQ(child<QPlainTextEdit>(d, "mem_header")->toPlainText(), QStringLiteral("第@pno页"));
        EXPECT_EQ(child<QPlainTextEdit>(d, "mem_footer")->toPlainText(), QStringLiteral("@date"));
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(runner.shown, QStringList{"PrintSetupFrm"});
}

TEST_F(PrintSetup, WithoutAPrinterOnlyTheErrorIsRaised)
{
    printer.installed.clear();
    run([](QDialog &) { return int(QDialog::Accepted); });
    EXPECT_TRUE(runner.shown.isEmpty());
    EXPECT_EQ(errors, QStringList{kNoPrinterMessage});
    EXPECT_TRUE(report.saved());
}

TEST_F(PrintSetup, CancelChangesNothing)
{
    const PageSettings before = settings;
    run([this](QDialog &d) {
        edit(d, "edt_mmleft")->setText(QStringLiteral("40"));
        child<QRadioButton>(d, "rdb_polandscape")->click();
        child<QPushButton>(d, "btn_cancel")->click();
        return d.result();
    });
    EXPECT_EQ(settings, before);
    EXPECT_TRUE(report.saved());
    EXPECT_EQ(repaginations, 0);
}

TEST_F(PrintSetup, OkTakesEverythingOverAndCutsThePagesAgain)
{
    ASSERT_EQ(pagination.colBandCount(), 2);
    run([this](QDialog &d) {
        child<QComboBox>(d, "cbb_printer")->setCurrentIndex(0);
        child<QComboBox>(d, "cbb_paper")->setCurrentText(paperName(8)); // A3
        child<QRadioButton>(d, "rdb_polandscape")->click();
        edit(d, "edt_copies")->setText(QStringLiteral("2"));
        child<QCheckBox>(d, "cbx_printcolor")->setChecked(false);
        edit(d, "edt_mmtop")->setText(QStringLiteral("25.4"));
        child<QComboBox>(d, "cbb_fonts")->setCurrentText(QStringLiteral("DejaVu Sans"));
        child<QComboBox>(d, "cbb_size")->setCurrentText(QStringLiteral("14"));
        child<QPlainTextEdit>(d, "mem_header")->setPlainText(QStringLiteral("共@pages页"));
        return pressOk(d);
    });
    EXPECT_EQ(settings.printerName, QStringLiteral("PDF"));
    EXPECT_EQ(settings.paperName, paperName(8));
    EXPECT_TRUE(settings.landscape);
    EXPECT_EQ(settings.width.text, QStringLiteral("420.0"));
    EXPECT_EQ(settings.height.text, QStringLiteral("297.0"));
    EXPECT_EQ(settings.width.pixels, 1587);
    EXPECT_EQ(settings.copies, 2);
    EXPECT_FALSE(settings.printBackColor);
    EXPECT_EQ(settings.topMargin.text, QStringLiteral("25.4"));
    EXPECT_EQ(settings.topMargin.pixels, 96);
    EXPECT_EQ(settings.headerFooterFontName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(settings.headerFooterFontSize, 14);
    EXPECT_EQ(settings.headerContent, QStringLiteral("共@pages页"));
    EXPECT_EQ(repaginations, 1);
    EXPECT_EQ(pagination.colBandCount(), 1); // 800 pixels fit across A3 landscape
    EXPECT_FALSE(report.saved());
}

TEST_F(PrintSetup, EmptyFieldsGetTheirDefaultsOnOk)
{
    run([this](QDialog &d) {
        for (const char *name : {"edt_mmheader", "edt_mmfooter", "edt_mmleft", "edt_mmtop", "edt_mmright",
                                 "edt_bottom", "edt_copies"})
            edit(d, name)->clear();
        return pressOk(d);
    });
    EXPECT_EQ(settings.leftMargin.text, QStringLiteral("6.4"));
    EXPECT_EQ(settings.topMargin.text, QStringLiteral("7.4"));
    EXPECT_EQ(settings.rightMargin.text, QStringLiteral("6.4"));
    EXPECT_EQ(settings.bottomMargin.text, QStringLiteral("7.4"));
    EXPECT_EQ(settings.headerMargin.text, QStringLiteral("8.0"));
    EXPECT_EQ(settings.footerMargin.text, QStringLiteral("11.6"));
    EXPECT_EQ(settings.leftMargin.pixels, 24);
    EXPECT_EQ(settings.copies, 1);
}

TEST_F(PrintSetup, CustomPaperEnablesTheSizeAndStandardPapersFillIt)
{
    settings.width.text = QStringLiteral("100");
    settings.height.text = QStringLiteral("150");
    settings.recomputePixels();
    run([this](QDialog &d) {
        auto *paper = child<QComboBox>(d, "cbb_paper");
        QLineEdit *w = edit(d, "edt_paperwidth");
        QLineEdit *h = edit(d, "edt_paperheight");
        paper->setCurrentText(paperName(256));
        EXPECT_TRUE(w->isEnabled());
        EXPECT_EQ(w->palette().color(QPalette::Base), QColor(Qt::white));
        EXPECT_EQ(std::pair(w->text(), h->text()), std::pair(QStringLiteral("100"), QStringLiteral("150")));
        // Turning the page turns the fields, once per change of orientation.
        child<QRadioButton>(d, "rdb_polandscape")->click();
        child<QRadioButton>(d, "rdb_polandscape")->click();
        EXPECT_EQ(std::pair(w->text(), h->text()), std::pair(QStringLiteral("150"), QStringLiteral("100")));
        // The custom size follows the dialog's orientation, not the report's.
        paper->setCurrentText(paperName(9));
        EXPECT_FALSE(w->isEnabled());
        EXPECT_EQ(w->palette().color(QPalette::Base), d.palette().color(QPalette::Window));
        EXPECT_EQ(std::pair(w->text(), h->text()),
                  std::pair(QStringLiteral("297.0"), QStringLiteral("210.0")));
        paper->setCurrentText(paperName(256));
        EXPECT_EQ(std::pair(w->text(), h->text()), std::pair(QStringLiteral("150"), QStringLiteral("100")));
        child<QRadioButton>(d, "rdb_poportrait")->click();
        paper->setCurrentText(paperName(9));
        EXPECT_EQ(std::pair(w->text(), h->text()),
                  std::pair(QStringLiteral("210.0"), QStringLiteral("297.0")));
        paper->setCurrentText(paperName(256));
        w->setText(QStringLiteral("120"));
        return pressOk(d);
    });
    EXPECT_EQ(settings.paperName, paperName(256));
    EXPECT_EQ(settings.width.text, QStringLiteral("120"));
    EXPECT_EQ(settings.height.text, QStringLiteral("150"));
    EXPECT_EQ(settings.width.pixels, 454);
}

TEST_F(PrintSetup, AFieldWithoutANumberKeepsTheDialogOpen)
{
    // A lone point passes the key filter; a custom page of no width cannot be printed.
    struct Case
    {
        const char *field;
        const char *text;
        int tab;
    } cases[] = {{"edt_mmleft", ".", 2},
                 {"edt_mmheader", ".", 2},
                 {"edt_paperwidth", "0", 0},
                 {"edt_paperheight", ".", 0}};
    for (const Case &c : cases) {
        const PageSettings before = settings;
        int result = -1;
        run([&](QDialog &d) {
            child<QComboBox>(d, "cbb_paper")->setCurrentText(paperName(256));
            edit(d, c.field)->setText(QString::fromLatin1(c.text));
            result = pressOk(d);
            EXPECT_EQ(child<QTabWidget>(d, "pgc_printsetup")->currentIndex(), c.tab) << c.field;
            EXPECT_EQ(edit(d, c.field)->selectedText(), QString::fromLatin1(c.text)) << c.field;
            return result;
        });
        EXPECT_EQ(result, int(QDialog::Rejected)) << c.field;
        EXPECT_EQ(settings, before) << c.field;
        EXPECT_TRUE(report.saved()) << c.field;
    }
}

TEST_F(PrintSetup, UntouchedStoredValuesComeBackUnchanged)
{
    // Values put through the interface that the fields could not have been
    // typed with: a negative margin, an exponent, a long text, many copies,
    // a size and font not offered, a header with line breaks.
    settings.leftMargin.text = QStringLiteral("-5");
    settings.rightMargin.text = QStringLiteral("1E-5");
    settings.topMargin.text = QStringLiteral("12.3456789012");
    settings.recomputePixels();
    settings.copies = 1500;
    settings.headerFooterFontSize = 13;
    settings.headerFooterFontName = QStringLiteral("No Such Font");
    settings.headerContent = QStringLiteral("a\r\nb");
    settings.printerName = QStringLiteral("PDF");
    const PageSettings before = settings;
    run([this](QDialog &d) {
        EXPECT_EQ(child<QComboBox>(d, "cbb_size")->currentIndex(), -1);
        EXPECT_EQ(child<QComboBox>(d, "cbb_fonts")->currentIndex(), -1);
        return pressOk(d);
    });
    EXPECT_EQ(settings, before);
    EXPECT_FALSE(report.saved());
}

TEST_F(PrintSetup, APrinterThatNamesNoPaperKeepsTheReportsPaper)
{
    printer.papers.clear();
    settings.setLandscape(true);
    run([this](QDialog &d) {
        EXPECT_EQ(child<QComboBox>(d, "cbb_paper")->count(), 0);
        EXPECT_EQ(edit(d, "edt_paperwidth")->text(), QStringLiteral("297.0"));
        EXPECT_FALSE(edit(d, "edt_paperwidth")->isEnabled());
        return pressOk(d);
    });
    EXPECT_EQ(settings.paperName, paperName(9));
    EXPECT_EQ(settings.width.text, QStringLiteral("297.0"));
    EXPECT_EQ(settings.height.text, QStringLiteral("210.0"));
    EXPECT_TRUE(settings.landscape);
}

TEST_F(PrintSetup, AReportPaperThePrinterLacksFallsBackToItsFirstPaper)
{
    printer.papers = {11, 9}; // A5 first
    settings.paperName = paperName(8);
    run([this](QDialog &d) {
        EXPECT_EQ(child<QComboBox>(d, "cbb_paper")->currentText(), paperName(11));
        EXPECT_EQ(edit(d, "edt_paperwidth")->text(), QStringLiteral("148.0"));
        return int(QDialog::Rejected);
    });
}

TEST_F(PrintSetup, EnterInAMemoPressesOkInsteadOfBreakingTheLine)
{
    run([](QDialog &d) {
        auto *memo = child<QPlainTextEdit>(d, "mem_footer");
        memo->setPlainText(QStringLiteral("页脚"));
        pressKey(memo, Qt::Key_Return);
        EXPECT_EQ(memo->toPlainText(), QStringLiteral("页脚"));
        return d.result();
    });
    EXPECT_EQ(settings.footerContent, QStringLiteral("页脚"));
    EXPECT_FALSE(report.saved());
}

TEST(PaperChoices, NamedPapersInThePrintersOrderThenTheCustomPaper)
{
    std::vector<int> many(300, 9);
    many.push_back(8); // beyond the first 256 codes
    const struct
    {
        std::vector<int> codes;
        QStringList expected;
    } cases[] = {
        {{}, {}},
        {{0, 42, 256, 257, -1}, {paperName(256)}},
        {{11, 9, 11}, {paperName(11), paperName(9), paperName(256)}},
        {many, {paperName(9), paperName(256)}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(paperChoices(c.codes), c.expected) << c.codes.size();
}
