#include "PrintPreviewWindow.h"

#include "common/Fonts.h"
#include "common/Rounding.h"
#include "print/PageRenderer.h"
#include "print/Pagination.h"
#include "print/PrintJob.h"
#include "print/PrintJobSetup.h"
#include "print/PrinterService.h"
#include "print/dialogs/FieldFilter.h"
#include "print/dialogs/PreviewIcons.h"
#include "print/dialogs/PreviewPage.h"
#include "print/dialogs/PreviewRules.h"
#include "print/dialogs/PrintCommands.h"
#include "print/dialogs/PrintContext.h"
#include "print/dialogs/PrintSetupValues.h"
#include "report/PageSettings.h"
#include "report/Report.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace cellvex {

namespace {

const QStringList kZoomEntries{"600", "500", "400", "300", "200", "150",
                               "125", "100", "75",  "50",  "25",  "10"};

// Scroll box painting is held while a page is rebuilt, and released however
// the rebuild ends.
class UpdatesHeld
{
public:
    explicit UpdatesHeld(QWidget *w) : m_widget(w), m_was(w->updatesEnabled())
    {
        w->setUpdatesEnabled(false);
    }
    ~UpdatesHeld() { m_widget->setUpdatesEnabled(m_was); }
    UpdatesHeld(const UpdatesHeld &) = delete;
    UpdatesHeld &operator=(const UpdatesHeld &) = delete;

private:
    QWidget *m_widget;
    bool m_was;
};

} // namespace

PrintPreviewWindow::PrintPreviewWindow(PrintContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("PrintPreviewFrm"));
    setWindowTitle(QStringLiteral("打印预览"));
    setFont(reportFont(kDefaultFontName, 9));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowState(Qt::WindowMaximized);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar(layout);

    m_box = new QScrollArea(this);
    m_box->setObjectName(QStringLiteral("sbx_previewbox"));
    m_box->setAlignment(Qt::AlignCenter);
    m_box->setFocusPolicy(Qt::StrongFocus);
    m_box->setBackgroundRole(QPalette::Dark);
    m_image = new PreviewPage(m_box);
    m_box->setWidget(m_image);
    layout->addWidget(m_box, 1);

    m_status = new QStatusBar(this);
    m_status->setObjectName(QStringLiteral("stb_preview"));
    m_status->setSizeGripEnabled(false);
    m_statusPanel = new QLabel(m_status);
    m_statusPanel->setFixedWidth(150);
    m_status->addWidget(m_statusPanel);
    layout->addWidget(m_status);

    // The wheel scrolls the page wherever the pointer is in the window, the
    // zoom list included (which would otherwise change the zoom).
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    m_settingsChanged = false;
    m_rates->setCurrentIndex(int(kZoomEntries.indexOf(QStringLiteral("100"))));
    m_rateEdit->setText(QStringLiteral("100"));
    showPage();
}

void PrintPreviewWindow::buildToolBar(QVBoxLayout *layout)
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tlb_preview"));
    bar->setIconSize(QSize(16, 16));
    bar->setMovable(false);

    bar->addWidget(toolButton("tbb_print", "打印", PreviewIcon::Print, &PrintPreviewWindow::printFromWindow));
    bar->addWidget(
        toolButton("tbb_printset", "打印设置", PreviewIcon::PageSetup, &PrintPreviewWindow::setupFromWindow));
    bar->addSeparator();

    m_rates = new QComboBox(bar);
    m_rates->setObjectName(QStringLiteral("cbb_printrate"));
    m_rates->setEditable(true);
    m_rates->setInsertPolicy(QComboBox::NoInsert);
    m_rates->addItems(kZoomEntries);
    m_rates->setFixedWidth(64);
    // The zoom is typed into an edit of its own laid over the list's text, so
    // that typing is filtered and applied only with Enter.
    m_rateEdit = new QLineEdit(m_rates);
    m_rateEdit->setObjectName(QStringLiteral("edt_printrate"));
    m_rateEdit->setFrame(false);
    m_rateEdit->setMaxLength(3);
    FieldFilter::attach(m_rateEdit, FieldKind::Digits);
    connect(m_rateEdit, &QLineEdit::returnPressed, this, &PrintPreviewWindow::applyZoomEdit);
    connect(m_rates, &QComboBox::textActivated, this, &PrintPreviewWindow::chooseZoom);
    bar->addWidget(m_rates);

    bar->addWidget(
        toolButton("tbb_previewfit", "满屏", PreviewIcon::Fit, &PrintPreviewWindow::fitPageHeight));
    bar->addSeparator();
    bar->addWidget(toolButton("tbb_first", "第一页", PreviewIcon::First, &PrintPreviewWindow::showFirst));
    bar->addWidget(
        toolButton("tbb_previous", "上一页", PreviewIcon::Previous, &PrintPreviewWindow::showPrevious));
    bar->addWidget(toolButton("tbb_next", "下一页", PreviewIcon::Next, &PrintPreviewWindow::showNext));
    bar->addWidget(toolButton("tbb_last", "最后一页", PreviewIcon::Last, &PrintPreviewWindow::showLast));
    bar->addSeparator();

    auto *exit = new QToolButton(bar);
    exit->setObjectName(QStringLiteral("sbn_exit"));
    exit->setText(QStringLiteral("关闭"));
    exit->setAutoRaise(true);
    connect(exit, &QToolButton::clicked, this, &QDialog::accept);
    bar->addWidget(exit);
    m_statusLabel = new QLabel(bar);
    m_statusLabel->setObjectName(QStringLiteral("lbl_preview"));
    bar->addWidget(m_statusLabel);
    layout->addWidget(bar);
}

QToolButton *PrintPreviewWindow::toolButton(const char *name, const char *hint, PreviewIcon icon,
                                            void (PrintPreviewWindow::*action)())
{
    auto *button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromUtf8(hint));
    button->setIcon(previewIcon(icon));
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, action);
    return button;
}

std::int64_t PrintPreviewWindow::pageCount() const
{
    return m_ctx.pagination.pageCount();
}

bool PrintPreviewWindow::printerInstalled() const
{
    return m_ctx.printer.printerCount() > 0;
}

QString PrintPreviewWindow::statusText() const
{
    return m_statusPanel->text();
}

const QImage &PrintPreviewWindow::pageImage() const
{
    return m_image->image();
}

void PrintPreviewWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    placeZoomEdit();
    if (m_shown)
        return;
    m_shown = true;
    m_page = 0;
    setZoom(preview::kDefaultZoom);
}

void PrintPreviewWindow::placeZoomEdit()
{
    // Over the list's text area, leaving its arrow free.
    const QRect text = m_rates->lineEdit() ? m_rates->lineEdit()->geometry() : m_rates->rect();
    m_rateEdit->setGeometry(text);
    m_rateEdit->raise();
}

void PrintPreviewWindow::showPage()
{
    const UpdatesHeld held(m_box);
    QImage image;
    // A page that cannot be drawn (too large an image, a cell that fails)
    // leaves the window open with what was drawn.
    try {
        const PageSettings &s = m_ctx.settings;
        const QSize size = preview::pageImageSize(s.width.pixels, s.height.pixels, m_zoom);
        int colBand = 0, rowBand = 0;
        if (!size.isEmpty())
            image = QImage(size, QImage::Format_RGB32);
        if (!image.isNull()) {
            image.fill(Qt::white);
            if (m_ctx.pagination.bandsOfPage(m_page + 1, colBand, rowBand)) {
                // Drawn at the zoom's resolution, not scaled from the screen's.
                RenderTarget target;
                target.scaleX = m_zoom / 100.0;
                target.scaleY = m_zoom / 100.0;
                target.targetDpiY = int(roundHalfEven(double(s.pixelsPerInch()) * m_zoom / 100.0));
                target.forPrinter = false;
                QPainter painter(&image);
                PageRenderer(m_ctx.report, s, m_ctx.pagination).drawPage(painter, colBand, rowBand, target);
            }
        }
    } catch (const std::exception &) {
    }
    m_image->setImage(std::move(image));
    setStatus();
}

void PrintPreviewWindow::showPageIndex(std::int64_t page)
{
    m_page = page;
    showPage();
}

void PrintPreviewWindow::setStatus()
{
    const QString text = preview::statusText(m_page, pageCount(), printerInstalled());
    m_statusPanel->setText(text);
    m_statusLabel->setText(text);
}

void PrintPreviewWindow::showFirst()
{
    if (m_page != 0)
        showPageIndex(0);
}

void PrintPreviewWindow::showPrevious()
{
    if (m_page > 0)
        showPageIndex(m_page - 1);
}

void PrintPreviewWindow::showNext()
{
    if (m_page + 1 < pageCount())
        showPageIndex(m_page + 1);
}

void PrintPreviewWindow::showLast()
{
    if (m_page + 1 < pageCount())
        showPageIndex(pageCount() - 1);
}

void PrintPreviewWindow::scrollToTopLeft()
{
    m_box->horizontalScrollBar()->setValue(0);
    m_box->verticalScrollBar()->setValue(0);
}

void PrintPreviewWindow::setZoom(int zoom)
{
    m_zoom = zoom;
    const QString text = QString::number(zoom);
    m_rates->setEditText(text);
    m_rateEdit->setText(text);
    showPage();
    scrollToTopLeft();
}

void PrintPreviewWindow::chooseZoom(const QString &text)
{
    setZoom(preview::zoomFromEdit(text));
    m_box->setFocus();
}

void PrintPreviewWindow::applyZoomEdit()
{
    chooseZoom(QString::number(preview::zoomFromEdit(m_rateEdit->text())));
}

void PrintPreviewWindow::fitPageHeight()
{
    setZoom(preview::fitZoom(m_box->height(), m_ctx.settings.height.pixels));
}

void PrintPreviewWindow::pagesChanged()
{
    m_ctx.host.recomputePagination();
    if (m_page >= pageCount())
        m_page = 0;
    showPage();
    scrollToTopLeft();
    m_settingsChanged = true;
}

void PrintPreviewWindow::printFromWindow()
{
    if (!printerInstalled())
        return;
    const std::optional<PrintDialogChoice> choice = askPrintChoice(m_ctx);
    if (!choice)
        return;
    PageSettings &s = m_ctx.settings;
    // The printer alone is no page setting: it does not mark the report.
    s.printerName = choice->printerName;
    if (s.setLandscape(choice->landscape))
        pagesChanged();
    if (choice->copies != s.copies) {
        s.copies = choice->copies;
        m_settingsChanged = true;
    }
    // A list that does not parse or selects nothing prints nothing; the
    // window has no message for it.
    const std::optional<std::vector<std::int64_t>> pages =
        selectPages(choice->allPages, choice->pageField, pageCount());
    if (!pages || pages->empty())
        return;
    PrintJob job(m_ctx.report, s, m_ctx.pagination, m_ctx.printer,
                 [this](const QString &message) { m_ctx.host.reportError(message); });
    job.printPages(*pages, m_ctx.jobTitle);
}

void PrintPreviewWindow::setupFromWindow()
{
    if (!printerInstalled())
        return;
    const std::optional<PrintSetupValues> values = askPrintSetup(m_ctx);
    if (!values)
        return;
    applyPrintSetup(m_ctx.settings, *values);
    pagesChanged();
}

void PrintPreviewWindow::wheel(int delta)
{
    QScrollBar *bar = m_box->verticalScrollBar();
    bar->setValue(bar->value() + preview::wheelScroll(delta));
}

bool PrintPreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        wheel(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    if (watched == m_rates && event->type() == QEvent::Resize)
        placeZoomEdit();
    return QDialog::eventFilter(watched, event);
}

} // namespace cellvex
