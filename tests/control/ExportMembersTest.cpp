#include "ControlObject.h"
#include "control/CellvexObject.h"
#include "control/input/InPlaceEditor.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

// A 3 x 2 report holding a, b, c in its first row, marked saved.
struct ExportMembers : ::testing::Test, test::ControlObject
{
    void SetUp() override
    {
        ASSERT_EQ(o->NewReport(3, 2), S_OK);
        ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("a")), S_OK);
        ASSERT_EQ(o->SetCellValue(2, 1, QStringLiteral("b")), S_OK);
        ASSERT_EQ(o->SetCellValue(3, 1, QStringLiteral("c")), S_OK);
        ASSERT_EQ(o->put_Saved(true), S_OK);
    }

    QString text(bool selected, int c1, int r1, int c2, int r2, bool emptyCells, const QString &separator)
    {
        QString out = QStringLiteral("untouched");
        EXPECT_EQ(o->TransText(selected, c1, r1, c2, r2, emptyCells, separator, &out), S_OK);
        return out;
    }
};

} // namespace

TEST_F(ExportMembers, TransTextTakesOneBasedRanges)
{
    const QString comma = QStringLiteral(",");
    EXPECT_EQ(text(false, -1, -1, -1, -1, true, comma), QStringLiteral("a,b,c\r\n,,\r\n"));
    EXPECT_EQ(text(false, 0, 0, 0, 0, false, comma), QStringLiteral("a,b,c,"));
    EXPECT_EQ(text(true, 2, 1, 3, 2, true, comma), QStringLiteral("b,c\r\n,\r\n"));
    EXPECT_EQ(text(true, 1, 1, 1, 1, true, comma), QStringLiteral("a\r\n"));
    for (const auto &r : {std::array{0, 1, 3, 2}, std::array{1, 0, 3, 2}, std::array{1, 1, 4, 2},
                          std::array{1, 1, 3, 3}, std::array{2, 1, 1, 2}, std::array{INT_MIN, 1, INT_MAX, 2}})
        EXPECT_EQ(text(true, r[0], r[1], r[2], r[3], true, comma), QString()) << r[0] << "," << r[1];
    EXPECT_TRUE(saved());
}

TEST_F(ExportMembers, PendingInputIsCommittedFirst)
{
    ASSERT_EQ(o->SetSelectedCell(2, 2, 2, 2), S_OK);
    InPlaceEditor &input = o->control()->inPlaceEditor();
    input.openTypingEditor();
    ASSERT_TRUE(input.typingEditorShown());
    input.edit()->setText(QStringLiteral("typed"));
    EXPECT_EQ(text(false, 0, 0, 0, 0, false, QStringLiteral(" ")), QStringLiteral("a b c typed "));
    EXPECT_FALSE(input.typingEditorShown());

    QString html;
    ASSERT_EQ(o->SetSelectedCell(1, 2, 1, 2), S_OK);
    input.openTypingEditor();
    input.edit()->setText(QStringLiteral("more"));
    EXPECT_EQ(o->TransHtml(false, 0, 0, 0, 0, QString(), &html), S_OK);
    EXPECT_TRUE(html.contains(QStringLiteral(">more</Td>")));
}

TEST_F(ExportMembers, TransHtmlWritesPicturesOrFailsWithTheReason)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.bmp"));
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(source, "bmp"));
    ASSERT_EQ(o->SetCellPicture(2, 1, source, false), S_OK);
    ASSERT_EQ(o->put_Saved(true), S_OK);

    QString html = QStringLiteral("untouched");
    const QString missing = dir.filePath(QStringLiteral("missing/r"));
    EXPECT_NE(o->TransHtml(false, 0, 0, 0, 0, missing, &html), S_OK);
    EXPECT_EQ(o->errorInfo().description(), QStringLiteral("无法写入图片文件：") + missing + "_C1C0.Bmp");

    const QString prefix = dir.filePath(QStringLiteral("r"));
    EXPECT_EQ(o->TransHtml(false, 0, 0, 0, 0, prefix, &html), S_OK);
    EXPECT_TRUE(html.startsWith(QStringLiteral("<Table width=241 height=39 ")));
    EXPECT_TRUE(html.contains(QStringLiteral("<Img width=79 height=18 src=") + prefix + "_C1C0.bmp>"));
    EXPECT_EQ(QImage(prefix + "_C1C0.Bmp").size(), image.size());

    // A range without the picture writes no file; an invalid one gives nothing.
    EXPECT_EQ(o->TransHtml(true, 1, 2, 3, 2, dir.filePath(QStringLiteral("s")), &html), S_OK);
    EXPECT_FALSE(html.contains(QStringLiteral("<Img")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("s_C1C0.Bmp"))));
    EXPECT_EQ(o->TransHtml(true, 1, 1, 4, 2, prefix, &html), S_OK);
    EXPECT_EQ(html, QString());
    EXPECT_TRUE(saved());
}
