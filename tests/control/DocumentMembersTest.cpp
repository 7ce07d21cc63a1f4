#include "ControlFixture.h"
#include "MemberCalls.h"
#include "control/CellvexObject.h"
#include "control/input/InPlaceEditor.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

// The selection and cell-change events as lines.
const std::string_view kFollowed[] = {"OnInputChange", "OnSelectChange", "OnCellChanging", "OnCellChanged"};

const std::vector<QString> kReplacedEvents = {QStringLiteral("input -1,-1"),
                                              QStringLiteral("select -1,-1,-1,-1")};

struct DocumentMembers : ::testing::Test, test::ControlFixture
{
    DocumentMembers() : ControlFixture(kFollowed) {}

    QString saveString()
    {
        QString stored;
        EXPECT_EQ(o->SaveString(&stored), S_OK);
        return stored;
    }
    // Types into the in-place editor of a cell without finishing.
    void typeInto(int col, int row, const QString &text)
    {
        ASSERT_EQ(o->SetSelectedCell(col, row, col, row), S_OK);
        c().inPlaceEditor().openTypingEditor();
        c().inPlaceEditor().edit()->setText(text);
        ASSERT_TRUE(c().inPlaceEditor().typingEditorShown());
    }
};

} // namespace

TEST_F(DocumentMembers, SaveStringAndOpenStringReplaceTheWholeReport)
{
    ASSERT_EQ(o->NewReport(4, 5), S_OK);
    ASSERT_EQ(o->SetCellValue(2, 3, QStringLiteral("金额")), S_OK);
    ASSERT_EQ(o->SetFontSize(1, 1, 14), S_OK);
    ASSERT_EQ(o->SetColWidth(2, 120), S_OK);
    ASSERT_EQ(o->SetCellAlias(2, 3, QStringLiteral("Total")), S_OK);
    ASSERT_EQ(o->put_HeaderCount(1), S_OK);
    ASSERT_EQ(o->put_PrintCopies(3), S_OK);
    ASSERT_EQ(o->put_PoleVisible(2), S_OK);
    EXPECT_FALSE(saved());
    const QString stored = saveString();
    EXPECT_TRUE(saved());
    EXPECT_FALSE(stored.isEmpty());

    ASSERT_EQ(o->NewReport(1, 1), S_OK);
    ASSERT_EQ(o->put_PoleVisible(1), S_OK);
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("x")), S_OK);
    ASSERT_EQ(o->SetSelectedCell(1, 1, 1, 1), S_OK);
    sink.log.clear();
    ASSERT_EQ(o->OpenString(stored), S_OK);
    // Loading raises no cell events, only the two that report the empty selection.
    EXPECT_EQ(sink.log, kReplacedEvents);
    EXPECT_TRUE(saved());
    EXPECT_EQ(m().ColCount(), 4);
    EXPECT_EQ(m().RowCount(), 5);
    EXPECT_EQ(value(2, 3), QStringLiteral("金额"));
    EXPECT_EQ(m().GetFontSize(1, 1), 14);
    EXPECT_EQ(m().GetColWidth(2), 120);
    EXPECT_EQ(m().HeaderCount(), 1);
    std::int32_t copies = 0;
    EXPECT_EQ(o->get_PrintCopies(&copies), S_OK);
    EXPECT_EQ(copies, 3);
    // The ruler mode takes effect: the millimetre strips are shown.
    EXPECT_EQ(m().PoleVisible(), 2);
    EXPECT_GT(c().report().colRuler().poleRuler(), 0);
    std::int32_t col = 0, row = 0;
    EXPECT_EQ(o->GetCellReferenceByAlias(QStringLiteral("Total"), &col, &row), S_OK);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 3);
    int a, b, d, e;
    m().GetSelectedCell(a, b, d, e);
    EXPECT_EQ(a, -1);
}

TEST_F(DocumentMembers, SavingFinishesTypedInputAndOpeningDiscardsIt)
{
    typeInto(1, 1, QStringLiteral("typed"));
    const QString stored = saveString();
    EXPECT_FALSE(c().inPlaceEditor().typingEditorShown());
    EXPECT_EQ(value(1, 1), QStringLiteral("typed"));
    EXPECT_FALSE(c().report().editing());

    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("changed")), S_OK);
    typeInto(2, 2, QStringLiteral("lost"));
    sink.log.clear();
    ASSERT_EQ(o->OpenString(stored), S_OK);
    EXPECT_FALSE(c().inPlaceEditor().typingEditorShown());
    EXPECT_EQ(value(1, 1), QStringLiteral("typed"));
    EXPECT_EQ(value(2, 2), QString());
    EXPECT_EQ(sink.log, kReplacedEvents);
}

TEST_F(DocumentMembers, AFailedOpenChangesNothing)
{
    ASSERT_EQ(o->SetCellValue(3, 3, QStringLiteral("kept")), S_OK);
    typeInto(1, 1, QStringLiteral("still typing"));
    EXPECT_FALSE(saved());
    sink.log.clear();
    const QString good = [this] {
        QString s;
        // A stored form from another control, so this one stays unsaved.
        test::ControlObject other;
        EXPECT_EQ(other.o->SaveString(&s), S_OK);
        return s;
    }();
    for (const QString &bad : {QStringLiteral("not a report"), QString(), good.left(good.size() / 2)}) {
        const HResult hr = o->OpenString(bad);
        EXPECT_NE(hr, S_OK);
        EXPECT_TRUE(o->errorInfo().description().startsWith(QStringLiteral("无法打开报表：")))
            << qPrintable(o->errorInfo().description());
    }
    EXPECT_TRUE(sink.log.empty());
    EXPECT_FALSE(saved());
    EXPECT_TRUE(c().inPlaceEditor().typingEditorShown());
    EXPECT_EQ(c().inPlaceEditor().edit()->text(), QStringLiteral("still typing"));
    EXPECT_EQ(value(3, 3), QStringLiteral("kept"));
}

TEST_F(DocumentMembers, FilesSaveAndOpenAndAMissingFileIsNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.cvd"));
    ASSERT_EQ(o->NewReport(2, 3), S_OK);
    ASSERT_EQ(o->SetCellValue(2, 3, QStringLiteral("saved")), S_OK);
    ASSERT_EQ(o->SaveReport(path), S_OK);
    EXPECT_TRUE(saved());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(file.readAll()), saveString());

    ASSERT_EQ(o->NewReport(5, 5), S_OK);
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("unsaved")), S_OK);
    sink.log.clear();
    EXPECT_EQ(o->OpenReport(dir.filePath(QStringLiteral("missing.cvd"))), S_OK);
    EXPECT_TRUE(sink.log.empty());
    EXPECT_EQ(m().ColCount(), 5);
    EXPECT_FALSE(saved());

    // A save that cannot write fails, and the report stays unsaved.
    EXPECT_NE(o->SaveReport(dir.filePath(QStringLiteral("no/such/folder.cvd"))), S_OK);
    EXPECT_FALSE(o->errorInfo().description().isEmpty());
    EXPECT_FALSE(saved());

    ASSERT_EQ(o->OpenReport(path), S_OK);
    EXPECT_EQ(sink.log, kReplacedEvents);
    EXPECT_EQ(m().ColCount(), 2);
    EXPECT_EQ(value(2, 3), QStringLiteral("saved"));
    EXPECT_TRUE(saved());
}

TEST_F(DocumentMembers, AHostThatReplacesTheReportDuringTheEventsIsSafe)
{
    const QString stored = saveString();
    sink.onInput = [this] {
        sink.onInput = nullptr;
        EXPECT_EQ(o->NewReport(2, 2), S_OK);
    };
    EXPECT_EQ(o->OpenString(stored), S_OK);
    EXPECT_EQ(m().ColCount(), 2);
}
