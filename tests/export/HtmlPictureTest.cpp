#include "ExportFixtures.h"
#include "export/HtmlExport.h"

#include "cells/CellWidgets.h"
#include "report/Report.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cellvex;
using cellvex::test::mergeBlock;

namespace {

// A 3 x 4 report whose cell (1, 2) shows a 5 x 4 picture; exports go to a
// fresh folder.
struct HtmlPicture : ::testing::Test
{
    HtmlPicture()
    {
        report.newReport(3, 4);
        picture.fill(qRgb(10, 200, 30));
        showCellPicture(*report.cell(1, 2), picture, false);
        // Neither the background nor the caption of a picture cell is exported.
        report.setBackColor(1, 2, 0x0000FF);
        report.setCellCaption(1, 2, QStringLiteral("hidden"));
        report.setSaved(true);
    }

    QString prefix() const { return dir.filePath(QStringLiteral("r")); }
    QStringList files() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    Report report;
    QImage picture{5, 4, QImage::Format_RGB32};
    QTemporaryDir dir;
};

} // namespace

TEST_F(HtmlPicture, WrittenBesideTheHtmlAndReferredTo)
{
    const QString html = transHtml(report, false, 0, 0, 0, 0, prefix());
    const QString cell =
        QStringLiteral("<Td width=79 align=left valign=center style='border:solid windowtext .5pt;"
                       "border-right:none;border-bottom:none;'><Img width=79 height=18 src=") +
        prefix() + "_C1C2.bmp></Td>";
    EXPECT_TRUE(html.contains(cell)) << html.toStdString();
    EXPECT_FALSE(html.contains(QStringLiteral("hidden")));
    EXPECT_FALSE(html.contains(QStringLiteral("background")));

    // The file under the written name and under the referred name is a
    // bitmap of the picture at its own size.
    for (const QString &name : {prefix() + "_C1C2.Bmp", prefix() + "_C1C2.bmp"}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_TRUE(f.read(2) == "BM");
        const QImage back(name, "bmp");
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.size(), picture.size());
        EXPECT_EQ(back.pixel(2, 2), qRgb(10, 200, 30));
    }
    EXPECT_EQ(files().size(), 2);
}

TEST_F(HtmlPicture, ReplacesAnOlderFileUnderTheReferredName)
{
    {
        QFile old(prefix() + "_C1C2.bmp");
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("stale");
    }
    transHtml(report, false, 0, 0, 0, 0, prefix());
    EXPECT_EQ(QImage(prefix() + "_C1C2.bmp", "bmp").size(), picture.size());
}

TEST_F(HtmlPicture, MasterCellPictureTakesTheBlockSize)
{
    mergeBlock(report, 1, 2, 2, 3);
    const QString html = transHtml(report, false, 0, 0, 0, 0, prefix());
    EXPECT_TRUE(html.contains(QStringLiteral(" colspan=2 rowspan=2 ")));
    EXPECT_TRUE(html.contains(QStringLiteral("<Img width=159 height=37 src=") + prefix() + "_C1C2.bmp>"));
}

TEST_F(HtmlPicture, CellsOutsideTheRangeWriteNoFile)
{
    const QString html = transHtml(report, true, 0, 0, 2, 1, prefix());
    EXPECT_FALSE(html.contains(QStringLiteral("<Img")));
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(HtmlPicture, LayerWithoutPictureIsNoPicture)
{
    // A diagonal shares the layer; an empty layer has nothing to show.
    report.setCellBorders(1, 2, BorderDiagonal, 2);
    showCellPicture(*report.cell(0, 0), QImage(), false);
    ASSERT_TRUE(report.cell(0, 0)->haveImage());
    const QString html = transHtml(report, false, 0, 0, 0, 0, prefix());
    EXPECT_FALSE(html.contains(QStringLiteral("<Img")));
    EXPECT_TRUE(html.contains(QStringLiteral("background:FF0000;'")));
    EXPECT_TRUE(html.contains(QStringLiteral(">hidden</Td>")));
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(HtmlPicture, FolderWithBlanksIsQuotedInTheReference)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("my pictures")));
    const QString path = dir.filePath(QStringLiteral("my pictures/r"));
    const QString html = transHtml(report, false, 0, 0, 0, 0, path);
    EXPECT_TRUE(html.contains(QStringLiteral("src=\"") + path + "_C1C2.bmp\">")) << html.toStdString();
    EXPECT_TRUE(QFile::exists(path + "_C1C2.Bmp"));
}

TEST_F(HtmlPicture, FileThatCannotBeWrittenFailsAndLeavesNothingHalfWritten)
{
    // The written name is taken by a folder; a folder that does not exist.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("r_C1C2.Bmp")));
    try {
        transHtml(report, false, 0, 0, 0, 0, prefix());
        ADD_FAILURE() << "no error";
    } catch (const ReportError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("无法写入图片文件：") + prefix() + "_C1C2.Bmp");
    }
    EXPECT_EQ(files(), QStringList{QStringLiteral("r_C1C2.Bmp")});

    EXPECT_THROW(transHtml(report, false, 0, 0, 0, 0, dir.filePath(QStringLiteral("missing/r"))),
                 ReportError);
    EXPECT_EQ(files(), QStringList{QStringLiteral("r_C1C2.Bmp")});
    EXPECT_TRUE(report.saved());
}
