#include "print/dialogs/PrintPreviewWindow.h"
#include "DialogTestSupport.h"
#include "print/PageRenderer.h"
#include "print/dialogs/PreviewRules.h"
#include "print/dialogs/PrintCommands.h"
#include "report/PaperTable.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

using namespace cellvex;

namespace {

struct Preview : DialogFixture
{
    // Opens the preview through the Preview member; `inWindow` works in it
    // while `inDialogs` answers the dialogs opened from it.
    void run(std::function<void(PrintPreviewWindow &)> inWindow, std::function<int(QDialog &)> inDialogs = {})
    {
        runner.onDialog = [&](QDialog &d) {
            if (auto *w = qobject_cast<PrintPreviewWindow *>(&d)) {
                inWindow(*w);
                return int(QDialog::Accepted);
            }
            return inDialogs ? inDialogs(d) : int(QDialog::Rejected);
        };
        previewReport(ctx);
    }
    static void click(PrintPreviewWindow &w, const char *button) { child<QToolButton>(w, button)->click(); }
    static void typeZoom(PrintPreviewWindow &w, const QString &text)
    {
        auto *edit = child<QLineEdit>(w, "edt_printrate");
        edit->clear();
        typeInto(edit, text);
        pressKey(edit, Qt::Key_Return);
    }
    static QString status(std::int64_t page, std::int64_t count)
    {
        return QStringLiteral("      第%1页  共%2页    打印比例：100%").arg(page).arg(count);
    }
};

} // namespace

TEST_F(Preview, AOnePageReportStaysOnItsPage)
{
    report.newReport(2, 2);
    pagination.paginate(report, settings);
    report.setSaved(true);
    run([](PrintPreviewWindow &w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("打印预览"));
        EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
        for (const char *button : {"tbb_first", "tbb_previous", "tbb_next", "tbb_last"}) {
            click(w, button);
            EXPECT_EQ(w.currentPage(), 0) << button;
        }
        EXPECT_EQ(w.statusText(), status(1, 1));
        EXPECT_EQ(child<QLabel>(w, "lbl_preview")->text(), status(1, 1));
        EXPECT_EQ(w.pageImage().size(), QSize(794, 1123));
        click(w, "sbn_exit");
        EXPECT_EQ(w.result(), int(QDialog::Accepted));
    });
    EXPECT_EQ(runner.shown, QStringList{"PrintPreviewFrm"});
    EXPECT_EQ(lineRebuilds, 0);
    EXPECT_TRUE(report.saved());
}

TEST_F(Preview, NavigationStaysWithinThePages)
{
    tallRows(3);
    run([](PrintPreviewWindow &w) {
        const std::pair<const char *, std::int64_t> steps[] = {
            {"tbb_next", 1},  {"tbb_next", 2},     {"tbb_next", 2}, {"tbb_previous", 1},
            {"tbb_first", 0}, {"tbb_previous", 0}, {"tbb_last", 2}, {"tbb_last", 2}};
        for (const auto &[button, page] : steps) {
            click(w, button);
            EXPECT_EQ(w.currentPage(), page) << button;
            EXPECT_EQ(w.statusText(), status(page + 1, 3)) << button;
        }
    });
}

TEST_F(Preview, TypedZoomIsKeptWithinBounds)
{
    const struct
    {
        const char *typed;
        int zoom;
        QSize image;
    } cases[] = {{"0", 1, {8, 11}},
                 {"999", 600, {4764, 6738}},
                 {"", 100, {794, 1123}},
                 {"75", 75, {596, 842}},
                 {"5x0", 50, {397, 562}}};
    run([&](PrintPreviewWindow &w) {
        for (const auto &c : cases) {
            typeZoom(w, QString::fromLatin1(c.typed));
            EXPECT_EQ(w.zoom(), c.zoom) << c.typed;
            EXPECT_EQ(child<QLineEdit>(w, "edt_printrate")->text(), QString::number(c.zoom)) << c.typed;
            EXPECT_EQ(child<QComboBox>(w, "cbb_printrate")->currentText(), QString::number(c.zoom))
                << c.typed;
            EXPECT_EQ(w.pageImage().size(), c.image) << c.typed;
        }
        emit child<QComboBox>(w, "cbb_printrate")->textActivated(QStringLiteral("200"));
        EXPECT_EQ(w.zoom(), 200);
        EXPECT_EQ(child<QLineEdit>(w, "edt_printrate")->text(), QStringLiteral("200"));
    });
}

TEST_F(Preview, PagesAreDrawnAtTheZoomAsTheyPrint)
{
    report.setCellCaption(0, 2, QStringLiteral("票据 No.1"));
    report.setCellBorders(0, 0, 1, 1);
    report.setBackColor(1, 0, 0x00FFFF);
    settings.headerContent = QStringLiteral("第@pno页");
    pagination.paginate(report, settings);
    run([this](PrintPreviewWindow &w) {
        click(w, "tbb_next");
        emit child<QComboBox>(w, "cbb_printrate")->textActivated(QStringLiteral("200"));
        // What the printer would get at twice the screen's resolution.
        QImage expected(1588, 2246, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter p(&expected);
        RenderTarget target;
        target.scaleX = target.scaleY = 2.0;
        target.targetDpiY = 192;
        PageRenderer(report, settings, pagination).drawPage(p, 1, 0, target);
        p.end();
        EXPECT_EQ(w.pageImage(), expected);

        click(w, "tbb_first");
        const QImage &page = w.pageImage();
        // The one-pixel border of the first cell is two pixels wide at 200 %.
        EXPECT_EQ(page.pixel(151, 170), qRgb(255, 255, 255));
        EXPECT_EQ(page.pixel(152, 170), qRgb(0, 0, 0));
        EXPECT_EQ(page.pixel(153, 170), qRgb(0, 0, 0));
        EXPECT_EQ(page.pixel(154, 170), qRgb(255, 255, 255));
    });
}

TEST_F(Preview, WithoutAPrinterItPreviewsButNeitherPrintsNorSetsUp)
{
    printer.installed.clear();
    run([](PrintPreviewWindow &w) {
        EXPECT_EQ(w.statusText(), QStringLiteral("      第1页  共2页    没有安装打印机"));
        click(w, "tbb_print");
        click(w, "tbb_printset");
        EXPECT_FALSE(w.pageImage().isNull());
    });
    EXPECT_EQ(runner.shown, QStringList{"PrintPreviewFrm"});
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Preview, PageSetupInTheWindowCutsThePagesAgain)
{
    tallRows(6, 500); // one row a page on A4; three on A3 with 10 mm margins
    ASSERT_EQ(pagination.pageCount(), 6);
    run(
        [](PrintPreviewWindow &w) {
            for (int i = 0; i < 4; ++i)
                click(w, "tbb_next");
            ASSERT_EQ(w.currentPage(), 4);
            click(w, "tbb_printset");
            EXPECT_EQ(w.currentPage(), 0);
            EXPECT_EQ(w.statusText(), status(1, 2));
            EXPECT_EQ(w.pageImage().size(), QSize(1123, 1587));
            EXPECT_TRUE(w.settingsChanged());
        },
        [](QDialog &d) {
            child<QComboBox>(d, "cbb_paper")->setCurrentText(PaperTable::entry(8).name);
            child<QLineEdit>(d, "edt_mmtop")->setText(QStringLiteral("10"));
            child<QLineEdit>(d, "edt_bottom")->setText(QStringLiteral("10"));
            return pressOk(d);
        });
    EXPECT_EQ(runner.shown, (QStringList{"PrintPreviewFrm", "PrintSetupFrm"}));
    EXPECT_EQ(pagination.pageCount(), 2);
    // The grid's lines follow once the window has closed, and only then is
    // the report marked changed.
    EXPECT_EQ(repaginations, 0);
    EXPECT_EQ(lineRebuilds, 1);
    EXPECT_FALSE(report.saved());
}

TEST_F(Preview, PrintingFromTheWindow)
{
    const struct
    {
        const char *what;
        std::function<void(QDialog &)> fill;
        bool changed;
        int sheets;
    } cases[] = {
        {"printer only", [](QDialog &d) { child<QComboBox>(d, "cbb_printer")->setCurrentIndex(1); }, false,
         2},
        {"copies", [](QDialog &d) { child<QLineEdit>(d, "edt_copies")->setText(QStringLiteral("2")); }, true,
         2},
        {"orientation", [](QDialog &d) { child<QRadioButton>(d, "rdb_polandscape")->click(); }, true, 1},
        {"bad list", [](QDialog &d) { child<QLineEdit>(d, "edt_pages")->setText(QStringLiteral("1,,2")); },
         false, 0},
        {"no page", [](QDialog &d) { child<QLineEdit>(d, "edt_pages")->setText(QStringLiteral("3")); }, false,
         0},
    };
    for (const auto &c : cases) {
        settings.resetToDefaults();
        pagination.paginate(report, settings);
        report.setSaved(true);
        printer.sheets.clear();
        lineRebuilds = 0;
        run(
            [&](PrintPreviewWindow &w) {
                click(w, "tbb_last");
                click(w, "tbb_print");
                EXPECT_EQ(w.settingsChanged(), c.changed) << c.what;
                EXPECT_EQ(w.currentPage(), c.sheets == 1 ? 0 : 1) << c.what;
            },
            [&](QDialog &d) {
                c.fill(d);
                return pressOk(d);
            });
        EXPECT_EQ(int(printer.sheets.size()), c.sheets) << c.what;
        EXPECT_TRUE(errors.isEmpty()) << c.what;
        EXPECT_EQ(report.saved(), !c.changed) << c.what;
        EXPECT_EQ(lineRebuilds, c.changed ? 1 : 0) << c.what;
    }
}

TEST_F(Preview, FitAndWheelWorkOnTheShownWindow)
{
    run([](PrintPreviewWindow &w) {
        w.show();
        auto *box = child<QScrollArea>(w, "sbx_previewbox");
        click(w, "tbb_previewfit");
        EXPECT_EQ(w.zoom(), preview::fitZoom(box->height(), 1123));
        EXPECT_EQ(child<QLineEdit>(w, "edt_printrate")->text(), QString::number(w.zoom()));

        emit child<QComboBox>(w, "cbb_printrate")->textActivated(QStringLiteral("300"));
        QScrollBar *bar = box->verticalScrollBar();
        ASSERT_GT(bar->maximum(), 100);
        EXPECT_EQ(bar->value(), 0);
        bar->setValue(100);
        // One notch away from the user moves the page 20 pixels up, over the
        // page and over the zoom list alike (whose entry stays).
        for (QWidget *over : {static_cast<QWidget *>(box->widget()), child<QWidget>(w, "cbb_printrate")}) {
            QWheelEvent notch(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(over, &notch);
        }
        EXPECT_EQ(bar->value(), 60);
        EXPECT_EQ(w.zoom(), 300);
        w.hide();
    });
}

TEST_F(Preview, APageTooLargeToHoldIsLeftUndrawn)
{
    settings.paperName = PaperTable::entry(PaperTable::kCustomPaper).name;
    settings.width.text = QStringLiteral("5000");
    settings.recomputePixels();
    pagination.paginate(report, settings);
    run([](PrintPreviewWindow &w) {
        EXPECT_FALSE(w.pageImage().isNull());
        typeZoom(w, QStringLiteral("600"));
        EXPECT_TRUE(w.pageImage().isNull());
        EXPECT_EQ(w.zoom(), 600);
        EXPECT_EQ(w.statusText(), status(1, 1));
    });
}

TEST(PreviewRules, FitZoomAndStatusText)
{
    EXPECT_EQ(preview::fitZoom(804, 1123), 71);
    EXPECT_EQ(preview::fitZoom(5, 1123), 1);
    EXPECT_EQ(preview::fitZoom(100000, 100), 600);
    EXPECT_EQ(preview::fitZoom(804, 0), 600);
    EXPECT_EQ(preview::wheelScroll(120), -20);
    EXPECT_EQ(preview::wheelScroll(-125), 20); // truncated toward zero
    EXPECT_EQ(preview::wheelScroll(7), -1);
    EXPECT_EQ(preview::statusText(2, 7, true), QStringLiteral("      第3页  共7页    打印比例：100%"));
    EXPECT_EQ(preview::statusText(0, 1, false), QStringLiteral("      第1页  共1页    没有安装打印机"));
}
