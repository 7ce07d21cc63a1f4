#include "DocumentFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace cellvex;
using namespace cellvex::test;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(path);
    return f.readAll();
}

} // namespace

TEST(ReportFile, SaveWritesExactlyTheStoredFormAndOpenReadsItBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("报表.cvd"));
    Report report;
    PageSettings page(kPpi);
    buildRichReport(report, page);
    report.setSaved(false);
    saveReportFile(report, page, path);
    EXPECT_TRUE(report.saved());
    // No header, byte-order mark or final line break: just the stored form.
    EXPECT_EQ(fileBytes(path), storedReport(report, page));

    std::optional<LoadedReport> loaded = readReportFile(path, kPpi);
    ASSERT_TRUE(loaded.has_value());
    Reopened back;
    applyLoadedReport(back.report, back.page, std::move(*loaded));
    expectSameReport(report, back.report);
    EXPECT_EQ(back.page, page);

    // Saving again replaces the file.
    report.setCellCaption(0, 0, QStringLiteral("changed"));
    saveReportFile(report, page, path);
    EXPECT_EQ(fileBytes(path), storedReport(report, page));
}

TEST(ReportFile, AFailedSaveKeepsTheOldFileAndTheSavedFlag)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.cvd"));
    Report report;
    report.newReport(2, 2);
    saveReportFile(report, PageSettings(kPpi), path);
    const QByteArray before = fileBytes(path);

    // A text no document can carry stops the save before the file is touched.
    report.setCellCaption(0, 0, QStringLiteral("\x01"));
    report.setSaved(false);
    EXPECT_THROW(saveReportFile(report, PageSettings(kPpi), path), ReportError);
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_FALSE(report.saved());

    // A place no file can be written.
    report.setCellCaption(0, 0, QStringLiteral("ok"));
    for (const QString &bad : {dir.filePath(QStringLiteral("missing/folder/x.cvd")), dir.path(), QString()})
        EXPECT_THROW(saveReportFile(report, PageSettings(kPpi), bad), ReportError) << qPrintable(bad);
    EXPECT_FALSE(report.saved());
    EXPECT_EQ(fileBytes(path), before);
}

TEST(ReportFile, OpeningAMissingFileIsNothingAndAnUnreadableOneFails)
{
    QTemporaryDir dir;
    EXPECT_FALSE(readReportFile(dir.filePath(QStringLiteral("none.cvd")), kPpi).has_value());
    EXPECT_FALSE(readReportFile(QString(), kPpi).has_value());
    EXPECT_THROW(readReportFile(dir.path(), kPpi), ReportError);
    const QString junk = dir.filePath(QStringLiteral("junk.cvd"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a report");
    f.close();
    EXPECT_THROW(readReportFile(junk, kPpi), ReportError);
    DocumentLimits small;
    small.maxStoredBytes = 5;
    EXPECT_THROW(readReportFile(junk, kPpi, small), ReportError);
}

TEST(ReportFile, StringsRoundTripAndMarkTheReportSaved)
{
    Report report;
    PageSettings page(kPpi);
    buildRichReport(report, page);
    report.setSaved(false);
    report.setEditing(true);
    const QString stored = saveReportString(report, page);
    EXPECT_TRUE(report.saved());
    EXPECT_FALSE(report.editing());
    EXPECT_EQ(stored.toLatin1(), storedReport(report, page));

    Reopened back;
    applyLoadedReport(back.report, back.page, readReportString(stored, kPpi));
    expectSameReport(report, back.report);
    EXPECT_THROW(readReportString(QStringLiteral("报表"), kPpi), ReportError);
}

TEST(ReportFile, ApplyingReplacesTheWholeReport)
{
    Report source;
    source.newReport(3, 2);
    source.setCellCaption(2, 1, QStringLiteral("new"));
    LoadedReport loaded = readReportDocument(storedReport(source, PageSettings(kPpi)), kPpi);

    Report target;
    target.newReport(5, 5);
    target.setCellCaption(4, 4, QStringLiteral("old"));
    target.setFontSize(0, 0, 20);
    target.setSelectionRect(1, 1, 2, 2);
    target.setInputCell(1, 1);
    target.setEditing(true);
    target.setWholeModes(true, false);
    target.setHeaderCount(3);
    target.setInitialScript(QStringLiteral("VBScript"), QStringLiteral("x"));
    target.setSaved(false);
    const std::uint64_t generation = target.generation();
    PageSettings page(kPpi);
    page.copies = 9;

    applyLoadedReport(target, page, std::move(loaded));
    expectSameReport(source, target);
    EXPECT_EQ(target.cell(2, 1)->caption(), QStringLiteral("new"));
    EXPECT_NE(target.generation(), generation);
    EXPECT_FALSE(target.hasSelection());
    EXPECT_EQ(target.inputCol(), -1);
    EXPECT_FALSE(target.editing());
    EXPECT_FALSE(target.wholeColumnMode());
    EXPECT_EQ(target.headerCount(), 0);
    EXPECT_TRUE(target.initialScriptText().isEmpty());
    EXPECT_TRUE(target.saved());
    EXPECT_EQ(page.copies, 1);
    EXPECT_EQ(target.surfaceWidth(), 3 * 80 + 3);
}
