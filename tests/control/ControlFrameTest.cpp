#include "MemberCalls.h"
#include "control/CellSurface.h"
#include "control/CellvexControl.h"
#include "control/widgets/RulerWidget.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

QWidget *child(CellvexControl &c, const char *name)
{
    return c.findChild<QWidget *>(QString::fromLatin1(name));
}

QImage renderSurface(CellSurface *s, int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::green);
    QPainter p(&img);
    s->paintArea(p, QRect(0, 0, w, h));
    return img;
}

bool black(const QImage &img, int x, int y)
{
    return img.pixel(x, y) == qRgb(0, 0, 0);
}

} // namespace

TEST(ControlFrame, NamedChildrenExist)
{
    CellvexControl c;
    test::MemberCalls m{c};
    for (const char *name :
         {"pnl_main",           "pnl_header",         "pnl_lmargin",      "ppl_polex",
          "ppl_poley",          "pnl_client",         "pnl_cell",         "edt_input",
          "cbb_input",          "pnl_datetime",       "dtp_datetime",     "pnl_datetimeok",
          "pnl_datetimecancel", "pnl_datetimeclear",  "lpl_selectedleft", "lpl_selectedtop",
          "lpl_selectedright",  "lpl_selectedbottom", "pnl_right",        "pnl_rmargin",
          "scb_scrolly",        "pnl_footer",         "pnl_scroll",       "pnl_xscroll",
          "pnl_smargin",        "scb_scrollx"})
        EXPECT_NE(child(c, name), nullptr) << name;
    EXPECT_EQ(child(c, "lpl_selectedleft")->width(), 2);
    EXPECT_EQ(child(c, "lpl_selectedright")->width(), 3);
    EXPECT_EQ(child(c, "lpl_selectedtop")->height(), 2);
    EXPECT_EQ(child(c, "lpl_selectedbottom")->height(), 3);
    // The cells are painted, not built: no widget per cell or per pole.
    EXPECT_LT(c.findChildren<QWidget *>().size(), 40);
}

TEST(ControlFrame, PoleVisibleModes)
{
    struct Case
    {
        int mode, marginWidth, headerHeight, stripX, stripY;
        const char *caption;
    } cases[] = {
        {2, 58, 31, 14, 16, "单位(mm)"},
        {0, 0, 0, 0, 0, "单位(mm)"}, // mode 0 leaves the caption alone
        {1, 43, 17, 0, 0, ""},
    };
    CellvexControl c;
    test::MemberCalls m{c};
    c.resize(640, 480);
    for (const Case &k : cases) {
        m.setPoleVisible(k.mode);
        EXPECT_EQ(m.PoleVisible(), k.mode);
        EXPECT_EQ(child(c, "pnl_lmargin")->width(), k.marginWidth) << k.mode;
        EXPECT_EQ(child(c, "ppl_poley")->width(), k.marginWidth) << k.mode;
        EXPECT_EQ(child(c, "pnl_header")->height(), k.headerHeight) << k.mode;
        EXPECT_EQ(child(c, "pnl_rmargin")->height(), k.headerHeight) << k.mode;
        EXPECT_EQ(c.report().colRuler().poleRuler(), k.stripX) << k.mode;
        EXPECT_EQ(c.report().rowRuler().poleRuler(), k.stripY) << k.mode;
        EXPECT_EQ(c.findChild<QLabel *>(QStringLiteral("pnl_lmargin_caption"))->text(),
                  QString::fromUtf8(k.caption));
    }
    // Other values are stored and change nothing else.
    m.setPoleVisible(7);
    EXPECT_EQ(m.PoleVisible(), 7);
    EXPECT_EQ(child(c, "pnl_lmargin")->width(), 43);
    EXPECT_TRUE(m.Saved());
    // The mode survives a new report.
    m.setPoleVisible(2);
    m.NewReport(2, 2);
    EXPECT_EQ(m.PoleVisible(), 2);
}

TEST(ControlFrame, DefaultReportPaintsItsGridLines)
{
    CellvexControl c;
    test::MemberCalls m{c};
    c.resize(640, 480);
    const QImage img = c.grab().toImage();
    // Cell (0, 0) starts at the viewport's corner below the header and right of the row ruler.
    const int x0 = 43, y0 = 17;
    EXPECT_TRUE(black(img, x0, y0 + 10));
    EXPECT_TRUE(black(img, x0 + 40, y0));
    EXPECT_TRUE(black(img, x0 + 80, y0 + 10)); // left line of column B
    EXPECT_TRUE(black(img, x0 + 40, y0 + 19)); // top line of row 2
    EXPECT_EQ(img.pixel(x0 + 40, y0 + 10), qRgb(255, 255, 255));
    // Right of column F nothing is drawn but the white viewport.
    EXPECT_EQ(img.pixel(x0 + 6 * 80 + 20, y0 + 10), qRgb(255, 255, 255));
}

TEST(ControlFrame, SurfacePaintsTheScrolledViewOfALargeReport)
{
    CellvexControl c;
    test::MemberCalls m{c};
    c.resize(640, 480);
    m.NewReport(1000, 1000);
    Report &r = c.report();
    r.setBackColor(990, 995, 0x0000FF);
    r.colRuler().setDisplayIndex(990);
    r.rowRuler().setDisplayIndex(995);
    const QImage img = renderSurface(c.cellSurface(), 400, 200);
    EXPECT_EQ(img.pixel(40, 10), qRgb(255, 0, 0));       // cell (990, 995) at the corner
    EXPECT_EQ(img.pixel(120, 10), qRgb(255, 255, 255));  // its neighbour
    EXPECT_TRUE(black(img, 80, 10));                     // the neighbour's left line
    EXPECT_EQ(img.pixel(399, 199), qRgb(255, 255, 255)); // past the last row: white
}

TEST(ControlFrame, MasterOutsideTheViewIsStillPainted)
{
    CellvexControl c;
    test::MemberCalls m{c};
    Report &r = c.report();
    const BlockBounds block{0, 0, 2, 2};
    r.cell(0, 0)->setMerge(MergeSign::Master, block);
    r.setBackColor(0, 0, 0x0000FF);
    for (int col = 0; col <= 2; ++col)
        for (int row = 0; row <= 2; ++row)
            if (col || row)
                r.cell(col, row)->setMerge(MergeSign::Covered, block);
    r.colRuler().setDisplayIndex(1);
    r.rowRuler().setDisplayIndex(1);
    const QImage img = renderSurface(c.cellSurface(), 300, 100);
    EXPECT_EQ(img.pixel(40, 10), qRgb(255, 0, 0));  // covered (1, 1) shows the master
    EXPECT_EQ(img.pixel(120, 25), qRgb(255, 0, 0)); // covered (2, 2)
    EXPECT_TRUE(black(img, 160, 10));               // column D's left line
    // Zero-width columns are not drawn.
    r.colRuler().setDisplayIndex(0);
    r.rowRuler().setDisplayIndex(0);
    r.colRuler().setPoleRange(3, 0);
    r.setBackColor(3, 0, 0x00FF00);
    const QImage hidden = renderSurface(c.cellSurface(), 400, 40);
    for (int x = 0; x < 400; ++x)
        EXPECT_NE(hidden.pixel(x, 10), qRgb(0, 255, 0)) << x;
}

TEST(ControlFrame, RulerPaintsOnlyVisiblePoles)
{
    CellvexControl c;
    test::MemberCalls m{c};
    c.resize(640, 480);
    m.NewReport(100000, 10);
    const auto [first, last] = c.columnRuler()->visiblePoles();
    EXPECT_EQ(first, 0);
    EXPECT_LE(last, 8);
    c.report().colRuler().setDisplayIndex(99990);
    const auto [f2, l2] = c.columnRuler()->visiblePoles();
    EXPECT_EQ(f2, 99990);
    EXPECT_EQ(l2, 99997); // eight 80-pixel poles reach into the 582-pixel ruler
}
