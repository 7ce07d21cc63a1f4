#include "cells/CellWidgets.h"
#include "cells/PictureLoader.h"
#include "report/CellKindOps.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

class Pictures : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    Report r;

    QString path(const QString &name) const { return dir.filePath(name); }

    QString picture(const QString &name, const char *format, QSize size = QSize(4, 3))
    {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::blue);
        EXPECT_TRUE(img.save(path(name), format));
        return path(name);
    }
    QString junk(const QString &name)
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a picture at all");
        return path(name);
    }
    Cell &cell() { return *r.cell(2, 2); }
};

} // namespace

TEST_F(Pictures, LoadsByExtension)
{
    struct Case
    {
        const char *file;
        const char *format;
    } cases[] = {{"a.bmp", "BMP"}, {"b.BMP", "BMP"}, {"c.ico", "ICO"}, {"d.png", "PNG"}, {"e.jpg", "JPEG"}};
    for (const Case &c : cases) {
        const QImage img = loadCellPicture(picture(QString::fromLatin1(c.file), c.format));
        EXPECT_EQ(img.size(), QSize(4, 3)) << c.file;
    }
}

TEST_F(Pictures, LoadFailuresAreClearErrors)
{
    struct Case
    {
        QString file;
        QString message;
    } cases[] = {
        {junk("notes.txt"), QStringLiteral("不支持的图片格式：")},
        {junk("noextension"), QStringLiteral("不支持的图片格式：")},
        {junk("broken.bmp"), QStringLiteral("无法读取图片文件：")},
        {junk("drawing.wmf"), QStringLiteral("无法读取图片文件：")},
        {path("missing.bmp"), QStringLiteral("无法读取图片文件：")},
    };
    for (const Case &c : cases) {
        try {
            loadCellPicture(c.file);
            ADD_FAILURE() << "loaded " << c.file.toStdString();
        } catch (const ReportError &e) {
            EXPECT_EQ(e.message(), c.message + c.file);
        }
    }
}

TEST_F(Pictures, FailedLoadChangesNothing)
{
    const QString good = picture("good.bmp", "BMP");
    ASSERT_TRUE(setCellPicture(r, 2, 2, good, true));
    r.setSaved(true);
    for (const QString &bad : {junk("broken.bmp"), junk("text.txt")}) {
        EXPECT_THROW(setCellPicture(r, 2, 2, bad, false), ReportError);
        ASSERT_NE(cell().picture(), nullptr);
        EXPECT_EQ(cell().picture()->size(), QSize(4, 3));
        EXPECT_TRUE(cell().imageStretch());
        EXPECT_TRUE(r.saved());
    }
    // A failed first picture leaves no empty layer behind.
    EXPECT_THROW(setCellPicture(r, 3, 3, junk("x.bmp"), false), ReportError);
    EXPECT_FALSE(r.cell(3, 3)->haveImage());
}

TEST_F(Pictures, SetCellPictureByKind)
{
    const QString file = picture("p.bmp", "BMP");
    struct Case
    {
        const char *name;
        std::function<void(Report &)> make;
        bool shows;
    } cases[] = {
        {"text", [](Report &) {}, true},
        {"drop-down", [](Report &r) { setDropCell(r, 2, 2, QStringLiteral("a")); }, true},
        {"date", [](Report &r) { setDateTimeCell(r, 2, 2); }, true},
        {"button", [](Report &r) { setButtonCell(r, 2, 2, QStringLiteral("b"), QString()); }, false},
        {"check box", [](Report &r) { setCheckCell(r, 2, 2, QStringLiteral("c")); }, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        r.newReport(6, 30);
        c.make(r);
        r.setSaved(true);
        EXPECT_EQ(setCellPicture(r, 2, 2, file, false), c.shows);
        EXPECT_EQ(cell().haveImage(), c.shows);
        EXPECT_EQ(r.saved(), !c.shows);
    }
}

TEST_F(Pictures, MissingFileAndCoveredCellDoNothing)
{
    r.setSaved(true);
    EXPECT_FALSE(setCellPicture(r, 2, 2, path("absent.bmp"), false));
    EXPECT_FALSE(setCellPicture(r, 2, 2, dir.path(), false)); // a folder is no file
    EXPECT_FALSE(cell().haveImage());
    r.cell(4, 4)->setMerge(MergeSign::Covered, BlockBounds{3, 3, 4, 4});
    EXPECT_FALSE(setCellPicture(r, 4, 4, picture("p.bmp", "BMP"), false));
    EXPECT_FALSE(r.cell(4, 4)->haveImage());
    EXPECT_FALSE(setCellPicture(r, 6, 0, picture("p.bmp", "BMP"), false));
    EXPECT_TRUE(r.saved());
}

TEST_F(Pictures, EmptyFileNameRemovesPictureAndDiagonal)
{
    ASSERT_TRUE(setCellPicture(r, 2, 2, picture("p.bmp", "BMP"), true));
    EXPECT_TRUE(setCellPicture(r, 2, 2, QString(), true));
    EXPECT_FALSE(cell().haveImage());
    EXPECT_FALSE(cell().imageStretch());
    EXPECT_EQ(cell().picture(), nullptr);

    r.setCellBorders(2, 2, BorderDiagonal, 3);
    EXPECT_TRUE(setCellPicture(r, 2, 2, QString(), false));
    EXPECT_EQ(r.cellBorders(2, 2, BorderDiagonal), 0);
    EXPECT_FALSE(cell().haveImage());

    // A picture over a diagonal replaces it.
    r.setCellBorders(2, 2, BorderDiagonal, 1);
    EXPECT_TRUE(setCellPicture(r, 2, 2, picture("p.bmp", "BMP"), false));
    EXPECT_EQ(r.cellBorders(2, 2, BorderDiagonal), 0);
    EXPECT_NE(cell().picture(), nullptr);
}

TEST_F(Pictures, ByAliasTakesTheFirstCellWithTheAlias)
{
    r.setCellAlias(2, 2, QStringLiteral("Logo"));
    EXPECT_TRUE(setCellPictureByAlias(r, QStringLiteral("Logo"), picture("p.bmp", "BMP"), false));
    EXPECT_TRUE(cell().haveImage());
    r.setSaved(true);
    EXPECT_FALSE(setCellPictureByAlias(r, QStringLiteral("logo"), QString(), false));
    EXPECT_TRUE(cell().haveImage());
    EXPECT_TRUE(r.saved());
}

TEST_F(Pictures, BitmapCopiesInAndOut)
{
    Cell c;
    EXPECT_TRUE(cellBitmap(c).isNull());
    QImage img(5, 5, QImage::Format_RGB32);
    img.fill(Qt::green);
    setCellBitmap(c, img); // a loader may hand a bitmap to a cell without a layer yet
    EXPECT_TRUE(c.haveImage());
    QImage out = cellBitmap(c);
    out.fill(Qt::red); // the caller's copy is its own
    EXPECT_EQ(c.picture()->pixel(0, 0), qRgb(0, 255, 0));

    // An empty layer first, the bitmap later, keeps the stretch asked for.
    Cell d;
    showCellPicture(d, QImage(), true);
    EXPECT_TRUE(d.haveImage());
    EXPECT_EQ(d.picture(), nullptr);
    setCellBitmap(d, img);
    EXPECT_TRUE(d.imageStretch());
    EXPECT_NE(d.picture(), nullptr);
}
