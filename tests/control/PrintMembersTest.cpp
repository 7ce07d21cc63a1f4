#include "../print/DialogTestSupport.h"
#include "ControlFixture.h"
#include "control/CellvexObject.h"
#include "control/input/InPlaceEditor.h"
#include "print/PrintJobSetup.h"
#include "print/dialogs/PrintPreviewWindow.h"
#include "report/PaperTable.h"

#include <QComboBox>
#include <QRadioButton>
#include <QToolButton>

#include <memory>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

// A control on the fake printer whose dialogs are answered by `runner`:
// eight columns of 100 pixels, two pages across on A4 portrait.
struct PrintMembers : ::testing::Test, test::ControlFixture
{
    PrintMembers()
    {
        c().setPrinterService(printer);
        c().setDialogRunner(runner);
        EXPECT_EQ(o->NewReport(8, 4), S_OK);
        for (int col = 1; col <= 8; ++col)
            EXPECT_EQ(o->SetColWidth(col, 100), S_OK);
        EXPECT_EQ(o->put_Saved(true), S_OK);
    }
    size_t verticalBreaks()
    {
        return size_t(std::count_if(c().actions().pageBreakLines().begin(),
                                    c().actions().pageBreakLines().end(),
                                    [](const PageBreakLine &l) { return l.vertical; }));
    }

    std::shared_ptr<FakePrinterService> printer = std::make_shared<FakePrinterService>();
    std::shared_ptr<ScriptedRunner> runner = std::make_shared<ScriptedRunner>();
};

} // namespace

TEST_F(PrintMembers, WithoutAPrinterPrintAndSetupOnlyReportIt)
{
    printer->installed.clear();
    EXPECT_EQ(o->Print(true), S_OK);
    EXPECT_EQ(o->PrintSetup(), S_OK);
    EXPECT_EQ(sink.errors(), (QStringList{kNoPrinterMessage, kNoPrinterMessage}));
    // The preview still shows the pages.
    EXPECT_EQ(o->Preview(), S_OK);
    EXPECT_EQ(runner->shown, QStringList{"PrintPreviewFrm"});
    EXPECT_TRUE(saved());
}

TEST_F(PrintMembers, PrintWithTheDialogPrintsTheChosenPages)
{
    runner->onDialog = [](QDialog &d) {
        child<QLineEdit>(d, "edt_pages")->setText(QStringLiteral("2"));
        return pressOk(d);
    };
    EXPECT_EQ(o->Print(true), S_OK);
    EXPECT_EQ(printer->sheets.size(), 1u);
    EXPECT_TRUE(sink.errors().isEmpty());
    EXPECT_FALSE(saved());

    ASSERT_EQ(o->put_Saved(true), S_OK);
    runner->onDialog = [](QDialog &d) {
        child<QLineEdit>(d, "edt_pages")->setText(QStringLiteral("1,,2"));
        return pressOk(d);
    };
    EXPECT_EQ(o->Print(true), S_OK);
    EXPECT_EQ(sink.errors(), QStringList{kBadPageSelectionMessage});
    EXPECT_EQ(printer->sheets.size(), 1u);
    EXPECT_FALSE(saved());
}

TEST_F(PrintMembers, PrintWithoutTheDialogUsesTheControlsPrinter)
{
    EXPECT_EQ(o->Print(false), S_OK);
    EXPECT_EQ(printer->sheets.size(), 2u);
    EXPECT_TRUE(runner->shown.isEmpty());
    EXPECT_TRUE(saved());
}

TEST_F(PrintMembers, TurningThePageInThePrintDialogCutsThePagesAgain)
{
    ASSERT_EQ(verticalBreaks(), 1u);
    runner->onDialog = [](QDialog &d) {
        child<QRadioButton>(d, "rdb_polandscape")->click();
        return pressOk(d);
    };
    EXPECT_EQ(o->Print(true), S_OK);
    bool landscape = false;
    EXPECT_EQ(o->get_PrintOrientation(&landscape), S_OK);
    EXPECT_TRUE(landscape);
    EXPECT_EQ(verticalBreaks(), 0u);
    EXPECT_EQ(printer->sheets.size(), 1u);
}

TEST_F(PrintMembers, PrintSetupTakesOverOnOkOnly)
{
    runner->onDialog = [](QDialog &d) {
        child<QRadioButton>(d, "rdb_polandscape")->click();
        child<QPushButton>(d, "btn_cancel")->click();
        return d.result();
    };
    EXPECT_EQ(o->PrintSetup(), S_OK);
    EXPECT_TRUE(saved());
    EXPECT_EQ(verticalBreaks(), 1u);

    runner->onDialog = [](QDialog &d) {
        child<QRadioButton>(d, "rdb_polandscape")->click();
        child<QLineEdit>(d, "edt_copies")->setText(QStringLiteral("3"));
        return pressOk(d);
    };
    EXPECT_EQ(o->PrintSetup(), S_OK);
    double width = 0;
    std::int32_t copies = 0;
    EXPECT_EQ(o->get_PrintWidth(&width), S_OK);
    EXPECT_EQ(o->get_PrintCopies(&copies), S_OK);
    EXPECT_EQ(width, 297.0);
    EXPECT_EQ(copies, 3);
    EXPECT_EQ(verticalBreaks(), 0u);
    EXPECT_FALSE(saved());
}

TEST_F(PrintMembers, PreviewHandsItsPagesToTheGridOnClosing)
{
    runner->onDialog = [this](QDialog &d) {
        if (auto *w = qobject_cast<PrintPreviewWindow *>(&d)) {
            child<QToolButton>(*w, "tbb_printset")->click();
            // The grid keeps its lines while the window is open.
            EXPECT_EQ(verticalBreaks(), 1u);
            return int(QDialog::Accepted);
        }
        child<QRadioButton>(d, "rdb_polandscape")->click();
        return pressOk(d);
    };
    EXPECT_EQ(o->Preview(), S_OK);
    EXPECT_EQ(runner->shown, (QStringList{"PrintPreviewFrm", "PrintSetupFrm"}));
    EXPECT_EQ(verticalBreaks(), 0u);
    EXPECT_EQ(c().actions().pagination().pageCount(), 1);
    EXPECT_FALSE(saved());
}

TEST_F(PrintMembers, APreviewThatChangesNothingLeavesTheReportSaved)
{
    runner->onDialog = [](QDialog &d) {
        child<QToolButton>(d, "tbb_next")->click();
        return int(QDialog::Accepted);
    };
    EXPECT_EQ(o->Preview(), S_OK);
    EXPECT_TRUE(saved());
}

TEST_F(PrintMembers, PendingInputIsCommittedBeforeTheDialogs)
{
    ASSERT_EQ(o->SetSelectedCell(2, 2, 2, 2), S_OK);
    InPlaceEditor &input = c().inPlaceEditor();
    for (auto member :
         {+[](CellvexObject *x) { return x->Print(true); }, +[](CellvexObject *x) { return x->PrintSetup(); },
          +[](CellvexObject *x) { return x->Preview(); }}) {
        input.openTypingEditor();
        input.edit()->setText(QStringLiteral("typed"));
        EXPECT_EQ(member(o), S_OK);
        EXPECT_FALSE(input.typingEditorShown());
        QString value;
        EXPECT_EQ(o->GetCellValue(2, 2, &value), S_OK);
        EXPECT_EQ(value, QStringLiteral("typed"));
        ASSERT_EQ(o->SetCellValue(2, 2, QString()), S_OK);
    }
}
